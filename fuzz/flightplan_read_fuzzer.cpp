// Any bytes as a flight plan (OFP), read for an aircraft as the service's
// answer with some HTTP status: a plan or a reason, never both, never
// neither; a plan's figures are whole and within twice the aircraft's
// limits (reading it again for the same aircraft accepts it as it is); a
// refusal has a message. The input's size picks the aircraft and the status.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "flightplan/ofp.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto aircraft = static_cast<AircraftType>(1 + size % kAircraftCount);
    const int32_t status = size % 7 == 0 ? 400 : 200;
    const std::string_view xml(reinterpret_cast<const char*>(data), size);
    const flightplan::OfpResult result = flightplan::ReadAnswer(status, xml, aircraft);
    fuzz::Check(result.plan.has_value() == (result.error == flightplan::OfpError::None),
                "a plan and an error together, or neither");
    if (!result.plan) {
        fuzz::Check(!flightplan::ErrorText(result).empty(), "a refusal without a message");
        return 0;
    }
    const flightplan::Plan& plan = *result.plan;
    for (int32_t figure :
         {plan.airDistanceNm, plan.initialAltitudeFt, plan.costIndex, plan.passengers,
          plan.payloadKg, plan.estZfwKg, plan.taxiKg, plan.enrouteBurnKg, plan.contingencyKg,
          plan.reserveKg, plan.alternateBurnKg, plan.extraKg, plan.etopsKg, plan.planRampKg}) {
        fuzz::Check(figure >= 0, "a negative figure in a plan");
    }
    fuzz::Check(flightplan::CheckForAircraft(plan, aircraft).plan.has_value(),
                "a plan beyond the limits it was read against");
    return 0;
}
