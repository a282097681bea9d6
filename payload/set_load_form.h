// The Set Load dialog's form: the numbers as the pilot types them, read in
// the load manager's unit and answered with a load (set_load.h), the texts
// the dialog shows for it, and the chart of weight against CG.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "balance/balance_file.h"
#include "core/aircraft.h"
#include "core/units.h"
#include "payload/set_load.h"

namespace payload {

// The field a refusal is about, so the dialog can take the pilot there.
enum class SetLoadField { None, Passengers, Cargo, Zfw, Target };

// The form as typed: weights in the dialog's unit, the target in % MAC.
struct SetLoadTexts {
    std::string passengers;
    GivenWeight given = GivenWeight::Cargo;
    std::string cargo;
    std::string zfw;
    bool aimAtCg = false;
    std::string targetCg;
    // A target set by the program (a remembered or an accepted nearest CG),
    // exact where targetCg shows it rounded; cleared when the pilot types.
    std::optional<double> exactTarget;
};

// The last numbers of a type's Set Load, for its next opening in the run
// (weights in kg, whatever the unit they were typed in).
struct SetLoadMemory {
    int32_t passengers = 0;
    GivenWeight given = GivenWeight::Cargo;
    int32_t cargoKg = 0;
    int32_t zfwKg = 0;
    bool aimAtCg = false;
    std::optional<double> targetPercentMac;
};

// The corporate jet seats its passengers as guests; its crew stays.
Seating SeatingOf(const AircraftSpec& aircraft);

// The form as it opens: the remembered numbers, or else the current load's
// (its passengers, guests only on the corporate jet, its cargo and ZFW,
// proportional balance, the current CG as target when there is one).
SetLoadTexts OpeningTexts(const std::optional<SetLoadMemory>& memory, const LoadState& current,
                          const AircraftSpec& aircraft, const balance::BalanceFile& file,
                          WeightUnit unit);

// A weight field's text for kg in the unit (rounded to the whole unit).
std::string WeightFieldText(int64_t kg, WeightUnit unit);
// The CG target field's text: one decimal.
std::string TargetFieldText(double percentMac);

// The answer to the form, recomputed on every keystroke.
struct SetLoadAnswer {
    std::optional<LoadPlan> plan;        // the load to apply
    std::optional<double> cgPercentMac;  // the plan's ZFW CG, when the file gives one
    // A refusal (plan empty): the text and its field.
    std::string error;
    SetLoadField errorField = SetLoadField::None;
    // A target out of reach: the nearest CG the loads reach, exactly, and
    // the load that reaches it, for the pilot to accept or not.
    std::optional<double> nearestCg;
    std::optional<LoadPlan> nearestPlan;
    std::string warning;  // a plan above MZFW
    // The results, "" without a plan: passengers per class, each hold,
    // the cargo carried and asked, their difference, the ZFW and its CG.
    std::string passengers, forwardHold, aftHold, cargo, cargoAsked, difference, zfw, zfwCg;
    SetLoadMemory memory;  // the numbers read, to remember on Apply
};

SetLoadAnswer AnswerForm(const SetLoadTexts& texts, WeightUnit unit, const LoadState& current,
                         const AircraftSpec& aircraft, const balance::BalanceFile& file);

// What the chart of a Set Load shows: weight (in the unit) against ZFW CG
// (% MAC). Positions are fractions of the plot, 0 at its left or bottom.
struct ChartPoint {
    double x = 0;
    double y = 0;
};
struct ChartTick {
    double at = 0;  // fraction along the axis
    std::string label;
};
struct SetLoadChart {
    std::vector<ChartTick> cgTicks;      // "25"
    std::vector<ChartTick> weightTicks;  // "60 000"
    std::string weightAxis;              // "kg" or "lb"
    // The CG limits: the file's, or the usual range, drawn as a hint.
    double forwardLimit = 0;
    double aftLimit = 0;
    bool usualLimits = false;
    std::string limitsCaption;  // "CG: usual 15-40 %" or the file's
    double mzfw = 0;            // fraction up the weight axis
    std::optional<ChartPoint> empty;
    std::optional<ChartPoint> zfw;
    std::optional<double> zfwWeight;  // fraction up the weight axis, with or without a CG
    std::optional<double> target;     // fraction along the CG axis
    std::string noCg;                 // why no point can be placed
};

// The chart for the current answer (plan or nearest plan; none: only the
// empty aircraft and the limits).
SetLoadChart ChartOf(const SetLoadAnswer& answer, const SetLoadTexts& texts,
                     const LoadState& current, const AircraftSpec& aircraft,
                     const balance::BalanceFile& file, WeightUnit unit);

}  // namespace payload
