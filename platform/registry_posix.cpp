#include <unistd.h>

#include <climits>
#include <string>

#include "platform/registry.h"

namespace registry {

std::optional<std::string> SimulatorSetupPath() {
    return std::nullopt;  // no registry here: the current-directory fallback applies
}

std::string CurrentDirectory() {
    char buffer[PATH_MAX];
    if (!getcwd(buffer, sizeof buffer)) {
        return {};
    }
    return buffer;
}

}  // namespace registry
