// The one-line weight-and-balance summaries of the load manager and the
// Fuel Planner, in the unit the dialog shows. Text is UTF-8: thousands are
// grouped with a no-break space (U+00A0), which every dialog font has and
// which keeps a number on one line; parts are separated by " · ".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "balance/balance_file.h"
#include "balance/weight_limits.h"
#include "core/units.h"

namespace balance {

// "65 240" with a no-break space between the groups of three.
std::string GroupedNumber(int64_t value);

// A weight in the unit, rounded to the nearest whole unit: "65 240 kg".
std::string WeightText(int64_t kg, WeightUnit unit);

// Where a CG is checked: the aircraft's own limits when its file has them;
// otherwise the usual range of this family, only marked as unusual.
constexpr CgRange kUsualCgRange{15.0, 40.0};

struct StatusLine {
    std::string text;
    bool warning = false;  // a limit is exceeded, or the CG is unusual
};

// The load manager: "ZFW CG 27.4 % MAC · 2 601 kg below MZFW".
StatusLine ZeroFuelStatus(const CgResult& cg, const std::optional<CgRange>& cgLimits, int64_t zfwKg,
                          const WeightLimits& limits, WeightUnit unit);

// The Fuel Planner before a plan: "MTOW 78 000 kg · MLW 66 000 kg · MZFW 62 500 kg".
StatusLine LimitsStatus(const WeightLimits& limits, WeightUnit unit);

// The Fuel Planner after Validate:
// "TOW 65 240 kg · LW 61 105 kg · TOW CG 26.1 % MAC".
StatusLine TakeOffStatus(int64_t towKg, int64_t lwKg, const CgResult& cg,
                         const std::optional<CgRange>& cgLimits, const WeightLimits& limits,
                         WeightUnit unit);

}  // namespace balance
