// The temporary file a write makes next to the file it replaces:
// "<name>.~<process id>-<counter>.tmp". No other program uses the pattern,
// so a temporary left behind by a killed writer can be told from anything
// else in the folder, and its writer's process id read back.
#pragma once

#include <string>
#include <string_view>

namespace files {

template <typename Char>
std::basic_string<Char> TemporaryName(const std::basic_string<Char>& target, unsigned long pid,
                                      unsigned counter) {
    std::basic_string<Char> name = target;
    for (char c : ".~" + std::to_string(pid) + "-" + std::to_string(counter) + ".tmp") {
        name += static_cast<Char>(c);
    }
    return name;
}

// Whether name is a temporary of the file whose name is fileName; its
// writer's process id in pid when it is.
template <typename Char>
bool IsTemporaryOf(std::basic_string_view<Char> name, std::basic_string_view<Char> fileName,
                   unsigned long& pid) {
    // One to ten digits (unsigned arithmetic: a longer number cannot be ours anyway).
    auto digits = [&name](size_t& at, unsigned long& value) {
        size_t start = at;
        value = 0;
        while (at < name.size() && name[at] >= '0' && name[at] <= '9' && at - start < 10) {
            value = value * 10 + static_cast<unsigned long>(name[at] - '0');
            ++at;
        }
        return at > start;
    };
    constexpr std::string_view kTail = ".tmp";
    if (name.size() < fileName.size() + 2 || name.substr(0, fileName.size()) != fileName ||
        name[fileName.size()] != '.' || name[fileName.size() + 1] != '~') {
        return false;
    }
    size_t at = fileName.size() + 2;
    unsigned long counter = 0;
    if (!digits(at, pid) || at == name.size() || name[at] != '-' || !digits(++at, counter) ||
        name.size() - at != kTail.size()) {
        return false;
    }
    for (size_t i = 0; i < kTail.size(); ++i) {
        if (name[at + i] != static_cast<Char>(kTail[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace files
