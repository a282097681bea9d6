// What the program needs of the file system, the same on Windows and POSIX.
#pragma once

#include <cstdint>
#include <string>

#include "platform/file_status.h"

// <windows.h> makes ReplaceFile a macro for its own function of that name.
#ifdef ReplaceFile
#undef ReplaceFile
#endif

namespace files {

// The largest file the program reads or rewrites. Its own files are a few
// kilobytes; anything this big is not one of them.
constexpr uint64_t kMaxFileBytes = 64u * 1024 * 1024;

// True when the file opens for reading (shared access); it is closed again
// at once. A folder does not count.
bool FileExists(const std::string& path);

// True when a folder stands at the path.
bool FolderExists(const std::string& path);

// The program builds paths by plain appending with backslashes. On POSIX
// this maps them to native paths ('\' becomes '/'); on Windows it returns
// the path unchanged.
std::string NativePath(const std::string& path);

// Reads the whole file. Fails with NotFound when it (or its folder) is
// missing, IsDirectory when a folder stands there, TooLarge above
// kMaxFileBytes, AccessDenied when it cannot be opened for reading.
Status ReadFile(const std::string& path, std::string& bytes);

// Replaces (or creates) the file with bytes in one atomic step: a temporary
// file in the same folder, flushed to disk, then renamed over the old file,
// keeping its attributes. Never leaves a half-written file or a temporary.
// A writer killed before its rename does leave its temporary (named as in
// temporary_name.h); a successful replace removes those whose process is
// gone.
// Fails, leaving the file as it was, with NotFound when the folder is
// missing (folders are never created), IsDirectory when a folder stands
// there, AccessDenied for a read-only file (even where the system would let
// an administrator replace it), a file another program holds open without
// letting others write, or a folder that cannot be written; DiskFull when
// the new content does not fit.
Status ReplaceFile(const std::string& path, const std::string& bytes);

}  // namespace files
