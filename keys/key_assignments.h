// Key bindings in the [Keys] section of the preferences file.
//
// Each catalogue row i (0 to 90, spare rows included) has two integer
// entries, "Command.%02d-Modifier" and "Command.%02d-Key".
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "keys/command_catalogue.h"
#include "platform/file_status.h"
#include "platform/profile.h"

namespace keys {

constexpr char kKeysSection[] = "Keys";

std::string ModifierEntryName(size_t index);  // "Command.07-Modifier"
std::string KeyEntryName(size_t index);       // "Command.07-Key"

// Merges the file over the catalogue: a row takes the file's modifier and
// key only when both entries are present; otherwise it keeps what it holds.
// Values are not range-checked.
void LoadKeyAssignments(CommandCatalogue& catalogue, const std::string& prefsPath);

// The 182 entries of the whole catalogue, in index order, each row's
// modifier before its key.
std::vector<profile::Entry> KeyAssignmentEntries(const CommandCatalogue& catalogue);

// Writes every row as one atomic batch: on failure the file is unchanged.
files::Status SaveKeyAssignments(const CommandCatalogue& catalogue, const std::string& prefsPath);

}  // namespace keys
