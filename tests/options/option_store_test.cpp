#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include "options/option_store.h"
#include "platform/profile.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(OptionStore, StoredTextGivesItsLeadingNumberOrTheDefault) {
    const std::pair<std::string, int32_t> rows[] = {{"<UNDEFINED>", 100},
                                                    {"250", 250},
                                                    {"12abc", 12},
                                                    {"90s", 90},
                                                    {"abc", 100},
                                                    {"", 100},
                                                    {"-9999", 100},
                                                    {"-09999", 100},
                                                    {" \t-5", -5},
                                                    {"+7", 7},
                                                    {"-", 100},
                                                    {"- 5", 100},
                                                    {"0x10", 0},
                                                    {"2147483647", kMax},
                                                    {"-2147483648", kMin},
                                                    {std::string(48, '9'), kMax},
                                                    {"-" + std::string(47, '9'), kMin}};
    for (const auto& [stored, value] : rows) {
        EXPECT_EQ(options::OptionFromText(stored, 100), value) << stored;
    }
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(OptionStore, WritesAsOneKeyAtATimeWouldAndReadsTheSameValuesBack) {
    fs::path root = fs::temp_directory_path() / "corvel-options-store-test";
    fs::remove_all(root);
    fs::create_directories(root);
    const std::string batch = (root / "Batch.cfg").string();
    const std::string oneByOne = (root / "OneByOne.cfg").string();
    // A long, odd value is cut to what the read buffer holds.
    const std::string start =
        "; kept\n[Keys]\nCommand.00-Key=30\n\n[common]\r\nPanelVolume = 20\r\nColdAndDark=1\r\n"
        "FMGCSaveMode=" +
        std::string(60, '7') + "\r\n";
    std::ofstream(batch, std::ios::binary) << start;
    std::ofstream(oneByOne, std::ios::binary) << start;

    OptionValues values;
    options::ReadCommonOptions(values, batch);
    EXPECT_EQ(values.panelVolume, 20);
    EXPECT_EQ(values.fmgcSaveMode, kMax);
    values = {1, 0, 2, 250, 600, 3, 0, 1, 0, -7};
    ASSERT_TRUE(options::WriteCommonOptions(values, batch).ok());
    for (const options::CommonOption& option : options::kCommonOptions) {
        ASSERT_TRUE(profile::WriteString("Common", option.key, std::to_string(values.*option.field),
                                         oneByOne)
                        .ok());
    }
    EXPECT_EQ(ReadAll(batch), ReadAll(oneByOne));

    OptionValues read;
    options::ReadCommonOptions(read, batch);
    for (const options::CommonOption& option : options::kCommonOptions) {
        EXPECT_EQ(read.*option.field, values.*option.field) << option.key;
    }

    // Cold & Dark only sets its marker, however often it is asked for.
    const std::string before = ReadAll(batch);
    ASSERT_TRUE(options::RequestColdAndDark(batch).ok());
    ASSERT_TRUE(options::RequestColdAndDark(batch).ok());
    EXPECT_EQ(ReadAll(batch), before);
    fs::remove_all(root);
}

}  // namespace
