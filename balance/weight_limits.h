// The certified weights an aircraft is checked against: the type's row,
// with the aircraft's own maximum take-off weight when its file gives one.
#pragma once

#include <cstdint>

#include "balance/balance_file.h"
#include "core/aircraft.h"

namespace balance {

struct WeightLimits {
    int32_t mtowKg = 0;
    int32_t mlwKg = 0;
    int32_t mzfwKg = 0;
    bool mtowFromFile = false;  // max_gross_weight of aircraft.cfg
};

// max_gross_weight (pounds) is rounded to the kilogram, as the empty
// weight is.
WeightLimits LimitsOf(const AircraftSpec& aircraft, const BalanceFile& file);

}  // namespace balance
