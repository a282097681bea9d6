#include "payload/load_manager_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>

#include "payload/payload_balance.h"
#include "platform/win32/controls.h"
#include "res/colors.h"
#include "res/messages.h"
#include "res/resource.h"

namespace payload {

namespace {

struct FieldColor {
    int id;
    COLORREF background;
};

constexpr FieldColor kFieldColors[] = {
    {IDC_LM_FIRST_COUNT, colors::kPassengerCount},
    {IDC_LM_SECOND_COUNT, colors::kPassengerCount},
    {IDC_LM_FIRST_WEIGHT, colors::kPassengerWeight},
    {IDC_LM_SECOND_WEIGHT, colors::kPassengerWeight},
    {IDC_LM_FORWARD_PERCENT, colors::kCargoPercent},
    {IDC_LM_AFT_PERCENT, colors::kCargoPercent},
    {IDC_LM_FORWARD_WEIGHT, colors::kCargoWeight},
    {IDC_LM_AFT_WEIGHT, colors::kCargoWeight},
    {IDC_LM_PAX_WEIGHT, colors::kPassengerWeight},
    {IDC_LM_CARGO_WEIGHT, colors::kCargoWeight},
};

constexpr int kSliders[] = {IDC_LM_FIRST_SLIDER, IDC_LM_SECOND_SLIDER, IDC_LM_FORWARD_SLIDER,
                            IDC_LM_AFT_SLIDER};

constexpr int kZfwFontTenthsOfPoint = 90;

// The balance line's band, dialog units: as wide as the Weight Unit box
// (which ends where Cancel ends), between that box and the buttons.
constexpr int kBalanceLineWidth = 181;
constexpr int kBalanceLineAboveButtons = 27;
constexpr int kBalanceLineGap = 2;

uint32_t SliderPos(HWND dialog, int id) {
    return static_cast<uint32_t>(std::max(0, ui::GetTrackbarPos(GetDlgItem(dialog, id))));
}

int ToInt(uint32_t value) {
    return static_cast<int>(std::min<uint32_t>(value, INT_MAX));
}

// Sets a field only when its text changes: the fields are refreshed on
// every paint of a slider, and an unchanged field should not flicker.
template <typename Number>
void ShowNumber(HWND dialog, int id, Number value) {
    std::string text = std::to_string(value);
    if (ui::GetItemText(dialog, id) != text) {
        ui::SetItemText(dialog, id, text);
    }
}

}  // namespace

static_assert(std::size(kFieldColors) == 10, "one colour per coloured field");

std::optional<int32_t> RunLoadManager(HWND owner, const LoadManagerInput& input) {
    if (!IsAircraft(input.aircraft)) {
        return std::nullopt;
    }
    detail::CLoadManager manager(owner, input);
    if (!manager.IsInstalled() || manager.DoModal() != IDOK) {
        return std::nullopt;
    }
    // Every variant is attempted before the first failure is shown.
    const std::vector<SaveFailure> failures = manager.SavePayload();
    for (const SaveFailure& failure : failures) {
        ui::ShowMessage(owner,
                        msg::SaveFailure(msg::kPayloadNotSaved, failure.path, failure.status),
                        msg::kCaptionError, MB_ICONEXCLAMATION);
    }
    if (!failures.empty()) {
        return std::nullopt;
    }
    return manager.ZfwKg();
}

namespace detail {

CLoadManager::CLoadManager(HWND owner, const LoadManagerInput& input)
    : ui::CDialog(Aircraft(input.aircraft).loadManagerTemplate, owner),
      m_aircraft(Aircraft(input.aircraft)),
      m_files(AircraftFilePaths(input.aircraft, input.simFolder)),
      m_installed(FindInstalledVariants(m_files)),
      m_balanceLine(colors::kWarningText) {}

CLoadManager::~CLoadManager() {
    // The window goes before the font and the field brushes it uses.
    if (GetHwnd()) {
        DestroyWindow(GetHwnd());
    }
    if (m_pZfwFont) {
        DeleteObject(m_pZfwFont);
    }
}

std::vector<SaveFailure> CLoadManager::SavePayload() const {
    return payload::SavePayload(m_files, m_installed, m_load, m_aircraft);
}

BOOL CLoadManager::OnInitDialog() {
    for (int i = 0; i < kColoredFieldCount; ++i) {
        m_fields[i].Attach(GetHwnd(), kFieldColors[i].id);
    }
    m_zfw.Attach(GetHwnd(), IDC_LM_ZFW);
    ui::SetText(GetHwnd(), m_aircraft.loadManagerTitle);
    CenterOnOwner();
    InitControls();
    // An IAE-only install reads its own file rather than the missing base.
    Opening opening = ReadOpening(PayloadSourceFile(m_files), m_aircraft);
    m_load = opening.load;
    m_balance = std::move(opening.balance);
    m_limits = opening.limits;
    CreateBalanceLine();
    ui::SetTrackbarPos(Item(IDC_LM_FIRST_SLIDER), ToInt(m_load.businessPax));
    ui::SetTrackbarPos(Item(IDC_LM_SECOND_SLIDER), ToInt(m_load.economyPax));
    ui::SetTrackbarPos(Item(IDC_LM_FORWARD_SLIDER), ToInt(m_load.forwardCargoPercent));
    ui::SetTrackbarPos(Item(IDC_LM_AFT_SLIDER), ToInt(m_load.aftCargoPercent));
    m_bControlsReady = true;
    ShowLoad();
    return TRUE;
}

void CLoadManager::OnOK() {
    // Save exactly what the thumbs show, even if a move has not painted yet.
    FollowSliders();
    CDialog::OnOK();
}

void CLoadManager::InitControls() {
    const int seats[] = {m_aircraft.firstClassSeats, m_aircraft.secondClassSeats};
    const int classSliders[] = {IDC_LM_FIRST_SLIDER, IDC_LM_SECOND_SLIDER};
    const int classBars[] = {IDC_LM_FIRST_BAR, IDC_LM_SECOND_BAR};
    for (int i = 0; i < 2; ++i) {
        ui::SetTrackbarRange(Item(classSliders[i]), 0, seats[i], true);
        ui::SetProgressRange(Item(classBars[i]), 0, seats[i]);
        ui::SetProgressColors(Item(classBars[i]), colors::kPassengerWeight, colors::kBarBackground);
    }
    for (int bar : {IDC_LM_FORWARD_BAR, IDC_LM_AFT_BAR}) {
        ui::SetProgressRange(Item(bar), 0, kMaxHoldPercent);
        ui::SetProgressColors(Item(bar), colors::kCargoWeight, colors::kBarBackground);
    }
    // The hold sliders keep the trackbar's own range of 0 to 100.

    ui::CheckRadio(GetHwnd(), IDC_LM_METRIC, IDC_LM_IMPERIAL, IDC_LM_METRIC);
    m_unit = WeightUnit::Kg;

    for (int i = 0; i < kColoredFieldCount; ++i) {
        m_fields[i].SetBackgroundColor(kFieldColors[i].background);
    }
    m_zfw.SetBackgroundColor(colors::kKeyFigure);
    m_zfw.SetTextColor(colors::kKeyFigureText);

    if (!m_pZfwFont) {
        HDC screen = GetDC(nullptr);
        const int height = GetDeviceCaps(screen, LOGPIXELSY) * kZfwFontTenthsOfPoint / 720;
        ReleaseDC(nullptr, screen);
        m_pZfwFont = CreateFontW(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                                 0, 0, 0, L"Tahoma");
    }
    SendMessageW(m_zfw.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(m_pZfwFont), TRUE);
}

void CLoadManager::FollowSliders() {
    HWND dialog = GetHwnd();
    LoadState load = m_load;
    load.businessPax = SliderPos(dialog, IDC_LM_FIRST_SLIDER);
    load.economyPax = SliderPos(dialog, IDC_LM_SECOND_SLIDER);
    load.forwardCargoPercent = SliderPos(dialog, IDC_LM_FORWARD_SLIDER);
    load.aftCargoPercent = SliderPos(dialog, IDC_LM_AFT_SLIDER);
    m_load = ClampToAircraft(load, m_aircraft);
    ShowLoad();
}

void CLoadManager::ShowLoad() {
    HWND dialog = GetHwnd();
    const uint32_t counts[] = {m_load.businessPax, m_load.economyPax, m_load.forwardCargoPercent,
                               m_load.aftCargoPercent};
    const int countFields[] = {IDC_LM_FIRST_COUNT, IDC_LM_SECOND_COUNT, IDC_LM_FORWARD_PERCENT,
                               IDC_LM_AFT_PERCENT};
    const int bars[] = {IDC_LM_FIRST_BAR, IDC_LM_SECOND_BAR, IDC_LM_FORWARD_BAR, IDC_LM_AFT_BAR};
    for (int i = 0; i < 4; ++i) {
        ShowNumber(dialog, countFields[i], counts[i]);
        ui::SetProgressPos(Item(bars[i]), ToInt(counts[i]));
    }
    const PayloadFields fields = Recalculate(m_load, m_unit, m_aircraft);
    ShowNumber(dialog, IDC_LM_FIRST_WEIGHT, fields.businessWeight);
    ShowNumber(dialog, IDC_LM_SECOND_WEIGHT, fields.economyWeight);
    ShowNumber(dialog, IDC_LM_PAX_WEIGHT, fields.paxWeight);
    ShowNumber(dialog, IDC_LM_FORWARD_WEIGHT, fields.forwardCargoWeight);
    ShowNumber(dialog, IDC_LM_AFT_WEIGHT, fields.aftCargoWeight);
    ShowNumber(dialog, IDC_LM_CARGO_WEIGHT, fields.cargoWeight);
    ShowNumber(dialog, IDC_LM_AIRCRAFT_WEIGHT, fields.aircraftWeight);
    ShowNumber(dialog, IDC_LM_ZFW, fields.zfw);
    m_zfwKg = fields.currentZfwKg;
    const balance::StatusLine line =
        ZeroFuelLine(m_load, m_zfwKg, m_balance, m_limits, m_unit, m_aircraft);
    m_balanceLine.Show(line.text, line.warning);
}

void CLoadManager::CreateBalanceLine() {
    RECT ok{}, cancel{};
    GetWindowRect(Item(IDOK), &ok);
    GetWindowRect(Item(IDCANCEL), &cancel);
    MapWindowPoints(nullptr, GetHwnd(), reinterpret_cast<POINT*>(&ok), 2);
    MapWindowPoints(nullptr, GetHwnd(), reinterpret_cast<POINT*>(&cancel), 2);
    RECT units{0, 0, kBalanceLineWidth, kBalanceLineAboveButtons};
    RECT gap{0, 0, 0, kBalanceLineGap};
    MapDialogRect(GetHwnd(), &units);
    MapDialogRect(GetHwnd(), &gap);
    const RECT line{cancel.right - units.right, ok.top - units.bottom, cancel.right,
                    ok.top - gap.bottom};
    m_balanceLine.Create(GetHwnd(), IDC_LM_BALANCE_LINE, line);
}

bool CLoadManager::OnCommand(int id, int code, HWND /*control*/) {
    if (code != BN_CLICKED || (id != IDC_LM_METRIC && id != IDC_LM_IMPERIAL)) {
        return false;
    }
    m_unit = id == IDC_LM_IMPERIAL ? WeightUnit::Lb : WeightUnit::Kg;
    FollowSliders();
    return true;
}

bool CLoadManager::OnNotify(int id, NMHDR* header, LRESULT* result) {
    // A slider paints whenever its thumb moves (drag, keys, or a position
    // set by the program): its custom-draw notification is the live update.
    if (header->code != static_cast<UINT>(NM_CUSTOMDRAW) ||
        std::find(std::begin(kSliders), std::end(kSliders), id) == std::end(kSliders)) {
        return false;
    }
    if (m_bControlsReady) {
        FollowSliders();
    }
    *result = CDRF_DODEFAULT;
    return true;
}

void CLoadManager::CenterOnOwner() {
    // Centred over the owner, and kept within the work area: the dialog is
    // taller than many owners.
    HWND hwnd = GetHwnd();
    HWND owner = GetWindow(hwnd, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT area = monitor.rcWork;
    RECT around = area;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) {
        GetWindowRect(owner, &around);
    }
    RECT own{};
    GetWindowRect(hwnd, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    int x = around.left + (around.right - around.left - width) / 2;
    int y = around.top + (around.bottom - around.top - height) / 2;
    x = std::max<int>(area.left, std::min<int>(x, area.right - width));
    y = std::max<int>(area.top, std::min<int>(y, area.bottom - height));
    SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace detail

}  // namespace payload
