#include "platform/win32/dpi_change.h"

#include "platform/win32/common_controls.h"

#include <utility>
#include <vector>

#include "platform/win32/controls.h"
#include "platform/win32/pictures.h"

namespace ui {

namespace {

constexpr UINT_PTR kSubclassId = 0xD91;
// The dialog's property that says it follows changes of DPI already.
constexpr wchar_t kFollowing[] = L"Corvel.FollowsDpi";

// What one dialog keeps between a change of DPI and the moment the dialog
// manager is done with it.
struct DpiState {
    int dpi = 0;
    int newDpi = 0;
    // Controls with a font of their own, and that font as it was.
    std::vector<std::pair<HWND, HFONT>> ownFonts;
    // Fonts made here, deleted with the dialog.
    std::vector<HFONT> madeFonts;
};

UINT LaidOutMessage() {
    static const UINT message = RegisterWindowMessageW(L"Corvel.DpiChangeLaidOut");
    return message;
}

void NoteOwnFonts(HWND dialog, DpiState& state) {
    const auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    state.ownFonts.clear();
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
        if (font && font != dialogFont) {
            state.ownFonts.emplace_back(child, font);
        }
    }
}

void RemakeOwnFonts(DpiState& state) {
    for (const auto& [control, font] : state.ownFonts) {
        LOGFONTW description{};
        if (!IsWindow(control) || !GetObjectW(font, sizeof description, &description)) {
            continue;
        }
        description.lfHeight = MulDiv(description.lfHeight, state.newDpi, state.dpi);
        description.lfWidth = MulDiv(description.lfWidth, state.newDpi, state.dpi);
        HFONT made = CreateFontIndirectW(&description);
        if (made) {
            state.madeFonts.push_back(made);
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
        }
    }
    state.ownFonts.clear();
}

LRESULT CALLBACK FollowDpi(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                           DWORD_PTR data) {
    auto* state = reinterpret_cast<DpiState*>(data);
    if (message == WM_DPICHANGED) {
        // Before the dialog manager gives every control the dialog font.
        NoteOwnFonts(dialog, *state);
        state->newDpi = HIWORD(wParam);
        const LRESULT result = ui::DefSubclassProc(dialog, message, wParam, lParam);
        PostMessageW(dialog, LaidOutMessage(), 0, 0);
        return result;
    }
    if (message == LaidOutMessage() && message != 0) {
        if (state->newDpi > 0 && state->dpi > 0 && state->newDpi != state->dpi) {
            RemakeOwnFonts(*state);
            state->dpi = state->newDpi;
        }
        ShowPicturesAgain(dialog);
        InvalidateRect(dialog, nullptr, TRUE);
        return 0;
    }
    if (message == WM_DESTROY) {
        ForgetPictures(dialog);
        RemovePropW(dialog, kFollowing);
    } else if (message == WM_NCDESTROY) {
        ui::RemoveWindowSubclass(dialog, FollowDpi, kSubclassId);
        const LRESULT result = ui::DefSubclassProc(dialog, message, wParam, lParam);
        // The controls are gone: their fonts can go.
        for (HFONT font : state->madeFonts) {
            DeleteObject(font);
        }
        delete state;
        return result;
    }
    return ui::DefSubclassProc(dialog, message, wParam, lParam);
}

}  // namespace

void FollowDpiChanges(HWND dialog) {
    if (!dialog || GetPropW(dialog, kFollowing)) {
        return;
    }
    auto* state = new DpiState;
    state->dpi = static_cast<int>(WindowDpi(dialog));
    if (!ui::SetWindowSubclass(dialog, FollowDpi, kSubclassId,
                               reinterpret_cast<DWORD_PTR>(state))) {
        delete state;
        return;
    }
    SetPropW(dialog, kFollowing, state);
}

}  // namespace ui
