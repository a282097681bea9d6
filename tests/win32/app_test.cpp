// The shell: the main menu and the aircraft selector driven as a user would,
// the flows from one tool to the next, and the program's manifest and
// version information (the simulator folder: locate_files_test.cpp).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/locate_files.h"
#include "app/main_menu_dialog.h"
#include "platform/win32/controls.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

namespace fs = std::filesystem;

// A scratch simulator folder; the program runs from its Norvane\Corvel folder, so the
// fallback finds it.
class MainMenu : public testing::Test {
  protected:
    void SetUp() override {
        fs::remove_all(m_root);
        fs::create_directories(m_root / "Norvane" / "Corvel");
        fs::current_path(m_root / "Norvane" / "Corvel");
        m_window = m_menu.Create();
    }
    void TearDown() override {
        fs::current_path(m_previous);
        fs::remove_all(m_root);
    }
    void Install(const std::string& variant) {  // 93500 lb empty, 12 business passengers
        testui::Put(m_root.u8string() + "\\SimObjects\\Airplanes\\" + variant + "\\Aircraft.cfg",
                    "[WEIGHT_AND_BALANCE]\r\nempty_weight=93500\r\n"
                    "station_load.4=\"1984,   26.0, 0.0, 0.0, First\"\r\n");
    }
    // Runs a menu command; the selector (when it opens) gets the opening's choices
    // clicked, then closes; each tool is passed to tool, which closes it.
    testui::Boxes Run(int button, std::vector<std::vector<int>> choices,
                      const std::function<void(HWND)>& tool) {
        size_t opening = 0;
        return testui::AnswerMessageBoxes(
            [&] { testui::Click(m_window, button); },
            [&](HWND window) {
                if (testui::Text(window) != "Aircraft Selector") {
                    return tool(window);
                }
                m_selectorLog += IsWindowEnabled(m_window) ? "menu enabled " : "";
                m_selectorLog += GetWindow(window, GW_OWNER) == m_window ? "" : "not owned ";
                for (int id = IDC_SEL_A318; id <= IDC_SEL_ACJ; ++id) {
                    m_selectorLog += ui::IsChecked(window, id) ? "pressed at opening " : "";
                }
                for (int id : opening < choices.size() ? choices[opening++] : std::vector<int>{}) {
                    testui::Click(window, id);
                }
                m_selectorLog += "|";
                PostMessageW(window, WM_COMMAND, IDCANCEL, 0);  // Escape or the close box
            });
    }
    testui::Boxes NotInstalled() {
        return {{"ERROR", testui::Message("not_installed"), MB_ICONEXCLAMATION, m_window}};
    }

    fs::path m_root = fs::temp_directory_path() / "corvel-menu";
    fs::path m_previous = fs::current_path();
    CMainMenuDlg m_menu;
    HWND m_window = nullptr;
    std::string m_selectorLog;
};

// Opened modally (its template: tests/data/win32): the tools' banners, the focus on
// Exit, so that Enter at once exits.
TEST_F(MainMenu, OpensWithBannersAndEnterPressesExit) {
    CMainMenuDlg menu;
    INT_PTR result = -1;
    testui::RunWithModalHandler(
        [&] { result = menu.DoModal(); },
        [](HWND window) {
            EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
            EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
            for (int id = IDC_MENU_CONFIGURATION; id <= IDC_MENU_KEY_ASSIGNMENTS; ++id) {
                EXPECT_TRUE(SendDlgItemMessageW(window, id, BM_GETIMAGE, IMAGE_BITMAP, 0)) << id;
            }
            EXPECT_EQ(GetFocus(), GetDlgItem(window, IDCANCEL));
            PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
            PostMessageW(GetFocus(), WM_KEYUP, VK_RETURN, 0);
        });
    EXPECT_EQ(result, IDCANCEL);
}

// The menu owns the selector: disabled while it is open (no second selector, no Exit under
// it). The last aircraft clicked counts; closed without one, it opens again; never pressed.
TEST_F(MainMenu, TheSelectorIsOwnedAndReopensUntilAChoice) {
    Install("Norvane Zelvia A319");  // the first click would open its load manager
    EXPECT_EQ(Run(IDC_MENU_LOAD_MANAGER, {{IDC_SEL_A319, IDC_SEL_A321}}, nullptr), NotInstalled());
    EXPECT_TRUE(IsWindowEnabled(m_window));
    EXPECT_EQ(Run(IDC_MENU_FUEL_PLANNER, {{}, {IDC_SEL_ACJ}}, nullptr), NotInstalled());
    EXPECT_EQ(m_selectorLog, "|||");
}

TEST_F(MainMenu, ASavedPayloadReachesTheFuelPlannerAndToolsNeedingNoAircraftOpen) {
    Install("Norvane Zelvia A320");
    EXPECT_EQ(Run(IDC_MENU_LOAD_MANAGER, {{IDC_SEL_A320}},
                  [](HWND manager) {
                      EXPECT_EQ(testui::Text(manager), "A320 Load Manager");
                      testui::Click(manager, IDOK);
                  }),
              (testui::Boxes{
                  {"WARNING", testui::Message("payload_saved"), MB_ICONINFORMATION, m_window}}));
    std::string zfw;  // 93500 lb empty (42412 kg) and 12 passengers of 75 kg
    Run(IDC_MENU_FUEL_PLANNER, {{IDC_SEL_A320}}, [&](HWND planner) {
        zfw = testui::ItemText(planner, IDC_FP_ZFW);
        testui::Click(planner, IDCANCEL);
    });
    EXPECT_EQ(zfw, "43312");
    EXPECT_EQ(m_selectorLog, "||");

    std::string opened;
    const auto open = [&](HWND window) {
        opened += testui::Text(window) + "|";
        testui::Click(window, IDOK);
    };
    const testui::Boxes boxes = Run(IDC_MENU_CONFIGURATION, {}, open);
    Run(IDC_MENU_KEY_ASSIGNMENTS, {}, open);
    EXPECT_EQ(opened, "Configuration|Key Assignments|");
    EXPECT_EQ(boxes, (testui::Boxes{{"WARNING", testui::Message("configuration_note"),
                                     MB_ICONINFORMATION, m_window}}));
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
