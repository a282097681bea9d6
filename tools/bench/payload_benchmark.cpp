// Opening the load manager over a large aircraft.cfg, saving a payload into
// both variants of one, and the recalculation that runs on every slider paint.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "payload/payload_balance.h"
#include "payload/payload_file.h"
#include "payload/payload_model.h"
#include "platform/files.h"
#include "tools/bench/sample_files.h"

namespace {

namespace fs = std::filesystem;

// Read system calls so far (Linux), to count what an opening reads.
double ReadCalls() {
    std::ifstream io("/proc/self/io");
    std::string name;
    double count = 0;
    while (io >> name >> count) {
        if (name == "syscr:") {
            return count;
        }
    }
    return 0;
}

// What the load manager reads when it opens: the payload, the weight and
// balance of the file, the limits.
void BM_OpenLoadManager(benchmark::State& state) {
    fs::path root = fs::temp_directory_path() / ("corvel-open-bench-" + std::to_string(getpid()));
    fs::create_directories(root);
    const std::string path = (root / "Aircraft.cfg").string();
    const std::string cfg =
        bench::LargeAircraftCfg() +
        "[airplane_geometry]\r\nwing_area = 1318 // square feet\r\n"
        "wing_span = 111.9\r\nwing_root_chord = 20.4\r\nwing_sweep = 25\r\n"
        "wing_pos_apex_lon = 11.8\r\n\r\n[fuel]\r\n"
        "LeftMain = -4.5, -14, -1, 1800, 5\r\n"
        "RightMain = -4.5, 14, -1, 1800, 5\r\nCenter1 = -1.5, 0, 0, 2200, 0\r\n";
    std::ofstream(path, std::ios::binary) << cfg;
    const AircraftSpec& a320 = Aircraft(AircraftType::A320);
    const double callsBefore = ReadCalls();
    for (auto _ : state) {
        payload::Opening opening = payload::ReadOpening(path, a320);
        if (opening.load.emptyWeightKg != 42412 || !opening.limits.mtowFromFile ||
            !opening.balance.chord.chord) {
            state.SkipWithError("wrong values read");
            break;
        }
        benchmark::DoNotOptimize(opening);
    }
    state.counters["read_calls"] =
        benchmark::Counter(ReadCalls() - callsBefore, benchmark::Counter::kAvgIterations);
    state.counters["file_bytes"] = static_cast<double>(cfg.size());
    fs::remove_all(root);
}
BENCHMARK(BM_OpenLoadManager)->Unit(benchmark::kMicrosecond);

void BM_SavePayloadBothVariants(benchmark::State& state) {
    fs::path root = fs::temp_directory_path() / ("corvel-bench-" + std::to_string(getpid()));
    AircraftFiles paths = AircraftFilePaths(AircraftType::A320, root.string());
    const std::string cfg = bench::LargeAircraftCfg();
    for (const std::string& path : {paths.base, paths.iae}) {
        fs::path native = files::NativePath(path);
        fs::create_directories(native.parent_path());
        std::ofstream(native, std::ios::binary) << cfg;
    }
    const AircraftSpec& a320 = Aircraft(AircraftType::A320);
    const InstalledVariants installed = FindInstalledVariants(paths);
    uint32_t pax = 0;
    for (auto _ : state) {
        payload::LoadState load{42412, pax % 13, pax % 139, pax % 101, 100 - pax % 101};
        auto failures = payload::SavePayload(paths, installed, load, a320);
        if (!failures.empty()) {
            state.SkipWithError(failures.front().status.reason.c_str());
            break;
        }
        ++pax;
    }
    state.counters["file_bytes"] = static_cast<double>(cfg.size());
    fs::remove_all(root);
}
BENCHMARK(BM_SavePayloadBothVariants)->Unit(benchmark::kMillisecond);

void BM_Recalculate(benchmark::State& state) {
    const AircraftSpec& a320 = Aircraft(AircraftType::A320);
    uint32_t step = 0;
    for (auto _ : state) {
        payload::LoadState load{42412, step % 13, step % 139, step % 101, 100 - step % 101};
        benchmark::DoNotOptimize(
            payload::Recalculate(load, step % 2 ? WeightUnit::Lb : WeightUnit::Kg, a320));
        ++step;
    }
}
BENCHMARK(BM_Recalculate)->Unit(benchmark::kNanosecond);

}  // namespace
