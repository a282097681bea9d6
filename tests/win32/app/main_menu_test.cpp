// The main menu and the aircraft selector, driven as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/main_menu_dialog.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

// A scratch simulator folder with no aircraft; the program runs from its
// Norvane\Corvel folder, so the fallback finds it.
class MainMenuTest : public testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root_ = std::wstring(temp) + L"corvel-menu-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(root_.c_str(), nullptr);
        CreateDirectoryW((root_ + L"\\Norvane").c_str(), nullptr);
        CreateDirectoryW((root_ + L"\\Norvane\\Corvel").c_str(), nullptr);
        GetCurrentDirectoryW(MAX_PATH, previous_);
        SetCurrentDirectoryW((root_ + L"\\Norvane\\Corvel").c_str());
        ResetApp();
    }
    void TearDown() override {
        SetCurrentDirectoryW(previous_);
        RemoveDirectoryW((root_ + L"\\Norvane\\Corvel").c_str());
        RemoveDirectoryW((root_ + L"\\Norvane").c_str());
        RemoveDirectoryW(root_.c_str());
        ResetApp();
    }

    std::wstring root_;
    wchar_t previous_[MAX_PATH] = {};
};

// Where the dialog manager puts a control given in dialog units: position
// and size are each converted with rounding, as the dialog manager does.
RECT DialogRect(HWND dialog, int x, int y, int width, int height) {
    RECT base{0, 0, 4, 8};
    MapDialogRect(dialog, &base);
    int left = MulDiv(x, base.right, 4);
    int top = MulDiv(y, base.bottom, 8);
    return {left, top, left + MulDiv(width, base.right, 4), top + MulDiv(height, base.bottom, 8)};
}

RECT ClientRectOf(HWND dialog, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST_F(MainMenuTest, TemplateMatchesTheLayout) {
    CMainMenuDlg menu;
    HWND dialog = menu.Create();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(testui::Text(dialog), "FSX Corvel Config");
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    LONG style = GetWindowLongW(dialog, GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    struct Expected {
        int id;
        RECT units;  // x, y, width, height in dialog units
    };
    const Expected controls[] = {
        {IDCANCEL, {7, 204, 305, 16}},
        {IDC_MENU_CONFIGURATION, {7, 7, 305, 42}},
        {IDC_MENU_LOAD_MANAGER, {7, 55, 305, 42}},
        {IDC_MENU_FUEL_PLANNER, {7, 104, 305, 42}},
        {IDC_MENU_KEY_ASSIGNMENTS, {7, 153, 305, 42}},
    };
    HWND previous = nullptr;
    for (const Expected& expected : controls) {
        HWND control = menu.Item(expected.id);
        ASSERT_TRUE(control) << expected.id;
        RECT want = DialogRect(dialog, expected.units.left, expected.units.top,
                               expected.units.right, expected.units.bottom);
        RECT got = ClientRectOf(dialog, control);
        EXPECT_EQ(got.left, want.left) << expected.id;
        EXPECT_EQ(got.top, want.top) << expected.id;
        EXPECT_EQ(got.right, want.right) << expected.id;
        EXPECT_EQ(got.bottom, want.bottom) << expected.id;
        // Tab order is template order.
        if (previous) {
            EXPECT_EQ(GetNextDlgTabItem(dialog, previous, FALSE), control) << expected.id;
        }
        previous = control;
        if (expected.id != IDCANCEL) {
            EXPECT_TRUE(GetWindowLongW(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
            EXPECT_TRUE(SendMessageW(control, BM_GETIMAGE, IMAGE_BITMAP, 0))
                << "banner missing on " << expected.id;
        }
    }
    EXPECT_EQ(GetFocus(), menu.Item(IDCANCEL));
    // The simulator folder was located while the menu initialised.
    EXPECT_FALSE(App().prefsPath.empty());
}

TEST_F(MainMenuTest, EnterRightAfterOpeningPressesExit) {
    CMainMenuDlg menu;
    INT_PTR result = -1;
    testui::RunWithModalHandler([&] { result = menu.DoModal(); },
                                [](HWND dialog) {
                                    HWND focus = GetFocus();
                                    EXPECT_EQ(GetDlgCtrlID(focus), IDCANCEL);
                                    PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 0);
                                    PostMessageW(focus, WM_KEYUP, VK_RETURN, 0);
                                    (void)dialog;
                                });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(MainMenuTest, TheLastAircraftClickedCountsAndAnUninstalledOneIsRefused) {
    CMainMenuDlg menu;
    HWND dialog = menu.Create();
    AircraftType chosen = AircraftType::None;
    auto boxes =
        testui::AnswerMessageBoxes([&] { menu.OnLoadManager(); },
                                   [&](HWND selector) {
                                       EXPECT_EQ(testui::Text(selector), "Aircraft Selector");
                                       testui::Click(selector, IDC_SEL_A319);
                                       testui::Click(selector, IDC_SEL_A321);
                                       chosen = App().selectedAircraft;
                                       testui::Click(selector, IDCANCEL);
                                   });
    EXPECT_EQ(chosen, AircraftType::A321);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, msg::kNotInstalled);
    EXPECT_EQ(boxes[0].caption, "ERROR");
    EXPECT_EQ(boxes[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(boxes[0].owner, dialog);
    EXPECT_EQ(App().selectedAircraft, AircraftType::None);
    for (int slot : App().savedZfwKg) {
        EXPECT_EQ(slot, 0);
    }
}

TEST_F(MainMenuTest, ClosingTheSelectorWithoutAChoiceOpensItAgain) {
    CMainMenuDlg menu;
    menu.Create();
    int openings = 0;
    std::vector<bool> pressedAtOpening;
    auto boxes =
        testui::AnswerMessageBoxes([&] { menu.OnFuelPlanner(); },
                                   [&](HWND selector) {
                                       ++openings;
                                       bool anyPressed = false;
                                       for (int id = IDC_SEL_A318; id <= IDC_SEL_ACJ; ++id) {
                                           anyPressed |= ui::IsChecked(selector, id);
                                       }
                                       pressedAtOpening.push_back(anyPressed);
                                       if (openings == 1) {
                                           // Escape, no aircraft chosen.
                                           PostMessageW(selector, WM_COMMAND, IDCANCEL, 0);
                                       } else {
                                           testui::Click(selector, IDC_SEL_ACJ);
                                           PostMessageW(selector, WM_CLOSE, 0, 0);
                                       }
                                   });
    EXPECT_EQ(openings, 2);
    EXPECT_EQ(pressedAtOpening, (std::vector<bool>{false, false}));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, msg::kNotInstalled);
    EXPECT_EQ(App().selectedAircraft, AircraftType::None);
}

TEST_F(MainMenuTest, ASecondSelectionShowsEveryAircraftReleased) {
    CMainMenuDlg menu;
    menu.Create();
    for (int round = 0; round < 2; ++round) {
        bool anyPressed = true;
        testui::AnswerMessageBoxes([&] { menu.OnLoadManager(); },
                                   [&](HWND selector) {
                                       anyPressed = false;
                                       for (int id = IDC_SEL_A318; id <= IDC_SEL_ACJ; ++id) {
                                           anyPressed |= ui::IsChecked(selector, id);
                                       }
                                       testui::Click(selector, IDC_SEL_A320);
                                       EXPECT_TRUE(ui::IsChecked(selector, IDC_SEL_A320));
                                       testui::Click(selector, IDCANCEL);
                                   });
        EXPECT_FALSE(anyPressed) << "round " << round;
    }
}

}  // namespace
