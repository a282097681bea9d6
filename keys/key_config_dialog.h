// Key Assignments: lists the commands, shows the key bound to the chosen
// one, lets the user capture another and writes every binding on OK.
#pragma once

#include <windows.h>

#include <cstddef>

#include "keys/command_catalogue.h"
#include "keys/key_tables.h"
#include "keys/keyboard_layout.h"
#include "platform/win32/dialog.h"

class CKeyConfig : public ui::CDialog {
  public:
    // Works on the run's catalogue and key names unless given others.
    explicit CKeyConfig(HWND owner, keys::CommandCatalogue& catalogue = keys::Catalogue(),
                        keys::CKeyNames& names = keys::ProgramKeyNames());

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    void OnSelectCommand();
    void OnChangeAssignment();
    void ShowAssignment(size_t index);
    // Catalogue index of the chosen command; false while "Select a command"
    // is chosen.
    bool SelectedCommand(size_t* index) const;

    keys::CommandCatalogue* m_pCatalogue;
    keys::CKeyNames* m_pNames;
};
