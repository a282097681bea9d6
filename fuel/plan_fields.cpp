#include "fuel/plan_fields.h"

#include "balance/status_line.h"

namespace fuel {

namespace {

// A plan's figures are checked to a few hundred tonnes: sums of them fit.
std::string Shown(int64_t kg, WeightUnit unit) {
    return std::to_string(ShownWeight(static_cast<int32_t>(kg), unit));
}

}  // namespace

PlannerInput FieldsFromPlan(const flightplan::Plan& plan, WeightUnit unit, int32_t savedZfwKg,
                            int32_t emptyWeightKg) {
    PlannerInput fields;
    fields.distance = std::to_string(plan.airDistanceNm);
    fields.altitude = std::to_string(plan.initialAltitudeFt);
    fields.costIndex = std::to_string(plan.costIndex);
    const int64_t zfwKg =
        savedZfwKg > 0 ? int64_t{savedZfwKg} : int64_t{emptyWeightKg} + plan.payloadKg;
    fields.zfw = Shown(zfwKg, unit);
    fields.taxi = Shown(plan.taxiKg, unit);
    const int64_t percent =
        plan.enrouteBurnKg > 0
            ? (int64_t{plan.contingencyKg} * 200 + plan.enrouteBurnKg) / (2 * plan.enrouteBurnKg)
            : 0;
    fields.reserve = std::to_string(percent);
    fields.finalFuel =
        Shown(int64_t{plan.reserveKg} + plan.alternateBurnKg + plan.extraKg + plan.etopsKg, unit);
    return fields;
}

std::string BlockFuelText(int32_t planBlockKg, int32_t fobKg, WeightUnit unit) {
    const int64_t difference = int64_t{planBlockKg} - fobKg;
    std::string text = "OFP block " + balance::WeightText(planBlockKg, unit);
    if (difference == 0) {
        return text + " (= FOB)";
    }
    return text + " (" + balance::WeightText(difference > 0 ? difference : -difference, unit) +
           (difference > 0 ? " above" : " below") + " the FOB)";
}

}  // namespace fuel
