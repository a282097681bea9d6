#include "app/main_menu_dialog.h"

#include "app/aircraft_selector_dialog.h"
#include "app/app_context.h"
#include "app/locate_files.h"
#include "app/restore_originals_dialog.h"
#include "app/tools.h"
#include "payload/aircraft_files.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"

namespace {

struct MenuButton {
    int id;
    int bitmap;
};

constexpr MenuButton kButtons[] = {
    {IDC_MENU_CONFIGURATION, IDB_CONFIGURATION_BANNER},
    {IDC_MENU_LOAD_MANAGER, IDB_LOAD_MANAGER_BANNER},
    {IDC_MENU_FUEL_PLANNER, IDB_FUEL_PLANNER_BANNER},
    {IDC_MENU_KEY_ASSIGNMENTS, IDB_KEY_CONFIG_BANNER},
};

HICON LoadAppIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace

CMainMenuDlg::CMainMenuDlg()
    : CDialog(IDD_MAIN_MENU),
      m_hIcon(LoadAppIcon(GetSystemMetrics(SM_CXICON))),
      m_hSmallIcon(LoadAppIcon(GetSystemMetrics(SM_CXSMICON))) {}

BOOL CMainMenuDlg::OnInitDialog() {
    SendMessageW(GetHwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(GetHwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hSmallIcon));
    for (const MenuButton& button : kButtons) {
        ui::SetButtonBitmap(GetHwnd(), button.id, ui::CachedBitmap(button.bitmap));
    }
    LocateFiles();
    AddRestoreOriginalsMenuItem(GetHwnd());
    return TRUE;  // the focus goes to the first tab stop, Exit
}

void CMainMenuDlg::OnOK() {
    // Enter: the menu has no OK button, so Enter presses the focused button
    // (Exit when the menu has just opened), as the dialog manager does when
    // a focused push button is the default one.
    HWND focus = GetFocus();
    if (focus && IsChild(GetHwnd(), focus) &&
        (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        SendMessageW(focus, BM_CLICK, 0, 0);
    }
}

bool CMainMenuDlg::OnCommand(int id, int code, HWND /*control*/) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (id) {
        case IDC_MENU_LOAD_MANAGER:
            OnLoadManager();
            return true;
        case IDC_MENU_CONFIGURATION:
            OnAircraftConfiguration();
            return true;
        case IDC_MENU_FUEL_PLANNER:
            OnFuelPlanner();
            return true;
        case IDC_MENU_KEY_ASSIGNMENTS:
            OnKeyAssignments();
            return true;
        default:
            return false;
    }
}

void CMainMenuDlg::SelectAircraft() {
    // Closing the selector without a choice shows it again: the user leaves
    // it only by choosing an aircraft.
    while (App().selectedAircraft == AircraftType::None) {
        CAircraftSelector selector;
        selector.DoModal();
    }
}

void CMainMenuDlg::ShowNotInstalled() {
    ui::ShowMessage(GetHwnd(), msg::kNotInstalled, msg::kCaptionError, MB_ICONEXCLAMATION);
}

void CMainMenuDlg::OnLoadManager() {
    SelectAircraft();
    AircraftType aircraft = App().selectedAircraft;
    if (!IsAircraft(aircraft) || !IsInstalled(AircraftFilePaths(aircraft, App().simFolder))) {
        ShowNotInstalled();
    } else if (tools::RunLoadManager(GetHwnd(), aircraft)) {
        App().savedZfwKg[AircraftIndex(aircraft)] = App().currentZfwKg;
        ui::ShowMessage(GetHwnd(), msg::kPayloadSaved, msg::kCaptionWarning, MB_ICONINFORMATION);
    }
    App().selectedAircraft = AircraftType::None;
}

void CMainMenuDlg::OnFuelPlanner() {
    SelectAircraft();
    AircraftType aircraft = App().selectedAircraft;
    if (!IsAircraft(aircraft) || !IsInstalled(AircraftFilePaths(aircraft, App().simFolder))) {
        ShowNotInstalled();
    } else {
        tools::RunFuelPlanner(GetHwnd());
    }
    App().selectedAircraft = AircraftType::None;
}

void CMainMenuDlg::OnAircraftConfiguration() {
    if (tools::RunConfiguration(GetHwnd()) == 1) {
        ui::ShowMessage(GetHwnd(), msg::kConfigurationNote, msg::kCaptionWarning,
                        MB_ICONINFORMATION);
    }
}

void CMainMenuDlg::OnKeyAssignments() {
    tools::RunKeyAssignments(GetHwnd());
}

bool CMainMenuDlg::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, INT_PTR* result) {
    switch (message) {
        case WM_SYSCOMMAND:
            *result = TRUE;
            return HandleRestoreOriginalsCommand(GetHwnd(), wParam);
        case WM_PAINT:
            if (IsIconic(GetHwnd())) {
                OnPaint();
                *result = TRUE;
                return true;
            }
            return false;
        case WM_QUERYDRAGICON:
            *result = reinterpret_cast<INT_PTR>(m_hIcon);
            return true;
        default:
            return false;
    }
}

void CMainMenuDlg::OnPaint() {
    // Minimised: the application icon in the middle of the client area.
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(GetHwnd(), &paint);
    SendMessageW(GetHwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(GetHwnd(), &client);
    int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(GetHwnd(), &paint);
}
