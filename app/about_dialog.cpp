#include "app/about_dialog.h"

#include <utility>

#include "payload/aircraft_files.h"
#include "platform/files.h"
#include "platform/win32/controls.h"
#include "res/resource.h"
#include "version.h"

namespace {

void AddFile(AboutFacts& facts, std::string aircraft, const std::string& path) {
    facts.aircraftFiles.push_back({std::move(aircraft), path, files::FileExists(path)});
}

}  // namespace

AboutFacts CollectAboutFacts(const AppContext& context) {
    AboutFacts facts;
    facts.version = CORVEL_VERSION_STRING;
    facts.simFolder = context.simFolder;
    facts.foundBy = context.simFolderFoundBy;
    facts.prefsPath = context.prefsPath;
    facts.prefsExists = files::FileExists(context.prefsPath);
    for (const AircraftSpec& aircraft : kAircraft) {
        const AircraftFiles paths = AircraftFilePaths(aircraft.type, context.simFolder);
        const std::string name = aircraft.name;
        if (paths.iae.empty()) {
            AddFile(facts, name, paths.base);
        } else {
            AddFile(facts, name + " CFM", paths.base);
            AddFile(facts, name + " IAE", paths.iae);
        }
    }
    return facts;
}

CAboutDialog::CAboutDialog(HWND owner, AboutFacts facts)
    : CDialog(IDD_ABOUT, owner), m_facts(std::move(facts)) {}

BOOL CAboutDialog::OnInitDialog() {
    ui::SetItemText(GetHwnd(), IDC_ABOUT_TEXT, AboutText(m_facts));
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

void ShowAbout(HWND owner, const AppContext& context) {
    CAboutDialog about(owner, CollectAboutFacts(context));
    about.DoModal();
}
