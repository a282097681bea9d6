// "Set load": the pilot's passengers, cargo or zero-fuel weight and, when
// asked, a zero-fuel CG, turned into the load manager's four sliders.
// Weights in kg; the dialog converts the pilot's unit.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "balance/balance_file.h"
#include "core/aircraft.h"
#include "payload/payload_model.h"

namespace payload {

enum class GivenWeight { Cargo, Zfw };

// Where the passengers sit. GuestsOnly is the corporate jet's: its first
// class is the crew, whose slider stays as the current load has it, and
// every passenger asked for is a guest (second class). The crew still
// weighs in the zero-fuel weight.
enum class Seating { BothClasses, GuestsOnly };

struct SetLoadRequest {
    int32_t passengers = 0;
    GivenWeight given = GivenWeight::Cargo;
    int32_t weightKg = 0;  // the cargo or the zero-fuel weight, as given says
    Seating seating = Seating::BothClasses;
};

enum class SetLoadError {
    None,
    Negative,           // passengers, cargo or zero-fuel weight below 0
    TooManyPassengers,  // more than the seats (the guests' seats on GuestsOnly)
    CargoBeyondHolds,   // more than both holds full
    ZfwBelowLoad,       // below the empty weight and the passengers
    ZfwBeyondReach,     // above the empty weight, the passengers and both holds full
    NoCg,               // the aircraft file gives no CG: whyNoCg
    CgOutOfReach,       // no load reaches the target: nearestCg is the nearest one
};

// A load that answers the request.
struct LoadPlan {
    LoadState load;                      // the four sliders; the empty weight as it was
    uint32_t cargoKg = 0;                // what the holds carry at those percentages
    int64_t cargoMissKg = 0;             // cargoKg minus the cargo asked (or derived from the ZFW)
    int64_t zfwKg = 0;                   // empty weight, everyone aboard and cargoKg
    bool aboveMzfw = false;              // the asked or the planned ZFW is above the type's MZFW
    std::optional<double> cgPercentMac;  // the zero-fuel CG, when one was aimed at
};

// Either a plan or an error, never both.
struct SetLoadResult {
    std::optional<LoadPlan> plan;
    SetLoadError error = SetLoadError::None;
    std::optional<double> nearestCg;  // CgOutOfReach
    std::string whyNoCg;              // NoCg
};

// First-class passengers of n on both classes: round-half-up(n x first
// seats / all seats), raised by what would not fit the second class.
// n is at most all seats.
uint32_t FirstClassShare(uint32_t passengers, const AircraftSpec& aircraft);

// The default balance: passengers in proportion to the seats, the cargo in
// proportion to the holds' sizes. Of every pair of whole percentages, the
// one whose cargo is nearest the asked figure; among those, the pair with
// the closest percentages; then the lower forward one.
SetLoadResult SetLoad(const SetLoadRequest& request, const LoadState& current,
                      const AircraftSpec& aircraft);

// Aiming at a zero-fuel CG in % MAC, computed from the aircraft's file as
// the status line computes it. The passengers as asked; the hold pairs
// whose cargo lies within one step of the larger hold (its 1 %) of the
// asked figure: nearer, most cargo figures have one or two pairs and the
// CG could not move. Among those pairs and every class split the seats
// allow, the nearest CG; ties go to the smallest distance from the
// proportional split (|forward % - aft %| + |first class - its share|),
// then the cargo nearest the asked figure, then the lower forward %, then
// fewer first class. A target outside the CGs those loads reach is out of
// reach, with the nearest end of their range.
SetLoadResult SetLoadForCg(const SetLoadRequest& request, double targetPercentMac,
                           const LoadState& current, const AircraftSpec& aircraft,
                           const balance::BalanceFile& file);

// Why the file allows no CG target (empty: it does), from the current load.
std::string WhyNoCgTarget(const LoadState& current, const AircraftSpec& aircraft,
                          const balance::BalanceFile& file);

}  // namespace payload
