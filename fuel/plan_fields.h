// A flight plan in the Fuel Planner's seven fields, and its block fuel
// beside the planner's fuel on board.
#pragma once

#include <cstdint>
#include <string>

#include "core/units.h"
#include "flightplan/ofp.h"
#include "fuel/fuel_fields.h"

namespace fuel {

// The fields in the dialog's unit: the plan's air distance (still air, as
// the tables expect), initial altitude and cost index as numbers; the ZFW
// saved from the load manager in this run (savedZfwKg > 0), else this
// aircraft's empty weight plus the plan's payload; its taxi fuel; the route
// reserve = contingency as a percentage of the trip burn, rounded (0
// without a trip burn); the final fuel = final reserve + alternate +
// extra + ETOPS fuel, so the planner's fuel on board compares with the
// plan's block fuel. Weights shown as the dialog shows kg (truncated).
PlannerInput FieldsFromPlan(const flightplan::Plan& plan, WeightUnit unit, int32_t savedZfwKg,
                            int32_t emptyWeightKg);

// "OFP block 5 600 kg (59 kg above the FOB)": the plan's block fuel and how
// it differs from the fuel on board the planner computed.
std::string BlockFuelText(int32_t planBlockKg, int32_t fobKg, WeightUnit unit);

}  // namespace fuel
