#include "app/configurator_app.h"

#include <windows.h>
#include <commctrl.h>

#include "app/main_menu_dialog.h"

bool CConfiguratorApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CMainMenuDlg menu;
    menu.DoModal();
    return false;
}
