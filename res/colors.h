// The colours that tie related values together across the dialogs: a
// passenger count, its weight and the tank that matches it in the Fuel
// Planner share a hue; the zero-fuel weight and the fuel on board stand out.
#pragma once

#include <windows.h>

namespace colors {

constexpr COLORREF kPassengerCount = RGB(255, 255, 128);   // light yellow; outer tanks
constexpr COLORREF kPassengerWeight = RGB(255, 200, 130);  // light orange; inner tanks
constexpr COLORREF kCargoPercent = RGB(192, 255, 192);     // pale green; centre tank
constexpr COLORREF kCargoWeight = RGB(128, 255, 128);      // green
constexpr COLORREF kKeyFigure = RGB(0, 0, 150);            // dark blue: ZFW and FOB
constexpr COLORREF kKeyFigureText = RGB(255, 255, 255);
constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kBarBackground = RGB(255, 255, 255);
constexpr COLORREF kWarningText = RGB(192, 0, 0);  // a weight-and-balance line over a limit

}  // namespace colors
