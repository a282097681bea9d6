// The payload model: the load state and the numbers a load manager shows
// for it, including the zero-fuel weight. Seats and holds come from the
// aircraft's row (core/aircraft.h).
#pragma once

#include <cstdint>

#include "core/aircraft.h"
#include "core/units.h"

namespace payload {

constexpr int kMaxHoldPercent = 100;

// What one load manager knows of its aircraft's payload. Counts and
// percentages stay within the seats and 0 to 100.
struct LoadState {
    int32_t emptyWeightKg = 0;
    uint32_t businessPax = 0;
    uint32_t economyPax = 0;
    uint32_t forwardCargoPercent = 0;
    uint32_t aftCargoPercent = 0;

    bool operator==(const LoadState& other) const {
        return emptyWeightKg == other.emptyWeightKg && businessPax == other.businessPax &&
               economyPax == other.economyPax && forwardCargoPercent == other.forwardCargoPercent &&
               aftCargoPercent == other.aftCargoPercent;
    }
    bool operator!=(const LoadState& other) const { return !(*this == other); }
};

// Every number of a load manager, in the display unit where it is a weight.
struct PayloadFields {
    uint32_t businessPax = 0;  // counts and percentages, as the sliders stand
    uint32_t economyPax = 0;
    uint32_t forwardCargoPercent = 0;
    uint32_t aftCargoPercent = 0;
    uint32_t businessWeight = 0;
    uint32_t economyWeight = 0;
    uint32_t paxWeight = 0;  // from the total count, not the sum of the two
    int32_t forwardCargoWeight = 0;
    int32_t aftCargoWeight = 0;
    int32_t cargoWeight = 0;
    uint32_t aircraftWeight = 0;  // the empty weight
    uint32_t zfw = 0;
    int32_t currentZfwKg = 0;  // from the shown totals, so it can differ by 1 kg per unit
};

// The numbers shown for a load state in a unit.
PayloadFields Recalculate(const LoadState& load, WeightUnit unit, const AircraftSpec& aircraft);

// Counts and percentages held within the seats and 0 to 100, as the
// sliders hold them.
LoadState ClampToAircraft(LoadState load, const AircraftSpec& aircraft);

// The hold load in whole kilograms, truncated.
uint32_t HoldLoadKg(uint32_t percent, uint32_t holdKg);

}  // namespace payload
