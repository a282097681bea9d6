// An aircraft.cfg of any bytes through the load manager's read and save:
// the load read stays within the aircraft, its numbers compute without
// overflow, and saving it back either writes exactly the four station
// lines and reads back the same load, or is refused with the file untouched.
// Its weight and balance reads too: a CG is a finite number or a reason.
// Read as a number, the file's text up to a NUL gives what the C library's
// strtod gives, except for hexadecimal and what is not finite (none).
// The whole input is the file; its size picks the aircraft.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "balance/balance_file.h"
#include "balance/cfg_number.h"
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

// The number reader against the C library (the "C" locale: nothing here changes it).
void CheckNumber(const std::string& file) {
    const std::string text(file.c_str());
    char* end = nullptr;
    const double library = std::strtod(text.c_str(), &end);
    size_t i = text.find_first_not_of(" \t\n\v\f\r");
    i = i != std::string::npos && (text[i] == '+' || text[i] == '-') ? i + 1 : i;
    const bool hex = i != std::string::npos && text.compare(i, 2, "0x") == 0;
    const bool hexUpper = i != std::string::npos && text.compare(i, 2, "0X") == 0;
    const std::optional<double> ours = balance::LeadingNumber(text);
    if (end == text.c_str() || !std::isfinite(library) || hex || hexUpper) {
        fuzz::Check(!ours, "a number read where the C library reads none, or hexadecimal");
    } else {
        fuzz::Check(ours && *ours == library, "another number than the C library's");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    CheckNumber(file);
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
