#include "balance/balance_file.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "balance/cfg_number.h"
#include "core/units.h"

namespace balance {

namespace {

constexpr char kGeometrySection[] = "airplane_geometry";
constexpr char kFuelSection[] = "fuel";
constexpr double kMaxCgLimitFraction = 2.0;

std::optional<double> Within(std::optional<double> value, double low, double high) {
    if (value && *value >= low && *value <= high) {
        return value;
    }
    return std::nullopt;
}

std::optional<double> ReadNumber(const profile::Snapshot& file, const char* section,
                                 const char* key) {
    const std::string value = ReadValue(file, section, key);
    return value == profile::kUndefined ? std::nullopt : LeadingNumber(value);
}

ChordResult ReadChord(const profile::Snapshot& file) {
    static constexpr const char* kKeys[] = {"wing_area", "wing_span", "wing_root_chord",
                                            "wing_sweep", "wing_pos_apex_lon"};
    double values[std::size(kKeys)] = {};
    for (size_t i = 0; i < std::size(kKeys); ++i) {
        std::optional<double> value = ReadNumber(file, kGeometrySection, kKeys[i]);
        if (!value) {
            return {std::nullopt,
                    std::string("no usable ") + kKeys[i] + " in [" + kGeometrySection + "]"};
        }
        values[i] = *value;
    }
    return MeanChordOf({values[0], values[1], values[2], values[3], values[4]});
}

std::optional<CgRange> CgLimitsOf(const WeightSection& section) {
    std::optional<double> forward =
        Within(section.cgForwardLimit, -kMaxCgLimitFraction, kMaxCgLimitFraction);
    std::optional<double> aft =
        Within(section.cgAftLimit, -kMaxCgLimitFraction, kMaxCgLimitFraction);
    if (!forward || !aft || !(*forward < *aft)) {
        return std::nullopt;
    }
    return CgRange{*forward * 100.0, *aft * 100.0};
}

std::optional<Mass> StationMass(std::optional<double> weightLb, std::optional<double> armFt) {
    std::optional<double> lb = Within(weightLb, 0, kMaxWeightLb);
    std::optional<double> arm = Within(armFt, -kMaxArmFt, kMaxArmFt);
    if (!lb || !arm) {
        return std::nullopt;
    }
    return Mass{*lb * kKgPerLb, *arm};
}

std::string Quoted(const std::string& key) {
    return key + " in [" + kWeightSection + "]";
}

// The empty aircraft and every station, or why not.
std::optional<std::vector<Mass>> ZeroFuelMasses(const BalanceFile& file, std::string& whyNot) {
    if (!file.emptyWeightKg) {
        whyNot = "no usable " + Quoted("empty_weight");
        return std::nullopt;
    }
    if (!file.emptyArmFt) {
        whyNot = "no usable " + Quoted("empty_weight_CG_position");
        return std::nullopt;
    }
    std::vector<Mass> masses{{*file.emptyWeightKg, *file.emptyArmFt}};
    for (const Station& station : file.stations) {
        if (!station.mass) {
            whyNot = Quoted("station_load." + std::to_string(station.index)) +
                     " is not \"weight, position, ...\"";
            return std::nullopt;
        }
        masses.push_back(*station.mass);
    }
    return masses;
}

}  // namespace

std::optional<Mass> ParseStation(std::string_view value) {
    return StationMass(NumberField(value, 0), NumberField(value, 1));
}

BalanceFile ReadBalanceFile(const profile::Snapshot& file, const WeightSection& section) {
    BalanceFile balance;
    balance.maxGrossWeightLb = section.maxGrossWeightLb;
    balance.cgLimits = CgLimitsOf(section);
    if (section.emptyWeightLb) {
        balance.emptyWeightKg = *section.emptyWeightLb * kKgPerLb;
    }
    balance.emptyArmFt = section.emptyArmFt;
    for (const StationLoad& station : section.stations) {
        if (station.index < section.stationCount) {
            balance.stations.push_back(
                {station.index, StationMass(station.weightLb, station.armFt)});
        }
    }
    balance.chord = ReadChord(file);
    for (int tank = 0; tank < kFuelTankCount; ++tank) {
        balance.tankArmFt[tank] =
            Within(ReadNumber(file, kFuelSection, kFuelTankKeys[tank]), -kMaxArmFt, kMaxArmFt);
    }
    return balance;
}

BalanceFile ReadBalanceFile(const std::string& path) {
    const profile::Snapshot file(path);
    return ReadBalanceFile(file, ReadWeightSection(file));
}

void SetStation(BalanceFile& file, int index, const Mass& mass) {
    auto at = std::find_if(file.stations.begin(), file.stations.end(),
                           [index](const Station& station) { return station.index >= index; });
    if (at != file.stations.end() && at->index == index) {
        at->mass = mass;
    } else {
        file.stations.insert(at, Station{index, mass});
    }
}

CgResult ZeroFuelCg(const BalanceFile& file) {
    if (!file.chord.chord) {
        return {std::nullopt, file.chord.whyNot};
    }
    CgResult result;
    std::optional<std::vector<Mass>> masses = ZeroFuelMasses(file, result.whyNot);
    return masses ? CgOf(*file.chord.chord, *masses) : result;
}

CgResult TakeOffCg(const BalanceFile& file, double zfwKg, const TankFuel& fuel) {
    if (!file.chord.chord) {
        return {std::nullopt, file.chord.whyNot};
    }
    CgResult result;
    std::optional<std::vector<Mass>> masses = ZeroFuelMasses(file, result.whyNot);
    if (!masses) {
        return result;
    }
    // The zero-fuel weight as given, at the file's zero-fuel CG.
    double fileKg = 0;
    for (const Mass& mass : *masses) {
        fileKg += mass.kg;
    }
    if (!(fileKg > 0) || !(zfwKg > 0) || !std::isfinite(zfwKg)) {
        return {std::nullopt, "the total weight is 0"};
    }
    for (Mass& mass : *masses) {
        mass.kg *= zfwKg / fileKg;
    }
    for (int tank = 0; tank < kFuelTankCount; ++tank) {
        if (fuel.kg[tank] == 0) {
            continue;
        }
        if (!file.tankArmFt[tank] || !(fuel.kg[tank] > 0) || !std::isfinite(fuel.kg[tank])) {
            return {std::nullopt,
                    std::string("no usable ") + kFuelTankKeys[tank] + " in [" + kFuelSection + "]"};
        }
        masses->push_back({fuel.kg[tank], *file.tankArmFt[tank]});
    }
    return CgOf(*file.chord.chord, *masses);
}

}  // namespace balance
