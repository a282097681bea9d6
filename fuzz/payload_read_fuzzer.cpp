// An aircraft.cfg of any bytes through the load manager's read and save:
// the load read stays within the aircraft, its numbers compute without
// overflow, and saving it back either writes exactly the four station
// lines and reads back the same load, or is refused with the file untouched.
// The whole input is the file; its size picks the aircraft.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "payload/payload_file.h"
#include "payload/station_values.h"
#include "platform/ini_text.h"

namespace {

bool SameLoad(const payload::LoadState& a, const payload::LoadState& b) {
    return a.emptyWeightKg == b.emptyWeightKg && a.businessPax == b.businessPax &&
           a.economyPax == b.economyPax && a.forwardCargoPercent == b.forwardCargoPercent &&
           a.aftCargoPercent == b.aftCargoPercent;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    const AircraftSpec& aircraft = kAircraft[size % std::size(kAircraft)];
    const std::string path = fuzz::ScratchPath("aircraft.cfg");
    fuzz::PutFile(path, file);

    const payload::LoadState load = payload::ReadPayload(path, aircraft);
    fuzz::Check(SameLoad(load, payload::ClampToAircraft(load, aircraft)),
                "a load read beyond the aircraft's seats or holds");
    fuzz::Check(load.emptyWeightKg >= 0, "a negative empty weight");
    for (WeightUnit unit : {WeightUnit::Kg, WeightUnit::Lb}) {
        (void)payload::Recalculate(load, unit, aircraft);
    }

    const files::Status saved = payload::WritePayload(path, load, aircraft);
    if (!ini::CheckContent(file).empty()) {
        fuzz::Check(saved.error == files::Error::Unsupported, "an unwritable file was not refused");
        fuzz::Check(fuzz::GetFile(path) == file, "a refused save changed the file");
        return 0;
    }
    fuzz::Check(saved.ok(), "a writable file was not saved");
    std::string expected = file;
    for (const profile::Entry& entry : payload::PayloadEntries(load, aircraft)) {
        ini::SetValue(expected, entry.section, entry.key, entry.value);
    }
    fuzz::Check(fuzz::GetFile(path) == expected, "a save wrote more than the station lines");
    fuzz::Check(SameLoad(payload::ReadPayload(path, aircraft), load),
                "a saved load reads back differently");
    return 0;
}
