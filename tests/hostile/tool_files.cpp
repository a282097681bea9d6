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

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr char kCorpus[] = "Z:" CORVEL_SOURCE_DIR "/tests/data/hostile";  // Wine's root drive
#else
constexpr char kCorpus[] = CORVEL_SOURCE_DIR "/tests/data/hostile";
#endif

const char* ToolName(Tool tool) {
    static const char* const kNames[] = {"Load Manager", "Configuration", "Key Assignments"};
    return kNames[static_cast<int>(tool)];
}

std::string Rewritten(Tool tool, const std::string& before, const std::string& after) {
    std::string section = keys::kKeysSection;
    std::vector<std::string> keys;
    if (tool == Tool::LoadManager) {
        section = payload::kPayloadSection;
        for (const payload::StationFormat& format : payload::kStationFormats) {
            keys.push_back(format.key);
        }
    } else if (tool == Tool::Configuration) {
        section = options::kCommonSection;
        for (const options::CommonOption& option : options::kCommonOptions) {
            keys.push_back(option.key);
        }
    } else {
        for (size_t i = 0; i < keys::kCommandCount; ++i) {
            keys.push_back(keys::ModifierEntryName(i));
            keys.push_back(keys::KeyEntryName(i));
        }
    }
    std::string storage;
    const std::string_view text = ini::ReadableText(after, storage);
    std::string bytes = before;
    for (const std::string& key : keys) {
        std::optional<std::string_view> value = ini::FindValue(text, section, key);
        if (!value) {
            return "<" + key + " is missing after the save>";
        }
        ini::SetValue(bytes, section, key, *value);
    }
    return bytes;
}

bool Refused(const std::string& bytes) {
    return bytes.size() > files::kMaxFileBytes || !ini::CheckContent(bytes).empty();
}

std::vector<std::string> CorpusFiles() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::u8path(kCorpus))) {
        names.push_back(entry.path().filename().u8string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string CorpusBytes(const std::string& name) {
    return ReadBytes(fs::u8path(kCorpus) / fs::u8path(name));
}

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace hostile
