// Driving the program's windows as a user would: each modal dialog or message box an action opens
// goes to a handler inside its own modal loop. With what every Windows test includes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/win32/controls.h"
#include "res/resource.h"
#include "tests/support/data_rows.h"

namespace fs = std::filesystem;

namespace testui {

// Runs action; each new top-level dialog or message box of this thread that has the input is passed
// once to handler, which closes it (and may open further ones, handled in turn).
void RunWithModalHandler(const std::function<void()>& action,
                         const std::function<void(HWND window)>& handler);

struct MessageBoxInfo {
    std::string caption, text;
    UINT icon = 0;  // MB_ICONERROR, ...EXCLAMATION, ...INFORMATION, ...QUESTION; 0: no box
    HWND owner = nullptr;
};
MessageBoxInfo ReadMessageBox(HWND window);
bool operator==(const MessageBoxInfo& a, const MessageBoxInfo& b);
void PrintTo(const MessageBoxInfo& box, std::ostream* out);
using Boxes = std::vector<MessageBoxInfo>;

// A text of tests/data/win32/messages.txt ("\n": a line break), of shown.txt.
std::string Message(const std::string& name, const std::string& file = "messages.txt");
inline std::string Seen(const std::string& name) {
    return Message(name, "shown.txt");
}

// Runs action, answering every message box with OK (a question with Yes); returns them in order.
// Other dialogs go to onDialog (which closes them); without it they fail the test.
Boxes AnswerMessageBoxes(const std::function<void()>& action,
                         const std::function<void(HWND dialog)>& onDialog = nullptr);

// Clicks a main menu button. Each opening of the selector gets the next clicks of choices, then
// Escape; a tool goes to tool. The menu must stay disabled under both, and own the selector.
Boxes FromMenu(HWND menu, int button, const std::vector<std::vector<int>>& choices,
               const std::function<void(HWND tool)>& tool);

void Click(HWND dialog, int id);  // BM_CLICK, as a user's click
template <class Ids>
std::string Texts(HWND dialog, const Ids& ids) {  // each followed by '|'
    std::string texts;
    for (int id : ids) {
        texts += ui::GetItemText(dialog, id) + "|";
    }
    return texts;
}
HWND MakeOwner();  // a visible top-level window to run tools over
std::string ClassOf(HWND window);
using test_data::Replaced;
void Pump();                              // dispatches the thread's waiting messages
std::string Rgb(COLORREF colour);         // "r,g,b "
RECT ChildRect(HWND dialog, HWND child);  // in the dialog's client coordinates
SIZE BitmapSize(HWND control);            // of the picture a static or button shows
HWND FileNameField(HWND picker);          // a file or folder picker's: its first visible edit
// The control inside the dialog's client area, overlapping no other (those made at run time
// included); every other control, "id left,top right,bottom" in tab order (a picture that takes its
// bitmap's size keeps only its place), where the dialog manager alone puts it (the template made
// into a dialog with no code of ours).
void ExpectInFreeSpace(HWND dialog, int templateId, int id);

// Files by UTF-8 path: in the temporary folder; the bytes ("" if missing); written, folders made.
std::string TempPath(const std::string& name);
std::string Bytes(const std::string& path);
void Put(const std::string& path, const std::string& bytes);

}  // namespace testui
