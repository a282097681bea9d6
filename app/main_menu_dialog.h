// The main menu: the program's only top-level window. Four banner buttons
// open the tools; Exit (or Escape, or the close box) ends the program.
#pragma once

#include <functional>

#include "app/app_context.h"
#include "app/locate_files.h"
#include "core/aircraft.h"
#include "platform/win32/dialog.h"

class CMainMenuDlg : public ui::CDialog {
  public:
    // locate finds the simulator's files when the menu opens (tests give
    // folders of their own).
    explicit CMainMenuDlg(std::function<SimulatorPaths()> locate = LocateFiles);

    // The buttons' actions (public so that tests can run them directly).
    void OnAircraftConfiguration();
    void OnLoadManager();
    void OnFuelPlanner();
    void OnKeyAssignments();

    // What the run has kept so far (tests read it).
    const AppContext& Context() const { return m_context; }

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;

  private:
    // Finds the simulator's files (again) into the context.
    void Locate();
    // Runs the aircraft selector until an aircraft has been chosen.
    AircraftType SelectAircraft();
    // True when a variant of the aircraft is installed; otherwise says so.
    bool IsAircraftInstalled(AircraftType aircraft);
    void OnPaint();

    std::function<SimulatorPaths()> m_locate;
    AppContext m_context;

    HICON m_hIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
};
