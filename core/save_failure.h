// The text of the message box a failed save shows, the same in every tool.
#pragma once

#include <string>

#include "platform/file_status.h"
#include "res/messages.h"

namespace msg {

// The text of a save failure: the tool's first paragraph, the file's path,
// and the advice for what went wrong, where there is any.
inline std::string SaveFailure(const char* firstParagraph, const std::string& path,
                               const files::Status& status) {
    std::string text = firstParagraph + path;
    const char* advice = nullptr;
    switch (status.error) {
        case files::Error::AccessDenied:
            advice = kAccessDeniedAdvice;
            break;
        case files::Error::Unsupported:
            advice = kUnsupportedFileAdvice;
            break;
        case files::Error::TooLarge:
            advice = kTooLargeFileAdvice;
            break;
        case files::Error::IsDirectory:
            advice = kFolderInTheWayAdvice;
            break;
        case files::Error::DiskFull:
            advice = kDiskFullAdvice;
            break;
        case files::Error::OriginalNotKept:
            advice = kOriginalNotKeptAdvice;
            break;
        case files::Error::None:
        case files::Error::NotFound:  // the path says which file or folder is missing
        case files::Error::Other:
            break;
    }
    if (advice) {
        text += "\n\n";
        text += advice;
    }
    return text;
}

}  // namespace msg
