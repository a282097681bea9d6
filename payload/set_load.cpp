#include "payload/set_load.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "payload/payload_balance.h"

namespace payload {

namespace {

// What the request asks for, checked against the aircraft.
struct Asked {
    SetLoadError error = SetLoadError::None;
    uint32_t passengers = 0;  // on the sliders, a kept crew included
    uint32_t firstShare = 0;  // first class of the proportional split
    uint32_t firstMin = 0;    // first class the seats allow
    uint32_t firstMax = 0;
    int64_t cargoKg = 0;
    int64_t zfwKg = 0;
};

uint32_t Seats(int seats) {
    return static_cast<uint32_t>(std::max(seats, 0));
}

uint32_t CargoKg(uint32_t forward, uint32_t aft, const AircraftSpec& aircraft) {
    return HoldLoadKg(forward, aircraft.forwardHoldKg) + HoldLoadKg(aft, aircraft.aftHoldKg);
}

int64_t Gap(int64_t a, int64_t b) {
    return a > b ? a - b : b - a;
}

Asked Check(const SetLoadRequest& request, const LoadState& current, const AircraftSpec& aircraft) {
    Asked asked;
    if (request.passengers < 0 || request.weightKg < 0) {
        asked.error = SetLoadError::Negative;
        return asked;
    }
    const uint32_t first = Seats(aircraft.firstClassSeats);
    const uint32_t second = Seats(aircraft.secondClassSeats);
    const auto pax = static_cast<uint32_t>(request.passengers);
    if (request.seating == Seating::GuestsOnly) {
        if (pax > second) {
            asked.error = SetLoadError::TooManyPassengers;
            return asked;
        }
        const uint32_t crew = std::min(current.businessPax, first);
        asked.passengers = crew + pax;
        asked.firstShare = asked.firstMin = asked.firstMax = crew;
    } else {
        if (pax > first + second) {
            asked.error = SetLoadError::TooManyPassengers;
            return asked;
        }
        asked.passengers = pax;
        asked.firstShare = FirstClassShare(pax, aircraft);
        asked.firstMin = pax > second ? pax - second : 0;
        asked.firstMax = std::min(pax, first);
    }
    // In 64 bits: the empty weight is any int32_t the file gave.
    const int64_t loadedKg =
        int64_t{current.emptyWeightKg} + int64_t{asked.passengers} * kPassengerKg;
    const int64_t holdsKg = CargoKg(kMaxHoldPercent, kMaxHoldPercent, aircraft);
    if (request.given == GivenWeight::Cargo) {
        asked.cargoKg = request.weightKg;
        asked.zfwKg = loadedKg + asked.cargoKg;
        if (asked.cargoKg > holdsKg) {
            asked.error = SetLoadError::CargoBeyondHolds;
        }
    } else {
        asked.zfwKg = request.weightKg;
        asked.cargoKg = asked.zfwKg - loadedKg;
        if (asked.cargoKg < 0) {
            asked.error = SetLoadError::ZfwBelowLoad;
        } else if (asked.cargoKg > holdsKg) {
            asked.error = SetLoadError::ZfwBeyondReach;
        }
    }
    return asked;
}

LoadPlan PlanOf(const Asked& asked, const LoadState& current, uint32_t firstClass, uint32_t forward,
                uint32_t aft, const AircraftSpec& aircraft) {
    LoadPlan plan;
    plan.load = current;
    plan.load.businessPax = firstClass;
    plan.load.economyPax = asked.passengers - firstClass;
    plan.load.forwardCargoPercent = forward;
    plan.load.aftCargoPercent = aft;
    plan.cargoKg = CargoKg(forward, aft, aircraft);
    plan.cargoMissKg = int64_t{plan.cargoKg} - asked.cargoKg;
    plan.zfwKg =
        int64_t{current.emptyWeightKg} + int64_t{asked.passengers} * kPassengerKg + plan.cargoKg;
    plan.aboveMzfw = std::max(asked.zfwKg, plan.zfwKg) > aircraft.mzfwKg;
    return plan;
}

SetLoadResult Failed(SetLoadError error) {
    SetLoadResult result;
    result.error = error;
    return result;
}

}  // namespace

uint32_t FirstClassShare(uint32_t passengers, const AircraftSpec& aircraft) {
    const uint32_t first = Seats(aircraft.firstClassSeats);
    const uint32_t second = Seats(aircraft.secondClassSeats);
    const uint32_t all = first + second;
    if (all == 0) {
        return 0;
    }
    // Half up: (2 n f + all) / (2 all); a few hundred seats, far within 32 bits.
    const uint32_t share = (2 * passengers * first + all) / (2 * all);
    return passengers - share > second ? passengers - second : share;
}

SetLoadResult SetLoad(const SetLoadRequest& request, const LoadState& current,
                      const AircraftSpec& aircraft) {
    const Asked asked = Check(request, current, aircraft);
    if (asked.error != SetLoadError::None) {
        return Failed(asked.error);
    }
    auto key = [&](uint32_t forward, uint32_t aft) {
        return std::make_tuple(Gap(CargoKg(forward, aft, aircraft), asked.cargoKg),
                               Gap(forward, aft), forward);
    };
    uint32_t bestForward = 0;
    uint32_t bestAft = 0;
    auto best = key(0, 0);
    for (uint32_t forward = 0; forward <= kMaxHoldPercent; ++forward) {
        for (uint32_t aft = 0; aft <= kMaxHoldPercent; ++aft) {
            const auto candidate = key(forward, aft);
            if (candidate < best) {
                best = candidate;
                bestForward = forward;
                bestAft = aft;
            }
        }
    }
    SetLoadResult result;
    result.plan = PlanOf(asked, current, asked.firstShare, bestForward, bestAft, aircraft);
    return result;
}

SetLoadResult SetLoadForCg(const SetLoadRequest& request, double targetPercentMac,
                           const LoadState& current, const AircraftSpec& aircraft,
                           const balance::BalanceFile& file) {
    const Asked asked = Check(request, current, aircraft);
    if (asked.error != SetLoadError::None) {
        return Failed(asked.error);
    }
    const int64_t stepKg = HoldLoadKg(1, std::max(aircraft.forwardHoldKg, aircraft.aftHoldKg));
    // The order of preference; the CG distance first.
    using Key = std::tuple<double, int64_t, int64_t, uint32_t, uint32_t>;
    std::optional<Key> best;
    std::optional<LoadPlan> bestPlan;
    double lowest = 0;
    double highest = 0;
    std::string whyNot;
    for (uint32_t forward = 0; forward <= kMaxHoldPercent; ++forward) {
        for (uint32_t aft = 0; aft <= kMaxHoldPercent; ++aft) {
            const int64_t miss = Gap(CargoKg(forward, aft, aircraft), asked.cargoKg);
            if (miss > stepKg) {
                continue;
            }
            for (uint32_t first = asked.firstMin; first <= asked.firstMax; ++first) {
                LoadPlan plan = PlanOf(asked, current, first, forward, aft, aircraft);
                const balance::CgResult cg =
                    balance::ZeroFuelCg(LoadedFile(plan.load, file, aircraft));
                if (!cg.percentMac) {
                    whyNot = cg.whyNot;
                    continue;
                }
                const double percent = *cg.percentMac;
                lowest = bestPlan ? std::min(lowest, percent) : percent;
                highest = bestPlan ? std::max(highest, percent) : percent;
                const Key key{std::fabs(percent - targetPercentMac),
                              Gap(forward, aft) + Gap(first, asked.firstShare), miss, forward,
                              first};
                if (!best || key < *best) {
                    best = key;
                    plan.cgPercentMac = percent;
                    bestPlan = plan;
                }
            }
        }
    }
    if (!bestPlan) {
        SetLoadResult result = Failed(SetLoadError::NoCg);
        result.whyNoCg = whyNot;
        return result;
    }
    // Not a number lies in no range: the forward end is offered.
    if (!(targetPercentMac >= lowest && targetPercentMac <= highest)) {
        SetLoadResult result = Failed(SetLoadError::CgOutOfReach);
        result.nearestCg = targetPercentMac > highest ? highest : lowest;
        return result;
    }
    SetLoadResult result;
    result.plan = bestPlan;
    return result;
}

std::string WhyNoCgTarget(const LoadState& current, const AircraftSpec& aircraft,
                          const balance::BalanceFile& file) {
    return balance::ZeroFuelCg(LoadedFile(current, file, aircraft)).whyNot;
}

}  // namespace payload
