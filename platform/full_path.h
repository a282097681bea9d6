// A Windows path as the user would type it: "C:\FSX\Norvane\Corvel\..\.."
// becomes "C:\FSX". The rules of GetFullPathNameW for an absolute path,
// written out so that they can be shown and tested on every system: both
// slashes separate, repeated separators and "." go, ".." takes away the
// name before it and never the root ("C:\" or "\\server\share"), and a
// trailing separator goes unless the path is a root. The file system is
// not asked: a path through a link keeps the link's name.
#pragma once

#include <string>

namespace files {

// A relative path (no drive and root, no "\\server\share") is returned as
// it is: the program only shows folders it found as full paths.
std::string FullPathText(const std::string& windowsPath);

}  // namespace files
