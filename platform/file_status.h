// The outcome of a file operation: success, or what went wrong and why.
#pragma once

#include <string>

namespace files {

enum class Error {
    None,
    AccessDenied,  // read-only file or folder, locked by another program
    NotFound,      // the folder (or, where it must exist, the file) is missing
    DiskFull,
    Unsupported,      // content the program will not rewrite (e.g. UTF-16 text)
    TooLarge,         // larger than the program agrees to rewrite
    IsDirectory,      // a folder stands where the file should be
    OriginalNotKept,  // the copy of the file before its first change could not be made
    Other,
};

// The enumerator's name, for logs and test messages.
const char* ErrorName(Error error);

struct Status {
    Error error = Error::None;
    std::string reason;  // English, for logs and tests; never shown alone

    bool ok() const { return error == Error::None; }
    static Status Ok() { return {}; }
    static Status Fail(Error e, std::string why) { return {e, std::move(why)}; }
};

}  // namespace files
