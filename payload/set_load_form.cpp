#include "payload/set_load_form.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "balance/status_line.h"
#include "payload/payload_balance.h"
#include "res/messages.h"

namespace payload {

namespace {

constexpr char kSeparator[] = " \u00b7 ";
// A typed number beyond this is held here: every limit of the model lies far below.
constexpr int64_t kTypedMax = INT32_MAX;
// CG targets and chart positions beyond this many % MAC are off any wing.
constexpr double kFarCg = 999.0;

enum class Typed { Ok, NotANumber, Negative };

struct TypedNumber {
    Typed status = Typed::NotANumber;
    int64_t value = 0;  // held within 0 to kTypedMax
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Trimmed(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

// Digits only, with blanks around; a leading minus is a negative number.
TypedNumber ReadWhole(const std::string& text) {
    const std::string digits = Trimmed(text);
    const bool negative = !digits.empty() && digits[0] == '-';
    const size_t first = negative ? 1 : 0;
    TypedNumber number;
    if (digits.size() == first) {
        return number;
    }
    for (size_t i = first; i < digits.size(); ++i) {
        if (digits[i] < '0' || digits[i] > '9') {
            return number;
        }
        number.value = std::min<int64_t>(number.value * 10 + (digits[i] - '0'), kTypedMax);
    }
    number.status = negative && number.value > 0 ? Typed::Negative : Typed::Ok;
    return number;
}

// A typed weight in kg: pounds converted with the exact constant, rounded.
int32_t TypedKg(int64_t value, WeightUnit unit) {
    if (unit == WeightUnit::Kg) {
        return static_cast<int32_t>(value);
    }
    const double kg = std::floor(static_cast<double>(value) * kKgPerLb + 0.5);  // below 2^31
    return static_cast<int32_t>(kg);
}

// "30", "30.5" or "30,5", a sign allowed; nothing for anything else.
std::optional<double> ReadPercent(const std::string& text) {
    const std::string typed = Trimmed(text);
    size_t i = typed.empty() || (typed[0] != '-' && typed[0] != '+') ? 0 : 1;
    const double sign = i == 1 && typed[0] == '-' ? -1.0 : 1.0;
    double value = 0;
    int digits = 0;
    for (; i < typed.size() && typed[i] >= '0' && typed[i] <= '9'; ++i, ++digits) {
        value = value * 10 + (typed[i] - '0');
    }
    if (i < typed.size() && (typed[i] == '.' || typed[i] == ',')) {
        double scale = 0.1;
        for (++i; i < typed.size() && typed[i] >= '0' && typed[i] <= '9'; ++i, ++digits) {
            value += (typed[i] - '0') * scale;
            scale /= 10;
        }
    }
    // Six whole digits at most: far beyond any wing, and never infinite.
    if (digits == 0 || i != typed.size() || value >= 1e6) {
        return std::nullopt;
    }
    return sign * value;
}

std::string OneDecimal(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", value);
    const std::string result = text;
    return result == "-0.0" ? "0.0" : result;
}

std::string Weight(int64_t kg, WeightUnit unit) {
    return balance::WeightText(kg, unit);
}

std::string CgText(double percent) {
    return OneDecimal(percent) + " % MAC";
}

const char* FieldName(SetLoadField field) {
    switch (field) {
        case SetLoadField::Passengers:
            return "Passengers";
        case SetLoadField::Cargo:
            return "Cargo";
        case SetLoadField::Zfw:
            return "Zero fuel weight";
        default:
            return "ZFW CG";
    }
}

uint32_t HoldsKg(const AircraftSpec& aircraft) {
    return HoldLoadKg(kMaxHoldPercent, aircraft.forwardHoldKg) +
           HoldLoadKg(kMaxHoldPercent, aircraft.aftHoldKg);
}

// The empty aircraft, its kept crew and the passengers asked, kg.
int64_t LoadedKg(const SetLoadRequest& request, const LoadState& current,
                 const AircraftSpec& aircraft) {
    const int64_t crew = request.seating == Seating::GuestsOnly
                             ? std::min<int64_t>(current.businessPax, aircraft.firstClassSeats)
                             : 0;
    return int64_t{current.emptyWeightKg} + (crew + request.passengers) * kPassengerKg;
}

std::string SeatsText(const AircraftSpec& aircraft, Seating seating) {
    const int seats = seating == Seating::GuestsOnly
                          ? aircraft.secondClassSeats
                          : aircraft.firstClassSeats + aircraft.secondClassSeats;
    return std::to_string(seats) + (seating == Seating::GuestsOnly ? " guests." : ".");
}

// The refusal of a request the model turned down, with what the aircraft allows.
std::string RefusalText(SetLoadError error, const SetLoadRequest& request, const LoadState& current,
                        const AircraftSpec& aircraft, WeightUnit unit, SetLoadField& field) {
    const int64_t loaded = LoadedKg(request, current, aircraft);
    field = request.given == GivenWeight::Cargo ? SetLoadField::Cargo : SetLoadField::Zfw;
    switch (error) {
        case SetLoadError::TooManyPassengers:
            field = SetLoadField::Passengers;
            return msg::kSetLoadTooManyPassengers + SeatsText(aircraft, request.seating);
        case SetLoadError::CargoBeyondHolds:
            return msg::kSetLoadCargoBeyondHolds + Weight(HoldsKg(aircraft), unit) + ".";
        case SetLoadError::ZfwBelowLoad:
            return msg::kSetLoadZfwBelowLoad + Weight(loaded, unit) + ".";
        case SetLoadError::ZfwBeyondReach:
            return msg::kSetLoadZfwBeyondReach + Weight(loaded + HoldsKg(aircraft), unit) + ".";
        default:  // negative numbers are refused before the model
            field = SetLoadField::Passengers;
            return std::string(FieldName(field)) + msg::kSetLoadNegative;
    }
}

std::optional<double> CgOfLoad(const LoadState& load, const balance::BalanceFile& file,
                               const AircraftSpec& aircraft) {
    return balance::ZeroFuelCg(LoadedFile(load, file, aircraft)).percentMac;
}

void ShowPlan(SetLoadAnswer& answer, const LoadPlan& plan, int64_t askedCargoKg, int64_t askedZfwKg,
              const AircraftSpec& aircraft, const balance::BalanceFile& file, WeightUnit unit) {
    const LoadState& load = plan.load;
    const bool guests = SeatingOf(aircraft) == Seating::GuestsOnly;
    answer.passengers = std::to_string(load.businessPax) + (guests ? " Crew (kept)" : " Business") +
                        kSeparator + std::to_string(load.economyPax) +
                        (guests ? " Guests" : " Economy");
    answer.forwardHold = std::to_string(load.forwardCargoPercent) + " %" + kSeparator +
                         Weight(HoldLoadKg(load.forwardCargoPercent, aircraft.forwardHoldKg), unit);
    answer.aftHold = std::to_string(load.aftCargoPercent) + " %" + kSeparator +
                     Weight(HoldLoadKg(load.aftCargoPercent, aircraft.aftHoldKg), unit);
    answer.cargo = Weight(plan.cargoKg, unit);
    answer.cargoAsked = Weight(askedCargoKg, unit);
    answer.difference =
        plan.cargoMissKg == 0
            ? "none"
            : Weight(plan.cargoMissKg < 0 ? -plan.cargoMissKg : plan.cargoMissKg, unit) +
                  (plan.cargoMissKg < 0 ? " less" : " more") + " (holds in whole %)";
    answer.zfw = Weight(plan.zfwKg, unit);
    answer.cgPercentMac = plan.cgPercentMac ? plan.cgPercentMac : CgOfLoad(load, file, aircraft);
    answer.zfwCg = answer.cgPercentMac
                       ? CgText(*answer.cgPercentMac)
                       : "not available (" + WhyNoCgTarget(load, aircraft, file) + ")";
    if (plan.aboveMzfw) {
        // The asked ZFW may lie above MZFW where the nearest load does not.
        answer.warning = Weight(std::max(plan.zfwKg, askedZfwKg) - aircraft.mzfwKg, unit) +
                         msg::kSetLoadAboveMzfw;
    }
}

// Ticks of an axis from low to high: a round step giving at most `most` of
// them, the ends moved out to whole steps.
struct Axis {
    double low = 0;
    double high = 1;
    double step = 1;
};

Axis AxisOver(double low, double high, double firstStep, int most) {
    Axis axis;
    axis.step = firstStep;
    const double factors[] = {2, 2.5, 2};  // 1, 2, 5, 10, 20, 50, ...
    for (int i = 0; (high - low) / axis.step > most; ++i) {
        axis.step *= factors[i % 3];
    }
    axis.low = std::floor(low / axis.step) * axis.step;
    axis.high = std::max(std::ceil(high / axis.step) * axis.step, axis.low + axis.step);
    return axis;
}

double Along(const Axis& axis, double value) {
    return (value - axis.low) / (axis.high - axis.low);
}

}  // namespace

Seating SeatingOf(const AircraftSpec& aircraft) {
    return aircraft.type == AircraftType::ACJ ? Seating::GuestsOnly : Seating::BothClasses;
}

std::string WeightFieldText(int64_t kg, WeightUnit unit) {
    const double shown = static_cast<double>(kg) * (unit == WeightUnit::Lb ? kLbPerKg : 1.0);
    return std::to_string(static_cast<int64_t>(std::floor(shown + 0.5)));
}

std::string TargetFieldText(double percentMac) {
    return OneDecimal(percentMac);
}

SetLoadTexts OpeningTexts(const std::optional<SetLoadMemory>& memory, const LoadState& current,
                          const AircraftSpec& aircraft, const balance::BalanceFile& file,
                          WeightUnit unit) {
    SetLoadMemory numbers;
    if (memory) {
        numbers = *memory;
    } else {
        const LoadState load = ClampToAircraft(current, aircraft);
        const uint32_t passengers = SeatingOf(aircraft) == Seating::GuestsOnly
                                        ? load.economyPax
                                        : load.businessPax + load.economyPax;
        const uint32_t cargo = HoldLoadKg(load.forwardCargoPercent, aircraft.forwardHoldKg) +
                               HoldLoadKg(load.aftCargoPercent, aircraft.aftHoldKg);
        numbers.passengers = static_cast<int32_t>(passengers);
        numbers.cargoKg = static_cast<int32_t>(cargo);
        const int64_t zfw = int64_t{load.emptyWeightKg} +
                            int64_t{load.businessPax + load.economyPax} * kPassengerKg + cargo;
        numbers.zfwKg = static_cast<int32_t>(std::clamp<int64_t>(zfw, 0, INT32_MAX));
        numbers.targetPercentMac = CgOfLoad(load, file, aircraft);
    }
    SetLoadTexts texts;
    texts.passengers = std::to_string(numbers.passengers);
    texts.given = numbers.given;
    texts.cargo = WeightFieldText(numbers.cargoKg, unit);
    texts.zfw = WeightFieldText(numbers.zfwKg, unit);
    texts.aimAtCg = numbers.aimAtCg;
    if (numbers.targetPercentMac && std::fabs(*numbers.targetPercentMac) <= kFarCg) {
        texts.targetCg = OneDecimal(*numbers.targetPercentMac);
        // A remembered target is the exact one: a nearest CG the pilot accepted may lie
        // outside the reach of its rounded text.
        texts.exactTarget = memory ? numbers.targetPercentMac : std::nullopt;
    }
    return texts;
}

SetLoadAnswer AnswerForm(const SetLoadTexts& texts, WeightUnit unit, const LoadState& current,
                         const AircraftSpec& aircraft, const balance::BalanceFile& file) {
    SetLoadAnswer answer;
    const auto refuse = [&answer](SetLoadField field, std::string text) {
        answer.errorField = field;
        answer.error = std::move(text);
        return answer;
    };
    const SetLoadField weightField =
        texts.given == GivenWeight::Cargo ? SetLoadField::Cargo : SetLoadField::Zfw;
    const TypedNumber passengers = ReadWhole(texts.passengers);
    const TypedNumber weight =
        ReadWhole(texts.given == GivenWeight::Cargo ? texts.cargo : texts.zfw);
    for (const auto& [number, field] : {std::make_pair(passengers, SetLoadField::Passengers),
                                        std::make_pair(weight, weightField)}) {
        if (number.status != Typed::Ok) {
            return refuse(field,
                          FieldName(field) + std::string(number.status == Typed::Negative
                                                             ? msg::kSetLoadNegative
                                                             : msg::kSetLoadNotAWholeNumber));
        }
    }
    SetLoadRequest request;
    request.passengers = static_cast<int32_t>(passengers.value);
    request.given = texts.given;
    request.weightKg = TypedKg(weight.value, unit);
    request.seating = SeatingOf(aircraft);

    answer.memory.passengers = request.passengers;
    answer.memory.given = texts.given;
    answer.memory.aimAtCg = texts.aimAtCg;
    const TypedNumber cargo = ReadWhole(texts.cargo);
    const TypedNumber zfw = ReadWhole(texts.zfw);
    answer.memory.cargoKg = cargo.status == Typed::Ok ? TypedKg(cargo.value, unit) : 0;
    answer.memory.zfwKg = zfw.status == Typed::Ok ? TypedKg(zfw.value, unit) : 0;

    std::optional<double> target;
    if (texts.aimAtCg) {
        target = texts.exactTarget ? texts.exactTarget : ReadPercent(texts.targetCg);
        if (!target) {
            return refuse(SetLoadField::Target, msg::kSetLoadNotACg);
        }
        answer.memory.targetPercentMac = target;
    }
    const SetLoadResult result = target ? SetLoadForCg(request, *target, current, aircraft, file)
                                        : SetLoad(request, current, aircraft);
    const int64_t loadedKg = LoadedKg(request, current, aircraft);
    const int64_t askedCargo =
        texts.given == GivenWeight::Cargo ? request.weightKg : request.weightKg - loadedKg;
    const int64_t askedZfw = askedCargo + loadedKg;
    if (result.error == SetLoadError::CgOutOfReach && result.nearestCg) {
        answer.nearestCg = result.nearestCg;
        // The exact nearest value: its rounded text can lie just outside the reach.
        const SetLoadResult nearest =
            SetLoadForCg(request, *result.nearestCg, current, aircraft, file);
        answer.nearestPlan = nearest.plan;
        if (nearest.plan) {
            ShowPlan(answer, *nearest.plan, askedCargo, askedZfw, aircraft, file, unit);
        }
        answer.warning.clear();
        return refuse(SetLoadField::Target, "A ZFW CG of " + CgText(*target) +
                                                msg::kSetLoadCgOutOfReach +
                                                CgText(*result.nearestCg) + ".");
    }
    if (result.error == SetLoadError::NoCg) {
        return refuse(SetLoadField::Target, msg::kSetLoadNoCg + result.whyNoCg + ".");
    }
    if (!result.plan) {
        SetLoadField field = SetLoadField::None;
        std::string text = RefusalText(result.error, request, current, aircraft, unit, field);
        return refuse(field, std::move(text));
    }
    answer.plan = result.plan;
    ShowPlan(answer, *result.plan, askedCargo, askedZfw, aircraft, file, unit);
    return answer;
}

SetLoadChart ChartOf(const SetLoadAnswer& answer, const SetLoadTexts& texts,
                     const LoadState& current, const AircraftSpec& aircraft,
                     const balance::BalanceFile& file, WeightUnit unit) {
    SetLoadChart chart;
    const double factor = DisplayFactor(unit);
    const std::optional<LoadPlan>& plan = answer.plan ? answer.plan : answer.nearestPlan;

    // The weights: the empty aircraft up to the heaviest of MZFW, full seats and holds, the plan.
    const double emptyKg = current.emptyWeightKg;
    const double fullKg =
        emptyKg + double(kPassengerKg) * (aircraft.firstClassSeats + aircraft.secondClassSeats) +
        HoldsKg(aircraft);
    double lowKg = std::min(emptyKg, double(aircraft.mzfwKg));
    double highKg = std::max(fullKg, double(aircraft.mzfwKg));
    if (plan) {
        lowKg = std::min(lowKg, double(plan->zfwKg));
        highKg = std::max(highKg, double(plan->zfwKg));
    }
    const Axis weights = AxisOver(lowKg * factor, highKg * factor, 1000, 6);
    for (double w = weights.low; w <= weights.high + weights.step / 2; w += weights.step) {
        chart.weightTicks.push_back(
            {Along(weights, w), balance::GroupedNumber(static_cast<int64_t>(std::llround(w)))});
    }
    chart.weightAxis = unit == WeightUnit::Lb ? "lb" : "kg";
    chart.mzfw = Along(weights, aircraft.mzfwKg * factor);

    // The CGs: the limits, the empty aircraft, the plan and the target.
    const balance::CgRange limits = file.cgLimits.value_or(balance::kUsualCgRange);
    chart.usualLimits = !file.cgLimits;
    chart.limitsCaption = chart.usualLimits
                              ? "CG: usual " + std::to_string(std::lround(limits.forwardPercent)) +
                                    "-" + std::to_string(std::lround(limits.aftPercent)) + " %"
                              : "CG limits of the aircraft file";
    double lowCg = std::min(limits.forwardPercent, limits.aftPercent);
    double highCg = std::max(limits.forwardPercent, limits.aftPercent);
    std::optional<double> emptyCg;
    if (file.chord.chord && file.emptyArmFt) {
        emptyCg = balance::CgOf(*file.chord.chord, {{emptyKg, *file.emptyArmFt}}).percentMac;
    }
    std::optional<double> target =
        texts.aimAtCg ? (texts.exactTarget ? texts.exactTarget : ReadPercent(texts.targetCg))
                      : std::nullopt;
    if (target && std::fabs(*target) > kFarCg) {
        target.reset();
    }
    const std::optional<double> planCg = plan ? answer.cgPercentMac : std::nullopt;
    for (const std::optional<double>& cg : {emptyCg, planCg, target}) {
        if (cg) {
            lowCg = std::min(lowCg, *cg);
            highCg = std::max(highCg, *cg);
        }
    }
    lowCg = std::clamp(lowCg, -kFarCg, kFarCg);
    highCg = std::clamp(highCg, -kFarCg, kFarCg);
    const Axis cgs = AxisOver(lowCg - 2, highCg + 2, 5, 8);
    for (double cg = cgs.low; cg <= cgs.high + cgs.step / 2; cg += cgs.step) {
        chart.cgTicks.push_back({Along(cgs, cg), std::to_string(std::lround(cg))});
    }
    chart.forwardLimit = Along(cgs, limits.forwardPercent);
    chart.aftLimit = Along(cgs, limits.aftPercent);
    if (emptyCg) {
        chart.empty = ChartPoint{Along(cgs, *emptyCg), Along(weights, emptyKg * factor)};
    }
    if (plan) {
        chart.zfwWeight = Along(weights, plan->zfwKg * factor);
    }
    if (planCg) {
        chart.zfw = ChartPoint{Along(cgs, *planCg), *chart.zfwWeight};
    }
    if (target) {
        chart.target = Along(cgs, *target);
    }
    const std::string whyNoCg = WhyNoCgTarget(current, aircraft, file);
    if (!whyNoCg.empty()) {
        chart.noCg = "No CG: " + whyNoCg;
    }
    return chart;
}

}  // namespace payload
