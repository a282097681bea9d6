// Reading and writing the payload stations of an aircraft's aircraft.cfg.
#pragma once

#include <string>
#include <vector>

#include "balance/weight_section.h"
#include "payload/aircraft_files.h"
#include "payload/payload_model.h"
#include "platform/file_status.h"

namespace payload {

// The empty weight and the four stations of the file's [WEIGHT_AND_BALANCE];
// missing or unusable keys give the defaults silently (pounds beyond 32 bits
// are held at its limits). Counts and percentages are held within the
// aircraft's seats and 0 to 100.
LoadState ReadPayload(const balance::WeightSection& section, const AircraftSpec& aircraft);
// The file read once.
LoadState ReadPayload(const std::string& path, const AircraftSpec& aircraft);

// Writes the four stations (value, position and label) in one atomic
// replace; every other byte of the file stays as it was. Never creates the
// file: a missing file fails with NotFound.
files::Status WritePayload(const std::string& path, const LoadState& load,
                           const AircraftSpec& aircraft);

struct SaveFailure {
    std::string path;
    files::Status status;
};

// Writes the load state into every variant file that exists now. A variant
// that was installed when the load manager opened (installedAtOpen) but
// whose file is gone counts as a failure; one that never existed is
// skipped. Returns the failures, in file order (base, then IAE).
std::vector<SaveFailure> SavePayload(const AircraftFiles& paths, const InstalledVariants& atOpen,
                                     const LoadState& load, const AircraftSpec& aircraft);

}  // namespace payload
