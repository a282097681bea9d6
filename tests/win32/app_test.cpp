// The shell driven as a user would: the main menu and the aircraft selector; the window menu: the
// simulator folder from the registry or chosen by hand, About, the originals restored.
#include <process.h>

#include "app/locate_files.h"
#include "app/main_menu_dialog.h"
#include "res/messages.h"
#include "tests/win32/support/ui_driver.h"

namespace {

using testui::Boxes;
using testui::Message;

// Only the A320 installed (93500 lb empty, 12 first-class passengers): the last aircraft clicked
// counts, the selector reopens if closed without one; a saved payload reaches the Fuel Planner.
// Enter presses the focused button, Exit at the opening.
TEST(MainMenu, RunsTheSelectorPassesASavedPayloadOnAndEnterExits) {
    const std::string sim = testui::TempPath("corvel-menu");
    std::filesystem::remove_all(ui::Widen(sim));
    testui::Put(sim + "\\SimObjects\\Airplanes\\Norvane Zelvia A320\\Aircraft.cfg",
                "[WEIGHT_AND_BALANCE]\r\nempty_weight=93500\r\n"
                "station_load.4=\"1984,   26.0, 0.0, 0.0, First\"\r\n");
    CMainMenuDlg menu{[&] { return SimulatorPaths{sim, sim + "\\Prefs.cfg", ""}; }};
    const HWND window = menu.Create();
    const HWND exit = GetDlgItem(window, IDCANCEL);
    EXPECT_EQ(GetFocus(), exit);
    const Boxes notInstalled{{"ERROR", Message("not_installed"), MB_ICONEXCLAMATION, window}};
    EXPECT_EQ(testui::FromMenu(window, IDC_MENU_LOAD_MANAGER, {{IDC_SEL_A320, IDC_SEL_A321}}, {}),
              notInstalled);
    EXPECT_EQ(testui::FromMenu(window, IDC_MENU_FUEL_PLANNER, {{}, {IDC_SEL_ACJ}}, {}),
              notInstalled);
    EXPECT_TRUE(IsWindowEnabled(window));

    EXPECT_EQ(testui::FromMenu(window, IDC_MENU_LOAD_MANAGER, {{IDC_SEL_A320}},
                               [](HWND manager) { testui::Click(manager, IDOK); }),
              (Boxes{{"WARNING", Message("payload_saved"), MB_ICONINFORMATION, window}}));
    std::string zfw;  // 93500 lb empty (42412 kg) and 12 passengers of 75 kg
    testui::FromMenu(window, IDC_MENU_FUEL_PLANNER, {{IDC_SEL_A320}}, [&](HWND planner) {
        zfw = ui::GetItemText(planner, IDC_FP_ZFW);
        testui::Click(planner, IDCANCEL);
    });
    EXPECT_EQ(zfw, "43312");
    ui::MoveFocus(window, exit);
    MSG enter = {exit, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(window, &enter));
    EXPECT_EQ(menu.Result(), IDCANCEL);
    std::filesystem::remove_all(ui::Widen(sim));
    EXPECT_EQ(msg::kNeedsSse2, Message("needs_sse2"));  // WinMain's, before the menu
}

// Opens the dialog from the window menu, ticks the rows labelled so, presses Restore (answering
// Yes) and closes it. Returns the prompt ("(disabled)": Restore is), the rows' labels, the boxes.
std::string Restore(HWND menu, const std::vector<std::string>& tick) {
    std::string shown;
    const Boxes boxes = testui::AnswerMessageBoxes(
        [&] { SendMessageW(menu, WM_SYSCOMMAND, IDM_RESTORE_ORIGINALS, 0); },
        [&](HWND window) {
            HWND list = GetDlgItem(window, IDC_RO_FILES);
            shown = ui::GetItemText(window, IDC_RO_PROMPT) +
                    (IsWindowEnabled(GetDlgItem(window, IDC_RO_RESTORE)) ? "|" : "(disabled)|");
            for (int row = 0; row < SendMessageW(list, LVM_GETITEMCOUNT, 0, 0); ++row) {
                wchar_t cell[100] = {};
                ListView_GetItemText(list, row, 0, cell, 100);
                shown += ui::Narrow(cell) + "|";
                if (std::find(tick.begin(), tick.end(), ui::Narrow(cell)) != tick.end()) {
                    ListView_SetCheckState(list, row, TRUE);
                }
            }
            if (!tick.empty()) {
                testui::Click(window, IDC_RO_RESTORE);
            }
            testui::Click(window, IDCANCEL);
        });
    for (const testui::MessageBoxInfo& box : boxes) {
        shown += "\n" + box.caption + ": " + box.text;
    }
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
    EXPECT_EQ(Restore(window, {}), Message("no_originals") + "(disabled)|");  // nothing changed

    for (const std::string& file : {a320, iae, prefs}) {
        testui::Put(file, "changed");
        testui::Put(file + ".original", "original of " + file);
    }
    const std::string restored = "\nWARNING: " + Message("restored");
    EXPECT_EQ(Restore(window, {"A320 IAE"}),
              Message("restore_prompt") + "|A320|A320 IAE|Preferences (Prefs.cfg)|\n" +
                  "Restore Original Files: " + Message("restore_confirmation") + "A320 IAE" +
                  Message("restore_question") + restored + "A320 IAE");
    EXPECT_EQ(testui::Bytes(iae) + "|" + testui::Bytes(a320), "original of " + iae + "|changed");

    // A file that cannot be replaced is reported and left; the others are restored.
    testui::Put(iae, "changed");
    SetFileAttributesW(ui::Widen(prefs).c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string shown = Restore(window, {"A320", "A320 IAE", "Preferences (Prefs.cfg)"});
    SetFileAttributesW(ui::Widen(prefs).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(shown.substr(shown.find("\nERROR: ")), "\nERROR: " + Message("not_restored") + prefs +
                                                         "\n\n" + Message("access_denied_advice") +
                                                         restored + "A320\nA320 IAE");
    EXPECT_EQ(testui::Bytes(a320) + "|" + testui::Bytes(iae) + "|" + testui::Bytes(prefs),
              "original of " + a320 + "|original of " + iae + "|changed");
    DestroyWindow(window);
    fs::remove_all(ui::Widen(root));
}

const std::string kBoxed = "HKLM\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0";
// Read at start, before a test leaves the source tree's drive.
const std::vector<test_data::Row> kSources = test_data::Rows("win32/registry_sources.tsv");
const std::vector<test_data::Row> kAboutLines = test_data::Rows("win32/about_chosen.txt");

// With reg.exe, as an installer or a user sets it.
void SetValue(const std::string& key, const std::string& view, std::wstring data,
              const std::string& name = "SetupPath", const wchar_t* type = L"REG_SZ") {
    data += data.back() == L'\\' ? L"\\" : L"";  // a backslash before the closing quote doubled
    const std::wstring quotedKey = L"\"" + ui::Widen(key) + L"\"", quoted = L"\"" + data + L"\"";
    EXPECT_EQ(_wspawnlp(_P_WAIT, L"reg.exe", L"reg.exe", L"add", quotedKey.c_str(), L"/v",
                        ui::Widen(name).c_str(), L"/t", type, L"/d", quoted.c_str(),
                        ui::Widen("/reg:" + view).c_str(), L"/f", nullptr),
              0);
}

// Started in a folder with no simulator; the simulators (an A320 each) are folders below it.
class RegistrySources : public testing::Test {
  protected:
    void SetUp() override {
        fs::remove_all(root_);
        fs::create_directories(root_ / "start" / "here");
        fs::current_path(root_ / "start" / "here");
        ClearRegistry();
    }
    void TearDown() override {
        ClearRegistry();
        fs::current_path(previous_);
        fs::remove_all(root_);
    }
    // With the API: a reg.exe run per value and view would take minutes.
    static void ClearRegistry() {
        std::vector<test_data::Row> keys = kSources;
        keys.push_back({"HKCU\\Software\\Norvane\\Corvel Config"});  // the user's choice
        for (const test_data::Row& key : keys) {
            for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
                RegDeleteKeyExW(
                    key[0].rfind("HKLM", 0) == 0 ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER,
                    ui::Widen(key[0].substr(5)).c_str(), view, 0);
            }
        }
    }
    std::wstring MakeSim(const std::wstring& name) {
        testui::Put(ui::Narrow((root_ / name).wstring()) +
                        "\\SimObjects\\Airplanes\\Norvane Zelvia A320\\Aircraft.cfg",
                    "[fltsim.0]\r\n");
        return (root_ / name).wstring();
    }

    const fs::path root_ =
        fs::temp_directory_path() / ("corvel-sources-" + std::to_string(GetCurrentProcessId()));
    const fs::path previous_ = fs::current_path();
};

TEST_F(RegistrySources, EachSourceAloneInItsViewAndExpandableValues) {
    ASSERT_EQ(kSources.size(), 11u);
    // Non-ASCII folders survive the trip through the registry.
    const std::wstring sim = MakeSim(L"Sim \u00e9\u0416\u98db") + L"\\";
    for (const test_data::Row& row : kSources) {
        SetValue(row[0], row[2], sim, row[1]);
        const SimulatorPaths paths = LocateFiles();
        EXPECT_EQ(paths.simFolder + " " + paths.foundBy, ui::Narrow(sim) + " " + row[3]);
        ClearRegistry();
    }
    // Expanded before the 499-character limit (%SystemDrive%\ 14 characters, C:\ 3; %WINDIR%\ 9,
    // C:\windows\ 11): 505 stored, 494 expanded: taken; 498 stored, 501 expanded: not.
    const std::wstring tail(480, L'x');
    const std::pair<std::wstring, std::string> values[] = {
        {L"%SystemDrive%\\Games\\FSX\\", "C:\\Games\\FSX\\"},
        {L"%SystemDrive%\\Sim\\" + tail + L"zzzzzz",
         "C:\\Sim\\" + std::string(480, 'x') + "zzzzzz"},
        {L"%WINDIR%\\" + std::wstring(489, L'y'),
         (root_ / "start" / "here").string() + "\\..\\.."}};
    for (const auto& [stored, found] : values) {
        SetValue(kBoxed, "32", stored, "SetupPath", L"REG_EXPAND_SZ");
        EXPECT_EQ(LocateFiles().simFolder, found);
    }
}

std::string MenuItems(HWND window, const std::vector<UINT>& ids) {
    std::string items;
    HMENU menu = GetSystemMenu(window, FALSE);
    for (UINT id : ids) {
        wchar_t text[100] = {};
        GetMenuStringW(menu, id, text, 100, MF_BYCOMMAND);
        const bool checked = GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED;
        items +=
            test_data::Replaced(ui::Narrow(text), "\t", "\\t") + (checked ? " (checked)|" : "|");
    }
    return items;
}

TEST_F(RegistrySources, AChoiceByHandWinsAtOnceSurvivesARestartAndIsUndone) {
    const std::wstring registered = MakeSim(L"Registered"), chosen = MakeSim(L"Chosen");
    SetValue(kBoxed, "32", registered);

    CMainMenuDlg menu;
    HWND dialog = menu.Create();
    EXPECT_EQ(MenuItems(dialog, {IDM_SIMULATOR_FOLDER, IDM_FIND_AUTOMATICALLY, IDM_HELP, IDM_ABOUT,
                                 IDM_RESTORE_ORIGINALS}),
              testui::Seen("menu_items"));
    // Wine's own About entry is gone, and with it its separator.
    HMENU system = GetSystemMenu(dialog, FALSE);
    EXPECT_EQ(GetMenuState(system, SC_SCREENSAVE + 1, MF_BYCOMMAND), static_cast<UINT>(-1));
    for (int i = 1; i < GetMenuItemCount(system); ++i) {
        EXPECT_FALSE(GetMenuState(system, i - 1, MF_BYPOSITION) &
                     GetMenuState(system, i, MF_BYPOSITION) & MF_SEPARATOR)
            << "two separators at " << i;
    }
    EXPECT_EQ(menu.Context().simFolder, ui::Narrow(registered));

    // Typed into the folder picker, then Open: used at once.
    testui::RunWithModalHandler(
        [&] { SendMessageW(dialog, WM_SYSCOMMAND, IDM_SIMULATOR_FOLDER, 0); },
        [&](HWND picker) {
            SetWindowTextW(testui::FileNameField(picker), chosen.c_str());
            testui::Click(picker, IDOK);
        });
    EXPECT_EQ(menu.Context().simFolder, ui::Narrow(chosen));
    EXPECT_EQ(MenuItems(dialog, {IDM_SIMULATOR_FOLDER, IDM_FIND_AUTOMATICALLY}),
              "Simulator folder... (checked)|Find automatically|");
    DestroyWindow(dialog);

    // The next start finds it again, and the About text says so.
    CMainMenuDlg restarted;
    dialog = restarted.Create();
    EXPECT_EQ(restarted.Context().simFolder, ui::Narrow(chosen));
    std::string about;
    testui::RunWithModalHandler([&] { SendMessageW(dialog, WM_SYSCOMMAND, IDM_ABOUT, 0); },
                                [&](HWND window) {
                                    about = ui::GetItemText(window, IDC_ABOUT_TEXT);
                                    testui::Click(window, IDCANCEL);
                                });
    ASSERT_EQ(kAboutLines.size(), 5u);
    for (const test_data::Row& row : kAboutLines) {
        const std::string line = testui::Replaced(row[0], "{chosen}", ui::Narrow(chosen));
        EXPECT_NE(about.find(line + "\r\n"), std::string::npos) << line << " not in\n" << about;
    }

    SendMessageW(dialog, WM_SYSCOMMAND, IDM_FIND_AUTOMATICALLY, 0);
    EXPECT_EQ(restarted.Context().simFolder, ui::Narrow(registered));
    EXPECT_EQ(MenuItems(dialog, {IDM_FIND_AUTOMATICALLY}), "Find automatically (checked)|");
    DestroyWindow(dialog);
}

}  // namespace
