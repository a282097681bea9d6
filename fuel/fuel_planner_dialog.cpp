#include "fuel/fuel_planner_dialog.h"

#include <string>

#include "fuel/fuel_balance.h"
#include "fuel/fuel_fields.h"
#include "platform/win32/controls.h"
#include "res/colors.h"
#include "res/messages.h"
#include "res/resource.h"

namespace fuel {

namespace {

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
    m_fobEdit.Attach(dialog, IDC_FP_FOB);
    m_centerEdit.Attach(dialog, IDC_FP_CENTER);
    m_rightInnerEdit.Attach(dialog, IDC_FP_RIGHT_INNER);
    m_rightOuterEdit.Attach(dialog, IDC_FP_RIGHT_OUTER);
    m_leftOuterEdit.Attach(dialog, IDC_FP_LEFT_OUTER);
    m_leftInnerEdit.Attach(dialog, IDC_FP_LEFT_INNER);

    for (ui::CColorEdit* outer : {&m_leftOuterEdit, &m_rightOuterEdit}) {
        outer->SetBackgroundColor(colors::kPassengerCount);
        outer->SetTextColor(colors::kText);
    }
    for (ui::CColorEdit* inner : {&m_leftInnerEdit, &m_rightInnerEdit}) {
        inner->SetBackgroundColor(colors::kPassengerWeight);
        inner->SetTextColor(colors::kText);
    }
    m_centerEdit.SetBackgroundColor(colors::kCargoPercent);
    m_centerEdit.SetTextColor(colors::kText);
    m_fobEdit.SetBackgroundColor(colors::kKeyFigure);
    m_fobEdit.SetTextColor(colors::kKeyFigureText);

    const PlannerInput fields = OpeningFields(m_input.savedZfwKg);
    ui::SetItemText(dialog, IDC_FP_DISTANCE, fields.distance);
    ui::SetItemText(dialog, IDC_FP_ALTITUDE, fields.altitude);
    ui::SetItemText(dialog, IDC_FP_COST_INDEX, fields.costIndex);
    ui::SetItemText(dialog, IDC_FP_ZFW, fields.zfw);
    ui::CheckRadio(dialog, IDC_FP_METRIC, IDC_FP_IMPERIAL, IDC_FP_METRIC);
    ui::SetItemText(dialog, IDC_FP_TAXI, fields.taxi);
    ui::SetItemText(dialog, IDC_FP_RESERVE, fields.reserve);
    ui::SetItemText(dialog, IDC_FP_FINAL, fields.finalFuel);

    if (IsAircraft(m_input.aircraft)) {
        if (!m_input.aircraftFile.empty()) {
            m_balance = balance::ReadBalanceFile(m_input.aircraftFile);
        }
        m_limits = balance::LimitsOf(Aircraft(m_input.aircraft), m_balance);
        CreateBalanceLine();
        ShowBalanceLine();
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
        default:
            return false;
    }
}

void CFuelPlanner::OnValidate() {
    if (!IsAircraft(m_input.aircraft)) {
        return;  // the main menu always selects one first
    }
    HWND dialog = GetHwnd();
    PlannerInput input;
    input.distance = ui::GetItemText(dialog, IDC_FP_DISTANCE);
    input.altitude = ui::GetItemText(dialog, IDC_FP_ALTITUDE);
    input.costIndex = ui::GetItemText(dialog, IDC_FP_COST_INDEX);
    input.zfw = ui::GetItemText(dialog, IDC_FP_ZFW);
    input.taxi = ui::GetItemText(dialog, IDC_FP_TAXI);
    input.reserve = ui::GetItemText(dialog, IDC_FP_RESERVE);
    input.finalFuel = ui::GetItemText(dialog, IDC_FP_FINAL);
    const PlannerResult result = PlanFromFields(m_input.aircraft, input, m_unit);

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
    ui::SetItemText(dialog, IDC_FP_TRIP, result.tripText);
    m_fobEdit.SetText(result.fobText);
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
    m_leftInnerEdit.SetText(inner);
    m_rightInnerEdit.SetText(inner);
    if (!outer.empty()) {
        m_leftOuterEdit.SetText(outer);
        m_rightOuterEdit.SetText(outer);
    }
    m_centerEdit.SetText(center);
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
    const balance::StatusLine line =
        m_shown ? TakeOffLine(m_input.aircraft, *m_shown, m_balance, m_limits, m_unit)
                : balance::LimitsStatus(m_limits, m_unit);
    m_balanceLine.Show(line.text, line.warning);
}

void CFuelPlanner::ShowError(const char* text) {
    ui::ShowMessage(GetHwnd(), text, msg::kCaptionError, MB_ICONERROR);
}

}  // namespace detail

}  // namespace fuel
