// Weights: the exact kg/lb constants of stored and typed numbers, the
// single-precision factor the dialogs show pounds with, and the unit a
// dialog shows.
#pragma once

#include <cstdint>

enum class WeightUnit { Kg, Lb };

// The aircraft files' pounds and the converted fields use these two.
constexpr double kKgPerLb = 0.4536;
constexpr double kLbPerKg = 2.204585537918871;  // the double nearest 1 / 0.4536

// Shown pounds: single precision on purpose, so they differ in the last
// digit from the files' conversion.
constexpr float kShownLbPerKg = 2.2045855f;

// What a shown weight is: kilograms times this factor.
constexpr float DisplayFactor(WeightUnit unit) {
    return unit == WeightUnit::Lb ? kShownLbPerKg : 1.0f;
}

// One passenger with baggage.
constexpr int kPassengerKg = 75;
