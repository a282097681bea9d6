// The operational flight plan (OFP) of the flight-planning service, as its
// XML gives it (the service's answer or a saved file): the figures the load
// manager and the Fuel Planner take from it, in kg whatever the plan's unit.
//
// Every reading either gives a plan or says what is wrong, never both. Bad
// input never crashes it: a file beyond kMaxOfpBytes, nesting deeper than
// kMaxNestingDepth, text that is not XML or not an OFP, a field missing,
// negative, not a number or beyond twice the aircraft's own limits.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/aircraft.h"

namespace flightplan {

// A real OFP is some hundreds of kilobytes; anything beyond this is not one.
constexpr size_t kMaxOfpBytes = 4u * 1024 * 1024;
// A real OFP nests five levels; the XML parser recurses once per level, and
// some ten thousand levels would overflow the stack of the 32-bit program.
constexpr int kMaxNestingDepth = 64;

// The family's limits that no per-aircraft figure gives: the ceiling, the
// longest still-air range of any type (the corporate jet's) and the
// largest cost index the flight management computer takes.
constexpr int32_t kCeilingFt = 39800;
constexpr int32_t kLongestRangeNm = 6000;
constexpr int32_t kMaxCostIndex = 999;

enum class PlanUnit { Kg, Lb };

struct Plan {
    PlanUnit unit = PlanUnit::Kg;  // params/units: what the plan's weights were written in
    std::string aircraftIcao;      // aircraft/icaocode, e.g. "A320"
    std::string origin;            // origin/icao_code
    std::string destination;       // destination/icao_code
    int32_t airDistanceNm = 0;
    int32_t initialAltitudeFt = 0;
    int32_t costIndex = 0;
    int32_t passengers = 0;  // weights/pax_count_actual, else weights/pax_count
    // Weights in kg (pounds converted with kKgPerLb, rounded to the kg).
    int32_t payloadKg = 0;
    int32_t estZfwKg = 0;
    int32_t taxiKg = 0;
    int32_t enrouteBurnKg = 0;  // the trip burn
    int32_t contingencyKg = 0;
    int32_t reserveKg = 0;  // the final reserve
    int32_t alternateBurnKg = 0;
    int32_t extraKg = 0;
    int32_t etopsKg = 0;     // fuel/etops; 0 when the plan has none
    int32_t planRampKg = 0;  // the block fuel
};

enum class OfpError {
    None,
    TooLarge,        // more than kMaxOfpBytes
    TooDeep,         // nested deeper than kMaxNestingDepth
    NotAnOfp,        // not XML, or its root is not OFP
    ServiceError,    // fetch/status is not Success: detail is the service's text
    HttpError,       // an answer other than 200 without the service's error document
    UnknownUnits,    // params/units is neither kgs nor lbs: detail is the text
    FieldMissing,    // detail: the field's path below /OFP
    FieldNotNumber,  // detail: the path
    FieldNegative,   // detail: the path
    FieldBeyond,     // detail: the path; limit: twice the aircraft's limit, in the plan's unit
};

struct OfpResult {
    std::optional<Plan> plan;
    OfpError error = OfpError::None;
    std::string detail;
    int64_t limit = 0;             // FieldBeyond
    int32_t httpStatus = 0;        // HttpError
    PlanUnit unit = PlanUnit::Kg;  // FieldBeyond: the unit of limit
};

// Reads a plan from its XML and checks it against the aircraft's limits
// (A318 to ACJ).
OfpResult ReadOfp(std::string_view xml, AircraftType aircraft);

// The service's answer: 200 is read as a plan; any other status is the
// service's error when its body is an error document, HttpError otherwise.
OfpResult ReadAnswer(int32_t httpStatus, std::string_view body, AircraftType aircraft);

// A plan read for one aircraft, checked again for another (the plan is kept
// for the run and offered by the other tool).
OfpResult CheckForAircraft(const Plan& plan, AircraftType aircraft);

// The message for a failed reading (res/messages.h), the field named.
std::string ErrorText(const OfpResult& result);

// The type the plan is for matches the aircraft: A318 to A321 by name; the
// corporate jet is planned as an A319. Case and blanks do not count.
bool PlanFitsAircraft(const Plan& plan, AircraftType aircraft);

// "EGLL-LFPG".
std::string RouteText(const Plan& plan);

// The plan last read in this run, offered by each tool without fetching
// again.
struct KeptPlan {
    Plan plan;
    std::string readAt;  // local time, "14:05"
};

// "Use the plan of 14:05, EGLL-LFPG".
std::string UseKeptPlanText(const KeptPlan& kept);

}  // namespace flightplan
