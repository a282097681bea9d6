// The Fuel Planner: the user types the flight's distance, altitude and cost
// index, finds the zero-fuel weight of the payload saved in this run, and
// Validate shows the trip fuel, the fuel on board and the five tanks, in
// kilograms or pounds. It reads and writes no file.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "balance/balance_file.h"
#include "balance/weight_limits.h"
#include "core/aircraft.h"
#include "core/units.h"
#include "fuel/fuel_computation.h"
#include "fuel/fuel_fields.h"
#include "platform/win32/colored_fields.h"
#include "platform/win32/dialog.h"
#include "platform/win32/status_line.h"

namespace fuel {

struct FuelPlannerInput {
    AircraftType aircraft = AircraftType::None;  // A318 to ACJ
    int32_t savedZfwKg = 0;                      // 0: none saved in this run
    // The aircraft.cfg whose limits, payload, wing and tanks give the
    // weight-and-balance line (UTF-8); empty: the type's limits only.
    std::string aircraftFile = {};
};

// Runs the Fuel Planner modally over owner.
void RunFuelPlanner(HWND owner, const FuelPlannerInput& input);

namespace detail {

// The dialog behind RunFuelPlanner (tests create it modeless).
class CFuelPlanner : public ui::CDialog {
  public:
    CFuelPlanner(HWND owner, const FuelPlannerInput& input);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    HBRUSH OnCtlColor(HWND control, HDC dc) override { return m_coloredFields.Paint(control, dc); }

  private:
    void OnValidate();
    void ChangeUnit(WeightUnit unit);
    // Converts the weight fields and shows the tanks again in the new unit.
    void ApplyUnitChange();
    void ShowTanks(const std::string& inner, const std::string& outer, const std::string& center);
    void ShowError(const char* text);
    // The weight-and-balance line, left of Close: the limits until a plan
    // is shown, then the plan's weights and CG.
    void CreateBalanceLine();
    void ShowBalanceLine();

    const FuelPlannerInput m_input;
    WeightUnit m_unit = WeightUnit::Kg;
    // The last plan shown (all zero before the first); a unit change shows
    // its tanks again.
    FuelPlan m_plan;
    // The last plan shown, as Validate read it (for the balance line).
    std::optional<PlannerResult> m_shown;
    balance::BalanceFile m_balance;
    balance::WeightLimits m_limits;
    ui::CStatusLine m_balanceLine;
    ui::CColoredFields m_coloredFields;
};

}  // namespace detail

}  // namespace fuel
