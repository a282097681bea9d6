// Key Assignment: captures one key for one command with a hot-key control.
// Alt combinations are refused.
#pragma once

#include <windows.h>

#include "keys/command_catalogue.h"
#include "keys/key_tables.h"
#include "platform/win32/dialog.h"

namespace keys::detail {

// Run modally by Key Assignments (tests create it modeless). OK stores the
// captured binding in the entry it was given.
class CKeyAssigner : public ui::CDialog {
  public:
    CKeyAssigner(HWND owner, CommandEntry& command, CKeyNames& names);

    // Paints the hot-key control with the captured key spelled as Key
    // Assignments spells it; false where the control's own text stays.
    bool PaintCapture(HWND control);

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

  private:
    CommandEntry& m_command;
    CKeyNames& m_names;
};

}  // namespace keys::detail
