#include "balance/status_line.h"

#include <cstdio>
#include <cmath>
#include <cstdint>

namespace balance {

namespace {

constexpr char kNoBreakSpace[] = "\u00a0";
constexpr char kSeparator[] = " \u00b7 ";

const char* UnitName(WeightUnit unit) {
    return unit == WeightUnit::Lb ? "lb" : "kg";
}

// One decimal; never "-0.0".
std::string OneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    std::string result = text;
    return result == "-0.0" ? "0.0" : result;
}

// "TOW 65 240 kg", and when above the limit " (1 240 kg above MTOW)".
void AppendWeight(StatusLine& line, const char* name, int64_t kg, int64_t limitKg,
                  const char* limitName, WeightUnit unit) {
    line.text += std::string(name) + " " + WeightText(kg, unit);
    if (kg > limitKg) {
        line.text += " (" + WeightText(kg - limitKg, unit) + " above " + limitName + ")";
        line.warning = true;
    }
}

// "ZFW CG 27.4 % MAC", with the limit it is beyond, or why there is none.
void AppendCg(StatusLine& line, const char* name, const CgResult& cg,
              const std::optional<CgRange>& cgLimits) {
    line.text += std::string(name) + " CG ";
    if (!cg.percentMac) {
        line.text += "not available (" + cg.whyNot + ")";
        return;
    }
    const double percent = *cg.percentMac;
    line.text += OneDecimal(percent) + " % MAC";
    if (!cgLimits) {
        if (percent < kUsualCgRange.forwardPercent || percent > kUsualCgRange.aftPercent) {
            line.text += " (unusual: outside " + OneDecimal(kUsualCgRange.forwardPercent) + " to " +
                         OneDecimal(kUsualCgRange.aftPercent) + " %)";
            line.warning = true;
        }
        return;
    }
    if (percent < cgLimits->forwardPercent) {
        line.text += " (" + OneDecimal(cgLimits->forwardPercent - percent) + " % forward of the " +
                     OneDecimal(cgLimits->forwardPercent) + " % limit)";
        line.warning = true;
    } else if (percent > cgLimits->aftPercent) {
        line.text += " (" + OneDecimal(percent - cgLimits->aftPercent) + " % aft of the " +
                     OneDecimal(cgLimits->aftPercent) + " % limit)";
        line.warning = true;
    }
}

}  // namespace

std::string GroupedNumber(int64_t value) {
    const std::string digits =
        std::to_string(value < 0 ? -static_cast<uint64_t>(value) : static_cast<uint64_t>(value));
    std::string text = value < 0 ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += kNoBreakSpace;
        }
        text += digits[i];
    }
    return text;
}

std::string WeightText(int64_t kg, WeightUnit unit) {
    // Any 64-bit count of kilograms times 2.2 stays far inside the double's
    // range; the rounded result is held within int64.
    const double shown = static_cast<double>(kg) * DisplayFactor(unit);
    constexpr double kLimit = 9.0e18;
    const double rounded = shown < 0 ? -std::floor(-shown + 0.5) : std::floor(shown + 0.5);
    const int64_t whole = rounded >= kLimit    ? INT64_C(9000000000000000000)
                          : rounded <= -kLimit ? -INT64_C(9000000000000000000)
                                               : static_cast<int64_t>(rounded);
    return GroupedNumber(whole) + " " + UnitName(unit);
}

StatusLine ZeroFuelStatus(const CgResult& cg, const std::optional<CgRange>& cgLimits, int64_t zfwKg,
                          const WeightLimits& limits, WeightUnit unit) {
    StatusLine line;
    AppendCg(line, "ZFW", cg, cgLimits);
    line.text += kSeparator;
    if (zfwKg > limits.mzfwKg) {
        line.text += WeightText(zfwKg - limits.mzfwKg, unit) + " above MZFW";
        line.warning = true;
    } else if (zfwKg == limits.mzfwKg) {
        line.text += "at MZFW";
    } else {
        line.text += WeightText(limits.mzfwKg - zfwKg, unit) + " below MZFW";
    }
    return line;
}

StatusLine LimitsStatus(const WeightLimits& limits, WeightUnit unit) {
    return {"MTOW " + WeightText(limits.mtowKg, unit) + kSeparator + "MLW " +
                WeightText(limits.mlwKg, unit) + kSeparator + "MZFW " +
                WeightText(limits.mzfwKg, unit),
            false};
}

StatusLine TakeOffStatus(int64_t towKg, int64_t lwKg, const CgResult& cg,
                         const std::optional<CgRange>& cgLimits, const WeightLimits& limits,
                         WeightUnit unit) {
    StatusLine line;
    AppendWeight(line, "TOW", towKg, limits.mtowKg, "MTOW", unit);
    line.text += kSeparator;
    AppendWeight(line, "LW", lwKg, limits.mlwKg, "MLW", unit);
    line.text += kSeparator;
    AppendCg(line, "TOW", cg, cgLimits);
    return line;
}

}  // namespace balance
