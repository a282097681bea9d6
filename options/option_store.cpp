#include "options/option_store.h"

#include <iterator>
#include <limits>
#include <vector>

#include "platform/profile.h"
#include "platform/scan_int.h"

namespace options {

int32_t OptionFromText(std::string_view stored, int32_t readDefault) {
    if (stored == profile::kUndefined) {
        return readDefault;
    }
    std::optional<int32_t> number = text::ScanInt32(stored);
    if (!number || *number == kUnsetValue) {
        return readDefault;
    }
    return *number;
}

void ReadCommonOptions(OptionValues& values, const std::string& prefsPath) {
    const profile::Snapshot prefs(prefsPath);  // one read for all the options
    for (const CommonOption& option : kCommonOptions) {
        if (!option.readFromFile) {
            values.*option.field = option.readDefault;
            continue;
        }
        std::string stored =
            prefs.GetString(kCommonSection, option.key, profile::kUndefined, kValueBufferSize);
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
