// Expected values under tests/data: tab-separated rows, one a line, '#' starting a comment.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace test_data {

using Row = std::vector<std::string>;

// The fields of a line, between separators.
inline Row Fields(const std::string& line, char separator = '\t') {
    Row row(1);
    for (char c : line) {
        c == separator ? row.emplace_back() : row.back() += c;
    }
    return row;
}

inline std::vector<Row> Rows(const std::string& name) {
    std::ifstream in(CORVEL_SOURCE_DIR "/tests/data/" + name);
    if (!in) {  // rather than a table of no rows that checks nothing
        throw std::runtime_error("no test data file " + name);
    }
    std::vector<Row> rows;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != '#') {
            rows.push_back(Fields(line));
        }
    }
    return rows;
}

inline std::vector<int64_t> Numbers(const Row& row, size_t from) {
    std::vector<int64_t> numbers;
    std::transform(row.begin() + static_cast<std::ptrdiff_t>(from), row.end(),
                   std::back_inserter(numbers), [](const std::string& s) { return std::stoll(s); });
    return numbers;
}

// An aircraft's number (AircraftType) from its name.
inline int AircraftNumber(const std::string& name) {
    const std::string names[] = {"A318", "A319", "A320", "A321", "ACJ"};
    return static_cast<int>(std::find(std::begin(names), std::end(names), name) - names) + 1;
}

// The text with every from replaced by to.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// Texts in the data files write the no-break space as '~'.
inline std::string WithNbsp(const std::string& text) {
    return Replaced(text, "~", "\u00a0");
}

inline std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The names in a folder, sorted.
inline std::set<std::string> FolderNames(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

#ifndef _WIN32
// A new folder of a test's own, removed with all it holds at the end.
struct TempFolder : std::string {
    TempFolder() : std::string("/tmp/corvel-test-XXXXXX") {
        if (!mkdtemp(data())) {
            throw std::runtime_error("no temporary folder");
        }
    }
    ~TempFolder() { std::filesystem::remove_all(*this); }
    operator std::filesystem::path() const { return std::string(*this); }
};
#endif

}  // namespace test_data
