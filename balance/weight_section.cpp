#include "balance/weight_section.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "balance/cfg_number.h"

namespace balance {

namespace {

constexpr size_t kValueBufferSize = 256;
constexpr int kDefaultStationCount = 50;

std::optional<double> Weight(std::optional<double> lb) {
    return lb && *lb > 0 && *lb <= kMaxWeightLb ? lb : std::nullopt;
}

std::optional<double> Number(const profile::Snapshot& file, const char* key) {
    const std::string value = ReadValue(file, kWeightSection, key);
    return value == profile::kUndefined ? std::nullopt : LeadingNumber(value);
}

}  // namespace

std::string ReadValue(const profile::Snapshot& file, const char* section, const std::string& key) {
    std::string value = file.GetString(section, key, profile::kUndefined, kValueBufferSize);
    // A quoted value with a comment after it: "170, 1.5, Pilot" // front seat. The profile
    // read takes off only quotes that enclose the whole value.
    if (!value.empty() && (value[0] == '"' || value[0] == '\'')) {
        const size_t close = value.find(value[0], 1);
        if (close != std::string::npos) {
            value = value.substr(1, close - 1);
        }
    }
    return value;
}

WeightSection ReadWeightSection(const profile::Snapshot& file) {
    WeightSection section;
    section.maxGrossWeightLb = Weight(Number(file, "max_gross_weight"));
    section.emptyWeightStored =
        ReadValue(file, kWeightSection, "empty_weight") != profile::kUndefined;
    section.emptyWeightLb = Weight(Number(file, "empty_weight"));
    const std::optional<double> arm = Number(file, "empty_weight_CG_position");
    if (arm && std::abs(*arm) <= kMaxArmFt) {
        section.emptyArmFt = arm;
    }
    section.cgForwardLimit = Number(file, "CG_forward_limit");
    section.cgAftLimit = Number(file, "CG_aft_limit");
    section.stationCount =
        std::clamp(file.GetInt(kWeightSection, "max_number_of_stations", kDefaultStationCount), 0,
                   kMaxStationCount);
    for (int index = 0; index < kMaxStationCount; ++index) {
        const std::string value =
            ReadValue(file, kWeightSection, "station_load." + std::to_string(index));
        if (value != profile::kUndefined) {
            section.stations.push_back({index, NumberField(value, 0), NumberField(value, 1)});
        }
    }
    return section;
}

}  // namespace balance
