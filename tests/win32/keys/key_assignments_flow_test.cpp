// From the main menu to the saved [Keys] section, as a user goes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "app/app_context.h"
#include "app/main_menu_dialog.h"
#include "keys/command_catalogue.h"
#include "platform/win32/controls.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

TEST(KeyAssignmentsFlowTest, MainMenuOpensKeyAssignmentsAndOkSavesEveryRow) {
    ResetApp();
    keys::ResetCatalogue();
    CMainMenuDlg menu;
    HWND menuWindow = menu.Create();
    ASSERT_NE(menuWindow, nullptr);
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    App().prefsPath = ui::Narrow(folder) + "corvel-keys-flow-Prefs.cfg";
    DeleteFileW(ui::Widen(App().prefsPath).c_str());

    bool opened = false;
    testui::RunWithModalHandler(
        [&] { testui::Click(menuWindow, IDC_MENU_KEY_ASSIGNMENTS); },
        [&](HWND dialog) {
            opened = true;
            EXPECT_EQ(testui::Text(dialog), "Key Assignments");
            EXPECT_EQ(GetWindow(dialog, GW_OWNER), menuWindow);
            EXPECT_FALSE(IsWindowEnabled(menuWindow));  // modal over the menu
            HWND combo = GetDlgItem(dialog, IDC_KC_COMMANDS);
            SendMessageW(combo, CB_SETCURSEL, 1, 0);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_KC_COMMANDS, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(combo));
            EXPECT_EQ(testui::ItemText(dialog, IDC_KC_ASSIGNMENT), "SHIFT + CTRL + T");
            testui::Click(dialog, IDOK);
        });
    EXPECT_TRUE(opened);
    EXPECT_TRUE(IsWindowEnabled(menuWindow));
    const char* path = App().prefsPath.c_str();
    EXPECT_EQ(GetPrivateProfileIntA("Keys", "Command.00-Modifier", -1, path), 3u);
    EXPECT_EQ(GetPrivateProfileIntA("Keys", "Command.00-Key", -1, path), 20u);
    EXPECT_EQ(GetPrivateProfileIntA("Keys", "Command.90-Key", -1, path), 0u);
    DeleteFileW(ui::Widen(App().prefsPath).c_str());
    ResetApp();
}

}  // namespace
