// The cockpit commands a key can be bound to, with their default bindings.
//
// A binding is a modifier (KeyModifier) and a key, the key being a keyboard
// scan code in the DirectInput numbering (set 1, +128 for the extended
// block; 0 is no key). The row index is the command's identity in the
// [Keys] section of the preferences file, so rows are never reordered.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace keys {

// Modifier keys held with the key. Alt is never part of a binding. Other
// values can only come from a hand-edited file and are kept as they are.
constexpr int32_t kModifierNone = 0;
constexpr int32_t kModifierShift = 1;
constexpr int32_t kModifierCtrl = 2;
constexpr int32_t kModifierShiftCtrl = 3;

constexpr int32_t kNoKey = 0;

struct CommandEntry {
    int32_t number;    // the add-on's own command number; this program never reads it
    const char* name;  // empty for a spare row, which is never listed
    int32_t modifier;  // KeyModifier
    int32_t key;       // scan code
};

constexpr size_t kCommandCount = 91;
constexpr size_t kNamedCommandCount = 85;  // rows 0 to 84; the spare rows follow

using CommandCatalogue = std::array<CommandEntry, kCommandCount>;

// The catalogue as the program starts with it. The run's catalogue (the
// shell's) starts from it, is merged with the file at each opening of Key
// Assignments and changed by each captured key.
extern const CommandCatalogue kDefaultCommands;

}  // namespace keys
