// Truncation toward zero of a computed weight into the integer type that
// holds it. Out-of-range values (which only absurd file contents can
// produce) are held at the type's limits instead of overflowing.
#pragma once

#include <cstdint>
#include <limits>

namespace payload {

template <typename Int>
Int Trunc(double value) {
    constexpr double kMin = static_cast<double>(std::numeric_limits<Int>::min());
    // max + 1 is a power of two, exact in double.
    constexpr double kMaxPlusOne = static_cast<double>(std::numeric_limits<Int>::max()) + 1.0;
    if (!(value > kMin - 1.0)) {  // also NaN
        return value != value ? Int{0} : std::numeric_limits<Int>::min();
    }
    if (value >= kMaxPlusOne) {
        return std::numeric_limits<Int>::max();
    }
    return static_cast<Int>(value);
}

// Rounded: 0.5 added before truncating (values are never negative).
template <typename Int>
Int Round(double value) {
    return Trunc<Int>(value + 0.5);
}

}  // namespace payload
