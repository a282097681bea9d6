// Where the simulator is: its registry value, and the current directory.
#pragma once

#include <optional>
#include <string>

namespace registry {

// The simulator's "SetupPath" value (UTF-8), as stored, trailing backslash
// and all. The simulator is a 32-bit program, so on 64-bit Windows its key
// lives in the 32-bit view: that view is read first, then the native one.
// nullopt when neither holds a string value. Always nullopt on POSIX.
std::optional<std::string> SimulatorSetupPath();

// The process's current directory (UTF-8), as Windows reports it.
std::string CurrentDirectory();

}  // namespace registry
