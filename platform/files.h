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
// With keepAsOriginal (the file's content as the caller read it), an
// existing file without an original gets one first (OriginalPath): written
// like the file itself (temporary, flush, rename) but with a rename that
// never replaces, so it is never overwritten and a killed writer leaves none
// or a whole one. A file this call creates gets an empty marker instead
// (CreatedPath), and no original ever after: there was nothing before it.
// When the original cannot be made, the replace is refused with
// Error::OriginalNotKept (the marker fails like the file would); when the
// replace then fails, what this call made is removed again, so a failed
// save leaves nothing behind.
Status ReplaceFile(const std::string& path, const std::string& bytes,
                   const std::string* keepAsOriginal = nullptr);

// The copy of a file as it was before this program first changed it, kept
// beside it under a name the simulator does not read: "<name>.original".
std::string OriginalPath(const std::string& path);

// The marker of a file this program created: "<name>.created", empty.
std::string CreatedPath(const std::string& path);

// The time of the file's last change, local time; false when it cannot be
// read (a missing file, for one).
struct LocalTime {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;
    int hour = 0;
    int minute = 0;
};
bool LastWriteTime(const std::string& path, LocalTime& time);

}  // namespace files
