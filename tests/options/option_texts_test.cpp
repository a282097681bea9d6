#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "options/option_rules.h"
#include "options/option_texts.h"

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(OptionTexts, VolumeNamesChangeAtTheBandEdges) {
    const std::pair<int32_t, const char*> rows[] = {
        {0, "No Sound"},  {1, "Low"},   {32, "Low"},   {33, "Medium"},
        {66, "Medium"},   {67, "High"}, {99, "High"},  {100, "Maximum"},
        {250, "Maximum"}, {-1, "Low"},  {kMin, "Low"}, {kMax, "Maximum"}};
    for (auto [volume, name] : rows) {
        EXPECT_EQ(options::VolumeName(volume), name) << volume;
    }
}

TEST(OptionTexts, IrsTimeInSecondsUpToAMinuteThenMinutesAndSeconds) {
    const std::pair<int32_t, const char*> rows[] = {{0, "0s"},
                                                    {10, "10s"},
                                                    {60, "60s"},
                                                    {61, "1m01s"},
                                                    {90, "1m30s"},
                                                    {600, "10m00s"},
                                                    {-5, "-5s"},
                                                    {kMax, "35791394m07s"},
                                                    {kMin, "-2147483648s"}};
    for (auto [seconds, text] : rows) {
        EXPECT_EQ(options::IrsTimeText(seconds), text) << seconds;
    }
}

TEST(OptionRules, ExperienceSetsTheIrsAlignmentTime) {
    EXPECT_EQ(options::IrsAlignmentTimeFor(0), 10);
    EXPECT_EQ(options::IrsAlignmentTimeFor(1), 60);
    EXPECT_EQ(options::IrsAlignmentTimeFor(2), 600);
    EXPECT_EQ(options::IrsAlignmentTimeFor(3), std::nullopt);
    EXPECT_EQ(options::IrsAlignmentTimeFor(-1), std::nullopt);
}

TEST(OptionRules, LockKeyAndModifierNeverBothApply) {
    struct Row {
        int32_t locker, modifier;
        std::optional<bool> modifiersUsable;
        int32_t modifierAfter;
    };
    const Row rows[] = {{0, 0, true, 3},         {0, 2, true, 2},         {0, 9, true, 9},
                        {1, 3, false, 0},        {2, 2, false, 0},        {3, 4, false, 0},
                        {7, 2, std::nullopt, 2}, {-1, 0, std::nullopt, 0}};
    for (const Row& row : rows) {
        OptionValues values;
        values.mcduKeyLocker = row.locker;
        values.mcduKeyModifier = row.modifier;
        EXPECT_EQ(options::ApplyKeyLocker(values), row.modifiersUsable) << row.locker;
        EXPECT_EQ(values.mcduKeyModifier, row.modifierAfter) << row.locker << "/" << row.modifier;
    }
    EXPECT_EQ(options::ShownKeyModifier(0), 3);
    EXPECT_EQ(options::ShownKeyModifier(2), 2);
}

}  // namespace
