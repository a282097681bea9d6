// What an aircraft.cfg says about weight and balance: its own maximum
// weight, CG limits, empty weight and where it lies, the payload stations,
// the wing, and where the fuel tanks are. Read from one snapshot of the
// file, numbers as the simulator reads them; a key that is missing or
// unusable is left out, and the CG functions then say what is missing
// instead of giving a number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "balance/centre_of_gravity.h"
#include "balance/weight_section.h"
#include "platform/profile.h"

namespace balance {

// The planner's five tanks and the [fuel] keys that hold their positions:
// its inner tanks are the file's Main tanks, its outer tanks the Aux tanks,
// its centre tank Center1.
enum class FuelTank { LeftOuter, LeftInner, Center, RightInner, RightOuter };
constexpr int kFuelTankCount = 5;
constexpr const char* kFuelTankKeys[kFuelTankCount] = {"LeftAux", "LeftMain", "Center1",
                                                       "RightMain", "RightAux"};

struct Station {
    int index = 0;             // N of station_load.N
    std::optional<Mass> mass;  // nothing: the value is not "weight, position, ..."
};

// CG limits in % MAC.
struct CgRange {
    double forwardPercent = 0;
    double aftPercent = 0;
};

struct BalanceFile {
    std::optional<double> maxGrossWeightLb;  // above 0 only
    std::optional<CgRange> cgLimits;         // both keys, forward before aft
    std::optional<double> emptyWeightKg;     // above 0 only
    std::optional<double> emptyArmFt;
    std::vector<Station> stations;  // in index order
    ChordResult chord = {std::nullopt, "no aircraft file was read"};
    std::optional<double> tankArmFt[kFuelTankCount];
};

// A station value "weight (lb), position (ft), ..." as a mass in kg;
// nothing when the two are not numbers within reason (weight 0 to
// kMaxWeightLb, position within kMaxArmFt).
std::optional<Mass> ParseStation(std::string_view value);

// Never fails: a missing file reads as one without any of it. The stations
// are those below the section's max_number_of_stations.
BalanceFile ReadBalanceFile(const profile::Snapshot& file, const WeightSection& section);
// The file read once.
BalanceFile ReadBalanceFile(const std::string& path);

// Puts a station's load in place of the file's (the load manager's own
// stations, as they will be saved), or adds it.
void SetStation(BalanceFile& file, int index, const Mass& mass);

// The CG of the empty aircraft and every station.
CgResult ZeroFuelCg(const BalanceFile& file);

// Fuel in each tank, kg.
struct TankFuel {
    double kg[kFuelTankCount] = {};
};

// The CG with fuel: zfwKg placed at the zero-fuel CG of the file's stations,
// and each tank's fuel at its position. A tank that holds fuel needs one.
CgResult TakeOffCg(const BalanceFile& file, double zfwKg, const TankFuel& fuel);

}  // namespace balance
