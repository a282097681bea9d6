// Key Assignment: captures one key for the command App().selectedCommand
// with a hot-key control. Alt combinations are refused.
#pragma once

#include <windows.h>

#include "keys/command_catalogue.h"
#include "keys/key_tables.h"
#include "platform/win32/dialog.h"

class CKeyAssigner : public ui::CDialog {
  public:
    CKeyAssigner(HWND owner, keys::CommandCatalogue& catalogue, keys::CKeyNames& names);

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

  private:
    keys::CommandEntry* Command() const;

    keys::CommandCatalogue* m_pCatalogue;
    keys::CKeyNames* m_pNames;
    // As last read from the hot-key control.
    WORD m_nVirtualKey = 0;
    WORD m_nModifiers = 0;
};
