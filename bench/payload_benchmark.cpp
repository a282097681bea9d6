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

namespace {

namespace fs = std::filesystem;

// About 60 KB: many sections and comments, the payload section in the middle.
std::string LargeAircraftCfg() {
    std::string text;
    for (int i = 0; text.size() < 30000; ++i) {
        text += "[fltsim." + std::to_string(i) + "]\r\ntitle=Zelvia A320 livery " +
                std::to_string(i) + "\r\nsim=Zelvia\r\nmodel=\r\ntexture=" + std::to_string(i) +
                "\r\n; a comment that the simulator ignores and the program keeps\r\n\r\n";
    }
    text +=
        "[WEIGHT_AND_BALANCE]\r\nmax_gross_weight = 169756\r\nempty_weight = 93500\r\n"
        "station_load.0 = \"170, 40.0, -1.5, 2.0\"\r\nstation_load.1 = \"170, 40.0, 1.5, 2.0\"\r\n"
        "station_load.2 = \"1000, 16.0, 0.0, 0.0, Baggage\"\r\n"
        "station_load.3 = \"2000, 0.0, 0.0, 0.0, Cargo\"\r\n"
        "station_load.4 = \"1500, 26.0, 0.0, 0.0, First\"\r\n"
        "station_load.5 = \"20000, 0.0, 0.0, 0.0, Coach\"\r\n\r\n";
    for (int i = 0; text.size() < 60000; ++i) {
        text += "[section_" + std::to_string(i) + "]\r\nkey_a = " + std::to_string(i * 7) +
                "\r\nkey_b = 0.25, 0.5, 0.75\r\n// keep this line exactly as it is\r\n\r\n";
    }
    return text;
}

void BM_SavePayloadBothVariants(benchmark::State& state) {
    fs::path root = fs::temp_directory_path() / ("corvel-bench-" + std::to_string(getpid()));
    AircraftFiles paths = AircraftFilePaths(AircraftType::A320, root.string());
    const std::string cfg = LargeAircraftCfg();
    for (const std::string& path : {paths.base, paths.iae}) {
        fs::path native = files::NativePath(path);
        fs::create_directories(native.parent_path());
        std::ofstream(native, std::ios::binary) << cfg;
    }
    const payload::PayloadConstants& a320 = payload::ConstantsFor(AircraftType::A320);
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
    const payload::PayloadConstants& a320 = payload::ConstantsFor(AircraftType::A320);
    uint32_t step = 0;
    for (auto _ : state) {
        payload::LoadState load{42412, step % 13, step % 139, step % 101, 100 - step % 101};
        benchmark::DoNotOptimize(payload::Recalculate(
            load, step % 2 ? payload::kPoundFactor : payload::kKilogramFactor, a320));
        ++step;
    }
}
BENCHMARK(BM_Recalculate)->Unit(benchmark::kNanosecond);

}  // namespace
