// POSIX side of the file layer (placeholder parts are completed with the profile layer).
#include <cstdio>
#include <sys/stat.h>

#include "platform/files.h"

namespace files {

std::string NativePath(const std::string& path) {
    std::string native = path;
    for (char& c : native) {
        if (c == '\\') {
            c = '/';
        }
    }
    return native;
}

bool FileExists(const std::string& path) {
    std::string native = NativePath(path);
    struct stat info {};
    if (stat(native.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) {
        return false;
    }
    FILE* file = std::fopen(native.c_str(), "r");
    if (!file) {
        return false;
    }
    std::fclose(file);
    return true;
}

}  // namespace files
