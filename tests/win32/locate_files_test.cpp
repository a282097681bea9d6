// The simulator folder from the registry, read as the program reads it:
// each source set alone with reg.exe (as an installer or a user would) in
// the view named, REG_EXPAND_SZ values, and the user's choice through the
// main menu's window menu.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/locate_files.h"
#include "app/main_menu_dialog.h"
#include "app/system_menu.h"
#include "platform/win32/controls.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace fs = std::filesystem;

namespace {

int RunReg(std::wstring arguments) {
    std::wstring command = L"reg.exe " + arguments + L" /f";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process)) {
        return -1;
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

const std::wstring kBoxed = L"HKLM\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0";
const std::wstring kChoiceKey = L"HKCU\\Software\\Norvane\\Corvel Config";

// Every value a case may set, removed before and after each case.
const struct {
    const wchar_t* key;
    const wchar_t* name;
} kValues[] = {
    {kBoxed.c_str(), L"SetupPath"},
    {L"HKCU\\Software\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0", L"AppPath"},
    {L"HKLM\\SOFTWARE\\Dovetail Games\\FSX\\10.0", L"Install_Path"},
    {L"HKCU\\Software\\Microsoft\\Microsoft Games\\Flight Simulator - Steam Edition\\10.0",
     L"AppPath"},
    {L"HKCU\\Software\\Lockheed Martin\\Prepar3D", L"AppPath"},
    {L"HKLM\\SOFTWARE\\Lockheed Martin\\Prepar3D", L"SetupPath"},
    {L"HKCU\\Software\\Lockheed Martin\\Prepar3D v2", L"AppPath"},
    {L"HKLM\\SOFTWARE\\Lockheed Martin\\Prepar3D v2", L"SetupPath"},
    {L"HKCU\\Software\\Lockheed Martin\\Prepar3D v3", L"AppPath"},
    {L"HKLM\\SOFTWARE\\Lockheed Martin\\Prepar3D v3", L"SetupPath"},
    {kChoiceKey.c_str(), L"SimulatorFolder"},
};

void SetValue(const std::wstring& key, const std::wstring& name, const wchar_t* view,
              std::wstring data, const wchar_t* type = L"REG_SZ") {
    if (!data.empty() && data.back() == L'\\') {
        data += L'\\';  // a backslash before the closing quote is doubled
    }
    ASSERT_EQ(RunReg(L"add \"" + key + L"\" /v " + name + L" /t " + type + L" /d \"" + data +
                     L"\" /reg:" + view),
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
    // With the API: a reg.exe run per value and view would take minutes.
    static void ClearRegistry() {
        for (const auto& value : kValues) {
            std::wstring key = value.key;
            HKEY root = key.rfind(L"HKLM", 0) == 0 ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
            for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
                HKEY handle = nullptr;
                if (RegOpenKeyExW(root, key.substr(5).c_str(), 0, KEY_SET_VALUE | view, &handle) ==
                    ERROR_SUCCESS) {
                    RegDeleteValueW(handle, value.name);
                    RegCloseKey(handle);
                }
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

TEST_F(RegistrySources, EachSourceAloneInItsViewThenBehindAUsableSetupPath) {
    const struct {
        const wchar_t* key;
        const wchar_t* name;
        const wchar_t* view;
        const char* foundBy;
    } kRows[] = {
        {kBoxed.c_str(), L"SetupPath", L"64",
         "the registry value HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight "
         "Simulator\\10.0\\SetupPath (64-bit view)"},
        {kValues[1].key, L"AppPath", L"64",
         "the registry value HKEY_CURRENT_USER\\Software\\Microsoft\\Microsoft Games\\Flight "
         "Simulator\\10.0\\AppPath"},
        {kValues[2].key, L"Install_Path", L"32",
         "the registry value HKEY_LOCAL_MACHINE\\SOFTWARE\\Dovetail Games\\FSX\\10.0\\Install_Path "
         "(32-bit view)"},
        {kValues[2].key, L"Install_Path", L"64",
         "the registry value HKEY_LOCAL_MACHINE\\SOFTWARE\\Dovetail Games\\FSX\\10.0\\Install_Path "
         "(64-bit view)"},
        {kValues[3].key, L"AppPath", L"32",
         "the registry value HKEY_CURRENT_USER\\Software\\Microsoft\\Microsoft Games\\Flight "
         "Simulator - Steam Edition\\10.0\\AppPath"},
        {kValues[4].key, L"AppPath", L"64",
         "the registry value HKEY_CURRENT_USER\\Software\\Lockheed Martin\\Prepar3D\\AppPath"},
        {kValues[5].key, L"SetupPath", L"32",
         "the registry value HKEY_LOCAL_MACHINE\\SOFTWARE\\Lockheed Martin\\Prepar3D\\SetupPath "
         "(32-bit view)"},
        {kValues[6].key, L"AppPath", L"32",
         "the registry value HKEY_CURRENT_USER\\Software\\Lockheed Martin\\Prepar3D v2\\AppPath"},
        {kValues[7].key, L"SetupPath", L"64",
         "the registry value HKEY_LOCAL_MACHINE\\SOFTWARE\\Lockheed Martin\\Prepar3D "
         "v2\\SetupPath (64-bit view)"},
        {kValues[8].key, L"AppPath", L"64",
         "the registry value HKEY_CURRENT_USER\\Software\\Lockheed Martin\\Prepar3D v3\\AppPath"},
        {kValues[9].key, L"SetupPath", L"32",
         "the registry value HKEY_LOCAL_MACHINE\\SOFTWARE\\Lockheed Martin\\Prepar3D "
         "v3\\SetupPath (32-bit view)"},
    };
    // Non-ASCII folders survive the trip through the registry.
    const std::wstring sim = MakeSim(L"Sim \u00e9\u0416\u98db") + L"\\";
    const std::wstring boxed = MakeSim(L"Boxed");
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.foundBy);
        SetValue(row.key, row.name, row.view, sim);
        SimulatorPaths paths = LocateFiles();
        EXPECT_EQ(paths.simFolder, ui::Narrow(sim));
        EXPECT_EQ(paths.foundBy, row.foundBy);
        // A usable SetupPath in the 32-bit view comes first.
        SetValue(kBoxed, L"SetupPath", L"32", boxed);
        EXPECT_EQ(LocateFiles().simFolder, ui::Narrow(boxed));
        ClearRegistry();
    }
    // An unusable SetupPath gives way; with nothing usable it stands.
    SetValue(kBoxed, L"SetupPath", L"32", (root_ / L"NoSim").wstring());
    SimulatorPaths paths = LocateFiles();
    EXPECT_EQ(paths.simFolder, (root_ / "NoSim").string());
    EXPECT_EQ(paths.prefsPath, (root_ / "NoSim").string() + "\\Norvane\\Corvel\\Prefs.cfg");
    SetValue(kValues[2].key, L"Install_Path", L"64", sim);
    EXPECT_EQ(LocateFiles().simFolder, ui::Narrow(sim));
}

TEST_F(RegistrySources, ExpandableValuesAreExpandedBeforeTheLengthLimit) {
    // "%SystemDrive%\" is 14 characters, "C:\" three.
    const std::wstring tail(480, L'x');
    SetValue(kBoxed, L"SetupPath", L"32", L"%SystemDrive%\\Games\\FSX\\", L"REG_EXPAND_SZ");
    SimulatorPaths paths = LocateFiles();
    EXPECT_EQ(paths.simFolder, "C:\\Games\\FSX\\");
    EXPECT_EQ(paths.prefsPath, "C:\\Games\\FSX\\\\Norvane\\Corvel\\Prefs.cfg");
    // 505 characters as stored, 494 expanded: taken.
    SetValue(kBoxed, L"SetupPath", L"32", L"%SystemDrive%\\Sim\\" + tail + L"zzzzzz",
             L"REG_EXPAND_SZ");
    EXPECT_EQ(LocateFiles().simFolder, "C:\\Sim\\" + std::string(480, 'x') + "zzzzzz");
    // 498 characters as stored, 501 expanded ("%WINDIR%" is C:\windows): the
    // working folder instead.
    SetValue(kBoxed, L"SetupPath", L"32", L"%WINDIR%\\" + std::wstring(489, L'y'),
             L"REG_EXPAND_SZ");
    EXPECT_EQ(LocateFiles().simFolder, (root_ / "start" / "here").string() + "\\..\\..");
}

std::wstring MenuText(HWND window, UINT id) {
    wchar_t text[100] = {};
    GetMenuStringW(GetSystemMenu(window, FALSE), id, text, 100, MF_BYCOMMAND);
    return text;
}

bool MenuChecked(HWND window, UINT id) {
    return GetMenuState(GetSystemMenu(window, FALSE), id, MF_BYCOMMAND) & MF_CHECKED;
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
    SetValue(kBoxed, L"SetupPath", L"32", registered);

    CMainMenuDlg menu;
    HWND dialog = menu.Create();
    EXPECT_EQ(MenuText(dialog, IDM_SIMULATOR_FOLDER), L"Simulator folder...");
    EXPECT_EQ(MenuText(dialog, IDM_FIND_AUTOMATICALLY), L"Find automatically");
    EXPECT_EQ(MenuText(dialog, IDM_ABOUT), L"About Corvel Config...");
    EXPECT_TRUE(MenuChecked(dialog, IDM_FIND_AUTOMATICALLY));
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
    EXPECT_TRUE(MenuChecked(dialog, IDM_SIMULATOR_FOLDER));
    EXPECT_FALSE(MenuChecked(dialog, IDM_FIND_AUTOMATICALLY));
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
    const std::string planes = ui::Narrow(chosen) + "\\SimObjects\\Airplanes\\Norvane Zelvia ";
    for (const std::string& line :
         {"Simulator folder: " + ui::Narrow(chosen) + "\r\n",
          std::string("Found: chosen by you (\"Simulator folder...\" in the window menu)\r\n"),
          "Preferences file (missing): " + ui::Narrow(chosen) + "\\Norvane\\Corvel\\Prefs.cfg\r\n",
          "A320 CFM (found): " + planes + "A320\\Aircraft.cfg\r\n",
          "A320 IAE (missing): " + planes + "A320IAE\\Aircraft.cfg\r\n"}) {
        EXPECT_NE(about.find(line), std::string::npos) << line << " not in\n" << about;
    }

    SendMessageW(dialog, WM_SYSCOMMAND, IDM_FIND_AUTOMATICALLY, 0);
    EXPECT_EQ(restarted.Context().simFolder, ui::Narrow(registered));
    EXPECT_TRUE(MenuChecked(dialog, IDM_FIND_AUTOMATICALLY));
    DestroyWindow(dialog);
}

}  // namespace
