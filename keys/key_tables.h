// Key tables: the scan code of a key the user pressed, and the name of a
// stored scan code, in English or, on a French (France) keyboard layout, in
// French. Names are UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace keys {

// Language identifier of the French (France) keyboard layout; every other
// layout, French ones of other countries included, gets the English tables.
constexpr uint16_t kLanguageFrenchFrance = 0x040C;

enum class KeyLayout { English, French };

KeyLayout LayoutOfLanguage(uint16_t languageId);

struct KeyNameEntry {
    uint16_t keyCode;  // Windows virtual-key code
    int32_t scanCode;  // DirectInput numbering
    const char* name;  // UTF-8
};

constexpr size_t kLetterCount = 26;
constexpr size_t kKeypadDigitCount = 10;
constexpr size_t kOtherKeyCount = 44;

using LetterTable = std::array<int32_t, kLetterCount>;  // scan codes of A to Z
using OtherKeyTable = std::array<KeyNameEntry, kOtherKeyCount>;

// Tables of one layout.
const LetterTable& LetterTableOf(KeyLayout layout);
const OtherKeyTable& OtherKeyTableOf(KeyLayout layout);

// Scan codes of keypad digits 0 to 9, the same in both layouts.
extern const std::array<int32_t, kKeypadDigitCount> kKeypadDigits;

// Returns the language identifier of the active keyboard layout.
using LayoutQuery = std::function<uint16_t()>;

// Turns keys into scan codes and scan codes into names.
//
// Each table is chosen by the layout active when it is first needed and
// kept for the object's life (one choice for ScanCodeOfKey's letters, one
// for its other keys, the same two for KeyName), so names stay put while
// the program runs. Only the keypad suffix of KeyName follows the layout at
// every call.
class CKeyNames {
  public:
    explicit CKeyNames(LayoutQuery layoutQuery);

    // Scan code of a virtual-key code as the hot-key control reports it; 0
    // when no table knows the key.
    int32_t ScanCodeOfKey(uint16_t virtualKey);

    // Display text of a scan code: "?" when no table knows it.
    std::string KeyName(int32_t scanCode);

  private:
    KeyLayout Choose(std::optional<KeyLayout>& choice);

    LayoutQuery m_layoutQuery;
    std::optional<KeyLayout> m_scanLetters;
    std::optional<KeyLayout> m_scanOtherKeys;
    std::optional<KeyLayout> m_nameLetters;
    std::optional<KeyLayout> m_nameOtherKeys;
};

}  // namespace keys
