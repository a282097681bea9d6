// The ten cockpit options of the [Common] section, as the Configuration
// dialog edits them. Signed 32-bit each; no range is enforced, so a value
// read from a hand-edited file is kept and written back as it was.
#pragma once

#include <cstdint>

struct OptionValues {
    int32_t unitSystem = 0;        // 0 metric, 1 imperial
    int32_t pushbackType = 0;      // 0 standard, 1 PPU
    int32_t userExperience = 0;    // 0 beginner, 1 intermediate, 2 expert
    int32_t panelVolume = 0;       // 0 to 100
    int32_t irsAlignmentTime = 0;  // seconds, 0 to 600
    int32_t mcduKeyModifier = 0;   // 0 none, 1 Shift, 2 Control, 3 Control-Shift, 4 Windows
    int32_t mcduKeyLocker = 0;     // 0 none, 1 Scroll Lock, 2 Caps Lock, 3 Num Lock
    int32_t autoPause = 0;         // 0 inactive, 1 active
    int32_t fsuipcUsage = 0;       // 0 inactive, 1 active
    int32_t fmgcSaveMode = 0;      // any value; 0 is the normal mode
};
