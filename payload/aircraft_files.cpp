#include "payload/aircraft_files.h"

#include "platform/files.h"

namespace {

std::string AircraftFile(const std::string& simFolder, const char* folder) {
    return simFolder + "\\SimObjects\\Airplanes\\" + folder + "\\Aircraft.cfg";
}

}  // namespace

AircraftFiles AircraftFilePaths(AircraftType type, const std::string& simFolder) {
    AircraftFiles files;
    if (!IsAircraft(type)) {
        return files;
    }
    const AircraftSpec& aircraft = Aircraft(type);
    files.base = AircraftFile(simFolder, aircraft.baseFolder);
    if (aircraft.iaeFolder) {
        files.iae = AircraftFile(simFolder, aircraft.iaeFolder);
    }
    return files;
}

bool IsUsableSimulatorFolder(const std::string& simFolder) {
    const std::string airplanes = simFolder + "\\SimObjects\\Airplanes\\";
    for (const AircraftSpec& aircraft : kAircraft) {
        if (files::FolderExists(airplanes + aircraft.baseFolder) ||
            (aircraft.iaeFolder && files::FolderExists(airplanes + aircraft.iaeFolder))) {
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
