// The hostile-file corpus (tests/data/hostile) and the check that a tool's
// save changed nothing but its own lines. Shared by the native tests and
// the tests under Wine.
#pragma once

#include <string>
#include <vector>

namespace hostile {

// What one tool writes: its section and its keys, in the order it writes them.
struct ToolWrites {
    std::string section;
    std::vector<std::string> keys;
};
ToolWrites PayloadWrites();
ToolWrites OptionWrites();
ToolWrites KeyWrites();

// The file as it would be if the tool's keys had been set, by the program's
// text rules, to the values they hold in after: equal to after exactly when
// the save changed only the tool's own lines (or added them where missing)
// and kept every other byte.
std::string Rewritten(const std::string& before, const std::string& after,
                      const ToolWrites& writes);

// Whether the program refuses to rewrite a file of these bytes (UTF-16
// text, NUL bytes) or of this size.
bool Refused(const std::string& bytes, unsigned long long size);

// The corpus's file names, sorted, and a file's bytes.
std::vector<std::string> CorpusFiles();
std::string CorpusBytes(const std::string& name);

}  // namespace hostile
