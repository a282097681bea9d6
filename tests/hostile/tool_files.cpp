#include "tests/hostile/tool_files.h"

#include "tests/support/data_rows.h"

namespace hostile {

const char* ToolName(Tool tool) {
    static const char* const kNames[] = {"Load Manager", "Configuration", "Key Assignments"};
    return kNames[static_cast<int>(tool)];
}

std::string CorpusBytes(const std::string& name) {
#ifdef _WIN32
    return test_data::FileBytes("Z:" CORVEL_SOURCE_DIR "/tests/data/hostile/" +
                                name);  // Wine's root
#else
    return test_data::FileBytes(CORVEL_SOURCE_DIR "/tests/data/hostile/" + name);
#endif
}

}  // namespace hostile
