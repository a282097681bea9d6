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
#include "flightplan/ofp.h"
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
    // The run's flight plan, offered by "From flight plan..." and replaced
    // by a plan read there; nullptr: no such button.
    std::optional<flightplan::KeptPlan>* keptPlan = nullptr;
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
    HBRUSH OnCtlColor(HWND control, HDC dc) override {
        HBRUSH field = m_coloredFields.Paint(control, dc);
        return field ? field : m_balanceLine.Paint(control, dc);
    }

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
    // "From flight plan...", right of Validate in the row's free space.
    void CreateFromPlanButton();
    void OnFromPlan();
    // This aircraft's empty weight, kg: the aircraft file's, else the type's.
    int32_t EmptyWeightKg() const;

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
    // The block fuel of the plan last filled in, and of the one shown beside
    // the last plan validated since.
    std::optional<int32_t> m_planBlockKg;
    std::optional<int32_t> m_shownPlanBlockKg;
    ui::CColoredFields m_coloredFields;
};

}  // namespace detail

}  // namespace fuel
