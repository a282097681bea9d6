#include "payload/load_manager_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "app/app_context.h"
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

CLoadManagerBase::CLoadManagerBase(int templateId, AircraftType aircraft, HWND parent)
    : ui::CDialog(templateId, parent),
      m_constants(ConstantsFor(aircraft)),
      m_files(AircraftFilePaths(aircraft, App().simFolder)),
      m_installed(FindInstalledVariants(m_files)),
      m_bInstalled(m_installed.base || m_installed.iae) {}

CLoadManagerBase::~CLoadManagerBase() {
    // The window goes before the font and the field brushes it uses.
    if (GetHwnd()) {
        DestroyWindow(GetHwnd());
    }
    if (m_pZfwFont) {
        DeleteObject(m_pZfwFont);
    }
}

std::vector<SaveFailure> CLoadManagerBase::SavePayload() const {
    return payload::SavePayload(m_files, m_installed, m_load, m_constants);
}

BOOL CLoadManagerBase::OnInitDialog() {
    for (int i = 0; i < kColoredFieldCount; ++i) {
        m_fields[i].Attach(GetHwnd(), kFieldColors[i].id);
    }
    m_zfw.Attach(GetHwnd(), IDC_LM_ZFW);
    CenterOnOwner();
    InitPayloadControls(m_constants.firstClassSeats, m_constants.secondClassSeats);
    m_bControlsReady = true;
    ReadPayload();
    return TRUE;
}

void CLoadManagerBase::OnOK() {
    // Save exactly what the thumbs show, even if a move has not painted yet.
    Recalculate();
    CDialog::OnOK();
}

void CLoadManagerBase::InitPayloadControls(int seats1, int seats2) {
    ui::SetTrackbarRange(Item(IDC_LM_FIRST_SLIDER), 0, seats1, true);
    ui::SetProgressRange(Item(IDC_LM_FIRST_BAR), 0, seats1);
    ui::SetProgressColors(Item(IDC_LM_FIRST_BAR), colors::kPassengerWeight, colors::kBarBackground);
    ui::SetTrackbarRange(Item(IDC_LM_SECOND_SLIDER), 0, seats2, true);
    ui::SetProgressRange(Item(IDC_LM_SECOND_BAR), 0, seats2);
    ui::SetProgressColors(Item(IDC_LM_SECOND_BAR), colors::kPassengerWeight,
                          colors::kBarBackground);
    for (int bar : {IDC_LM_FORWARD_BAR, IDC_LM_AFT_BAR}) {
        ui::SetProgressRange(Item(bar), 0, kMaxHoldPercent);
        ui::SetProgressColors(Item(bar), colors::kCargoWeight, colors::kBarBackground);
    }
    // The hold sliders keep the trackbar's own range of 0 to 100.

    ui::CheckRadio(GetHwnd(), IDC_LM_METRIC, IDC_LM_IMPERIAL, IDC_LM_METRIC);
    m_fUnitFactor = kKilogramFactor;

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

void CLoadManagerBase::ReadPayload() {
    // An IAE-only install reads its own file rather than the missing base.
    m_load = payload::ReadPayload(PayloadSourceFile(m_files), m_constants);
    ui::SetTrackbarPos(Item(IDC_LM_FIRST_SLIDER), ToInt(m_load.businessPax));
    ui::SetTrackbarPos(Item(IDC_LM_SECOND_SLIDER), ToInt(m_load.economyPax));
    ui::SetTrackbarPos(Item(IDC_LM_FORWARD_SLIDER), ToInt(m_load.forwardCargoPercent));
    ui::SetTrackbarPos(Item(IDC_LM_AFT_SLIDER), ToInt(m_load.aftCargoPercent));
    SyncFromSliders();
}

void CLoadManagerBase::ReadSliders() {
    HWND dialog = GetHwnd();
    m_load.businessPax = SliderPos(dialog, IDC_LM_FIRST_SLIDER);
    m_load.economyPax = SliderPos(dialog, IDC_LM_SECOND_SLIDER);
    m_load.forwardCargoPercent = SliderPos(dialog, IDC_LM_FORWARD_SLIDER);
    m_load.aftCargoPercent = SliderPos(dialog, IDC_LM_AFT_SLIDER);
    m_load = ClampToAircraft(m_load, m_constants);
}

void CLoadManagerBase::SyncFromSliders() {
    ReadSliders();
    HWND dialog = GetHwnd();
    ShowNumber(dialog, IDC_LM_FIRST_COUNT, m_load.businessPax);
    ui::SetProgressPos(Item(IDC_LM_FIRST_BAR), ToInt(m_load.businessPax));
    ShowNumber(dialog, IDC_LM_SECOND_COUNT, m_load.economyPax);
    ui::SetProgressPos(Item(IDC_LM_SECOND_BAR), ToInt(m_load.economyPax));
    ShowNumber(dialog, IDC_LM_FORWARD_PERCENT, m_load.forwardCargoPercent);
    ui::SetProgressPos(Item(IDC_LM_FORWARD_BAR), ToInt(m_load.forwardCargoPercent));
    ShowNumber(dialog, IDC_LM_AFT_PERCENT, m_load.aftCargoPercent);
    ui::SetProgressPos(Item(IDC_LM_AFT_BAR), ToInt(m_load.aftCargoPercent));
    Recalculate();
}

void CLoadManagerBase::Recalculate() {
    ReadSliders();
    const PayloadFields fields = payload::Recalculate(m_load, m_fUnitFactor, m_constants);
    HWND dialog = GetHwnd();
    ShowNumber(dialog, IDC_LM_FIRST_WEIGHT, fields.businessWeight);
    ShowNumber(dialog, IDC_LM_SECOND_WEIGHT, fields.economyWeight);
    ShowNumber(dialog, IDC_LM_PAX_WEIGHT, fields.paxWeight);
    ShowNumber(dialog, IDC_LM_FORWARD_WEIGHT, fields.forwardCargoWeight);
    ShowNumber(dialog, IDC_LM_AFT_WEIGHT, fields.aftCargoWeight);
    ShowNumber(dialog, IDC_LM_CARGO_WEIGHT, fields.cargoWeight);
    ShowNumber(dialog, IDC_LM_AIRCRAFT_WEIGHT, fields.aircraftWeight);
    ShowNumber(dialog, IDC_LM_ZFW, fields.zfw);
    App().currentZfwKg = fields.currentZfwKg;
}

void CLoadManagerBase::OnMetric() {
    m_fUnitFactor = kKilogramFactor;
    Recalculate();
}

void CLoadManagerBase::OnImperial() {
    m_fUnitFactor = kPoundFactor;
    Recalculate();
}

bool CLoadManagerBase::OnCommand(int id, int code, HWND /*control*/) {
    if (code != BN_CLICKED) {
        return false;
    }
    if (id == IDC_LM_METRIC) {
        OnMetric();
        return true;
    }
    if (id == IDC_LM_IMPERIAL) {
        OnImperial();
        return true;
    }
    return false;
}

bool CLoadManagerBase::OnNotify(int id, NMHDR* header, LRESULT* result) {
    // A slider paints whenever its thumb moves (drag, keys, or a position
    // set by the program): its custom-draw notification is the live update.
    if (header->code != static_cast<UINT>(NM_CUSTOMDRAW) ||
        std::find(std::begin(kSliders), std::end(kSliders), id) == std::end(kSliders)) {
        return false;
    }
    if (m_bControlsReady) {
        SyncFromSliders();
    }
    *result = CDRF_DODEFAULT;
    return true;
}

void CLoadManagerBase::CenterOnOwner() {
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

CA318LoadManager::CA318LoadManager(HWND parent)
    : CLoadManagerBase(IDD_A318_LOAD_MANAGER, AircraftType::A318, parent) {}
CA319LoadManager::CA319LoadManager(HWND parent)
    : CLoadManagerBase(IDD_A319_LOAD_MANAGER, AircraftType::A319, parent) {}
CA320LoadManager::CA320LoadManager(HWND parent)
    : CLoadManagerBase(IDD_A320_LOAD_MANAGER, AircraftType::A320, parent) {}
CA321LoadManager::CA321LoadManager(HWND parent)
    : CLoadManagerBase(IDD_A321_LOAD_MANAGER, AircraftType::A321, parent) {}
CACJLoadManager::CACJLoadManager(HWND parent)
    : CLoadManagerBase(IDD_ACJ_LOAD_MANAGER, AircraftType::ACJ, parent) {}

std::unique_ptr<CLoadManagerBase> MakeLoadManager(AircraftType aircraft, HWND parent) {
    switch (aircraft) {
        case AircraftType::A318:
            return std::make_unique<CA318LoadManager>(parent);
        case AircraftType::A319:
            return std::make_unique<CA319LoadManager>(parent);
        case AircraftType::A320:
            return std::make_unique<CA320LoadManager>(parent);
        case AircraftType::A321:
            return std::make_unique<CA321LoadManager>(parent);
        case AircraftType::ACJ:
            return std::make_unique<CACJLoadManager>(parent);
        case AircraftType::None:
            break;
    }
    return nullptr;
}

bool RunLoadManager(HWND owner, AircraftType aircraft) {
    std::unique_ptr<CLoadManagerBase> manager = MakeLoadManager(aircraft, owner);
    if (!manager || !manager->IsInstalled() || manager->DoModal() != IDOK) {
        return false;
    }
    // Every variant is attempted before the first failure is shown.
    const std::vector<SaveFailure> failures = manager->SavePayload();
    for (const SaveFailure& failure : failures) {
        ui::ShowMessage(owner,
                        msg::SaveFailure(msg::kPayloadNotSaved, failure.path, failure.status),
                        msg::kCaptionError, MB_ICONEXCLAMATION);
    }
    return failures.empty();
}

}  // namespace payload
