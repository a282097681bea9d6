#include "platform/win32/colored_fields.h"

namespace ui {

void CColoredFields::Attach(HWND dialog, const ColoredField* rows, std::size_t count) {
    m_edits = std::make_unique<CColorEdit[]>(count);
    for (std::size_t i = 0; i < count; ++i) {
        m_edits[i].Attach(dialog, rows[i].id);
        m_edits[i].SetBackgroundColor(rows[i].background);
        m_edits[i].SetTextColor(rows[i].text);
    }
}

}  // namespace ui
