// The flight plan dialog, which the load manager's Set Load and the Fuel
// Planner share: the plan kept from earlier in the run, a plan fetched from
// the service by the pilot's user name or pilot ID (remembered per Windows
// user), or a saved file. The plan it returns fits the aircraft's limits,
// and its type is the aircraft's or the pilot chose to go on.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "core/aircraft.h"
#include "flightplan/ofp.h"
#include "flightplan/ofp_fetch.h"
#include "platform/win32/dialog.h"

namespace flightplan {

// Runs the dialog modally over owner for the aircraft (A318 to ACJ).
// kept: the run's plan, offered first; a plan read replaces it. Returns the
// plan chosen, or nothing when the pilot cancelled.
std::optional<Plan> ChooseFlightPlan(HWND owner, AircraftType aircraft,
                                     std::optional<KeptPlan>& kept);

// Where the user name is remembered (HKEY_CURRENT_USER).
constexpr const char kUserKey[] = "Software\\Norvane\\Corvel Config";
constexpr const char kUserValue[] = "FlightPlanUser";
constexpr const char kUserIsPilotIdValue[] = "FlightPlanUserIsPilotId";  // "1" or "0"

namespace detail {

// Posted by the fetch's worker when the answer is in.
constexpr UINT kFetchDoneMessage = WM_APP + 0x200;

// The dialog behind ChooseFlightPlan (tests create it modeless).
class CFlightPlanDialog : public ui::CDialog {
  public:
    CFlightPlanDialog(HWND owner, AircraftType aircraft, std::optional<KeptPlan>& kept);
    ~CFlightPlanDialog() override;

    const std::optional<Plan>& Chosen() const { return m_chosen; }
    // Reads the file the open dialog gave (UTF-8 path).
    void OpenFile(const std::string& path);

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;

  private:
    void OnFetch();
    void OnFetchDone();
    void OnTimer();
    void OnOpen();
    void OnUseKept();
    // Leaves the "Fetching..." state: the controls back, the timer gone.
    void StopFetching();
    void ShowFetching(bool fetching);
    // A plan read: kept for the run, then offered to the pilot.
    void Read(const OfpResult& result);
    // Checks the plan's type against the aircraft; ends the dialog with it
    // unless the pilot stops.
    void Accept(const Plan& plan);
    void ShowError(const std::string& text);

    const AircraftType m_aircraft;
    std::optional<KeptPlan>& m_kept;
    std::optional<Plan> m_chosen;
    std::shared_ptr<CFetch> m_fetch;
    // What the running fetch asked for, remembered once it gives a plan.
    std::string m_user;
    bool m_bPilotId = false;
    DWORD m_nFetchStart = 0;
    int m_nLimitSeconds = 15;
};

}  // namespace detail

}  // namespace flightplan
