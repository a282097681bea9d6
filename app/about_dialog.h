// "About Corvel Config...": the version, the simulator folder and how it was
// found, the preferences file and each aircraft file, as text the user can
// select and copy.
#pragma once

#include "app/about_text.h"
#include "app/app_context.h"
#include "platform/win32/dialog.h"

class CAboutDialog : public ui::CDialog {
  public:
    CAboutDialog(HWND owner, AboutFacts facts);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    AboutFacts m_facts;
};

// What the About text says: the context's folders, and which files exist
// now.
AboutFacts CollectAboutFacts(const AppContext& context);

// Shows the About dialog modally.
void ShowAbout(HWND owner, const AppContext& context);
