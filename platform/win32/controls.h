// Small named helpers over the Win32 calls the dialogs make. The program's
// text is UTF-8; these convert at the edge and use the wide API, so any
// character shows right whatever the ANSI code page.
#pragma once

#include <windows.h>

#include <string>

#include "platform/utf16.h"

namespace ui {

using text::Narrow;
using text::Widen;

void SetText(HWND window, const std::string& utf8);
std::string GetText(HWND window);
void SetItemText(HWND dialog, int id, const std::string& utf8);
std::string GetItemText(HWND dialog, int id);
// Sets a text only when it differs from the one shown: a field refreshed
// often does not flicker, and no repaint is asked for nothing. Not for an
// edit whose caller wants its change notification every time.
void ShowText(HWND window, const std::string& utf8);
void ShowItemText(HWND dialog, int id, const std::string& utf8);

// Checks `checked` and clears the other buttons first..last; checked outside
// the range clears them all.
void CheckRadio(HWND dialog, int first, int last, int checked);
bool IsChecked(HWND dialog, int id);
// Sets one button: a check box, or a radio button alone (the others of its
// group are the caller's to set).
void SetChecked(HWND dialog, int id, bool checked);

void SetTrackbarRange(HWND trackbar, int minimum, int maximum, bool redraw);
void SetTrackbarPos(HWND trackbar, int position);
int GetTrackbarPos(HWND trackbar);

// Progress bars keep the colours they are given: theming is turned off for
// the control, since a themed bar ignores bar and background colours.
void SetProgressRange(HWND bar, int minimum, int maximum);
void SetProgressPos(HWND bar, int position);
void SetProgressColors(HWND bar, COLORREF barColor, COLORREF backgroundColor);

// A modal message box with one OK button; icon is MB_ICONERROR,
// MB_ICONEXCLAMATION or MB_ICONINFORMATION.
int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT icon);

// Moves the keyboard focus the way the dialog manager does (WM_NEXTDLGCTL).
void MoveFocus(HWND dialog, HWND control);

// The DPI of the window's screen (Windows 10 1607 and later know one per
// window), or the system's.
UINT WindowDpi(HWND window);

// Centres the window over its owner (or its screen when the owner is hidden
// or minimised), kept within the work area: a dialog may be taller than its
// owner.
void CenterOnOwner(HWND window);

}  // namespace ui
