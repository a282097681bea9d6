#include "keys/keyboard_layout.h"

#include <windows.h>

namespace keys {

uint16_t ActiveKeyboardLanguage() {
    return LOWORD(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0)));
}

CKeyNames& ProgramKeyNames() {
    static CKeyNames names(ActiveKeyboardLanguage);
    return names;
}

}  // namespace keys
