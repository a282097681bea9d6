// The profile layer on its own: one value read from a 60 KB aircraft.cfg
// (every read parses the file anew), and the 182 [Keys] entries written one
// call each next to one batch.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "keys/key_assignments.h"
#include "platform/profile.h"
#include "tools/bench/sample_files.h"

namespace {

namespace fs = std::filesystem;

// A file of its own in a folder of its own, removed afterwards.
class ScratchFile {
  public:
    ScratchFile(const char* name, const std::string& bytes) {
        m_folder =
            fs::temp_directory_path() / ("corvel-platform-bench-" + std::to_string(getpid()));
        fs::create_directories(m_folder);
        m_path = (m_folder / name).string();
        std::ofstream(m_path, std::ios::binary) << bytes;
    }
    ~ScratchFile() { fs::remove_all(m_folder); }
    const std::string& Path() const { return m_path; }

  private:
    fs::path m_folder;
    std::string m_path;
};

void BM_ReadOneValueFromLargeAircraftCfg(benchmark::State& state) {
    const std::string cfg = bench::LargeAircraftCfg();
    ScratchFile file("aircraft.cfg", cfg);
    for (auto _ : state) {
        std::string value =
            profile::GetString(bench::kPayloadSection, bench::kPayloadKey, "", 256, file.Path());
        if (value != bench::kPayloadValue) {
            state.SkipWithError("wrong value read");
            break;
        }
        benchmark::DoNotOptimize(value);
    }
    state.counters["file_bytes"] = static_cast<double>(cfg.size());
}
BENCHMARK(BM_ReadOneValueFromLargeAircraftCfg)->Unit(benchmark::kMicrosecond);

// Each pass writes the other of two catalogues, so every key entry changes.
const std::vector<profile::Entry>& AlternateEntries(int pass) {
    static const std::vector<profile::Entry> entries[2] = {
        keys::KeyAssignmentEntries(bench::ShiftedCatalogue(0)),
        keys::KeyAssignmentEntries(bench::ShiftedCatalogue(1))};
    return entries[pass % 2];
}

void BM_WriteAllKeysOneByOne(benchmark::State& state) {
    ScratchFile prefs("Prefs.cfg", bench::PrefsWithKeys(keys::kDefaultCommands));
    int pass = 1;
    for (auto _ : state) {
        for (const profile::Entry& entry : AlternateEntries(pass)) {
            if (!profile::WriteString(entry.section, entry.key, entry.value, prefs.Path()).ok()) {
                state.SkipWithError("write failed");
                return;
            }
        }
        ++pass;
    }
}
BENCHMARK(BM_WriteAllKeysOneByOne)->Unit(benchmark::kMillisecond);

void BM_WriteAllKeysBatch(benchmark::State& state) {
    ScratchFile prefs("Prefs.cfg", bench::PrefsWithKeys(keys::kDefaultCommands));
    int pass = 1;
    for (auto _ : state) {
        if (!profile::WriteBatch(AlternateEntries(pass), prefs.Path()).ok()) {
            state.SkipWithError("write failed");
            break;
        }
        ++pass;
    }
}
BENCHMARK(BM_WriteAllKeysBatch)->Unit(benchmark::kMicrosecond);

}  // namespace
