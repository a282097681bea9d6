// An aircraft.cfg of any bytes through the load manager's read and save:
// the load read stays within the aircraft, its numbers compute without
// overflow, and saving it back either writes exactly the four station
// lines and reads back the same load, or is refused with the file untouched.
// Its weight and balance reads too: a CG is a finite number or a reason.
// The whole input is the file; its size picks the aircraft.
#include <cstddef>
#include <cmath>
#include <cstdint>
#include <string>

#include "balance/balance_file.h"
#include "fuzz/fuzz_support.h"
#include "payload/payload_balance.h"
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
    const balance::BalanceFile balanceFile = balance::ReadBalanceFile(path);
    const balance::WeightLimits limits = balance::LimitsOf(aircraft, balanceFile);
    const balance::CgResult cg = balance::ZeroFuelCg(balanceFile);
    fuzz::Check(cg.percentMac ? std::isfinite(*cg.percentMac) && std::fabs(*cg.percentMac) <= 999
                              : !cg.whyNot.empty(),
                "a CG that is neither a number on the wing nor a reason");
    for (WeightUnit unit : {WeightUnit::Kg, WeightUnit::Lb}) {
        const payload::PayloadFields fields = payload::Recalculate(load, unit, aircraft);
        (void)payload::ZeroFuelLine(load, fields.currentZfwKg, balanceFile, limits, unit, aircraft);
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
