// The thin dialog layer: a C++ object behind a dialog template.
//
// The dialog procedure is a thunk: it stores `this` at WM_INITDIALOG and
// forwards every message to HandleMessage, which dispatches the few messages
// the program's dialogs need to virtual members. Anything not handled
// returns FALSE to the dialog manager.
#pragma once

#include <windows.h>

#include "platform/win32/dpi_change.h"

namespace ui {

class CDialog {
  public:
    explicit CDialog(int templateId, HWND parent = nullptr);
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;
    virtual ~CDialog();

    // Runs the dialog modally; returns the value given to EndDialog, or -1
    // when the dialog could not be created.
    INT_PTR DoModal();

    // Creates the dialog modeless and visible (tests drive dialogs this way).
    // EndDialog then destroys the window and keeps the result.
    HWND Create();

    HWND GetHwnd() const { return m_hWnd; }
    HWND Item(int id) const { return GetDlgItem(m_hWnd, id); }
    int TemplateId() const { return m_nTemplateId; }

    void EndDialog(INT_PTR result);
    bool IsEnded() const { return m_bEnded; }
    INT_PTR Result() const { return m_nResult; }

  protected:
    // Returns TRUE to let the dialog manager set the focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // WM_COMMAND for every id other than IDOK and IDCANCEL.
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    // WM_NOTIFY; set *result for notifications that need one (custom draw).
    virtual bool OnNotify(int /*id*/, NMHDR* /*header*/, LRESULT* /*result*/) { return false; }
    virtual bool OnHScroll(HWND /*control*/, int /*code*/) { return false; }
    // WM_CTLCOLOR*: the brush for the control, its colours set in dc; nullptr
    // leaves the dialog manager's colours. Dialogs colour their own fields
    // here rather than have each control subclassed to answer.
    virtual HBRUSH OnCtlColor(HWND /*control*/, HDC /*dc*/) { return nullptr; }
    // Every other message; return true and set *result when handled.
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                           INT_PTR* /*result*/) {
        return false;
    }

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    int m_nTemplateId;
    HWND m_hParent;
    CDpiFollower m_dpi;
    HWND m_hWnd = nullptr;
    bool m_bModal = false;
    bool m_bEnded = false;
    INT_PTR m_nResult = 0;
};

}  // namespace ui
