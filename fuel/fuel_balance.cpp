#include "fuel/fuel_balance.h"

#include <algorithm>
#include <limits>

namespace fuel {

balance::StatusLine TakeOffLine(AircraftType aircraft, const PlannerResult& result,
                                const balance::BalanceFile& file,
                                const balance::WeightLimits& limits, WeightUnit unit) {
    const int64_t towKg = int64_t{result.zfwKg} + result.plan.fobKg - result.taxiKg;
    const int64_t lwKg = towKg - result.plan.tripKg;

    const int64_t takeOffFuelKg = std::clamp<int64_t>(int64_t{result.plan.fobKg} - result.taxiKg, 0,
                                                      std::numeric_limits<int32_t>::max());
    const FuelPlan tanks = SplitFuel(aircraft, static_cast<int32_t>(takeOffFuelKg));
    balance::TankFuel fuel;
    const auto at = [&fuel](balance::FuelTank tank) -> double& {
        return fuel.kg[static_cast<int>(tank)];
    };
    at(balance::FuelTank::LeftOuter) = tanks.outerKg;
    at(balance::FuelTank::LeftInner) = tanks.innerKg;
    at(balance::FuelTank::Center) = tanks.centerKg;
    at(balance::FuelTank::RightInner) = tanks.innerKg;
    at(balance::FuelTank::RightOuter) = tanks.outerKg;

    return balance::TakeOffStatus(towKg, lwKg, balance::TakeOffCg(file, result.zfwKg, fuel),
                                  file.cgLimits, limits, unit);
}

}  // namespace fuel
