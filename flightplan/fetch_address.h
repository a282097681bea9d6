// Where the plan is fetched from: the service's public address, or the one
// CORVEL_FLIGHT_PLAN_URL gives (a mirror, or the tests' local server),
// followed by the pilot's user name or pilot ID.
#pragma once

#include <string>

namespace flightplan {

constexpr const char kServiceAddress[] = "https://www.simbrief.com/api/xml.fetcher.php";
constexpr const char kAddressVariable[] = "CORVEL_FLIGHT_PLAN_URL";

// The request's address: base (kServiceAddress when empty), then
// "?username=NAME" or "?userid=ID" ('&' when base has a query already), the
// name percent-encoded as UTF-8.
std::string FetchAddress(const std::string& base, const std::string& user, bool pilotId);

// How long the program waits for the whole answer. Tests only may shorten it
// with CORVEL_FLIGHT_PLAN_TIMEOUT (whole seconds, 1 to 15); anything else
// gives the full limit.
constexpr int kFetchLimitSeconds = 15;
constexpr const char kLimitVariable[] = "CORVEL_FLIGHT_PLAN_TIMEOUT";
int FetchLimitSeconds(const char* variable);

}  // namespace flightplan
