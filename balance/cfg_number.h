// Numbers in aircraft.cfg, read as the simulator reads them: the leading
// number of the text after the blanks, as the C library's strtod reads it
// in the "C" locale (sign, digits, fraction, exponent), whatever follows it.
// So "1344 // square feet" reads 1344, "12.5;" 12.5, "1,344" 1 and "2e3 lb"
// 2000. The decimal point is always '.', whatever the user's locale: the
// conversion is std::from_chars, which no locale changes.
#pragma once

#include <optional>
#include <string_view>

namespace balance {

// Nothing when the text does not begin with a decimal number, when it is
// written in hexadecimal ("0x...", which strtod would take) and when it is
// not finite ("inf", "nan", beyond the range of double; a number too small
// for a double reads 0, as with strtod).
std::optional<double> LeadingNumber(std::string_view text);

// The leading number of the n-th comma-separated field (from 0): the text
// after the n-th comma. Nothing when there are fewer commas.
std::optional<double> NumberField(std::string_view text, int n);

}  // namespace balance
