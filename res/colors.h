// The colours that tie related values together across the dialogs: a
// passenger count, its weight and the tank that matches it in the Fuel
// Planner share a hue; the zero-fuel weight and the fuel on board stand out.
// Plain data, as COLORREF values (0x00BBGGRR), so that any floor may read it.
#pragma once

#include <cstdint>

namespace colors {

// The value Windows' RGB macro makes.
constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}

constexpr uint32_t kPassengerCount = Rgb(255, 255, 128);   // light yellow; outer tanks
constexpr uint32_t kPassengerWeight = Rgb(255, 200, 130);  // light orange; inner tanks
constexpr uint32_t kCargoPercent = Rgb(192, 255, 192);     // pale green; centre tank
constexpr uint32_t kCargoWeight = Rgb(128, 255, 128);      // green
constexpr uint32_t kKeyFigure = Rgb(0, 0, 150);            // dark blue: ZFW and FOB
constexpr uint32_t kKeyFigureText = Rgb(255, 255, 255);
constexpr uint32_t kText = Rgb(0, 0, 0);
constexpr uint32_t kBarBackground = Rgb(255, 255, 255);
constexpr uint32_t kWarningText = Rgb(192, 0, 0);  // a weight-and-balance line over a limit

}  // namespace colors
