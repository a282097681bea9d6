// The payload section of aircraft.cfg: its keys, the conversions between
// the file's pounds and the load state, and the exact text of a station.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "balance/weight_section.h"
#include "payload/payload_model.h"
#include "platform/profile.h"

namespace payload {

constexpr const char* kPayloadSection = balance::kWeightSection;

constexpr double kLbToHoldPercentKg = 45.36;  // 0.4536 x 100
constexpr double kPaxPerKg = 0.013333333333333334;

// The four stations the program owns, in the order they are read and written.
enum class Station { First, Coach, Baggage, Cargo };

struct StationFormat {
    Station station;
    const char* key;
    const char* tail;  // after the pounds, up to the closing quote
};

constexpr StationFormat kStationFormats[] = {
    {Station::First, "station_load.4", ",   26.0, 0.0, 0.0, First"},
    {Station::Coach, "station_load.5", ",  0.0, 0.0, 0.0, Coach"},
    {Station::Baggage, "station_load.2", ",   16.0, 0.0, 0.0, Baggage"},
    {Station::Cargo, "station_load.3", ",   0.0, 0.0, 0.0, Cargo"},
};

// The empty weight in kg from the file's empty_weight in pounds (nullopt:
// no such key). A missing key gives the default truncated, an unusable one
// (<= 0 or no number) the default rounded.
int32_t EmptyWeightKg(std::optional<int32_t> fileLb, int defaultLb);

// Passengers or hold percent from a station's pounds, rounded; 0 for a
// value <= 0. Not yet held within the seats or 100 %.
uint32_t PaxFromStationLb(int32_t lb);
uint32_t PercentFromStationLb(int32_t lb, uint32_t holdKg);

// A station's pounds from the load state, truncated (no rounding on writing).
int32_t PaxStationLb(uint32_t pax);
int32_t HoldStationLb(uint32_t percent, uint32_t holdKg);

// The value written for a station, quotes included:
// "1984,   26.0, 0.0, 0.0, First" with the quote characters.
std::string StationValue(Station station, int32_t lb);

// The four writes of a load state, in order.
std::vector<profile::Entry> PayloadEntries(const LoadState& load, const AircraftSpec& aircraft);

}  // namespace payload
