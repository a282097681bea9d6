#include "platform/win32/status_line.h"

#include "platform/win32/controls.h"

namespace ui {

bool CStatusLine::Create(HWND dialog, int id, const RECT& rect) {
    m_hWnd = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                             rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                             dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
    if (!m_hWnd) {
        return false;
    }
    SendMessageW(m_hWnd, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
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

HBRUSH CStatusLine::Paint(HWND control, HDC dc) const {
    if (!m_hWnd || control != m_hWnd || !m_bWarning) {
        return nullptr;  // the dialog's own colours
    }
    ::SetTextColor(dc, m_crWarning);
    ::SetBkColor(dc, GetSysColor(COLOR_3DFACE));
    return GetSysColorBrush(COLOR_3DFACE);
}

}  // namespace ui
