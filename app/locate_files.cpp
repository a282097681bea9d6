#include "app/locate_files.h"

#include "platform/registry.h"

namespace {

constexpr size_t kMaxSetupPathCharacters = 499;  // what the simulator folder buffer holds

size_t CountCharacters(const std::string& utf8) {
    size_t count = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

}  // namespace

SimulatorPaths LocateFilesFrom(const std::optional<std::string>& setupPath,
                               const std::string& currentDirectory) {
    SimulatorPaths paths;
    if (setupPath && CountCharacters(*setupPath) <= kMaxSetupPathCharacters) {
        paths.simFolder = *setupPath;
    } else {
        paths.simFolder = currentDirectory + "\\..\\..";
    }
    paths.prefsPath = paths.simFolder + "\\Norvane\\Corvel\\Prefs.cfg";
    return paths;
}

SimulatorPaths LocateFiles() {
    return LocateFilesFrom(registry::SimulatorSetupPath(), registry::CurrentDirectory());
}
