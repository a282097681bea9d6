#include <windows.h>

#include "app/main_menu_dialog.h"
#include "platform/win32/common_controls.h"
#include "platform/win32/system_library.h"
#include "res/messages.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    ui::RestrictDllSearchToSystemFolder();
    // The program is built to compute with SSE2 (its figures are then the same as on any other
    // build); without it the first floating-point instruction would crash. Nothing before this
    // line computes, and the message boxes need no text conversion.
    if (!IsProcessorFeaturePresent(PF_XMMI64_INSTRUCTIONS_AVAILABLE)) {
        MessageBoxA(nullptr, msg::kNeedsSse2, msg::kCaptionError, MB_OK | MB_ICONSTOP);
        return 1;
    }
    if (!ui::LoadCommonControls()) {
        MessageBoxA(nullptr, msg::kNoCommonControls, msg::kCaptionError, MB_OK | MB_ICONSTOP);
        return 1;
    }
    CMainMenuDlg menu;
    menu.DoModal();
    return 0;
}
