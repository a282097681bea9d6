// The aircraft table, every row and column, against the figures written
// out here.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/aircraft.h"

namespace {

auto Row(const AircraftSpec& a) {
    return std::make_tuple(a.loadManagerTemplate, std::string(a.loadManagerTitle), a.selectorButton,
                           a.selectorPicture, a.topView, a.sideView, std::string(a.baseFolder),
                           std::string(a.iaeFolder ? a.iaeFolder : ""), a.firstClassSeats,
                           a.secondClassSeats, a.defaultEmptyWeightLb, a.forwardHoldKg, a.aftHoldKg,
                           a.innerTankKg, a.outerTankKg, a.centerTankKg);
}

TEST(AircraftTable, EveryRowAsTheAircraftAre) {
    using R = decltype(Row(kAircraft[0]));
    // clang-format off
    const std::pair<AircraftType, R> rows[] = {
        {AircraftType::A318, {131, "A318 Load Manager", 1008, 151, 160, 161, "Norvane Zelvia A318", "",
                              8, 99, 86650, 1614u, 2131u, 4960, 590, 6375}},
        {AircraftType::A319, {132, "A319 Load Manager", 1009, 152, 158, 157, "Norvane Zelvia A319",
                              "Norvane Zelvia A319IAE", 8, 116, 89500, 2260u, 3020u, 5435, 691, 6476}},
        {AircraftType::A320, {133, "A320 Load Manager", 1010, 153, 147, 146, "Norvane Zelvia A320",
                              "Norvane Zelvia A320IAE", 12, 138, 93500, 3402u, 4536u, 5435, 691, 6476}},
        {AircraftType::A321, {134, "A321 Load Manager", 1011, 154, 148, 149, "Norvane Zelvia A321",
                              "Norvane Zelvia A321IAE", 16, 169, 106300, 5670u, 5670u, 6084, 0, 6437}},
        {AircraftType::ACJ, {143, "ACJ Load Manager", 1012, 155, 156, 159, "Norvane Zelvia A319CJ", "",
                             6, 36, 89500, 2260u, 3020u, 5435, 691, 11718}}};
    // clang-format on
    ASSERT_EQ(std::size(rows), static_cast<size_t>(kAircraftCount));
    for (const auto& [type, expected] : rows) {
        EXPECT_TRUE(IsAircraft(type));
        EXPECT_EQ(Aircraft(type).type, type);
        EXPECT_EQ(Row(Aircraft(type)), expected) << static_cast<int>(type);
    }
    EXPECT_FALSE(IsAircraft(AircraftType::None));
    EXPECT_FALSE(IsAircraft(static_cast<AircraftType>(6)));
}

}  // namespace
