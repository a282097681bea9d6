// The main menu: the program's only top-level window. Four banner buttons
// open the tools; Exit (or Escape, or the close box) ends the program.
#pragma once

#include "platform/win32/dialog.h"

class CMainMenuDlg : public ui::CDialog {
  public:
    CMainMenuDlg();

    // The buttons' actions (public so that tests can run them directly).
    void OnAircraftConfiguration();
    void OnLoadManager();
    void OnFuelPlanner();
    void OnKeyAssignments();

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;

  private:
    // Runs the aircraft selector until an aircraft has been chosen.
    void SelectAircraft();
    void ShowNotInstalled();
    void OnPaint();

    HICON m_hIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
};
