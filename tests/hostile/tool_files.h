// The hostile-file corpus and the tools that open and save it (native and Wine tests).
#pragma once

#include <string>

namespace hostile {

enum class Tool { LoadManager, Configuration, KeyAssignments };
constexpr Tool kFileTools[] = {Tool::LoadManager, Tool::Configuration, Tool::KeyAssignments};
const char* ToolName(Tool tool);

std::string CorpusBytes(const std::string& name);

}  // namespace hostile
