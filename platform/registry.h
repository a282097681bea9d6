// What the program reads of the system to find the simulator: registry
// values, the current directory and its own folder; and the one value it
// stores itself, per user.
#pragma once

#include <optional>
#include <string>

namespace registry {

enum class Root { LocalMachine, CurrentUser };

// The two views of a 64-bit Windows registry. On 32-bit Windows (and in a
// 32-bit Wine prefix) there is one view and both name it.
enum class View { Bits32, Bits64 };

// A string value (UTF-8): REG_SZ as stored, REG_EXPAND_SZ with its
// environment variables expanded. nullopt when the key or the value is
// missing or the value is not a string. Always nullopt on POSIX.
std::optional<std::string> ReadString(Root root, View view, const std::string& key,
                                      const std::string& name);

// Stores a REG_SZ value under HKEY_CURRENT_USER, creating the key. Returns
// false (nothing changed) when Windows refuses.
bool WriteUserString(const std::string& key, const std::string& name, const std::string& data);

// Removes a value under HKEY_CURRENT_USER. True when it is gone, or was
// never there.
bool DeleteUserValue(const std::string& key, const std::string& name);

// The process's current directory (UTF-8), as Windows reports it.
std::string CurrentDirectory();

// The folder that holds the program's own .exe (UTF-8, no trailing
// backslash).
std::string ProgramFolder();

}  // namespace registry
