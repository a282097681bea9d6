#include "payload/payload_file.h"

#include <optional>

#include "payload/station_values.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/scan_int.h"

namespace payload {

namespace {

// The profile functions' buffer of 99 characters: at most 98 of value.
constexpr size_t kValueBufferSize = 99;

// nullopt when the key is absent; a file value that is literally the
// marker text counts as absent too.
std::optional<int32_t> ReadNumber(const char* key, const std::string& path) {
    std::string value =
        profile::GetString(kPayloadSection, key, profile::kUndefined, kValueBufferSize, path);
    if (value == profile::kUndefined) {
        return std::nullopt;
    }
    // A text that does not begin with a number reads as -1.
    return text::ScanInt32(value).value_or(-1);
}

int32_t ReadStationLb(const char* key, const std::string& path) {
    return ReadNumber(key, path).value_or(-1);
}

const char* StationKey(Station station) {
    for (const StationFormat& format : kStationFormats) {
        if (format.station == station) {
            return format.key;
        }
    }
    return "";
}

}  // namespace

LoadState ReadPayload(const std::string& path, const AircraftSpec& aircraft) {
    LoadState load;
    load.emptyWeightKg =
        EmptyWeightKg(ReadNumber(kEmptyWeightKey, path), aircraft.defaultEmptyWeightLb);
    load.businessPax = PaxFromStationLb(ReadStationLb(StationKey(Station::First), path));
    load.economyPax = PaxFromStationLb(ReadStationLb(StationKey(Station::Coach), path));
    load.forwardCargoPercent = PercentFromStationLb(
        ReadStationLb(StationKey(Station::Baggage), path), aircraft.forwardHoldKg);
    load.aftCargoPercent =
        PercentFromStationLb(ReadStationLb(StationKey(Station::Cargo), path), aircraft.aftHoldKg);
    return ClampToAircraft(load, aircraft);
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
