#include "keys/key_bindings.h"

#include <string_view>

namespace keys {

std::string ModifierPrefix(int32_t modifier) {
    switch (modifier) {
        case kModifierNone:
            return "";
        case kModifierShift:
            return "SHIFT + ";
        case kModifierCtrl:
            return "CTRL + ";
        case kModifierShiftCtrl:
            return "SHIFT + CTRL + ";
        default:
            return "? + ";
    }
}

std::string AssignmentText(const CommandEntry& entry, CKeyNames& names) {
    return ModifierPrefix(entry.modifier) + names.KeyName(entry.key);
}

std::vector<size_t> ListedCommands(const CommandCatalogue& catalogue) {
    std::vector<size_t> listed;
    for (size_t i = 0; i < catalogue.size(); ++i) {
        if (!std::string_view(catalogue[i].name).empty()) {
            listed.push_back(i);
        }
    }
    return listed;
}

std::optional<Binding> BindingOfHotKey(uint16_t virtualKey, uint16_t flags, CKeyNames& names) {
    if (flags & kHotKeyAlt) {
        return std::nullopt;
    }
    int32_t modifier = kModifierNone;
    if (flags & kHotKeyShift) {
        modifier = kModifierShift;
    }
    if (flags & kHotKeyControl) {
        modifier = modifier == kModifierShift ? kModifierShiftCtrl : kModifierCtrl;
    }
    return Binding{modifier, names.ScanCodeOfKey(virtualKey)};
}

std::optional<std::string> CaptureText(uint16_t virtualKey, uint16_t flags, CKeyNames& names) {
    const std::optional<Binding> binding = BindingOfHotKey(virtualKey, flags, names);
    if (!binding || (virtualKey == 0 && binding->modifier == kModifierNone) ||
        (virtualKey != 0 && binding->key == 0)) {
        return std::nullopt;
    }
    const std::string prefix = ModifierPrefix(binding->modifier);
    return virtualKey == 0 ? prefix : prefix + names.KeyName(binding->key);
}

}  // namespace keys
