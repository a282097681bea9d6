#include "payload/station_values.h"

#include <algorithm>
#include <limits>

#include "payload/truncate.h"

namespace payload {

int32_t EmptyWeightKg(std::optional<int32_t> fileLb, int defaultLb) {
    if (!fileLb) {
        return Trunc<int32_t>(defaultLb * kKgPerLb);
    }
    if (*fileLb <= 0) {
        return Round<int32_t>(defaultLb * kKgPerLb);
    }
    return Round<int32_t>(*fileLb * kKgPerLb);
}

uint32_t PaxFromStationLb(int32_t lb) {
    return lb > 0 ? Round<uint32_t>(lb * kKgPerLb * kPaxPerKg) : 0;
}

uint32_t PercentFromStationLb(int32_t lb, uint32_t holdKg) {
    return lb > 0 ? Round<uint32_t>(lb * kLbToHoldPercentKg / holdKg) : 0;
}

int32_t PaxStationLb(uint32_t pax) {
    return Trunc<int32_t>(static_cast<double>(pax * kPassengerKg) * kLbPerKg);
}

int32_t HoldStationLb(uint32_t percent, uint32_t holdKg) {
    return Trunc<int32_t>(HoldLoadKg(percent, holdKg) * kLbPerKg);
}

std::string StationValue(Station station, int32_t lb) {
    const char* tail = "";
    for (const StationFormat& format : kStationFormats) {
        if (format.station == station) {
            tail = format.tail;
        }
    }
    return '"' + std::to_string(lb) + tail + '"';
}

std::vector<profile::Entry> PayloadEntries(const LoadState& load, const AircraftSpec& aircraft) {
    const int32_t pounds[] = {
        PaxStationLb(load.businessPax),
        PaxStationLb(load.economyPax),
        HoldStationLb(load.forwardCargoPercent, aircraft.forwardHoldKg),
        HoldStationLb(load.aftCargoPercent, aircraft.aftHoldKg),
    };
    std::vector<profile::Entry> entries;
    for (size_t i = 0; i < std::size(kStationFormats); ++i) {
        const StationFormat& format = kStationFormats[i];
        entries.push_back({kPayloadSection, format.key, StationValue(format.station, pounds[i])});
    }
    return entries;
}

}  // namespace payload
