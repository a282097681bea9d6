#include "keys/key_assignments.h"

#include <cstdio>

namespace keys {

namespace {

// A missing entry reads as this; a file can hold it too, and then the row
// is treated as missing as well.
constexpr int kMissing = -9999;

std::string EntryName(size_t index, const char* suffix) {
    char name[48];
    std::snprintf(name, sizeof name, "Command.%02zu-%s", index, suffix);
    return name;
}

}  // namespace

std::string ModifierEntryName(size_t index) {
    return EntryName(index, "Modifier");
}

std::string KeyEntryName(size_t index) {
    return EntryName(index, "Key");
}

void LoadKeyAssignments(CommandCatalogue& catalogue, const std::string& prefsPath) {
    const profile::Snapshot prefs(prefsPath);  // one read for all the entries
    for (size_t i = 0; i < catalogue.size(); ++i) {
        int modifier = prefs.GetInt(kKeysSection, ModifierEntryName(i), kMissing);
        int key = prefs.GetInt(kKeysSection, KeyEntryName(i), kMissing);
        if (modifier != kMissing && key != kMissing) {
            catalogue[i].modifier = modifier;
            catalogue[i].key = key;
        }
    }
}

std::vector<profile::Entry> KeyAssignmentEntries(const CommandCatalogue& catalogue) {
    std::vector<profile::Entry> entries;
    entries.reserve(2 * catalogue.size());
    for (size_t i = 0; i < catalogue.size(); ++i) {
        entries.push_back(
            {kKeysSection, ModifierEntryName(i), std::to_string(catalogue[i].modifier)});
        entries.push_back({kKeysSection, KeyEntryName(i), std::to_string(catalogue[i].key)});
    }
    return entries;
}

files::Status SaveKeyAssignments(const CommandCatalogue& catalogue, const std::string& prefsPath) {
    return profile::WriteBatch(KeyAssignmentEntries(catalogue), prefsPath);
}

}  // namespace keys
