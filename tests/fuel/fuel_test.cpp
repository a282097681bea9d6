#include "fuel/fuel_computation.h"
#include "fuel/fuel_fields.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>

#include "tests/support/data_rows.h"

namespace fuel {
namespace {

using A = AircraftType;

std::string Summary(const FuelPlan& p) {
    char text[128];
    std::snprintf(text, sizeof text, "%d %d %d: %d/%d/%d +%d %.1f/%.1f/%.1f%s", p.tripKg,
                  p.routeReserveKg, p.fobKg, p.innerKg, p.outerKg, p.centerKg, p.excessKg,
                  p.innerFill * 100.0, p.outerFill * 100.0, p.centerFill * 100.0,
                  p.hasOuterTanks ? "" : " no outer");
    return text;
}

// The plan of a row's aircraft and seven inputs, as Summary shows it.
std::string PlanOf(const test_data::Row& in) {
    const auto n = test_data::Numbers({in.begin(), in.begin() + 8}, 1);
    const auto p =
        ComputeFuelPlan(test_data::AircraftNamed(in[0]), n[0], n[1], n[2], n[3], n[4], n[5], n[6]);
    return p ? Summary(*p) : "no plan";
}

TEST(Plan, WorkedExamplesAndLimitsComeOutExactly) {
    for (const test_data::Row& row : test_data::Rows("fuel_plans.tsv")) {
        if (row.size() == 3) {  // a split of the fuel on board alone
            EXPECT_EQ(Summary(SplitFuel(test_data::AircraftNamed(row[0]), std::stoi(row[1]))),
                      "0 0 " + row[1] + ": " + row[2]);
        } else {
            EXPECT_EQ(PlanOf(row), row.back()) << row[0] << " " << row[1];
        }
    }
}

// Plans drawn at random over what pilots type (the inputs are in the file): every build, the
// 32-bit program's included, gives the figures of the reference x86-64 build, whose arithmetic
// the worked examples and whole tables here check. CORVEL_WRITE_GOLDEN=1 draws them anew.
TEST(Plan, RandomSampleComesOutAsInTheReferenceBuild) {
    auto draw = [](auto pick, int i) {
        const auto aircraft = static_cast<A>(pick(1, kAircraftCount));
        const int64_t empty = EmptyWeightKg(aircraft);
        // Half the weights in the lowest tonnes above the empty weight, where rounding bites.
        const int64_t zfw = i % 2 ? pick(empty, Aircraft(aircraft).mzfwKg) : empty + pick(0, 8000);
        test_data::Row row = {test_data::AircraftNames()[static_cast<int>(aircraft) - 1]};
        for (int64_t n : {pick(30, 3500), pick(5, 41) * 1000 + pick(0, 1) * pick(0, 999),
                          pick(0, 100), zfw, pick(0, 400), pick(0, 10), pick(0, 2500)}) {
            row.push_back(std::to_string(n));
        }
        return row;
    };
    test_data::CheckSample(
        "fuel_sample.tsv",
        "# Random plans, as in fuel_plans.tsv: aircraft, distance NM, altitude ft, cost index,\n"
        "# ZFW kg, taxi kg, reserve %, final kg; the plan the x86-64 build computed.\n",
        700, draw, PlanOf);
}

TEST(Plan, LookupsAtTheEdgesOfTheTables) {
    for (const test_data::Row& r : test_data::Rows("fuel_lookups.tsv")) {
        const auto a = test_data::AircraftNamed(r[1]);
        const auto x = [&r](size_t i) { return static_cast<int32_t>(std::stol(r[2 + i])); };
        const std::map<std::string, std::function<double()>> functions = {
            {"ClimbSpeed", [&] { return ClimbSpeed(x(0), x(1)); }},
            {"DescentSpeed", [&] { return DescentSpeed(x(0), x(1)); }},
            {"ClimbFuel", [&] { return ClimbFuel(a, x(0), x(1)); }},
            {"ClimbDistance", [&] { return ClimbDistance(a, x(0), x(1)); }},
            {"DescentFuel", [&] { return DescentFuel(a, x(0), x(1)); }},
            {"DescentDistance", [&] { return DescentDistance(a, x(0), x(1)); }},
            {"CruiseSpeed", [&] { return CruiseSpeed(x(0)); }},
            {"CruiseTime", [&] { return CruiseTime(x(0), std::stof(r[3])); }},
            {"CruiseFuelFlow", [&] { return CruiseFuelFlow(x(0), x(1)); }},
            {"TripFuel", [&] { return TripFuel(a, x(0), x(1), x(2), x(3)).value_or(-1); }},
            {"TruncToInt32", [&] { return TruncToInt32(std::stod(r[2])).value_or(-1); }}};
        EXPECT_NEAR(functions.at(r[0])(), std::stod(r[r.size() - 2]), std::stod(r.back()))
            << r[0] << " " << r[2] << " " << r[3];
    }
}

// The A320 at weight steps 0 and 1 (climb 50811 kg, descent 48021 kg, -999 kg and +1000 kg).
TEST(Plan, EveryTableEntryAtItsOwnAltitude) {
    for (const test_data::Row& r : test_data::Rows("fuel_tables.tsv")) {
        const int32_t h = std::stoi(r[1]);
        std::vector<double> actual;
        if (r[0] == "cruise") {
            actual.push_back(CruiseSpeed(h));
            for (int32_t w = 44000; w <= 80000; w += 6000) {
                actual.push_back(CruiseFuelFlow(h, w));
            }
        } else if (r[0] == "climb") {
            for (int32_t w : {49812, 51811}) {
                actual.insert(actual.end(),
                              {ClimbDistance(A::A320, h, w), ClimbFuel(A::A320, h, w)});
            }
        } else {
            for (int32_t w : {47022, 49021}) {
                actual.insert(actual.end(),
                              {DescentDistance(A::A320, h, w), DescentFuel(A::A320, h, w)});
            }
        }
        ASSERT_EQ(actual.size() + 2, r.size());
        for (size_t i = 0; i + 2 < r.size(); ++i) {
            EXPECT_NEAR(actual[i], std::stod(r[i + 2]), 0.01)
                << r[0] << " " << h << " column " << i;
        }
    }
}

TEST(Fields, ReadingUnitChangesValidationAndResultTexts) {
    for (const test_data::Row& row : test_data::Rows("planner_numbers.tsv")) {
        if (row[0] == "read") {
            const FieldNumber number = ReadFieldInt(row[1]);
            EXPECT_EQ((test_data::Row{row[0], row[1], std::to_string(number.value),
                                      number.tooLarge ? "too large" : "fits"}),
                      row);
        } else {
            EXPECT_EQ(ConvertFieldUnit(row[1], row[0] == "to lb" ? WeightUnit::Lb : WeightUnit::Kg),
                      row[2])
                << row[1];
        }
    }
    EXPECT_EQ(ShownWeight(2000000000, WeightUnit::Lb), 4409171104);
    for (const test_data::Row& row : test_data::Rows("planner_fields.tsv")) {
        const auto aircraft = test_data::AircraftNamed(row[0]);
        const WeightUnit unit = row[1] == "kg" ? WeightUnit::Kg : WeightUnit::Lb;
        const PlannerResult r = PlanFromFields(
            aircraft, {row[2], row[3], row[4], row[5], row[6], row[7], row[8]}, unit);
        const char* outcomes[] = {"shown", "missing", "too large"};
        std::vector<std::string> shown = {outcomes[static_cast<int>(r.outcome)]};
        if (row.size() > 10) {
            shown.insert(shown.end(),
                         {r.tripText, r.fobText, r.innerText, r.outerText, r.centerText});
        }
        EXPECT_EQ(shown, test_data::Row(row.begin() + 9, row.end()));
    }
}

}  // namespace
}  // namespace fuel
