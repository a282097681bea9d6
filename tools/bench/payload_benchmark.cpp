// Saving a payload into both variants of a large aircraft.cfg, and the
// recalculation that runs on every slider paint.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "payload/payload_file.h"
#include "payload/payload_model.h"
#include "platform/files.h"
#include "tools/bench/sample_files.h"

namespace {

namespace fs = std::filesystem;

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
