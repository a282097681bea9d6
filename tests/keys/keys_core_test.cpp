#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "keys/key_assignments.h"
#include "keys/key_bindings.h"
#include "keys/key_tables.h"

namespace keys {
namespace {

constexpr uint16_t kEn = 0x0409;
constexpr uint16_t kFr = kLanguageFrenchFrance;
constexpr uint16_t kFrBe = 0x080C;  // French of another country: the English tables

CKeyNames NamesFor(uint16_t language) {
    return CKeyNames([language] { return language; });
}

// English names scan code 207 "End"; only the French table says "Fin".
TEST(KeyTablesTest, NamesAndScanCodes) {
    // clang-format off
    const std::tuple<uint16_t, int32_t, const char*> names[] = {
        {kEn, 0, "No key defined"}, {kEn, 11, "0"}, {kEn, 2, "1"}, {kEn, 10, "9"},
        {kEn, 82, "0 (NUMPAD)"}, {kEn, 71, "7 (NUMPAD)"}, {kEn, 181, "/ (NUMPAD)"},
        {kEn, 207, "End"}, {kEn, 30, "A"}, {kEn, 16, "Q"}, {kEn, 44, "Z"}, {kEn, 40, "`"},
        {kEn, 43, "\\"}, {kEn, 86, "?"}, {kEn, 59, "F1"}, {kEn, 88, "F12"}, {kEn, 197, "Pause"},
        {kEn, 999, "?"}, {kEn, -1, "?"}, {kEn, 1, "?"}, {kFrBe, 207, "End"},
        {kFrBe, 82, "0 (NUMPAD)"}, {kFr, 16, "A"}, {kFr, 30, "Q"}, {kFr, 39, "M"}, {kFr, 17, "Z"},
        {kFr, 44, "W"}, {kFr, 207, "Fin"}, {kFr, 211, "Suppr"}, {kFr, 40, "ù"}, {kFr, 41, "²"},
        {kFr, 70, "Arrêt Défil"}, {kFr, 82, "0 (PAVE NUM.)"}, {kFr, 181, "/ (PAVE NUM.)"},
        {kFr, 51, ";"}, {kFr, 999, "?"}};
    const std::tuple<uint16_t, uint16_t, int32_t> scanCodes[] = {
        {kEn, 0x30, 11}, {kEn, 0x31, 2}, {kEn, 0x39, 10}, {kEn, 0x60, 82}, {kEn, 0x69, 73},
        {kEn, 0x00, 0}, {kEn, 0x14, 0}, {kEn, 0x10, 0}, {kEn, 'A', 30}, {kEn, 'Z', 44},
        {kEn, 0x23, 207}, {kEn, 0x6F, 181}, {kEn, 0x7B, 88}, {kEn, 0xDF, 0}, {kFr, 'A', 16},
        {kFr, 'M', 39}, {kFr, 'Q', 30}, {kFr, 'W', 44}, {kFr, 'Z', 17}, {kFr, 0xDF, 53},
        {kFr, 0xBA, 27}, {kFr, 0x66, 77}};
    // clang-format on
    for (auto [language, scanCode, name] : names) {
        EXPECT_EQ(NamesFor(language).KeyName(scanCode), name) << language << " " << scanCode;
    }
    for (auto [language, virtualKey, scanCode] : scanCodes) {
        EXPECT_EQ(NamesFor(language).ScanCodeOfKey(virtualKey), scanCode)
            << language << " " << virtualKey;
    }
    // Every key a layout knows reads back under a name (the English name of
    // the key beside left Shift, 0xE2, is "?"), and no two share a scan code.
    for (uint16_t language : {kEn, kFr}) {
        CKeyNames names = NamesFor(language);
        std::set<int32_t> seen;
        for (uint16_t key = 1; key < 256; ++key) {
            int32_t scanCode = names.ScanCodeOfKey(key);
            EXPECT_TRUE(scanCode == 0 || seen.insert(scanCode).second) << key << " " << language;
            EXPECT_TRUE(scanCode == 0 || names.KeyName(scanCode) != "?" ||
                        (key == 0xE2 && language == kEn))
                << key << " " << language;
        }
        EXPECT_EQ(seen.size(), 26u + 10u + 9u + 43u);
    }
}

// Hot-key flags 1 Shift, 2 Ctrl, 4 Alt, 8 extended: the extended flag is
// ignored, Alt with anything is refused (-1). A modifier only a hand-edited
// file holds shows as "? + ". Rows 63 and 66 carry 72 and 75, the numbers
// the sequence leaves free.
TEST(KeyBindingsTest, ModifiersTextsAndNumbers) {
    CKeyNames names = NamesFor(kEn);
    const std::pair<uint16_t, int32_t> flags[] = {{0, 0},  {1, 1},  {2, 2},  {3, 3},  {10, 2},
                                                  {4, -1}, {5, -1}, {6, -1}, {7, -1}, {12, -1}};
    for (auto [flag, modifier] : flags) {
        std::optional<Binding> binding = BindingOfHotKey(0x74, flag, names);  // F5
        ASSERT_EQ(binding.has_value(), modifier >= 0) << flag;
        EXPECT_TRUE(!binding || (binding->modifier == modifier && binding->key == 63)) << flag;
    }
    // clang-format off
    const std::pair<CommandEntry, const char*> texts[] = {
        {kDefaultCommands[0], "SHIFT + CTRL + T"}, {kDefaultCommands[12], "CTRL + PgDn"},
        {kDefaultCommands[16], "No key defined"}, {kDefaultCommands[22], "CTRL + 1 (NUMPAD)"},
        {kDefaultCommands[50], "SHIFT + CTRL + F12"}, {kDefaultCommands[82], "SHIFT + CTRL + D"},
        {{0, "", 4, 30}, "? + A"}, {{0, "", -1, 999}, "? + ?"}, {{0, "", 1, 999}, "SHIFT + ?"}};
    // clang-format on
    for (auto [entry, text] : texts) {
        EXPECT_EQ(AssignmentText(entry, names), text);
    }
    EXPECT_EQ(kDefaultCommands[63].number, 72);
    EXPECT_EQ(kDefaultCommands[66].number, 75);
}

TEST(KeyAssignmentsTest, RowTakesTheFileOnlyWhenBothEntriesArePresent) {
    const std::string path = (std::filesystem::temp_directory_path() / "corvel-keys.cfg").string();
    std::filesystem::remove(path);
    CommandCatalogue catalogue = kDefaultCommands;
    catalogue[10].modifier = 1;  // a binding cancelled earlier in the run
    CommandCatalogue expected = catalogue;
    LoadKeyAssignments(catalogue, path);  // no file yet
    std::ofstream(path, std::ios::binary)
        << "[Common]\r\nCommand.04-Modifier=1\r\nCommand.04-Key=30\r\n[Keys]\r\n"
           "Command.03-Modifier=1\r\nCommand.03-Key=30\r\n"
           "Command.05-Key=30\r\n"                               // no modifier
           "Command.06-Modifier=0\r\n"                           // no key
           "Command.07-Modifier=-9999\r\nCommand.07-Key=16\r\n"  // reads as missing
           "command.08-modifier = 7 \r\nCommand.08-Key=  45\r\n"
           "Command.89-Modifier=2\r\nCommand.89-Key=59\r\n";
    LoadKeyAssignments(catalogue, path);
    expected[3] = {3, "", 1, 30};
    expected[8] = {8, "", 7, 45};  // kept as it is; shown as "? + X"
    expected[89] = {97, "", 2, 59};
    for (size_t i = 0; i < kCommandCount; ++i) {
        EXPECT_EQ(catalogue[i].modifier, expected[i].modifier) << "row " << i;
        EXPECT_EQ(catalogue[i].key, expected[i].key) << "row " << i;
    }
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace keys
