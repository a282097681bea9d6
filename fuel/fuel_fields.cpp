#include "fuel/fuel_fields.h"

#include <cstdio>
#include <limits>
#include <optional>
#include <string_view>

#include "platform/scan_int.h"

namespace fuel {

namespace {

// A field is read through a 100-character buffer.
constexpr size_t kFieldChars = 99;

text::LeadingNumber ParseLeadingNumber(const std::string& text) {
    return text::ScanLeadingNumber(std::string_view(text).substr(0, kFieldChars));
}

bool FitsInt32(int64_t value) {
    return value >= std::numeric_limits<int32_t>::min() &&
           value <= std::numeric_limits<int32_t>::max();
}

// trunc(shown / factor): a typed weight in kilograms.
std::optional<int32_t> ToKg(int32_t shown, WeightUnit unit) {
    return TruncToInt32(shown / static_cast<double>(DisplayFactor(unit)));
}

std::string Format(int64_t value) {
    return std::to_string(value);
}

}  // namespace

const char* WeightUnitLabel(WeightUnit unit) {
    return unit == WeightUnit::Kg ? "kg" : "lb";
}

const char* CostIndexUnitLabel(WeightUnit unit) {
    return unit == WeightUnit::Kg ? "kg/min" : "100lb/h";
}

FieldNumber ReadFieldInt(const std::string& text) {
    text::LeadingNumber number = ParseLeadingNumber(text);
    FieldNumber field;
    if (!number.fitsInt64 || !FitsInt32(number.value)) {
        field.tooLarge = true;
        return field;
    }
    field.value = static_cast<int32_t>(number.value);
    return field;
}

std::string ConvertFieldUnit(const std::string& text, WeightUnit to) {
    if (text.empty()) {
        return text;
    }
    text::LeadingNumber number = ParseLeadingNumber(text);
    if (!number.fitsInt64) {
        return text;
    }
    double converted =
        static_cast<double>(number.value) * (to == WeightUnit::Lb ? kLbPerKg : kKgPerLb);
    // Within +-2^63, exclusive, the truncation fits in int64.
    constexpr double kBound = 9223372036854775808.0;
    if (!(converted > -kBound && converted < kBound)) {
        return text;
    }
    return Format(static_cast<int64_t>(converted));
}

int64_t ShownWeight(int32_t kg, WeightUnit unit) {
    // |kg| < 2^31 and the factor is 1 or about 2.2: well inside int64.
    return static_cast<int64_t>(kg * static_cast<double>(DisplayFactor(unit)));
}

std::string TankText(int32_t amountKg, float fill, WeightUnit unit) {
    char percent[64];
    std::snprintf(percent, sizeof percent, " (%.1f%%)", fill * 100.0);
    return Format(ShownWeight(amountKg, unit)) + percent;
}

PlannerInput OpeningFields(int32_t savedZfwKg) {
    PlannerInput fields;
    fields.costIndex = "50";
    fields.zfw = savedZfwKg > 0 ? Format(savedZfwKg) : "";
    fields.taxi = "200";
    fields.reserve = "5";
    fields.finalFuel = "1000";
    return fields;
}

PlannerResult PlanFromFields(AircraftType aircraft, const PlannerInput& input, WeightUnit unit) {
    PlannerResult result;
    FieldNumber distance = ReadFieldInt(input.distance);
    FieldNumber altitude = ReadFieldInt(input.altitude);
    FieldNumber costIndex = ReadFieldInt(input.costIndex);
    FieldNumber zfw = ReadFieldInt(input.zfw);
    if (distance.tooLarge || altitude.tooLarge || costIndex.tooLarge || zfw.tooLarge) {
        return result;
    }
    std::optional<int32_t> zfwKg = ToKg(zfw.value, unit);
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
    std::optional<int32_t> taxiKg = ToKg(taxi.value, unit);
    std::optional<int32_t> finalKg = ToKg(finalFuel.value, unit);
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
        if (!FitsInt32(ShownWeight(kg, unit))) {
            return result;
        }
    }

    result.outcome = PlanOutcome::Shown;
    result.plan = *plan;
    result.taxiKg = *taxiKg;
    result.tripText = Format(ShownWeight(plan->tripKg, unit));
    result.fobText = Format(ShownWeight(plan->fobKg, unit));
    result.innerText = TankText(plan->innerKg, plan->innerFill, unit);
    result.outerText = plan->hasOuterTanks ? TankText(plan->outerKg, plan->outerFill, unit)
                                           : std::string(kNoTankText);
    result.centerText = TankText(plan->centerKg, plan->centerFill, unit);
    return result;
}

}  // namespace fuel
