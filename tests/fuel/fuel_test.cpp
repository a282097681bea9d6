#include "fuel/fuel_computation.h"
#include "fuel/fuel_fields.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

namespace fuel {
namespace {

using A = AircraftType;
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// Trip, reserve, fuel on board: kg in each inner/outer/centre tank, excess, fills.
std::string Summary(const FuelPlan& p) {
    char text[128];
    std::snprintf(text, sizeof text, "%d %d %d: %d/%d/%d +%d %.1f/%.1f/%.1f%s", p.tripKg,
                  p.routeReserveKg, p.fobKg, p.innerKg, p.outerKg, p.centerKg, p.excessKg,
                  p.innerFill * 100.0, p.outerFill * 100.0, p.centerFill * 100.0,
                  p.hasOuterTanks ? "" : " no outer");
    return text;
}

struct PlanCase {
    AircraftType aircraft;
    int32_t distanceNm, altitudeFt, costIndex, zfwKg, taxiKg, reservePercent, finalKg;
    int32_t firstTripKg;  // the trip of the first guess, ZFW + 20 kg per NM
    const char* plan;
};

// The first-pass trips of the A318, A321 and ACJ come from an independent model.
// clang-format off
const PlanCase kPlans[] = {
    {A::A320, 500, 35000, 50, 60000, 200, 5, 1000, 4400, "4135 206 5541: 2770/0/1 +0 51.0/0.0/0.0"},
    {A::A318, 1200, 37000, 40, 55000, 300, 5, 1200, 9768,
     "8214 410 10124: 4960/102/0 +0 100.0/17.3/0.0"},
    {A::A321, 800, 31000, 20, 70000, 200, 5, 1000, 6955,
     "6578 328 8106: 4053/0/0 +0 66.6/0.0/0.0 no outer"},
    {A::ACJ, 3000, 39000, 60, 50000, 200, 5, 1000, 25812,
     "22302 1115 24617: 5435/691/11718 +647 100.0/100.0/100.0"},
};
// clang-format on

TEST(Plan, WorkedExamplesComeOutExactly) {
    for (const PlanCase& c : kPlans) {
        EXPECT_EQ(TripFuel(c.aircraft, c.distanceNm, c.altitudeFt, c.costIndex,
                           c.zfwKg + 20 * c.distanceNm),
                  c.firstTripKg);
        std::optional<FuelPlan> plan =
            ComputeFuelPlan(c.aircraft, c.distanceNm, c.altitudeFt, c.costIndex, c.zfwKg, c.taxiKg,
                            c.reservePercent, c.finalKg);
        EXPECT_EQ(plan ? Summary(*plan) : "no plan", c.plan);
    }
}

TEST(Plan, LookupsAtTheEdgesOfTheTables) {
    // A320, 999 kg under 50811 kg (climb) or 48021 kg (descent): the step truncates to 0.
    const A a = A::A320;
    const int32_t c = 50811 - 999, d = 48021 - 999;
    // clang-format off
    const std::tuple<double, double, double> rows[] = {  // actual, expected, tolerance
        // Speed figures: capped at 340; (33000 - h) / 1000 truncates toward zero.
        {DescentSpeed(33000, 150) * 1.0, 340, 0}, {ClimbSpeed(23000, 150) * 1.0, 340, 0},
        {ClimbSpeed(34999, 0) * 1.0, 280, 0}, {ClimbSpeed(314000, 1) * 1.0, 0, 0},
        // Climb: base column, a step up, the first interval, the last continued.
        {ClimbFuel(a, 33000, c), 1319, 0}, {ClimbDistance(a, 33000, c), 69.5, 1e-5},
        {ClimbFuel(a, 33000, c + 1999), 1319 + 40.06, 1e-3}, {ClimbFuel(a, 500, c), 33, 1e-4},
        {ClimbFuel(a, 35000, c), 1319 + 2 * 40.0, 1e-3},
        // Descent: approach included, alone below 2000 ft; the top slope continued.
        {DescentFuel(a, 33000, d), 478, 0}, {DescentDistance(a, 33000, d), 88.5, 1e-4},
        {DescentFuel(a, 1999, d), 250, 0}, {DescentDistance(a, 1999, d), 15, 0},
        {DescentFuel(a, 38000, d), 228 + 17 + 250, 1e-3}, {DescentFuel(a, 32500, d), 475, 1e-3},
        // Cruise speed interpolated, 394 kt outside the table.
        {CruiseSpeed(34000), 452, 0}, {CruiseSpeed(39001), 394, 0}, {CruiseSpeed(19000), 394, 0},
        {CruiseSpeed(19001), 394 + 12.0 / 2000, 1e-9}, {CruiseTime(35000, -45.0f), -6, 0},
        // Cruise flow (1.1f margin): end rows beyond the altitudes, end entry beyond the weights.
        {CruiseFuelFlow(34000, 65000), (1181 + 1236 + 1265 + 1299) / 4.0 * 1.1f, 0},
        {CruiseFuelFlow(41000, 47000), (918 + 973) / 2.0 * 1.1f, 0},
        {CruiseFuelFlow(19000, 77000), (1452 + 1496) / 2.0 * 1.1f, 0},
        {CruiseFuelFlow(34000, 43999), 1035.0 * 1.1f, 0},
        {CruiseFuelFlow(34000, 80000), 1490.0 * 1.1f, 0},
        {CruiseFuelFlow(45000, 30000), 918.0 * 1.1f, 0}};
    // clang-format on
    for (size_t i = 0; i < std::size(rows); ++i) {
        auto [actual, expected, tolerance] = rows[i];
        EXPECT_NEAR(actual, expected, tolerance) << "row " << i;
    }
}

TEST(Plan, SplitFillsInnerThenOuterThenCentre) {
    // Full is accepted, a kg more is excess; an odd kg passes on; A321: no outer tanks.
    const std::tuple<AircraftType, int32_t, const char*> rows[] = {
        {A::A318, 17475, "4960/590/6375 +0 100.0/100.0/100.0"},
        {A::A318, 17476, "4960/590/6375 +1 100.0/100.0/100.0"},
        {A::A320, 10001, "5000/0/1 +0 92.0/0.0/0.0"},
        {A::A321, 12169, "6084/0/1 +0 100.0/0.0/0.0 no outer"},
        {A::A321, 18606, "6084/0/6437 +1 100.0/0.0/100.0 no outer"},
    };
    for (auto [aircraft, fob, tanks] : rows) {
        EXPECT_EQ(Summary(SplitFuel(aircraft, fob)), "0 0 " + std::to_string(fob) + ": " + tanks);
    }
}

TEST(Plan, ShortTripsAreNotClampedAndOverflowGivesNoPlan) {
    const A a = A::A320;
    // 20 NM cannot hold the climb and descent: the negative cruise term is kept.
    EXPECT_EQ(TripFuel(a, 20, 35000, 50, 60000), 1274);
    EXPECT_LT(1274, ClimbFuel(a, 35000, 60000));
    // 5 % of 10000 kg is 499 kg: 0.01 is 0.0099999998 in single precision.
    EXPECT_EQ(Summary(ComputeFuelPlan(a, 1374, 35000, 50, 60301, 0, 5, 0).value()),
              "10000 499 10499: 5249/0/1 +0 96.6/0.0/0.0");

    // Beyond 32 bits: first weight guess, top-of-climb weight, zero climb speed, FOB sums.
    EXPECT_FALSE(ComputeFuelPlan(a, 107374182, 35000, 50, 60000, 0, 5, 0));
    EXPECT_FALSE(ComputeFuelPlan(a, 1, 35000, 50, kMax, 0, 5, 0));
    EXPECT_FALSE(ComputeFuelPlan(a, 500, kMax, 50, 60000, 0, 5, 0));
    EXPECT_FALSE(TripFuel(a, 500, 314000, 1, 60000));
    EXPECT_FALSE(ComputeFuelPlan(a, 500, 35000, 50, 60000, kMax, 5, 0));
    EXPECT_FALSE(ComputeFuelPlan(a, 500, 35000, 50, 60000, 0, kMax, 0));
    EXPECT_TRUE(ComputeFuelPlan(a, 500, 35000, 50, 60000, 0, 0, 2000000000));

    EXPECT_EQ(TruncToInt32(-2147483648.9), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(TruncToInt32(2147483647.9), kMax);
    EXPECT_FALSE(TruncToInt32(2147483648.0));
    EXPECT_FALSE(TruncToInt32(std::numeric_limits<double>::quiet_NaN()));
}

TEST(Fields, ReadAsPercentDWouldWithoutWrapping) {
    const std::string zeros(98, '0');  // only the first 99 characters count
    // clang-format off
    const std::tuple<std::string, int32_t, bool> rows[] = {
        {"", 0, false}, {"60000", 60000, false}, {" \t+42kg", 42, false}, {"-17", -17, false},
        {"abc", 0, false}, {"-", 0, false}, {"- 5", 0, false}, {"0x10", 0, false},
        {"2147483647", 2147483647, false}, {"-2147483648", INT32_MIN, false},
        {"2147483648", 0, true}, {"9999999999", 0, true}, {"12345678901234567890", 0, true},
        {"-99999999999999999999999", 0, true}, {zeros + "7", 7, false}, {zeros + "07", 0, false}};
    // clang-format on
    for (const auto& [text, value, tooLarge] : rows) {
        FieldNumber number = ReadFieldInt(text);
        EXPECT_EQ(std::make_pair(number.value, number.tooLarge), std::make_pair(value, tooLarge));
    }
}

TEST(Fields, UnitChanges) {
    // Exact constants, truncated; converted beyond 32 bits (round trips keep it), not past 64.
    // clang-format off
    const std::tuple<const char*, WeightUnit, const char*> rows[] = {
        {"60000", WeightUnit::Lb, "132275"}, {"132275", WeightUnit::Kg, "59999"}, {"", WeightUnit::Lb, ""}, {"abc", WeightUnit::Lb, "0"},
        {"2000000000", WeightUnit::Lb, "4409171075"}, {"4409171075", WeightUnit::Kg, "1999999999"},
        {"99999999999999999999", WeightUnit::Kg, "99999999999999999999"},
        {"9000000000000000000", WeightUnit::Lb, "9000000000000000000"}};
    // clang-format on
    for (auto [text, to, converted] : rows) {
        EXPECT_EQ(ConvertFieldUnit(text, to), converted);
    }
    EXPECT_EQ(ShownWeight(2000000000, WeightUnit::Lb), 4409171104);
}

TEST(Fields, ValidateRefusesMissingAndTooLargeNumbers) {
    const WeightUnit kg = WeightUnit::Kg, lb = WeightUnit::Lb;
    using O = PlanOutcome;
    const std::tuple<PlannerInput, WeightUnit, PlanOutcome> rows[] = {
        // clang-format off
        {{"", "35000", "50", "60000", "200", "5", "1000"}, kg, O::MissingMandatory},
        {{"500", "35000", "0", "60000", "200", "5", "1000"}, kg, O::MissingMandatory},
        {{"500", "-35000", "50", "60000", "200", "5", "1000"}, kg, O::MissingMandatory},
        {{"500", "35000", "50", "", "200", "5", "1000"}, kg, O::MissingMandatory},
        {{"500", "35000", "50", "text", "200", "5", "1000"}, kg, O::MissingMandatory},  // as 0
        {{"500", "35000", "50", "1", "200", "5", "1000"}, lb, O::MissingMandatory},  // 1 lb: 0 kg
        {{"500", "35000", "50", "3", "200", "5", "1000"}, lb, O::Shown},
        {{"12345678901234567890", "35000", "50", "60000", "200", "5", "1000"}, kg, O::TooLarge},
        {{"500", "35000", "50", "12345678901234567890", "200", "5", "1000"}, kg, O::TooLarge},
        {{"", "9999999999", "50", "60000", "200", "5", "1000"}, kg, O::TooLarge},  // beats missing
        {{"107374182", "35000", "50", "60000", "200", "5", "1000"}, kg, O::TooLarge},  // no plan
        {{"500", "35000", "50", "60000", "200", "5", "9999999999"}, kg, O::TooLarge},
        // A fuel on board that fits in kilograms but not once shown in pounds.
        {{"500", "35000", "50", "60000", "200", "5", "2000000000"}, kg, O::Shown},
        {{"500", "35000", "50", "132275", "1500000000", "5", "1500000000"}, lb, O::TooLarge},
        // clang-format on
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto& [in, unit, outcome] = rows[i];
        EXPECT_EQ(PlanFromFields(A::A320, in, unit).outcome, outcome) << "row " << i;
    }
}

}  // namespace
}  // namespace fuel
