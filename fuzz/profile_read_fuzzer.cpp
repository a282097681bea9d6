// Reads of any bytes: the text rules (ini_text.h) against a plain model of
// the same rules, and the file reads (profile.h) against the text rules.
// Fields: section, key, default value; then the file.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/ini_text.h"
#include "platform/profile.h"

namespace {

std::string Lower(std::string_view s) {
    std::string lower(s);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

// A name as a read compares it: trimmed, cut at a NUL byte, without case.
std::string Key(std::string_view raw) {
    std::string_view trimmed = fuzz::Trimmed(raw);
    return Lower(trimmed.substr(0, trimmed.find('\0')));
}

// The model: split the text into lines, then walk them once, keeping the
// first section of the wanted name and in it the first line of the key.
std::optional<std::string> ModelFind(std::string_view text, std::string_view section,
                                     std::string_view key) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n' || text[i] == '\r') {
            lines.push_back(text.substr(start, i - start));
            if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    const std::string wantedSection = Key(section);
    const std::string wantedKey = Key(key);
    int sectionsSeen = 0;
    bool inside = wantedSection.empty();
    for (std::string_view line : lines) {
        std::string_view left = line;
        while (!left.empty() && ini::IsBlank(left.front())) {
            left.remove_prefix(1);
        }
        if (!left.empty() && left.front() == '[' && left.find(']') != std::string_view::npos) {
            if (inside) {
                return std::nullopt;
            }
            ++sectionsSeen;
            inside = Key(left.substr(1, left.rfind(']') - 1)) == wantedSection;
            continue;
        }
        if (!inside || left.empty()) {
            continue;
        }
        size_t equals = line.find('=');
        if (Key(line.substr(0, equals)) != wantedKey) {
            continue;
        }
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        std::string_view value = fuzz::Trimmed(line.substr(equals + 1));
        return std::string(value.substr(0, value.find('\0')));
    }
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input = fuzz::SplitInput(data, size);
    input.fields.resize(3);
    const std::string& section = input.fields[0];
    const std::string& key = input.fields[1];
    const std::string& defaultValue = input.fields[2];

    std::string storage;
    const std::string_view text = ini::ReadableText(input.file, storage);
    const std::optional<std::string_view> value = ini::FindValue(text, section, key);
    const std::optional<std::string> model = ModelFind(text, section, key);
    fuzz::Check(value.has_value() == model.has_value(), "found where the model did not, or not");
    if (value) {
        fuzz::Check(*value == *model, "another value than the model's");
        fuzz::Check(value->find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos,
                    "a value holds a line break or NUL");
    }

    const std::string path = fuzz::ScratchPath("read.cfg");
    fuzz::PutFile(path, input.file);
    const std::string_view whole = ini::ReadResult(value, defaultValue, input.file.size() + 300);
    for (size_t bufferSize :
         {size_t{0}, size_t{1}, size_t{2}, size_t{49}, size_t{99}, input.file.size() + 300}) {
        std::string_view result = ini::ReadResult(value, defaultValue, bufferSize);
        fuzz::Check(bufferSize == 0 ? result.empty() : result.size() < bufferSize,
                    "a result overflows the buffer");
        fuzz::Check(whole.substr(0, result.size()) == result, "a short buffer gives another text");

        std::vector<char> buffer(bufferSize + 1, '\x7f');
        size_t copied =
            profile::GetString(section, key, defaultValue, buffer.data(), bufferSize, path);
        fuzz::Check(copied == result.size() && std::string_view(buffer.data(), copied) == result,
                    "a file read differs from the text read");
        fuzz::Check(buffer[bufferSize] == '\x7f', "a read wrote past the buffer");
    }
    // One snapshot asked for another section first answers as the call-by-call read.
    const profile::Snapshot snapshot(path);
    static_cast<void>(snapshot.GetString(key, section, "", 9));
    fuzz::Check(snapshot.GetString(section, key, defaultValue, input.file.size() + 300) == whole,
                "a snapshot's read differs from the text read");
    const int parsed = ini::ParseInt(ini::ReadResult(value, "", 30), -77);
    fuzz::Check(profile::GetInt(section, key, -77, path) == parsed,
                "a file's integer differs from the text's");
    return 0;
}
