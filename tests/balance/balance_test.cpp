// Weight and balance: the MAC formula's worked check, the aircraft file as
// read (and what is missing from it), the limits, and the status lines in
// both units, with every expected figure worked out by hand here.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "balance/balance_file.h"
#include "balance/status_line.h"
#include "balance/weight_limits.h"
#include "fuel/fuel_balance.h"
#include "payload/payload_balance.h"
#include "payload/payload_file.h"
#include "platform/files.h"

namespace balance {
namespace {

namespace fs = std::filesystem;

// Expected texts are written with '~' for the no-break space.
std::string Nbsp(std::string text) {
    for (size_t at; (at = text.find('~')) != std::string::npos;) {
        text.replace(at, 1, "\u00a0");
    }
    return text;
}

std::string WriteCfg(const std::string& text) {
    const fs::path path =
        fs::temp_directory_path() / ("corvel-balance-" + std::to_string(getpid()));
    EXPECT_TRUE(files::ReplaceFile(path.string(), text).ok());
    return path.string();
}

std::string DemoFile(const char* folder) {
    return std::string(CORVEL_SOURCE_DIR) + "/demo/SimObjects/Airplanes/" + folder +
           "/Aircraft.cfg";
}

// The simulator's default 737-800: the simulator itself shows 35.95 % MAC.
// taper = 2 * 1344 / (117.42 * 21.0) - 1 = 0.09010; MAC = 14.104 ft;
// y_MAC = 21.188 ft; LEMAC = 6.96 - 21.188 * tan 27.2 deg = -3.929 ft.
TEST(CentreOfGravity, DefaultAirlinerCheck) {
    const ChordResult wing = MeanChordOf({1344, 117.42, 21.0, 27.2, 6.96});
    ASSERT_TRUE(wing.chord) << wing.whyNot;
    EXPECT_NEAR(wing.chord->lengthFt, 14.104, 0.001);
    EXPECT_NEAR(wing.chord->leadingEdgeFt, -3.929, 0.001);
    const CgResult cg = CgOf(*wing.chord, {{40000, -9.0}});
    ASSERT_TRUE(cg.percentMac);
    EXPECT_NEAR(*cg.percentMac, 35.95, 0.01);
}

constexpr char kWing[] =
    "[airplane_geometry]\nwing_area = 1344\nwing_span = 117.42\nwing_root_chord = 21.0\n"
    "wing_sweep = 27.2\nwing_pos_apex_lon = 6.96\n";
// 90000 lb at -9 ft and 10000 lb at +1 ft: CG at -8 ft, 28.86 % MAC.
constexpr char kWeights[] =
    "[WEIGHT_AND_BALANCE]\nempty_weight = 90000\nempty_weight_CG_position = -9.0, 0, 0\n"
    "station_load.0 = \"10000, 1.0, 0.0, 0.0, Forward\"\n";

TEST(BalanceFileTest, CgOrWhatIsMissing) {
    const struct {
        std::string text;
        double percent;  // when why is empty
        const char* why;
    } rows[] = {
        {std::string(kWeights) + kWing, 28.86, ""},
        // Quotes and a leading '+' are read as the simulator reads them.
        {std::string(kWing) +
             "[WEIGHT_AND_BALANCE]\nempty_weight='90000'\n"
             "empty_weight_CG_position=\"-9, 0, 0\"\nstation_load.3=+10000,+1,0,0\n",
         28.86, ""},
        {std::string(kWing) + "[WEIGHT_AND_BALANCE]\nempty_weight = 90000\n", 0,
         "no usable empty_weight_CG_position in [WEIGHT_AND_BALANCE]"},
        {kWeights, 0, "no usable wing_area in [airplane_geometry]"},
        {std::string(kWeights) + "[airplane_geometry]\nwing_area=1344\nwing_span=0\n"
                                 "wing_root_chord=21\nwing_sweep=27.2\nwing_pos_apex_lon=6.96\n",
         0, "the wing's area, span and root chord must be above 0"},
        {std::string(kWeights) + "[airplane_geometry]\nwing_area=1344\nwing_span=117.42\n"
                                 "wing_root_chord=21\nwing_sweep=nan\nwing_pos_apex_lon=6.96\n",
         0, "no usable wing_sweep in [airplane_geometry]"},
        {std::string(kWeights) + "[airplane_geometry]\nwing_area=1e308\nwing_span=117.42\n"
                                 "wing_root_chord=21\nwing_sweep=27.2\nwing_pos_apex_lon=6.96\n",
         0, "the wing's area does not fit its span and root chord"},
        {std::string(kWeights) + "[airplane_geometry]\nwing_area=1344\nwing_span=117.42\n"
                                 "wing_root_chord=21\nwing_sweep=90\nwing_pos_apex_lon=6.96\n",
         0, "the wing's sweep or apex position is not usable"},
        {std::string(kWing) + "[WEIGHT_AND_BALANCE]\nempty_weight = 0\n"
                              "empty_weight_CG_position = -9.0\n",
         0, "no usable empty_weight in [WEIGHT_AND_BALANCE]"},
        {std::string(kWeights) + "station_load.1 = \"heavy, 3.0\"\n" + kWing, 0,
         "station_load.1 in [WEIGHT_AND_BALANCE] is not \"weight, position, ...\""},
        {std::string(kWeights) + "station_load.2 = \"10, 1e300\"\n" + kWing, 0,
         "station_load.2 in [WEIGHT_AND_BALANCE] is not \"weight, position, ...\""},
        {std::string(kWing) + "[WEIGHT_AND_BALANCE]\nempty_weight = 90000\n"
                              "empty_weight_CG_position = 9000\n",
         0, "the positions put it far off the wing"},
        {"", 0, "no usable wing_area in [airplane_geometry]"},
    };
    for (const auto& row : rows) {
        const CgResult cg = ZeroFuelCg(ReadBalanceFile(WriteCfg(row.text)));
        EXPECT_EQ(cg.whyNot, row.why) << row.text;
        if (row.why[0] == '\0' && cg.percentMac) {
            EXPECT_NEAR(*cg.percentMac, row.percent, 0.01) << row.text;
        }
        EXPECT_EQ(cg.percentMac.has_value(), row.why[0] == '\0') << row.text;
    }
}

// 50000 kg at the file's zero-fuel CG (-8 ft), 3000 kg in each Main tank at
// -4.5 ft, 1000 kg in Center1 at -1.5 ft: CG at -7.518 ft, 25.44 % MAC. A
// tank without a position may stay empty, but not hold fuel.
TEST(BalanceFileTest, TakeOffCgPutsTheFuelInItsTanks) {
    const std::string path = WriteCfg(std::string(kWeights) + kWing +
                                      "[fuel]\nLeftMain = -4.5, -14, -1, 1800, 5\n"
                                      "RightMain = -4.5, 14, -1, 1800, 5\nCenter1 = -1.5, 0, 0\n");
    const BalanceFile file = ReadBalanceFile(path);
    TankFuel fuel;
    fuel.kg[static_cast<int>(FuelTank::LeftInner)] = 3000;
    fuel.kg[static_cast<int>(FuelTank::RightInner)] = 3000;
    fuel.kg[static_cast<int>(FuelTank::Center)] = 1000;
    const CgResult cg = TakeOffCg(file, 50000, fuel);
    ASSERT_TRUE(cg.percentMac) << cg.whyNot;
    EXPECT_NEAR(*cg.percentMac, 25.44, 0.01);
    fuel.kg[static_cast<int>(FuelTank::LeftOuter)] = 1;
    EXPECT_EQ(TakeOffCg(file, 50000, fuel).whyNot, "no usable LeftAux in [fuel]");
}

TEST(WeightLimitsTest, TheFilesMaxGrossWeightWinsForMtow) {
    const struct {
        const char* value;
        int32_t mtowKg;
        bool fromFile;
    } rows[] = {
        {nullptr, 78000, false}, {"169753", 77000, true}, {"\"169753.0\"", 77000, true},
        {"0", 78000, false},     {"-5", 78000, false},    {"heavy", 78000, false},
        {"1e300", 78000, false},
    };
    for (const auto& row : rows) {
        const std::string text =
            row.value ? std::string("[WEIGHT_AND_BALANCE]\nmax_gross_weight=") + row.value + "\n"
                      : "";
        const WeightLimits limits =
            LimitsOf(Aircraft(AircraftType::A320), ReadBalanceFile(WriteCfg(text)));
        EXPECT_EQ(std::make_tuple(limits.mtowKg, limits.mlwKg, limits.mzfwKg, limits.mtowFromFile),
                  std::make_tuple(row.mtowKg, 66000, 62500, row.fromFile))
            << (row.value ? row.value : "none");
    }
}

TEST(StatusLineTest, GroupedNumbers) {
    const std::pair<int64_t, const char*> rows[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1~000"},
        {65240, "65~240"},
        {1234567, "1~234~567"},
        {-1234, "-1~234"},
        {INT64_MIN, "-9~223~372~036~854~775~808"},
    };
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(GroupedNumber(value), Nbsp(text)) << value;
    }
}

// The A320's limits: MTOW 78 000, MLW 66 000, MZFW 62 500 kg. Pounds are
// kg x 2.2045855 rounded: 2 601 kg = 5 734 lb, 65 240 kg = 143 827 lb.
TEST(StatusLineTest, LinesInBothUnits) {
    const WeightLimits a320{78000, 66000, 62500, false};
    const CgRange fileLimits{15.0, 40.0};
    const CgResult cg274{27.44, ""};
    const CgResult noCg{std::nullopt, "no usable wing_area in [airplane_geometry]"};
    const struct {
        StatusLine line;
        const char* text;
        bool warning;
    } rows[] = {
        {ZeroFuelStatus(cg274, std::nullopt, 59899, a320, WeightUnit::Kg),
         "ZFW CG 27.4 % MAC · 2~601 kg below MZFW", false},
        {ZeroFuelStatus(cg274, fileLimits, 59899, a320, WeightUnit::Lb),
         "ZFW CG 27.4 % MAC · 5~734 lb below MZFW", false},
        {ZeroFuelStatus(cg274, fileLimits, 62500, a320, WeightUnit::Kg),
         "ZFW CG 27.4 % MAC · at MZFW", false},
        {ZeroFuelStatus(cg274, fileLimits, 63703, a320, WeightUnit::Kg),
         "ZFW CG 27.4 % MAC · 1~203 kg above MZFW", true},
        {ZeroFuelStatus(cg274, fileLimits, 63703, a320, WeightUnit::Lb),
         "ZFW CG 27.4 % MAC · 2~652 lb above MZFW", true},
        {ZeroFuelStatus({42.04, ""}, fileLimits, 59899, a320, WeightUnit::Kg),
         "ZFW CG 42.0 % MAC (2.0 % aft of the 40.0 % limit) · 2~601 kg below MZFW", true},
        {ZeroFuelStatus({12.96, ""}, CgRange{14.0, 38.0}, 59899, a320, WeightUnit::Kg),
         "ZFW CG 13.0 % MAC (1.0 % forward of the 14.0 % limit) · 2~601 kg below MZFW", true},
        {ZeroFuelStatus({12.0, ""}, std::nullopt, 59899, a320, WeightUnit::Kg),
         "ZFW CG 12.0 % MAC (unusual: outside 15.0 to 40.0 %) · 2~601 kg below MZFW", true},
        {ZeroFuelStatus({-0.04, ""}, CgRange{-1.0, 40.0}, 59899, a320, WeightUnit::Kg),
         "ZFW CG 0.0 % MAC · 2~601 kg below MZFW", false},
        {ZeroFuelStatus(noCg, fileLimits, 59899, a320, WeightUnit::Kg),
         "ZFW CG not available (no usable wing_area in [airplane_geometry]) · 2~601 kg below MZFW",
         false},
        {TakeOffStatus(65240, 61105, {26.1, ""}, fileLimits, a320, WeightUnit::Kg),
         "TOW 65~240 kg · LW 61~105 kg · TOW CG 26.1 % MAC", false},
        {TakeOffStatus(65240, 61105, {26.1, ""}, fileLimits, a320, WeightUnit::Lb),
         "TOW 143~827 lb · LW 134~711 lb · TOW CG 26.1 % MAC", false},
        {TakeOffStatus(80123, 67000, {26.1, ""}, fileLimits, a320, WeightUnit::Kg),
         "TOW 80~123 kg (2~123 kg above MTOW) · LW 67~000 kg (1~000 kg above MLW) · "
         "TOW CG 26.1 % MAC",
         true},
        {TakeOffStatus(78000, 66000, noCg, std::nullopt, a320, WeightUnit::Kg),
         "TOW 78~000 kg · LW 66~000 kg · TOW CG not available (no usable wing_area in "
         "[airplane_geometry])",
         false},
        {LimitsStatus(a320, WeightUnit::Kg), "MTOW 78~000 kg · MLW 66~000 kg · MZFW 62~500 kg",
         false},
        {LimitsStatus(a320, WeightUnit::Lb), "MTOW 171~958 lb · MLW 145~503 lb · MZFW 137~787 lb",
         false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.line.text, Nbsp(row.text));
        EXPECT_EQ(row.line.warning, row.warning) << row.text;
    }
}

// The demo A320 (wing 1318 ft2, span 111.9, root chord 20.4, sweep 25,
// apex 11.8: MAC 13.882 ft, LEMAC 1.938 ft). The worked load (42 412 kg at
// -3.4 ft, two pilots of 170 lb at 57.6 ft, 900 kg at 26, 10 350 kg at 0,
// 1 701 kg at 16, 4 536 kg at 0) has its CG at -1.410 ft: 24.12 % MAC.
// The worked plan flown at 59 899 kg needs 4 133 kg of trip fuel and
// 5 539 kg on board: TOW 59 899 + 5 539 - 200 = 65 238 kg, LW 61 105 kg.
// It puts 59 899 kg at the file's saved zero-fuel CG (-1.543 ft), 2 669 kg
// in each Main tank at -4.5 ft and 1 kg in Center1 at -1.5 ft: -1.785 ft,
// 26.82 % MAC.
TEST(DemoAircraftTest, BothLinesOfTheWorkedExamples) {
    const std::string path = DemoFile("Norvane Zelvia A320");
    const AircraftSpec& a320 = Aircraft(AircraftType::A320);
    const BalanceFile file = ReadBalanceFile(path);
    const WeightLimits limits = LimitsOf(a320, file);
    EXPECT_EQ(limits.mtowKg, 77000);  // max_gross_weight = 169753 lb

    const payload::LoadState load{42412, 12, 138, 50, 100};
    EXPECT_EQ(payload::ZeroFuelLine(load, 59899, file, limits, WeightUnit::Kg, a320).text,
              Nbsp("ZFW CG 24.1 % MAC · 2~601 kg below MZFW"));

    const fuel::PlannerResult plan = fuel::PlanFromFields(
        AircraftType::A320, {"500", "35000", "50", "59899", "200", "5", "1000"}, WeightUnit::Kg);
    ASSERT_EQ(plan.outcome, fuel::PlanOutcome::Shown);
    EXPECT_EQ(std::make_tuple(plan.plan.tripKg, plan.plan.fobKg), std::make_tuple(4133, 5539));
    EXPECT_EQ(fuel::TakeOffLine(AircraftType::A320, plan, file, limits, WeightUnit::Kg).text,
              Nbsp("TOW 65~238 kg · LW 61~105 kg · TOW CG 26.8 % MAC"));
}

}  // namespace
}  // namespace balance
