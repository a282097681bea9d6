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

namespace {

constexpr wchar_t kOwnerProperty[] = L"CorvelKeyAssigner";
constexpr wchar_t kProcedureProperty[] = L"CorvelHotKeyProcedure";

// The hot-key control spells keys its own way ("Ctrl + Shift + F7"); the
// box shows them as Key Assignments does, so the control's painting is
// taken over where our text stands, and left to it elsewhere.
LRESULT CALLBACK HotKeyProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetPropW(control, kProcedureProperty));
    if (message == WM_PAINT) {
        if (auto* owner = static_cast<CKeyAssigner*>(GetPropW(control, kOwnerProperty))) {
            if (owner->PaintCapture(control)) {
                return 0;
            }
        }
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropW(control, kOwnerProperty);
        RemovePropW(control, kProcedureProperty);
    }
    return CallWindowProcW(original, control, message, wParam, lParam);
}

}  // namespace

CKeyAssigner::CKeyAssigner(HWND owner, CommandEntry& command, CKeyNames& names)
    : CDialog(IDD_KEY_ASSIGNER, owner), m_command(command), m_names(names) {}

BOOL CKeyAssigner::OnInitDialog() {
    ui::SetItemText(GetHwnd(), IDC_KA_COMMAND, m_command.name);
    HWND hotKey = Item(IDC_KA_HOTKEY);
    SetPropW(hotKey, kOwnerProperty, this);
    SetPropW(hotKey, kProcedureProperty,
             reinterpret_cast<HANDLE>(SetWindowLongPtrW(
                 hotKey, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HotKeyProcedure))));
    ui::MoveFocus(GetHwnd(), Item(IDC_KA_HOTKEY));
    return FALSE;  // the focus is set
}

bool CKeyAssigner::PaintCapture(HWND control) {
    const auto hotKey = static_cast<WORD>(SendMessageW(control, HKM_GETHOTKEY, 0, 0));
    const std::optional<std::string> text = CaptureText(LOBYTE(hotKey), HIBYTE(hotKey), m_names);
    if (!text) {
        return false;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(control, &paint);
    RECT client;
    GetClientRect(control, &client);
    // The background an edit box of this dialog gets, as the control asks for it.
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(control), WM_CTLCOLOREDIT,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(control)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(control) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    const std::wstring wide = ui::Widen(*text);
    const int margin = GetSystemMetrics(SM_CXBORDER);
    TextOutW(dc, margin, margin, wide.c_str(), static_cast<int>(wide.size()));
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    SelectObject(dc, oldFont);
    EndPaint(control, &paint);
    if (GetFocus() == control) {
        SetCaretPos(margin + extent.cx, margin);
    }
    return true;
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
