// The aircraft the user can choose. One value covers both engine variants
// of the A319, A320 and A321; values 1 to 5 order every per-aircraft table.
#pragma once

#include <cstdint>

enum class AircraftType : int32_t {
    None = 0,
    A318 = 1,
    A319 = 2,
    A320 = 3,
    A321 = 4,
    ACJ = 5,
};

constexpr int kAircraftCount = 5;

// True for A318 to ACJ.
constexpr bool IsAircraft(AircraftType type) {
    return static_cast<int32_t>(type) >= 1 && static_cast<int32_t>(type) <= kAircraftCount;
}

// 0 for A318 to 4 for ACJ; only for IsAircraft(type).
constexpr int AircraftIndex(AircraftType type) {
    return static_cast<int32_t>(type) - 1;
}
