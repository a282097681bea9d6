#include "keys/command_catalogue.h"

#include <string_view>

namespace keys {

// Scan codes of the default bindings.
namespace {
constexpr int32_t kA = 30, kB = 48, kD = 32, kF = 33, kI = 23, kM = 50, kN = 49, kO = 24, kP = 25,
                  kR = 19, kT = 20, kU = 22;
constexpr int32_t kPageDown = 209, kUp = 200, kDown = 208;
constexpr int32_t kPad1 = 79, kPad2 = 80, kPad3 = 81, kPad4 = 75, kPad5 = 76, kPad6 = 77,
                  kPad7 = 71, kPad8 = 72;
constexpr int32_t kF5 = 63, kF6 = 64, kF7 = 65, kF8 = 66, kF9 = 67, kF10 = 68, kF11 = 87, kF12 = 88;

constexpr int32_t kNone = kModifierNone;
constexpr int32_t kCtrl = kModifierCtrl;
constexpr int32_t kShiftCtrl = kModifierShiftCtrl;
}  // namespace

constexpr CommandCatalogue kDefaultCommands = {{
    {0, "T.O CONFIG", kShiftCtrl, kT},
    {1, "Panel Flood Light", kShiftCtrl, kF},
    {2, "Reset Flight", kShiftCtrl, kR},
    {3, "[MCDU] INIT Key", kCtrl, kI},
    {4, "[MCDU] DIR Key", kCtrl, kD},
    {5, "[MCDU] PERF Key", kCtrl, kP},
    {6, "[MCDU] PROG Key", kCtrl, kO},
    {7, "[MCDU] DATA Key", kCtrl, kA},
    {8, "[MCDU] FPLN Key", kCtrl, kN},
    {9, "[MCDU] RAD NAV Key", kCtrl, kR},
    {10, "[MCDU] FUEL PRED Key", kCtrl, kU},
    {11, "[MCDU] MENU Key", kCtrl, kM},
    {12, "[MCDU] NEXT PAGE Key", kCtrl, kPageDown},
    {13, "[MCDU] Up Arrow Key", kCtrl, kUp},
    {14, "[MCDU] Down Arrow Key", kCtrl, kDown},
    {45, "[BARO] Toggle Barometric Setting", kShiftCtrl, kB},
    {46, "[BARO] Set Barometric Unit to InHg", kNone, kNoKey},
    {47, "[BARO] Set Barometric Unit to hPa", kNone, kNoKey},
    {48, "[BARO] Set Barometric Standard Mode", kNone, kNoKey},
    {49, "[BARO] Set Barometric QNH Mode", kNone, kNoKey},
    {50, "[BARO] Increase Barometric Pressure", kNone, kNoKey},
    {51, "[BARO] Decrease Barometric Pressure", kNone, kNoKey},
    {25, "[FCU] Decrease Speed/Mach", kCtrl, kPad1},
    {24, "[FCU] Increase Speed/Mach", kCtrl, kPad2},
    {27, "[FCU] Decrease Speed/Mach Quickly", kNone, kNoKey},
    {26, "[FCU] Increase Speed/Mach Quickly", kNone, kNoKey},
    {29, "[FCU] Decrease Heading/Track", kCtrl, kPad4},
    {28, "[FCU] Increase Heading/Track", kCtrl, kPad5},
    {31, "[FCU] Decrease Heading/Track Quickly", kNone, kNoKey},
    {30, "[FCU] Increase Heading/Track Quickly", kNone, kNoKey},
    {33, "[FCU] Decrease Altitude", kCtrl, kPad7},
    {32, "[FCU] Increase Altitude", kCtrl, kPad8},
    {35, "[FCU] Decrease Altitude Quickly", kNone, kNoKey},
    {34, "[FCU] Increase Altitude Quickly", kNone, kNoKey},
    {37, "[FCU] Decrease V/S", kCtrl, kPad3},
    {36, "[FCU] Increase V/S", kCtrl, kPad6},
    {39, "[FCU] Decrease V/S Quickly", kNone, kNoKey},
    {38, "[FCU] Increase V/S Quickly", kNone, kNoKey},
    {40, "[FCU] Toggle AP1", kNone, kNoKey},
    {41, "[FCU] Toggle AP2", kNone, kNoKey},
    {42, "[FCU] Toggle EXPED", kNone, kNoKey},
    {43, "[FCU] Toggle LOC mode", kNone, kNoKey},
    {44, "[FCU] Toggle APPR mode", kNone, kNoKey},
    {52, "[FCU] Speed Selected (Pull speed knob)", kShiftCtrl, kF5},
    {53, "[FCU] Speed Managed (Push speed knob)", kShiftCtrl, kF6},
    {54, "[FCU] Heading Selected (Pull heading knob)", kShiftCtrl, kF7},
    {55, "[FCU] Heading Managed (Push heading knob)", kShiftCtrl, kF8},
    {56, "[FCU] Open Climb/Descent (Pull altitude knob)", kShiftCtrl, kF9},
    {57, "[FCU] Managed Climb/Descent (Push altitude knob)", kShiftCtrl, kF10},
    {58, "[FCU] V/S Mode (Pull V/S knob)", kShiftCtrl, kF11},
    {59, "[FCU] Level Off (Push V/S knob)", kShiftCtrl, kF12},
    {60, "[FCU] Speed/Mach display", kNone, kNoKey},
    {61, "[FCU] HDG-VS/TRK-FPA display", kNone, kNoKey},
    {62, "[FCU] Metric Alt display", kNone, kNoKey},
    {63, "[FCU] Altitude variation by 100 feet", kNone, kNoKey},
    {64, "[FCU] Altitude variation by 1000 feet", kNone, kNoKey},
    {65, "[EFIS] Show/Hide Airports on ND", kNone, kNoKey},
    {66, "[EFIS] Show/Hide NDB on ND", kNone, kNoKey},
    {67, "[EFIS] Show/Hide VOR/DME on ND", kNone, kNoKey},
    {68, "[EFIS] Show/Hide Waypoints on ND", kNone, kNoKey},
    {69, "[EFIS] Show/Hide Constraints on ND", kNone, kNoKey},
    {70, "[EFIS] Set NAV1 Switch to ADF mode", kNone, kNoKey},
    {71, "[EFIS] Set NAV1 Switch to OFF", kNone, kNoKey},
    // 72 and 75: the numbers the sequence leaves free for the VOR positions.
    {72, "[EFIS] Set NAV1 Switch to VOR mode", kNone, kNoKey},
    {73, "[EFIS] Set NAV2 Switch to ADF mode", kNone, kNoKey},
    {74, "[EFIS] Set NAV2 Switch to OFF", kNone, kNoKey},
    {75, "[EFIS] Set NAV2 Switch to VOR mode", kNone, kNoKey},
    {76, "[EFIS] Toggle ILS display", kNone, kNoKey},
    {77, "[ECAM] Engine Page (ENG)", kNone, kNoKey},
    {78, "[ECAM] Bleed Page (BLEED)", kNone, kNoKey},
    {79, "[ECAM] Pressure Page (PRESS)", kNone, kNoKey},
    {80, "[ECAM] AC Electricity Page (EL/AC)", kNone, kNoKey},
    {81, "[ECAM] DC Electricity Page (EL/DC)", kNone, kNoKey},
    {82, "[ECAM] Hydraulic Page (HYD)", kNone, kNoKey},
    {83, "[ECAM] Auxiliary Power Unit Page (APU)", kNone, kNoKey},
    {84, "[ECAM] Air Conditioning Page (COND)", kNone, kNoKey},
    {85, "[ECAM] Door Page (DOOR)", kNone, kNoKey},
    {86, "[ECAM] Wheel Page (WHEEL)", kNone, kNoKey},
    {87, "[ECAM] Flight Controls Page (F/CTL)", kNone, kNoKey},
    {88, "[ECAM] Fuel Page (FUEL)", kNone, kNoKey},
    {89, "[ECAM] System Page (STS)", kNone, kNoKey},
    {90, "[ECAM] Circuit Breaker Page (CB)", kNone, kNoKey},
    {91, "Aircraft Cold & Dark", kShiftCtrl, kD},
    {92, "Clear ECAM Alerts", kNone, kNoKey},
    {93, "Recall cleared ECAM Alerts", kNone, kNoKey},
    {94, "", kNone, kNoKey},
    {95, "", kNone, kNoKey},
    {96, "", kNone, kNoKey},
    {97, "", kNone, kNoKey},
    {98, "", kNone, kNoKey},
    {99, "", kNone, kNoKey},
}};

namespace {
// The list of commands shows the named rows in order; the spare rows must
// all come after them.
constexpr bool NamedRowsComeFirst() {
    for (size_t i = 0; i < kCommandCount; ++i) {
        bool named = !std::string_view(kDefaultCommands[i].name).empty();
        if (named != (i < kNamedCommandCount)) {
            return false;
        }
    }
    return true;
}
static_assert(NamedRowsComeFirst());
}  // namespace

}  // namespace keys
