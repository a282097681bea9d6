#include "keys/key_assigner_dialog.h"

#include <commctrl.h>

#include <optional>

#include "app/app_context.h"
#include "keys/key_bindings.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"

static_assert(keys::kHotKeyShift == HOTKEYF_SHIFT && keys::kHotKeyControl == HOTKEYF_CONTROL &&
              keys::kHotKeyAlt == HOTKEYF_ALT && keys::kHotKeyExtended == HOTKEYF_EXT);

CKeyAssigner::CKeyAssigner(HWND owner, keys::CommandCatalogue& catalogue, keys::CKeyNames& names)
    : CDialog(IDD_KEY_ASSIGNER, owner), m_pCatalogue(&catalogue), m_pNames(&names) {}

keys::CommandEntry* CKeyAssigner::Command() const {
    int32_t index = App().selectedCommand;
    if (index < 0 || static_cast<size_t>(index) >= m_pCatalogue->size()) {
        return nullptr;
    }
    return &(*m_pCatalogue)[static_cast<size_t>(index)];
}

BOOL CKeyAssigner::OnInitDialog() {
    if (keys::CommandEntry* command = Command()) {
        ui::SetItemText(GetHwnd(), IDC_KA_COMMAND, command->name);
    }
    ui::MoveFocus(GetHwnd(), Item(IDC_KA_HOTKEY));
    return FALSE;  // the focus is set
}

void CKeyAssigner::OnOK() {
    auto hotKey = static_cast<WORD>(SendMessageW(Item(IDC_KA_HOTKEY), HKM_GETHOTKEY, 0, 0));
    m_nVirtualKey = LOBYTE(hotKey);
    m_nModifiers = HIBYTE(hotKey);
    std::optional<keys::Binding> binding =
        keys::BindingOfHotKey(m_nVirtualKey, m_nModifiers, *m_pNames);
    if (!binding) {
        ui::ShowMessage(GetHwnd(), msg::kAltNotAuthorized, msg::kCaptionErrorKeys, MB_ICONERROR);
        ui::MoveFocus(GetHwnd(), Item(IDC_KA_HOTKEY));
        return;
    }
    if (keys::CommandEntry* command = Command()) {
        command->modifier = binding->modifier;
        command->key = binding->key;
    }
    EndDialog(IDOK);
}
