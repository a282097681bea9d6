// Weight and balance: CG, limits and status lines, worked out by hand here and in the tables.
#include <gtest/gtest.h>

#include <tuple>

#include "balance/balance_file.h"
#include "balance/cfg_number.h"
#include "balance/status_line.h"
#include "balance/weight_limits.h"
#include "fuel/fuel_balance.h"
#include "payload/payload_balance.h"
#include "payload/payload_file.h"
#include "platform/files.h"
#include "tests/support/data_rows.h"

namespace balance {
namespace {

using test_data::WithNbsp;

BalanceFile ReadCfg(const std::string& text) {
    static const test_data::TempFolder dir;
    const std::string path = dir + "/Aircraft.cfg";
    EXPECT_TRUE(files::ReplaceFile(path, text).ok());
    return ReadBalanceFile(path);
}

CgResult ExpectedCg(const std::string& field) {
    char* end = nullptr;
    const double percent = std::strtod(field.c_str(), &end);
    return *end == '\0' ? CgResult{percent, ""} : CgResult{std::nullopt, field};
}

// "\n" is a line break; {WING} and {WEIGHTS} the sections the table's token rows give.
TEST(BalanceFileTest, CgOrWhatIsMissing) {
    std::vector<std::pair<std::string, std::string>> tokens = {{"\\n", "\n"}};
    for (const auto& row : test_data::Rows("balance_files.tsv")) {
        std::string text = row[1];
        for (const auto& [token, value] : tokens) {
            text = test_data::Replaced(text, token, value);
        }
        if (row[0][0] == '{') {
            tokens.insert(tokens.begin() + 1, {row[0], text});
            continue;
        }
        const CgResult want = ExpectedCg(row[0]);
        const BalanceFile file = ReadCfg(text);
        CgResult cg = ZeroFuelCg(file);
        if (row.size() > 2) {  // the take-off CG
            const auto n = test_data::Numbers(row, 2);
            TankFuel fuel;
            std::copy(n.begin() + 1, n.end(), fuel.kg);
            cg = TakeOffCg(file, static_cast<double>(n[0]), fuel);
        }
        EXPECT_EQ(cg.whyNot, want.whyNot) << row[1];
        EXPECT_NEAR(cg.percentMac.value_or(-1e9), want.percentMac.value_or(-1e9), 0.01) << row[1];
    }
}

// Each number of the table is also what the C library reads.
TEST(CfgNumberTest, LeadingNumberAsTheSimulatorReadsIt) {
    for (const auto& row : test_data::Rows("balance_numbers.tsv")) {
        const std::optional<double> number = LeadingNumber(row[0]);
        if (row[1] == "-") {
            EXPECT_FALSE(number) << row[0] << " read " << number.value_or(0);
            continue;
        }
        const double want = std::strtod(row[1].c_str(), nullptr);
        EXPECT_EQ(std::strtod(row[0].c_str(), nullptr), want) << row[0];
        EXPECT_EQ(number.value_or(-12345), want) << row[0];
    }
}

// Files with comments after their values, opened as the load manager opens them; the Fuel
// Planner's read gives the same CG.
TEST(LookAlikeFilesTest, LimitsCgAndPayloadThroughComments) {
    const AircraftSpec& a320 = Aircraft(AircraftType::A320);
    for (const auto& row : test_data::Rows("balance_lookalikes.tsv")) {
        SCOPED_TRACE(row[0]);
        const std::string path = CORVEL_SOURCE_DIR "/tests/data/balance/" + row[0];
        const payload::Opening opening = payload::ReadOpening(path, a320);
        const CgResult zfw = ZeroFuelCg(opening.balance);
        EXPECT_NEAR(zfw.percentMac.value_or(-1e9), std::stod(row[1]), 0.01) << zfw.whyNot;
        EXPECT_EQ(ZeroFuelCg(ReadBalanceFile(path)).percentMac, zfw.percentMac);

        TankFuel fuel;
        fuel.kg[static_cast<int>(FuelTank::LeftInner)] = 3000;
        fuel.kg[static_cast<int>(FuelTank::Center)] = 1000;
        fuel.kg[static_cast<int>(FuelTank::RightInner)] = 3000;
        const CgResult tow = TakeOffCg(opening.balance, 50000, fuel);
        const CgResult want = ExpectedCg(row[2]);
        EXPECT_EQ(tow.whyNot, want.whyNot);
        EXPECT_NEAR(tow.percentMac.value_or(-1e9), want.percentMac.value_or(-1e9), 0.01);

        EXPECT_EQ(std::make_tuple(opening.limits.mtowKg, opening.limits.mtowFromFile),
                  std::make_tuple(std::stoi(row[3]), true));
        const CgRange limits = opening.balance.cgLimits.value_or(CgRange{-1, -1});
        EXPECT_NEAR(limits.forwardPercent, std::stod(row[4]), 1e-9);
        EXPECT_NEAR(limits.aftPercent, std::stod(row[5]), 1e-9);
        const payload::LoadState& load = opening.load;
        const auto n = test_data::Numbers(row, 6);
        EXPECT_EQ(std::vector<int64_t>({load.emptyWeightKg, load.businessPax, load.economyPax,
                                        load.forwardCargoPercent, load.aftCargoPercent}),
                  std::vector<int64_t>(n.begin(), n.end()));
    }
}

TEST(WeightLimitsTest, TheFilesMaxGrossWeightWinsForMtow) {
    for (const auto& row : test_data::Rows("balance_mtow.tsv")) {
        const std::string text =
            row[0] == "none" ? "" : "[WEIGHT_AND_BALANCE]\nmax_gross_weight=" + row[0] + "\n";
        const WeightLimits limits = LimitsOf(Aircraft(AircraftType::A320), ReadCfg(text));
        EXPECT_EQ(std::make_tuple(limits.mtowKg, limits.mlwKg, limits.mzfwKg, limits.mtowFromFile),
                  std::make_tuple(std::stoi(row[1]), 66000, 62500, row[2] == "1"))
            << row[0];
    }
}

TEST(StatusLineTest, LinesInBothUnits) {
    const WeightLimits a320{78000, 66000, 62500, false};
    for (const auto& row : test_data::Rows("balance_status.tsv")) {
        const WeightUnit unit = row[1] == "lb" ? WeightUnit::Lb : WeightUnit::Kg;
        const auto cgLimits = row[5] == "-" ? std::optional<CgRange>()
                                            : CgRange{std::stod(row[5]), std::stod(row[6])};
        StatusLine line;
        if (row[0] == "number") {
            line = {GroupedNumber(std::stoll(row[2])), false};
        } else if (row[0] == "zfw") {
            line = ZeroFuelStatus(ExpectedCg(row[4]), cgLimits, std::stoll(row[2]), a320, unit);
        } else if (row[0] == "tow") {
            line = TakeOffStatus(std::stoll(row[2]), std::stoll(row[3]), ExpectedCg(row[4]),
                                 cgLimits, a320, unit);
        } else {
            line = LimitsStatus(a320, unit);
        }
        EXPECT_EQ(line.text, WithNbsp(row[8]));
        EXPECT_EQ(line.warning, row[7] == "1") << row[8];
    }
}

// The demo A320 (wing 1318 ft2, span 111.9, root chord 20.4, sweep 25, apex 11.8: MAC 13.882 ft,
// LEMAC 1.938 ft). The worked load (42 412 kg at -3.4 ft, two pilots of 170 lb at 57.6 ft, 900 kg
// at 26, 10 350 kg at 0, 1 701 kg at 16, 4 536 kg at 0) has its CG at -1.410 ft: 24.12 % MAC. The
// worked plan at 59 899 kg needs 4 133 kg of trip fuel and 5 539 kg on board: TOW 59 899 + 5 539 -
// 200 = 65 238 kg, LW 61 105 kg. It puts 59 899 kg at the file's saved zero-fuel CG (-1.543 ft),
// 2 669 kg in each Main tank at -4.5 ft and 1 kg in Center1 at -1.5 ft: -1.785 ft, 26.82 % MAC.
TEST(DemoAircraftTest, BothLinesOfTheWorkedExamples) {
    const AircraftSpec& a320 = Aircraft(AircraftType::A320);
    const BalanceFile file = ReadBalanceFile(
        CORVEL_SOURCE_DIR "/demo/SimObjects/Airplanes/Norvane Zelvia A320/Aircraft.cfg");
    const WeightLimits limits = LimitsOf(a320, file);

    const payload::LoadState load{42412, 12, 138, 50, 100};
    EXPECT_EQ(payload::ZeroFuelLine(load, 59899, file, limits, WeightUnit::Kg, a320).text,
              WithNbsp("ZFW CG 24.1 % MAC · 2~601 kg below MZFW"));
    // The load's own empty weight, not the file's: 45 000 kg at -3.4 ft puts the CG at -1.4926 ft,
    // 100 * (1.938 + 1.4926) / 13.882 = 24.71 % MAC, and the ZFW at 62 641 kg.
    const payload::LoadState heavier{45000, 12, 138, 50, 100};
    EXPECT_EQ(payload::ZeroFuelLine(heavier, 62641, file, limits, WeightUnit::Kg, a320).text,
              WithNbsp("ZFW CG 24.7 % MAC · 141 kg above MZFW"));

    const fuel::PlannerResult plan = fuel::PlanFromFields(
        AircraftType::A320, {"500", "35000", "50", "59899", "200", "5", "1000"}, WeightUnit::Kg);
    ASSERT_EQ(plan.outcome, fuel::PlanOutcome::Shown);
    EXPECT_EQ(std::make_tuple(plan.plan.tripKg, plan.plan.fobKg), std::make_tuple(4133, 5539));
    EXPECT_EQ(fuel::TakeOffLine(AircraftType::A320, plan, file, limits, WeightUnit::Kg).text,
              WithNbsp("TOW 65~238 kg · LW 61~105 kg · TOW CG 26.8 % MAC"));
}

}  // namespace
}  // namespace balance
