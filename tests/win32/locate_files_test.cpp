// The simulator folder from the registry, read as the program reads it:
// each source of tests/data/win32/registry_sources.tsv set alone with
// reg.exe (as an installer or a user would) in the view named, REG_EXPAND_SZ
// values, and the user's choice through the main menu's window menu. The
// order of the sources is proved by the native tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <process.h>

#include <filesystem>
#include <string>

#include "app/locate_files.h"
#include "app/main_menu_dialog.h"
#include "app/system_menu.h"
#include "platform/win32/controls.h"
#include "res/resource.h"
#include "tests/support/data_rows.h"
#include "tests/win32/support/ui_driver.h"

namespace fs = std::filesystem;

namespace {

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

// Started in a folder that holds no simulator; the simulators are folders below it, each
// with the A320 (CFM only).
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
    // The keys (none has subkeys) with the API: a reg.exe run per value and view would
    // take minutes.
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
    // Expanded before the 499-character limit: "%SystemDrive%\" is 14 characters, "C:\"
    // three; "%WINDIR%\" is 9, "C:\windows\" 11. 505 characters as stored, 494 expanded:
    // taken; 498 as stored, 501 expanded: the working folder instead.
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

// A window menu item's text, and whether it is checked.
std::wstring MenuItem(HWND window, UINT id) {
    wchar_t text[100] = {};
    HMENU menu = GetSystemMenu(window, FALSE);
    GetMenuStringW(menu, id, text, 100, MF_BYCOMMAND);
    return text +
           std::wstring(GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED ? L" (checked)" : L"");
}

BOOL CALLBACK FindVisibleEdit(HWND child, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    const bool edit = lstrcmpiW(name, L"Edit") == 0 && IsWindowVisible(child);
    *reinterpret_cast<HWND*>(found) = edit ? child : *reinterpret_cast<HWND*>(found);
    return !edit;
}

TEST_F(RegistrySources, AChoiceByHandWinsAtOnceSurvivesARestartAndIsUndone) {
    const std::wstring registered = MakeSim(L"Registered"), chosen = MakeSim(L"Chosen");
    fs::create_directories(root_ / "NotASim" / "SimObjects");
    SetValue(kBoxed, "32", registered);

    CMainMenuDlg menu;
    HWND dialog = menu.Create();
    EXPECT_EQ(MenuItem(dialog, IDM_SIMULATOR_FOLDER) + L"|" +
                  MenuItem(dialog, IDM_FIND_AUTOMATICALLY) + L"|" + MenuItem(dialog, IDM_ABOUT) +
                  L"|" + MenuItem(dialog, IDM_RESTORE_ORIGINALS),
              L"Simulator folder...|Find automatically (checked)|About Corvel Config...|"
              L"Restore original files...");
    EXPECT_EQ(menu.Context().simFolder, ui::Narrow(registered));

    // A folder without SimObjects\Airplanes is refused and changes nothing.
    const std::string notASim = (root_ / "NotASim").string();
    EXPECT_EQ(testui::AnswerMessageBoxes(
                  [&] { EXPECT_FALSE(system_menu::UseChosenFolder(dialog, notASim)); }),
              (testui::Boxes{{"ERROR",
                              testui::Message("not_a_simulator_folder") + notASim +
                                  testui::Message("not_a_simulator_folder_advice"),
                              MB_ICONEXCLAMATION, dialog}}));

    // Chosen in the folder picker as a user does (the path typed, then Open): the menu,
    // and so the next tool, uses it at once.
    testui::RunWithModalHandler(
        [&] { SendMessageW(dialog, WM_SYSCOMMAND, IDM_SIMULATOR_FOLDER, 0); },
        [&](HWND picker) {
            HWND edit = nullptr;
            EnumChildWindows(picker, FindVisibleEdit, reinterpret_cast<LPARAM>(&edit));
            ASSERT_TRUE(edit) << "no file name field in the folder picker";
            SetWindowTextW(edit, chosen.c_str());
            testui::Click(picker, IDOK);
        });
    EXPECT_EQ(menu.Context().simFolder, ui::Narrow(chosen));
    EXPECT_EQ(
        MenuItem(dialog, IDM_SIMULATOR_FOLDER) + L"|" + MenuItem(dialog, IDM_FIND_AUTOMATICALLY),
        L"Simulator folder... (checked)|Find automatically");
    DestroyWindow(dialog);

    // The next start finds it again, and the About text says so.
    CMainMenuDlg restarted;
    dialog = restarted.Create();
    EXPECT_EQ(restarted.Context().simFolder, ui::Narrow(chosen));
    std::string about;
    testui::RunWithModalHandler([&] { SendMessageW(dialog, WM_SYSCOMMAND, IDM_ABOUT, 0); },
                                [&](HWND window) {
                                    about = testui::ItemText(window, IDC_ABOUT_TEXT);
                                    testui::Click(window, IDCANCEL);
                                });
    ASSERT_EQ(kAboutLines.size(), 5u);
    for (const test_data::Row& row : kAboutLines) {
        std::string line = row[0];
        if (const size_t at = line.find("{chosen}"); at != std::string::npos) {
            line.replace(at, 8, ui::Narrow(chosen));
        }
        EXPECT_NE(about.find(line + "\r\n"), std::string::npos) << line << " not in\n" << about;
    }

    SendMessageW(dialog, WM_SYSCOMMAND, IDM_FIND_AUTOMATICALLY, 0);
    EXPECT_EQ(restarted.Context().simFolder, ui::Narrow(registered));
    EXPECT_EQ(MenuItem(dialog, IDM_FIND_AUTOMATICALLY), L"Find automatically (checked)");
    DestroyWindow(dialog);
}

}  // namespace
