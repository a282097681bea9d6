// The originals through the real dialogs: the first save of a tool keeps
// the file as it was, later saves leave that copy alone, and "Restore
// original files..." in the main menu's system menu brings the bytes back,
// for one file and for several, reporting a file it cannot replace.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/main_menu_dialog.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace fs = std::filesystem;

namespace {

std::string Get(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Shown {
    std::vector<std::string> rows;  // the files' names, as the list shows them
    std::string prompt;
    bool restoreEnabled = false;
    std::vector<testui::MessageBoxInfo> boxes;
};

class RestoreOriginals : public testing::Test {
  protected:
    void SetUp() override {
        const fs::path planes = m_root / "SimObjects" / "Airplanes";
        for (const char* variant : {"A320", "A320IAE"}) {
            fs::create_directories(planes / ("Norvane Zelvia " + std::string(variant)));
        }
        fs::create_directories(m_root / "Norvane" / "Corvel");
        std::ofstream(m_a320, std::ios::binary) << kAircraft;
        std::ofstream(m_a320iae, std::ios::binary) << kAircraft << "; IAE\r\n";
        std::ofstream(m_prefs, std::ios::binary) << kPrefs;
        m_menuWindow = m_menu.Create();
        ASSERT_TRUE(m_menuWindow);
    }
    void TearDown() override {
        DestroyWindow(m_menuWindow);
        SetFileAttributesW(m_prefs.c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(m_root);
    }

    // Saves through a tool's dialog as a user would, answering its notes.
    void SaveLoadManager() {
        testui::AnswerMessageBoxes([&] { testui::Click(m_menuWindow, IDC_MENU_LOAD_MANAGER); },
                                   [](HWND dialog) {
                                       if (testui::Text(dialog) == "Aircraft Selector") {
                                           testui::Click(dialog, IDC_SEL_A320);
                                           testui::Click(dialog, IDCANCEL);
                                           return;
                                       }
                                       testui::Click(dialog, IDOK);
                                   });
    }
    void SaveConfiguration(int unitButton) {
        testui::AnswerMessageBoxes([&] { testui::Click(m_menuWindow, IDC_MENU_CONFIGURATION); },
                                   [unitButton](HWND dialog) {
                                       testui::Click(dialog, unitButton);
                                       testui::Click(dialog, IDOK);
                                   });
    }

    // Opens the dialog from the system menu, ticks the rows whose label is
    // given, presses Restore (answering Yes to the question) and closes it.
    Shown Restore(const std::vector<std::string>& tick) {
        Shown shown;
        testui::RunWithModalHandler(
            [&] { SendMessageW(m_menuWindow, WM_SYSCOMMAND, IDM_RESTORE_ORIGINALS, 0); },
            [&](HWND window) {
                if (const testui::MessageBoxInfo box = testui::ReadMessageBox(window); box.icon) {
                    shown.boxes.push_back(box);  // every box of the dialog has an icon
                    PostMessageW(window, WM_COMMAND, box.icon == MB_ICONQUESTION ? IDYES : IDOK, 0);
                    return;
                }
                HWND list = GetDlgItem(window, IDC_RO_FILES);
                shown.prompt = testui::ItemText(window, IDC_RO_PROMPT);
                shown.restoreEnabled = IsWindowEnabled(GetDlgItem(window, IDC_RO_RESTORE));
                const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
                for (int row = 0; row < count; ++row) {
                    wchar_t cell[100] = {};
                    LVITEMW item{};
                    item.pszText = cell;
                    item.cchTextMax = 100;
                    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
                    const std::string label = fs::path(cell).string();
                    shown.rows.push_back(label);
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

    static constexpr const char kAircraft[] =
        "[WEIGHT_AND_BALANCE]\r\nempty_weight=93500\r\n; by hand\r\nstation_load.2=\"1, 2, 0, "
        "0\"\r\n";
    static constexpr const char kPrefs[] = "[Common]\r\nUnitSystem=0\r\n; by hand";
    const fs::path m_root =
        fs::temp_directory_path() / ("corvel-restore-" + std::to_string(GetCurrentProcessId()));
    const fs::path m_a320 = m_root / "SimObjects/Airplanes/Norvane Zelvia A320/Aircraft.cfg";
    const fs::path m_a320iae = m_root / "SimObjects/Airplanes/Norvane Zelvia A320IAE/Aircraft.cfg";
    const fs::path m_prefs = m_root / "Norvane/Corvel/Prefs.cfg";
    CMainMenuDlg m_menu{[this] {
        return SimulatorPaths{m_root.string(), m_prefs.string(), "the test"};
    }};
    HWND m_menuWindow = nullptr;
};

fs::path OriginalOf(const fs::path& file) {
    return fs::path(file) += ".original";
}

TEST_F(RestoreOriginals, SavesKeepTheFirstStateAndTheDialogRestoresIt) {
    HMENU system = GetSystemMenu(m_menuWindow, FALSE);
    wchar_t entry[64] = {};
    GetMenuStringW(system, IDM_RESTORE_ORIGINALS, entry, 64, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(entry), L"Restore original files...");

    // Nothing changed yet: the dialog says so and offers nothing.
    Shown empty = Restore({});
    EXPECT_TRUE(empty.rows.empty());
    EXPECT_EQ(empty.prompt, testui::Message("no_originals"));
    EXPECT_FALSE(empty.restoreEnabled);

    const std::string a320 = Get(m_a320);
    const std::string a320iae = Get(m_a320iae);
    SaveLoadManager();
    SaveConfiguration(IDC_CFG_IMPERIAL);
    SaveConfiguration(IDC_CFG_METRIC);  // a later save leaves the original alone
    for (const auto& [file, before] :
         {std::pair{m_a320, a320}, {m_a320iae, a320iae}, {m_prefs, std::string(kPrefs)}}) {
        EXPECT_NE(Get(file), before) << file;
        EXPECT_EQ(Get(OriginalOf(file)), before) << file;
    }

    // One file, then the two others; the originals stay.
    Shown one = Restore({"A320 IAE"});
    EXPECT_EQ(one.prompt, testui::Message("restore_prompt"));
    EXPECT_EQ(one.rows, (std::vector<std::string>{"A320", "A320 IAE", "Preferences (Prefs.cfg)"}));
    ASSERT_EQ(one.boxes.size(), 2u);
    EXPECT_EQ(one.boxes[0].text, testui::Message("restore_confirmation") + "A320 IAE" +
                                     testui::Message("restore_question"));
    EXPECT_EQ(one.boxes[1].text, testui::Message("restored") + "A320 IAE");
    EXPECT_EQ(Get(m_a320iae), a320iae);
    EXPECT_NE(Get(m_a320), a320);

    Shown two = Restore({"A320", "Preferences (Prefs.cfg)"});
    ASSERT_EQ(two.boxes.size(), 2u);
    EXPECT_EQ(two.boxes[1].text, testui::Message("restored") + "A320\nPreferences (Prefs.cfg)");
    EXPECT_EQ(Get(m_a320), a320);
    EXPECT_EQ(Get(m_prefs), kPrefs);
    for (const fs::path& file : {m_a320, m_a320iae, m_prefs}) {
        EXPECT_TRUE(fs::exists(OriginalOf(file))) << file;
    }

    // A file that cannot be replaced is reported and left; the others are restored.
    SaveLoadManager();
    SaveConfiguration(IDC_CFG_IMPERIAL);
    const std::string changedPrefs = Get(m_prefs);
    SetFileAttributesW(m_prefs.c_str(), FILE_ATTRIBUTE_READONLY);
    Shown partly = Restore({"A320", "A320 IAE", "Preferences (Prefs.cfg)"});
    ASSERT_EQ(partly.boxes.size(), 3u);
    EXPECT_EQ(partly.boxes[1].caption, "ERROR");
    EXPECT_EQ(partly.boxes[1].text, testui::Message("not_restored") + m_prefs.string() + "\n\n" +
                                        testui::Message("access_denied_advice"));
    EXPECT_EQ(partly.boxes[2].text, testui::Message("restored") + "A320\nA320 IAE");
    EXPECT_EQ(Get(m_prefs), changedPrefs);
    EXPECT_EQ(Get(m_a320), a320);
    EXPECT_EQ(Get(m_a320iae), a320iae);
}

// A preferences file the program made itself has nothing to go back to.
TEST_F(RestoreOriginals, AFileTheProgramCreatedHasNoOriginal) {
    fs::remove(m_prefs);
    SaveConfiguration(IDC_CFG_IMPERIAL);
    SaveConfiguration(IDC_CFG_METRIC);
    EXPECT_TRUE(fs::exists(m_prefs));
    EXPECT_FALSE(fs::exists(OriginalOf(m_prefs)));
    EXPECT_TRUE(Restore({}).rows.empty());
}

}  // namespace
