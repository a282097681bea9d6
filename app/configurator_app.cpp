#include "app/configurator_app.h"

#include <windows.h>

#include "app/main_menu_dialog.h"
#include "platform/win32/common_controls.h"
#include "res/messages.h"

bool CConfiguratorApp::InitInstance() {
    if (!ui::LoadCommonControls()) {
        MessageBoxA(nullptr, msg::kNoCommonControls, msg::kCaptionError, MB_OK | MB_ICONSTOP);
        return false;
    }
    CMainMenuDlg menu;
    menu.DoModal();
    return false;
}
