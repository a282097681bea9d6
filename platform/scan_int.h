// Reading a number the way "%d" scans it, without its undefined behaviour.
// The profile layer's integer read (ini::ParseInt) is a rule of its own:
// it also takes 0x, 0o and 0b prefixes and wraps instead of saturating, as
// the platform's profile functions do.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace text {

// The blanks the C library's number scans skip in the "C" locale, and its
// decimal digits, whatever the locale.
constexpr bool IsScanSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number at the start of text: leading white space, an optional sign,
// decimal digits up to the first other character ("12abc" gives 12).
struct LeadingNumber {
    bool hasDigits = false;  // false: no digit follows the sign (value 0)
    bool negative = false;
    bool fitsInt64 = true;  // false: beyond the 64-bit range (value 0)
    int64_t value = 0;
};
LeadingNumber ScanLeadingNumber(std::string_view text);

// The leading number held within the 32-bit range; nothing when no digit
// follows.
std::optional<int32_t> ScanInt32(std::string_view text);

}  // namespace text
