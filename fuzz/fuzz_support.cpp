#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/ini_text.h"

namespace fuzz {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr size_t npos = std::string_view::npos;

std::string& ScratchFolder() {
    static std::string s_folder;
    if (s_folder.empty()) {
        // RAM-backed when there is one: the targets write a file per input.
        const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/corvel-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        s_folder = pattern;
        std::atexit([] { std::filesystem::remove_all(ScratchFolder()); });
    }
    return s_folder;
}

std::string NativeOf(const std::string& path) {
    std::string native = path;
    for (char& c : native) {
        c = c == '\\' ? '/' : c;
    }
    return native;
}

// Lines with their breaks (CR LF, LF or a lone CR), as the profile layer splits them.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t pos = 0; pos < text.size();) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == npos) {
            lines.push_back(text.substr(pos));
            break;
        }
        size_t next =
            end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
        lines.push_back(text.substr(pos, next - pos));
        pos = next;
    }
    return lines;
}

std::string_view Content(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
        line.remove_suffix(1);
    }
    return line;
}

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && ini::IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && ini::IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    return s;
}

// The lines a write removed and added: none; one line with its value
// replaced; or added lines for the entry (and its section), after the old
// last line got the break it lacked.
bool ExplainedByWrite(std::vector<std::string_view> removed, std::vector<std::string_view> added,
                      std::string_view section, std::string_view key, std::string_view value) {
    if (removed.empty() && added.empty()) {
        return true;
    }
    const std::string_view newValue = TrimLeft(value);
    if (removed.size() == 1 && added.size() == 1) {
        // The key's line: its key part and line break kept, the value replaced.
        std::string_view was = Content(removed[0]);
        std::string_view is = Content(added[0]);
        std::string_view keyPart = TrimRight(was.substr(0, was.find('=')));
        return removed[0].substr(was.size()) == added[0].substr(is.size()) &&
               is.substr(0, keyPart.size()) == keyPart && is.size() >= newValue.size() &&
               is.substr(is.size() - newValue.size()) == newValue;
    }
    if (removed.size() == 1) {
        if (added.empty() || Content(added[0]) != removed[0] || added[0] == removed[0]) {
            return false;
        }
        added.erase(added.begin());
    } else if (!removed.empty()) {
        return false;
    }
    const std::string entry = std::string(Trimmed(key)) + "=" + std::string(newValue);
    const std::string header = "[" + std::string(Trimmed(section)) + "]";
    if (added.size() == 1) {
        return Content(added[0]) == entry;
    }
    return added.size() == 2 && Content(added[0]) == header && Content(added[1]) == entry;
}

}  // namespace

Input SplitInput(const unsigned char* data, size_t size) {
    std::string_view all(reinterpret_cast<const char*>(data), size);
    Input input;
    size_t end = all.find('\x1e');
    if (end == npos) {
        input.file = std::string(all);
        return input;
    }
    input.file = std::string(all.substr(end + 1));
    std::string_view fields = all.substr(0, end);
    for (;;) {
        size_t separator = fields.find('\x1f');
        input.fields.emplace_back(fields.substr(0, separator));
        if (separator == npos) {
            break;
        }
        fields.remove_prefix(separator + 1);
    }
    return input;
}

std::string ScratchPath(const char* name) {
    return ScratchFolder() + "\\" + name;
}

void PutFile(const std::string& path, const std::string& bytes, bool exists) {
    std::string native = NativeOf(path);
    std::remove(native.c_str());
    if (exists) {
        std::ofstream(native, std::ios::binary) << bytes;
    }
}

std::string GetFile(const std::string& path) {
    std::ifstream in(NativeOf(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

std::string_view Trimmed(std::string_view value) {
    return TrimRight(TrimLeft(value));
}

bool OnlyItsLineChanged(std::string_view before, std::string_view after, std::string_view section,
                        std::string_view key, std::string_view value) {
    if (before.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        if (after.substr(0, kUtf8Bom.size()) != kUtf8Bom) {
            return false;
        }
        before.remove_prefix(kUtf8Bom.size());
        after.remove_prefix(kUtf8Bom.size());
    }
    const std::vector<std::string_view> old = Lines(before);
    const std::vector<std::string_view> now = Lines(after);
    size_t same = 0;
    while (same < old.size() && same < now.size() && old[same] == now[same]) {
        ++same;
    }
    size_t sameAtEnd = 0;
    while (sameAtEnd < old.size() - same && sameAtEnd < now.size() - same &&
           old[old.size() - 1 - sameAtEnd] == now[now.size() - 1 - sameAtEnd]) {
        ++sameAtEnd;
    }
    // A line added after a last line like it can match either way round:
    // the write is sound when one way explains it.
    for (size_t end = sameAtEnd + 1; end-- > 0 && old.size() - same - end <= 1;) {
        std::vector<std::string_view> removed(old.begin() + same, old.end() - end);
        std::vector<std::string_view> added(now.begin() + same, now.end() - end);
        if (ExplainedByWrite(removed, added, section, key, value)) {
            return true;
        }
    }
    return false;
}

}  // namespace fuzz
