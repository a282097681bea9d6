#include "payload/payload_file.h"

#include <optional>

#include "payload/station_values.h"
#include "payload/truncate.h"
#include "platform/files.h"

namespace payload {

namespace {

// A station's pounds: -1 when the file has none or no number (held within
// 32 bits; the fraction dropped).
int32_t StationLb(const balance::WeightSection& section, Station station) {
    const char* key = "";
    for (const StationFormat& format : kStationFormats) {
        if (format.station == station) {
            key = format.key;
        }
    }
    for (const balance::StationLoad& load : section.stations) {
        if ("station_load." + std::to_string(load.index) == key) {
            return load.weightLb ? Trunc<int32_t>(*load.weightLb) : -1;
        }
    }
    return -1;
}

}  // namespace

LoadState ReadPayload(const balance::WeightSection& section, const AircraftSpec& aircraft) {
    LoadState load;
    // A weight that is there but unusable reads as 0 pounds.
    std::optional<int32_t> emptyLb;
    if (section.emptyWeightStored) {
        emptyLb = section.emptyWeightLb ? Trunc<int32_t>(*section.emptyWeightLb) : 0;
    }
    load.emptyWeightKg = EmptyWeightKg(emptyLb, aircraft.defaultEmptyWeightLb);
    load.businessPax = PaxFromStationLb(StationLb(section, Station::First));
    load.economyPax = PaxFromStationLb(StationLb(section, Station::Coach));
    load.forwardCargoPercent =
        PercentFromStationLb(StationLb(section, Station::Baggage), aircraft.forwardHoldKg);
    load.aftCargoPercent =
        PercentFromStationLb(StationLb(section, Station::Cargo), aircraft.aftHoldKg);
    return ClampToAircraft(load, aircraft);
}

LoadState ReadPayload(const std::string& path, const AircraftSpec& aircraft) {
    return ReadPayload(balance::ReadWeightSection(profile::Snapshot(path)), aircraft);
}

files::Status WritePayload(const std::string& path, const LoadState& load,
                           const AircraftSpec& aircraft) {
    // The profile write would create a missing file; an aircraft file is
    // never created, only updated.
    if (!files::FileExists(path)) {
        return files::Status::Fail(files::Error::NotFound, "the aircraft file is missing: " + path);
    }
    return profile::WriteBatch(PayloadEntries(ClampToAircraft(load, aircraft), aircraft), path);
}

std::vector<SaveFailure> SavePayload(const AircraftFiles& paths, const InstalledVariants& atOpen,
                                     const LoadState& load, const AircraftSpec& aircraft) {
    std::vector<SaveFailure> failures;
    auto save = [&](const std::string& path, bool installedAtOpen) {
        if (path.empty() || (!installedAtOpen && !files::FileExists(path))) {
            return;
        }
        files::Status status = WritePayload(path, load, aircraft);
        if (!status.ok()) {
            failures.push_back({path, status});
        }
    };
    save(paths.base, atOpen.base);
    save(paths.iae, atOpen.iae);
    return failures;
}

}  // namespace payload
