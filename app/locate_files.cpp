#include "app/locate_files.h"

#include "payload/aircraft_files.h"
#include "platform/registry.h"

namespace {

constexpr size_t kMaxFolderCharacters = 499;  // what the simulator folder buffer holds

size_t CountCharacters(const std::string& utf8) {
    size_t count = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

// The value of the first view that holds one.
std::optional<std::string> ReadBothViews(const SearchEnvironment& environment,
                                         const RegistryValueName& value, registry::View* view) {
    for (registry::View candidate : {registry::View::Bits32, registry::View::Bits64}) {
        if (auto text = environment.readRegistry(value, candidate)) {
            *view = candidate;
            return text;
        }
    }
    return std::nullopt;
}

SimulatorLocation At(std::string folder, FolderOrigin origin) {
    SimulatorLocation location;
    location.simFolder = std::move(folder);
    location.origin = origin;
    return location;
}

SimulatorLocation FirstChoice(const SearchEnvironment& environment) {
    if (environment.chosenFolder && FitsFolderLimit(*environment.chosenFolder)) {
        return At(*environment.chosenFolder, FolderOrigin::UserChoice);
    }
    registry::View view = registry::View::Bits32;
    auto setupPath = ReadBothViews(environment, kSetupPath, &view);
    if (setupPath && FitsFolderLimit(*setupPath)) {
        SimulatorLocation location = At(*setupPath, FolderOrigin::Registry);
        location.value = kSetupPath;
        location.view = view;
        return location;
    }
    SimulatorLocation location =
        At(environment.currentDirectory + "\\..\\..", FolderOrigin::WorkingFolder);
    location.startFolder = environment.currentDirectory;
    return location;
}

std::optional<SimulatorLocation> FromSource(const SearchEnvironment& environment,
                                            const FolderSource& source) {
    if (source.origin == FolderOrigin::ProgramFolder) {
        SimulatorLocation location =
            At(environment.programFolder + "\\..\\..", FolderOrigin::ProgramFolder);
        location.startFolder = environment.programFolder;
        return location;
    }
    registry::View view = registry::View::Bits32;
    auto folder = ReadBothViews(environment, source.value, &view);
    if (!folder || folder->empty() || !FitsFolderLimit(*folder)) {
        return std::nullopt;
    }
    SimulatorLocation location = At(*folder, FolderOrigin::Registry);
    location.value = source.value;
    location.view = view;
    return location;
}

}  // namespace

bool FitsFolderLimit(const std::string& folder) {
    return CountCharacters(folder) <= kMaxFolderCharacters;
}

SimulatorLocation FindSimulator(const SearchEnvironment& environment) {
    SimulatorLocation found = FirstChoice(environment);
    found.usable = environment.isUsable(found.simFolder);
    // The user's choice stands even when the folder has gone since.
    if (!found.usable && found.origin != FolderOrigin::UserChoice) {
        for (const FolderSource& source : kFurtherSources) {
            auto candidate = FromSource(environment, source);
            if (candidate && environment.isUsable(candidate->simFolder)) {
                found = *candidate;
                found.usable = true;
                break;
            }
        }
    }
    found.prefsPath = found.simFolder + "\\Norvane\\Corvel\\Prefs.cfg";
    return found;
}

std::string DescribeOrigin(const SimulatorLocation& location) {
    std::string text;
    switch (location.origin) {
        case FolderOrigin::UserChoice:
            text = "chosen by you (\"Simulator folder...\" in the window menu)";
            break;
        case FolderOrigin::WorkingFolder:
            text = "two levels above the working folder " + location.startFolder;
            break;
        case FolderOrigin::ProgramFolder:
            text = "two levels above the program's folder " + location.startFolder;
            break;
        case FolderOrigin::Registry:
            text = location.value.root == registry::Root::LocalMachine ? "HKEY_LOCAL_MACHINE\\"
                                                                       : "HKEY_CURRENT_USER\\";
            text = "the registry value " + text + location.value.key + "\\" + location.value.name;
            // The current user's software keys are the same in both views.
            if (location.value.root == registry::Root::LocalMachine) {
                text +=
                    location.view == registry::View::Bits32 ? " (32-bit view)" : " (64-bit view)";
            }
            break;
    }
    if (!location.usable) {
        text += "; it holds none of the aircraft folders and no Norvane\\Corvel folder";
    }
    return text;
}

SimulatorPaths LocateFiles() {
    SearchEnvironment environment;
    environment.chosenFolder = registry::ReadString(kChosenFolder.root, registry::View::Bits32,
                                                    kChosenFolder.key, kChosenFolder.name);
    environment.currentDirectory = registry::CurrentDirectory();
    environment.programFolder = registry::ProgramFolder();
    environment.readRegistry = [](const RegistryValueName& value, registry::View view) {
        return registry::ReadString(value.root, view, value.key, value.name);
    };
    environment.isUsable = IsUsableSimulatorFolder;
    const SimulatorLocation location = FindSimulator(environment);
    return {location.simFolder, location.prefsPath, DescribeOrigin(location)};
}
