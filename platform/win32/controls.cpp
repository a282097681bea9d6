#include "platform/win32/controls.h"

#include <commctrl.h>

#include <algorithm>

#include <map>
#include <vector>

#include "platform/win32/system_library.h"

namespace ui {

void SetText(HWND window, const std::string& utf8) {
    SetWindowTextW(window, Widen(utf8).c_str());
}

std::string GetText(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(window, buffer.data(), length + 1);
    return Narrow(buffer.data());
}

void SetItemText(HWND dialog, int id, const std::string& utf8) {
    SetText(GetDlgItem(dialog, id), utf8);
}

void ShowText(HWND window, const std::string& utf8) {
    if (GetText(window) != utf8) {
        SetText(window, utf8);
    }
}

void ShowItemText(HWND dialog, int id, const std::string& utf8) {
    ShowText(GetDlgItem(dialog, id), utf8);
}

std::string GetItemText(HWND dialog, int id) {
    return GetText(GetDlgItem(dialog, id));
}

void CheckRadio(HWND dialog, int first, int last, int checked) {
    for (int id = first; id <= last; ++id) {
        SetChecked(dialog, id, id == checked);
    }
}

bool IsChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void SetChecked(HWND dialog, int id, bool checked) {
    HWND button = GetDlgItem(dialog, id);
    const UINT state = checked ? BST_CHECKED : BST_UNCHECKED;
    const LONG style = GetWindowLongW(button, GWL_STYLE);
    const LONG type = style & BS_TYPEMASK;
    if (type != BS_RADIOBUTTON && type != BS_AUTORADIOBUTTON) {
        if (IsDlgButtonChecked(dialog, id) != state) {
            CheckDlgButton(dialog, id, state);
        }
        return;
    }
    // A radio button's tab stop goes with its check, as the button itself
    // would set it. Checking an automatic radio button makes the button walk
    // its group to clear the others, which under Wine asks the window server
    // for every control of the dialog at each step (milliseconds per button);
    // the callers set each button of the group, so it is checked as a plain
    // radio button, and only when its state or tab stop differs.
    const LONG wanted = checked ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
    if (IsDlgButtonChecked(dialog, id) == state && wanted == style) {
        return;
    }
    SetWindowLongW(button, GWL_STYLE, (wanted & ~BS_TYPEMASK) | BS_RADIOBUTTON);
    CheckDlgButton(dialog, id, state);
    SetWindowLongW(button, GWL_STYLE, wanted);
}

// The setters below leave a control alone when it already shows the value:
// every change makes the control ask the window system to repaint it, a
// round trip that a dialog filling dozens of controls feels under Wine.

void SetTrackbarRange(HWND trackbar, int minimum, int maximum, bool redraw) {
    if (SendMessageW(trackbar, TBM_GETRANGEMIN, 0, 0) == minimum &&
        SendMessageW(trackbar, TBM_GETRANGEMAX, 0, 0) == maximum) {
        return;
    }
    SendMessageW(trackbar, TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageW(trackbar, TBM_SETRANGEMAX, redraw ? TRUE : FALSE, maximum);
}

void SetTrackbarPos(HWND trackbar, int position) {
    if (SendMessageW(trackbar, TBM_GETPOS, 0, 0) != position) {
        SendMessageW(trackbar, TBM_SETPOS, TRUE, position);
    }
}

int GetTrackbarPos(HWND trackbar) {
    return static_cast<int>(SendMessageW(trackbar, TBM_GETPOS, 0, 0));
}

void SetProgressRange(HWND bar, int minimum, int maximum) {
    PBRANGE range{};
    SendMessageW(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    if (range.iLow != minimum || range.iHigh != maximum) {
        SendMessageW(bar, PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
    }
}

void SetProgressPos(HWND bar, int position) {
    if (SendMessageW(bar, PBM_GETPOS, 0, 0) != position) {
        SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    }
}

void SetProgressColors(HWND bar, COLORREF barColor, COLORREF backgroundColor) {
    // A class list naming no theme class. Wine ignores empty strings here
    // and keeps the theme, which paints the bar in the theme's colour.
    using SetWindowThemeFunction = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    static const auto setWindowTheme =
        SystemFunction<SetWindowThemeFunction>(L"uxtheme.dll", "SetWindowTheme");
    if (setWindowTheme) {
        setWindowTheme(bar, L" ", L" ");
    }
    SendMessageW(bar, PBM_SETBARCOLOR, 0, static_cast<LPARAM>(barColor));
    SendMessageW(bar, PBM_SETBKCOLOR, 0, static_cast<LPARAM>(backgroundColor));
}

int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT icon) {
    return MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), MB_OK | icon);
}

void MoveFocus(HWND dialog, HWND control) {
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

UINT WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    UINT dpi = getDpiForWindow ? getDpiForWindow(window) : 0;
    if (dpi == 0) {
        HDC screen = GetDC(nullptr);
        dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
        ReleaseDC(nullptr, screen);
    }
    return dpi == 0 ? 96 : dpi;
}

void CenterOnOwner(HWND hwnd) {
    HWND owner = GetWindow(hwnd, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT area = monitor.rcWork;
    RECT around = area;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) {
        GetWindowRect(owner, &around);
    }
    RECT own{};
    GetWindowRect(hwnd, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    int x = around.left + (around.right - around.left - width) / 2;
    int y = around.top + (around.bottom - around.top - height) / 2;
    x = std::max<int>(area.left, std::min<int>(x, area.right - width));
    y = std::max<int>(area.top, std::min<int>(y, area.bottom - height));
    SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
