// The Configuration dialog run as the main menu runs it, over crafted files:
// what the real controls show, the message boxes, the file as Windows reads it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "options/configuration_dialog.h"
#include "platform/win32/controls.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

// The run's file and the labels' memory, across openings as in the program.
std::string g_prefsPath;
options::ConfigurationMemory g_memory;

// A preferences file holding these [Common] lines; none for "".
void Prefs(const std::string& lines) {
    g_prefsPath = (std::filesystem::temp_directory_path() / "corvel-options.cfg").u8string();
    SetFileAttributesW(ui::Widen(g_prefsPath).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(ui::Widen(g_prefsPath).c_str());
    if (!lines.empty()) {
        testui::Put(g_prefsPath, "[Common]\r\n" + lines);
    }
}

// Every option, then the Cold & Dark marker, as Windows reads them ("-": none).
std::string Stored() {
    std::string all;
    wchar_t value[64];
    for (const wchar_t* key :
         {L"UnitSystem", L"PushbackType", L"UserExperience", L"PanelVolume", L"IRSAlignmentTime",
          L"Modifier", L"Locker", L"AutoPause", L"FsuipcUsage", L"FMGCSaveMode", L"ColdAndDark"}) {
        GetPrivateProfileStringW(L"Common", key, L"-", value, 64, ui::Widen(g_prefsPath).c_str());
        all += (all.empty() ? "" : " ") + ui::Narrow(value);
    }
    return all;
}

// What the user sees, in template order: checked buttons (grey if disabled), trackbars, labels.
std::string Shown(HWND dialog) {
    std::string shown = IsWindowVisible(dialog) ? "" : "(hidden) ";
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string text = testui::Text(child);
        const int id = GetDlgCtrlID(child);
        if (SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED) {
            shown += text.substr(0, text.find(' ')) + (IsWindowEnabled(child) ? " " : "(grey) ");
        } else if (id == IDC_CFG_VOLUME || id == IDC_CFG_IRS_TIME) {
            shown += "| " + std::to_string(ui::GetTrackbarPos(child));
        } else if (id == IDC_CFG_VOLUME_LABEL || id == IDC_CFG_IRS_LABEL) {
            shown += " " + text + " | ";
        }
    }
    return shown;
}

// Opens the dialog as the main menu does and clicks ids in turn (a trackbar: a left arrow key
// press), the last ending it. Returns what it showed before that last click and the message
// boxes it owned, each with the icon its caption calls for.
std::string Open(const std::vector<int>& ids) {
    HWND opened = nullptr;
    std::string seen;
    auto run = [&] {
        EXPECT_EQ(options::RunConfiguration(nullptr, g_prefsPath, g_memory), ids.back() == IDOK);
    };
    auto user = [&](HWND dialog) {
        for (int id : ids) {
            seen = Shown(opened = dialog);
            if (id == IDC_CFG_VOLUME || id == IDC_CFG_IRS_TIME) {
                ui::MoveFocus(dialog, GetDlgItem(dialog, id));
                SendMessageW(GetFocus(), WM_KEYDOWN, VK_LEFT, 0);
            } else {
                testui::Click(dialog, id);
            }
        }
    };
    for (const testui::MessageBoxInfo& box : testui::AnswerMessageBoxes(run, user)) {
        EXPECT_EQ(box.owner, opened);
        EXPECT_EQ(box.icon, UINT(box.caption == "ERROR" ? MB_ICONERROR : MB_ICONINFORMATION));
        seen += "\n" + box.caption + ": " + box.text;
    }
    return seen;
}

TEST(ConfigurationDialog, ShowsTheFileAndWritesTheChoicesOnOkOnly) {
    const std::string status = "\nStatus: " + testui::Message("cold_and_dark");
    // [Common] lines (none: no file), the clicks, what is seen, what is stored.
    // clang-format off
    const std::tuple<std::string, std::vector<int>, std::string, std::string> rows[] = {
        {"", {IDOK}, "Metric | 100 Maximum | Intermediate Control-Shift(grey) Scroll "
         "Standard(grey) | 60 60s | ", "0 0 1 100 60 0 1 0 0 0 -"},
        // Moving the IRS trackbar brings the volume read to its trackbar too. Back to no lock key,
        // the modifier buttons show the modifier in use: Control-Shift, the lock cleared Control.
        {"PanelVolume=250\r\nLocker=0\r\nModifier=2\r\n", {IDC_CFG_IMPERIAL, IDC_CFG_EXPERT,
         IDC_CFG_IRS_TIME, IDC_CFG_LOCK_NUM, IDC_CFG_LOCK_NONE, IDC_CFG_AUTO_PAUSE, IDC_CFG_FSUIPC,
         IDC_CFG_FSUIPC, IDC_CFG_COLD_AND_DARK, IDC_CFG_COLD_AND_DARK, IDOK},
         "Imperial | 100 Maximum | Expert Control-Shift None Standard(grey) | 599 9m59s | Pause " +
         status + status, "1 0 2 100 599 3 0 1 0 0 1"},
        // Cold & Dark is written at once; Cancel writes nothing else.
        {"PanelVolume=40\r\nLocker=0\r\nModifier=2\r\n", {IDC_CFG_BEGINNER, IDC_CFG_VOLUME,
         IDC_CFG_LOCK_CAPS, IDC_CFG_COLD_AND_DARK, IDCANCEL},
         "Metric | 39 Medium | Beginner Control(grey) Caps Standard(grey) | 10 10s | " + status,
         "- - - 40 - 2 0 - - - 1"}};
    // clang-format on
    for (const auto& [lines, ids, seen, stored] : rows) {
        Prefs(lines);
        EXPECT_EQ(Open(ids), seen);
        EXPECT_EQ(Stored(), stored);
    }
    Prefs("");
}

// A read-only file and (run through locked_folder.sh) a folder nobody may write in, not
// even root: each failed save reported with its advice, the dialog kept open with the
// choices, the file kept. In the locked folder the original cannot be kept, which refuses
// the save first.
TEST(ConfigurationDialog, FailedSavesAreReportedAndTheDialogStaysOpenWithTheChoices) {
    const char* locked = std::getenv("CORVEL_LOCKED_FOLDER");
    for (int place = 0; place < (locked ? 2 : 1); ++place) {
        Prefs("Other=1\r\n");
        SetFileAttributesW(ui::Widen(g_prefsPath).c_str(), FILE_ATTRIBUTE_READONLY);
        if (place == 1) {
            g_prefsPath = "Z:" + std::string(locked) + "/Prefs.cfg";
            std::replace(g_prefsPath.begin(), g_prefsPath.end(), '/', '\\');
        }
        const std::string before = testui::Bytes(g_prefsPath);
        const std::string advice =
            "\n\n" + testui::Message(place ? "original_not_kept_advice" : "access_denied_advice");
        EXPECT_EQ(Open({IDC_CFG_IMPERIAL, IDC_CFG_BEGINNER, IDC_CFG_INTERMEDIATE, IDC_CFG_VOLUME,
                        IDOK, IDC_CFG_COLD_AND_DARK, IDCANCEL}),
                  "Imperial | 99 High | Intermediate Control-Shift(grey) Scroll Standard(grey) | "
                  "60 60s | \nERROR: " +
                      testui::Message("configuration_not_saved") + g_prefsPath + advice +
                      "\nERROR: " + testui::Message("cold_and_dark_not_saved") + g_prefsPath +
                      advice);
        EXPECT_EQ(testui::Bytes(g_prefsPath), before);
    }
    Prefs("");
}

}  // namespace
