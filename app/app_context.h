// What the shell keeps while the program runs, beyond one opening of a
// tool: the simulator's paths, the payload saved per aircraft, the key
// bindings and the Configuration labels' memory. Only the shell (the main
// menu) holds it; each tool is given what it needs and returns what it
// produced. Never persisted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/aircraft.h"
#include "flightplan/ofp.h"
#include "keys/command_catalogue.h"
#include "options/option_texts.h"
#include "payload/set_load_form.h"

struct AppContext {
    // UTF-8 paths, set by LocateFiles when the main menu opens and whenever
    // the user changes the simulator folder.
    std::string simFolder;
    std::string prefsPath;
    // How LocateFiles found simFolder, in words (for the About text).
    std::string simFolderFoundBy;
    // Zero-fuel weight of the payload last saved in this run, per aircraft
    // (A318 first); 0 when none was saved.
    int32_t savedZfwKg[kAircraftCount] = {};
    // The numbers last applied in each type's Set Load.
    std::optional<payload::SetLoadMemory> setLoad[kAircraftCount];
    // The key bindings: the defaults, merged with the file at each opening
    // of Key Assignments and changed by each captured key.
    keys::CommandCatalogue commands = keys::kDefaultCommands;
    // The flight plan read last in this run, offered by both tools.
    std::optional<flightplan::KeptPlan> flightPlan;
    options::ConfigurationMemory configuration;
};
