#include "platform/win32/color_edit.h"

#include "platform/win32/common_controls.h"

#include "platform/win32/controls.h"
#include "platform/win32/dialog.h"

namespace ui {

namespace {
constexpr UINT_PTR kSubclassId = 0xC01;
}

CColorEdit::~CColorEdit() {
    Detach();
    if (m_brBackground) {
        DeleteObject(m_brBackground);
    }
}

void CColorEdit::Attach(HWND dialog, int id) {
    Detach();
    m_hWnd = GetDlgItem(dialog, id);
    if (m_hWnd) {
        ui::SetWindowSubclass(m_hWnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }
}

void CColorEdit::Detach() {
    if (m_hWnd) {
        ui::RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
        m_hWnd = nullptr;
    }
}

void CColorEdit::SetBackgroundColor(COLORREF color) {
    m_crBackground = color;
    if (m_brBackground) {
        DeleteObject(m_brBackground);
    }
    m_brBackground = CreateSolidBrush(color);
    if (m_hWnd) {
        InvalidateRect(m_hWnd, nullptr, TRUE);
    }
}

void CColorEdit::SetTextColor(COLORREF color) {
    m_crText = color;
    if (m_hWnd) {
        InvalidateRect(m_hWnd, nullptr, TRUE);
    }
}

void CColorEdit::SetText(const std::string& utf8) {
    ui::SetText(m_hWnd, utf8);
}

std::string CColorEdit::GetText() const {
    return ui::GetText(m_hWnd);
}

LRESULT CALLBACK CColorEdit::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR /*id*/, DWORD_PTR data) {
    auto* self = reinterpret_cast<CColorEdit*>(data);
    if (message >= kReflectedMessageBase + WM_CTLCOLORMSGBOX &&
        message <= kReflectedMessageBase + WM_CTLCOLORSTATIC) {
        if (!self->m_brBackground) {
            return 0;  // no colour yet: the dialog's defaults apply
        }
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(dc, self->m_crText);
        ::SetBkColor(dc, self->m_crBackground);
        return reinterpret_cast<LRESULT>(self->m_brBackground);
    }
    if (message == WM_NCDESTROY) {
        ui::RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        self->m_hWnd = nullptr;
    }
    return ui::DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace ui
