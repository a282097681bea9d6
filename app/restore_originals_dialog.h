// "Restore original files..." in the main menu's system menu, and the dialog
// it opens: the files with a kept original, ticked and restored on Restore.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/kept_originals.h"
#include "platform/win32/dialog.h"

class CRestoreOriginalsDlg : public ui::CDialog {
  public:
    // The paths are those the main menu found (LocateFiles).
    CRestoreOriginalsDlg(HWND parent, std::string simFolder, std::string prefsPath);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    void FillList();
    void OnRestore();

    const std::string m_simFolder;
    const std::string m_prefsPath;
    std::vector<KeptOriginal> m_kept;  // the rows of the list, in order
};

// Opens the dialog over window for those paths (the window menu's entry).
void RunRestoreOriginals(HWND window, const std::string& simFolder, const std::string& prefsPath);
