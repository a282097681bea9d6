#include "keys/key_config_dialog.h"

#include <commctrl.h>

#include <string>

#include "core/save_failure.h"
#include "keys/key_assigner_dialog.h"
#include "keys/key_assignments.h"
#include "keys/key_bindings.h"
#include "keys/keyboard_layout.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"

namespace keys {

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

void RunKeyAssignments(HWND owner, const std::string& prefsPath, CommandCatalogue& catalogue) {
    detail::CKeyConfig dialog(owner, prefsPath, catalogue, ProgramKeyNames());
    dialog.DoModal();
}

namespace detail {

CKeyConfig::CKeyConfig(HWND owner, const std::string& prefsPath, CommandCatalogue& catalogue,
                       CKeyNames& names)
    : CDialog(IDD_KEY_CONFIG, owner),
      m_prefsPath(prefsPath),
      m_catalogue(catalogue),
      m_names(names) {}

BOOL CKeyConfig::OnInitDialog() {
    HWND combo = Item(IDC_KC_COMMANDS);
    AddItem(combo, kSelectCommandItem, kNoCommand);
    LoadKeyAssignments(m_catalogue, m_prefsPath);
    for (size_t index : ListedCommands(m_catalogue)) {
        AddItem(combo, m_catalogue[index].name, static_cast<LPARAM>(index));
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
    if (data < 0 || static_cast<size_t>(data) >= m_catalogue.size()) {
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
    CKeyAssigner assigner(GetHwnd(), m_catalogue[index], m_names);
    assigner.DoModal();
    // OK or Cancel: the catalogue holds whatever binding is current now.
    ShowAssignment(index);
}

void CKeyConfig::ShowAssignment(size_t index) {
    ui::SetItemText(GetHwnd(), IDC_KC_ASSIGNMENT, AssignmentText(m_catalogue[index], m_names));
}

void CKeyConfig::OnOK() {
    files::Status status = SaveKeyAssignments(m_catalogue, m_prefsPath);
    if (!status.ok()) {
        // The dialog stays open so the user can free the file and try again.
        ui::ShowMessage(GetHwnd(), msg::SaveFailure(msg::kKeysNotSaved, m_prefsPath, status),
                        msg::kCaptionError, MB_ICONERROR);
        return;
    }
    EndDialog(IDOK);
}

}  // namespace detail

}  // namespace keys
