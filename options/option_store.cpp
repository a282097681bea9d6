#include "options/option_store.h"

#include <iterator>
#include <limits>
#include <vector>

#include "platform/profile.h"

namespace options {

namespace {

bool IsScanSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<int32_t> ScanInteger(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsScanSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size() || !IsDigit(text[i])) {
        return std::nullopt;
    }
    // Accumulated in 64 bits and saturated, so no number of digits overflows.
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kLimit) {
            magnitude = kLimit;
        }
    }
    int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max()) {
        value = std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(value);
}

int32_t OptionFromText(std::string_view stored, int32_t readDefault) {
    if (stored == kUndefinedValue) {
        return readDefault;
    }
    std::optional<int32_t> number = ScanInteger(stored);
    if (!number || *number == kUnsetValue) {
        return readDefault;
    }
    return *number;
}

void ReadCommonOptions(OptionValues& values, const std::string& prefsPath) {
    for (const CommonOption& option : kCommonOptions) {
        if (!option.readFromFile) {
            values.*option.field = option.readDefault;
            continue;
        }
        std::string stored = profile::GetString(kCommonSection, option.key, kUndefinedValue,
                                                kValueBufferSize, prefsPath);
        values.*option.field = OptionFromText(stored, option.readDefault);
    }
}

files::Status WriteCommonOptions(const OptionValues& values, const std::string& prefsPath) {
    std::vector<profile::Entry> entries;
    entries.reserve(std::size(kCommonOptions));
    for (const CommonOption& option : kCommonOptions) {
        entries.push_back({kCommonSection, option.key, std::to_string(values.*option.field)});
    }
    return profile::WriteBatch(entries, prefsPath);
}

files::Status RequestColdAndDark(const std::string& prefsPath) {
    return profile::WriteString(kCommonSection, kColdAndDarkKey, kColdAndDarkValue, prefsPath);
}

}  // namespace options
