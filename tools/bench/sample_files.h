// The files the benchmarks read and write, the same natively and under Wine.
#pragma once

#include <cstdint>
#include <string>

#include "keys/command_catalogue.h"

namespace bench {

// An aircraft.cfg of about 60 KB: many liveries and comments, the weight
// and balance section in the middle.
std::string LargeAircraftCfg();
constexpr char kPayloadSection[] = "WEIGHT_AND_BALANCE";
constexpr char kPayloadKey[] = "station_load.3";
constexpr char kPayloadValue[] = "2000, 0.0, 0.0, 0.0, Cargo";

// A preferences file as the add-on leaves it: [Common], then every [Keys]
// entry of the catalogue.
std::string PrefsWithKeys(const keys::CommandCatalogue& catalogue);

// The default catalogue with every key code moved by keyShift, so that
// writing it over the defaults changes every key entry.
keys::CommandCatalogue ShiftedCatalogue(int32_t keyShift);

}  // namespace bench
