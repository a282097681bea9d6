#include "payload/payload_balance.h"

#include "payload/station_values.h"

namespace payload {

namespace {

// Where saving puts a station, read back from the very text it writes.
double StationArmFt(Station station) {
    std::string value = StationValue(station, 0);
    value = value.substr(1, value.size() - 2);  // the quotes
    return balance::ParseStation(value).value_or(balance::Mass{}).armFt;
}

}  // namespace

Opening ReadOpening(const std::string& path, const AircraftSpec& aircraft) {
    const profile::Snapshot file(path);
    const balance::WeightSection section = balance::ReadWeightSection(file);
    Opening opening;
    opening.load = ReadPayload(section, aircraft);
    opening.balance = balance::ReadBalanceFile(file, section);
    opening.limits = balance::LimitsOf(aircraft, opening.balance);
    return opening;
}

balance::BalanceFile LoadedFile(const LoadState& load, const balance::BalanceFile& file,
                                const AircraftSpec& aircraft) {
    balance::BalanceFile loaded = file;
    loaded.emptyWeightKg = load.emptyWeightKg;
    const double stationKg[] = {
        static_cast<double>(load.businessPax) * kPassengerKg,
        static_cast<double>(load.economyPax) * kPassengerKg,
        static_cast<double>(HoldLoadKg(load.forwardCargoPercent, aircraft.forwardHoldKg)),
        static_cast<double>(HoldLoadKg(load.aftCargoPercent, aircraft.aftHoldKg)),
    };
    for (size_t i = 0; i < std::size(kStationFormats); ++i) {
        const StationFormat& format = kStationFormats[i];
        // "station_load.N": the number after the dot.
        const int index = std::stoi(std::string(format.key).substr(sizeof "station_load." - 1));
        balance::SetStation(loaded, index, {stationKg[i], StationArmFt(format.station)});
    }
    return loaded;
}

balance::StatusLine ZeroFuelLine(const LoadState& load, int32_t zfwKg,
                                 const balance::BalanceFile& file,
                                 const balance::WeightLimits& limits, WeightUnit unit,
                                 const AircraftSpec& aircraft) {
    return balance::ZeroFuelStatus(balance::ZeroFuelCg(LoadedFile(load, file, aircraft)),
                                   file.cgLimits, zfwKg, limits, unit);
}

}  // namespace payload
