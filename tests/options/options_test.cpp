// The options' arithmetic and file; the dialog's controls are tested under Wine.
#include <gtest/gtest.h>

#include <optional>

#include "options/option_rules.h"
#include "options/option_store.h"
#include "options/option_texts.h"
#include "platform/files.h"
#include "tests/support/data_rows.h"

namespace {

std::vector<int32_t> All(const OptionValues& v) {
    return {v.unitSystem,      v.pushbackType,  v.userExperience, v.panelVolume, v.irsAlignmentTime,
            v.mcduKeyModifier, v.mcduKeyLocker, v.autoPause,      v.fsuipcUsage, v.fmgcSaveMode};
}

// Defaults for a missing file; a file's values (pushback never read; values read through 48
// characters); a new file's keys in order; Cold & Dark added, the rest kept; a missing folder.
TEST(OptionStore, ReadWriteAndColdAndDark) {
    const test_data::TempFolder folder;
    const std::string dir = folder + "/Corvel", path = dir + "/Prefs.cfg";
    OptionValues values{7, 7, 7, 7, 7, 7, 7, 7, 7, 7};
    options::ReadCommonOptions(values, path);
    EXPECT_EQ(All(values), (std::vector<int32_t>{0, 0, 1, 100, 60, 0, 1, 0, 0, 0}));
    EXPECT_EQ(options::RequestColdAndDark(path).error, files::Error::NotFound);

    std::filesystem::create_directory(dir);
    ASSERT_TRUE(options::WriteCommonOptions({1, 0, 2, 250, 600, 3, 0, 1, 0, -7}, path).ok());
    const std::string written =
        test_data::FileBytes(CORVEL_SOURCE_DIR "/tests/data/options/prefs_written.cfg");
    EXPECT_EQ(test_data::FileBytes(path), written);
    ASSERT_TRUE(options::RequestColdAndDark(path).ok());
    EXPECT_EQ(test_data::FileBytes(path), written + "ColdAndDark=1\r\n");

    std::ofstream(path, std::ios::binary)
        << "[Common]\nPushbackType=1\nPanelVolume=" << std::string(48, '0') << "5\nLocker=-9999\n"
        << "UserExperience= 2 \nFMGCSaveMode=x\nunitsystem=1\n";
    options::ReadCommonOptions(values, path);
    EXPECT_EQ(All(values), (std::vector<int32_t>{1, 0, 2, 0, 60, 0, 1, 0, 0, 0}));
}

TEST(OptionRules, TextsLabelsLockAndIrsTime) {
    for (const test_data::Row& row : test_data::Rows("option_rules.tsv")) {
        if (row[0] == "text") {
            EXPECT_EQ(options::OptionFromText(row[1], 100), std::stol(row.back())) << row[1];
        } else if (row[0] == "label") {
            const auto value = static_cast<int32_t>(std::stol(row[1]));
            EXPECT_EQ(test_data::Row({"label", row[1], options::VolumeName(value),
                                      options::IrsTimeText(value)}),
                      row);
        } else if (row[0] == "irs") {
            const std::optional<int32_t> seconds = options::IrsAlignmentTimeFor(std::stoi(row[1]));
            EXPECT_EQ(seconds ? std::to_string(*seconds) : "-", row[2]) << row[1];
        } else {
            const int32_t modifier = std::stoi(row[2]);
            OptionValues values{0, 0, 0, 0, 0, modifier, std::stoi(row[1])};
            const std::optional<bool> usable = options::ApplyKeyLocker(values);
            EXPECT_EQ((test_data::Row{row[0], row[1], row[2], usable ? (*usable ? "1" : "0") : "-",
                                      std::to_string(values.mcduKeyModifier),
                                      std::to_string(options::ShownKeyModifier(modifier))}),
                      row);
        }
    }
}

}  // namespace
