// The centre of gravity in percent of the mean aerodynamic chord (% MAC),
// from the wing and the masses an aircraft.cfg describes. Positions are in
// feet along the aircraft's axis, positive forward, as the file holds them;
// masses in kilograms (only their ratios count).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace balance {

// The wing of [airplane_geometry]: each side a straight-tapered panel.
struct WingGeometry {
    double areaSqFt = 0;
    double spanFt = 0;
    double rootChordFt = 0;
    double sweepDeg = 0;  // of the leading edge
    double apexFt = 0;    // wing_pos_apex_lon: the root's leading edge
};

struct MeanChord {
    double lengthFt = 0;       // the MAC
    double leadingEdgeFt = 0;  // where its leading edge lies (LEMAC)
};

// The MAC of the wing, or why there is none (whyNot; a wing that is not a
// tapered panel: no area, span or chord, taper beyond reason, sweep at or
// beyond 80 degrees).
struct ChordResult {
    std::optional<MeanChord> chord;
    std::string whyNot;
};
ChordResult MeanChordOf(const WingGeometry& wing);

struct Mass {
    double kg = 0;
    double armFt = 0;
};

// A centre of gravity, or why there is none.
struct CgResult {
    std::optional<double> percentMac;
    std::string whyNot;
};

// Sum(kg * arm) / Sum(kg) as % MAC: 100 * (LEMAC - arm) / MAC. Nothing for
// a total of 0 or less, or a result beyond +-999 % MAC (positions that put
// it far off the wing), never a number that is not finite.
CgResult CgOf(const MeanChord& chord, const std::vector<Mass>& masses);

}  // namespace balance
