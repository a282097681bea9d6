#include "fuel/fuel_planner_dialog.h"

#include <cmath>
#include <string>

#include "fuel/fuel_balance.h"
#include "flightplan/flight_plan_dialog.h"
#include "fuel/fuel_fields.h"
#include "fuel/plan_fields.h"
#include "platform/win32/controls.h"
#include "res/colors.h"
#include "res/messages.h"
#include "res/resource.h"

namespace fuel {

namespace {

// The seven input fields, each with its text in the model.
struct InputField {
    int id;
    std::string PlannerInput::*text;
};

constexpr InputField kInputFields[] = {
    {IDC_FP_DISTANCE, &PlannerInput::distance},
    {IDC_FP_ALTITUDE, &PlannerInput::altitude},
    {IDC_FP_COST_INDEX, &PlannerInput::costIndex},
    {IDC_FP_ZFW, &PlannerInput::zfw},
    {IDC_FP_TAXI, &PlannerInput::taxi},
    {IDC_FP_RESERVE, &PlannerInput::reserve},
    {IDC_FP_FINAL, &PlannerInput::finalFuel},
};

// Each tank shares the hue of the load manager field it matches; the fuel
// on board stands out as the ZFW does there.
constexpr ui::ColoredField kColoredFields[] = {
    {IDC_FP_LEFT_OUTER, colors::kPassengerCount, colors::kText},
    {IDC_FP_RIGHT_OUTER, colors::kPassengerCount, colors::kText},
    {IDC_FP_LEFT_INNER, colors::kPassengerWeight, colors::kText},
    {IDC_FP_RIGHT_INNER, colors::kPassengerWeight, colors::kText},
    {IDC_FP_CENTER, colors::kCargoPercent, colors::kText},
    {IDC_FP_FOB, colors::kKeyFigure, colors::kKeyFigureText},
};

// The weight fields a unit change converts, in this order.
constexpr int kConvertedFields[] = {IDC_FP_ZFW, IDC_FP_TAXI, IDC_FP_TRIP, IDC_FP_FINAL, IDC_FP_FOB};
constexpr int kWeightUnitLabels[] = {IDC_FP_ZFW_UNIT, IDC_FP_TAXI_UNIT, IDC_FP_TRIP_UNIT,
                                     IDC_FP_FINAL_UNIT, IDC_FP_FOB_UNIT};

// The balance line, dialog units: from the left margin to just left of
// Close, from below the Fuel Management box to the dialog's foot.
constexpr int kBalanceLineLeft = 7;
constexpr int kBalanceLineGap = 4;
constexpr int kBalanceLineAboveClose = 8;
constexpr int kBalanceLineBelowClose = 3;

// "From flight plan...", dialog units: Validate's row, flush with the
// group boxes' right edge.
constexpr RECT kFromPlanButton = {259, 198, 259 + 73, 198 + 14};

void ShowInput(HWND dialog, const PlannerInput& input) {
    for (const InputField& field : kInputFields) {
        ui::SetItemText(dialog, field.id, input.*field.text);
    }
}

PlannerInput ReadInput(HWND dialog) {
    PlannerInput input;
    for (const InputField& field : kInputFields) {
        input.*field.text = ui::GetItemText(dialog, field.id);
    }
    return input;
}

}  // namespace

void RunFuelPlanner(HWND owner, const FuelPlannerInput& input) {
    detail::CFuelPlanner planner(owner, input);
    planner.DoModal();
}

namespace detail {

CFuelPlanner::CFuelPlanner(HWND owner, const FuelPlannerInput& input)
    : CDialog(IDD_FUEL_PLANNER, owner), m_input(input), m_balanceLine(colors::kWarningText) {}

BOOL CFuelPlanner::OnInitDialog() {
    HWND dialog = GetHwnd();
    m_coloredFields.Attach(kColoredFields);
    ShowInput(dialog, OpeningFields(m_input.savedZfwKg));
    ui::CheckRadio(dialog, IDC_FP_METRIC, IDC_FP_IMPERIAL, IDC_FP_METRIC);

    if (IsAircraft(m_input.aircraft)) {
        if (!m_input.aircraftFile.empty()) {
            m_balance = balance::ReadBalanceFile(m_input.aircraftFile);
        }
        m_limits = balance::LimitsOf(Aircraft(m_input.aircraft), m_balance);
        CreateBalanceLine();
        ShowBalanceLine();
        if (m_input.keptPlan) {
            CreateFromPlanButton();
        }
    }
    return TRUE;
}

bool CFuelPlanner::OnCommand(int id, int code, HWND /*control*/) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (id) {
        case IDC_FP_VALIDATE:
            OnValidate();
            return true;
        case IDC_FP_METRIC:
            ChangeUnit(WeightUnit::Kg);
            return true;
        case IDC_FP_IMPERIAL:
            ChangeUnit(WeightUnit::Lb);
            return true;
        case IDC_FP_FROM_PLAN:
            OnFromPlan();
            return true;
        default:
            return false;
    }
}

void CFuelPlanner::OnValidate() {
    if (!IsAircraft(m_input.aircraft)) {
        return;  // the main menu always selects one first
    }
    HWND dialog = GetHwnd();
    const PlannerResult result = PlanFromFields(m_input.aircraft, ReadInput(dialog), m_unit);

    if (result.outcome == PlanOutcome::TooLarge) {
        ShowError(msg::kValuesTooLarge);
        return;
    }
    if (result.outcome == PlanOutcome::MissingMandatory) {
        ShowError(msg::kMandatoryFields);
        return;
    }

    m_plan = result.plan;
    m_shown = result;
    m_shownPlanBlockKg = m_planBlockKg;
    ui::SetItemText(dialog, IDC_FP_TRIP, result.tripText);
    ui::SetItemText(dialog, IDC_FP_FOB, result.fobText);
    ShowTanks(result.innerText, result.outerText, result.centerText);
    ShowBalanceLine();

    // The plan stays on show, tanks full, behind the refusal.
    if (m_plan.excessKg > 0) {
        ShowError(msg::kNotEnoughFuel);
    }
}

void CFuelPlanner::ChangeUnit(WeightUnit unit) {
    if (unit == m_unit) {
        return;
    }
    m_unit = unit;
    HWND dialog = GetHwnd();
    for (int id : kWeightUnitLabels) {
        ui::SetItemText(dialog, id, WeightUnitLabel(m_unit));
    }
    ui::SetItemText(dialog, IDC_FP_COST_INDEX_UNIT, CostIndexUnitLabel(m_unit));
    ApplyUnitChange();
    ShowBalanceLine();
}

void CFuelPlanner::ApplyUnitChange() {
    HWND dialog = GetHwnd();
    for (int id : kConvertedFields) {
        ui::SetItemText(dialog, id, ConvertFieldUnit(ui::GetItemText(dialog, id), m_unit));
    }
    // The tanks are shown again from the kilograms of the last plan, so
    // they may differ by a few units from the converted fuel on board.
    // Without outer tanks their fields keep what they show.
    const bool outerTanks =
        IsAircraft(m_input.aircraft) && TankCapacity(m_input.aircraft, Tank::Outer) >= 1;
    ShowTanks(TankText(m_plan.innerKg, m_plan.innerFill, m_unit),
              outerTanks ? TankText(m_plan.outerKg, m_plan.outerFill, m_unit) : std::string(),
              TankText(m_plan.centerKg, m_plan.centerFill, m_unit));
}

void CFuelPlanner::ShowTanks(const std::string& inner, const std::string& outer,
                             const std::string& center) {
    HWND dialog = GetHwnd();
    ui::SetItemText(dialog, IDC_FP_LEFT_INNER, inner);
    ui::SetItemText(dialog, IDC_FP_RIGHT_INNER, inner);
    if (!outer.empty()) {
        ui::SetItemText(dialog, IDC_FP_LEFT_OUTER, outer);
        ui::SetItemText(dialog, IDC_FP_RIGHT_OUTER, outer);
    }
    ui::SetItemText(dialog, IDC_FP_CENTER, center);
}

void CFuelPlanner::CreateBalanceLine() {
    RECT close{};
    GetWindowRect(Item(IDCANCEL), &close);
    MapWindowPoints(nullptr, GetHwnd(), reinterpret_cast<POINT*>(&close), 2);
    RECT units{kBalanceLineLeft, kBalanceLineAboveClose, kBalanceLineGap, kBalanceLineBelowClose};
    MapDialogRect(GetHwnd(), &units);
    const RECT line{units.left, close.top - units.top, close.left - units.right,
                    close.bottom + units.bottom};
    m_balanceLine.Create(GetHwnd(), IDC_FP_BALANCE_LINE, line);
}

void CFuelPlanner::ShowBalanceLine() {
    if (!IsAircraft(m_input.aircraft)) {
        return;
    }
    balance::StatusLine line =
        m_shown ? TakeOffLine(m_input.aircraft, *m_shown, m_balance, m_limits, m_unit)
                : balance::LimitsStatus(m_limits, m_unit);
    if (m_shown && m_shownPlanBlockKg) {
        line.text += " \u00b7 " + BlockFuelText(*m_shownPlanBlockKg, m_shown->plan.fobKg, m_unit);
    }
    m_balanceLine.Show(line.text, line.warning);
}

void CFuelPlanner::CreateFromPlanButton() {
    RECT rect = kFromPlanButton;
    MapDialogRect(GetHwnd(), &rect);
    HWND button =
        CreateWindowExW(0, L"Button", ui::Widen(msg::kFromFlightPlan).c_str(),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, rect.left, rect.top,
                        rect.right - rect.left, rect.bottom - rect.top, GetHwnd(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_FP_FROM_PLAN)),
                        GetModuleHandleW(nullptr), nullptr);
    if (button) {
        SendMessageW(button, WM_SETFONT, SendMessageW(GetHwnd(), WM_GETFONT, 0, 0), FALSE);
        // Tab order: after Validate.
        SetWindowPos(button, Item(IDC_FP_VALIDATE), 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void CFuelPlanner::OnFromPlan() {
    const std::optional<flightplan::Plan> plan =
        flightplan::ChooseFlightPlan(GetHwnd(), m_input.aircraft, *m_input.keptPlan);
    if (!plan) {
        return;
    }
    ShowInput(GetHwnd(), FieldsFromPlan(*plan, m_unit, m_input.savedZfwKg, EmptyWeightKg()));
    m_planBlockKg = plan->planRampKg;
}

int32_t CFuelPlanner::EmptyWeightKg() const {
    // An aircraft file's empty weight is at most kMaxWeightLb: it fits.
    return m_balance.emptyWeightKg
               ? static_cast<int32_t>(std::floor(*m_balance.emptyWeightKg + 0.5))
               : fuel::EmptyWeightKg(m_input.aircraft);
}

void CFuelPlanner::ShowError(const char* text) {
    ui::ShowMessage(GetHwnd(), text, msg::kCaptionError, MB_ICONERROR);
}

}  // namespace detail

}  // namespace fuel
