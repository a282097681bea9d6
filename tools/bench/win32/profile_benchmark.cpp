// Our profile reads and writes next to the platform's GetPrivateProfileIntA,
// GetPrivateProfileStringA and WritePrivateProfileStringA, on the same files
// and keys, in one run. Prints the median time of each.
//
//   profile_benchmark [--tsv]
//
// Wine's profile functions keep the last ten files they parsed in memory and
// only look at the file's time stamp when it is asked again; Windows reads
// the file on every call, as ours do. So the platform's reads are timed both
// ways: "cached" asks one file over and over, "uncached" turns over sixteen
// copies of it so that every call parses its file, like ours.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "keys/key_assignments.h"
#include "platform/profile.h"
#include "tools/bench/sample_files.h"

namespace {

constexpr int kCopies = 16;  // more than the files Wine keeps parsed

double MedianMs(int passes, const std::function<void(int)>& pass) {
    std::vector<double> ms;
    pass(0);  // warm-up: file system caches, first-use costs
    for (int i = 1; i <= passes; ++i) {
        auto start = std::chrono::steady_clock::now();
        pass(i);
        auto end = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// A fresh folder under the temporary folder, removed at the end.
class Folder {
  public:
    Folder() {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_path =
            std::string(temp) + "corvel-profile-bench-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~Folder() {
        for (const std::string& file : m_files) {
            DeleteFileA(file.c_str());
        }
        RemoveDirectoryA(m_path.c_str());
    }
    std::string Put(const std::string& name, const std::string& bytes) {
        std::string path = m_path + "\\" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        m_files.push_back(path);
        return path;
    }

  private:
    std::string m_path;
    std::vector<std::string> m_files;
};

struct Row {
    const char* name;
    double ms;
};

bool g_failed = false;

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "profile_benchmark: %s\n", what);
        g_failed = true;
    }
}

// Each pass writes the other of two catalogues, so every key entry changes
// (the platform skips writes that change nothing).
const keys::CommandCatalogue& Alternate(int pass) {
    static const keys::CommandCatalogue catalogues[2] = {bench::ShiftedCatalogue(0),
                                                         bench::ShiftedCatalogue(1)};
    return catalogues[pass % 2];
}

void KeysWrites(Folder& folder, std::vector<Row>& rows) {
    const std::string start = bench::PrefsWithKeys(keys::kDefaultCommands);
    const std::string platformPath = folder.Put("Prefs-platform.cfg", start);
    const std::string batchPath = folder.Put("Prefs-batch.cfg", start);
    const std::string singlePath = folder.Put("Prefs-single.cfg", start);
    constexpr int kPasses = 15;

    rows.push_back({"keys_write.platform_one_by_one", MedianMs(kPasses, [&](int pass) {
                        for (const profile::Entry& e :
                             keys::KeyAssignmentEntries(Alternate(pass))) {
                            WritePrivateProfileStringA(e.section.c_str(), e.key.c_str(),
                                                       e.value.c_str(), platformPath.c_str());
                        }
                    })});
    rows.push_back({"keys_write.ours_batch", MedianMs(kPasses, [&](int pass) {
                        Check(keys::SaveKeyAssignments(Alternate(pass), batchPath).ok(),
                              "batch write failed");
                    })});
    rows.push_back({"keys_write.ours_one_by_one", MedianMs(kPasses, [&](int pass) {
                        for (const profile::Entry& e :
                             keys::KeyAssignmentEntries(Alternate(pass))) {
                            Check(profile::WriteString(e.section, e.key, e.value, singlePath).ok(),
                                  "write failed");
                        }
                    })});
    // The platform rewrites the whole file its own way (it drops the blank
    // line between sections, for one); the values must agree.
    for (const std::string& path : {platformPath, batchPath, singlePath}) {
        keys::CommandCatalogue read = keys::kDefaultCommands;
        keys::LoadKeyAssignments(read, path);
        bool same = true;
        for (size_t i = 0; i < keys::kCommandCount; ++i) {
            same = same && read[i].modifier == Alternate(kPasses)[i].modifier &&
                   read[i].key == Alternate(kPasses)[i].key;
        }
        Check(same, "a file holds other bindings than were written");
    }
}

void KeysReads(Folder& folder, std::vector<Row>& rows) {
    const keys::CommandCatalogue expected = bench::ShiftedCatalogue(3);
    const std::string prefs = bench::PrefsWithKeys(expected);
    const std::string path = folder.Put("Prefs-read.cfg", prefs);
    std::vector<std::string> copies;
    for (int i = 0; i < kCopies; ++i) {
        copies.push_back(folder.Put("Prefs-read-" + std::to_string(i) + ".cfg", prefs));
    }
    const std::vector<profile::Entry> entries = keys::KeyAssignmentEntries(expected);
    int64_t expectedSum = 0;
    for (const profile::Entry& e : entries) {
        expectedSum += std::stoi(e.value);
    }
    constexpr int kPasses = 25;

    auto platform = [&](bool cached) {
        size_t call = 0;
        return [&, cached, call](int) mutable {
            int64_t sum = 0;
            for (const profile::Entry& e : entries) {
                const std::string& file = cached ? path : copies[call++ % copies.size()];
                sum += GetPrivateProfileIntA(e.section.c_str(), e.key.c_str(), -1, file.c_str());
            }
            Check(sum == expectedSum, "the platform read other values");
        };
    };
    rows.push_back({"keys_read.platform_uncached", MedianMs(kPasses, platform(false))});
    rows.push_back({"keys_read.platform_cached", MedianMs(kPasses, platform(true))});
    rows.push_back({"keys_read.ours", MedianMs(kPasses, [&](int) {
                        keys::CommandCatalogue catalogue = keys::kDefaultCommands;
                        keys::LoadKeyAssignments(catalogue, path);
                        Check(catalogue[40].key == expected[40].key, "we read other values");
                    })});
}

void AircraftCfgRead(Folder& folder, std::vector<Row>& rows) {
    const std::string cfg = bench::LargeAircraftCfg();
    const std::string path = folder.Put("aircraft.cfg", cfg);
    std::vector<std::string> copies;
    for (int i = 0; i < kCopies; ++i) {
        copies.push_back(folder.Put("aircraft-" + std::to_string(i) + ".cfg", cfg));
    }
    constexpr int kPasses = 101;

    auto platform = [&](bool cached) {
        return [&, cached](int pass) {
            char value[256];
            const std::string& file = cached ? path : copies[static_cast<size_t>(pass) % kCopies];
            GetPrivateProfileStringA(bench::kPayloadSection, bench::kPayloadKey, "", value,
                                     sizeof value, file.c_str());
            Check(std::strcmp(value, bench::kPayloadValue) == 0, "the platform read another value");
        };
    };
    rows.push_back({"cfg_read.platform_uncached", MedianMs(kPasses, platform(false))});
    rows.push_back({"cfg_read.platform_cached", MedianMs(kPasses, platform(true))});
    rows.push_back({"cfg_read.ours", MedianMs(kPasses, [&](int) {
                        Check(profile::GetString(bench::kPayloadSection, bench::kPayloadKey, "",
                                                 256, path) == bench::kPayloadValue,
                              "we read another value");
                    })});
}

}  // namespace

int main(int argc, char** argv) {
    const bool tsv = argc > 1 && std::strcmp(argv[1], "--tsv") == 0;
    Folder folder;
    std::vector<Row> rows;
    KeysWrites(folder, rows);
    KeysReads(folder, rows);
    AircraftCfgRead(folder, rows);
    for (const Row& row : rows) {
        std::printf(tsv ? "profile.%s\t%.4f\tms\n" : "%-32s %10.4f ms\n", row.name, row.ms);
    }
    return g_failed ? 1 : 0;
}
