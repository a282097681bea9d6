// LocateFiles on the real registry and file system.
#include "app/app_context.h"
#include "app/locate_files.h"
#include "payload/aircraft_files.h"
#include "platform/registry.h"

void LocateFiles() {
    SearchEnvironment environment;
    environment.chosenFolder = registry::ReadString(kChosenFolder.root, registry::View::Bits32,
                                                    kChosenFolder.key, kChosenFolder.name);
    environment.currentDirectory = registry::CurrentDirectory();
    environment.programFolder = registry::ProgramFolder();
    environment.readRegistry = [](const RegistryValueName& value, registry::View view) {
        return registry::ReadString(value.root, view, value.key, value.name);
    };
    environment.isUsable = IsUsableSimulatorFolder;
    SimulatorLocation location = FindSimulator(environment);
    App().simFolder = location.simFolder;
    App().prefsPath = location.prefsPath;
    App().simFolderFoundBy = DescribeOrigin(location);
}
