// The parts of the file layer that are the same on every system.
#include "platform/file_status.h"

namespace files {

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
        case Error::Other:
            break;
    }
    return "Other";
}

}  // namespace files
