// The fuel plan of one flight: trip fuel over the climb, cruise and descent
// tables, fuel on board, and its split between the tanks.
//
// Units: weights and fuel in kg, distances in NM, altitudes in ft, speeds in
// kt, times in minutes, fuel flows in kg/h per engine. The arithmetic is
// exact to the float: values kept in single precision are rounded to float
// where they are stored, everything else is formed in double, and whole
// numbers come from truncation toward zero.
//
// No input gives undefined behaviour: where a value would leave the 32-bit
// range (or cannot be formed at all), TripFuel and ComputeFuelPlan return
// nothing. Every aircraft argument must be A318 to ACJ.
#pragma once

#include <cstdint>
#include <optional>

#include "core/aircraft.h"

namespace fuel {

enum class Tank { Inner = 0, Outer = 1, Center = 2 };

struct FuelPlan {
    int32_t tripKg = 0;
    int32_t routeReserveKg = 0;
    int32_t fobKg = 0;
    int32_t innerKg = 0;   // in each inner tank
    int32_t outerKg = 0;   // in each outer tank; 0 without outer tanks
    int32_t centerKg = 0;  // in the centre tank
    float innerFill = 0.0f;
    float outerFill = 0.0f;  // stays 0 without outer tanks
    float centerFill = 0.0f;
    bool hasOuterTanks = false;
    int32_t excessKg = 0;  // fuel left once every tank is full; > 0: cannot carry it
};

// Capacity of one tank of the kind, kg (0 for the outer tank of the A321).
int32_t TankCapacity(AircraftType aircraft, Tank tank);

// Both wings and the centre tank together, kg.
int32_t TotalCapacityKg(AircraftType aircraft);

int32_t EmptyWeightKg(AircraftType aircraft);

// Speed figures, at most 340 (the trip uses speed / 300 as a factor).
// Saturate at INT32_MIN for a cost index too negative to be meaningful.
int32_t ClimbSpeed(int32_t altitudeFt, int32_t costIndex);
int32_t DescentSpeed(int32_t altitudeFt, int32_t costIndex);

// Cumulative from the ground to the altitude, continued straight above
// 33000 ft.
double ClimbDistance(AircraftType aircraft, int32_t altitudeFt, int32_t weightKg);
double ClimbFuel(AircraftType aircraft, int32_t altitudeFt, int32_t weightKg);

// From the altitude down to the ground: 15 NM and 250 kg for the approach
// included, nothing more below 2000 ft, continued straight above 33000 ft.
double DescentDistance(AircraftType aircraft, int32_t altitudeFt, int32_t weightKg);
double DescentFuel(AircraftType aircraft, int32_t altitudeFt, int32_t weightKg);

// True airspeed; 394 kt above 39000 ft and at or below 19000 ft.
double CruiseSpeed(int32_t altitudeFt);
// Minutes; a negative distance gives a negative time.
double CruiseTime(int32_t altitudeFt, float distanceNm);
// Per engine, kg/h, with the 10 % margin. Outside the table's altitudes the
// nearest row (39000 ft or 19000 ft) is used; outside its weights the
// nearest column's entry, without interpolation.
double CruiseFuelFlow(int32_t altitudeFt, int32_t weightKg);

// Trip fuel from brake release at startWeightKg to touchdown. Not clamped:
// on a trip shorter than climb and descent the cruise term is negative.
std::optional<int32_t> TripFuel(AircraftType aircraft, int32_t distanceNm, int32_t altitudeFt,
                                int32_t costIndex, int32_t startWeightKg);

// The whole plan. Distance, altitude, cost index and zero-fuel weight are
// meant to be above 0; taxi, reserve (percent of the trip) and final may be 0.
std::optional<FuelPlan> ComputeFuelPlan(AircraftType aircraft, int32_t distanceNm,
                                        int32_t altitudeFt, int32_t costIndex, int32_t zfwKg,
                                        int32_t taxiKg, int32_t reservePercent, int32_t finalKg);

// The plan's tank split and capacity test for a given fuel on board.
FuelPlan SplitFuel(AircraftType aircraft, int32_t fobKg);

// trunc(value) when it fits in 32 bits; nothing for NaN or out of range.
std::optional<int32_t> TruncToInt32(double value);

}  // namespace fuel
