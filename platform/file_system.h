// The little the safe save (safe_save.cpp) and the bounded read
// (files_common.cpp) need of the system, one implementation a system:
// files_posix.cpp and files_win32.cpp.
// Paths are native (NativePath); a failure's reason is the system's message
// alone, and the caller says what it was doing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_status.h"

namespace files::os {

// An open file: a descriptor on POSIX, a HANDLE on Windows.
using FileHandle = intptr_t;
constexpr FileHandle kNoFile = -1;

struct Info {
    bool exists = false;
    bool folder = false;
    bool regular = false;   // a file on disk, not a pipe or a device
    bool readOnly = false;  // marked so for everyone, whatever this process may do
    uint64_t size = 0;
};

// What stands at path (a link followed). Nothing there is not a failure;
// a missing folder on the way may be.
Status Examine(const std::string& path, Info& info);

// Whether this process may write the existing file now; on Windows also
// that no other program holds it without letting others write.
Status CheckWritable(const std::string& path);

// The file a symbolic link at path points to; path itself otherwise.
std::string ResolveLink(const std::string& path);

// Creates the file, open for writing only by this process. Never opens one
// that exists: existed then tells that this was why it failed.
Status CreateNew(const std::string& path, FileHandle& file, bool& existed);

// Gives a new file the owner and permissions of the file at like, as far
// as this process may.
void TakeAccessOf(FileHandle file, const std::string& like);

// Writes all of the bytes.
Status Write(FileHandle file, const char* data, size_t size);

// Flushes the file's content to disk.
Status Flush(FileHandle file);

// Closing can report a late write error.
Status Close(FileHandle file);

// Makes the renames in a folder durable.
void FlushFolder(const std::string& folder);

// Puts the closed file temporary in target's place in one step; target, if
// there, keeps its permissions and attributes.
Status Replace(const std::string& temporary, const std::string& target);

// Gives the file at from the name to, unless a file has that name: then it
// fails with existed set and from is left as it was.
Status RenameNoReplace(const std::string& from, const std::string& to, bool& existed);

Status Remove(const std::string& path);

// The names in a folder, without "." and "..".
Status ListFolder(const std::string& folder, std::vector<std::string>& names);

unsigned long CurrentProcessId();

// True only when no process has the id any more (an id that cannot be
// asked about counts as alive).
bool ProcessIsGone(unsigned long pid);

// Opens the file for reading, others still free to write it; info tells
// what was opened.
Status OpenForReading(const std::string& path, FileHandle& file, Info& info);

// Reads up to size bytes; read is 0 at the end of the file.
Status ReadChunk(FileHandle file, char* data, size_t size, size_t& read);

// A primitive's failure, with what the caller was doing in front.
inline Status Doing(const std::string& what, Status status) {
    status.reason = what + ": " + status.reason;
    return status;
}

// Owns an open file and closes it on every way out.
class File {
  public:
    File() = default;
    ~File() { (void)Close(); }
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    FileHandle get() const { return m_file; }
    FileHandle& out() { return m_file; }  // for the primitive that opens it
    Status Close() {
        const FileHandle file = m_file;
        m_file = kNoFile;
        return file == kNoFile ? Status::Ok() : os::Close(file);
    }

  private:
    FileHandle m_file = kNoFile;
};

}  // namespace files::os
