#include "keys/command_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "keys/key_bindings.h"

namespace keys {
namespace {

// What Key Assignments shows for each default binding on an English layout.
const char* const kDefaultTexts[kCommandCount] = {
    "SHIFT + CTRL + T", "SHIFT + CTRL + F", "SHIFT + CTRL + R", "CTRL + I", "CTRL + D", "CTRL + P",
    "CTRL + O", "CTRL + A", "CTRL + N", "CTRL + R", "CTRL + U", "CTRL + M", "CTRL + PgDn",
    "CTRL + Up", "CTRL + Down", "SHIFT + CTRL + B",
    // 16 to 21
    "No key defined", "No key defined", "No key defined", "No key defined", "No key defined",
    "No key defined",
    // 22 to 37: the FCU knobs on the keypad, the quick variants unbound
    "CTRL + 1 (NUMPAD)", "CTRL + 2 (NUMPAD)", "No key defined", "No key defined",
    "CTRL + 4 (NUMPAD)", "CTRL + 5 (NUMPAD)", "No key defined", "No key defined",
    "CTRL + 7 (NUMPAD)", "CTRL + 8 (NUMPAD)", "No key defined", "No key defined",
    "CTRL + 3 (NUMPAD)", "CTRL + 6 (NUMPAD)", "No key defined", "No key defined",
    // 38 to 42
    "No key defined", "No key defined", "No key defined", "No key defined", "No key defined",
    // 43 to 50
    "SHIFT + CTRL + F5", "SHIFT + CTRL + F6", "SHIFT + CTRL + F7", "SHIFT + CTRL + F8",
    "SHIFT + CTRL + F9", "SHIFT + CTRL + F10", "SHIFT + CTRL + F11", "SHIFT + CTRL + F12",
    // 51 to 81
    "No key defined", "No key defined", "No key defined", "No key defined", "No key defined",
    "No key defined", "No key defined", "No key defined", "No key defined", "No key defined",
    "No key defined", "No key defined", "No key defined", "No key defined", "No key defined",
    "No key defined", "No key defined", "No key defined", "No key defined", "No key defined",
    "No key defined", "No key defined", "No key defined", "No key defined", "No key defined",
    "No key defined", "No key defined", "No key defined", "No key defined", "No key defined",
    "No key defined",
    // 82 to 90
    "SHIFT + CTRL + D", "No key defined", "No key defined", "No key defined", "No key defined",
    "No key defined", "No key defined", "No key defined", "No key defined"};

TEST(CommandCatalogueTest, DefaultBindingsShowAsExpected) {
    CKeyNames names([] { return uint16_t{0x0409}; });
    for (size_t i = 0; i < kCommandCount; ++i) {
        EXPECT_EQ(AssignmentText(kDefaultCommands[i], names), kDefaultTexts[i]) << "row " << i;
    }
}

TEST(CommandCatalogueTest, RowsAreListedInOrderWithDistinctNamesAndNumbers) {
    std::vector<size_t> listed = ListedCommands(kDefaultCommands);
    ASSERT_EQ(listed.size(), kNamedCommandCount);
    std::set<std::string> names;
    std::set<int32_t> numbers;
    for (size_t k = 0; k < listed.size(); ++k) {
        EXPECT_EQ(listed[k], k);
        names.insert(kDefaultCommands[k].name);
    }
    for (const CommandEntry& entry : kDefaultCommands) {
        numbers.insert(entry.number);
    }
    EXPECT_EQ(names.size(), kNamedCommandCount);
    EXPECT_EQ(numbers.size(), kCommandCount);
    EXPECT_EQ(kDefaultCommands[63].number, 72);
    EXPECT_EQ(kDefaultCommands[66].number, 75);
    EXPECT_STREQ(kDefaultCommands[84].name, "Recall cleared ECAM Alerts");
    EXPECT_EQ(kDefaultCommands[90].number, 99);
}

TEST(CommandCatalogueTest, ResetRestoresTheDefaults) {
    Catalogue()[0].key = 0;
    ResetCatalogue();
    EXPECT_EQ(Catalogue()[0].key, 20);
}

}  // namespace
}  // namespace keys
