// The hostile-file corpus and the check that a save changed nothing but the
// tool's own lines, for the native tests and the tests under Wine.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace hostile {

enum class Tool { LoadManager, Configuration, KeyAssignments };
constexpr Tool kFileTools[] = {Tool::LoadManager, Tool::Configuration, Tool::KeyAssignments};
const char* ToolName(Tool tool);

// The file as it would be if the tool's keys had been set, by the program's
// text rules and in the order the tool writes them, to the values they hold
// in after: equal to after exactly when the save changed only the tool's own
// lines (or added them where missing) and kept every other byte.
std::string Rewritten(Tool tool, const std::string& before, const std::string& after);

// Whether the program refuses these bytes (UTF-16, NUL bytes, too large).
bool Refused(const std::string& bytes);

std::vector<std::string> CorpusFiles();  // sorted
std::string CorpusBytes(const std::string& name);
std::string ReadBytes(const std::filesystem::path& file);

}  // namespace hostile
