// How the options depend on each other in the Configuration dialog.
#pragma once

#include <cstdint>
#include <optional>

#include "options/option_values.h"

namespace options {

// The ranges the dialog's trackbars offer; values read beyond them are kept.
constexpr int32_t kPanelVolumeMax = 100;
constexpr int32_t kIrsAlignmentSecondsMax = 600;

// The IRS alignment time, in seconds, that goes with a user experience
// level: 10 for beginners, 60 for intermediate, 600 for experts. Nothing for
// any other level.
std::optional<int32_t> IrsAlignmentTimeFor(int32_t userExperience);

// The MCDU keyboard is switched either by a lock key or by a modifier, never
// both. Brings mcduKeyModifier in line with mcduKeyLocker: a lock (1 to 3)
// clears the modifier; no lock (0) turns a missing modifier into
// Control-Shift (3). Returns whether the modifier buttons can be used, or
// nothing (and changes nothing) for a lock value outside 0 to 3.
std::optional<bool> ApplyKeyLocker(OptionValues& values);

// The modifier that the modifier buttons show for a stored one: none (0)
// shows as Control-Shift (3), what it becomes once no lock key is set.
int32_t ShownKeyModifier(int32_t mcduKeyModifier);

}  // namespace options
