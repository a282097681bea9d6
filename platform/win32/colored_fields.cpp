#include "platform/win32/colored_fields.h"

namespace ui {

CColoredFields::~CColoredFields() {
    Release();
}

void CColoredFields::Attach(const ColoredField* rows, std::size_t count) {
    Release();
    m_rows = rows;
    m_count = count;
    m_brushes = std::make_unique<HBRUSH[]>(count);
    for (std::size_t i = 0; i < count; ++i) {
        m_brushes[i] = CreateSolidBrush(rows[i].background);
    }
}

void CColoredFields::Release() {
    for (std::size_t i = 0; i < m_count; ++i) {
        if (m_brushes[i]) {
            DeleteObject(m_brushes[i]);
        }
    }
    m_brushes.reset();
    m_count = 0;
}

HBRUSH CColoredFields::Paint(HWND control, HDC dc) const {
    const int id = GetDlgCtrlID(control);
    for (std::size_t i = 0; i < m_count; ++i) {
        if (m_rows[i].id == id && m_brushes[i]) {
            SetTextColor(dc, m_rows[i].text);
            SetBkColor(dc, m_rows[i].background);
            return m_brushes[i];
        }
    }
    return nullptr;
}

}  // namespace ui
