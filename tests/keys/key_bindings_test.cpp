#include "keys/key_bindings.h"

#include <gtest/gtest.h>

namespace keys {
namespace {

CKeyNames EnglishNames() {
    return CKeyNames([] { return uint16_t{0x0409}; });
}

TEST(BindingOfHotKeyTest, MapsShiftAndCtrlAndIgnoresTheExtendedFlag) {
    CKeyNames names = EnglishNames();
    const uint16_t flags[] = {0, kHotKeyShift, kHotKeyControl, kHotKeyShift | kHotKeyControl,
                              kHotKeyExtended | kHotKeyControl};
    const int32_t modifiers[] = {0, 1, 2, 3, 2};
    for (size_t i = 0; i < std::size(flags); ++i) {
        std::optional<Binding> binding = BindingOfHotKey(0x74, flags[i], names);
        ASSERT_TRUE(binding) << flags[i];
        EXPECT_EQ(binding->modifier, modifiers[i]) << flags[i];
        EXPECT_EQ(binding->key, 63);
    }
}

TEST(BindingOfHotKeyTest, AltIsRefusedWhateverElseIsHeld) {
    CKeyNames names = EnglishNames();
    for (uint16_t flags : {0x04, 0x05, 0x06, 0x07, 0x0C}) {
        EXPECT_FALSE(BindingOfHotKey('X', flags, names)) << flags;
    }
}

TEST(AssignmentTextTest, ModifierOutsideTheKnownOnesShowsAQuestionMark) {
    CKeyNames names = EnglishNames();
    EXPECT_EQ(AssignmentText({0, "x", 4, 30}, names), "? + A");
    EXPECT_EQ(AssignmentText({0, "x", -1, 999}, names), "? + ?");
    EXPECT_EQ(AssignmentText({0, "x", 1, 999}, names), "SHIFT + ?");
}

}  // namespace
}  // namespace keys
