#include "payload/payload_model.h"

#include <gtest/gtest.h>

#include <vector>

namespace payload {
namespace {

struct FieldsCase {
    const char* name;
    AircraftType aircraft;
    LoadState load;
    float unit;
    PayloadFields expected;
};

class RecalculateTest : public testing::TestWithParam<FieldsCase> {};

// Every shown number in table order, so a mismatch names its position.
std::vector<int64_t> Shown(const PayloadFields& f) {
    return {f.businessPax,    f.economyPax,    f.forwardCargoPercent, f.aftCargoPercent,
            f.businessWeight, f.economyWeight, f.paxWeight,           f.forwardCargoWeight,
            f.aftCargoWeight, f.cargoWeight,   f.aircraftWeight,      f.zfw,
            f.currentZfwKg};
}

TEST_P(RecalculateTest, ShowsEveryField) {
    const FieldsCase& c = GetParam();
    EXPECT_EQ(Shown(Recalculate(c.load, c.unit, ConstantsFor(c.aircraft))), Shown(c.expected));
}

// Fields: counts and percents, class weights, pax total, hold weights,
// cargo total, aircraft weight, ZFW, currentZfwKg.
INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, RecalculateTest,
    testing::Values(
        FieldsCase{"A320Kilograms",
                   AircraftType::A320,
                   {42412, 12, 138, 50, 100},
                   kKilogramFactor,
                   {12, 138, 50, 100, 900, 10350, 11250, 1701, 4536, 6237, 42412, 59899, 59899}},
        // The ZFW in kg comes from the rounded pound totals: one kg lower.
        FieldsCase{
            "A320Pounds",
            AircraftType::A320,
            {42412, 12, 138, 50, 100},
            kPoundFactor,
            {12, 138, 50, 100, 1984, 22817, 24801, 3750, 10000, 13750, 93500, 132050, 59898}},
        FieldsCase{"A321FullKilograms",
                   AircraftType::A321,
                   {48217, 16, 169, 100, 100},
                   kKilogramFactor,
                   {16, 169, 100, 100, 1200, 12675, 13875, 5670, 5670, 11340, 48217, 73432, 73432}},
        FieldsCase{"A318OneBusinessPounds",
                   AircraftType::A318,
                   {39304, 1, 0, 0, 0},
                   kPoundFactor,
                   {1, 0, 0, 0, 165, 0, 165, 0, 0, 0, 86649, 86812, 39378}},
        // 33 % of 4536 kg truncates to 1496 kg.
        FieldsCase{"A320Aft33Kilograms",
                   AircraftType::A320,
                   {42412, 0, 0, 0, 33},
                   kKilogramFactor,
                   {0, 0, 0, 33, 0, 0, 0, 0, 1496, 1496, 42412, 43908, 43908}},
        FieldsCase{"A320Aft33Pounds",
                   AircraftType::A320,
                   {42412, 0, 0, 0, 33},
                   kPoundFactor,
                   {0, 0, 0, 33, 0, 0, 0, 0, 3298, 3298, 93500, 96797, 43907}},
        // The empty weight is truncated, the ZFW rounded: they differ by one.
        FieldsCase{"EmptyPounds",
                   AircraftType::A319,
                   {40597, 0, 0, 0, 0},
                   kPoundFactor,
                   {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 89499, 89500, 40597}},
        // The total is truncated from the total count, so not the rounded 331.
        FieldsCase{"PaxTotalNotSumOfClasses",
                   AircraftType::A318,
                   {39304, 0, 2, 0, 0},
                   kPoundFactor,
                   {0, 2, 0, 0, 0, 331, 330, 0, 0, 0, 86649, 86978, 39453}}),
    [](const testing::TestParamInfo<FieldsCase>& info) { return std::string(info.param.name); });

TEST(RecalculateTest, UnitSwitchMovesCurrentZfwByOneKilogramAndBack) {
    const LoadState load{42412, 12, 138, 50, 100};
    const PayloadConstants& a320 = ConstantsFor(AircraftType::A320);
    EXPECT_EQ(Recalculate(load, kKilogramFactor, a320).currentZfwKg, 59899);
    EXPECT_EQ(Recalculate(load, kPoundFactor, a320).currentZfwKg, 59898);
    EXPECT_EQ(Recalculate(load, kKilogramFactor, a320).currentZfwKg, 59899);
}

TEST(RecalculateTest, LargestFileEmptyWeightStaysWithinRange) {
    // 2147483647 lb in the file; the pound fields pass the signed 32-bit limit.
    const LoadState load{974098582, 16, 169, 100, 100};
    PayloadFields pounds = Recalculate(load, kPoundFactor, ConstantsFor(AircraftType::A321));
    EXPECT_EQ(pounds.aircraftWeight, 2147483660u);
    EXPECT_EQ(pounds.zfw, 2147539247u);
    EXPECT_EQ(pounds.currentZfwKg, 974123796);
}

}  // namespace
}  // namespace payload
