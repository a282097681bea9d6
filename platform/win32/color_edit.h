// An edit or static control painted in colours set by its dialog.
//
// The dialog reflects the control-colour messages back to the control (see
// dialog.h); the control answers with its own text colour, background colour
// and brush. It owns one brush at a time.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class CColorEdit {
  public:
    CColorEdit() = default;
    CColorEdit(const CColorEdit&) = delete;
    CColorEdit& operator=(const CColorEdit&) = delete;
    ~CColorEdit();

    // Binds the object to an existing control of a dialog.
    void Attach(HWND dialog, int id);
    HWND Hwnd() const { return m_hWnd; }

    void SetBackgroundColor(COLORREF color);
    void SetTextColor(COLORREF color);
    void SetText(const std::string& utf8);
    std::string GetText() const;

    COLORREF TextColor() const { return m_crText; }
    COLORREF BackgroundColor() const { return m_crBackground; }
    HBRUSH BackgroundBrush() const { return m_brBackground; }

  private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
    void Detach();

    HWND m_hWnd = nullptr;
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crBackground = RGB(255, 255, 255);
    HBRUSH m_brBackground = nullptr;
};

}  // namespace ui
