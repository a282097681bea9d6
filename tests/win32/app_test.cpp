// The shell: the main menu and the aircraft selector driven as a user would,
// the flows from one tool to the next, and the program's manifest and
// version information (the simulator folder: locate_files_test.cpp).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/main_menu_dialog.h"
#include "platform/win32/controls.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

using testui::Boxes;
using testui::Message;

// Opened modally with the focus on Exit, so that Enter at once exits.
TEST(MainMenu, EnterAtOnceExits) {
    CMainMenuDlg menu;
    INT_PTR result = -1;
    testui::RunWithModalHandler(
        [&] { result = menu.DoModal(); },
        [](HWND window) {
            EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
            EXPECT_EQ(GetFocus(), GetDlgItem(window, IDCANCEL));
            PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
            PostMessageW(GetFocus(), WM_KEYUP, VK_RETURN, 0);
        });
    EXPECT_EQ(result, IDCANCEL);
}

// Over a simulator folder holding the A320 (93500 lb empty, 12 first-class passengers):
// the last aircraft clicked counts, closed without one the selector opens again; a saved
// payload reaches the Fuel Planner; the tools needing no aircraft open at once.
TEST(MainMenu, RunsTheSelectorAndEveryTool) {
    const std::string sim = testui::TempPath("corvel-menu");
    std::filesystem::remove_all(ui::Widen(sim));
    testui::Put(sim + "\\SimObjects\\Airplanes\\Norvane Zelvia A320\\Aircraft.cfg",
                "[WEIGHT_AND_BALANCE]\r\nempty_weight=93500\r\n"
                "station_load.4=\"1984,   26.0, 0.0, 0.0, First\"\r\n");
    CMainMenuDlg menu{[&] { return SimulatorPaths{sim, sim + "\\Prefs.cfg", ""}; }};
    const HWND window = menu.Create();
    const Boxes notInstalled{{"ERROR", Message("not_installed"), MB_ICONEXCLAMATION, window}};
    EXPECT_EQ(testui::FromMenu(window, IDC_MENU_LOAD_MANAGER, {{IDC_SEL_A320, IDC_SEL_A321}}, {}),
              notInstalled);
    EXPECT_EQ(testui::FromMenu(window, IDC_MENU_FUEL_PLANNER, {{}, {IDC_SEL_ACJ}}, {}),
              notInstalled);
    EXPECT_TRUE(IsWindowEnabled(window));

    std::string opened;
    const auto ok = [&](HWND tool) {
        opened += testui::Text(tool) + "|";
        testui::Click(tool, IDOK);
    };
    EXPECT_EQ(testui::FromMenu(window, IDC_MENU_LOAD_MANAGER, {{IDC_SEL_A320}}, ok),
              (Boxes{{"WARNING", Message("payload_saved"), MB_ICONINFORMATION, window}}));
    std::string zfw;  // 93500 lb empty (42412 kg) and 12 passengers of 75 kg
    testui::FromMenu(window, IDC_MENU_FUEL_PLANNER, {{IDC_SEL_A320}}, [&](HWND planner) {
        zfw = testui::ItemText(planner, IDC_FP_ZFW);
        testui::Click(planner, IDCANCEL);
    });
    EXPECT_EQ(zfw, "43312");
    EXPECT_EQ(testui::FromMenu(window, IDC_MENU_CONFIGURATION, {}, ok),
              (Boxes{{"WARNING", Message("configuration_note"), MB_ICONINFORMATION, window}}));
    EXPECT_TRUE(testui::FromMenu(window, IDC_MENU_KEY_ASSIGNMENTS, {}, ok).empty());
    EXPECT_EQ(opened, "A320 Load Manager|Configuration|Key Assignments|");
    DestroyWindow(window);
    std::filesystem::remove_all(ui::Widen(sim));
}

// Run as invoker (writes never virtualised), on Windows 7 to 11, DPI aware (per monitor
// where Windows can, system-wide before) with common controls 6; the version information
// names the product.
TEST(ProgramResources, ManifestAndVersionInformation) {
    std::string utf8 = "Z:" CORVEL_PROGRAM_PATH;  // through Wine's Z: drive
    std::replace(utf8.begin(), utf8.end(), '/', '\\');
    const std::wstring path = ui::Widen(utf8);
    HMODULE program = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_TRUE(found);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(program, found))),
                               SizeofResource(program, found));
    FreeLibrary(program);
    for (const char* part : {"level=\"asInvoker\"", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", ">true</dpiAware>",
                             ">PerMonitorV2, System</dpiAwareness>",
                             "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
    std::vector<char> data(GetFileVersionInfoSizeW(path.c_str(), nullptr));
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, DWORD(data.size()), data.data()));
    std::string values;
    for (const wchar_t* name : {L"ProductName", L"FileVersion"}) {
        wchar_t* text = nullptr;
        UINT length = 0;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
        VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&text), &length);
        values += ui::Narrow(text ? text : L"?") + "|";
    }
    EXPECT_EQ(values, "Corvel Config|" CORVEL_VERSION "|");
}

}  // namespace
