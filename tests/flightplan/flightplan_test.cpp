// The flight plan (OFP) reader over plans written for the tests, and the
// plan in the load manager and the Fuel Planner against worked examples.
#include <gtest/gtest.h>

#include <tuple>

#include "flightplan/fetch_address.h"
#include "flightplan/ofp.h"
#include "fuel/plan_fields.h"
#include "payload/plan_load.h"
#include "tests/support/data_rows.h"

namespace {

using flightplan::OfpError;
using flightplan::OfpResult;
using flightplan::Plan;

std::string PlanFile(const std::string& name) {
    return test_data::FileBytes(CORVEL_SOURCE_DIR "/tests/data/flightplan/" + name);
}

const char* ErrorName(OfpError error) {
    constexpr const char* kNames[] = {"None",          "TooLarge",     "TooDeep",
                                      "NotAnOfp",      "ServiceError", "HttpError",
                                      "UnknownUnits",  "FieldMissing", "FieldNotNumber",
                                      "FieldNegative", "FieldBeyond"};
    return kNames[static_cast<int>(error)];
}

// The A320 plan in kilograms or pounds ("kgs", "lbs").
Plan Read(const std::string& unit) {
    const OfpResult read =
        flightplan::ReadOfp(PlanFile("egll_lfpg_" + unit + ".xml"), AircraftType::A320);
    EXPECT_TRUE(read.plan) << flightplan::ErrorText(read);
    return read.plan.value_or(Plan{});
}

// The figures of a plan, in Plan's member order.
std::vector<int64_t> Figures(const Plan& p) {
    return {p.airDistanceNm, p.initialAltitudeFt, p.costIndex,       p.passengers,
            p.payloadKg,     p.estZfwKg,          p.taxiKg,          p.enrouteBurnKg,
            p.contingencyKg, p.reserveKg,         p.alternateBurnKg, p.extraKg,
            p.etopsKg,       p.planRampKg};
}

TEST(FlightPlan, ReadsBothUnitsIntoKilograms) {
    const Plan kgs = Read("kgs"), lbs = Read("lbs");
    EXPECT_EQ(kgs.unit, flightplan::PlanUnit::Kg);
    EXPECT_EQ(kgs.aircraftIcao + " " + flightplan::RouteText(kgs), "A320 EGLL-LFPG");
    EXPECT_EQ(Figures(kgs), (std::vector<int64_t>{212, 35000, 30, 148, 13900, 56500, 200, 2630, 132,
                                                  1040, 1120, 300, 0, 5422}));
    // The file's comment works the pounds out; no pax_count_actual: pax_count.
    EXPECT_EQ(lbs.unit, flightplan::PlanUnit::Lb);
    EXPECT_EQ(Figures(lbs), (std::vector<int64_t>{212, 35000, 30, 148, 13900, 56501, 200, 2630, 132,
                                                  1040, 1120, 300, 100, 5522}));
}

TEST(FlightPlan, NamesWhatIsWrongWithAField) {
    for (const test_data::Row& row : test_data::Rows("flightplan/read_cases.tsv")) {
        const std::string base = PlanFile("egll_lfpg_" + row[0] + ".xml");
        ASSERT_NE(base.find(row[2]), std::string::npos) << row[2];
        const OfpResult result = flightplan::ReadOfp(test_data::Replaced(base, row[2], row[3]),
                                                     test_data::AircraftNamed(row[1]));
        EXPECT_EQ(ErrorName(result.error), row[4]) << row[3];
        EXPECT_EQ(result.detail, row[5]) << row[3];
        EXPECT_EQ(result.limit, std::stoll(row[6])) << row[3];
        EXPECT_EQ(result.plan.has_value(), row[4] == "None") << row[3];
    }
}

TEST(FlightPlan, RefusesHostileFilesBeforeParsingThem) {
    const AircraftType a320 = AircraftType::A320;
    // 20 000 levels would overflow the parser's stack; quotes must not hide the tags.
    for (const std::string level : {"<a>", "<a b=\"/>\">", "<a b='>'>"}) {
        std::string deep = "<OFP>";
        for (int i = 0; i < 20000; ++i) {
            deep += level;
        }
        EXPECT_EQ(flightplan::ReadOfp(deep, a320).error, OfpError::TooDeep) << level;
    }
    // Not counted: self-closed elements, comments, CDATA.
    std::string flat = PlanFile("egll_lfpg_kgs.xml");
    for (int i = 0; i < 100; ++i) {
        flat = test_data::Replaced(flat, "</OFP>", "<x/><!--<y>--><![CDATA[<z>]]></OFP>");
    }
    EXPECT_TRUE(flightplan::ReadOfp(flat, a320).plan);
    const std::string padded =
        PlanFile("egll_lfpg_kgs.xml") + "<!--" + std::string(4 * 1024 * 1024, 'x') + "-->";
    EXPECT_EQ(flightplan::ReadOfp(padded, a320).error, OfpError::TooLarge);
    EXPECT_EQ(flightplan::ReadOfp(std::string("\xff\xfe<\0O", 5), a320).error, OfpError::NotAnOfp);
}

TEST(FlightPlan, TellsTheServicesRefusalFromOtherAnswers) {
    const std::string plan = PlanFile("egll_lfpg_kgs.xml");
    const OfpResult unknown =
        flightplan::ReadAnswer(400, PlanFile("unknown_user.xml"), AircraftType::A320);
    EXPECT_EQ(flightplan::ErrorText(unknown),
              "SimBrief gave no flight plan. It answered:\nError: Unknown UserID\n\nCheck the "
              "user name or pilot ID, and that a flight plan was made for it.");
    const OfpResult notFound =
        flightplan::ReadAnswer(404, "<html>Not found</html>", AircraftType::A320);
    EXPECT_EQ(flightplan::ErrorText(notFound),
              "The flight-planning server answered with an error, so no flight plan was read. "
              "HTTP status: 404.");
    EXPECT_EQ(flightplan::ReadAnswer(500, plan, AircraftType::A320).error, OfpError::HttpError);
    EXPECT_TRUE(flightplan::ReadAnswer(200, plan, AircraftType::A320).plan);
}

TEST(FlightPlan, IsCheckedAgainForTheOtherToolsAircraft) {
    // Plan ramp 37 457 kg: within the ACJ's 2 x 24 370, beyond the A320's 2 x 18 728.
    Plan plan = Read("kgs");
    plan.planRampKg = 37457;
    plan.passengers = 40;  // the ACJ seats 42
    EXPECT_TRUE(flightplan::CheckForAircraft(plan, AircraftType::ACJ).plan);
    const OfpResult a320 = flightplan::CheckForAircraft(plan, AircraftType::A320);
    EXPECT_EQ(flightplan::ErrorText(a320),
              "The flight plan's value is beyond twice this aircraft's own limit: "
              "/OFP/fuel/plan_ramp (above 37456 kg).\n\nThe plan is damaged or was not made for "
              "this aircraft, so it was not used.");
}

TEST(FlightPlan, FitsItsOwnTypeAndTheCorporateJetAsAnA319) {
    const std::tuple<const char*, AircraftType, bool> cases[] = {
        {"A320", AircraftType::A320, true},  {" a321", AircraftType::A321, true},
        {"A319", AircraftType::ACJ, true},   {"A318", AircraftType::A319, false},
        {"A20N", AircraftType::A320, false}, {"", AircraftType::A318, false}};
    for (const auto& [icao, aircraft, fits] : cases) {
        Plan plan;
        plan.aircraftIcao = icao;
        EXPECT_EQ(flightplan::PlanFitsAircraft(plan, aircraft), fits) << icao;
    }
}

TEST(FlightPlan, GivesTheLoadManagerThePlansPayload) {
    for (const test_data::Row& row : test_data::Rows("flightplan/plan_loads.tsv")) {
        const std::vector<int64_t> n = test_data::Numbers({row.begin(), row.begin() + 11}, 0);
        Plan plan = Read("kgs");  // EGLL-LFPG
        plan.passengers = static_cast<int32_t>(n[0]);
        plan.payloadKg = static_cast<int32_t>(n[1]);
        plan.estZfwKg = static_cast<int32_t>(n[2]);
        const payload::LoadFromPlan load = payload::LoadFromFlightPlan(
            plan, static_cast<int32_t>(n[3]), static_cast<int32_t>(n[4]));
        EXPECT_EQ((std::vector<int64_t>{load.passengers, load.cargoKg, load.passengersCapped,
                                        load.noCargo, load.zfwKg, load.zfwDifferenceKg}),
                  std::vector<int64_t>(n.begin() + 5, n.begin() + 11))
            << row[0] << " " << row[1];
        EXPECT_EQ(payload::PlanLoadNote(plan, load, WeightUnit::Kg) + " | " +
                      payload::PlanLoadNote(plan, load, WeightUnit::Lb),
                  test_data::WithNbsp(row[11]));
    }
}

TEST(FlightPlan, FillsTheFuelPlannersFieldsInItsUnit) {
    for (const test_data::Row& row : test_data::Rows("flightplan/plan_fields.tsv")) {
        Plan plan = Read(row[0]);
        plan.contingencyKg = std::stoi(row[1]);
        plan.enrouteBurnKg = std::stoi(row[2]);
        const fuel::PlannerInput f =
            fuel::FieldsFromPlan(plan, row[3] == "kg" ? WeightUnit::Kg : WeightUnit::Lb,
                                 std::stoi(row[4]), std::stoi(row[5]));
        EXPECT_EQ(f.distance + "|" + f.altitude + "|" + f.costIndex + "|" + f.zfw + "|" + f.taxi +
                      "|" + f.reserve + "|" + f.finalFuel,
                  row[6]);
    }
    EXPECT_EQ(fuel::BlockFuelText(5422, 5541, WeightUnit::Kg),
              test_data::WithNbsp("OFP block 5~422 kg (119 kg below the FOB)"));
    EXPECT_EQ(fuel::BlockFuelText(5541, 5541, WeightUnit::Lb),
              test_data::WithNbsp("OFP block 12~216 lb (= FOB)"));
}

TEST(FlightPlan, AsksTheServiceOrTheAddressGivenForTheUser) {
    EXPECT_EQ(flightplan::FetchAddress("", "Jean Dupont/é", false),
              "https://www.simbrief.com/api/xml.fetcher.php?username=Jean%20Dupont%2F%C3%A9");
    EXPECT_EQ(flightplan::FetchAddress("http://127.0.0.1:8080/ofp?x=1", "123", true),
              "http://127.0.0.1:8080/ofp?x=1&userid=123");
    // The limit may only be shortened, to whole seconds.
    const std::pair<const char*, int> limits[] = {{nullptr, 15}, {"", 15},   {"2", 2},
                                                  {"15", 15},    {"16", 15}, {"0", 15},
                                                  {"1.5", 15},   {"-3", 15}};
    for (const auto& [text, seconds] : limits) {
        EXPECT_EQ(flightplan::FetchLimitSeconds(text), seconds) << (text ? text : "null");
    }
}

}  // namespace
