#include "fuel/fuel_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace fuel {
namespace {

struct ReadCase {
    const char* text;
    int32_t value;
    bool tooLarge;
};

class ReadField : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadField, ReadsAsPercentDWouldWithoutWrapping) {
    FieldNumber number = ReadFieldInt(GetParam().text);
    EXPECT_EQ(number.value, GetParam().value);
    EXPECT_EQ(number.tooLarge, GetParam().tooLarge);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadField,
    testing::Values(ReadCase{"", 0, false}, ReadCase{"60000", 60000, false},
                    ReadCase{" \t+42kg", 42, false}, ReadCase{"-17", -17, false},
                    ReadCase{"abc", 0, false}, ReadCase{"-", 0, false}, ReadCase{"- 5", 0, false},
                    ReadCase{"0x10", 0, false}, ReadCase{"2147483647", 2147483647, false},
                    ReadCase{"-2147483648", INT32_MIN, false}, ReadCase{"2147483648", 0, true},
                    ReadCase{"9999999999", 0, true}, ReadCase{"12345678901234567890", 0, true},
                    ReadCase{"-99999999999999999999999", 0, true}));

TEST(ReadField, OnlyTheFirst99CharactersCount) {
    std::string zeros(98, '0');
    EXPECT_EQ(ReadFieldInt(zeros + "7").value, 7);
    EXPECT_EQ(ReadFieldInt(zeros + "07").value, 0);
}

TEST(Units, ConvertingAFieldTruncatesWithTheExactConstants) {
    EXPECT_EQ(ConvertFieldUnit("60000", true), "132275");
    EXPECT_EQ(ConvertFieldUnit("132275", false), "59999");
    EXPECT_EQ(ConvertFieldUnit("", true), "");
    EXPECT_EQ(ConvertFieldUnit("abc", true), "0");
    // Beyond 32 bits the conversion still holds, so a round trip does not
    // lose the number; past 64 bits the text is left alone.
    EXPECT_EQ(ConvertFieldUnit("2000000000", true), "4409171075");
    EXPECT_EQ(ConvertFieldUnit("4409171075", false), "1999999999");
    EXPECT_EQ(ConvertFieldUnit("99999999999999999999", false), "99999999999999999999");
    EXPECT_EQ(ConvertFieldUnit("9000000000000000000", true), "9000000000000000000");
}

TEST(Units, TankTexts) {
    EXPECT_EQ(TankText(2770, 2770.0f / 5435, kMetricFactor), "2770 (51.0%)");
    EXPECT_EQ(TankText(2770, 2770.0f / 5435, kImperialFactor), "6106 (51.0%)");
    EXPECT_EQ(ShownWeight(2000000000, kImperialFactor), 4409171104);
}

PlannerInput Fields(const char* distance, const char* altitude, const char* costIndex,
                    const char* zfw) {
    return PlannerInput{distance, altitude, costIndex, zfw, "200", "5", "1000"};
}

TEST(Validate, MandatoryFieldsRefused) {
    const AircraftType a320 = AircraftType::A320;
    for (const PlannerInput& input :
         {Fields("", "35000", "50", "60000"), Fields("500", "35000", "0", "60000"),
          Fields("500", "-35000", "50", "60000"), Fields("500", "35000", "50", ""),
          Fields("500", "35000", "50", "text")}) {
        EXPECT_EQ(PlanFromFields(a320, input, kMetricFactor).outcome, PlanOutcome::MissingMandatory)
            << input.distance << " " << input.altitude << " " << input.costIndex << " "
            << input.zfw;
    }
    // One pound is no kilogram; three are one.
    EXPECT_EQ(PlanFromFields(a320, Fields("500", "35000", "50", "1"), kImperialFactor).outcome,
              PlanOutcome::MissingMandatory);
    EXPECT_EQ(PlanFromFields(a320, Fields("500", "35000", "50", "3"), kImperialFactor).outcome,
              PlanOutcome::Shown);
}

TEST(Validate, NumbersBeyond32BitsAreTooLarge) {
    const AircraftType a320 = AircraftType::A320;
    const char* big = "12345678901234567890";
    PlannerInput optionalTooLarge = Fields("500", "35000", "50", "60000");
    optionalTooLarge.finalFuel = "9999999999";
    for (const PlannerInput& input :
         {Fields(big, "35000", "50", "60000"), Fields("500", "35000", "50", big),
          Fields("", "9999999999", "50", "60000"),      // too large beats missing
          Fields("107374182", "35000", "50", "60000"),  // the first weight guess
          Fields("500", "2000000000", "50", "60000"),   // weight at the top of climb
          optionalTooLarge}) {
        EXPECT_EQ(PlanFromFields(a320, input, kMetricFactor).outcome, PlanOutcome::TooLarge)
            << input.distance << " " << input.altitude << " " << input.zfw;
    }
    // A fuel on board that fits in kilograms but not once shown in pounds.
    PlannerInput heavy = Fields("500", "35000", "50", "60000");
    heavy.finalFuel = "2000000000";
    EXPECT_EQ(PlanFromFields(a320, heavy, kMetricFactor).outcome, PlanOutcome::Shown);
    heavy.zfw = "132275";
    heavy.taxi = "1500000000";
    heavy.finalFuel = "1500000000";
    EXPECT_EQ(PlanFromFields(a320, heavy, kImperialFactor).outcome, PlanOutcome::TooLarge);
}

}  // namespace
}  // namespace fuel
