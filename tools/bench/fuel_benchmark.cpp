// The time of one fuel plan, and of one Validate's worth of field work.
#include <benchmark/benchmark.h>

#include "fuel/fuel_computation.h"
#include "fuel/fuel_fields.h"

namespace {

void BM_ComputeFuelPlan(benchmark::State& state) {
    int32_t distanceNm = 500;
    for (auto _ : state) {
        benchmark::DoNotOptimize(distanceNm);
        auto plan =
            fuel::ComputeFuelPlan(AircraftType::A320, distanceNm, 35000, 50, 60000, 200, 5, 1000);
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(BM_ComputeFuelPlan);

void BM_PlanFromFields(benchmark::State& state) {
    const fuel::PlannerInput input{"500", "35000", "50", "132275", "440", "5", "2204"};
    for (auto _ : state) {
        auto result = fuel::PlanFromFields(AircraftType::A320, input, WeightUnit::Lb);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_PlanFromFields);

}  // namespace
