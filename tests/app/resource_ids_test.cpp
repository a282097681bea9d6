// Resource identifiers are defined once, with no number given twice within
// one dialog (or resource kind), and every one is used.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "tests/support/data_rows.h"

namespace fs = std::filesystem;

namespace {

struct Define {
    std::string name;
    int value;
};

std::vector<Define> Defines() {
    std::string header = test_data::FileBytes(CORVEL_SOURCE_DIR "/res/resource.h");
    std::regex define(R"(#define\s+(ID[A-Z]_[A-Z0-9_]+)\s+(0x[0-9A-Fa-f]+|\d+))");
    std::vector<Define> defines;
    for (std::sregex_iterator it(header.begin(), header.end(), define), end; it != end; ++it) {
        defines.push_back({(*it)[1], std::stoi((*it)[2], nullptr, 0)});
    }
    return defines;
}

// The group a name's number must be unique in: the resource kind, or for
// controls the dialog (IDC_LM_..., IDC_FP_...).
std::string GroupOf(const std::string& name) {
    if (name.rfind("IDC_", 0) == 0) {
        return name.substr(0, name.find('_', 4));
    }
    return name.substr(0, 3);
}

TEST(ResourceIds, NoNumberTwiceInOneGroup) {
    std::map<std::string, std::map<int, std::string>> groups;
    std::set<std::string> names;
    auto defines = Defines();
    ASSERT_GT(defines.size(), 100u);
    for (const Define& d : defines) {
        EXPECT_TRUE(names.insert(d.name).second) << d.name << " defined twice";
        auto& group = groups[GroupOf(d.name)];
        auto [it, inserted] = group.emplace(d.value, d.name);
        EXPECT_TRUE(inserted) << d.name << " and " << it->second << " share " << d.value;
    }
}

TEST(ResourceIds, EveryIdIsUsed) {
    // Every identifier that appears in the sources and resource scripts.
    std::set<std::string> words;
    for (const char* dir :
         {"app", "core", "payload", "fuel", "options", "keys", "platform", "res"}) {
        for (const auto& entry :
             fs::recursive_directory_iterator(fs::path(CORVEL_SOURCE_DIR) / dir)) {
            std::string ext = entry.path().extension().string();
            if (entry.path().filename() != "resource.h" &&
                (ext == ".cpp" || ext == ".h" || ext == ".rc")) {
                std::string text = test_data::FileBytes(entry.path());
                std::string word;
                for (char c : text + ' ') {
                    if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
                        word += c;
                    } else if (!word.empty()) {
                        words.insert(word);
                        word.clear();
                    }
                }
            }
        }
    }
    for (const Define& d : Defines()) {
        EXPECT_TRUE(words.count(d.name)) << d.name << " is never used";
    }
}

}  // namespace
