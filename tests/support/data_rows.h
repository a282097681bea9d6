// Expected values under tests/data: tab-separated rows, one a line, '#' starting a comment.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/aircraft.h"

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

// Whether the golden files are to be written anew (for review as a diff) instead of compared.
inline bool WritingGolden() {
    return std::getenv("CORVEL_WRITE_GOLDEN") != nullptr;
}

// A golden sample under tests/data: rows of inputs, then what the reference build computed of
// them, which compute(row) must give again. With WritingGolden(), count rows drawn by draw(pick, i)
// (pick(low, high): a random integer) are written anew first, with compute(row) appended.
template <typename Draw, typename Compute>
void CheckSample(const std::string& name, const std::string& header, int count, Draw draw,
                 Compute compute) {
    if (WritingGolden()) {
        std::mt19937 random(20261207);
        auto pick = [&random](int64_t low, int64_t high) {
            return std::uniform_int_distribution<int64_t>(low, high)(random);
        };
        std::ofstream out(CORVEL_SOURCE_DIR "/tests/data/" + name, std::ios::binary);
        out << header;
        for (int i = 0; i < count; ++i) {
            Row row = draw(pick, i);
            row.push_back(compute(row));
            for (const std::string& field : row) {
                out << field << (&field == &row.back() ? "\n" : "\t");
            }
        }
    }
    const std::vector<Row> rows = Rows(name);
    ASSERT_EQ(rows.size(), static_cast<size_t>(count));
    for (const Row& row : rows) {
        EXPECT_EQ(compute(Row(row.begin(), row.end() - 1)), row.back()) << row[0] << " " << row[2];
    }
}

inline std::vector<int64_t> Numbers(const Row& row, size_t from) {
    std::vector<int64_t> numbers;
    std::transform(row.begin() + static_cast<std::ptrdiff_t>(from), row.end(),
                   std::back_inserter(numbers), [](const std::string& s) { return std::stoll(s); });
    return numbers;
}

// The aircraft's names in the data files, in AircraftType order: the first column of the aircraft
// table's rows.
inline const std::vector<std::string>& AircraftNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> column;
        for (const Row& row : Rows("aircraft_table.tsv")) {
            column.push_back(row[0]);
        }
        return column;
    }();
    return names;
}

// An aircraft type from its name; one past the last when it has none.
inline AircraftType AircraftNamed(const std::string& name) {
    const std::vector<std::string>& names = AircraftNames();
    return static_cast<AircraftType>(std::find(names.begin(), names.end(), name) - names.begin() +
                                     1);
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

inline const std::string kMissing = "<missing>";  // no file

inline std::string FileOrMissing(const std::filesystem::path& path) {
    return std::filesystem::exists(path) ? FileBytes(path) : kMissing;
}

// The names in a folder, sorted.
inline std::set<std::string> FolderNames(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// A new folder of a test's own, removed with all it holds at the end.
struct TempFolder : std::string {
    TempFolder() {
        std::random_device random;
        for (int attempt = 0; attempt < 100 && empty(); ++attempt) {
            const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                                 ("corvel-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(folder)) {
                assign(folder.string());
            }
        }
        if (empty()) {
            throw std::runtime_error("no temporary folder");
        }
    }
    ~TempFolder() {
        // Windows removes no read-only file: make each writable first.
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(*this, ignored)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, ignored);
        }
        std::filesystem::remove_all(*this, ignored);
    }
    operator std::filesystem::path() const { return std::string(*this); }
    // A file in it by name: as the program names it, as the system does; written; read.
    std::string Path(const std::string& name) const { return *this + "\\" + name; }
    std::string Native(const std::string& name) const { return *this + "/" + name; }
    std::string Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(Native(name), std::ios::binary) << bytes;
        return Path(name);
    }
    std::string Get(const std::string& name) const { return FileOrMissing(Native(name)); }
};

}  // namespace test_data
