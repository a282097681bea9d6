#include "payload/load_manager_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>
#include <variant>

#include "core/save_failure.h"
#include "payload/payload_balance.h"
#include "payload/set_load_dialog.h"
#include "platform/win32/controls.h"
#include "res/colors.h"
#include "res/messages.h"
#include "res/resource.h"

namespace payload {

namespace {

// One slider and what follows it: the count or percentage beside it, its
// fill bar, the load it sets, and its range: a class's seats in the
// aircraft's row, or none for a hold, filled in percent.
struct SliderRow {
    int slider;
    int count;
    int bar;
    uint32_t LoadState::*load;
    int AircraftSpec::*seats;
    COLORREF barColor;
};

constexpr SliderRow kSliderRows[] = {
    {IDC_LM_FIRST_SLIDER, IDC_LM_FIRST_COUNT, IDC_LM_FIRST_BAR, &LoadState::businessPax,
     &AircraftSpec::firstClassSeats, colors::kPassengerWeight},
    {IDC_LM_SECOND_SLIDER, IDC_LM_SECOND_COUNT, IDC_LM_SECOND_BAR, &LoadState::economyPax,
     &AircraftSpec::secondClassSeats, colors::kPassengerWeight},
    {IDC_LM_FORWARD_SLIDER, IDC_LM_FORWARD_PERCENT, IDC_LM_FORWARD_BAR,
     &LoadState::forwardCargoPercent, nullptr, colors::kCargoWeight},
    {IDC_LM_AFT_SLIDER, IDC_LM_AFT_PERCENT, IDC_LM_AFT_BAR, &LoadState::aftCargoPercent, nullptr,
     colors::kCargoWeight},
};

// The weights shown for a load, each from its field of the model.
struct WeightField {
    int id;
    std::variant<uint32_t PayloadFields::*, int32_t PayloadFields::*> value;
};

constexpr WeightField kWeightFields[] = {
    {IDC_LM_FIRST_WEIGHT, &PayloadFields::businessWeight},
    {IDC_LM_SECOND_WEIGHT, &PayloadFields::economyWeight},
    {IDC_LM_PAX_WEIGHT, &PayloadFields::paxWeight},
    {IDC_LM_FORWARD_WEIGHT, &PayloadFields::forwardCargoWeight},
    {IDC_LM_AFT_WEIGHT, &PayloadFields::aftCargoWeight},
    {IDC_LM_CARGO_WEIGHT, &PayloadFields::cargoWeight},
    {IDC_LM_AIRCRAFT_WEIGHT, &PayloadFields::aircraftWeight},
    {IDC_LM_ZFW, &PayloadFields::zfw},
};

// A count, its weight and the hold that matches it share a hue; the ZFW
// stands out.
constexpr ui::ColoredField kColoredFields[] = {
    {IDC_LM_FIRST_COUNT, colors::kPassengerCount, colors::kText},
    {IDC_LM_SECOND_COUNT, colors::kPassengerCount, colors::kText},
    {IDC_LM_FIRST_WEIGHT, colors::kPassengerWeight, colors::kText},
    {IDC_LM_SECOND_WEIGHT, colors::kPassengerWeight, colors::kText},
    {IDC_LM_FORWARD_PERCENT, colors::kCargoPercent, colors::kText},
    {IDC_LM_AFT_PERCENT, colors::kCargoPercent, colors::kText},
    {IDC_LM_FORWARD_WEIGHT, colors::kCargoWeight, colors::kText},
    {IDC_LM_AFT_WEIGHT, colors::kCargoWeight, colors::kText},
    {IDC_LM_PAX_WEIGHT, colors::kPassengerWeight, colors::kText},
    {IDC_LM_CARGO_WEIGHT, colors::kCargoWeight, colors::kText},
    {IDC_LM_ZFW, colors::kKeyFigure, colors::kKeyFigureText},
};

constexpr int kZfwFontTenthsOfPoint = 90;

// The balance line's band, dialog units: as wide as the Weight Unit box
// (which ends where Cancel ends), between that box and the buttons.
constexpr int kBalanceLineWidth = 181;
constexpr int kBalanceLineAboveButtons = 27;
constexpr int kBalanceLineGap = 2;

// "Set load...", dialog units: OK's size, as far left of OK as Cancel lies right of it. Every
// template leaves the row free from the Total Weight box (x 197) to OK (x 295).
constexpr int kSetLoadWidth = 50;
constexpr int kSetLoadGap = 8;

int ToInt(uint32_t value) {
    return static_cast<int>(std::min<uint32_t>(value, INT_MAX));
}

template <typename Number>
void ShowNumber(HWND dialog, int id, Number value) {
    ui::ShowItemText(dialog, id, std::to_string(value));
}

// The thumbs where the load puts them.
void ShowThumbs(HWND dialog, const LoadState& load) {
    for (const SliderRow& row : kSliderRows) {
        ui::SetTrackbarPos(GetDlgItem(dialog, row.slider), ToInt(load.*row.load));
    }
}

// The load with the thumbs' positions, not yet held to the aircraft.
LoadState ReadThumbs(HWND dialog, LoadState load) {
    for (const SliderRow& row : kSliderRows) {
        load.*row.load =
            static_cast<uint32_t>(std::max(0, ui::GetTrackbarPos(GetDlgItem(dialog, row.slider))));
    }
    return load;
}

}  // namespace

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
      m_balanceLine(colors::kWarningText),
      m_pSetLoadMemory(input.setLoadMemory ? input.setLoadMemory : &m_ownSetLoadMemory),
      m_pKeptPlan(input.keptPlan) {}

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
    m_coloredFields.Attach(kColoredFields);
    ui::ShowText(GetHwnd(), m_aircraft.loadManagerTitle);
    ui::CenterOnOwner(GetHwnd());
    InitControls();
    // An IAE-only install reads its own file rather than the missing base.
    Opening opening = ReadOpening(PayloadSourceFile(m_files), m_aircraft);
    m_load = opening.load;
    m_balance = std::move(opening.balance);
    m_limits = opening.limits;
    CreateBalanceLine();
    CreateSetLoadButton();
    ShowThumbs(GetHwnd(), m_load);
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
    for (const SliderRow& row : kSliderRows) {
        // The hold sliders keep the trackbar's own range of 0 to 100.
        if (row.seats) {
            ui::SetTrackbarRange(Item(row.slider), 0, m_aircraft.*row.seats, true);
        }
        ui::SetProgressRange(Item(row.bar), 0, row.seats ? m_aircraft.*row.seats : kMaxHoldPercent);
        ui::SetProgressColors(Item(row.bar), row.barColor, colors::kBarBackground);
    }

    ui::CheckRadio(GetHwnd(), IDC_LM_METRIC, IDC_LM_IMPERIAL, IDC_LM_METRIC);
    m_unit = WeightUnit::Kg;

    if (!m_pZfwFont) {
        // The window's own DPI: on a second screen of another scale the screen's would be wrong.
        const int height = static_cast<int>(ui::WindowDpi(GetHwnd())) * kZfwFontTenthsOfPoint / 720;
        m_pZfwFont = CreateFontW(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                                 0, 0, 0, L"Tahoma");
    }
    SendMessageW(Item(IDC_LM_ZFW), WM_SETFONT, reinterpret_cast<WPARAM>(m_pZfwFont), TRUE);
}

void CLoadManager::FollowSliders() {
    // Every paint of a slider asks; most paints move nothing.
    const LoadState load = ClampToAircraft(ReadThumbs(GetHwnd(), m_load), m_aircraft);
    if (load != m_load) {
        m_load = load;
        ShowLoad();
    }
}

void CLoadManager::ShowLoad() {
    HWND dialog = GetHwnd();
    for (const SliderRow& row : kSliderRows) {
        ShowNumber(dialog, row.count, m_load.*row.load);
        ui::SetProgressPos(Item(row.bar), ToInt(m_load.*row.load));
    }
    const PayloadFields fields = Recalculate(m_load, m_unit, m_aircraft);
    for (const WeightField& field : kWeightFields) {
        std::visit([&](auto value) { ShowNumber(dialog, field.id, fields.*value); }, field.value);
    }
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

void CLoadManager::CreateSetLoadButton() {
    RECT ok{};
    GetWindowRect(Item(IDOK), &ok);
    MapWindowPoints(nullptr, GetHwnd(), reinterpret_cast<POINT*>(&ok), 2);
    RECT units{kSetLoadGap, 0, kSetLoadGap + kSetLoadWidth, 0};
    MapDialogRect(GetHwnd(), &units);
    HWND button =
        CreateWindowExW(0, L"Button", ui::Widen(msg::kSetLoadButton).c_str(),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, ok.left - units.right,
                        ok.top, units.right - units.left, ok.bottom - ok.top, GetHwnd(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_LM_SET_LOAD)),
                        GetModuleHandleW(nullptr), nullptr);
    if (!button) {
        return;
    }
    SendMessageW(button, WM_SETFONT, SendMessageW(GetHwnd(), WM_GETFONT, 0, 0), FALSE);
    // Last in the tab order, which comes round to OK, the template's first control.
    SetWindowPos(button, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CLoadManager::OnSetLoad() {
    FollowSliders();
    const std::optional<LoadState> load = RunSetLoad(
        GetHwnd(), {m_aircraft, m_load, m_unit, m_balance, *m_pSetLoadMemory, m_pKeptPlan});
    if (load) {
        ShowThumbs(GetHwnd(), *load);
        FollowSliders();
    }
}

bool CLoadManager::OnCommand(int id, int code, HWND /*control*/) {
    if (id == IDC_LM_SET_LOAD && code == BN_CLICKED) {
        OnSetLoad();
        return true;
    }
    if (code != BN_CLICKED || (id != IDC_LM_METRIC && id != IDC_LM_IMPERIAL)) {
        return false;
    }
    m_unit = id == IDC_LM_IMPERIAL ? WeightUnit::Lb : WeightUnit::Kg;
    m_load = ClampToAircraft(ReadThumbs(GetHwnd(), m_load), m_aircraft);
    ShowLoad();
    return true;
}

bool CLoadManager::OnNotify(int id, NMHDR* header, LRESULT* result) {
    // A slider paints whenever its thumb moves (drag, keys, or a position
    // set by the program): its custom-draw notification is the live update.
    if (header->code != static_cast<UINT>(NM_CUSTOMDRAW) ||
        std::none_of(std::begin(kSliderRows), std::end(kSliderRows),
                     [id](const SliderRow& row) { return row.slider == id; })) {
        return false;
    }
    if (m_bControlsReady) {
        FollowSliders();
    }
    *result = CDRF_DODEFAULT;
    return true;
}

}  // namespace detail

}  // namespace payload
