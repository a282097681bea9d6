#include "payload/payload_model.h"

#include <algorithm>

#include "payload/truncate.h"

namespace payload {

uint32_t HoldLoadKg(uint32_t percent, uint32_t holdKg) {
    // percent <= 100 and holdKg < 10000: far from the 32-bit limit.
    return percent * holdKg / 100;
}

LoadState ClampToAircraft(LoadState load, const AircraftSpec& aircraft) {
    auto clamp = [](uint32_t value, int maximum) {
        return std::min(value, static_cast<uint32_t>(maximum));
    };
    load.businessPax = clamp(load.businessPax, aircraft.firstClassSeats);
    load.economyPax = clamp(load.economyPax, aircraft.secondClassSeats);
    load.forwardCargoPercent = clamp(load.forwardCargoPercent, kMaxHoldPercent);
    load.aftCargoPercent = clamp(load.aftCargoPercent, kMaxHoldPercent);
    return load;
}

PayloadFields Recalculate(const LoadState& load, WeightUnit unit, const AircraftSpec& aircraft) {
    // Every product in double, left to right, as the shown numbers must
    // match to the last digit.
    const double f = DisplayFactor(unit);
    PayloadFields out;
    out.businessPax = load.businessPax;
    out.economyPax = load.economyPax;
    out.forwardCargoPercent = load.forwardCargoPercent;
    out.aftCargoPercent = load.aftCargoPercent;

    const uint32_t b = load.businessPax;
    const uint32_t e = load.economyPax;
    out.businessWeight = Round<uint32_t>(static_cast<double>(b * kPassengerKg) * f);
    out.economyWeight = Round<uint32_t>(static_cast<double>(e * kPassengerKg) * f);
    out.paxWeight = Trunc<uint32_t>(static_cast<double>((b + e) * kPassengerKg) * f);

    const uint32_t forwardKg = HoldLoadKg(load.forwardCargoPercent, aircraft.forwardHoldKg);
    const uint32_t aftKg = HoldLoadKg(load.aftCargoPercent, aircraft.aftHoldKg);
    out.forwardCargoWeight = Round<int32_t>(forwardKg * f);
    out.aftCargoWeight = Round<int32_t>(aftKg * f);
    out.cargoWeight = out.forwardCargoWeight + out.aftCargoWeight;

    out.aircraftWeight = Trunc<uint32_t>(load.emptyWeightKg * f);

    // The ZFW in kilograms comes from the totals as shown, already rounded.
    const int64_t shown = int64_t{out.paxWeight} + out.cargoWeight;
    out.currentZfwKg = Trunc<int32_t>(static_cast<double>(shown) / f + load.emptyWeightKg);
    out.zfw = Round<uint32_t>(out.currentZfwKg * f);
    return out;
}

}  // namespace payload
