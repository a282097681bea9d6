// Key Assignments against an existing preferences file: OK writes all 182
// [Keys] entries, each opening reads them all back.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "keys/command_catalogue.h"
#include "keys/key_assignments.h"

namespace {

namespace fs = std::filesystem;

// A preferences file as the add-on leaves it: [Common] and every [Keys] row.
class PrefsFile {
  public:
    PrefsFile() {
        m_folder = fs::temp_directory_path() / "corvel-keys-benchmark";
        fs::create_directories(m_folder);
        m_path = (m_folder / "Prefs.cfg").string();
        std::ofstream file(m_path, std::ios::binary);
        file << "[Common]\r\nUnitSystem=0\r\nPushbackType=1\r\nUserExperience=1\r\n"
                "PanelVolume=80\r\nIRSAlignmentTime=2\r\nModifier=1\r\nLocker=0\r\n"
                "AutoPause=0\r\nFsuipcUsage=0\r\nFMGCSaveMode=1\r\n\r\n[Keys]\r\n";
        for (size_t i = 0; i < keys::kCommandCount; ++i) {
            file << keys::ModifierEntryName(i) << '=' << keys::kDefaultCommands[i].modifier
                 << "\r\n"
                 << keys::KeyEntryName(i) << '=' << keys::kDefaultCommands[i].key << "\r\n";
        }
    }
    ~PrefsFile() { fs::remove_all(m_folder); }
    const std::string& Path() const { return m_path; }

  private:
    fs::path m_folder;
    std::string m_path;
};

void SaveAllKeys(benchmark::State& state) {
    PrefsFile prefs;
    keys::CommandCatalogue catalogue = keys::kDefaultCommands;
    int32_t key = 0;
    for (auto _ : state) {
        // A binding changes each time, so every save really rewrites the file.
        catalogue[40].key = ++key % 100;
        if (!keys::SaveKeyAssignments(catalogue, prefs.Path()).ok()) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(SaveAllKeys)->Unit(benchmark::kMicrosecond);

void LoadAllKeys(benchmark::State& state) {
    PrefsFile prefs;
    keys::CommandCatalogue catalogue = keys::kDefaultCommands;
    for (auto _ : state) {
        keys::LoadKeyAssignments(catalogue, prefs.Path());
        benchmark::DoNotOptimize(catalogue);
    }
}
BENCHMARK(LoadAllKeys)->Unit(benchmark::kMicrosecond);

}  // namespace
