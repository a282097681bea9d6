#include <unistd.h>

#include <climits>
#include <string>

#include "platform/registry.h"

// No registry here: the folder searches of the portable code see none of
// its values, and nothing can be stored.
namespace registry {

std::optional<std::string> ReadString(Root, View, const std::string&, const std::string&) {
    return std::nullopt;
}

bool WriteUserString(const std::string&, const std::string&, const std::string&) {
    return false;
}

bool DeleteUserValue(const std::string&, const std::string&) {
    return true;
}

std::string CurrentDirectory() {
    char buffer[PATH_MAX];
    if (!getcwd(buffer, sizeof buffer)) {
        return {};
    }
    return buffer;
}

std::string ProgramFolder() {
    char buffer[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) {
        return {};
    }
    std::string path(buffer, static_cast<size_t>(length));
    return path.substr(0, path.rfind('/'));
}

}  // namespace registry
