// Key Assignments: lists the commands, shows the key bound to the chosen
// one, lets the user capture another and writes every binding on OK.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "keys/command_catalogue.h"
#include "keys/key_tables.h"
#include "platform/win32/dialog.h"

namespace keys {

// Runs Key Assignments modally over owner on the run's catalogue, which it
// merges with the preferences file at prefsPath when it opens and which
// keeps every captured key, OK or Cancel.
void RunKeyAssignments(HWND owner, const std::string& prefsPath, CommandCatalogue& catalogue);

namespace detail {

// The dialog behind RunKeyAssignments (tests create it modeless, with key
// names of their own).
class CKeyConfig : public ui::CDialog {
  public:
    CKeyConfig(HWND owner, const std::string& prefsPath, CommandCatalogue& catalogue,
               CKeyNames& names);

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

    const std::string m_prefsPath;
    CommandCatalogue& m_catalogue;
    CKeyNames& m_names;
};

}  // namespace detail

}  // namespace keys
