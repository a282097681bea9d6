// The keyboard layout the key names follow, as Windows reports it.
#pragma once

#include <cstdint>

#include "keys/key_tables.h"

namespace keys {

// Language identifier of the calling thread's active keyboard layout.
uint16_t ActiveKeyboardLanguage();

// The key names of the run, following the active layout.
CKeyNames& ProgramKeyNames();

}  // namespace keys
