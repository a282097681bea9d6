// Where each aircraft's aircraft.cfg lies below the simulator folder, and
// when an aircraft counts as installed.
#pragma once

#include <string>

#include "core/aircraft.h"

struct AircraftFiles {
    std::string base;  // the base variant (or the only one)
    std::string iae;   // the IAE-engine variant; empty when the type has none
};

// Plain appending: simFolder, "\SimObjects\Airplanes\", the variant's
// folder, "\Aircraft.cfg". Empty paths for AircraftType::None.
AircraftFiles AircraftFilePaths(AircraftType type, const std::string& simFolder);

// A simulator folder the program can work with: it holds the folder of at
// least one of the eight aircraft files, or the add-on's Norvane\Corvel
// folder.
bool IsUsableSimulatorFolder(const std::string& simFolder);

// The base file exists, or else the IAE file exists.
bool IsInstalled(const AircraftFiles& files);

// Which variant files exist now.
struct InstalledVariants {
    bool base = false;
    bool iae = false;
};
InstalledVariants FindInstalledVariants(const AircraftFiles& files);

// The file a load manager reads its payload from: the base file when it
// exists, otherwise the IAE file (so an IAE-only install shows its own
// payload rather than defaults).
const std::string& PayloadSourceFile(const AircraftFiles& files);
