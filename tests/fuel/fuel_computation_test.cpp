#include "fuel/fuel_computation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

namespace fuel {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

std::string Percent(float fill) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", fill * 100.0);
    return text;
}

struct PlanCase {
    const char* name;
    AircraftType aircraft;
    int32_t distanceNm, altitudeFt, costIndex, zfwKg, taxiKg, reservePercent, finalKg;
    int32_t firstTripKg, tripKg, routeReserveKg, fobKg, innerKg, outerKg, centerKg, excessKg;
    const char* fillPercents;  // inner/outer/centre
};

// Reference plans; the first-pass trip (ZFW + 20 kg per NM) of the last
// three comes from an independent model.
// clang-format off
const PlanCase kPlans[] = {
    {"A320", AircraftType::A320, 500, 35000, 50, 60000, 200, 5, 1000,
     4400, 4135, 206, 5541, 2770, 0, 1, 0, "51.0/0.0/0.0"},
    {"A318", AircraftType::A318, 1200, 37000, 40, 55000, 300, 5, 1200,
     9768, 8214, 410, 10124, 4960, 102, 0, 0, "100.0/17.3/0.0"},
    {"A321", AircraftType::A321, 800, 31000, 20, 70000, 200, 5, 1000,
     6955, 6578, 328, 8106, 4053, 0, 0, 0, "66.6/0.0/0.0"},
    {"ACJ", AircraftType::ACJ, 3000, 39000, 60, 50000, 200, 5, 1000,
     25812, 22302, 1115, 24617, 5435, 691, 11718, 647, "100.0/100.0/100.0"},
};
// clang-format on

class WorkedPlan : public testing::TestWithParam<PlanCase> {};

TEST_P(WorkedPlan, ComesOutExactly) {
    const PlanCase& c = GetParam();
    EXPECT_EQ(
        TripFuel(c.aircraft, c.distanceNm, c.altitudeFt, c.costIndex, c.zfwKg + 20 * c.distanceNm),
        c.firstTripKg);
    std::optional<FuelPlan> plan =
        ComputeFuelPlan(c.aircraft, c.distanceNm, c.altitudeFt, c.costIndex, c.zfwKg, c.taxiKg,
                        c.reservePercent, c.finalKg);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->tripKg, c.tripKg);
    EXPECT_EQ(plan->routeReserveKg, c.routeReserveKg);
    EXPECT_EQ(plan->fobKg, c.fobKg);
    EXPECT_EQ(plan->innerKg, c.innerKg);
    EXPECT_EQ(plan->outerKg, c.outerKg);
    EXPECT_EQ(plan->centerKg, c.centerKg);
    EXPECT_EQ(plan->excessKg, c.excessKg);
    EXPECT_EQ(
        Percent(plan->innerFill) + "/" + Percent(plan->outerFill) + "/" + Percent(plan->centerFill),
        c.fillPercents);
    EXPECT_EQ(plan->hasOuterTanks, c.aircraft != AircraftType::A321);
}

INSTANTIATE_TEST_SUITE_P(Reference, WorkedPlan, testing::ValuesIn(kPlans),
                         [](const testing::TestParamInfo<PlanCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(Speeds, CappedAt340) {
    EXPECT_EQ(ClimbSpeed(33000, 150), 338);
    EXPECT_EQ(DescentSpeed(33000, 150), 340);  // 418.5 before the cap
    EXPECT_EQ(ClimbSpeed(23000, 150), 340);    // 348.5 before the cap
    EXPECT_EQ(ClimbSpeed(35000, 50), 298);
    EXPECT_EQ(DescentSpeed(35000, 50), 298);
    // Above 33000 ft q is negative and truncates toward zero: -1 at 34999 ft.
    EXPECT_EQ(ClimbSpeed(34999, 0), 280);
}

TEST(Profiles, BaseColumnNearTheReferenceAndContinuedBeyondTheEnds) {
    // A320: empty 42411 kg, so a weight within a tonne of 50811 kg (climb)
    // or 48021 kg (descent) has step 0 and reads the base column alone.
    const AircraftType a320 = AircraftType::A320;
    for (int32_t weight : {50811 - 999, 50811 + 999}) {
        EXPECT_DOUBLE_EQ(ClimbFuel(a320, 33000, weight), 1319.0) << weight;
        EXPECT_NEAR(ClimbDistance(a320, 33000, weight), 69.5, 1e-5) << weight;
    }
    EXPECT_NEAR(ClimbFuel(a320, 33000, 50811 + 1000), 1319 + 40.06, 1e-3);
    EXPECT_NEAR(ClimbFuel(a320, 35000, 50811), 1319 + 2 * 40.0, 1e-3);  // last interval on
    EXPECT_NEAR(ClimbFuel(a320, 500, 50811), 33.0, 1e-4);
    for (int32_t weight : {48021 - 999, 48021 + 999}) {
        EXPECT_DOUBLE_EQ(DescentFuel(a320, 33000, weight), 228.0 + 250.0) << weight;
        EXPECT_NEAR(DescentDistance(a320, 33000, weight), 73.5 + 15.0, 1e-4) << weight;
    }
    // Only the approach below 2000 ft; above 33000 ft the slope between
    // 33000 and 28000 ft (17 kg per 5000 ft) continued.
    EXPECT_DOUBLE_EQ(DescentFuel(a320, 1999, 48021), 250.0);
    EXPECT_DOUBLE_EQ(DescentDistance(a320, 1999, 48021), 15.0);
    EXPECT_NEAR(DescentFuel(a320, 38000, 48021), 228 + 17 + 250.0, 1e-3);
    EXPECT_NEAR(DescentFuel(a320, 32500, 48021), 225 + 250.0, 1e-3);
}

TEST(Cruise, SpeedInterpolatesAndFallsBackTo394) {
    EXPECT_DOUBLE_EQ(CruiseSpeed(34000), 452.0);
    EXPECT_DOUBLE_EQ(CruiseSpeed(39001), 394.0);
    EXPECT_DOUBLE_EQ(CruiseSpeed(19000), 394.0);
    EXPECT_NEAR(CruiseSpeed(19001), 394 + 12.0 / 2000, 1e-9);
    EXPECT_DOUBLE_EQ(CruiseTime(35000, -45.0f), -6.0);
}

TEST(Cruise, FlowInsideAndOutsideTheTable) {
    const double margin = static_cast<double>(1.1f);
    EXPECT_DOUBLE_EQ(CruiseFuelFlow(34000, 65000), (1181 + 1236 + 1265 + 1299) / 4.0 * margin);
    // Above 39000 ft the 39000 ft row, at or below 19000 ft the 19000 ft
    // row, both interpolated over weight.
    EXPECT_DOUBLE_EQ(CruiseFuelFlow(41000, 47000), (918 + 973) / 2.0 * margin);
    EXPECT_DOUBLE_EQ(CruiseFuelFlow(19000, 77000), (1452 + 1496) / 2.0 * margin);
    // Below 44000 kg the light column, from 80000 kg the heavy one, as is.
    EXPECT_DOUBLE_EQ(CruiseFuelFlow(34000, 43999), 1035 * margin);
    EXPECT_DOUBLE_EQ(CruiseFuelFlow(34000, 80000), 1490 * margin);
    EXPECT_DOUBLE_EQ(CruiseFuelFlow(45000, 30000), 918 * margin);
}

TEST(Trip, ShortTripIsNotClamped) {
    // 20 NM cannot hold a climb to 35000 ft and the descent: the negative
    // cruise term takes the trip below the climb fuel alone.
    const AircraftType a320 = AircraftType::A320;
    EXPECT_EQ(TripFuel(a320, 20, 35000, 50, 60000), 1274);
    EXPECT_LT(1274, ClimbFuel(a320, 35000, 60000));
}

TEST(Split, FillsInnerThenOuterThenCentre) {
    // Exactly full is accepted; one kilogram more is the excess.
    FuelPlan full = SplitFuel(AircraftType::A318, 17475);
    EXPECT_EQ(full.innerKg, 4960);
    EXPECT_EQ(full.outerKg, 590);
    EXPECT_EQ(full.centerKg, 6375);
    EXPECT_EQ(full.excessKg, 0);
    EXPECT_EQ(Percent(full.innerFill) + Percent(full.outerFill) + Percent(full.centerFill),
              "100.0100.0100.0");
    EXPECT_EQ(SplitFuel(AircraftType::A318, 17476).excessKg, 1);

    // An odd kilogram passes to the centre.
    FuelPlan odd = SplitFuel(AircraftType::A320, 10001);
    EXPECT_EQ(odd.innerKg, 5000);
    EXPECT_EQ(odd.outerKg, 0);
    EXPECT_EQ(odd.centerKg, 1);

    // Without outer tanks the rest goes straight to the centre.
    FuelPlan a321 = SplitFuel(AircraftType::A321, 12169);
    EXPECT_FALSE(a321.hasOuterTanks);
    EXPECT_EQ(a321.innerKg, 6084);
    EXPECT_EQ(a321.centerKg, 1);
    EXPECT_EQ(SplitFuel(AircraftType::A321, 18606).excessKg, 1);
}

TEST(Plan, ReserveIsTruncatedWithTheSinglePrecisionPercent) {
    // 5 % of 10000 kg is 499 kg: 0.01 is 0.0099999998 in single precision.
    std::optional<FuelPlan> plan =
        ComputeFuelPlan(AircraftType::A320, 1374, 35000, 50, 60301, 0, 5, 0);
    ASSERT_TRUE(plan);
    ASSERT_EQ(plan->tripKg, 10000);
    EXPECT_EQ(plan->routeReserveKg, 499);
    EXPECT_EQ(plan->fobKg, 10499);
}

TEST(Plan, LeavingThe32BitRangeGivesNoPlan) {
    const AircraftType a320 = AircraftType::A320;
    // The first weight guess, ZFW + 20 kg per NM.
    EXPECT_FALSE(ComputeFuelPlan(a320, 107374182, 35000, 50, 60000, 0, 5, 0));
    EXPECT_FALSE(ComputeFuelPlan(a320, 1, 35000, 50, kMax, 0, 5, 0));
    // Altitudes so high that the weight at the top of climb leaves the range.
    EXPECT_FALSE(ComputeFuelPlan(a320, 500, kMax, 50, 60000, 0, 5, 0));
    // A climb speed figure of 0 leaves no cruise time to form.
    EXPECT_EQ(ClimbSpeed(314000, 1), 0);
    EXPECT_FALSE(TripFuel(a320, 500, 314000, 1, 60000));
    // The sums that make the fuel on board.
    EXPECT_FALSE(ComputeFuelPlan(a320, 500, 35000, 50, 60000, kMax, 5, 0));
    EXPECT_FALSE(ComputeFuelPlan(a320, 500, 35000, 50, 60000, 0, kMax, 0));
    EXPECT_TRUE(ComputeFuelPlan(a320, 500, 35000, 50, 60000, 0, 0, 2000000000));
}

TEST(Plan, TruncationToInt32) {
    EXPECT_EQ(TruncToInt32(-2147483648.9), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(TruncToInt32(2147483647.9), kMax);
    EXPECT_FALSE(TruncToInt32(2147483648.0));
    EXPECT_FALSE(TruncToInt32(std::numeric_limits<double>::quiet_NaN()));
}

}  // namespace
}  // namespace fuel
