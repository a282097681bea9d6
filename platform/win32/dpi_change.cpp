#include "platform/win32/dpi_change.h"

#include "platform/win32/controls.h"
#include "platform/win32/pictures.h"

namespace ui {

namespace {

UINT LaidOutMessage() {
    static const UINT message = RegisterWindowMessageW(L"Corvel.DpiChangeLaidOut");
    return message;
}

}  // namespace

void CDpiFollower::Start(HWND dialog) {
    Forget();
    m_dpi = static_cast<int>(WindowDpi(dialog));
    m_newDpi = m_dpi;
}

bool CDpiFollower::OnMessage(HWND dialog, UINT message, WPARAM wParam) {
    if (message == WM_DPICHANGED) {
        // Before the dialog manager gives every control the dialog font.
        const auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
        m_ownFonts.clear();
        for (HWND child = GetWindow(dialog, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            const auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
            if (font && font != dialogFont) {
                m_ownFonts.emplace_back(child, font);
            }
        }
        m_newDpi = HIWORD(wParam);
        PostMessageW(dialog, LaidOutMessage(), 0, 0);
        return false;  // the dialog manager lays the dialog out
    }
    if (message != LaidOutMessage() || message == 0) {
        return false;
    }
    if (m_newDpi > 0 && m_dpi > 0 && m_newDpi != m_dpi) {
        for (const auto& [control, font] : m_ownFonts) {
            LOGFONTW description{};
            if (!IsWindow(control) || !GetObjectW(font, sizeof description, &description)) {
                continue;
            }
            description.lfHeight = MulDiv(description.lfHeight, m_newDpi, m_dpi);
            description.lfWidth = MulDiv(description.lfWidth, m_newDpi, m_dpi);
            if (HFONT made = CreateFontIndirectW(&description)) {
                m_madeFonts.push_back(made);
                SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
            }
        }
        m_dpi = m_newDpi;
    }
    m_ownFonts.clear();
    ShowPicturesAgain(dialog);
    InvalidateRect(dialog, nullptr, TRUE);
    return true;
}

void CDpiFollower::Forget() {
    m_ownFonts.clear();
    for (HFONT font : m_madeFonts) {
        DeleteObject(font);
    }
    m_madeFonts.clear();
}

}  // namespace ui
