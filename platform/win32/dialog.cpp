#include "platform/win32/dialog.h"

#include <commctrl.h>

#include "platform/win32/pictures.h"

namespace ui {

CDialog::CDialog(int templateId, HWND parent) : m_nTemplateId(templateId), m_hParent(parent) {}

CDialog::~CDialog() {
    if (m_hWnd && !m_bModal) {
        DestroyWindow(m_hWnd);
    }
}

INT_PTR CDialog::DoModal() {
    m_bModal = true;
    m_bEnded = false;
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nTemplateId), m_hParent,
                           DialogProc, reinterpret_cast<LPARAM>(this));
}

HWND CDialog::Create() {
    m_bModal = false;
    m_bEnded = false;
    HWND hwnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nTemplateId),
                                   m_hParent, DialogProc, reinterpret_cast<LPARAM>(this));
    if (hwnd) {
        ShowWindow(hwnd, SW_SHOW);
    }
    return hwnd;
}

void CDialog::EndDialog(INT_PTR result) {
    m_nResult = result;
    m_bEnded = true;
    if (!m_hWnd) {
        return;
    }
    if (m_bModal) {
        ::EndDialog(m_hWnd, result);
    } else {
        DestroyWindow(m_hWnd);
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->m_hWnd = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        ShowTemplatePictures(hwnd, self->m_nTemplateId);
        self->m_dpi.Start(hwnd);
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) {
        return FALSE;
    }
    if (self->m_dpi.OnMessage(hwnd, message, wParam)) {
        return TRUE;
    }
    if (message == WM_DESTROY) {
        ForgetPictures(hwnd);
    }
    INT_PTR result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The controls are gone, and with them the fonts made for them.
        self->m_dpi.Forget();
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
    }
    return result;
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND: {
            int id = LOWORD(wParam);
            int code = HIWORD(wParam);
            HWND control = reinterpret_cast<HWND>(lParam);
            if (id == IDOK && code == BN_CLICKED) {
                OnOK();
                return TRUE;
            }
            if (id == IDCANCEL && code == BN_CLICKED) {
                OnCancel();
                return TRUE;
            }
            return OnCommand(id, code, control) ? TRUE : FALSE;
        }
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            LRESULT result = 0;
            if (OnNotify(static_cast<int>(header->idFrom), header, &result)) {
                SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
                return TRUE;
            }
            return FALSE;
        }
        case WM_HSCROLL:
            return OnHScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam)) ? TRUE : FALSE;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSCROLLBAR: {
            HWND control = reinterpret_cast<HWND>(lParam);
            if (HBRUSH own = OnCtlColor(control, reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<INT_PTR>(own);
            }
            return FALSE;  // the dialog manager's colours
        }
        default:
            break;
    }
    INT_PTR result = 0;
    if (OnMessage(message, wParam, lParam, &result)) {
        return result;
    }
    return FALSE;
}

}  // namespace ui
