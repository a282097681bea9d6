// What the program needs of the file system, the same on Windows and POSIX.
#pragma once

#include <string>

#include "platform/file_status.h"

namespace files {

// True when the file opens for reading (shared access); it is closed again
// at once. A folder does not count.
bool FileExists(const std::string& path);

// The program builds paths by plain appending with backslashes. On POSIX
// this maps them to native paths ('\' becomes '/'); on Windows it returns
// the path unchanged.
std::string NativePath(const std::string& path);

// Reads the whole file. Fails with NotFound when it is missing.
Status ReadFile(const std::string& path, std::string& bytes);

// Replaces (or creates) the file with bytes in one atomic step: a temporary
// file in the same folder, flushed to disk, then renamed over the old file,
// keeping its attributes. Never leaves a half-written file or a temporary.
Status ReplaceFile(const std::string& path, const std::string& bytes);

}  // namespace files
