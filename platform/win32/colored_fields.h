// A dialog's coloured fields listed once: one row per control with its
// colours. The dialog answers its control-colour messages from the rows
// (CDialog::OnCtlColor), so the fields need no window of their own changed.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>

namespace ui {

struct ColoredField {
    int id;
    COLORREF background;
    COLORREF text;
};

class CColoredFields {
  public:
    CColoredFields() = default;
    CColoredFields(const CColoredFields&) = delete;
    CColoredFields& operator=(const CColoredFields&) = delete;
    ~CColoredFields();

    // Paints each row's control in the row's colours from now on.
    template <std::size_t N>
    void Attach(const ColoredField (&rows)[N]) {
        Attach(rows, N);
    }

    // The brush for a control-colour message of one of the rows' controls,
    // with the device context's colours set; nullptr for any other control.
    HBRUSH Paint(HWND control, HDC dc) const;

  private:
    void Attach(const ColoredField* rows, std::size_t count);
    void Release();

    const ColoredField* m_rows = nullptr;
    std::size_t m_count = 0;
    std::unique_ptr<HBRUSH[]> m_brushes;  // one per row
};

}  // namespace ui
