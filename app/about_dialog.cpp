#include "app/about_dialog.h"

#include "app/app_context.h"
#include "payload/aircraft_files.h"
#include "platform/files.h"
#include "platform/win32/controls.h"
#include "res/resource.h"
#include "version.h"

namespace {

constexpr const char* kAircraftNames[kAircraftCount] = {"A318", "A319", "A320", "A321", "ACJ"};

void AddFile(AboutFacts& facts, std::string aircraft, const std::string& path) {
    facts.aircraftFiles.push_back({std::move(aircraft), path, files::FileExists(path)});
}

}  // namespace

AboutFacts CollectAboutFacts() {
    AboutFacts facts;
    facts.version = CORVEL_VERSION_STRING;
    facts.simFolder = App().simFolder;
    facts.foundBy = App().simFolderFoundBy;
    facts.prefsPath = App().prefsPath;
    facts.prefsExists = files::FileExists(App().prefsPath);
    for (int i = 0; i < kAircraftCount; ++i) {
        AircraftFiles paths = AircraftFilePaths(static_cast<AircraftType>(i + 1), App().simFolder);
        if (paths.iae.empty()) {
            AddFile(facts, kAircraftNames[i], paths.base);
        } else {
            AddFile(facts, std::string(kAircraftNames[i]) + " CFM", paths.base);
            AddFile(facts, std::string(kAircraftNames[i]) + " IAE", paths.iae);
        }
    }
    return facts;
}

CAboutDialog::CAboutDialog(HWND owner) : CDialog(IDD_ABOUT, owner) {}

BOOL CAboutDialog::OnInitDialog() {
    ui::SetItemText(GetHwnd(), IDC_ABOUT_TEXT, AboutText(CollectAboutFacts()));
    // Close has the focus, so the text shows from its first line.
    ui::MoveFocus(GetHwnd(), Item(IDCANCEL));
    return FALSE;
}

bool CAboutDialog::OnCommand(int id, int code, HWND /*control*/) {
    if (id != IDC_ABOUT_COPY || code != BN_CLICKED) {
        return false;
    }
    HWND text = Item(IDC_ABOUT_TEXT);
    SendMessageW(text, EM_SETSEL, 0, -1);
    SendMessageW(text, WM_COPY, 0, 0);
    ui::MoveFocus(GetHwnd(), text);
    return true;
}

void ShowAbout(HWND owner) {
    CAboutDialog about(owner);
    about.DoModal();
}
