// The process-wide state shared by the tools: one instance, zeroed at start,
// used by the user-interface thread only and never persisted.
#pragma once

#include <cstdint>
#include <string>

#include "app/aircraft_type.h"
#include "options/option_values.h"

struct AppContext {
    // Set by the aircraft selector; back to None at the end of every Load
    // Manager and Fuel Planner action.
    AircraftType selectedAircraft = AircraftType::None;
    // UTF-8 paths, set by LocateFiles when the main menu opens and when the
    // user changes the simulator folder.
    std::string simFolder;
    std::string prefsPath;
    // How LocateFiles found simFolder, in words (for the About text).
    std::string simFolderFoundBy;
    // Zero-fuel weight of the payload last saved in this run, per aircraft
    // (A318 first); 0 when none was saved.
    int32_t savedZfwKg[kAircraftCount] = {};
    // Zero-fuel weight of the load manager that computed last.
    int32_t currentZfwKg = 0;
    OptionValues options;
    // Catalogue index of the command being reassigned.
    int32_t selectedCommand = 0;
};

// The one instance.
AppContext& App();

// Back to the start values (tests use this between cases).
void ResetApp();
