// The aircraft table, every row and column, against the figures written
// out in tests/data/aircraft_table.tsv.
#include "core/aircraft.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/data_rows.h"

namespace {

TEST(AircraftTable, EveryRowAsTheAircraftAre) {
    const auto rows = test_data::Rows("aircraft_table.tsv");
    ASSERT_EQ(rows.size(), static_cast<size_t>(kAircraftCount));
    for (const test_data::Row& row : rows) {
        const auto type = static_cast<AircraftType>(test_data::AircraftNumber(row[0]));
        ASSERT_TRUE(IsAircraft(type));
        const AircraftSpec& a = Aircraft(type);
        using std::to_string;
        EXPECT_EQ((test_data::Row{row[0],
                                  to_string(a.loadManagerTemplate),
                                  a.loadManagerTitle,
                                  to_string(a.selectorButton),
                                  to_string(a.selectorPicture),
                                  to_string(a.topView),
                                  to_string(a.sideView),
                                  a.baseFolder,
                                  a.iaeFolder ? a.iaeFolder : "-",
                                  to_string(a.firstClassSeats),
                                  to_string(a.secondClassSeats),
                                  to_string(a.defaultEmptyWeightLb),
                                  to_string(a.forwardHoldKg),
                                  to_string(a.aftHoldKg),
                                  to_string(a.innerTankKg),
                                  to_string(a.outerTankKg),
                                  to_string(a.centerTankKg),
                                  to_string(a.mtowKg),
                                  to_string(a.mlwKg),
                                  to_string(a.mzfwKg)}),
                  row);
        EXPECT_EQ(a.type, type);
    }
    EXPECT_FALSE(IsAircraft(AircraftType::None));
    EXPECT_FALSE(IsAircraft(static_cast<AircraftType>(6)));
}

}  // namespace
