// The yardstick for the program's start-up and tool times: the smallest
// dialog program started the same way as ours, with the same manifest and
// the same dialog templates (res/app.rc is linked in). Its main dialog's
// buttons open each tool's own template bare: a dialog procedure that does
// nothing but close on Ok or Cancel, so no fields filled, no files read, no
// pictures. Load Manager and Fuel Planner open the Aircraft Selector's
// template first and the tool's once it closes, as ours do.
#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"

namespace {

constexpr int kMainDialog = 900;  // minimal_dialog.rc

INT_PTR CALLBACK BareProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

void OpenBare(HWND owner, int id) {
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), owner, BareProc, 0);
}

INT_PTR CALLBACK MainProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND) {
        return message == WM_INITDIALOG;
    }
    switch (LOWORD(wParam)) {
        case IDC_MENU_CONFIGURATION:
            OpenBare(dialog, IDD_CONFIGURATION);
            return TRUE;
        case IDC_MENU_LOAD_MANAGER:
            OpenBare(dialog, IDD_AIRCRAFT_SELECTOR);
            OpenBare(dialog, IDD_A320_LOAD_MANAGER);
            return TRUE;
        case IDC_MENU_FUEL_PLANNER:
            OpenBare(dialog, IDD_AIRCRAFT_SELECTOR);
            OpenBare(dialog, IDD_FUEL_PLANNER);
            return TRUE;
        case IDC_MENU_KEY_ASSIGNMENTS:
            OpenBare(dialog, IDD_KEY_CONFIG);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // The DLLs loaded as ours loads them (platform/win32/system_library.h,
    // common_controls.h), so that both get the same controls drawn the same
    // way: the theme DLL from the system folder first, then the common
    // controls by name (the manifest binds version 6).
    wchar_t theme[MAX_PATH];
    const UINT length = GetSystemDirectoryW(theme, MAX_PATH - 16);
    lstrcpyW(theme + length, L"\\uxtheme.dll");
    LoadLibraryW(theme);
    using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init = reinterpret_cast<Init>(reinterpret_cast<void*>(
        GetProcAddress(LoadLibraryW(L"comctl32.dll"), "InitCommonControlsEx")));
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    if (!init || !init(&controls)) {
        return 1;
    }
    DialogBoxParamW(instance, MAKEINTRESOURCEW(kMainDialog), nullptr, MainProc, 0);
    return 0;
}
