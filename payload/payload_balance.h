// The load manager's weight-and-balance line: the zero-fuel CG of the load
// as it will be saved, and the zero-fuel weight against MZFW.
#pragma once

#include "balance/balance_file.h"
#include "balance/status_line.h"
#include "balance/weight_limits.h"
#include "payload/payload_file.h"
#include "payload/payload_model.h"

namespace payload {

// What the load manager reads when it opens, from one read of its file.
struct Opening {
    LoadState load;
    balance::BalanceFile balance;
    balance::WeightLimits limits;
};
Opening ReadOpening(const std::string& path, const AircraftSpec& aircraft);

// The file as the CG sees the load: the program's four stations hold the
// load (at the positions saving writes) and the empty weight is the load's.
balance::BalanceFile LoadedFile(const LoadState& load, const balance::BalanceFile& file,
                                const AircraftSpec& aircraft);

// The CG counts the file's empty weight position and every station of the
// file, with the program's four stations replaced by the load (at the
// positions saving writes) and the empty weight by the load's. The weight
// checked against MZFW is the zero-fuel weight the dialog shows (zfwKg).
balance::StatusLine ZeroFuelLine(const LoadState& load, int32_t zfwKg,
                                 const balance::BalanceFile& file,
                                 const balance::WeightLimits& limits, WeightUnit unit,
                                 const AircraftSpec& aircraft);

}  // namespace payload
