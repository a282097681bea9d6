// The simulator folder from the registry, read as the program reads it:
// each source of tests/data/win32/registry_sources.tsv set alone with
// reg.exe (as an installer or a user would) in the view named, REG_EXPAND_SZ
// values, and the user's choice through the main menu's window menu. The
// order of the sources is proved by the native tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <process.h>

#include <filesystem>
#include <fstream>
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
const std::string kChoiceKey = "HKCU\\Software\\Norvane\\Corvel Config";

// Read at start, before a test leaves the source tree's drive.
const std::vector<test_data::Row> kSources = test_data::Rows("win32/registry_sources.tsv");
const std::vector<test_data::Row> kAboutLines = test_data::Rows("win32/about_chosen.txt");

// With reg.exe, as an installer or a user sets it.
void SetValue(const std::string& key, const std::string& name, const std::string& view,
              std::wstring data, const wchar_t* type = L"REG_SZ") {
    if (!data.empty() && data.back() == L'\\') {
        data += L'\\';  // a backslash before the closing quote is doubled
    }
    const std::wstring quotedKey = L"\"" + ui::Widen(key) + L"\"",
                       quotedData = L"\"" + data + L"\"";
    EXPECT_EQ(_wspawnlp(_P_WAIT, L"reg.exe", L"reg.exe", L"add", quotedKey.c_str(), L"/v",
                        ui::Widen(name).c_str(), L"/t", type, L"/d", quotedData.c_str(),
                        ui::Widen("/reg:" + view).c_str(), L"/f", nullptr),
              0);
}

// Started in a folder that holds no simulator; the simulators are folders
// below it, each with an aircraft folder (or, for some, the add-on's).
class RegistrySources : public testing::Test {
  protected:
    void SetUp() override {
        root_ =
            fs::temp_directory_path() / ("corvel-sources-" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "start" / "here");
        previous_ = fs::current_path();
        fs::current_path(root_ / "start" / "here");
        ClearRegistry();
    }
    void TearDown() override {
        ClearRegistry();
        fs::current_path(previous_);
        fs::remove_all(root_);
    }
    // The keys (none has subkeys) with the API: a reg.exe run per value and
    // view would take minutes.
    static void ClearRegistry() {
        std::vector<test_data::Row> keys = kSources;
        keys.push_back({kChoiceKey});
        for (const test_data::Row& key : keys) {
            HKEY root = key[0].rfind("HKLM", 0) == 0 ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
            for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
                RegDeleteKeyExW(root, ui::Widen(key[0].substr(5)).c_str(), view, 0);
            }
        }
    }
    // A simulator folder with the A320 (CFM only).
    std::wstring MakeSim(const std::wstring& name) {
        fs::path a320 = root_ / name / "SimObjects" / "Airplanes" / "Norvane Zelvia A320";
        fs::create_directories(a320);
        std::ofstream(a320 / "Aircraft.cfg") << "[fltsim.0]\r\n";
        return (root_ / name).wstring();
    }

    fs::path root_;
    fs::path previous_;
};

TEST_F(RegistrySources, EachSourceAloneInItsView) {
    ASSERT_EQ(kSources.size(), 11u);
    // Non-ASCII folders survive the trip through the registry.
    const std::wstring sim = MakeSim(L"Sim \u00e9\u0416\u98db") + L"\\";
    for (const test_data::Row& row : kSources) {
        SCOPED_TRACE(row[3]);
        SetValue(row[0], row[1], row[2], sim);
        SimulatorPaths paths = LocateFiles();
        EXPECT_EQ(paths.simFolder, ui::Narrow(sim));
        EXPECT_EQ(paths.foundBy, row[3]);
        ClearRegistry();
    }
}

TEST_F(RegistrySources, ExpandableValuesAreExpandedBeforeTheLengthLimit) {
    // "%SystemDrive%\" is 14 characters, "C:\" three.
    const std::wstring tail(480, L'x');
    SetValue(kBoxed, "SetupPath", "32", L"%SystemDrive%\\Games\\FSX\\", L"REG_EXPAND_SZ");
    EXPECT_EQ(LocateFiles().simFolder, "C:\\Games\\FSX\\");
    // 505 characters as stored, 494 expanded: taken.
    SetValue(kBoxed, "SetupPath", "32", L"%SystemDrive%\\Sim\\" + tail + L"zzzzzz",
             L"REG_EXPAND_SZ");
    EXPECT_EQ(LocateFiles().simFolder, "C:\\Sim\\" + std::string(480, 'x') + "zzzzzz");
    // 498 characters as stored, 501 expanded ("%WINDIR%" is C:\windows): the
    // working folder instead.
    SetValue(kBoxed, "SetupPath", "32", L"%WINDIR%\\" + std::wstring(489, L'y'), L"REG_EXPAND_SZ");
    EXPECT_EQ(LocateFiles().simFolder, (root_ / "start" / "here").string() + "\\..\\..");
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
    if (lstrcmpiW(name, L"Edit") != 0 || !IsWindowVisible(child)) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

// The folder picker as a user drives it: the path typed, then Open.
void PickInFolderDialog(HWND picker, const std::wstring& folder) {
    HWND edit = nullptr;
    EnumChildWindows(picker, FindVisibleEdit, reinterpret_cast<LPARAM>(&edit));
    ASSERT_TRUE(edit) << "no file name field in the folder picker";
    SetWindowTextW(edit, folder.c_str());
    testui::Click(picker, IDOK);
}

TEST_F(RegistrySources, AChoiceByHandWinsAtOnceSurvivesARestartAndIsUndone) {
    const std::wstring registered = MakeSim(L"Registered");
    const std::wstring chosen = MakeSim(L"Chosen");
    fs::create_directories(root_ / "NotASim" / "SimObjects");
    SetValue(kBoxed, "SetupPath", "32", registered);

    CMainMenuDlg menu;
    HWND dialog = menu.Create();
    EXPECT_EQ(MenuItem(dialog, IDM_SIMULATOR_FOLDER), L"Simulator folder...");
    EXPECT_EQ(MenuItem(dialog, IDM_FIND_AUTOMATICALLY), L"Find automatically (checked)");
    EXPECT_EQ(MenuItem(dialog, IDM_ABOUT), L"About Corvel Config...");
    EXPECT_EQ(menu.Context().simFolder, ui::Narrow(registered));

    // A folder without SimObjects\Airplanes is refused and changes nothing.
    const std::string notASim = (root_ / "NotASim").string();
    EXPECT_EQ(testui::AnswerMessageBoxes(
                  [&] { EXPECT_FALSE(system_menu::UseChosenFolder(dialog, notASim)); }),
              (testui::Boxes{{"ERROR",
                              testui::Message("not_a_simulator_folder") + notASim +
                                  testui::Message("not_a_simulator_folder_advice"),
                              MB_ICONEXCLAMATION, dialog}}));

    // Chosen in the picker: the menu (and so the next tool) uses it at once.
    testui::RunWithModalHandler(
        [&] { SendMessageW(dialog, WM_SYSCOMMAND, IDM_SIMULATOR_FOLDER, 0); },
        [&](HWND picker) { PickInFolderDialog(picker, chosen); });
    EXPECT_EQ(menu.Context().simFolder, ui::Narrow(chosen));
    EXPECT_EQ(MenuItem(dialog, IDM_SIMULATOR_FOLDER), L"Simulator folder... (checked)");
    EXPECT_EQ(MenuItem(dialog, IDM_FIND_AUTOMATICALLY), L"Find automatically");
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
        const size_t at = line.find("{chosen}");
        if (at != std::string::npos) {
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
