// The hostile-file corpus and the tools that open and save it (native and Wine tests).
#pragma once

#include <string>

#include "tests/support/data_rows.h"

namespace hostile {

enum class Tool { LoadManager, Configuration, KeyAssignments };
constexpr Tool kFileTools[] = {Tool::LoadManager, Tool::Configuration, Tool::KeyAssignments};

inline const char* ToolName(Tool tool) {
    constexpr const char* kNames[] = {"Load Manager", "Configuration", "Key Assignments"};
    return kNames[static_cast<int>(tool)];
}

inline std::string CorpusBytes(const std::string& name) {
#ifdef _WIN32
    const std::string root = "Z:";  // the drive Wine gives the Unix root
#else
    const std::string root;
#endif
    return test_data::FileBytes(root + CORVEL_SOURCE_DIR "/tests/data/hostile/" + name);
}

}  // namespace hostile
