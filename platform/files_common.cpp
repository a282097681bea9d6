// The parts of the file layer that are the same on every system.
#include "platform/file_status.h"
#include "platform/files.h"

namespace files {

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
