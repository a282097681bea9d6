// The parts of the file layer that are the same on every system (the safe
// save has a file of its own, safe_save.cpp).
#include "platform/file_status.h"
#include "platform/file_system.h"
#include "platform/files.h"

namespace files {

Status ReadFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const std::string native = NativePath(path);
    // Windows opens no folder for reading: it would only say access denied.
    if (os::Info info; os::Examine(native, info).ok() && info.folder) {
        return Status::Fail(Error::IsDirectory, path + " is a folder");
    }
    os::File file;
    os::Info info;
    if (Status opened = os::OpenForReading(native, file.out(), info); !opened.ok()) {
        return os::Doing("cannot open " + path, opened);
    }
    if (info.folder) {
        return Status::Fail(Error::IsDirectory, path + " is a folder");
    }
    if (!info.regular) {
        return Status::Fail(Error::Other, path + " is not a regular file");
    }
    const Status tooLarge =
        Status::Fail(Error::TooLarge, path + " is larger than the program reads");
    if (info.size > kMaxFileBytes) {
        return tooLarge;
    }
    bytes.resize(static_cast<size_t>(info.size));
    size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            // The file may have grown since its size was taken.
            if (bytes.size() >= kMaxFileBytes) {
                bytes.clear();
                return tooLarge;
            }
            bytes.resize(bytes.size() + 4096);
        }
        size_t read = 0;
        if (Status chunk =
                os::ReadChunk(file.get(), bytes.data() + done, bytes.size() - done, read);
            !chunk.ok()) {
            bytes.clear();
            return os::Doing("cannot read " + path, chunk);
        }
        if (read == 0) {
            break;
        }
        done += read;
    }
    bytes.resize(done);
    return Status::Ok();
}

std::string OriginalPath(const std::string& path) {
    return path + ".original";
}

std::string CreatedPath(const std::string& path) {
    return path + ".created";
}

const char* ErrorName(Error error) {
    switch (error) {
        case Error::None:
            return "None";
        case Error::AccessDenied:
            return "AccessDenied";
        case Error::NotFound:
            return "NotFound";
        case Error::DiskFull:
            return "DiskFull";
        case Error::Unsupported:
            return "Unsupported";
        case Error::TooLarge:
            return "TooLarge";
        case Error::IsDirectory:
            return "IsDirectory";
        case Error::OriginalNotKept:
            return "OriginalNotKept";
        case Error::Other:
            break;
    }
    return "Other";
}

}  // namespace files
