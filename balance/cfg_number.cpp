#include "balance/cfg_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "platform/scan_int.h"

namespace balance {

namespace {

// Far beyond any exponent a double can take; holds a long exponent's value.
constexpr long kExponentLimit = 100000;

}  // namespace

std::optional<double> LeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text::IsScanSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t begin = i;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        return std::nullopt;
    }
    // The order of magnitude, to tell an overflow from an underflow below.
    long integerDigits = 0;  // after leading zeros
    long fractionZeros = 0;  // before the first other digit, when the integer part is 0
    bool nonZero = false;
    bool digits = false;
    for (; i < text.size() && text::IsDigit(text[i]); ++i) {
        digits = true;
        nonZero = nonZero || text[i] != '0';
        integerDigits += nonZero && integerDigits < kExponentLimit ? 1 : 0;
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && text::IsDigit(text[i]); ++i) {
            digits = true;
            if (!nonZero && text[i] == '0' && fractionZeros < kExponentLimit) {
                ++fractionZeros;
            }
            nonZero = nonZero || text[i] != '0';
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        const bool negativeExponent = j < text.size() && text[j] == '-';
        j += j < text.size() && (text[j] == '+' || text[j] == '-') ? 1 : 0;
        if (j < text.size() && text::IsDigit(text[j])) {
            for (; j < text.size() && text::IsDigit(text[j]); ++j) {
                exponent = std::min(exponent * 10 + (text[j] - '0'), kExponentLimit);
            }
            exponent = negativeExponent ? -exponent : exponent;
            i = j;
        }
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data() + begin, text.data() + i, value);
    if (error == std::errc::result_out_of_range) {
        const long order = (integerDigits > 0 ? integerDigits : -fractionZeros) + exponent;
        if (order > 0) {
            return std::nullopt;  // strtod gives infinity
        }
        value = 0;  // and 0 for what is too small
    } else if (error != std::errc() || end != text.data() + i || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<double> NumberField(std::string_view text, int n) {
    for (int i = 0; i < n; ++i) {
        const size_t comma = text.find(',');
        if (comma == std::string_view::npos) {
            return std::nullopt;
        }
        text.remove_prefix(comma + 1);
    }
    return LeadingNumber(text);
}

}  // namespace balance
