#include "fuel/fuel_computation.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

#include "core/units.h"
#include "fuel/fuel_tables.h"

namespace fuel {

namespace {

// Single-precision constants of the performance model.
constexpr float kPerSpeedUnit = 0.0033333334f;  // a speed figure of 300 is a factor of 1
constexpr float kPerMinute = 0.016666668f;      // kg/h to kg/min
constexpr float kFlowMargin = 1.1f;
constexpr float kPerCent = 0.01f;
constexpr int kEngines = 2;
constexpr int32_t kFirstGuessKgPerNm = 20;

// The profiles are scaled by whole tonnes above these weights over the
// empty weight.
constexpr int64_t kClimbReferenceKg = 8400;
constexpr int64_t kDescentReferenceKg = 5610;

constexpr int32_t kProfileTopFt = 33000;
constexpr int32_t kDescentFloorFt = 2000;
constexpr double kApproachDistanceNm = 15.0;
constexpr double kApproachFuelKg = 250.0;
constexpr double kDescentEstimateNm = 50.0;

const AircraftSpec& Data(AircraftType aircraft) {
    assert(IsAircraft(aircraft));
    return Aircraft(aircraft);
}

int32_t WeightStep(AircraftType aircraft, int32_t weightKg, int64_t referenceKg) {
    // |result| stays below 2.2 million for any 32-bit weight.
    return static_cast<int32_t>((weightKg - int64_t{EmptyWeightKg(aircraft)} - referenceKg) / 1000);
}

using Column = float ProfileLevel::*;

float ProfileValue(const ProfileLevel& level, int32_t step, Column slope, Column base) {
    return static_cast<float>(static_cast<double>(step) * (level.*slope) + (level.*base));
}

double ClimbLookup(AircraftType aircraft, int32_t altitudeFt, int32_t weightKg, Column slope,
                   Column base) {
    int32_t step = WeightStep(aircraft, weightKg, kClimbReferenceKg);
    // Above the profile the last interval is continued; below the ground
    // (never asked for) the first one.
    int k = 0;
    if (altitudeFt >= kProfileTopFt) {
        k = kClimbLevels - 2;
    } else if (altitudeFt >= 0) {
        k = altitudeFt / 1000;
    }
    double lower = ProfileValue(kClimbProfile[k], step, slope, base);
    double upper = ProfileValue(kClimbProfile[k + 1], step, slope, base);
    if (altitudeFt >= kProfileTopFt) {
        return upper + (upper - lower) / 1000 * (static_cast<double>(altitudeFt) - kProfileTopFt);
    }
    return lower + (upper - lower) / 1000 * (static_cast<double>(altitudeFt) - k * 1000);
}

struct DescentValues {
    double distanceNm;
    double fuelKg;
};

// Both descent columns in one pass: the two running sums are independent,
// so they overlap instead of waiting on each other.
DescentValues DescentLookup(AircraftType aircraft, int32_t altitudeFt, int32_t weightKg) {
    if (altitudeFt < kDescentFloorFt) {
        return {0.0, 0.0};
    }
    const double step = WeightStep(aircraft, weightKg, kDescentReferenceKg);
    auto distanceSpent = [&](int k) {
        return static_cast<float>(step * kDescentProfile[k].distanceSlope +
                                  kDescentProfile[k].distanceBaseNm);
    };
    auto fuelSpent = [&](int k) {
        return static_cast<float>(step * kDescentProfile[k].fuelSlope +
                                  kDescentProfile[k].fuelBaseKg);
    };
    // The profile runs from the top down; what is left to spend below each
    // level is accumulated from the bottom up, in float as it is kept.
    float distanceLeft[kDescentLevels];
    float fuelLeft[kDescentLevels];
    distanceLeft[kDescentLevels - 1] = 0.0f;
    fuelLeft[kDescentLevels - 1] = 0.0f;
    float distanceBelow = distanceSpent(kDescentLevels - 1);
    float fuelBelow = fuelSpent(kDescentLevels - 1);
    for (int k = kDescentLevels - 2; k >= 0; --k) {
        float distanceHere = distanceSpent(k);
        float fuelHere = fuelSpent(k);
        distanceLeft[k] = static_cast<float>(static_cast<double>(distanceLeft[k + 1]) +
                                             distanceBelow - distanceHere);
        fuelLeft[k] =
            static_cast<float>(static_cast<double>(fuelLeft[k + 1]) + fuelBelow - fuelHere);
        distanceBelow = distanceHere;
        fuelBelow = fuelHere;
    }

    auto lookup = [altitudeFt](const float* left) -> double {
        if (altitudeFt > kProfileTopFt) {
            return left[0] + (static_cast<double>(left[0]) - left[5]) *
                                 (static_cast<double>(altitudeFt) - kProfileTopFt) / 5000;
        }
        if (altitudeFt == kProfileTopFt) {
            return left[0];
        }
        int k = (kProfileTopFt - altitudeFt - 1) / 1000;  // L_k > h >= L_(k+1)
        int32_t lowerLevelFt = kProfileTopFt - 1000 * (k + 1);
        return left[k + 1] -
               (static_cast<double>(left[k + 1]) - left[k]) / 1000 * (altitudeFt - lowerLevelFt);
    };
    return {lookup(distanceLeft), lookup(fuelLeft)};
}

// The speed figure before it becomes an integer: at most 340, unbounded
// below for absurd inputs.
double SpeedFigure(int32_t altitudeFt, int32_t costIndex, double perCostIndex, double offset) {
    int64_t q = (kProfileTopFt - int64_t{altitudeFt}) / 1000;
    return std::min(340.0, std::floor(static_cast<double>(q) + perCostIndex * costIndex + offset));
}

double ClimbSpeedFigure(int32_t altitudeFt, int32_t costIndex) {
    return SpeedFigure(altitudeFt, costIndex, 0.38, 281.5);
}

double DescentSpeedFigure(int32_t altitudeFt, int32_t costIndex) {
    return SpeedFigure(altitudeFt, costIndex, 1.18, 241.5);
}

int32_t SaturatedSpeed(double figure) {
    constexpr double kLowest = std::numeric_limits<int32_t>::min();
    return figure < kLowest ? std::numeric_limits<int32_t>::min() : static_cast<int32_t>(figure);
}

// The cruise table row at or above the altitude (r with altitude_(r+1) <
// h <= altitude_r), or -1 outside the table.
int CruiseRowIndex(int32_t altitudeFt) {
    for (int r = 0; r + 1 < kCruiseRows; ++r) {
        if (kCruiseTable[r + 1].altitudeFt < altitudeFt &&
            altitudeFt <= kCruiseTable[r].altitudeFt) {
            return r;
        }
    }
    return -1;
}

// The weight column at or below the weight (c with weight_c <= W <
// weight_(c+1)), or -1 outside the table.
int CruiseColumnIndex(int32_t weightKg) {
    for (int c = 0; c + 1 < kCruiseWeights; ++c) {
        if (kCruiseWeightKg[c] <= weightKg && weightKg < kCruiseWeightKg[c + 1]) {
            return c;
        }
    }
    return -1;
}

std::optional<int32_t> Checked(int64_t value) {
    if (value < std::numeric_limits<int32_t>::min() ||
        value > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

}  // namespace

std::optional<int32_t> TruncToInt32(double value) {
    // The open interval keeps every value whose truncation fits; NaN fails
    // both comparisons.
    if (!(value > -2147483649.0 && value < 2147483648.0)) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

int32_t TankCapacity(AircraftType aircraft, Tank tank) {
    const AircraftSpec& data = Data(aircraft);
    switch (tank) {
        case Tank::Inner:
            return data.innerTankKg;
        case Tank::Outer:
            return data.outerTankKg;
        case Tank::Center:
            return data.centerTankKg;
    }
    return 0;
}

int32_t TotalCapacityKg(AircraftType aircraft) {
    const AircraftSpec& data = Data(aircraft);
    return 2 * data.innerTankKg + 2 * data.outerTankKg + data.centerTankKg;
}

int32_t EmptyWeightKg(AircraftType aircraft) {
    return static_cast<int32_t>(static_cast<double>(Data(aircraft).defaultEmptyWeightLb) *
                                kKgPerLb);
}

int32_t ClimbSpeed(int32_t altitudeFt, int32_t costIndex) {
    return SaturatedSpeed(ClimbSpeedFigure(altitudeFt, costIndex));
}

int32_t DescentSpeed(int32_t altitudeFt, int32_t costIndex) {
    return SaturatedSpeed(DescentSpeedFigure(altitudeFt, costIndex));
}

double ClimbDistance(AircraftType aircraft, int32_t altitudeFt, int32_t weightKg) {
    return ClimbLookup(aircraft, altitudeFt, weightKg, &ProfileLevel::distanceSlope,
                       &ProfileLevel::distanceBaseNm);
}

double ClimbFuel(AircraftType aircraft, int32_t altitudeFt, int32_t weightKg) {
    return ClimbLookup(aircraft, altitudeFt, weightKg, &ProfileLevel::fuelSlope,
                       &ProfileLevel::fuelBaseKg);
}

double DescentDistance(AircraftType aircraft, int32_t altitudeFt, int32_t weightKg) {
    return DescentLookup(aircraft, altitudeFt, weightKg).distanceNm + kApproachDistanceNm;
}

double DescentFuel(AircraftType aircraft, int32_t altitudeFt, int32_t weightKg) {
    return DescentLookup(aircraft, altitudeFt, weightKg).fuelKg + kApproachFuelKg;
}

double CruiseSpeed(int32_t altitudeFt) {
    int r = CruiseRowIndex(altitudeFt);
    if (r < 0) {
        return kCruiseTable[kCruiseRows - 1].speedKt;
    }
    const CruiseRow& upper = kCruiseTable[r];
    const CruiseRow& lower = kCruiseTable[r + 1];
    return upper.speedKt - static_cast<double>(upper.altitudeFt - altitudeFt) /
                               (upper.altitudeFt - lower.altitudeFt) *
                               (upper.speedKt - lower.speedKt);
}

double CruiseTime(int32_t altitudeFt, float distanceNm) {
    return distanceNm / CruiseSpeed(altitudeFt) * 60;
}

double CruiseFuelFlow(int32_t altitudeFt, int32_t weightKg) {
    int r = CruiseRowIndex(altitudeFt);
    // Outside the table's altitudes: its top row above it, its bottom row
    // below, interpolated over weight alone.
    double t = 0.0;
    int upperRow = 0;
    int lowerRow = 0;
    if (r >= 0) {
        upperRow = r;
        lowerRow = r + 1;
        t = static_cast<double>(kCruiseTable[r].altitudeFt - altitudeFt) /
            (kCruiseTable[r].altitudeFt - kCruiseTable[r + 1].altitudeFt);
    } else if (altitudeFt <= kCruiseTable[kCruiseRows - 1].altitudeFt) {
        upperRow = lowerRow = kCruiseRows - 1;
    }
    const int32_t* upper = kCruiseTable[upperRow].flowKgPerHour;
    const int32_t* lower = kCruiseTable[lowerRow].flowKgPerHour;

    double flow = 0.0;
    int c = CruiseColumnIndex(weightKg);
    if (c >= 0) {
        double lo = upper[c] - (upper[c] - lower[c]) * t;
        double hi = upper[c + 1] - (upper[c + 1] - lower[c + 1]) * t;
        double u = static_cast<double>(weightKg - kCruiseWeightKg[c]) /
                   (kCruiseWeightKg[c + 1] - kCruiseWeightKg[c]);
        flow = lo + (hi - lo) * u;
    } else if (weightKg < kCruiseWeightKg[0]) {
        flow = upper[0];
    } else {
        flow = upper[kCruiseWeights - 1];
    }
    return flow * kFlowMargin;
}

std::optional<int32_t> TripFuel(AircraftType aircraft, int32_t distanceNm, int32_t altitudeFt,
                                int32_t costIndex, int32_t startWeightKg) {
    const int32_t h = altitudeFt;
    double climbSpeed = ClimbSpeedFigure(h, costIndex);
    double descentSpeed = DescentSpeedFigure(h, costIndex);
    if (!TruncToInt32(climbSpeed) || !TruncToInt32(descentSpeed)) {
        return std::nullopt;
    }

    float kc = static_cast<float>(climbSpeed * kPerSpeedUnit);
    if (kc == 0.0f) {
        return std::nullopt;  // a zero climb speed has no cruise time
    }
    float climbFuel = static_cast<float>(ClimbFuel(aircraft, h, startWeightKg) * kc);
    float climbDist = static_cast<float>(ClimbDistance(aircraft, h, startWeightKg));
    std::optional<int32_t> topOfClimbKg =
        TruncToInt32(startWeightKg - static_cast<double>(climbFuel));
    if (!topOfClimbKg) {
        return std::nullopt;
    }
    float d1 = static_cast<float>(distanceNm - static_cast<double>(climbDist));
    float kinv = static_cast<float>(1.0 / kc);

    // First cruise estimate, assuming a 50 NM descent, for the weight at the
    // top of descent.
    double cruiseFlow = CruiseFuelFlow(h, *topOfClimbKg);
    float firstCruiseNm = static_cast<float>(d1 - kDescentEstimateNm);
    float t1 = static_cast<float>(CruiseTime(h, firstCruiseNm) * kinv);
    std::optional<int32_t> topOfDescentKg =
        TruncToInt32(*topOfClimbKg - cruiseFlow * kEngines * t1 * kc * kPerMinute);
    if (!topOfDescentKg) {
        return std::nullopt;
    }

    float kd = static_cast<float>(descentSpeed * kPerSpeedUnit);
    DescentValues descent = DescentLookup(aircraft, h, *topOfDescentKg);
    float descentDist = static_cast<float>(descent.distanceNm + kApproachDistanceNm);
    float descentFuel = static_cast<float>((descent.fuelKg + kApproachFuelKg) * kd);
    float d2 = static_cast<float>(d1 - static_cast<double>(descentDist));
    float t2 = static_cast<float>(CruiseTime(h, d2) * kinv);
    return TruncToInt32(cruiseFlow * kEngines * t2 * kc * kPerMinute + descentFuel + climbFuel);
}

FuelPlan SplitFuel(AircraftType aircraft, int32_t fobKg) {
    const int64_t innerCapacity = TankCapacity(aircraft, Tank::Inner);
    const int64_t outerCapacity = TankCapacity(aircraft, Tank::Outer);
    const int64_t centerCapacity = TankCapacity(aircraft, Tank::Center);

    // Both wings alike; an odd kilogram passes on to the next tanks.
    FuelPlan plan;
    plan.fobKg = fobKg;
    int64_t rest = fobKg;
    int64_t inner = std::min(rest / 2, innerCapacity);
    rest -= 2 * inner;
    int64_t outer = 0;
    plan.hasOuterTanks = outerCapacity > 0;
    if (plan.hasOuterTanks) {
        outer = std::min(rest / 2, outerCapacity);
        rest -= 2 * outer;
    }
    int64_t center = std::min(rest, centerCapacity);

    // Each amount lies between fobKg / 2 and its capacity; the excess
    // between 0 and fobKg.
    plan.innerKg = static_cast<int32_t>(inner);
    plan.outerKg = static_cast<int32_t>(outer);
    plan.centerKg = static_cast<int32_t>(center);
    plan.excessKg = static_cast<int32_t>(rest - center);
    auto fill = [](int64_t kg, int64_t capacityKg) {
        return static_cast<float>(static_cast<double>(kg) / static_cast<double>(capacityKg));
    };
    plan.innerFill = fill(inner, innerCapacity);
    if (plan.hasOuterTanks) {
        plan.outerFill = fill(outer, outerCapacity);
    }
    plan.centerFill = fill(center, centerCapacity);
    return plan;
}

std::optional<FuelPlan> ComputeFuelPlan(AircraftType aircraft, int32_t distanceNm,
                                        int32_t altitudeFt, int32_t costIndex, int32_t zfwKg,
                                        int32_t taxiKg, int32_t reservePercent, int32_t finalKg) {
    // The take-off weight is guessed with 20 kg per NM, then refined once
    // with the trip fuel of that guess. Taxi, reserve and final fuel do not
    // enter the weight.
    std::optional<int32_t> guessKg = Checked(zfwKg + int64_t{kFirstGuessKgPerNm} * distanceNm);
    if (!guessKg) {
        return std::nullopt;
    }
    std::optional<int32_t> firstTripKg =
        TripFuel(aircraft, distanceNm, altitudeFt, costIndex, *guessKg);
    if (!firstTripKg) {
        return std::nullopt;
    }
    std::optional<int32_t> takeOffKg = Checked(int64_t{zfwKg} + *firstTripKg);
    if (!takeOffKg) {
        return std::nullopt;
    }
    std::optional<int32_t> tripKg =
        TripFuel(aircraft, distanceNm, altitudeFt, costIndex, *takeOffKg);
    if (!tripKg) {
        return std::nullopt;
    }
    std::optional<int32_t> reserveKg =
        TruncToInt32(static_cast<double>(reservePercent) * *tripKg * kPerCent);
    if (!reserveKg) {
        return std::nullopt;
    }
    std::optional<int32_t> fobKg = Checked(int64_t{*tripKg} + finalKg + *reserveKg + taxiKg);
    if (!fobKg) {
        return std::nullopt;
    }
    FuelPlan plan = SplitFuel(aircraft, *fobKg);
    plan.tripKg = *tripKg;
    plan.routeReserveKg = *reserveKg;
    return plan;
}

}  // namespace fuel
