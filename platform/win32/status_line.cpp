#include "platform/win32/status_line.h"

#include "platform/win32/common_controls.h"

#include "platform/win32/controls.h"
#include "platform/win32/dialog.h"

namespace ui {

namespace {
constexpr UINT_PTR kSubclassId = 0xC02;
}

CStatusLine::~CStatusLine() {
    // The window itself goes with its dialog; only the subclass is ours.
    if (m_hWnd) {
        ui::RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
    }
}

bool CStatusLine::Create(HWND dialog, int id, const RECT& rect) {
    m_hWnd = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                             rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                             dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
    if (!m_hWnd) {
        return false;
    }
    SendMessageW(m_hWnd, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
    ui::SetWindowSubclass(m_hWnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    return true;
}

void CStatusLine::Show(const std::string& utf8, bool warning) {
    if (!m_hWnd || (utf8 == GetText(m_hWnd) && warning == m_bWarning)) {
        return;  // unchanged: no flicker while a slider moves
    }
    m_bWarning = warning;
    SetText(m_hWnd, utf8);
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

LRESULT CALLBACK CStatusLine::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR /*id*/, DWORD_PTR data) {
    auto* self = reinterpret_cast<CStatusLine*>(data);
    if (message == kReflectedMessageBase + WM_CTLCOLORSTATIC) {
        if (!self->m_bWarning) {
            return 0;  // the dialog's own colours
        }
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(dc, self->m_crWarning);
        ::SetBkColor(dc, GetSysColor(COLOR_3DFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE));
    }
    if (message == WM_NCDESTROY) {
        ui::RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        self->m_hWnd = nullptr;
    }
    return ui::DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace ui
