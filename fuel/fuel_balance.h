// The Fuel Planner's weight-and-balance line after Validate: take-off and
// landing weights against MTOW and MLW, and the take-off CG.
#pragma once

#include "balance/balance_file.h"
#include "balance/status_line.h"
#include "balance/weight_limits.h"
#include "fuel/fuel_fields.h"

namespace fuel {

// TOW = ZFW + FOB - taxi fuel; LW = TOW - trip fuel. The CG puts the zero-
// fuel weight at the zero-fuel CG of the payload saved in the aircraft file
// and the fuel left after taxi in the tanks, filled in the plan's order.
// Only for a plan that is shown (PlanOutcome::Shown).
balance::StatusLine TakeOffLine(AircraftType aircraft, const PlannerResult& result,
                                const balance::BalanceFile& file,
                                const balance::WeightLimits& limits, WeightUnit unit);

}  // namespace fuel
