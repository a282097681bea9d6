// Profile files and what reads and writes of them give (tests/data/ini_cases.tsv), for the native
// tests and for the Windows tests against the platform's own functions.
#pragma once

#include <deque>

#include "tests/support/data_rows.h"

namespace ini_cases {

struct ReadCheck {
    const char *section, *key;
    std::string expected;
    size_t size = 64;
    const char* defaultValue = "-";
    bool platformDiffers = false;  // a named divergence: ours is the sound result
};

// A file and what reads of it give; the Windows tests ask it more, by every name in it.
struct ReadFile {
    const char* name;
    std::string bytes;
    std::vector<ReadCheck> checks;
};

// How the platform's WritePrivateProfileStringA does the same write.
enum Platform { kSame, kDiffers, kOursRefuses };
using test_data::FileOrMissing;
using test_data::kMissing;  // no file before the write

struct WriteRow {
    const char* name;
    std::string before, section, key, value, after;  // after: ours (empty: the platform's)
    Platform platform;
};

// The bytes of an escaped field: \r \n \t \0 \\ \xHH, {N*c} for N times c.
inline std::string Bytes(const std::string& field) {
    std::string bytes;
    for (size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '{') {
            const size_t star = field.find('*', i);
            bytes.append(std::stoul(field.substr(i + 1)), field[star + 1]);
            i = star + 2;
        } else if (c == '\\' && field[++i] == 'x') {
            bytes += static_cast<char>(std::stoi(field.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            bytes += c != '\\'
                         ? c
                         : std::string("\r\n\t\0\\", 5).at(std::string("rnt0\\").find(field[i]));
        }
    }
    return bytes;
}

// Text that lives as long as the program, for the names the platform's functions take.
inline const char* Kept(const std::string& field) {
    static std::deque<std::string> texts;
    return texts.emplace_back(Bytes(field)).c_str();
}

inline const std::vector<test_data::Row> kRows = test_data::Rows("ini_cases.tsv");

inline const std::vector<ReadFile> kReadFiles = [] {
    std::vector<ReadFile> files;
    for (const test_data::Row& r : kRows) {
        if (r[0] == "file") {
            files.push_back({Kept(r[1]), Bytes(r[2]), {}});
        } else if (r[0] == "read") {
            files.back().checks.push_back({Kept(r[1]), Kept(r[2]), Bytes(r[3]), std::stoul(r[4]),
                                           Kept(r[5]), r[6] == "differs"});
        }
    }
    return files;
}();

inline const std::vector<WriteRow> kWriteRows = [] {
    std::vector<WriteRow> rows;
    for (const test_data::Row& r : kRows) {
        if (r[0] == "write") {
            const Platform platform = r[7] == "same"      ? kSame
                                      : r[7] == "differs" ? kDiffers
                                                          : kOursRefuses;
            rows.push_back({Kept(r[1]), Bytes(r[2]), Bytes(r[3]), Bytes(r[4]), Bytes(r[5]),
                            Bytes(r[6]), platform});
        }
    }
    return rows;
}();

}  // namespace ini_cases
