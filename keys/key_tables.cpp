#include "keys/key_tables.h"

#include <string_view>
#include <utility>

namespace keys {

namespace {

constexpr LetterTable kEnglishLetters = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                                         49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};
// AZERTY: A and Q, Z and W swap places, M sits right of L.
constexpr LetterTable kFrenchLetters = {16, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 39,
                                        49, 24, 25, 30, 19, 31, 20, 22, 47, 44, 45, 21, 17};

constexpr OtherKeyTable kEnglishOtherKeys = {{
    {0x00, 0, "No key defined"},
    {0xBC, 51, ","},
    {0xBE, 52, "."},
    {0xBF, 53, "/"},
    {0xBA, 39, ";"},
    {0xC0, 40, "`"},
    {0xDC, 43, "\\"},
    {0xDB, 26, "["},
    {0xDD, 27, "]"},
    {0xBD, 12, "-"},
    {0xBB, 13, "="},
    {0xDE, 41, "'"},
    {0xE2, 86, "?"},
    {0x21, 201, "PgUp"},
    {0x22, 209, "PgDn"},
    {0x24, 199, "Home"},
    {0x23, 207, "End"},
    {0x2D, 210, "Ins"},
    {0x2E, 211, "Del"},
    {0x26, 200, "Up"},
    {0x28, 208, "Down"},
    {0x25, 203, "Left"},
    {0x27, 205, "Right"},
    {0x6F, 181, "/ (NUMPAD)"},
    {0x6A, 55, "* (NUMPAD)"},
    {0x6B, 78, "+ (NUMPAD)"},
    {0x6D, 74, "- (NUMPAD)"},
    {0x6E, 83, ". (NUMPAD)"},
    {0x90, 69, "Num Lock"},
    {0x91, 70, "Scroll Lock"},
    {0x13, 197, "Pause"},
    {0x70, 59, "F1"},
    {0x71, 60, "F2"},
    {0x72, 61, "F3"},
    {0x73, 62, "F4"},
    {0x74, 63, "F5"},
    {0x75, 64, "F6"},
    {0x76, 65, "F7"},
    {0x77, 66, "F8"},
    {0x78, 67, "F9"},
    {0x79, 68, "F10"},
    {0x7A, 87, "F11"},
    {0x7B, 88, "F12"},
    {0x30, 11, "0"},
}};

constexpr OtherKeyTable kFrenchOtherKeys = {{
    {0x00, 0, "No key defined"},
    {0xBC, 50, ","},
    {0xBE, 51, ";"},
    {0xBF, 52, ":"},
    {0xDF, 53, "!"},
    {0xC0, 40, "ù"},
    {0xDC, 43, "*"},
    {0xDD, 26, "^"},
    {0xBA, 27, "$"},
    {0xDB, 12, ")"},
    {0xBB, 13, "="},
    {0xDE, 41, "²"},
    {0xE2, 86, "<"},
    {0x21, 201, "PgUp"},
    {0x22, 209, "PgDn"},
    {0x24, 199, "Home"},
    {0x23, 207, "Fin"},
    {0x2D, 210, "Ins"},
    {0x2E, 211, "Suppr"},
    {0x26, 200, "Haut"},
    {0x28, 208, "Bas"},
    {0x25, 203, "Gauche"},
    {0x27, 205, "Droite"},
    {0x6F, 181, "/ (PAVE NUM.)"},
    {0x6A, 55, "* (PAVE NUM.)"},
    {0x6B, 78, "+ (PAVE NUM.)"},
    {0x6D, 74, "- (PAVE NUM.)"},
    {0x6E, 83, ". (PAVE NUM.)"},
    {0x90, 69, "Verr Num"},
    {0x91, 70, "Arrêt Défil"},
    {0x13, 197, "Pause"},
    {0x70, 59, "F1"},
    {0x71, 60, "F2"},
    {0x72, 61, "F3"},
    {0x73, 62, "F4"},
    {0x74, 63, "F5"},
    {0x75, 64, "F6"},
    {0x76, 65, "F7"},
    {0x77, 66, "F8"},
    {0x78, 67, "F9"},
    {0x79, 68, "F10"},
    {0x7A, 87, "F11"},
    {0x7B, 88, "F12"},
    {0x30, 11, "0"},
}};

constexpr uint16_t kFirstLetterKey = 0x41;  // 'A'
constexpr uint16_t kFirstKeypadKey = 0x60;  // VK_NUMPAD0
constexpr uint16_t kFirstDigitKey = 0x31;   // '1'
constexpr int32_t kFirstDigitScanCode = 2;  // the 1 key; 2 to 10 are 1 to 9

}  // namespace

constexpr std::array<int32_t, kKeypadDigitCount> kKeypadDigits = {82, 79, 80, 81, 75,
                                                                  76, 77, 71, 72, 73};

KeyLayout LayoutOfLanguage(uint16_t languageId) {
    return languageId == kLanguageFrenchFrance ? KeyLayout::French : KeyLayout::English;
}

const LetterTable& LetterTableOf(KeyLayout layout) {
    return layout == KeyLayout::French ? kFrenchLetters : kEnglishLetters;
}

const OtherKeyTable& OtherKeyTableOf(KeyLayout layout) {
    return layout == KeyLayout::French ? kFrenchOtherKeys : kEnglishOtherKeys;
}

CKeyNames::CKeyNames(LayoutQuery layoutQuery) : m_layoutQuery(std::move(layoutQuery)) {}

KeyLayout CKeyNames::Choose(std::optional<KeyLayout>& choice) {
    if (!choice) {
        choice = LayoutOfLanguage(m_layoutQuery());
    }
    return *choice;
}

int32_t CKeyNames::ScanCodeOfKey(uint16_t virtualKey) {
    if (virtualKey >= kFirstLetterKey && virtualKey < kFirstLetterKey + kLetterCount) {
        return LetterTableOf(Choose(m_scanLetters))[virtualKey - kFirstLetterKey];
    }
    if (virtualKey >= kFirstKeypadKey && virtualKey < kFirstKeypadKey + kKeypadDigitCount) {
        return kKeypadDigits[virtualKey - kFirstKeypadKey];
    }
    if (virtualKey >= kFirstDigitKey && virtualKey < kFirstDigitKey + 9) {
        return kFirstDigitScanCode + (virtualKey - kFirstDigitKey);
    }
    for (const KeyNameEntry& entry : OtherKeyTableOf(Choose(m_scanOtherKeys))) {
        if (entry.keyCode == virtualKey) {
            return entry.scanCode;
        }
    }
    return 0;  // no key
}

std::string CKeyNames::KeyName(int32_t scanCode) {
    std::string text = "?";
    if (scanCode >= kFirstDigitScanCode && scanCode < kFirstDigitScanCode + 9) {
        text = std::string(1, static_cast<char>('1' + (scanCode - kFirstDigitScanCode)));
    }
    const LetterTable& letters = LetterTableOf(Choose(m_nameLetters));
    for (size_t i = 0; i < kLetterCount; ++i) {
        if (letters[i] == scanCode) {
            text = std::string(1, static_cast<char>('A' + i));
        }
    }
    for (size_t digit = 0; digit < kKeypadDigitCount; ++digit) {
        if (kKeypadDigits[digit] == scanCode) {
            bool french = LayoutOfLanguage(m_layoutQuery()) == KeyLayout::French;
            text = std::to_string(digit) + (french ? " (PAVE NUM.)" : " (NUMPAD)");
        }
    }
    for (const KeyNameEntry& entry : OtherKeyTableOf(Choose(m_nameOtherKeys))) {
        if (entry.scanCode == scanCode) {
            return entry.name;
        }
    }
    return text;
}

}  // namespace keys
