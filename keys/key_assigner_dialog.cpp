#include "keys/key_assigner_dialog.h"

#include <commctrl.h>

#include <optional>

#include "keys/key_bindings.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"

static_assert(keys::kHotKeyShift == HOTKEYF_SHIFT && keys::kHotKeyControl == HOTKEYF_CONTROL &&
              keys::kHotKeyAlt == HOTKEYF_ALT && keys::kHotKeyExtended == HOTKEYF_EXT);

namespace keys::detail {

CKeyAssigner::CKeyAssigner(HWND owner, CommandEntry& command, CKeyNames& names)
    : CDialog(IDD_KEY_ASSIGNER, owner), m_command(command), m_names(names) {}

BOOL CKeyAssigner::OnInitDialog() {
    ui::SetItemText(GetHwnd(), IDC_KA_COMMAND, m_command.name);
    ui::MoveFocus(GetHwnd(), Item(IDC_KA_HOTKEY));
    return FALSE;  // the focus is set
}

void CKeyAssigner::OnOK() {
    auto hotKey = static_cast<WORD>(SendMessageW(Item(IDC_KA_HOTKEY), HKM_GETHOTKEY, 0, 0));
    std::optional<Binding> binding = BindingOfHotKey(LOBYTE(hotKey), HIBYTE(hotKey), m_names);
    if (!binding) {
        ui::ShowMessage(GetHwnd(), msg::kAltNotAuthorized, msg::kCaptionErrorKeys, MB_ICONERROR);
        ui::MoveFocus(GetHwnd(), Item(IDC_KA_HOTKEY));
        return;
    }
    m_command.modifier = binding->modifier;
    m_command.key = binding->key;
    EndDialog(IDOK);
}

}  // namespace keys::detail
