#include "payload/aircraft_files.h"

#include "platform/files.h"

namespace {

struct AircraftFolders {
    const char* base;
    const char* iae;  // nullptr when the type has no IAE variant
};

// Indexed by AircraftType 1 to 5.
constexpr AircraftFolders kFolders[kAircraftCount] = {
    {"\\SimObjects\\Airplanes\\Norvane Zelvia A318\\Aircraft.cfg", nullptr},
    {"\\SimObjects\\Airplanes\\Norvane Zelvia A319\\Aircraft.cfg",
     "\\SimObjects\\Airplanes\\Norvane Zelvia A319IAE\\Aircraft.cfg"},
    {"\\SimObjects\\Airplanes\\Norvane Zelvia A320\\Aircraft.cfg",
     "\\SimObjects\\Airplanes\\Norvane Zelvia A320IAE\\Aircraft.cfg"},
    {"\\SimObjects\\Airplanes\\Norvane Zelvia A321\\Aircraft.cfg",
     "\\SimObjects\\Airplanes\\Norvane Zelvia A321IAE\\Aircraft.cfg"},
    {"\\SimObjects\\Airplanes\\Norvane Zelvia A319CJ\\Aircraft.cfg", nullptr},
};

}  // namespace

AircraftFiles AircraftFilePaths(AircraftType type, const std::string& simFolder) {
    AircraftFiles files;
    if (!IsAircraft(type)) {
        return files;
    }
    const AircraftFolders& folders = kFolders[AircraftIndex(type)];
    files.base = simFolder + folders.base;
    if (folders.iae) {
        files.iae = simFolder + folders.iae;
    }
    return files;
}

bool IsUsableSimulatorFolder(const std::string& simFolder) {
    auto folderOf = [&](const char* file) {
        std::string path = simFolder + file;
        return files::FolderExists(path.substr(0, path.rfind('\\')));
    };
    for (const AircraftFolders& folders : kFolders) {
        if (folderOf(folders.base) || (folders.iae && folderOf(folders.iae))) {
            return true;
        }
    }
    return files::FolderExists(simFolder + "\\Norvane\\Corvel");
}

bool IsInstalled(const AircraftFiles& files) {
    if (!files.base.empty() && files::FileExists(files.base)) {
        return true;
    }
    return !files.iae.empty() && files::FileExists(files.iae);
}

InstalledVariants FindInstalledVariants(const AircraftFiles& files) {
    InstalledVariants found;
    found.base = !files.base.empty() && files::FileExists(files.base);
    found.iae = !files.iae.empty() && files::FileExists(files.iae);
    return found;
}

const std::string& PayloadSourceFile(const AircraftFiles& files) {
    if (files.iae.empty() || files::FileExists(files.base)) {
        return files.base;
    }
    return files::FileExists(files.iae) ? files.iae : files.base;
}
