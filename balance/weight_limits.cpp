#include "balance/weight_limits.h"

#include "core/units.h"

namespace balance {

WeightLimits LimitsOf(const AircraftSpec& aircraft, const BalanceFile& file) {
    WeightLimits limits{aircraft.mtowKg, aircraft.mlwKg, aircraft.mzfwKg, false};
    if (file.maxGrossWeightLb) {
        // The reader keeps it within (0, 1e8] lb: the kilograms fit.
        limits.mtowKg = static_cast<int32_t>(*file.maxGrossWeightLb * kKgPerLb + 0.5);
        limits.mtowFromFile = true;
    }
    return limits;
}

}  // namespace balance
