#include "app/kept_originals.h"

#include <cstdio>

#include "core/aircraft.h"
#include "payload/aircraft_files.h"

namespace {

void AddIfKept(std::vector<KeptOriginal>& found, std::string label, const std::string& path) {
    files::LocalTime keptAt;
    if (!path.empty() && files::FileExists(files::OriginalPath(path)) &&
        files::LastWriteTime(files::OriginalPath(path), keptAt)) {
        found.push_back({std::move(label), path, keptAt});
    }
}

}  // namespace

std::vector<KeptOriginal> FindKeptOriginals(const std::string& simFolder,
                                            const std::string& prefsPath) {
    std::vector<KeptOriginal> found;
    for (const AircraftSpec& aircraft : kAircraft) {
        const AircraftFiles paths = AircraftFilePaths(aircraft.type, simFolder);
        AddIfKept(found, aircraft.name, paths.base);
        AddIfKept(found, std::string(aircraft.name) + " IAE", paths.iae);
    }
    AddIfKept(found, "Preferences (Prefs.cfg)", prefsPath);
    return found;
}

files::Status RestoreOriginal(const std::string& path) {
    std::string bytes;
    if (files::Status read = files::ReadFile(files::OriginalPath(path), bytes); !read.ok()) {
        return read;
    }
    return files::ReplaceFile(path, bytes);
}

std::string FormatLocalTime(const files::LocalTime& time) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", time.year, time.month, time.day,
                  time.hour, time.minute);
    return text;
}
