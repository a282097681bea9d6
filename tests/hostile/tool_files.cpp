#include "tests/hostile/tool_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "keys/key_assignments.h"
#include "options/option_store.h"
#include "payload/station_values.h"
#include "platform/files.h"
#include "platform/ini_text.h"

namespace hostile {

namespace {

namespace fs = std::filesystem;

fs::path CorpusFolder() {
    std::string folder = CORVEL_SOURCE_DIR "/tests/data/hostile";
#ifdef _WIN32
    // Under Wine the source tree is on the drive that maps the root.
    if (folder[0] == '/') {
        folder = "Z:" + folder;
    }
#endif
    return fs::u8path(folder);
}

}  // namespace

ToolWrites PayloadWrites() {
    ToolWrites writes{payload::kPayloadSection, {}};
    for (const payload::StationFormat& format : payload::kStationFormats) {
        writes.keys.push_back(format.key);
    }
    return writes;
}

ToolWrites OptionWrites() {
    ToolWrites writes{options::kCommonSection, {}};
    for (const options::CommonOption& option : options::kCommonOptions) {
        writes.keys.push_back(option.key);
    }
    return writes;
}

ToolWrites KeyWrites() {
    ToolWrites writes{keys::kKeysSection, {}};
    for (size_t i = 0; i < keys::kCommandCount; ++i) {
        writes.keys.push_back(keys::ModifierEntryName(i));
        writes.keys.push_back(keys::KeyEntryName(i));
    }
    return writes;
}

std::string Rewritten(const std::string& before, const std::string& after,
                      const ToolWrites& writes) {
    std::string storage;
    const std::string_view text = ini::ReadableText(after, storage);
    std::string bytes = before;
    for (const std::string& key : writes.keys) {
        std::optional<std::string_view> value = ini::FindValue(text, writes.section, key);
        if (!value) {
            return "<" + key + " is missing after the save>";
        }
        ini::SetValue(bytes, writes.section, key, *value);
    }
    return bytes;
}

bool Refused(const std::string& bytes, unsigned long long size) {
    return size > files::kMaxFileBytes || !ini::CheckContent(bytes).empty();
}

std::vector<std::string> CorpusFiles() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(CorpusFolder())) {
        names.push_back(entry.path().filename().u8string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string CorpusBytes(const std::string& name) {
    std::ifstream in(CorpusFolder() / fs::u8path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace hostile
