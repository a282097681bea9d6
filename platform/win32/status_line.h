// A line of text that a dialog adds at run time in free space of its
// template (never over a template control): a static control in the
// dialog's font, painted in a warning colour while it warns (the dialog
// answers its control-colour message with Paint).
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class CStatusLine {
  public:
    explicit CStatusLine(COLORREF warningColor) : m_crWarning(warningColor) {}
    CStatusLine(const CStatusLine&) = delete;
    CStatusLine& operator=(const CStatusLine&) = delete;

    // Creates the line in rect (the dialog's client coordinates). Returns
    // false when the window could not be made; Show then does nothing.
    bool Create(HWND dialog, int id, const RECT& rect);
    HWND Hwnd() const { return m_hWnd; }

    void Show(const std::string& utf8, bool warning);
    bool IsWarning() const { return m_bWarning; }

    // The brush for the line's control-colour message, its colours set in
    // dc, while it warns; nullptr otherwise and for any other control.
    HBRUSH Paint(HWND control, HDC dc) const;

  private:
    COLORREF m_crWarning;
    HWND m_hWnd = nullptr;
    bool m_bWarning = false;
};

}  // namespace ui
