// "About Corvel Config...": the version, the simulator folder and how it was
// found, the preferences file and each aircraft file, as text the user can
// select and copy.
#pragma once

#include "app/about_text.h"
#include "platform/win32/dialog.h"

class CAboutDialog : public ui::CDialog {
  public:
    explicit CAboutDialog(HWND owner);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
};

// What the About text says, read from the application context and the disk
// now.
AboutFacts CollectAboutFacts();

// Shows the About dialog modally.
void ShowAbout(HWND owner);
