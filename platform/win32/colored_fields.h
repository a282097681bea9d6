// A dialog's coloured fields listed once: one row per control with its
// colours, and the edits that paint them, made and attached from the rows.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>

#include "platform/win32/color_edit.h"

namespace ui {

struct ColoredField {
    int id;
    COLORREF background;
    COLORREF text;
};

class CColoredFields {
  public:
    // Paints each row's control of the dialog in the row's colours, until
    // the dialog is destroyed or Attach is called again.
    template <std::size_t N>
    void Attach(HWND dialog, const ColoredField (&rows)[N]) {
        Attach(dialog, rows, N);
    }

  private:
    void Attach(HWND dialog, const ColoredField* rows, std::size_t count);

    std::unique_ptr<CColorEdit[]> m_edits;
};

}  // namespace ui
