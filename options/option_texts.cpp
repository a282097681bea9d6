#include "options/option_texts.h"

#include <cstdio>

namespace options {

std::string VolumeName(int32_t panelVolume) {
    if (panelVolume == 0) {
        return "No Sound";
    }
    if (panelVolume < 33) {
        return "Low";
    }
    if (panelVolume <= 66) {
        return "Medium";
    }
    if (panelVolume <= 99) {
        return "High";
    }
    return "Maximum";
}

std::string IrsTimeText(int32_t irsAlignmentSeconds) {
    char text[32];
    if (irsAlignmentSeconds > 60) {
        std::snprintf(text, sizeof text, "%dm%02ds", static_cast<int>(irsAlignmentSeconds / 60),
                      static_cast<int>(irsAlignmentSeconds % 60));
    } else {
        std::snprintf(text, sizeof text, "%ds", static_cast<int>(irsAlignmentSeconds));
    }
    return text;
}

}  // namespace options
