#include "payload/station_values.h"

#include <gtest/gtest.h>

#include <limits>

namespace payload {
namespace {

TEST(StationValuesTest, A320WorkedExampleWritesAndReadsBack) {
    const PayloadConstants& a320 = ConstantsFor(AircraftType::A320);
    const LoadState load{42412, 12, 138, 50, 100};
    std::vector<profile::Entry> entries = PayloadEntries(load, a320);
    ASSERT_EQ(entries.size(), 4u);
    const char* expected[][2] = {
        {"station_load.4", "\"1984,   26.0, 0.0, 0.0, First\""},
        {"station_load.5", "\"22817,  0.0, 0.0, 0.0, Coach\""},
        {"station_load.2", "\"3749,   16.0, 0.0, 0.0, Baggage\""},
        {"station_load.3", "\"9999,   0.0, 0.0, 0.0, Cargo\""},
    };
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].section, "WEIGHT_AND_BALANCE");
        EXPECT_EQ(entries[i].key, expected[i][0]);
        EXPECT_EQ(entries[i].value, expected[i][1]);
    }
    EXPECT_EQ(PaxFromStationLb(1984), 12u);
    EXPECT_EQ(PaxFromStationLb(22817), 138u);
    EXPECT_EQ(PercentFromStationLb(3749, a320.forwardHoldKg), 50u);
    EXPECT_EQ(PercentFromStationLb(9999, a320.aftHoldKg), 100u);
}

TEST(StationValuesTest, EverySettingOfEveryAircraftReadsBackAsSaved) {
    for (const PayloadConstants& c : kPayloadConstants) {
        for (uint32_t pax = 0; pax <= static_cast<uint32_t>(c.secondClassSeats); ++pax) {
            ASSERT_EQ(PaxFromStationLb(PaxStationLb(pax)), pax);
        }
        for (uint32_t percent = 0; percent <= 100; ++percent) {
            ASSERT_EQ(
                PercentFromStationLb(HoldStationLb(percent, c.forwardHoldKg), c.forwardHoldKg),
                percent);
            ASSERT_EQ(PercentFromStationLb(HoldStationLb(percent, c.aftHoldKg), c.aftHoldKg),
                      percent);
        }
    }
}

TEST(StationValuesTest, A321FullHoldsWrite12499) {
    const PayloadConstants& a321 = ConstantsFor(AircraftType::A321);
    EXPECT_EQ(HoldStationLb(100, a321.forwardHoldKg), 12499);
    EXPECT_EQ(HoldStationLb(100, a321.aftHoldKg), 12499);
}

struct EmptyWeightCase {
    AircraftType aircraft;
    std::optional<int32_t> fileLb;
    int32_t expectedKg;
};

class EmptyWeightTest : public testing::TestWithParam<EmptyWeightCase> {};

TEST_P(EmptyWeightTest, ConvertsOrFallsBack) {
    const EmptyWeightCase& c = GetParam();
    EXPECT_EQ(EmptyWeightKg(c.fileLb, ConstantsFor(c.aircraft).defaultEmptyWeightLb), c.expectedKg);
}

// Missing: the default truncated; unusable (<= 0, -1 for "no number"): rounded.
INSTANTIATE_TEST_SUITE_P(Defaults, EmptyWeightTest,
                         testing::Values(EmptyWeightCase{AircraftType::A318, std::nullopt, 39304},
                                         EmptyWeightCase{AircraftType::A319, std::nullopt, 40597},
                                         EmptyWeightCase{AircraftType::A320, std::nullopt, 42411},
                                         EmptyWeightCase{AircraftType::A321, std::nullopt, 48217},
                                         EmptyWeightCase{AircraftType::ACJ, std::nullopt, 40597},
                                         EmptyWeightCase{AircraftType::A320, 0, 42412},
                                         EmptyWeightCase{AircraftType::A320, -5, 42412},
                                         EmptyWeightCase{AircraftType::A320, -1, 42412},
                                         EmptyWeightCase{AircraftType::A321, 0, 48218},
                                         EmptyWeightCase{AircraftType::A320, 93500, 42412},
                                         EmptyWeightCase{AircraftType::A320,
                                                         std::numeric_limits<int32_t>::max(),
                                                         974098582}));

TEST(StationValuesTest, LeadingIntScansLikePercentD) {
    EXPECT_EQ(LeadingInt("1984,   26.0, 0.0, 0.0, First"), 1984);
    EXPECT_EQ(LeadingInt(" \t+42abc"), 42);
    EXPECT_EQ(LeadingInt("-5"), -5);
    EXPECT_EQ(LeadingInt("abc"), -1);
    EXPECT_EQ(LeadingInt(""), -1);
    EXPECT_EQ(LeadingInt("-"), -1);
    EXPECT_EQ(LeadingInt("- 5"), -1);
    EXPECT_EQ(LeadingInt("99999999999999999999"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(LeadingInt("-99999999999999999999"), std::numeric_limits<int32_t>::min());
}

TEST(StationValuesTest, ExtremeStationsStayWithinRange) {
    EXPECT_EQ(PaxFromStationLb(std::numeric_limits<int32_t>::min()), 0u);
    EXPECT_EQ(PaxFromStationLb(std::numeric_limits<int32_t>::max()), 12987981u);
    EXPECT_EQ(PercentFromStationLb(std::numeric_limits<int32_t>::max(), 1614), 60353072u);
}

}  // namespace
}  // namespace payload
