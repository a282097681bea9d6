// Driving the program's windows from a test as a user would: modal dialogs
// and message boxes that an action opens are handed to a handler from inside
// their own modal loops, where the handler reads and closes them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testui {

// Dispatches every message waiting on this thread.
void PumpMessages();

// Runs action. Each top-level dialog or message box that appears on this
// thread while it runs (and did not exist before) is passed once to
// handler, from a timer inside the innermost modal loop. The handler is
// expected to close it, for instance with Click(window, IDOK); it may open
// further modal windows, which are handled in turn.
void RunWithModalHandler(const std::function<void()>& action,
                         const std::function<void(HWND window)>& handler);

struct MessageBoxInfo {
    std::string caption;
    std::string text;
    UINT icon = 0;  // MB_ICONERROR, MB_ICONEXCLAMATION, MB_ICONINFORMATION, MB_ICONQUESTION or 0
    HWND owner = nullptr;
};

bool IsMessageBox(HWND window);
MessageBoxInfo ReadMessageBox(HWND box);

// Runs action, answering every message box with OK, and returns them in
// the order they appeared. Any other modal window is passed to onDialog
// (which must close it); without onDialog the test fails and the window is
// cancelled.
std::vector<MessageBoxInfo> AnswerMessageBoxes(
    const std::function<void()>& action,
    const std::function<void(HWND dialog)>& onDialog = nullptr);

// A click on a dialog's button, as a user makes it (BM_CLICK).
void Click(HWND dialog, int id);
std::string Text(HWND window);
std::string ItemText(HWND dialog, int id);

}  // namespace testui
