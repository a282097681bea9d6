// The payload model: per-aircraft constants, the load state and the numbers
// a load manager shows for it, including the zero-fuel weight.
#pragma once

#include <cstdint>

#include "app/aircraft_type.h"

namespace payload {

struct PayloadConstants {
    AircraftType aircraft;
    int firstClassSeats;   // Business (Crew on the ACJ)
    int secondClassSeats;  // Economy (Guests on the ACJ)
    int defaultEmptyWeightLb;
    uint32_t forwardHoldKg;  // load at 100 %
    uint32_t aftHoldKg;
};

// One row per aircraft, A318 first; both engine variants share a row.
constexpr PayloadConstants kPayloadConstants[kAircraftCount] = {
    {AircraftType::A318, 8, 99, 86650, 1614, 2131},
    {AircraftType::A319, 8, 116, 89500, 2260, 3020},
    {AircraftType::A320, 12, 138, 93500, 3402, 4536},
    {AircraftType::A321, 16, 169, 106300, 5670, 5670},
    {AircraftType::ACJ, 6, 36, 89500, 2260, 3020},
};

// Only for IsAircraft(aircraft).
constexpr const PayloadConstants& ConstantsFor(AircraftType aircraft) {
    return kPayloadConstants[AircraftIndex(aircraft)];
}

constexpr int kPassengerKg = 75;
constexpr int kMaxHoldPercent = 100;

// Display unit factors. The pound factor is single precision on purpose:
// the shown pounds differ in the last digit from the file's conversion.
constexpr float kKilogramFactor = 1.0f;
constexpr float kPoundFactor = 2.2045855f;

// What one load manager knows of its aircraft's payload. Counts and
// percentages stay within the seats and 0 to 100.
struct LoadState {
    int32_t emptyWeightKg = 0;
    uint32_t businessPax = 0;
    uint32_t economyPax = 0;
    uint32_t forwardCargoPercent = 0;
    uint32_t aftCargoPercent = 0;
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

// The numbers shown for a load state in the unit of unitFactor
// (kKilogramFactor or kPoundFactor).
PayloadFields Recalculate(const LoadState& load, float unitFactor,
                          const PayloadConstants& constants);

// Counts and percentages held within the seats and 0 to 100, as the
// sliders hold them.
LoadState ClampToAircraft(LoadState load, const PayloadConstants& constants);

// The hold load in whole kilograms, truncated.
uint32_t HoldLoadKg(uint32_t percent, uint32_t holdKg);

}  // namespace payload
