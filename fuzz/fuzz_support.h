// What the fuzz targets share: the input format, a scratch folder for real
// files, and the checks that hold for every input.
//
// An input is a list of fields and the file's bytes: fields are separated
// by 0x1F, and the first 0x1E ends them; everything after it is the file.
// Without a 0x1E the whole input is the file. Seeds stay readable that way.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

struct Input {
    std::vector<std::string> fields;
    std::string file;
};

Input SplitInput(const unsigned char* data, size_t size);

// A path in the program's form (backslashes) to a file in a folder of this
// process's own, made on first use and removed at exit.
std::string ScratchPath(const char* name);

// Puts bytes into the scratch file, or removes it when exists is false.
void PutFile(const std::string& path, const std::string& bytes, bool exists = true);
std::string GetFile(const std::string& path);

// Aborts with a message when the check fails, so the fuzzer keeps the input.
void Check(bool condition, const char* what);

// Whether after differs from before only by the write of key = value in
// section: one line replaced (its key part kept), or one entry line added,
// or a section header and its entry added; every other line byte for byte.
bool OnlyItsLineChanged(std::string_view before, std::string_view after, std::string_view section,
                        std::string_view key, std::string_view value);

// The value a write of value reads back as: without its outer blanks.
std::string_view Trimmed(std::string_view value);

}  // namespace fuzz
