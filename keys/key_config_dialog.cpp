#include "keys/key_config_dialog.h"

#include <commctrl.h>

#include <string>

#include "app/app_context.h"
#include "keys/key_assigner_dialog.h"
#include "keys/key_assignments.h"
#include "keys/key_bindings.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"

namespace {

constexpr char kSelectCommandItem[] = "Select a command";
// Item data of the "Select a command" item: no catalogue row.
constexpr LPARAM kNoCommand = -1;

void AddItem(HWND combo, const std::string& text, LPARAM data) {
    auto item =
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ui::Widen(text).c_str()));
    SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(item), data);
}

}  // namespace

CKeyConfig::CKeyConfig(HWND owner, keys::CommandCatalogue& catalogue, keys::CKeyNames& names)
    : CDialog(IDD_KEY_CONFIG, owner), m_pCatalogue(&catalogue), m_pNames(&names) {}

BOOL CKeyConfig::OnInitDialog() {
    HWND combo = Item(IDC_KC_COMMANDS);
    AddItem(combo, kSelectCommandItem, kNoCommand);
    keys::LoadKeyAssignments(*m_pCatalogue, App().prefsPath);
    for (size_t index : keys::ListedCommands(*m_pCatalogue)) {
        AddItem(combo, (*m_pCatalogue)[index].name, static_cast<LPARAM>(index));
    }
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    return TRUE;
}

bool CKeyConfig::OnCommand(int id, int code, HWND /*control*/) {
    if (id == IDC_KC_COMMANDS && code == CBN_SELCHANGE) {
        OnSelectCommand();
        return true;
    }
    if (id == IDC_KC_CHANGE && code == BN_CLICKED) {
        OnChangeAssignment();
        return true;
    }
    return false;
}

bool CKeyConfig::SelectedCommand(size_t* index) const {
    HWND combo = Item(IDC_KC_COMMANDS);
    auto item = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (item == CB_ERR) {
        return false;
    }
    auto data = SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(item), 0);
    if (data < 0 || static_cast<size_t>(data) >= m_pCatalogue->size()) {
        return false;
    }
    *index = static_cast<size_t>(data);
    return true;
}

void CKeyConfig::OnSelectCommand() {
    size_t index = 0;
    if (SelectedCommand(&index)) {
        ShowAssignment(index);
    } else {
        ui::SetItemText(GetHwnd(), IDC_KC_ASSIGNMENT, "");
    }
}

void CKeyConfig::OnChangeAssignment() {
    size_t index = 0;
    if (!SelectedCommand(&index)) {
        ui::ShowMessage(GetHwnd(), msg::kSelectCommandFirst, msg::kCaptionError, MB_ICONERROR);
        return;
    }
    App().selectedCommand = static_cast<int32_t>(index);
    CKeyAssigner assigner(GetHwnd(), *m_pCatalogue, *m_pNames);
    assigner.DoModal();
    // OK or Cancel: the catalogue holds whatever binding is current now.
    ShowAssignment(index);
}

void CKeyConfig::ShowAssignment(size_t index) {
    ui::SetItemText(GetHwnd(), IDC_KC_ASSIGNMENT,
                    keys::AssignmentText((*m_pCatalogue)[index], *m_pNames));
}

void CKeyConfig::OnOK() {
    files::Status status = keys::SaveKeyAssignments(*m_pCatalogue, App().prefsPath);
    if (!status.ok()) {
        // The dialog stays open so the user can free the file and try again.
        ui::ShowMessage(GetHwnd(), msg::SaveFailure(msg::kKeysNotSaved, App().prefsPath, status),
                        msg::kCaptionError, MB_ICONERROR);
        return;
    }
    EndDialog(IDOK);
}
