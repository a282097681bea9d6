// The Configuration dialog run modally, as the main menu runs it, over
// crafted preferences files; the checks read the real controls, and the file
// as the platform's own profile functions read it.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "options/configuration_dialog.h"
#include "options/option_store.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

std::string TrackbarShown(HWND dialog, int trackbar, int label) {
    return std::to_string(ui::GetTrackbarPos(GetDlgItem(dialog, trackbar))) + " " +
           testui::ItemText(dialog, label);
}

// What the user sees: the checked buttons in template order, "(grey)" when
// disabled, then each trackbar's position with its label.
std::string Shown(HWND dialog) {
    std::string shown;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED) {
            shown += testui::Text(child) + (IsWindowEnabled(child) ? ", " : " (grey), ");
        }
    }
    return shown + "volume " + TrackbarShown(dialog, IDC_CFG_VOLUME, IDC_CFG_VOLUME_LABEL) +
           ", IRS " + TrackbarShown(dialog, IDC_CFG_IRS_TIME, IDC_CFG_IRS_LABEL);
}

// Keys pressed on the focused trackbar.
void PressKey(HWND dialog, int trackbar, WPARAM key, int times = 1) {
    HWND control = GetDlgItem(dialog, trackbar);
    ui::MoveFocus(dialog, control);
    for (int i = 0; i < times; ++i) {
        SendMessageW(control, WM_KEYDOWN, key, 0);
        SendMessageW(control, WM_KEYUP, key, 0);
    }
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(std::filesystem::path(ui::Widen(path)), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(std::filesystem::path(ui::Widen(path)), std::ios::binary) << bytes;
}

// A [Common] key as the platform's own profile functions read it.
std::string Stored(const std::string& key, const std::string& path) {
    wchar_t value[64];
    GetPrivateProfileStringW(L"Common", ui::Widen(key).c_str(), L"-", value, 64,
                             ui::Widen(path).c_str());
    return ui::Narrow(value);
}

// Every option in file order; "-" for a missing key.
std::string StoredOptions() {
    std::string all;
    for (const options::CommonOption& option : options::kCommonOptions) {
        all += (all.empty() ? "" : " ") + Stored(option.key, App().prefsPath);
    }
    return all;
}

struct DialogRun {
    INT_PTR result = 0;
    std::vector<testui::MessageBoxInfo> boxes;
    HWND dialog = nullptr;
};

// Opens the dialog as the main menu does; user works it and closes it.
DialogRun Open(const std::function<void(HWND dialog)>& user) {
    DialogRun run;
    run.boxes = testui::AnswerMessageBoxes(
        [&] {
            run.result =
                DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CONFIGURATION),
                                nullptr, options::ConfigurationDlgProc, 0);
        },
        [&](HWND dialog) {
            run.dialog = dialog;
            user(dialog);
        });
    return run;
}

class ConfigurationDialogTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetApp();
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = ui::Narrow(temp) + "corvel-options-" + std::to_string(GetCurrentProcessId());
        std::filesystem::remove_all(ui::Widen(folder_));
        CreateDirectoryW(ui::Widen(folder_).c_str(), nullptr);
        App().prefsPath = folder_ + "\\Prefs.cfg";
    }
    void TearDown() override {
        SetFileAttributesW(ui::Widen(App().prefsPath).c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(ui::Widen(folder_));
    }

    std::string folder_;
};

struct OpeningRow {
    const char* name;
    const char* prefs;  // nullptr: no file
    const char* shown;
    const char* writtenOnOk;
};

void PrintTo(const OpeningRow& row, std::ostream* out) {
    *out << row.name;
}

class OpeningTest : public ConfigurationDialogTest,
                    public testing::WithParamInterface<OpeningRow> {};

TEST_P(OpeningTest, ShowsWhatTheFileHoldsAndWritesItBackOnOk) {
    if (GetParam().prefs) {
        WriteBytes(App().prefsPath, GetParam().prefs);
    }
    DialogRun run = Open([](HWND dialog) {
        EXPECT_EQ(Shown(dialog), GetParam().shown);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_CFG_PUSHBACK_PPU)));
        testui::Click(dialog, IDOK);
    });
    EXPECT_EQ(run.result, IDOK);
    EXPECT_TRUE(run.boxes.empty());
    EXPECT_EQ(StoredOptions(), GetParam().writtenOnOk);
}

// Defaults: metric, intermediate, Scroll Lock (so no modifier: the buttons
// are greyed, showing Control-Shift), standard pushback.
constexpr char kDefaultsShown[] =
    "Metric System (KG), Intermediate, Control-Shift (grey), Scroll Lock, Standard (grey), "
    "volume 100 Maximum, IRS 60 60s";

INSTANTIATE_TEST_SUITE_P(
    Files, OpeningTest,
    testing::Values(
        OpeningRow{"MissingFile", nullptr, kDefaultsShown, "0 0 1 100 60 0 1 0 0 0"},
        OpeningRow{"NoCommonSection", "[Keys]\r\nUnitSystem=1\r\n", kDefaultsShown,
                   "0 0 1 100 60 0 1 0 0 0"},
        OpeningRow{"OddValues",
                   "[Common]\r\nUnitSystem=5\r\nUserExperience=9\r\nPanelVolume=abc\r\n"
                   "IRSAlignmentTime=90s\r\nPushbackType=1\r\nFMGCSaveMode=7\r\nAutoPause=1\r\n"
                   "FsuipcUsage=5\r\n",
                   "Control-Shift (grey), Scroll Lock, Standard (grey), "
                   "Pause 20 NM before Top of Descent, Use FSUIPC for Squawk Box 3 support, "
                   "volume 100 Maximum, IRS 90 1m30s",
                   "5 0 9 100 90 0 1 1 5 7"},
        OpeningRow{"BeyondTheTrackbars", "[Common]\r\nPanelVolume=250\r\nIRSAlignmentTime=900\r\n",
                   "Metric System (KG), Intermediate, Control-Shift (grey), Scroll Lock, "
                   "Standard (grey), volume 100 Maximum, IRS 600 15m00s",
                   "0 0 1 250 900 0 1 0 0 0"},
        OpeningRow{"UnsetAndNegative", "[Common]\r\nPanelVolume=-9999\r\nIRSAlignmentTime=-30\r\n",
                   "Metric System (KG), Intermediate, Control-Shift (grey), Scroll Lock, "
                   "Standard (grey), volume 100 Maximum, IRS 0 -30s",
                   "0 0 1 100 -30 0 1 0 0 0"},
        OpeningRow{"LowestAndHighest",
                   "[Common]\r\nUnitSystem=1\r\nUserExperience=2\r\nPanelVolume=0\r\n"
                   "IRSAlignmentTime=61\r\n",
                   "Imperial System (Lbs), Expert, Control-Shift (grey), Scroll Lock, "
                   "Standard (grey), volume 0 No Sound, IRS 61 1m01s",
                   "1 0 2 0 61 0 1 0 0 0"},
        OpeningRow{"CapsLockKeepsControlCheckedButGreyed", "[Common]\r\nLocker=2\r\nModifier=2\r\n",
                   "Metric System (KG), Intermediate, Control (grey), Caps Lock, Standard (grey), "
                   "volume 100 Maximum, IRS 60 60s",
                   "0 0 1 100 60 0 2 0 0 0"},
        OpeningRow{"NoLockAndNoModifierMeansControlShift", "[Common]\r\nLocker=0\r\nModifier=0\r\n",
                   "Metric System (KG), Intermediate, Control-Shift, None, Standard (grey), "
                   "volume 100 Maximum, IRS 60 60s",
                   "0 0 1 100 60 3 0 0 0 0"},
        OpeningRow{"UnknownLockChangesNothing", "[Common]\r\nLocker=7\r\nModifier=4\r\n",
                   "Metric System (KG), Intermediate, Windows, Standard (grey), "
                   "volume 100 Maximum, IRS 60 60s",
                   "0 0 1 100 60 4 7 0 0 0"}),
    [](const testing::TestParamInfo<OpeningRow>& info) { return info.param.name; });

TEST_F(ConfigurationDialogTest, NewFileIsWhatThePlatformWritesKeyByKey) {
    ASSERT_EQ(Open([](HWND dialog) { testui::Click(dialog, IDOK); }).result, IDOK);
    const std::string expected = folder_ + "\\Expected.cfg";
    const char* defaults[] = {"0", "0", "1", "100", "60", "0", "1", "0", "0", "0"};
    for (size_t i = 0; i < std::size(defaults); ++i) {
        WritePrivateProfileStringW(L"Common", ui::Widen(options::kCommonOptions[i].key).c_str(),
                                   ui::Widen(defaults[i]).c_str(), ui::Widen(expected).c_str());
    }
    EXPECT_EQ(ReadBytes(App().prefsPath), ReadBytes(expected));
}

TEST_F(ConfigurationDialogTest, EveryControlAsAUserWouldUseIt) {
    WriteBytes(App().prefsPath, "[Common]\r\nPanelVolume=250\r\nFMGCSaveMode=7\r\n");
    DialogRun run = Open([](HWND dialog) {
        testui::Click(dialog, IDC_CFG_IMPERIAL);
        // The experience sets the IRS alignment time.
        for (auto [button, shown] :
             {std::pair{IDC_CFG_EXPERT, "600 10m00s"}, std::pair{IDC_CFG_BEGINNER, "10 10s"},
              std::pair{IDC_CFG_INTERMEDIATE, "60 60s"}}) {
            testui::Click(dialog, button);
            EXPECT_EQ(TrackbarShown(dialog, IDC_CFG_IRS_TIME, IDC_CFG_IRS_LABEL), shown);
        }
        // Moving either trackbar brings the volume read (250) to its position.
        PressKey(dialog, IDC_CFG_IRS_TIME, VK_LEFT);
        EXPECT_EQ(TrackbarShown(dialog, IDC_CFG_IRS_TIME, IDC_CFG_IRS_LABEL), "59 59s");
        EXPECT_EQ(App().options.panelVolume, 100);

        PressKey(dialog, IDC_CFG_VOLUME, VK_HOME);
        EXPECT_EQ(testui::ItemText(dialog, IDC_CFG_VOLUME_LABEL), "No Sound");
        for (auto [steps, name] :
             {std::pair{32, "Low"}, std::pair{1, "Medium"}, std::pair{33, "Medium"},
              std::pair{1, "High"}, std::pair{32, "High"}, std::pair{1, "Maximum"}}) {
            PressKey(dialog, IDC_CFG_VOLUME, VK_RIGHT, steps);
            EXPECT_EQ(testui::ItemText(dialog, IDC_CFG_VOLUME_LABEL), name);
        }
        PressKey(dialog, IDC_CFG_VOLUME, VK_LEFT, 20);

        // Back to no lock key, the modifier buttons show the modifier in use:
        // Control-Shift, since the lock key had cleared it.
        testui::Click(dialog, IDC_CFG_LOCK_NONE);
        testui::Click(dialog, IDC_CFG_MOD_CONTROL);
        testui::Click(dialog, IDC_CFG_LOCK_NUM);
        EXPECT_EQ(App().options.mcduKeyModifier, 0);
        testui::Click(dialog, IDC_CFG_LOCK_NONE);
        testui::Click(dialog, IDC_CFG_AUTO_PAUSE);
        testui::Click(dialog, IDC_CFG_FSUIPC);
        EXPECT_EQ(Shown(dialog),
                  "Imperial System (Lbs), Intermediate, Control-Shift, None, Standard (grey), "
                  "Pause 20 NM before Top of Descent, Use FSUIPC for Squawk Box 3 support, "
                  "volume 80 High, IRS 59 59s");
        testui::Click(dialog, IDC_CFG_FSUIPC);
        testui::Click(dialog, IDOK);
    });
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(StoredOptions(), "1 0 1 80 59 3 0 1 0 7");
}

TEST_F(ConfigurationDialogTest, ColdAndDarkWritesAtOnceAndCancelNothingElse) {
    WriteBytes(App().prefsPath, "[Common]\r\nPanelVolume=40\r\nLocker=0\r\nModifier=2\r\n");
    DialogRun run = Open([](HWND dialog) {
        testui::Click(dialog, IDC_CFG_EXPERT);
        PressKey(dialog, IDC_CFG_VOLUME, VK_END);
        testui::Click(dialog, IDC_CFG_LOCK_CAPS);
        testui::Click(dialog, IDC_CFG_COLD_AND_DARK);
        testui::Click(dialog, IDC_CFG_COLD_AND_DARK);
        testui::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.result, IDCANCEL);
    ASSERT_EQ(run.boxes.size(), 2u);
    for (const testui::MessageBoxInfo& box : run.boxes) {
        EXPECT_EQ(box.caption, "Status");
        EXPECT_EQ(box.text, msg::kColdAndDark);
        EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONINFORMATION));
        EXPECT_EQ(box.owner, run.dialog);
    }
    EXPECT_EQ(Stored("ColdAndDark", App().prefsPath), "1");
    EXPECT_EQ(StoredOptions(), "- - - 40 - 2 0 - - -");

    // The next opening shows the file again, not the cancelled choices.
    Open([](HWND dialog) {
        EXPECT_EQ(Shown(dialog),
                  "Metric System (KG), Intermediate, Control, None, Standard (grey), "
                  "volume 40 Medium, IRS 60 60s");
        testui::Click(dialog, IDCANCEL);
    });
}

struct FailureRow {
    const char* name;
    bool readOnlyFile;  // else the folder is missing
    files::Error error;
};

void PrintTo(const FailureRow& row, std::ostream* out) {
    *out << row.name;
}

class SaveFailureTest : public ConfigurationDialogTest,
                        public testing::WithParamInterface<FailureRow> {};

TEST_P(SaveFailureTest, IsReportedAndTheDialogStaysOpenWithTheChoices) {
    const std::string prefs = "[Common]\r\nUnitSystem=0\r\n";
    if (GetParam().readOnlyFile) {
        WriteBytes(App().prefsPath, prefs);
        SetFileAttributesW(ui::Widen(App().prefsPath).c_str(), FILE_ATTRIBUTE_READONLY);
    } else {
        App().prefsPath = folder_ + "\\Missing\\Prefs.cfg";
    }
    bool stayedOpen = false;
    DialogRun run = Open([&](HWND dialog) {
        testui::Click(dialog, IDC_CFG_IMPERIAL);
        testui::Click(dialog, IDOK);
        stayedOpen = IsWindowVisible(dialog) && ui::IsChecked(dialog, IDC_CFG_IMPERIAL);
        testui::Click(dialog, IDC_CFG_COLD_AND_DARK);
        testui::Click(dialog, IDCANCEL);
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(run.result, IDCANCEL);
    ASSERT_EQ(run.boxes.size(), 2u);
    const char* firstParagraphs[] = {msg::kConfigurationNotSaved, msg::kColdAndDarkNotSaved};
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(run.boxes[i].caption, "ERROR");
        EXPECT_EQ(run.boxes[i].icon, static_cast<UINT>(MB_ICONERROR));
        EXPECT_EQ(run.boxes[i].owner, run.dialog);
        // Access denied adds advice; a missing folder is named by the path alone.
        EXPECT_EQ(run.boxes[i].text, msg::SaveFailure(firstParagraphs[i], App().prefsPath,
                                                      files::Status::Fail(GetParam().error, "")));
    }
    if (GetParam().readOnlyFile) {
        EXPECT_EQ(ReadBytes(App().prefsPath), prefs);
    } else {
        EXPECT_FALSE(std::filesystem::exists(ui::Widen(folder_ + "\\Missing")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveFailureTest,
    testing::Values(FailureRow{"ReadOnlyFile", true, files::Error::AccessDenied},
                    FailureRow{"MissingFolder", false, files::Error::NotFound}),
    [](const testing::TestParamInfo<FailureRow>& info) { return info.param.name; });

}  // namespace
