// The Fuel Planner: the user types the flight's distance, altitude and cost
// index, finds the zero-fuel weight of the payload saved in this run, and
// Validate shows the trip fuel, the fuel on board and the five tanks, in
// kilograms or pounds. It reads and writes no file.
#pragma once

#include <cstdint>

#include "platform/win32/color_edit.h"
#include "platform/win32/dialog.h"

class FuelPlanner : public ui::CDialog {
  public:
    explicit FuelPlanner(HWND parent = nullptr);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    void OnValidate();
    void OnMetric();
    void OnImperial();
    void ChangeUnit(float unitFactor);
    // Converts the number shown in one weight field to the unit now in force.
    void ConvertFieldUnit(int id);
    // Converts the weight fields and shows the tanks again in the new unit.
    void ApplyUnitChange();
    void ShowError(const char* text);

    float m_fUnitFactor = 1.0f;
    int32_t m_nDistance = -1;
    int32_t m_nAltitude = -1;
    int32_t m_nCostIndex = 50;
    int32_t m_nZfwKg = -1;
    int32_t m_nFobKg = 0;
    // The last plan's tanks, kg in each tank of a kind, and their fill.
    int32_t m_nInnerKg = 0;
    int32_t m_nOuterKg = 0;
    int32_t m_nCenterKg = 0;
    float m_fInnerFill = 0.0f;
    float m_fOuterFill = 0.0f;
    float m_fCenterFill = 0.0f;

    ui::CColorEdit m_fobEdit;
    ui::CColorEdit m_centerEdit;
    ui::CColorEdit m_rightInnerEdit;
    ui::CColorEdit m_rightOuterEdit;
    ui::CColorEdit m_leftOuterEdit;
    ui::CColorEdit m_leftInnerEdit;
};
