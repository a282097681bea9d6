#include "balance/centre_of_gravity.h"

#include <cmath>

namespace balance {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Beyond this the tangent of the sweep, and any wing, stops making sense.
constexpr double kMaxSweepDeg = 80.0;
// The taper ratio (tip / root chord) of any real wing lies far inside this.
constexpr double kMaxTaper = 10.0;
constexpr double kMaxShownPercent = 999.0;

bool Positive(double value) {
    return std::isfinite(value) && value > 0;
}

}  // namespace

ChordResult MeanChordOf(const WingGeometry& wing) {
    if (!Positive(wing.areaSqFt) || !Positive(wing.spanFt) || !Positive(wing.rootChordFt)) {
        return {std::nullopt, "the wing's area, span and root chord must be above 0"};
    }
    if (!std::isfinite(wing.sweepDeg) || std::fabs(wing.sweepDeg) >= kMaxSweepDeg ||
        !std::isfinite(wing.apexFt)) {
        return {std::nullopt, "the wing's sweep or apex position is not usable"};
    }
    // Taper ratio from the trapezoid's area: S = b / 2 * c_r * (1 + taper).
    const double taper = 2.0 * wing.areaSqFt / (wing.spanFt * wing.rootChordFt) - 1.0;
    if (!(taper >= 0) || taper > kMaxTaper) {
        return {std::nullopt, "the wing's area does not fit its span and root chord"};
    }
    MeanChord chord;
    chord.lengthFt = 2.0 / 3.0 * wing.rootChordFt * (1.0 + taper + taper * taper) / (1.0 + taper);
    const double spanwiseFt = wing.spanFt / 6.0 * (1.0 + 2.0 * taper) / (1.0 + taper);
    chord.leadingEdgeFt = wing.apexFt - spanwiseFt * std::tan(wing.sweepDeg * kPi / 180.0);
    if (!Positive(chord.lengthFt) || !std::isfinite(chord.leadingEdgeFt)) {
        return {std::nullopt, "the wing's geometry gives no usable chord"};
    }
    return {chord, ""};
}

CgResult CgOf(const MeanChord& chord, const std::vector<Mass>& masses) {
    double totalKg = 0;
    double momentKgFt = 0;
    for (const Mass& mass : masses) {
        totalKg += mass.kg;
        momentKgFt += mass.kg * mass.armFt;
    }
    if (!Positive(totalKg) || !std::isfinite(momentKgFt)) {
        return {std::nullopt, "the total weight is 0"};
    }
    const double percent = 100.0 * (chord.leadingEdgeFt - momentKgFt / totalKg) / chord.lengthFt;
    if (!std::isfinite(percent) || std::fabs(percent) > kMaxShownPercent) {
        return {std::nullopt, "the positions put it far off the wing"};
    }
    return {percent, ""};
}

}  // namespace balance
