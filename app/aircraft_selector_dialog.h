// The Aircraft Selector: five image buttons; a click stores the aircraft in
// the application context at once, and the last click counts.
#pragma once

#include "platform/win32/dialog.h"

class CAircraftSelector : public ui::CDialog {
  public:
    explicit CAircraftSelector(HWND parent = nullptr);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
};
