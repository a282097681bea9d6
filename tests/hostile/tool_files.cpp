#include "tests/hostile/tool_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

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
