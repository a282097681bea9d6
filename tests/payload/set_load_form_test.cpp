// Set Load's form: typed texts against written-out rows; an unreachable target's exact nearest
// load; the numbers remembered across units; the chart's scales worked out by hand.
#include <gtest/gtest.h>

#include "payload/set_load_form.h"
#include "tests/support/data_rows.h"

namespace payload {
namespace {

const balance::BalanceFile& LookAlike() {
    static const balance::BalanceFile file =
        balance::ReadBalanceFile(CORVEL_SOURCE_DIR "/tests/data/payload/set_load_lookalike.cfg");
    return file;
}

SetLoadTexts Typed(const std::string& passengers, GivenWeight given, const std::string& weight,
                   const std::string& target) {
    SetLoadTexts texts;
    texts.passengers = passengers;
    texts.given = given;
    (given == GivenWeight::Cargo ? texts.cargo : texts.zfw) = weight;
    texts.aimAtCg = target != "-";
    texts.targetCg = target;
    return texts;
}

TEST(SetLoadFormTest, TypedTextsAnsweredAsWrittenOut) {
    for (const test_data::Row& row : test_data::Rows("set_load_form.tsv")) {
        const AircraftSpec& c =
            Aircraft(static_cast<AircraftType>(test_data::AircraftNumber(row[0])));
        const WeightUnit unit = row[1] == "lb" ? WeightUnit::Lb : WeightUnit::Kg;
        const SetLoadTexts texts =
            Typed(row[3], row[4] == "zfw" ? GivenWeight::Zfw : GivenWeight::Cargo, row[5], row[6]);
        const SetLoadAnswer a =
            AnswerForm(texts, unit, {std::stoi(row[2]), 4, 0, 0, 0}, c, LookAlike());
        const auto shown = [](const std::string& text) { return text.empty() ? "-" : text; };
        EXPECT_EQ(shown(a.error + a.warning) + "|" + shown(a.passengers) + "|" + shown(a.cargo) +
                      "|" + shown(a.difference) + "|" + shown(a.zfw),
                  test_data::WithNbsp(row[7] + "|" + row[8] + "|" + row[9] + "|" + row[10] + "|" +
                                      row[11]))
            << row[0] << " " << row[3] << " " << row[5];
        EXPECT_EQ(bool(a.plan), a.error.empty());
    }
}

TEST(SetLoadFormTest, AnUnreachableTargetOffersTheExactNearestLoad) {
    const AircraftSpec& a320 = Aircraft(AircraftType::A320);
    const LoadState current{45000, 0, 0, 0, 0};
    SetLoadTexts texts = Typed("75", GivenWeight::Cargo, "1000", "90");
    const SetLoadAnswer far = AnswerForm(texts, WeightUnit::Kg, current, a320, LookAlike());
    ASSERT_TRUE(far.nearestCg && far.nearestPlan && !far.plan);
    EXPECT_EQ(far.error.rfind("A ZFW CG of 90.0 % MAC is out of reach of these loads; the "
                              "nearest is " +
                                  TargetFieldText(*far.nearestCg) + " % MAC.",
                              0),
              0u);
    EXPECT_EQ(*far.nearestPlan->cgPercentMac, *far.nearestCg);
    // Accepted: the exact value, whatever its rounded text; remembered and reopened in pounds.
    texts.exactTarget = far.nearestCg;
    const SetLoadAnswer accepted = AnswerForm(texts, WeightUnit::Kg, current, a320, LookAlike());
    ASSERT_TRUE(accepted.plan);
    EXPECT_EQ(accepted.plan->load.forwardCargoPercent, far.nearestPlan->load.forwardCargoPercent);
    const SetLoadTexts reopened =
        OpeningTexts(accepted.memory, current, a320, LookAlike(), WeightUnit::Lb);
    EXPECT_EQ(std::make_tuple(reopened.passengers, reopened.cargo, reopened.aimAtCg,
                              reopened.exactTarget),
              std::make_tuple(std::string("75"), std::string("2205"), true, far.nearestCg));
}

// 45 000 to 65 000 kg in steps of 5 000 (the full aircraft weighs 64 188 kg); MZFW 62 500. The
// CG: the usual 15 to 40 % (the file has no limits), the empty aircraft at 40 % (1 ft, MAC 10 ft
// from 5 ft), the ZFW's moment over its weight with the stations where saving puts them: from
// 10 to 45 %.
TEST(SetLoadFormTest, ChartScalesWorkedOutByHand) {
    const AircraftSpec& a320 = Aircraft(AircraftType::A320);
    const LoadState current{45000, 0, 0, 0, 0};
    const SetLoadTexts texts = Typed("75", GivenWeight::Cargo, "1000", "-");
    const SetLoadChart chart =
        ChartOf(AnswerForm(texts, WeightUnit::Kg, current, a320, LookAlike()), texts, current, a320,
                LookAlike(), WeightUnit::Kg);
    std::string labels;
    for (const ChartTick& tick : chart.weightTicks) {
        labels += tick.label + " ";
    }
    EXPECT_EQ(labels, test_data::WithNbsp("45~000 50~000 55~000 60~000 65~000 "));
    const double pilotKg = 170 * 0.4536;
    const double zfwCg =
        100 * (5 - (45000 * 1.0 + pilotKg * 36 + 450 * 26 + 408 * 16) / (51622 + pilotKg)) / 10;
    ASSERT_TRUE(chart.empty && chart.zfw);
    EXPECT_NEAR(chart.empty->x, 30.0 / 35, 1e-9);
    EXPECT_NEAR(chart.zfw->x, (zfwCg - 10) / 35, 1e-9);
    EXPECT_NEAR(chart.zfw->y, 6622.0 / 20000, 1e-9);
    EXPECT_NEAR(chart.mzfw, 17500.0 / 20000, 1e-9);
    EXPECT_EQ(chart.limitsCaption, "CG: usual 15-40 %");
    EXPECT_NEAR(chart.aftLimit - chart.forwardLimit, 25.0 / 35, 1e-9);
}

}  // namespace
}  // namespace payload
