#include "options/option_rules.h"

#include <iterator>

namespace options {

namespace {

constexpr int32_t kIrsSecondsByExperience[] = {10, 60, 600};

constexpr int32_t kNoLock = 0;
constexpr int32_t kLastLock = 3;  // Num Lock
constexpr int32_t kNoModifier = 0;
constexpr int32_t kControlShift = 3;

}  // namespace

std::optional<int32_t> IrsAlignmentTimeFor(int32_t userExperience) {
    if (userExperience < 0 ||
        userExperience >= static_cast<int32_t>(std::size(kIrsSecondsByExperience))) {
        return std::nullopt;
    }
    return kIrsSecondsByExperience[userExperience];
}

std::optional<bool> ApplyKeyLocker(OptionValues& values) {
    if (values.mcduKeyLocker == kNoLock) {
        if (values.mcduKeyModifier == kNoModifier) {
            values.mcduKeyModifier = kControlShift;
        }
        return true;
    }
    if (values.mcduKeyLocker > kNoLock && values.mcduKeyLocker <= kLastLock) {
        values.mcduKeyModifier = kNoModifier;
        return false;
    }
    return std::nullopt;
}

int32_t ShownKeyModifier(int32_t mcduKeyModifier) {
    return mcduKeyModifier == kNoModifier ? kControlShift : mcduKeyModifier;
}

}  // namespace options
