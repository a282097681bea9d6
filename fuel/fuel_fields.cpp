#include "fuel/fuel_fields.h"

#include <cstdio>
#include <limits>
#include <optional>

namespace fuel {

namespace {

// The exact constants of stored and shown numbers (not the display factor).
constexpr double kLbPerKg = 2.204585537918871;
constexpr double kKgPerLb = 0.4536;

// A field is read through a 100-character buffer.
constexpr size_t kFieldChars = 99;

struct LeadingNumber {
    int64_t value = 0;
    bool fitsInt64 = true;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

LeadingNumber ParseLeadingNumber(const std::string& text) {
    const size_t end = text.size() < kFieldChars ? text.size() : kFieldChars;
    size_t i = 0;
    while (i < end && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // The magnitude, up to 2^63 so that the lowest int64 reads too.
    constexpr uint64_t kLimit = uint64_t{1} << 63;
    uint64_t magnitude = 0;
    LeadingNumber number;
    for (; i < end && text[i] >= '0' && text[i] <= '9'; ++i) {
        auto digit = static_cast<uint64_t>(text[i] - '0');
        if (magnitude > (kLimit - digit) / 10) {
            number.fitsInt64 = false;
            return number;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (negative) {
        number.value = magnitude == kLimit ? std::numeric_limits<int64_t>::min()
                                           : -static_cast<int64_t>(magnitude);
    } else if (magnitude == kLimit) {
        number.fitsInt64 = false;
    } else {
        number.value = static_cast<int64_t>(magnitude);
    }
    return number;
}

bool FitsInt32(int64_t value) {
    return value >= std::numeric_limits<int32_t>::min() &&
           value <= std::numeric_limits<int32_t>::max();
}

// trunc(shown / unitFactor): a typed weight in kilograms.
std::optional<int32_t> ToKg(int32_t shown, float unitFactor) {
    return TruncToInt32(shown / static_cast<double>(unitFactor));
}

std::string Format(int64_t value) {
    return std::to_string(value);
}

}  // namespace

const char* WeightUnitLabel(float unitFactor) {
    return IsMetric(unitFactor) ? "kg" : "lb";
}

const char* CostIndexUnitLabel(float unitFactor) {
    return IsMetric(unitFactor) ? "kg/min" : "100lb/h";
}

FieldNumber ReadFieldInt(const std::string& text) {
    LeadingNumber number = ParseLeadingNumber(text);
    FieldNumber field;
    if (!number.fitsInt64 || !FitsInt32(number.value)) {
        field.tooLarge = true;
        return field;
    }
    field.value = static_cast<int32_t>(number.value);
    return field;
}

std::string ConvertFieldUnit(const std::string& text, bool toPounds) {
    if (text.empty()) {
        return text;
    }
    LeadingNumber number = ParseLeadingNumber(text);
    if (!number.fitsInt64) {
        return text;
    }
    double converted = static_cast<double>(number.value) * (toPounds ? kLbPerKg : kKgPerLb);
    // Within +-2^63, exclusive, the truncation fits in int64.
    constexpr double kBound = 9223372036854775808.0;
    if (!(converted > -kBound && converted < kBound)) {
        return text;
    }
    return Format(static_cast<int64_t>(converted));
}

int64_t ShownWeight(int32_t kg, float unitFactor) {
    // |kg| < 2^31 and the factor is 1 or about 2.2: well inside int64.
    return static_cast<int64_t>(kg * static_cast<double>(unitFactor));
}

std::string TankText(int32_t amountKg, float fill, float unitFactor) {
    char percent[64];
    std::snprintf(percent, sizeof percent, " (%.1f%%)", fill * 100.0);
    return Format(ShownWeight(amountKg, unitFactor)) + percent;
}

PlannerResult PlanFromFields(AircraftType aircraft, const PlannerInput& input, float unitFactor) {
    PlannerResult result;
    FieldNumber distance = ReadFieldInt(input.distance);
    FieldNumber altitude = ReadFieldInt(input.altitude);
    FieldNumber costIndex = ReadFieldInt(input.costIndex);
    FieldNumber zfw = ReadFieldInt(input.zfw);
    if (distance.tooLarge || altitude.tooLarge || costIndex.tooLarge || zfw.tooLarge) {
        return result;
    }
    std::optional<int32_t> zfwKg = ToKg(zfw.value, unitFactor);
    if (!zfwKg) {
        return result;
    }
    result.distanceNm = distance.value;
    result.altitudeFt = altitude.value;
    result.costIndex = costIndex.value;
    result.zfwKg = *zfwKg;
    if (result.distanceNm <= 0 || result.altitudeFt <= 0 || result.costIndex <= 0 ||
        result.zfwKg <= 0) {
        result.outcome = PlanOutcome::MissingMandatory;
        return result;
    }

    FieldNumber taxi = ReadFieldInt(input.taxi);
    FieldNumber reserve = ReadFieldInt(input.reserve);
    FieldNumber finalFuel = ReadFieldInt(input.finalFuel);
    if (taxi.tooLarge || reserve.tooLarge || finalFuel.tooLarge) {
        return result;
    }
    std::optional<int32_t> taxiKg = ToKg(taxi.value, unitFactor);
    std::optional<int32_t> finalKg = ToKg(finalFuel.value, unitFactor);
    if (!taxiKg || !finalKg) {
        return result;
    }
    std::optional<FuelPlan> plan =
        ComputeFuelPlan(aircraft, result.distanceNm, result.altitudeFt, result.costIndex,
                        result.zfwKg, *taxiKg, reserve.value, *finalKg);
    if (!plan) {
        return result;
    }
    // Every number shown must be one a 32-bit field can hold.
    for (int32_t kg : {plan->tripKg, plan->fobKg, plan->innerKg, plan->outerKg, plan->centerKg}) {
        if (!FitsInt32(ShownWeight(kg, unitFactor))) {
            return result;
        }
    }

    result.outcome = PlanOutcome::Shown;
    result.plan = *plan;
    result.tripText = Format(ShownWeight(plan->tripKg, unitFactor));
    result.fobText = Format(ShownWeight(plan->fobKg, unitFactor));
    result.innerText = TankText(plan->innerKg, plan->innerFill, unitFactor);
    result.outerText = plan->hasOuterTanks ? TankText(plan->outerKg, plan->outerFill, unitFactor)
                                           : std::string(kNoTankText);
    result.centerText = TankText(plan->centerKg, plan->centerFill, unitFactor);
    return result;
}

}  // namespace fuel
