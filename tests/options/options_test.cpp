// The options' arithmetic and file; the dialog's controls are tested under Wine.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>

#include "options/option_rules.h"
#include "options/option_store.h"
#include "options/option_texts.h"
#include "platform/files.h"

namespace {

TEST(OptionStore, StoredTextGivesItsLeadingNumberOrTheDefault) {
    // clang-format off
    const std::pair<std::string, int32_t> rows[] = {
        {"<UNDEFINED>", 100}, {"250", 250}, {"12abc", 12}, {"90s", 90}, {"abc", 100}, {"", 100},
        {"-9999", 100}, {"-09999", 100}, {" \t-5", -5}, {"+7", 7}, {"-", 100}, {"- 5", 100},
        {"0x10", 0}, {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN},
        {std::string(48, '9'), INT32_MAX}, {"-" + std::string(47, '9'), INT32_MIN}};
    // clang-format on
    for (const auto& [stored, value] : rows) {
        EXPECT_EQ(options::OptionFromText(stored, 100), value) << stored;
    }
}

TEST(OptionStore, CreatesEveryKeyInOrder) {
    const auto path = (std::filesystem::temp_directory_path() / "corvel-options.cfg").string();
    std::filesystem::remove(path);
    ASSERT_TRUE(options::WriteCommonOptions({1, 0, 2, 250, 600, 3, 0, 1, 0, -7}, path).ok());
    std::string bytes;
    ASSERT_TRUE(files::ReadFile(path, bytes).ok());
    EXPECT_EQ(
        bytes,
        "[Common]\r\nUnitSystem=1\r\nPushbackType=0\r\nUserExperience=2\r\nPanelVolume=250\r\n"
        "IRSAlignmentTime=600\r\nModifier=3\r\nLocker=0\r\nAutoPause=1\r\nFsuipcUsage=0\r\n"
        "FMGCSaveMode=-7\r\n");
    std::filesystem::remove(path);
}

TEST(OptionTexts, LabelsAtTheBandEdgesAndBeyond) {
    // clang-format off
    const std::tuple<int32_t, const char*, const char*> rows[] = {  // value, volume, IRS time
        {0, "No Sound", "0s"}, {1, "Low", "1s"}, {32, "Low", "32s"}, {33, "Medium", "33s"},
        {60, "Medium", "60s"}, {61, "Medium", "1m01s"}, {66, "Medium", "1m06s"},
        {67, "High", "1m07s"}, {99, "High", "1m39s"}, {100, "Maximum", "1m40s"},
        {600, "Maximum", "10m00s"}, {-5, "Low", "-5s"}, {INT32_MIN, "Low", "-2147483648s"},
        {INT32_MAX, "Maximum", "35791394m07s"}};
    // clang-format on
    for (auto [value, volume, irsTime] : rows) {
        EXPECT_EQ(options::VolumeName(value), volume) << value;
        EXPECT_EQ(options::IrsTimeText(value), irsTime) << value;
    }
}

TEST(OptionRules, LockKeyAndModifierNeverBothApply) {
    // Lock key, modifier; whether the modifier buttons can be used, the modifier after.
    const std::tuple<int32_t, int32_t, std::optional<bool>, int32_t> rows[] = {
        {0, 0, true, 3},  {0, 2, true, 2},  {0, 9, true, 9},         {1, 3, false, 0},
        {2, 2, false, 0}, {3, 4, false, 0}, {7, 2, std::nullopt, 2}, {-1, 0, std::nullopt, 0}};
    for (auto [locker, modifier, modifiersUsable, modifierAfter] : rows) {
        OptionValues values{0, 0, 0, 0, 0, modifier, locker};
        EXPECT_EQ(options::ApplyKeyLocker(values), modifiersUsable) << locker << "/" << modifier;
        EXPECT_EQ(values.mcduKeyModifier, modifierAfter) << locker << "/" << modifier;
    }
}

}  // namespace
