#include "fuel/fuel_planner_dialog.h"

#include <string>

#include "app/app_context.h"
#include "fuel/fuel_computation.h"
#include "fuel/fuel_fields.h"
#include "platform/win32/controls.h"
#include "res/colors.h"
#include "res/messages.h"
#include "res/resource.h"

namespace {

// The weight fields a unit change converts, in this order.
constexpr int kConvertedFields[] = {IDC_FP_ZFW, IDC_FP_TAXI, IDC_FP_TRIP, IDC_FP_FINAL, IDC_FP_FOB};
constexpr int kWeightUnitLabels[] = {IDC_FP_ZFW_UNIT, IDC_FP_TAXI_UNIT, IDC_FP_TRIP_UNIT,
                                     IDC_FP_FINAL_UNIT, IDC_FP_FOB_UNIT};

}  // namespace

FuelPlanner::FuelPlanner(HWND parent) : CDialog(IDD_FUEL_PLANNER, parent) {}

BOOL FuelPlanner::OnInitDialog() {
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

    if (m_nCostIndex > 0) {
        ui::SetItemText(dialog, IDC_FP_COST_INDEX, std::to_string(m_nCostIndex));
    }
    // The payload saved in this run, in kilograms; none leaves the field empty.
    AircraftType aircraft = App().selectedAircraft;
    m_nZfwKg = IsAircraft(aircraft) ? App().savedZfwKg[AircraftIndex(aircraft)] : 0;
    if (m_nZfwKg > 0) {
        ui::SetItemText(dialog, IDC_FP_ZFW, std::to_string(m_nZfwKg));
    }
    ui::CheckRadio(dialog, IDC_FP_METRIC, IDC_FP_IMPERIAL, IDC_FP_METRIC);
    ui::SetItemText(dialog, IDC_FP_TAXI, "200");
    ui::SetItemText(dialog, IDC_FP_RESERVE, "5");
    ui::SetItemText(dialog, IDC_FP_FINAL, "1000");

    m_nInnerKg = m_nOuterKg = m_nCenterKg = 0;
    m_fInnerFill = m_fOuterFill = m_fCenterFill = 0.0f;
    m_fUnitFactor = fuel::kMetricFactor;
    return TRUE;
}

bool FuelPlanner::OnCommand(int id, int code, HWND /*control*/) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (id) {
        case IDC_FP_VALIDATE:
            OnValidate();
            return true;
        case IDC_FP_METRIC:
            OnMetric();
            return true;
        case IDC_FP_IMPERIAL:
            OnImperial();
            return true;
        default:
            return false;
    }
}

void FuelPlanner::OnValidate() {
    AircraftType aircraft = App().selectedAircraft;
    if (!IsAircraft(aircraft)) {
        return;  // the main menu always selects one first
    }
    HWND dialog = GetHwnd();
    fuel::PlannerInput input;
    input.distance = ui::GetItemText(dialog, IDC_FP_DISTANCE);
    input.altitude = ui::GetItemText(dialog, IDC_FP_ALTITUDE);
    input.costIndex = ui::GetItemText(dialog, IDC_FP_COST_INDEX);
    input.zfw = ui::GetItemText(dialog, IDC_FP_ZFW);
    input.taxi = ui::GetItemText(dialog, IDC_FP_TAXI);
    input.reserve = ui::GetItemText(dialog, IDC_FP_RESERVE);
    input.finalFuel = ui::GetItemText(dialog, IDC_FP_FINAL);
    fuel::PlannerResult result = fuel::PlanFromFields(aircraft, input, m_fUnitFactor);

    if (result.outcome == fuel::PlanOutcome::TooLarge) {
        ShowError(msg::kValuesTooLarge);
        return;
    }
    m_nDistance = result.distanceNm;
    m_nAltitude = result.altitudeFt;
    m_nCostIndex = result.costIndex;
    m_nZfwKg = result.zfwKg;
    if (result.outcome == fuel::PlanOutcome::MissingMandatory) {
        ShowError(msg::kMandatoryFields);
        return;
    }

    const fuel::FuelPlan& plan = result.plan;
    ui::SetItemText(dialog, IDC_FP_TRIP, result.tripText);
    m_nFobKg = plan.fobKg;
    m_fobEdit.SetText(result.fobText);
    m_nInnerKg = plan.innerKg;
    m_fInnerFill = plan.innerFill;
    m_leftInnerEdit.SetText(result.innerText);
    m_rightInnerEdit.SetText(result.innerText);
    if (plan.hasOuterTanks) {
        m_nOuterKg = plan.outerKg;
        m_fOuterFill = plan.outerFill;
    }
    m_leftOuterEdit.SetText(result.outerText);
    m_rightOuterEdit.SetText(result.outerText);
    m_nCenterKg = plan.centerKg;
    m_fCenterFill = plan.centerFill;
    m_centerEdit.SetText(result.centerText);

    // The plan stays on show, tanks full, behind the refusal.
    if (plan.excessKg > 0) {
        ShowError(msg::kNotEnoughFuel);
    }
}

void FuelPlanner::OnMetric() {
    ChangeUnit(fuel::kMetricFactor);
}

void FuelPlanner::OnImperial() {
    ChangeUnit(fuel::kImperialFactor);
}

void FuelPlanner::ChangeUnit(float unitFactor) {
    if (fuel::IsMetric(unitFactor) == fuel::IsMetric(m_fUnitFactor)) {
        return;
    }
    m_fUnitFactor = unitFactor;
    HWND dialog = GetHwnd();
    for (int id : kWeightUnitLabels) {
        ui::SetItemText(dialog, id, fuel::WeightUnitLabel(m_fUnitFactor));
    }
    ui::SetItemText(dialog, IDC_FP_COST_INDEX_UNIT, fuel::CostIndexUnitLabel(m_fUnitFactor));
    ApplyUnitChange();
}

void FuelPlanner::ConvertFieldUnit(int id) {
    HWND dialog = GetHwnd();
    ui::SetItemText(
        dialog, id,
        fuel::ConvertFieldUnit(ui::GetItemText(dialog, id), !fuel::IsMetric(m_fUnitFactor)));
}

void FuelPlanner::ApplyUnitChange() {
    for (int id : kConvertedFields) {
        ConvertFieldUnit(id);
    }
    // The tanks are shown again from the kilograms of the last plan, so
    // they may differ by a few units from the converted fuel on board.
    std::string inner = fuel::TankText(m_nInnerKg, m_fInnerFill, m_fUnitFactor);
    m_leftInnerEdit.SetText(inner);
    m_rightInnerEdit.SetText(inner);
    m_centerEdit.SetText(fuel::TankText(m_nCenterKg, m_fCenterFill, m_fUnitFactor));
    AircraftType aircraft = App().selectedAircraft;
    if (IsAircraft(aircraft) && fuel::TankCapacity(aircraft, fuel::Tank::Outer) >= 1) {
        std::string outer = fuel::TankText(m_nOuterKg, m_fOuterFill, m_fUnitFactor);
        m_leftOuterEdit.SetText(outer);
        m_rightOuterEdit.SetText(outer);
    }
}

void FuelPlanner::ShowError(const char* text) {
    ui::ShowMessage(GetHwnd(), text, msg::kCaptionError, MB_ICONERROR);
}
