// [WEIGHT_AND_BALANCE] of an aircraft.cfg, read in one place for the load
// manager's payload and for the weight and balance of the load manager and
// the Fuel Planner, so that both judge a file alike. Values are read through
// one buffer size and numbers as the simulator reads them (cfg_number.h).
#pragma once

#include <optional>
#include <vector>

#include "platform/profile.h"

namespace balance {

constexpr char kWeightSection[] = "WEIGHT_AND_BALANCE";

// Bounds far beyond any aircraft; they keep sums and products finite.
constexpr double kMaxArmFt = 10000.0;
constexpr double kMaxWeightLb = 100000000.0;

// station_load.N = "weight (lb), position (ft), ...": its first two numbers
// as they are written (finite; no bounds yet).
struct StationLoad {
    int index = 0;
    std::optional<double> weightLb;
    std::optional<double> armFt;
};

struct WeightSection {
    // A weight is usable above 0 and up to kMaxWeightLb.
    std::optional<double> maxGrossWeightLb;
    bool emptyWeightStored = false;  // the key is there, usable or not
    std::optional<double> emptyWeightLb;
    std::optional<double> emptyArmFt;  // within kMaxArmFt
    // As written: fractions of the MAC.
    std::optional<double> cgForwardLimit;
    std::optional<double> cgAftLimit;
    // max_number_of_stations, held within 0 to kMaxStationCount; 50 when
    // the file does not say.
    int stationCount = 0;
    // Every station_load.N the file holds, N below kMaxStationCount, in
    // index order: the payload's own four whatever stationCount says.
    std::vector<StationLoad> stations;
};

constexpr int kMaxStationCount = 100;

WeightSection ReadWeightSection(const profile::Snapshot& file);

// The value of a key as every reader of the aircraft file reads it: the
// profile read, and of a value that starts with a quote the text up to its
// closing quote (profile::kUndefined when the key is missing).
std::string ReadValue(const profile::Snapshot& file, const char* section, const std::string& key);

}  // namespace balance
