#include "platform/full_path.h"

#include <vector>

namespace files {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The names between separators from position start on.
std::vector<std::string> Names(const std::string& path, size_t start) {
    std::vector<std::string> names;
    std::string name;
    for (size_t i = start; i <= path.size(); ++i) {
        if (i == path.size() || IsSeparator(path[i])) {
            if (!name.empty()) {
                names.push_back(name);
            }
            name.clear();
        } else {
            name += path[i];
        }
    }
    return names;
}

}  // namespace

std::string FullPathText(const std::string& windowsPath) {
    std::string root;
    std::vector<std::string> names;
    const std::string& p = windowsPath;
    if (p.size() >= 3 && p[1] == ':' && IsSeparator(p[2])) {
        root = p.substr(0, 2) + "\\";
        names = Names(p, 3);
    } else if (p.size() >= 2 && IsSeparator(p[0]) && IsSeparator(p[1])) {
        // \\server\share: both names belong to the root.
        std::vector<std::string> all = Names(p, 2);
        if (all.size() < 2) {
            return windowsPath;
        }
        root = "\\\\" + all[0] + "\\" + all[1];
        names.assign(all.begin() + 2, all.end());
    } else {
        return windowsPath;
    }
    std::vector<std::string> kept;
    for (const std::string& name : names) {
        if (name == "..") {
            if (!kept.empty()) {
                kept.pop_back();
            }
        } else if (name != ".") {
            kept.push_back(name);
        }
    }
    std::string full = root;
    for (size_t i = 0; i < kept.size(); ++i) {
        if (i > 0 || full.back() != '\\') {
            full += '\\';
        }
        full += kept[i];
    }
    return full;
}

}  // namespace files
