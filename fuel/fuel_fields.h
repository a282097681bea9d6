// What the Fuel Planner's fields hold and show: reading the typed numbers,
// the unit in force, the texts of the result fields, and the Validate rule
// from the seven input texts to the plan as shown.
#pragma once

#include <cstdint>
#include <string>

#include "core/aircraft.h"
#include "core/units.h"
#include "fuel/fuel_computation.h"

namespace fuel {

// "kg" or "lb"; the cost index's "kg/min" or "100lb/h".
const char* WeightUnitLabel(WeightUnit unit);
const char* CostIndexUnitLabel(WeightUnit unit);

// The whole number at the start of a field's text as "%d" reads it: leading
// white space, an optional sign, digits; only the first 99 characters
// count. Empty text, or text that does not begin with a number, reads as 0.
// A number outside the 32-bit range is reported, not wrapped.
struct FieldNumber {
    int32_t value = 0;
    bool tooLarge = false;
};
FieldNumber ReadFieldInt(const std::string& text);

// The text of a weight field once the unit has changed to `to`: its number
// converted with the exact kg/lb constants and truncated; empty stays empty.
// Numbers beyond 32 bits are converted too (Validate refuses them later);
// one too large to convert is left as it is.
std::string ConvertFieldUnit(const std::string& text, WeightUnit to);

// A kilogram amount in the display unit, truncated; never overflows.
int64_t ShownWeight(int32_t kg, WeightUnit unit);

// "2770 (51.0%)": the amount in the display unit and the fill percentage.
std::string TankText(int32_t amountKg, float fill, WeightUnit unit);

// Shown in both outer tank fields of an aircraft without outer tanks.
constexpr const char kNoTankText[] = "---";

// The seven input fields as typed.
struct PlannerInput {
    std::string distance;
    std::string altitude;
    std::string costIndex;
    std::string zfw;
    std::string taxi;
    std::string reserve;
    std::string finalFuel;
};

// The seven fields as the Fuel Planner opens: cost index 50, taxi 200,
// reserve 5 %, final 1000, the zero-fuel weight saved in this run (kg;
// none, 0, leaves the field empty), distance and altitude empty.
PlannerInput OpeningFields(int32_t savedZfwKg);

enum class PlanOutcome {
    Shown,             // the plan is shown (and may exceed the tanks)
    MissingMandatory,  // distance, altitude, cost index or ZFW is 0 or less
    TooLarge,          // a number or a result does not fit in 32 bits
};

struct PlannerResult {
    PlanOutcome outcome = PlanOutcome::TooLarge;
    // The four mandatory values as read (ZFW in kg); 0 when a number was
    // too large to read.
    int32_t distanceNm = 0;
    int32_t altitudeFt = 0;
    int32_t costIndex = 0;
    int32_t zfwKg = 0;
    // Only for Shown:
    int32_t taxiKg = 0;
    FuelPlan plan;
    std::string tripText;
    std::string fobText;
    std::string innerText;  // both inner tank fields
    std::string outerText;  // both outer tank fields; kNoTankText without outer tanks
    std::string centerText;
};

// Validate: reads the fields in the display unit, converts the weights to
// kg, checks the mandatory fields, computes the plan and formats it.
PlannerResult PlanFromFields(AircraftType aircraft, const PlannerInput& input, WeightUnit unit);

}  // namespace fuel
