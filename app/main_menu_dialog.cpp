#include "app/main_menu_dialog.h"

#include <optional>
#include <utility>

#include "app/aircraft_selector_dialog.h"
#include "app/help.h"
#include "app/system_menu.h"
#include "fuel/fuel_planner_dialog.h"
#include "keys/key_config_dialog.h"
#include "options/configuration_dialog.h"
#include "payload/aircraft_files.h"
#include "payload/load_manager_dialog.h"
#include "platform/win32/controls.h"
#include "platform/win32/pictures.h"
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

CMainMenuDlg::CMainMenuDlg(std::function<SimulatorPaths()> locate)
    : CDialog(IDD_MAIN_MENU),
      m_locate(std::move(locate)),
      m_hIcon(LoadAppIcon(GetSystemMetrics(SM_CXICON))),
      m_hSmallIcon(LoadAppIcon(GetSystemMetrics(SM_CXSMICON))) {}

BOOL CMainMenuDlg::OnInitDialog() {
    SendMessageW(GetHwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(GetHwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hSmallIcon));
    for (const MenuButton& button : kButtons) {
        ui::SetButtonBitmap(GetHwnd(), button.id, ui::CachedBitmap(button.bitmap));
    }
    Locate();
    system_menu::AddEntries(GetHwnd());
    return TRUE;  // the focus goes to the first tab stop, Exit
}

void CMainMenuDlg::Locate() {
    const SimulatorPaths paths = m_locate();
    m_context.simFolder = paths.simFolder;
    m_context.prefsPath = paths.prefsPath;
    m_context.simFolderFoundBy = paths.foundBy;
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

// The tools and the selector are owned by the main menu, so the menu stays
// disabled while one is open and nothing can be opened over it.

AircraftType CMainMenuDlg::SelectAircraft() {
    // Closing the selector without a choice shows it again: the user leaves
    // it only by choosing an aircraft.
    AircraftType chosen = AircraftType::None;
    while (chosen == AircraftType::None) {
        chosen = RunAircraftSelector(GetHwnd());
    }
    return chosen;
}

bool CMainMenuDlg::IsAircraftInstalled(AircraftType aircraft) {
    if (IsInstalled(AircraftFilePaths(aircraft, m_context.simFolder))) {
        return true;
    }
    ui::ShowMessage(GetHwnd(), msg::kNotInstalled, msg::kCaptionError, MB_ICONEXCLAMATION);
    return false;
}

void CMainMenuDlg::OnLoadManager() {
    const AircraftType aircraft = SelectAircraft();
    if (!IsAircraftInstalled(aircraft)) {
        return;
    }
    if (std::optional<int32_t> zfwKg = payload::RunLoadManager(
            GetHwnd(), {aircraft, m_context.simFolder, &m_context.setLoad[AircraftIndex(aircraft)],
                        &m_context.flightPlan})) {
        m_context.savedZfwKg[AircraftIndex(aircraft)] = *zfwKg;
        ui::ShowMessage(GetHwnd(), msg::kPayloadSaved, msg::kCaptionWarning, MB_ICONINFORMATION);
    }
}

void CMainMenuDlg::OnFuelPlanner() {
    const AircraftType aircraft = SelectAircraft();
    if (IsAircraftInstalled(aircraft)) {
        fuel::RunFuelPlanner(GetHwnd(),
                             {aircraft, m_context.savedZfwKg[AircraftIndex(aircraft)],
                              PayloadSourceFile(AircraftFilePaths(aircraft, m_context.simFolder)),
                              &m_context.flightPlan});
    }
}

void CMainMenuDlg::OnAircraftConfiguration() {
    if (options::RunConfiguration(GetHwnd(), m_context.prefsPath, m_context.configuration)) {
        ui::ShowMessage(GetHwnd(), msg::kConfigurationNote, msg::kCaptionWarning,
                        MB_ICONINFORMATION);
    }
}

void CMainMenuDlg::OnKeyAssignments() {
    keys::RunKeyAssignments(GetHwnd(), m_context.prefsPath, m_context.commands);
}

bool CMainMenuDlg::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, INT_PTR* result) {
    switch (message) {
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
        case WM_HELP:  // F1
            OpenUserGuide(GetHwnd());
            *result = TRUE;
            return true;
        case WM_SYSCOMMAND:
            *result = TRUE;  // used only when the entry was ours
            return system_menu::OnSysCommand(GetHwnd(), wParam, m_context, [this] { Locate(); });
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
