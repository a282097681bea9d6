#include "platform/scan_int.h"

#include <limits>

namespace text {

LeadingNumber ScanLeadingNumber(std::string_view text) {
    LeadingNumber number;
    size_t i = 0;
    while (i < text.size() && IsScanSpace(text[i])) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        ++i;
    }
    number.hasDigits = i < text.size() && IsDigit(text[i]);
    // The magnitude, up to 2^63 so that the lowest int64 reads too.
    constexpr uint64_t kLimit = uint64_t{1} << 63;
    uint64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        auto digit = static_cast<uint64_t>(text[i] - '0');
        if (magnitude > (kLimit - digit) / 10) {
            number.fitsInt64 = false;
            return number;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (magnitude == kLimit && !number.negative) {
        number.fitsInt64 = false;
    } else if (magnitude == kLimit) {
        number.value = std::numeric_limits<int64_t>::min();
    } else {
        number.value =
            number.negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    }
    return number;
}

std::optional<int32_t> ScanInt32(std::string_view text) {
    const LeadingNumber number = ScanLeadingNumber(text);
    if (!number.hasDigits) {
        return std::nullopt;
    }
    constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    if (!number.fitsInt64) {
        return static_cast<int32_t>(number.negative ? kMin : kMax);
    }
    return static_cast<int32_t>(number.value < kMin   ? kMin
                                : number.value > kMax ? kMax
                                                      : number.value);
}

}  // namespace text
