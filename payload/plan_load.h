// A flight plan's passengers and payload as a load for "Set load": the
// passengers the seats take, and the rest of the plan's payload as cargo,
// so that the payload loaded is the plan's. Weights in kg.
#pragma once

#include <cstdint>

#include <string>

#include "core/units.h"
#include "flightplan/ofp.h"

namespace payload {

struct LoadFromPlan {
    int32_t passengers = 0;         // the plan's, at most the seats
    int32_t cargoKg = 0;            // payload - 75 kg per seated passenger; never below 0
    bool passengersCapped = false;  // the plan had more: msg::kPlanPassengersCapped
    bool noCargo = false;           // its payload is below its passengers: msg::kPlanNoCargo
    int64_t zfwKg = 0;              // this aircraft's empty weight, the passengers and the cargo
    int32_t planZfwKg = 0;          // the plan's estimated ZFW
    int64_t zfwDifferenceKg = 0;    // zfwKg - planZfwKg (the two empty weights differ)
};

// seats: those the passengers may take (both classes; the guests' alone
// on the corporate jet, whose crew stays). emptyWeightKg: this aircraft's,
// as its load manager shows it.
LoadFromPlan LoadFromFlightPlan(const flightplan::Plan& plan, int32_t seats, int32_t emptyWeightKg);

// What Set Load says beside the load from a plan, weights in the unit: "From the plan EGLL-LFPG:
// ZFW 61 234 kg here, 60 900 kg in the plan's estimate (334 kg more here: the two empty weights
// differ)." and the note on passengers without a seat or a payload without cargo.
std::string PlanLoadNote(const flightplan::Plan& plan, const LoadFromPlan& load, WeightUnit unit);

}  // namespace payload
