// Set Load: the load manager's own dialog that turns the numbers of a
// flight (passengers, cargo or ZFW, and a CG target when asked) into its
// four sliders. Answers live as the pilot types, with a chart of weight
// against CG; Apply hands the load back, Cancel nothing.
#pragma once

#include <windows.h>

#include <optional>

#include "balance/balance_file.h"
#include "core/aircraft.h"
#include "core/units.h"
#include "flightplan/ofp.h"
#include "payload/payload_model.h"
#include "payload/set_load_form.h"
#include "platform/win32/dialog.h"

namespace payload {

struct SetLoadInput {
    const AircraftSpec& aircraft;
    LoadState current;  // the sliders as they stand
    WeightUnit unit;
    const balance::BalanceFile& file;  // the aircraft file as the load manager read it
    // The type's last numbers in this run: read when the dialog opens,
    // written on Apply.
    std::optional<SetLoadMemory>& memory;
    // The run's flight plan, offered by "From flight plan..." and replaced
    // by a plan read there; none: the dialog keeps its own.
    std::optional<flightplan::KeptPlan>* keptPlan = nullptr;
};

namespace detail {

class CSetLoad : public ui::CDialog {
  public:
    CSetLoad(HWND owner, const SetLoadInput& input);

    // Another source of the flight's numbers: passengers and cargo in kg
    // (cargo chosen, the balance as it is), answered at once.
    void FillPassengersAndCargo(int32_t passengers, int32_t cargoKg);

    // After Apply: the load to set on the sliders.
    const std::optional<LoadState>& Applied() const { return m_applied; }

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;
    HBRUSH OnCtlColor(HWND control, HDC dc) override;

  private:
    void ShowTexts(const SetLoadTexts& texts);
    SetLoadTexts ReadTexts() const;
    void EnableChoices();
    // Reads the form, answers it and shows the answer and its chart.
    void Answer();
    void DrawChart(const DRAWITEMSTRUCT& item) const;
    // Passengers and cargo from a flight plan the pilot chooses.
    void OnFromPlan();

    SetLoadInput m_input;
    bool m_bCgPossible = false;
    bool m_bReady = false;  // the fields are filled: their changes are the pilot's
    // A target the program set (remembered or accepted), exact; the field shows it rounded.
    std::optional<double> m_exactTarget;
    SetLoadAnswer m_answer;
    SetLoadChart m_chart;
    std::optional<LoadState> m_applied;
    std::optional<flightplan::KeptPlan> m_ownPlan;  // when the caller keeps none
};

}  // namespace detail

// Runs Set Load modally over the load manager; the load to set after Apply.
std::optional<LoadState> RunSetLoad(HWND owner, const SetLoadInput& input);

}  // namespace payload
