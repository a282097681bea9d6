// The aircraft table, every row and column, against tests/data/aircraft_table.tsv.
#include "core/aircraft.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/data_rows.h"

namespace {

TEST(AircraftTable, EveryRowAsTheAircraftAre) {
    const auto rows = test_data::Rows("aircraft_table.tsv");
    ASSERT_EQ(rows.size(), static_cast<size_t>(kAircraftCount));
    for (const test_data::Row& row : rows) {
        const auto type = test_data::AircraftNamed(row[0]);
        ASSERT_TRUE(IsAircraft(type));
        const AircraftSpec& a = Aircraft(type);
        std::stringstream line;
        line << a.name << '\t' << a.loadManagerTemplate << '\t' << a.loadManagerTitle << '\t'
             << a.selectorButton << '\t' << a.selectorPicture << '\t' << a.topView << '\t'
             << a.sideView << '\t' << a.baseFolder << '\t' << (a.iaeFolder ? a.iaeFolder : "-")
             << '\t' << a.firstClassSeats << '\t' << a.secondClassSeats << '\t'
             << a.defaultEmptyWeightLb << '\t' << a.forwardHoldKg << '\t' << a.aftHoldKg << '\t'
             << a.innerTankKg << '\t' << a.outerTankKg << '\t' << a.centerTankKg << '\t' << a.mtowKg
             << '\t' << a.mlwKg << '\t' << a.mzfwKg;
        EXPECT_EQ(test_data::Fields(line.str()), row);
        EXPECT_EQ(a.type, type);
    }
    EXPECT_FALSE(IsAircraft(AircraftType::None));
    EXPECT_FALSE(IsAircraft(static_cast<AircraftType>(6)));
}

}  // namespace
