#include "tests/hostile/tool_files.h"

#include "tests/support/data_rows.h"

namespace hostile {

const char* ToolName(Tool tool) {
    static const char* const kNames[] = {"Load Manager", "Configuration", "Key Assignments"};
    return kNames[static_cast<int>(tool)];
}

std::string CorpusBytes(const std::string& name) {
#ifdef _WIN32
    const std::string root = "Z:";  // the drive Wine gives the Unix root
#else
    const std::string root;
#endif
    return test_data::FileBytes(root + CORVEL_SOURCE_DIR "/tests/data/hostile/" + name);
}

}  // namespace hostile
