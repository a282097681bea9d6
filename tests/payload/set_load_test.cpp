// Set load against independent arithmetic, written-out rows and a brute force over every load;
// its form: typed texts against written-out rows, an unreachable target's exact nearest load, the
// numbers remembered across units, the chart's scales worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "payload/set_load.h"
#include "payload/set_load_form.h"
#include "tests/support/data_rows.h"

namespace payload {
namespace {

// The look-alike aircraft file (tests/data/payload): its stations where saving puts them.
const balance::BalanceFile& LookAlike() {
    static const balance::BalanceFile file =
        balance::ReadBalanceFile(CORVEL_SOURCE_DIR "/tests/data/payload/set_load_lookalike.cfg");
    return file;
}

SetLoadRequest Cargo(int32_t pax, int32_t kg, Seating seating = Seating::BothClasses) {
    return {pax, GivenWeight::Cargo, kg, seating};
}

// The nearest whole number to n x f / all, halves up, by counting: the k whose interval
// [k - 1/2, k + 1/2) holds it, that is (2k - 1) all <= 2 n f < (2k + 1) all.
uint32_t ProportionalFirst(uint32_t n, const AircraftSpec& c) {
    const int64_t all = c.firstClassSeats + c.secondClassSeats;
    int64_t k = 0;
    while ((2 * k + 1) * all <= 2 * int64_t{n} * c.firstClassSeats) {
        ++k;
    }
    const int64_t rest = n - k;
    return static_cast<uint32_t>(rest > c.secondClassSeats ? n - c.secondClassSeats : k);
}

TEST(SetLoadTest, EveryPassengerCountSeatedInProportion) {
    for (const AircraftSpec& c : kAircraft) {
        const LoadState current{40000, 5, 7, 60, 70};
        for (int32_t n = 0; n <= c.firstClassSeats + c.secondClassSeats; ++n) {
            const SetLoadResult r = SetLoad(Cargo(n, 0), current, c);
            ASSERT_TRUE(r.plan) << c.name << " " << n;
            const LoadState& l = r.plan->load;
            const uint32_t first = ProportionalFirst(static_cast<uint32_t>(n), c);
            EXPECT_EQ(std::vector<uint32_t>(
                          {l.businessPax, l.economyPax, l.forwardCargoPercent, l.aftCargoPercent}),
                      std::vector<uint32_t>({first, n - first, 0, 0}))
                << c.name << " " << n;
            EXPECT_EQ(r.plan->zfwKg, 40000 + 75 * n);
        }
        // Guests only: the crew stays, every passenger is a guest, the crew weighs in the ZFW.
        for (int32_t n = 0; n <= c.secondClassSeats; ++n) {
            const SetLoadResult r = SetLoad(
                {n, GivenWeight::Zfw, 40000 + 75 * (5 + n), Seating::GuestsOnly}, current, c);
            ASSERT_TRUE(r.plan);
            EXPECT_EQ(
                std::make_tuple(r.plan->load.businessPax, r.plan->load.economyPax, r.plan->cargoKg),
                std::make_tuple(5u, uint32_t(n), 0u));
        }
    }
}

TEST(SetLoadTest, WrittenOutRowsInBothModes) {
    for (const test_data::Row& row : test_data::Rows("set_load.tsv")) {
        const AircraftSpec& c = Aircraft(test_data::AircraftNamed(row[0]));
        const auto n = test_data::Numbers(row, 2);
        const SetLoadRequest request{int32_t(n[0]),
                                     row[1] == "zfw" ? GivenWeight::Zfw : GivenWeight::Cargo,
                                     int32_t(n[1]), Seating::BothClasses};
        const SetLoadResult r = SetLoad(request, {int32_t(n[2]), 0, 0, 0, 0}, c);
        ASSERT_TRUE(r.plan) << row[0] << " " << row[2];
        const LoadPlan& p = *r.plan;
        EXPECT_EQ(std::vector<int64_t>({p.load.businessPax, p.load.economyPax,
                                        p.load.forwardCargoPercent, p.load.aftCargoPercent,
                                        p.cargoKg, p.cargoMissKg, p.zfwKg, p.aboveMzfw}),
                  std::vector<int64_t>(n.begin() + 3, n.end()))
            << row[0] << " " << row[1] << " " << row[2] << " " << row[3];
    }
}

// The look-alike's CG worked out here: the MAC is 10 ft from 5 ft; the pilot's 170 lb at 36 ft;
// our stations where saving puts them (first 26, coach 0, forward hold 16, aft hold 0 ft).
double LookAlikeCg(const LoadState& l, const AircraftSpec& c) {
    const double fwdKg = l.forwardCargoPercent * c.forwardHoldKg / 100;
    const double aftKg = l.aftCargoPercent * c.aftHoldKg / 100;
    const double masses[][2] = {
        {double(l.emptyWeightKg), 1.0}, {170 * 0.4536, 36.0}, {75.0 * l.businessPax, 26.0},
        {75.0 * l.economyPax, 0.0},     {fwdKg, 16.0},        {aftKg, 0.0}};
    double kg = 0;
    double moment = 0;
    for (const auto& m : masses) {
        kg += m[0];
        moment += m[0] * m[1];
    }
    return 100 * (5.0 - moment / kg) / 10.0;
}

// Every hold pair within the larger hold's 1 % of the cargo and every class split: the plan's CG
// is the nearest, nearest the proportional split among ties; out of reach gives the range's end,
// which is then reached.
TEST(SetLoadTest, CgTargetAgainstEveryLoad) {
    const balance::BalanceFile& file = LookAlike();
    const AircraftSpec& c = Aircraft(AircraftType::A320);
    const LoadState current{42000, 0, 0, 0, 0};
    const uint32_t step = 4536 / 100;
    for (uint32_t pax : {0u, 20u, 140u, 150u}) {
        for (uint32_t cargo : {0u, 2500u, 7938u}) {
            struct Load {
                double cg;
                uint32_t split;
            };
            std::vector<Load> loads;
            const uint32_t share = ProportionalFirst(pax, c);
            for (uint32_t f = 0; f <= 100; ++f) {
                for (uint32_t a = 0; a <= 100; ++a) {
                    const int64_t kg = f * 3402 / 100 + a * 4536 / 100;
                    for (uint32_t b = 0; b <= std::min(pax, 12u); ++b) {
                        if (std::llabs(kg - cargo) <= step && pax - b <= 138) {
                            loads.push_back({LookAlikeCg({42000, b, pax - b, f, a}, c),
                                             uint32_t(std::abs(int(f) - int(a)) +
                                                      std::abs(int(b) - int(share)))});
                        }
                    }
                }
            }
            auto [low, high] = std::minmax_element(loads.begin(), loads.end(),
                                                   [](Load x, Load y) { return x.cg < y.cg; });
            for (double target : {low->cg - 0.5, low->cg, 20.0, 25.0, 31.3, high->cg + 0.5}) {
                SCOPED_TRACE(testing::Message() << pax << " pax " << cargo << " kg " << target);
                const SetLoadResult r =
                    SetLoadForCg(Cargo(int32_t(pax), int32_t(cargo)), target, current, c, file);
                if (target < low->cg - 1e-9 || target > high->cg + 1e-9) {
                    ASSERT_EQ(r.error, SetLoadError::CgOutOfReach);
                    EXPECT_NEAR(*r.nearestCg, target < low->cg ? low->cg : high->cg, 1e-9);
                    EXPECT_TRUE(SetLoadForCg(Cargo(int32_t(pax), int32_t(cargo)), *r.nearestCg,
                                             current, c, file)
                                    .plan);
                    continue;
                }
                ASSERT_TRUE(r.plan) << int(r.error);
                const LoadState& l = r.plan->load;
                const double cg = LookAlikeCg(l, c);
                EXPECT_NEAR(*r.plan->cgPercentMac, cg, 1e-9);
                EXPECT_EQ(l.businessPax + l.economyPax, pax);
                EXPECT_LE(std::llabs(int64_t{r.plan->cargoKg} - cargo), step);
                double best = 1e9;
                for (const Load& x : loads) {
                    best = std::min(best, std::fabs(x.cg - target));
                }
                EXPECT_LE(std::fabs(cg - target), best + 1e-9);
                const uint32_t split =
                    uint32_t(std::abs(int(l.forwardCargoPercent) - int(l.aftCargoPercent)) +
                             std::abs(int(l.businessPax) - int(share)));
                for (const Load& x : loads) {
                    if (std::fabs(x.cg - target) <= best + 1e-9) {
                        EXPECT_LE(split, x.split);
                    }
                }
            }
        }
    }
}

// Each refusal (tests/data/set_load_refusals.tsv), aiming at a CG too; the limits are loads.
TEST(SetLoadTest, BadInputGivesAnErrorAndNoPlan) {
    const AircraftSpec& a320 = Aircraft(AircraftType::A320);
    const LoadState current{42412, 3, 0, 0, 0};
    const balance::BalanceFile& file = LookAlike();
    const char* const errors[] = {
        "None",           "Negative", "TooManyPassengers", "CargoBeyondHolds", "ZfwBelowLoad",
        "ZfwBeyondReach", "NoCg",     "CgOutOfReach"};
    for (const test_data::Row& row : test_data::Rows("set_load_refusals.tsv")) {
        const SetLoadRequest request{
            std::stoi(row[0]), row[1] == "zfw" ? GivenWeight::Zfw : GivenWeight::Cargo,
            std::stoi(row[2]), row[3] == "guests" ? Seating::GuestsOnly : Seating::BothClasses};
        std::vector<SetLoadResult> results = {SetLoad(request, current, a320)};
        if (row[4] != "None") {
            results.push_back(SetLoadForCg(request, 25.0, current, a320, file));
        }
        for (const SetLoadResult& r : results) {
            EXPECT_EQ(errors[static_cast<int>(r.error)], row[4]) << row[0] << " " << row[2];
            EXPECT_EQ(bool(r.plan), row[4] == "None");
        }
    }

    // No wing, no CG target: the reason, before and when asked; not a number is out of reach.
    const balance::BalanceFile noWing;
    EXPECT_EQ(WhyNoCgTarget(current, a320, noWing), "no aircraft file was read");
    EXPECT_EQ(WhyNoCgTarget(current, a320, file), "");
    const SetLoadResult r = SetLoadForCg(Cargo(10, 100), 25.0, current, a320, noWing);
    EXPECT_EQ(std::make_tuple(r.error, r.whyNoCg, bool(r.plan)),
              std::make_tuple(SetLoadError::NoCg, std::string("no aircraft file was read"), false));
    EXPECT_EQ(SetLoadForCg(Cargo(10, 100), NAN, current, a320, file).error,
              SetLoadError::CgOutOfReach);
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
        const AircraftSpec& c = Aircraft(test_data::AircraftNamed(row[0]));
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
