// The five aircraft types and everything the program knows per type: one
// row each, read by the selector, the load manager, the aircraft files, the
// payload model and the fuel planner. Adding a type means adding a row (and
// its pictures, its load manager template and its selector button).
#pragma once

#include <cstdint>

#include "res/resource.h"

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

struct AircraftSpec {
    AircraftType type;
    // Its name in lists and messages ("A320"); a variant's adds " IAE" or " CFM".
    const char* name;
    // The load manager: its template and title.
    int loadManagerTemplate;
    const char* loadManagerTitle;
    // The selector's button and its picture.
    int selectorButton;
    int selectorPicture;
    // The load manager's top and side views (named in the template too).
    int topView;
    int sideView;
    // Folders below SimObjects\Airplanes: the base variant (or the only
    // one) and the IAE-engine variant, nullptr when the type has none.
    const char* baseFolder;
    const char* iaeFolder;
    // Seats: Business and Economy (Crew and Guests on the ACJ).
    int firstClassSeats;
    int secondClassSeats;
    // The empty weight in pounds when the aircraft file gives none; the
    // fuel planner's empty weight too.
    int defaultEmptyWeightLb;
    // Hold loads at 100 %, kg.
    uint32_t forwardHoldKg;
    uint32_t aftHoldKg;
    // Tank capacities, kg: each wing's inner and outer tank (0: no outer
    // tanks), and the one centre tank.
    int32_t innerTankKg;
    int32_t outerTankKg;
    int32_t centerTankKg;
    // Certified weights, kg: maximum take-off, landing and zero-fuel. An
    // aircraft.cfg's max_gross_weight replaces the take-off weight.
    int32_t mtowKg;
    int32_t mlwKg;
    int32_t mzfwKg;
};

// A318 first, in AircraftType order; both engine variants share a row.
// The limits are the highest weight variant each type is commonly flown at,
// from the manufacturer's "Aircraft Characteristics - Airport and
// Maintenance Planning" document of the type (its weight variant table).
// The corporate jet's MTOW is its own published maximum; its MLW and MZFW
// are the A319's, the airframe it is built on.
// One row per type, the columns in the order of AircraftSpec's members:
// type, name; load manager template and title; selector button and picture;
// top and side views; base and IAE folders; seats (first, second class);
// default empty weight (lb); holds at 100 % (forward, aft kg); tanks (inner,
// outer, centre kg); MTOW, MLW, MZFW (kg).
// clang-format off
constexpr AircraftSpec kAircraft[kAircraftCount] = {
    {AircraftType::A318, "A318", IDD_A318_LOAD_MANAGER, "A318 Load Manager", IDC_SEL_A318, IDB_SELECT_A318, IDB_A318_TOP, IDB_A318_SIDE, "Norvane Zelvia A318",   nullptr,                  8,  99,  86650,  1614, 2131, 4960, 590, 6375,  68000, 57500, 54500},
    {AircraftType::A319, "A319", IDD_A319_LOAD_MANAGER, "A319 Load Manager", IDC_SEL_A319, IDB_SELECT_A319, IDB_A319_TOP, IDB_A319_SIDE, "Norvane Zelvia A319",   "Norvane Zelvia A319IAE", 8,  116, 89500,  2260, 3020, 5435, 691, 6476,  75500, 62500, 58500},
    {AircraftType::A320, "A320", IDD_A320_LOAD_MANAGER, "A320 Load Manager", IDC_SEL_A320, IDB_SELECT_A320, IDB_A320_TOP, IDB_A320_SIDE, "Norvane Zelvia A320",   "Norvane Zelvia A320IAE", 12, 138, 93500,  3402, 4536, 5435, 691, 6476,  78000, 66000, 62500},
    {AircraftType::A321, "A321", IDD_A321_LOAD_MANAGER, "A321 Load Manager", IDC_SEL_A321, IDB_SELECT_A321, IDB_A321_TOP, IDB_A321_SIDE, "Norvane Zelvia A321",   "Norvane Zelvia A321IAE", 16, 169, 106300, 5670, 5670, 6084, 0,   6437,  93500, 77800, 73800},
    {AircraftType::ACJ,  "ACJ",  IDD_ACJ_LOAD_MANAGER,  "ACJ Load Manager",  IDC_SEL_ACJ,  IDB_SELECT_ACJ,  IDB_ACJ_TOP,  IDB_ACJ_SIDE,  "Norvane Zelvia A319CJ", nullptr,                  6,  36,  89500,  2260, 3020, 5435, 691, 11718, 76500, 62500, 58500},
};
// clang-format on

// The row of an aircraft; only for IsAircraft(type).
constexpr const AircraftSpec& Aircraft(AircraftType type) {
    return kAircraft[AircraftIndex(type)];
}

// Every row sits at its type's index.
constexpr bool RowsInTypeOrder() {
    for (int i = 0; i < kAircraftCount; ++i) {
        if (AircraftIndex(kAircraft[i].type) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInTypeOrder(), "kAircraft rows follow AircraftType");
