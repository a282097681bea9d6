// Resource identifiers defined once, numbered once within a dialog (or kind), and all used.
#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "tests/support/data_rows.h"

namespace fs = std::filesystem;

namespace {

TEST(ResourceIds, DefinedOnceNumberedOnceAndUsed) {
    // Every identifier that appears in the sources and resource scripts.
    std::set<std::string> words;
    const std::regex word(R"(\w+)");
    for (const char* dir :
         {"app", "core", "flightplan", "payload", "fuel", "options", "keys", "platform", "res"}) {
        for (const auto& entry :
             fs::recursive_directory_iterator(fs::path(CORVEL_SOURCE_DIR) / dir)) {
            const std::string ext = entry.path().extension().string();
            if (entry.path().filename() != "resource.h" &&
                (ext == ".cpp" || ext == ".h" || ext == ".rc")) {
                const std::string text = test_data::FileBytes(entry.path());
                words.insert(std::sregex_token_iterator(text.begin(), text.end(), word), {});
            }
        }
    }
    // A number is unique within its kind, a control's within its dialog (IDC_LM_..., IDC_FP_...).
    const std::string header = test_data::FileBytes(CORVEL_SOURCE_DIR "/res/resource.h");
    const std::regex define(R"(#define\s+(ID[A-Z]_[A-Z0-9_]+)\s+(0x[0-9A-Fa-f]+|\d+))");
    std::map<std::string, std::map<int, std::string>> groups;
    std::set<std::string> names;
    for (std::sregex_iterator it(header.begin(), header.end(), define), end; it != end; ++it) {
        const std::string name = (*it)[1];
        const int value = std::stoi((*it)[2], nullptr, 0);
        EXPECT_TRUE(names.insert(name).second) << name << " defined twice";
        const std::string group =
            name.rfind("IDC_", 0) == 0 ? name.substr(0, name.find('_', 4)) : name.substr(0, 3);
        const auto [other, inserted] = groups[group].emplace(value, name);
        EXPECT_TRUE(inserted) << name << " and " << other->second << " share " << value;
        EXPECT_TRUE(words.count(name)) << name << " is never used";
    }
    EXPECT_GT(names.size(), 100u);
}

}  // namespace
