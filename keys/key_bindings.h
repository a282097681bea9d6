// What a binding shows as, and what a captured key binds to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "keys/command_catalogue.h"
#include "keys/key_tables.h"

namespace keys {

// "", "SHIFT + ", "CTRL + ", "SHIFT + CTRL + ", or "? + " for any other
// value (only a hand-edited file holds one).
std::string ModifierPrefix(int32_t modifier);

// The binding as Key Assignments shows it, e.g. "SHIFT + CTRL + T" or
// "No key defined".
std::string AssignmentText(const CommandEntry& entry, CKeyNames& names);

// Catalogue indexes of the commands the user can choose, in list order.
std::vector<size_t> ListedCommands(const CommandCatalogue& catalogue);

// Modifier flags of the hot-key control (HOTKEYF_*).
constexpr uint16_t kHotKeyShift = 0x01;
constexpr uint16_t kHotKeyControl = 0x02;
constexpr uint16_t kHotKeyAlt = 0x04;
constexpr uint16_t kHotKeyExtended = 0x08;

struct Binding {
    int32_t modifier;
    int32_t key;
};

// The binding of a key captured by the hot-key control, or nothing when
// Alt was held (Alt combinations are refused). A key no table knows binds
// as no key; the extended-key flag is ignored.
std::optional<Binding> BindingOfHotKey(uint16_t virtualKey, uint16_t flags, CKeyNames& names);

// What the key capture box shows for the hot-key control's value, spelled
// as Key Assignments spells a binding ("SHIFT + CTRL + F7", "CTRL + " while
// only a modifier is held); nothing where the control's own text stands
// (no key yet, Alt held, a key no table knows).
std::optional<std::string> CaptureText(uint16_t virtualKey, uint16_t flags, CKeyNames& names);

}  // namespace keys
