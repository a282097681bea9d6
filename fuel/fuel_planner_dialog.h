// The Fuel Planner: the user types the flight's distance, altitude and cost
// index, finds the zero-fuel weight of the payload saved in this run, and
// Validate shows the trip fuel, the fuel on board and the five tanks, in
// kilograms or pounds. It reads and writes no file.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/aircraft.h"
#include "core/units.h"
#include "fuel/fuel_computation.h"
#include "platform/win32/color_edit.h"
#include "platform/win32/dialog.h"

namespace fuel {

struct FuelPlannerInput {
    AircraftType aircraft = AircraftType::None;  // A318 to ACJ
    int32_t savedZfwKg = 0;                      // 0: none saved in this run
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

  private:
    void OnValidate();
    void ChangeUnit(WeightUnit unit);
    // Converts the weight fields and shows the tanks again in the new unit.
    void ApplyUnitChange();
    void ShowTanks(const std::string& inner, const std::string& outer, const std::string& center);
    void ShowError(const char* text);

    const FuelPlannerInput m_input;
    WeightUnit m_unit = WeightUnit::Kg;
    // The last plan shown (all zero before the first); a unit change shows
    // its tanks again.
    FuelPlan m_plan;

    ui::CColorEdit m_fobEdit;
    ui::CColorEdit m_centerEdit;
    ui::CColorEdit m_rightInnerEdit;
    ui::CColorEdit m_rightOuterEdit;
    ui::CColorEdit m_leftOuterEdit;
    ui::CColorEdit m_leftInnerEdit;
};

}  // namespace detail

}  // namespace fuel
