// INI profile functions: the reading behaviour of the Windows profile
// functions, and writes that never lose a byte.
//
// Reading (as GetPrivateProfileStringA / GetPrivateProfileIntA do):
// section and key names match without regard to case, the first match wins,
// white space around names and values is trimmed, one pair of enclosing
// quotes (double or single) is removed, the caller's buffer size limits the
// value, and the caller's default is returned when the file, the section or
// the key is missing. Each of the functions below reads the file anew; a
// Snapshot reads it once and answers any number of keys from those bytes,
// as the functions would have answered at the moment it was taken (they are
// written over it). The detailed text rules are in ini_text.h. Text behind a UTF-8
// byte-order mark is handed on as it is (UTF-8); a UTF-16 file is read as
// UTF-8. A file that cannot be read, or is larger than files::kMaxFileBytes,
// reads as missing.
//
// Writing: a write replaces only the bytes of the one line that holds the
// key (or adds one line at the end of the section, or the section at the
// end of the file). Every other byte stays as it was: comments, blank lines,
// spacing, line endings, a UTF-8 byte-order mark, a missing final newline.
// The new content replaces the old file in one atomic rename, so a crash
// leaves either the old file or the new one. A write that changes nothing
// leaves the file untouched. A write that cannot be done safely is refused
// with Error::Unsupported and the file left untouched: a line break or NUL
// byte in a name or value, a '=' in a key, a key starting with '[' or with
// the bytes of a byte-order mark (each would break the file's structure), a
// UTF-16 file, a file with NUL bytes. The other failures are those of
// files::ReadFile and files::ReplaceFile; a successful replace also removes
// the temporaries that killed writers left beside the file (see files.h).
//
// Paths are the program's own: UTF-8, built with backslashes. On POSIX the
// file layer maps them to native paths (see files.h).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_status.h"

namespace profile {

// A read passes this as its default to tell a missing key from a stored
// one; a value stored as this very text reads as missing too.
constexpr char kUndefined[] = "<UNDEFINED>";

// Copies the value into buffer (at most size - 1 characters and a
// terminating zero) and returns the number of characters copied. A size of
// 0 copies nothing and returns 0.
// One reading of a file: a dialog takes one when it opens and reads every
// key from it, so the file is read once however many keys it asks for. It
// does not follow later changes to the file; writes read the file anew.
class Snapshot {
  public:
    explicit Snapshot(const std::string& path);
    // The answers point into the bytes held here.
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;

    // As the functions of the same names below.
    size_t GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                     char* buffer, size_t size) const;
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, size_t bufferSize) const;
    int GetInt(std::string_view section, std::string_view key, int defaultValue) const;

  private:
    std::string_view Read(std::string_view section, std::string_view key,
                          std::string_view defaultValue, size_t bufferSize) const;

    bool m_read = false;
    std::string m_bytes;
    std::string m_storage;  // UTF-16 text converted
    std::string_view m_text;
    // The sections asked for so far, by the name as asked: lookups of one
    // section scan only its lines.
    mutable std::vector<std::pair<std::string, std::optional<std::string_view>>> m_sections;
};

size_t GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                 char* buffer, size_t size, const std::string& path);

// The same value as the buffer form above would give for that buffer size.
std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                      size_t bufferSize, const std::string& path);

// The integer at the start of the value, as GetPrivateProfileIntA reads it
// (see ini::ParseInt; a value longer than 29 characters is cut first);
// defaultValue when the file, section or key is missing or the value empty.
int GetInt(std::string_view section, std::string_view key, int defaultValue,
           const std::string& path);

// Sets key = value in section, creating the file, the section and the key
// when they are missing. The folder must exist.
files::Status WriteString(std::string_view section, std::string_view key, std::string_view value,
                          const std::string& path);

struct Entry {
    std::string section;
    std::string key;
    std::string value;
};

// Writes all entries with one read and one atomic replace; the file ends up
// exactly as if each entry had been written by WriteString in order. On
// failure nothing is written.
files::Status WriteBatch(const std::vector<Entry>& entries, const std::string& path);

}  // namespace profile
