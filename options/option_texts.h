// What the Configuration dialog's two value labels show.
#pragma once

#include <cstdint>
#include <string>

namespace options {

// "No Sound" for 0, "Low" below 33 (negative values too), "Medium" to 66,
// "High" to 99, "Maximum" from 100 on.
std::string VolumeName(int32_t panelVolume);

// Up to a minute as seconds ("60s", "0s"), longer as minutes and seconds
// ("1m01s", "10m00s").
std::string IrsTimeText(int32_t irsAlignmentSeconds);

}  // namespace options
