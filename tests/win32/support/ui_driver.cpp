#include "tests/win32/support/ui_driver.h"

#include "platform/win32/common_controls.h"

#include <sstream>

namespace testui {
namespace {

struct DriverState {
    std::function<void(HWND)> handler;
    std::set<HWND> seen;
};
DriverState* g_driver = nullptr;

// A function of its own rather than a lambda: the 32-bit callback is __stdcall.
BOOL CALLBACK CollectDialog(HWND window, LPARAM param) {
    if (IsWindowVisible(window) && ClassOf(window) == "#32770") {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    }
    return TRUE;
}

std::vector<HWND> ThreadDialogs() {
    std::vector<HWND> dialogs;
    EnumThreadWindows(GetCurrentThreadId(), CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

BOOL CALLBACK FindVisibleEdit(HWND child, LPARAM found) {
    const bool edit = ClassOf(child) == "Edit" && IsWindowVisible(child);
    *reinterpret_cast<HWND*>(found) = edit ? child : *reinterpret_cast<HWND*>(found);
    return !edit;
}

VOID CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    for (HWND window : g_driver ? ThreadDialogs() : std::vector<HWND>{}) {
        // Only the window with the input (a modal window's owners are disabled), once.
        if (IsWindowEnabled(window) && g_driver->seen.insert(window).second) {
            g_driver->handler(window);
            return;
        }
    }
}

}  // namespace

void RunWithModalHandler(const std::function<void()>& action,
                         const std::function<void(HWND window)>& handler) {
    DriverState state{handler, {}};
    for (HWND existing : ThreadDialogs()) {
        state.seen.insert(existing);
    }
    DriverState* previous = std::exchange(g_driver, &state);
    UINT_PTR timer = SetTimer(nullptr, 0, 10, OnTimer);
    action();
    KillTimer(nullptr, timer);
    g_driver = previous;
    Pump();
}

MessageBoxInfo ReadMessageBox(HWND box) {
    const std::pair<LPCWSTR, UINT> icons[] = {{IDI_ERROR, MB_ICONERROR},
                                              {IDI_WARNING, MB_ICONEXCLAMATION},
                                              {IDI_INFORMATION, MB_ICONINFORMATION},
                                              {IDI_QUESTION, MB_ICONQUESTION}};
    MessageBoxInfo info{ui::GetText(box), "", 0, GetWindow(box, GW_OWNER)};
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
            for (auto [name, flag] : icons) {
                info.icon = icon == LoadIconW(nullptr, name) ? flag : info.icon;
            }
        } else if (GetDlgCtrlID(child) == 0xFFFF) {
            info.text = ui::GetText(child);
        }
    }
    return info;
}

bool operator==(const MessageBoxInfo& a, const MessageBoxInfo& b) {
    return a.caption == b.caption && a.text == b.text && a.icon == b.icon && a.owner == b.owner;
}
void PrintTo(const MessageBoxInfo& box, std::ostream* out) {
    *out << box.caption << " (icon " << box.icon << ", owner " << box.owner << "): " << box.text;
}

std::string Message(const std::string& name, const std::string& file) {
    std::ifstream in(CORVEL_SOURCE_DIR "/tests/data/win32/" + file);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(name + "=", 0) == 0) {
            return Replaced(line.substr(name.size() + 1), "\\n", "\n");
        }
    }
    ADD_FAILURE() << "no " << name << " in " << file;
    return {};
}

Boxes AnswerMessageBoxes(const std::function<void()>& action,
                         const std::function<void(HWND dialog)>& onDialog) {
    Boxes boxes;
    RunWithModalHandler(action, [&](HWND window) {
        MessageBoxInfo box = ReadMessageBox(window);
        if (box.icon != 0) {
            boxes.push_back(box);
            PostMessageW(window, WM_COMMAND, box.icon == MB_ICONQUESTION ? IDYES : IDOK, 0);
        } else if (onDialog) {
            onDialog(window);
        } else {
            ADD_FAILURE() << "unexpected dialog \"" << box.caption << "\"";
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        }
    });
    return boxes;
}

Boxes FromMenu(HWND menu, int button, const std::vector<std::vector<int>>& choices,
               const std::function<void(HWND tool)>& tool) {
    size_t opening = 0;
    Boxes boxes = AnswerMessageBoxes(
        [&] { Click(menu, button); },
        [&](HWND window) {
            EXPECT_FALSE(IsWindowEnabled(menu)) << ui::GetText(window);
            if (ui::GetText(window) != "Aircraft Selector") {
                EXPECT_TRUE(tool) << "unexpected tool " << ui::GetText(window);
                return tool ? tool(window) : (void)PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
            }
            EXPECT_EQ(GetWindow(window, GW_OWNER), menu);
            for (int id = IDC_SEL_A318; id <= IDC_SEL_ACJ; ++id) {
                EXPECT_FALSE(ui::IsChecked(window, id)) << "pressed at opening: " << id;
            }
            for (int id : opening < choices.size() ? choices[opening] : std::vector<int>{}) {
                Click(window, id);
            }
            ++opening;
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);  // Escape or the close box
        });
    EXPECT_EQ(opening, choices.size()) << "selector openings";
    return boxes;
}

void Click(HWND dialog, int id) {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
HWND MakeOwner() {
    return CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                           nullptr, nullptr, nullptr, nullptr);
}

std::string ClassOf(HWND window) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    return ui::Narrow(name);
}
void Pump() {
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::string Rgb(COLORREF colour) {
    return std::to_string(GetRValue(colour)) + "," + std::to_string(GetGValue(colour)) + "," +
           std::to_string(GetBValue(colour)) + " ";
}

RECT ChildRect(HWND dialog, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
SIZE BitmapSize(HWND control) {
    const UINT get = ClassOf(control) == "Button" ? BM_GETIMAGE : STM_GETIMAGE;
    BITMAP info{};
    GetObjectW(reinterpret_cast<HBITMAP>(SendMessageW(control, get, IMAGE_BITMAP, 0)), sizeof info,
               &info);
    return {info.bmWidth, info.bmHeight};
}

HWND FileNameField(HWND picker) {
    HWND edit = nullptr;
    EnumChildWindows(picker, FindVisibleEdit, reinterpret_cast<LPARAM>(&edit));
    EXPECT_TRUE(edit) << "no file name field in the picker";
    return edit;
}

void ExpectInFreeSpace(HWND dialog, int templateId, int id) {
    HWND plain = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId),
                                    nullptr, PlainDialogProc, 0);
    ASSERT_NE(plain, nullptr);
    const RECT line = ChildRect(dialog, GetDlgItem(dialog, id));
    const std::set<int> madeAtRunTime = {IDC_LM_BALANCE_LINE, IDC_LM_SET_LOAD, IDC_FP_BALANCE_LINE,
                                         IDC_FP_FROM_PLAN};
    std::ostringstream layouts[2];
    for (HWND window : {dialog, plain}) {
        for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            const RECT rect = ChildRect(window, c);
            RECT overlap{};
            if (GetDlgCtrlID(c) == id) {
                continue;
            }
            EXPECT_FALSE(IntersectRect(&overlap, &line, &rect)) << "overlaps " << GetDlgCtrlID(c);
            if (madeAtRunTime.count(GetDlgCtrlID(c))) {
                continue;
            }
            const LONG style = GetWindowLongW(c, GWL_STYLE);
            std::ostringstream& layout = layouts[window == plain];
            layout << GetDlgCtrlID(c) << " " << rect.left << "," << rect.top;
            if (ClassOf(c) != "Static" || (style & SS_TYPEMASK) != SS_BITMAP ||
                (style & SS_CENTERIMAGE)) {
                layout << " " << rect.right << "," << rect.bottom;
            }
            layout << "\n";
        }
    }
    EXPECT_EQ(layouts[0].str(), layouts[1].str()) << templateId;
    DestroyWindow(plain);
    RECT client{}, inside{};
    GetClientRect(dialog, &client);
    EXPECT_TRUE(!IsRectEmpty(&line) && IntersectRect(&inside, &line, &client) &&
                EqualRect(&inside, &line))
        << templateId;
}

std::string TempPath(const std::string& name) {
    return ui::Narrow(std::filesystem::temp_directory_path().wstring()) + name;
}
std::string Bytes(const std::string& path) {
    return test_data::FileBytes(ui::Widen(path));
}
void Put(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(ui::Widen(path)).parent_path());
    std::ofstream(std::filesystem::path(ui::Widen(path)), std::ios::binary) << bytes;
}

}  // namespace testui

// The common controls set up as the program sets them up, then the tests.
int main(int argc, char** argv) {
    if (!ui::LoadCommonControls()) {
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
