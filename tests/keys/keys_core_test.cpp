#include <gtest/gtest.h>

#include "keys/key_assignments.h"
#include "keys/key_bindings.h"
#include "keys/key_tables.h"
#include "tests/support/data_rows.h"

namespace keys {
namespace {

constexpr uint16_t kEn = 0x0409;
constexpr uint16_t kFr = kLanguageFrenchFrance;
constexpr uint16_t kFrBe = 0x080C;  // French of another country: the English tables

CKeyNames NamesFor(uint16_t language) {
    return CKeyNames([language] { return language; });
}

// Every other key code than the table's has no scan code.
TEST(KeyTablesTest, EveryKeyOfBothLayoutsAndALayoutSwitch) {
    std::set<std::pair<std::string, uint16_t>> listed;
    for (const test_data::Row& row : test_data::Rows("key_tables.tsv")) {
        CKeyNames names = NamesFor(row[0] == "fr" ? kFr : row[0] == "fr-BE" ? kFrBe : kEn);
        if (row[1] != "-") {
            const auto virtualKey = static_cast<uint16_t>(std::stoi(row[1], nullptr, 16));
            listed.insert({row[0], virtualKey});
            EXPECT_EQ(names.ScanCodeOfKey(virtualKey), std::stoi(row[2])) << row[0] << row[1];
        }
        EXPECT_EQ(names.KeyName(std::stoi(row[2])), row[3]) << row[0] << " " << row[2];
    }
    for (const char* layout : {"en", "fr"}) {
        CKeyNames names = NamesFor(layout[0] == 'f' ? kFr : kEn);
        for (uint16_t key = 1; key < 256; ++key) {
            EXPECT_TRUE(listed.count({layout, key}) || names.ScanCodeOfKey(key) == 0) << key;
        }
    }
    // Each table is chosen when first needed and kept for the run; only the keypad suffix follows a
    // later switch. The key that types A in French stores 16, which an English run names Q.
    uint16_t language = kFr;
    CKeyNames names([&language] { return language; });
    auto shown = [&names] {
        return test_data::Row{std::to_string(names.ScanCodeOfKey('A')),
                              std::to_string(names.ScanCodeOfKey(0xBA)), names.KeyName(16),
                              names.KeyName(207), names.KeyName(82)};
    };
    EXPECT_EQ(shown(), (test_data::Row{"16", "27", "A", "Fin", "0 (PAVE NUM.)"}));
    language = kEn;
    EXPECT_EQ(shown(), (test_data::Row{"16", "27", "A", "Fin", "0 (NUMPAD)"}));
    EXPECT_EQ(NamesFor(kEn).KeyName(16), "Q");
}

// The 91 rows as the program starts with them and shows them; the named ones listed in order.
TEST(CommandCatalogueTest, EveryDefaultRow) {
    const auto rows = test_data::Rows("command_catalogue.tsv");
    ASSERT_EQ(rows.size(), kCommandCount);
    CKeyNames names = NamesFor(kEn);
    std::vector<size_t> named;
    for (size_t i = 0; i < kCommandCount; ++i) {
        const CommandEntry& entry = kDefaultCommands[i];
        EXPECT_EQ((test_data::Row{std::to_string(i), std::to_string(entry.number), entry.name,
                                  std::to_string(entry.modifier), std::to_string(entry.key),
                                  AssignmentText(entry, names)}),
                  rows[i]);
        if (!rows[i][2].empty()) {
            named.push_back(i);
        }
    }
    EXPECT_EQ(ListedCommands(kDefaultCommands), named);
}

TEST(KeyBindingsTest, ModifiersAndTexts) {
    CKeyNames names = NamesFor(kEn);
    for (const test_data::Row& row : test_data::Rows("key_bindings.tsv")) {
        if (row[0] == "F5") {
            const std::optional<Binding> binding = BindingOfHotKey(0x74, std::stoi(row[1]), names);
            EXPECT_EQ(binding
                          ? std::to_string(binding->modifier) + " " + std::to_string(binding->key)
                          : "-",
                      row[2])
                << row[1];
        } else if (row[0] == "capture") {
            const auto text = CaptureText(static_cast<uint16_t>(std::stoi(row[1])),
                                          static_cast<uint16_t>(std::stoi(row[2])), names);
            EXPECT_EQ(text.value_or("-"), row[3]) << row[1] << " " << row[2];
        } else {
            EXPECT_EQ(AssignmentText({0, "", std::stoi(row[1]), std::stoi(row[2])}, names), row[3]);
        }
    }
}

// A row takes the file's binding only when both its entries are in [Keys] (-9999 reads as missing),
// an odd modifier too; other rows keep theirs. Saving writes every row, modifier before key.
TEST(KeyAssignmentsTest, LoadThenSaveTheWholeCatalogue) {
    const test_data::TempFolder dir;
    const std::string path = dir + "/Prefs.cfg";
    CommandCatalogue catalogue = kDefaultCommands;
    catalogue[10].modifier = 1;           // a binding cancelled earlier in the run
    LoadKeyAssignments(catalogue, path);  // no file yet
    LoadKeyAssignments(catalogue, CORVEL_SOURCE_DIR "/tests/data/keys/prefs_partial.cfg");
    ASSERT_TRUE(SaveKeyAssignments(catalogue, path).ok());
    EXPECT_EQ(test_data::FileBytes(path),
              test_data::FileBytes(CORVEL_SOURCE_DIR "/tests/data/keys/prefs_saved.cfg"));
}

}  // namespace
}  // namespace keys
