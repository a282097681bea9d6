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

// Whether the program refuses these bytes (UTF-16, NUL bytes, too large).
bool Refused(const std::string& bytes);

std::vector<std::string> CorpusFiles();  // sorted
std::string CorpusBytes(const std::string& name);
std::string ReadBytes(const std::filesystem::path& file);

}  // namespace hostile
