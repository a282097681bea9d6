#include "payload/plan_load.h"

#include <algorithm>

#include "balance/status_line.h"
#include "core/units.h"
#include "res/messages.h"

namespace payload {

LoadFromPlan LoadFromFlightPlan(const flightplan::Plan& plan, int32_t seats,
                                int32_t emptyWeightKg) {
    LoadFromPlan load;
    load.passengers = std::clamp(plan.passengers, 0, std::max(seats, 0));
    load.passengersCapped = load.passengers < plan.passengers;
    // Passengers who find no seat still weigh: their share stays in the cargo.
    const int64_t cargoKg = int64_t{plan.payloadKg} - int64_t{load.passengers} * kPassengerKg;
    load.noCargo = cargoKg < 0;
    load.cargoKg = static_cast<int32_t>(std::max<int64_t>(cargoKg, 0));
    load.zfwKg = int64_t{emptyWeightKg} + int64_t{load.passengers} * kPassengerKg + load.cargoKg;
    load.planZfwKg = plan.estZfwKg;
    load.zfwDifferenceKg = load.zfwKg - plan.estZfwKg;
    return load;
}

std::string PlanLoadNote(const flightplan::Plan& plan, const LoadFromPlan& load, WeightUnit unit) {
    std::string note = msg::kPlanLoadFrom + plan.origin + "-" + plan.destination +
                       msg::kPlanLoadZfw + balance::WeightText(load.zfwKg, unit);
    if (load.zfwDifferenceKg == 0) {
        note += msg::kPlanLoadSame;
    } else {
        const int64_t difference = load.zfwDifferenceKg;
        note += msg::kPlanLoadHere + balance::WeightText(load.planZfwKg, unit) +
                msg::kPlanLoadInPlan + " (" +
                balance::WeightText(difference < 0 ? -difference : difference, unit) +
                (difference < 0 ? msg::kPlanLoadLess : msg::kPlanLoadMore) + msg::kPlanLoadWhy;
    }
    if (load.passengersCapped) {
        note += std::string(" ") + msg::kPlanPassengersCapped;
    }
    if (load.noCargo) {
        note += std::string(" ") + msg::kPlanNoCargo;
    }
    return note;
}

}  // namespace payload
