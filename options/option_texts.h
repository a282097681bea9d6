// What the Configuration dialog's two value labels show.
#pragma once

#include <cstdint>
#include <string>

namespace options {

// The value each Configuration label showed last, kept for the whole run
// (across openings) so a label is rewritten only when its value changes;
// kNothingShown until then.
constexpr int32_t kNothingShown = 99999;
struct ConfigurationMemory {
    int32_t shownVolume = kNothingShown;
    int32_t shownIrsTime = kNothingShown;
};

// "No Sound" for 0, "Low" below 33 (negative values too), "Medium" to 66,
// "High" to 99, "Maximum" from 100 on.
std::string VolumeName(int32_t panelVolume);

// Up to a minute as seconds ("60s", "0s"), longer as minutes and seconds
// ("1m01s", "10m00s").
std::string IrsTimeText(int32_t irsAlignmentSeconds);

}  // namespace options
