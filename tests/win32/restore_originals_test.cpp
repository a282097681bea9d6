// "Restore original files..." in the main menu's window menu, through the
// real dialog: the originals listed, the question, the bytes brought back
// for one file and for several, a file it cannot replace reported and left.
// (That a save keeps the original: hostile_dialogs_test.cpp; which files
// are listed and how they are restored: the native tests.)
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/main_menu_dialog.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

namespace fs = std::filesystem;
using testui::Message;

struct Shown {
    std::string rows;  // the files' labels as the list shows them, each ending in '|'
    std::string prompt;
    bool restoreEnabled = false;
    std::string boxes;  // "caption: text|" each
};

// Opens the dialog from the window menu, ticks the rows whose label is given, presses
// Restore (answering Yes to the question) and closes it.
Shown Restore(HWND menu, const std::vector<std::string>& tick) {
    Shown shown;
    testui::RunWithModalHandler(
        [&] { SendMessageW(menu, WM_SYSCOMMAND, IDM_RESTORE_ORIGINALS, 0); },
        [&](HWND window) {
            if (const testui::MessageBoxInfo box = testui::ReadMessageBox(window); box.icon) {
                shown.boxes += box.caption + ": " + box.text + "|";
                PostMessageW(window, WM_COMMAND, box.icon == MB_ICONQUESTION ? IDYES : IDOK, 0);
                return;
            }
            HWND list = GetDlgItem(window, IDC_RO_FILES);
            shown.prompt = testui::ItemText(window, IDC_RO_PROMPT);
            shown.restoreEnabled = IsWindowEnabled(GetDlgItem(window, IDC_RO_RESTORE));
            for (int row = 0; row < SendMessageW(list, LVM_GETITEMCOUNT, 0, 0); ++row) {
                wchar_t cell[100] = {};
                LVITEMW item{};
                item.pszText = cell;
                item.cchTextMax = 100;
                SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
                const std::string label = ui::Narrow(cell);
                shown.rows += label + "|";
                if (std::find(tick.begin(), tick.end(), label) != tick.end()) {
                    ListView_SetCheckState(list, row, TRUE);
                }
            }
            if (!tick.empty()) {
                testui::Click(window, IDC_RO_RESTORE);
            }
            testui::Click(window, IDCANCEL);
        });
    return shown;
}

TEST(RestoreOriginals, TheTickedFilesComeBackAndAFailureIsReported) {
    const std::string root = testui::TempPath("corvel-restore");
    const std::string planes = root + "\\SimObjects\\Airplanes\\Norvane Zelvia ";
    const std::string a320 = planes + "A320\\Aircraft.cfg", iae = planes + "A320IAE\\Aircraft.cfg",
                      prefs = root + "\\Norvane\\Corvel\\Prefs.cfg";
    fs::remove_all(ui::Widen(root));
    CMainMenuDlg menu{[&] { return SimulatorPaths{root, prefs, ""}; }};
    const HWND window = menu.Create();
    const Shown none = Restore(window, {});  // nothing changed yet: nothing offered
    EXPECT_EQ(none.rows + none.prompt, Message("no_originals"));
    EXPECT_FALSE(none.restoreEnabled);

    for (const std::string& file : {a320, iae, prefs}) {
        testui::Put(file, "changed");
        testui::Put(file + ".original", "original of " + file);
    }
    const std::string restored = "WARNING: " + Message("restored");
    Shown shown = Restore(window, {"A320 IAE"});
    EXPECT_EQ(shown.prompt, Message("restore_prompt"));
    EXPECT_EQ(shown.rows, "A320|A320 IAE|Preferences (Prefs.cfg)|");
    EXPECT_EQ(shown.boxes, "Restore Original Files: " + Message("restore_confirmation") +
                               "A320 IAE" + Message("restore_question") + "|" + restored +
                               "A320 IAE|");
    EXPECT_EQ(testui::Bytes(iae) + "|" + testui::Bytes(a320), "original of " + iae + "|changed");

    // A file that cannot be replaced is reported and left; the others are restored.
    testui::Put(iae, "changed");
    SetFileAttributesW(ui::Widen(prefs).c_str(), FILE_ATTRIBUTE_READONLY);
    shown = Restore(window, {"A320", "A320 IAE", "Preferences (Prefs.cfg)"});
    SetFileAttributesW(ui::Widen(prefs).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(shown.boxes.substr(shown.boxes.find('|') + 1),
              "ERROR: " + Message("not_restored") + prefs + "\n\n" +
                  Message("access_denied_advice") + "|" + restored + "A320\nA320 IAE|");
    EXPECT_EQ(testui::Bytes(a320) + "|" + testui::Bytes(iae) + "|" + testui::Bytes(prefs),
              "original of " + a320 + "|original of " + iae + "|changed");
    for (const std::string& file : {a320, iae, prefs}) {
        EXPECT_TRUE(fs::exists(ui::Widen(file + ".original"))) << file;  // the originals stay
    }
    DestroyWindow(window);
    fs::remove_all(ui::Widen(root));
}

}  // namespace
