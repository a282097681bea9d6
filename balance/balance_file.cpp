#include "balance/balance_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "core/units.h"
#include "platform/profile.h"

namespace balance {

namespace {

constexpr char kWeightSection[] = "WEIGHT_AND_BALANCE";
constexpr char kGeometrySection[] = "airplane_geometry";
constexpr char kFuelSection[] = "fuel";
constexpr size_t kValueBufferSize = 256;

// Stations scanned when the file does not say how many it may have.
constexpr int kDefaultStationCount = 50;
constexpr int kMaxStationCount = 100;

// Bounds far beyond any aircraft; they keep sums and products finite.
constexpr double kMaxArmFt = 10000.0;
constexpr double kMaxWeightLb = 100000000.0;
constexpr double kMaxCgLimitFraction = 2.0;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The n-th comma-separated field as a finite number; the whole field must
// be the number ("1.5", "-9", "+3.0").
std::optional<double> Field(std::string_view text, int n) {
    for (int i = 0; i < n; ++i) {
        const size_t comma = text.find(',');
        if (comma == std::string_view::npos) {
            return std::nullopt;
        }
        text.remove_prefix(comma + 1);
    }
    std::string_view field = Trim(text.substr(0, text.find(',')));
    if (!field.empty() && field.front() == '+') {
        field.remove_prefix(1);
    }
    double value = 0;
    const char* end = field.data() + field.size();
    const auto [ptr, error] = std::from_chars(field.data(), end, value);
    if (field.empty() || error != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> Read(const char* section, const std::string& key,
                                const std::string& path) {
    std::string value =
        profile::GetString(section, key, profile::kUndefined, kValueBufferSize, path);
    if (value == profile::kUndefined) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ReadField(const char* section, const std::string& key, int n,
                                const std::string& path) {
    std::optional<std::string> value = Read(section, key, path);
    return value ? Field(*value, n) : std::nullopt;
}

std::optional<double> Within(std::optional<double> value, double low, double high) {
    if (value && *value >= low && *value <= high) {
        return value;
    }
    return std::nullopt;
}

std::optional<double> ReadArm(const char* section, const std::string& key,
                              const std::string& path) {
    return Within(ReadField(section, key, 0, path), -kMaxArmFt, kMaxArmFt);
}

std::optional<double> ReadWeightLb(const char* key, const std::string& path) {
    std::optional<double> lb = ReadField(kWeightSection, key, 0, path);
    if (lb && *lb > 0 && *lb <= kMaxWeightLb) {
        return lb;
    }
    return std::nullopt;
}

ChordResult ReadChord(const std::string& path) {
    static constexpr const char* kKeys[] = {"wing_area", "wing_span", "wing_root_chord",
                                            "wing_sweep", "wing_pos_apex_lon"};
    double values[std::size(kKeys)] = {};
    for (size_t i = 0; i < std::size(kKeys); ++i) {
        std::optional<double> value = ReadField(kGeometrySection, kKeys[i], 0, path);
        if (!value) {
            return {std::nullopt,
                    std::string("no usable ") + kKeys[i] + " in [" + kGeometrySection + "]"};
        }
        values[i] = *value;
    }
    return MeanChordOf({values[0], values[1], values[2], values[3], values[4]});
}

std::optional<CgRange> ReadCgLimits(const std::string& path) {
    std::optional<double> forward = Within(ReadField(kWeightSection, "CG_forward_limit", 0, path),
                                           -kMaxCgLimitFraction, kMaxCgLimitFraction);
    std::optional<double> aft = Within(ReadField(kWeightSection, "CG_aft_limit", 0, path),
                                       -kMaxCgLimitFraction, kMaxCgLimitFraction);
    if (!forward || !aft || !(*forward < *aft)) {
        return std::nullopt;
    }
    return CgRange{*forward * 100.0, *aft * 100.0};
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
    std::optional<double> lb = Within(Field(value, 0), 0, kMaxWeightLb);
    std::optional<double> arm = Within(Field(value, 1), -kMaxArmFt, kMaxArmFt);
    if (!lb || !arm) {
        return std::nullopt;
    }
    return Mass{*lb * kKgPerLb, *arm};
}

BalanceFile ReadBalanceFile(const std::string& path) {
    BalanceFile file;
    file.maxGrossWeightLb = ReadWeightLb("max_gross_weight", path);
    file.cgLimits = ReadCgLimits(path);
    if (std::optional<double> lb = ReadWeightLb("empty_weight", path)) {
        file.emptyWeightKg = *lb * kKgPerLb;
    }
    file.emptyArmFt = ReadArm(kWeightSection, "empty_weight_CG_position", path);

    const int count = std::clamp(
        profile::GetInt(kWeightSection, "max_number_of_stations", kDefaultStationCount, path), 0,
        kMaxStationCount);
    for (int index = 0; index < count; ++index) {
        if (std::optional<std::string> value =
                Read(kWeightSection, "station_load." + std::to_string(index), path)) {
            file.stations.push_back({index, ParseStation(*value)});
        }
    }
    file.chord = ReadChord(path);
    for (int tank = 0; tank < kFuelTankCount; ++tank) {
        file.tankArmFt[tank] = ReadArm(kFuelSection, kFuelTankKeys[tank], path);
    }
    return file;
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
