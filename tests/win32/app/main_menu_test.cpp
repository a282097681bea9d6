// The main menu and the aircraft selector, driven as a user would, and the
// flows that pass through the main menu from one tool to the next.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/main_menu_dialog.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace fs = std::filesystem;

namespace {

// A scratch simulator folder; the program runs from its Norvane\Corvel
// folder, so the fallback finds it.
class MainMenuTest : public testing::Test {
  protected:
    void SetUp() override {
        root_ =
            fs::temp_directory_path() / ("corvel-menu-" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "Norvane" / "Corvel");
        previous_ = fs::current_path();
        fs::current_path(root_ / "Norvane" / "Corvel");
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(root_);
    }
    void Install(const char* variant) {
        fs::path folder = root_ / "SimObjects" / "Airplanes" / variant;
        fs::create_directories(folder);
        std::ofstream(folder / "Aircraft.cfg", std::ios::binary)
            << "[WEIGHT_AND_BALANCE]\r\nempty_weight=93500\r\nstation_load.4=\"1984,   26.0, 0.0, "
               "0.0, First\"\r\n";
    }

    fs::path root_;
    fs::path previous_;
};

bool AnyAircraftPressed(HWND selector) {
    for (int id = IDC_SEL_A318; id <= IDC_SEL_ACJ; ++id) {
        if (ui::IsChecked(selector, id)) {
            return true;
        }
    }
    return false;
}

TEST_F(MainMenuTest, TemplateLayoutBannersAndFocus) {
    CMainMenuDlg menu;
    HWND dialog = menu.Create();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(testui::Text(dialog), "FSX Corvel Config");
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_FALSE(GetWindowLongW(dialog, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    RECT base{0, 0, 4, 8};
    MapDialogRect(dialog, &base);
    const int expected[][5] = {// id, x, y, width, height in dialog units, in tab order
                               {IDCANCEL, 7, 204, 305, 16},
                               {IDC_MENU_CONFIGURATION, 7, 7, 305, 42},
                               {IDC_MENU_LOAD_MANAGER, 7, 55, 305, 42},
                               {IDC_MENU_FUEL_PLANNER, 7, 104, 305, 42},
                               {IDC_MENU_KEY_ASSIGNMENTS, 7, 153, 305, 42}};
    HWND previous = nullptr;
    for (const auto& [id, x, y, width, height] : expected) {
        HWND control = menu.Item(id);
        ASSERT_TRUE(control) << id;
        RECT got;
        GetWindowRect(control, &got);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&got), 2);
        // The dialog manager converts position and size separately, rounding.
        EXPECT_EQ(got.left, MulDiv(x, base.right, 4)) << id;
        EXPECT_EQ(got.top, MulDiv(y, base.bottom, 8)) << id;
        EXPECT_EQ(got.right - got.left, MulDiv(width, base.right, 4)) << id;
        EXPECT_EQ(got.bottom - got.top, MulDiv(height, base.bottom, 8)) << id;
        if (previous) {
            EXPECT_EQ(GetNextDlgTabItem(dialog, previous, FALSE), control) << id;
        }
        previous = control;
        if (id != IDCANCEL) {
            EXPECT_TRUE(SendMessageW(control, BM_GETIMAGE, IMAGE_BITMAP, 0)) << "banner " << id;
        }
    }
    EXPECT_EQ(GetFocus(), menu.Item(IDCANCEL));
    EXPECT_FALSE(menu.Context().prefsPath.empty());  // located while the menu initialised
}

TEST_F(MainMenuTest, EnterRightAfterOpeningPressesExit) {
    CMainMenuDlg menu;
    INT_PTR result = -1;
    testui::RunWithModalHandler([&] { result = menu.DoModal(); },
                                [](HWND) {
                                    HWND focus = GetFocus();
                                    EXPECT_EQ(GetDlgCtrlID(focus), IDCANCEL);
                                    PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 0);
                                    PostMessageW(focus, WM_KEYUP, VK_RETURN, 0);
                                });
    EXPECT_EQ(result, IDCANCEL);
}

// The menu owns the selector: disabled while it is open, so no second
// selector or tool can be opened and Exit cannot end the menu under it.
TEST_F(MainMenuTest, TheSelectorDisablesTheMenuAndTheLastAircraftClickedCounts) {
    Install("Norvane Zelvia A319");  // the first click would open its load manager
    CMainMenuDlg menu;
    HWND dialog = menu.Create();
    auto boxes =
        testui::AnswerMessageBoxes([&] { menu.OnLoadManager(); },
                                   [&](HWND selector) {
                                       EXPECT_EQ(testui::Text(selector), "Aircraft Selector");
                                       EXPECT_EQ(GetWindow(selector, GW_OWNER), dialog);
                                       EXPECT_FALSE(IsWindowEnabled(dialog));
                                       testui::Click(selector, IDC_SEL_A319);
                                       testui::Click(selector, IDC_SEL_A321);
                                       testui::Click(selector, IDCANCEL);
                                   });
    EXPECT_TRUE(IsWindowEnabled(dialog));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, msg::kNotInstalled);
    EXPECT_EQ(boxes[0].caption, "ERROR");
    EXPECT_EQ(boxes[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(boxes[0].owner, dialog);
}

TEST_F(MainMenuTest, TheSelectorReopensUntilAChoiceAndAlwaysOpensReleased) {
    CMainMenuDlg menu;
    menu.Create();
    std::vector<bool> pressedAtOpening;
    auto choose = [&](HWND selector, bool escapeFirst) {
        pressedAtOpening.push_back(AnyAircraftPressed(selector));
        if (escapeFirst && pressedAtOpening.size() == 2) {
            PostMessageW(selector, WM_COMMAND, IDCANCEL, 0);  // Escape, no aircraft chosen
            return;
        }
        testui::Click(selector, IDC_SEL_ACJ);
        PostMessageW(selector, WM_CLOSE, 0, 0);
    };
    testui::AnswerMessageBoxes([&] { menu.OnLoadManager(); },
                               [&](HWND selector) { choose(selector, false); });
    auto boxes = testui::AnswerMessageBoxes([&] { menu.OnFuelPlanner(); },
                                            [&](HWND selector) { choose(selector, true); });
    // One opening for the Load Manager; two for the Fuel Planner, the first
    // closed without a choice. None shows an aircraft pressed.
    EXPECT_EQ(pressedAtOpening, (std::vector<bool>{false, false, false}));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, msg::kNotInstalled);
}

TEST_F(MainMenuTest, ASavedPayloadReachesTheFuelPlanner) {
    Install("Norvane Zelvia A320");
    CMainMenuDlg menu;
    menu.Create();
    auto selectA320 = [](HWND selector) {
        testui::Click(selector, IDC_SEL_A320);
        PostMessageW(selector, WM_CLOSE, 0, 0);
    };
    bool selectorDone = false;
    auto boxes =
        testui::AnswerMessageBoxes([&] { menu.OnLoadManager(); },
                                   [&](HWND window) {
                                       if (!selectorDone) {
                                           selectorDone = true;
                                           selectA320(window);
                                       } else {
                                           EXPECT_EQ(testui::Text(window), "A320 Load Manager");
                                           testui::Click(window, IDOK);
                                       }
                                   });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, msg::kPayloadSaved);
    EXPECT_EQ(boxes[0].caption, "WARNING");
    EXPECT_EQ(boxes[0].icon, static_cast<UINT>(MB_ICONINFORMATION));
    // 93500 lb empty (42412 kg) and 1984 lb of business passengers (12 x 75 kg).
    const int32_t saved = menu.Context().savedZfwKg[AircraftIndex(AircraftType::A320)];
    EXPECT_EQ(saved, 43312);
    EXPECT_EQ(menu.Context().savedZfwKg[AircraftIndex(AircraftType::A319)], 0);

    std::string zfwShown;
    selectorDone = false;
    testui::AnswerMessageBoxes([&] { menu.OnFuelPlanner(); },
                               [&](HWND window) {
                                   if (!selectorDone) {
                                       selectorDone = true;
                                       selectA320(window);
                                   } else {
                                       zfwShown = testui::ItemText(window, IDC_FP_ZFW);
                                       testui::Click(window, IDCANCEL);
                                   }
                               });
    EXPECT_EQ(zfwShown, std::to_string(saved));
}

TEST_F(MainMenuTest, ConfigurationAndKeyAssignmentsNeedNoAircraft) {
    CMainMenuDlg menu;
    menu.Create();
    std::vector<std::string> opened;
    auto boxes = testui::AnswerMessageBoxes(
        [&] {
            menu.OnAircraftConfiguration();
            menu.OnKeyAssignments();
        },
        [&](HWND window) {
            opened.push_back(testui::Text(window));
            testui::Click(window, opened.size() == 1 ? IDOK : IDCANCEL);
        });
    EXPECT_EQ(opened, (std::vector<std::string>{"Configuration", "Key Assignments"}));
    ASSERT_EQ(boxes.size(), 1u);  // the note after the configuration's OK only
    EXPECT_EQ(boxes[0].text, msg::kConfigurationNote);
    EXPECT_EQ(boxes[0].icon, static_cast<UINT>(MB_ICONINFORMATION));
}

}  // namespace
