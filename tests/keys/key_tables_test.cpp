#include "keys/key_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace keys {
namespace {

constexpr uint16_t kEnglishUs = 0x0409;
constexpr uint16_t kFrenchBelgium = 0x080C;

CKeyNames NamesFor(uint16_t language) {
    return CKeyNames([language] { return language; });
}

struct NameCase {
    uint16_t language;
    int32_t scanCode;
    const char* name;
};

class KeyNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(KeyNameTest, NamesScanCode) {
    CKeyNames names = NamesFor(GetParam().language);
    EXPECT_EQ(names.KeyName(GetParam().scanCode), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    English, KeyNameTest,
    testing::Values(NameCase{kEnglishUs, 0, "No key defined"}, NameCase{kEnglishUs, 11, "0"},
                    NameCase{kEnglishUs, 2, "1"}, NameCase{kEnglishUs, 10, "9"},
                    NameCase{kEnglishUs, 82, "0 (NUMPAD)"}, NameCase{kEnglishUs, 71, "7 (NUMPAD)"},
                    NameCase{kEnglishUs, 181, "/ (NUMPAD)"}, NameCase{kEnglishUs, 207, "End"},
                    NameCase{kEnglishUs, 30, "A"}, NameCase{kEnglishUs, 16, "Q"},
                    NameCase{kEnglishUs, 44, "Z"}, NameCase{kEnglishUs, 40, "`"},
                    NameCase{kEnglishUs, 43, "\\"}, NameCase{kEnglishUs, 86, "?"},
                    NameCase{kEnglishUs, 59, "F1"}, NameCase{kEnglishUs, 88, "F12"},
                    NameCase{kEnglishUs, 197, "Pause"}, NameCase{kEnglishUs, 999, "?"},
                    NameCase{kEnglishUs, -1, "?"}, NameCase{kEnglishUs, 1, "?"},
                    // French of another country still gets the English tables.
                    NameCase{kFrenchBelgium, 207, "End"},
                    NameCase{kFrenchBelgium, 82, "0 (NUMPAD)"}));

INSTANTIATE_TEST_SUITE_P(French, KeyNameTest,
                         testing::Values(NameCase{kLanguageFrenchFrance, 16, "A"},
                                         NameCase{kLanguageFrenchFrance, 30, "Q"},
                                         NameCase{kLanguageFrenchFrance, 39, "M"},
                                         NameCase{kLanguageFrenchFrance, 17, "Z"},
                                         NameCase{kLanguageFrenchFrance, 44, "W"},
                                         NameCase{kLanguageFrenchFrance, 207, "Fin"},
                                         NameCase{kLanguageFrenchFrance, 211, "Suppr"},
                                         NameCase{kLanguageFrenchFrance, 40, "\xC3\xB9"},  // ù
                                         NameCase{kLanguageFrenchFrance, 41, "\xC2\xB2"},  // ²
                                         NameCase{kLanguageFrenchFrance, 70,
                                                  "Arr\xC3\xAAt D\xC3\xA9"
                                                  "fil"},
                                         NameCase{kLanguageFrenchFrance, 82, "0 (PAVE NUM.)"},
                                         NameCase{kLanguageFrenchFrance, 181, "/ (PAVE NUM.)"},
                                         NameCase{kLanguageFrenchFrance, 51, ";"},
                                         NameCase{kLanguageFrenchFrance, 999, "?"}));

struct ScanCase {
    uint16_t language;
    uint16_t virtualKey;
    int32_t scanCode;
};

class ScanCodeTest : public testing::TestWithParam<ScanCase> {};

TEST_P(ScanCodeTest, MapsVirtualKey) {
    CKeyNames names = NamesFor(GetParam().language);
    EXPECT_EQ(names.ScanCodeOfKey(GetParam().virtualKey), GetParam().scanCode);
}

INSTANTIATE_TEST_SUITE_P(
    Both, ScanCodeTest,
    testing::Values(
        ScanCase{kEnglishUs, 0x30, 11}, ScanCase{kEnglishUs, 0x31, 2},
        ScanCase{kEnglishUs, 0x39, 10}, ScanCase{kEnglishUs, 0x60, 82},
        ScanCase{kEnglishUs, 0x69, 73}, ScanCase{kEnglishUs, 0x00, 0},
        ScanCase{kEnglishUs, 0x14, 0},  // Caps Lock is in no table
        ScanCase{kEnglishUs, 0x10, 0},  // nor is Shift alone
        ScanCase{kEnglishUs, 'A', 30}, ScanCase{kEnglishUs, 'Z', 44},
        ScanCase{kEnglishUs, 0x23, 207}, ScanCase{kEnglishUs, 0x6F, 181},
        ScanCase{kEnglishUs, 0x7B, 88}, ScanCase{kEnglishUs, 0xDF, 0},
        ScanCase{kLanguageFrenchFrance, 'A', 16}, ScanCase{kLanguageFrenchFrance, 'M', 39},
        ScanCase{kLanguageFrenchFrance, 'Q', 30}, ScanCase{kLanguageFrenchFrance, 'W', 44},
        ScanCase{kLanguageFrenchFrance, 'Z', 17}, ScanCase{kLanguageFrenchFrance, 0xDF, 53},
        ScanCase{kLanguageFrenchFrance, 0xBA, 27}, ScanCase{kLanguageFrenchFrance, 0x66, 77}));

// Every key a layout knows must read back under its own name, and no two
// keys may share a scan code.
TEST(KeyTablesTest, EveryKnownKeyReadsBackUnderItsName) {
    for (uint16_t language : {kEnglishUs, kLanguageFrenchFrance}) {
        CKeyNames names = NamesFor(language);
        std::set<int32_t> seen;
        for (uint16_t key = 1; key < 256; ++key) {
            int32_t scanCode = names.ScanCodeOfKey(key);
            if (scanCode == 0) {
                continue;
            }
            EXPECT_TRUE(seen.insert(scanCode).second) << "key " << key << " language " << language;
            // The English name of the key next to left Shift (0xE2) is "?" itself.
            if (key != 0xE2 || language != kEnglishUs) {
                EXPECT_NE(names.KeyName(scanCode), "?")
                    << "key " << key << " language " << language;
            }
        }
        EXPECT_EQ(seen.size(), 26u + 10u + 9u + 43u);
    }
}

TEST(KeyTablesTest, FrenchKeyReadsAsAnotherLetterUnderEnglish) {
    int32_t stored = NamesFor(kLanguageFrenchFrance).ScanCodeOfKey('A');
    EXPECT_EQ(stored, 16);
    EXPECT_EQ(NamesFor(kLanguageFrenchFrance).KeyName(stored), "A");
    EXPECT_EQ(NamesFor(kEnglishUs).KeyName(stored), "Q");
}

TEST(KeyTablesTest, TablesAreChosenOnceButKeypadSuffixFollowsLayout) {
    uint16_t language = kLanguageFrenchFrance;
    CKeyNames names([&language] { return language; });
    EXPECT_EQ(names.KeyName(207), "Fin");
    language = kEnglishUs;
    EXPECT_EQ(names.KeyName(207), "Fin");
    EXPECT_EQ(names.KeyName(16), "A");
    EXPECT_EQ(names.KeyName(71), "7 (NUMPAD)");
    language = kLanguageFrenchFrance;
    EXPECT_EQ(names.KeyName(71), "7 (PAVE NUM.)");
}

TEST(KeyTablesTest, ScanCodeChoosesLettersAndOtherKeysSeparately) {
    uint16_t language = kEnglishUs;
    int queries = 0;
    CKeyNames names([&] {
        ++queries;
        return language;
    });
    EXPECT_EQ(names.ScanCodeOfKey(0x31), 2);  // digits need no table
    EXPECT_EQ(queries, 0);
    EXPECT_EQ(names.ScanCodeOfKey(0xDF), 0);  // other keys: English from now on
    language = kLanguageFrenchFrance;
    EXPECT_EQ(names.ScanCodeOfKey('A'), 16);  // letters: French from now on
    EXPECT_EQ(names.ScanCodeOfKey(0xDF), 0);
    language = kEnglishUs;
    EXPECT_EQ(names.ScanCodeOfKey('A'), 16);
    EXPECT_EQ(queries, 2);
}

}  // namespace
}  // namespace keys
