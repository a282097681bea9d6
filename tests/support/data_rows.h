// Expected values kept in tab-separated files under tests/data, written out
// apart from the code they check: one row a line, '#' starts a comment.
#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace test_data {

using Row = std::vector<std::string>;

inline std::vector<Row> Rows(const std::string& name) {
    std::ifstream in(CORVEL_SOURCE_DIR "/tests/data/" + name);
    std::vector<Row> rows;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != '#') {
            std::istringstream fields(line);
            rows.emplace_back();
            for (std::string field; std::getline(fields, field, '\t');) {
                rows.back().push_back(field);
            }
        }
    }
    return rows;
}

// A file's bytes (a golden file, for instance).
inline std::string FileBytes(const std::string& name) {
    std::ifstream in(CORVEL_SOURCE_DIR "/tests/data/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The numbers in columns from to the end.
inline std::vector<int64_t> Numbers(const Row& row, size_t from) {
    std::vector<int64_t> numbers;
    for (size_t i = from; i < row.size(); ++i) {
        numbers.push_back(std::stoll(row[i]));
    }
    return numbers;
}

// An aircraft's number (AircraftType) from its name.
inline int AircraftNumber(const std::string& name) {
    const std::string names[] = {"A318", "A319", "A320", "A321", "ACJ"};
    return static_cast<int>(std::find(std::begin(names), std::end(names), name) - names) + 1;
}

}  // namespace test_data
