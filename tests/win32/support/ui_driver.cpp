#include "tests/win32/support/ui_driver.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/win32/controls.h"

namespace testui {

namespace {

struct DriverState {
    std::function<void(HWND)> handler;
    std::set<HWND> seen;
};

DriverState* g_driver = nullptr;

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto* windows = reinterpret_cast<std::vector<HWND>*>(param);
    windows->push_back(window);
    return TRUE;
}

std::vector<HWND> ThreadDialogs() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    std::vector<HWND> dialogs;
    for (HWND window : windows) {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (IsWindowVisible(window) && std::wstring(className) == L"#32770") {
            dialogs.push_back(window);
        }
    }
    return dialogs;
}

VOID CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_driver) {
        return;
    }
    for (HWND window : ThreadDialogs()) {
        // Only the window that has the input (owners of a modal window are
        // disabled) is handed over, and each one once.
        if (!IsWindowEnabled(window) || g_driver->seen.count(window)) {
            continue;
        }
        g_driver->seen.insert(window);
        g_driver->handler(window);
        return;
    }
}

}  // namespace

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void RunWithModalHandler(const std::function<void()>& action,
                         const std::function<void(HWND window)>& handler) {
    DriverState state{handler, {}};
    for (HWND existing : ThreadDialogs()) {
        state.seen.insert(existing);
    }
    DriverState* previous = g_driver;
    g_driver = &state;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, OnTimer);
    action();
    KillTimer(nullptr, timer);
    g_driver = previous;
    PumpMessages();
}

bool IsMessageBox(HWND window) {
    static const HICON kIcons[] = {LoadIconW(nullptr, IDI_ERROR), LoadIconW(nullptr, IDI_WARNING),
                                   LoadIconW(nullptr, IDI_INFORMATION),
                                   LoadIconW(nullptr, IDI_QUESTION)};
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {
            continue;
        }
        auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        for (HICON standard : kIcons) {
            if (icon == standard) {
                return true;
            }
        }
    }
    return false;
}

MessageBoxInfo ReadMessageBox(HWND box) {
    MessageBoxInfo info;
    info.caption = Text(box);
    info.owner = GetWindow(box, GW_OWNER);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        LONG style = GetWindowLongW(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON) {
            auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
            if (icon == LoadIconW(nullptr, IDI_ERROR)) {
                info.icon = MB_ICONERROR;
            } else if (icon == LoadIconW(nullptr, IDI_WARNING)) {
                info.icon = MB_ICONEXCLAMATION;
            } else if (icon == LoadIconW(nullptr, IDI_INFORMATION)) {
                info.icon = MB_ICONINFORMATION;
            } else if (icon == LoadIconW(nullptr, IDI_QUESTION)) {
                info.icon = MB_ICONQUESTION;
            }
        } else if (GetDlgCtrlID(child) == 0xFFFF) {
            info.text = Text(child);
        }
    }
    return info;
}

std::vector<MessageBoxInfo> AnswerMessageBoxes(const std::function<void()>& action,
                                               const std::function<void(HWND dialog)>& onDialog) {
    std::vector<MessageBoxInfo> boxes;
    RunWithModalHandler(action, [&](HWND window) {
        if (IsMessageBox(window)) {
            boxes.push_back(ReadMessageBox(window));
            PostMessageW(window, WM_COMMAND, IDOK, 0);
        } else if (onDialog) {
            onDialog(window);
        } else {
            ADD_FAILURE() << "unexpected dialog \"" << Text(window) << "\"";
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        }
    });
    return boxes;
}

void Click(HWND dialog, int id) {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

std::string Text(HWND window) {
    return ui::GetText(window);
}

std::string ItemText(HWND dialog, int id) {
    return ui::GetItemText(dialog, id);
}

}  // namespace testui
