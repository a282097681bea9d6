#include "app/help.h"

#include <objbase.h>
#include <shellapi.h>

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/win32/controls.h"
#include "platform/win32/system_library.h"
#include "res/messages.h"

std::string UserGuidePath() {
    return registry::ProgramFolder() + "\\docs\\user-guide.html";
}

void OpenUserGuide(HWND owner) {
    const std::string path = UserGuidePath();
    if (!files::FileExists(path)) {
        ui::ShowMessage(owner, msg::kHelpMissing + path, msg::kCaptionError, MB_ICONEXCLAMATION);
        return;
    }
    // The shell is loaded from the system folder when first asked for, as
    // for the folder picker: not imported, and not loaded at start-up.
    using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    const auto shellExecute =
        ui::SystemFunction<ShellExecuteFunction>(L"shell32.dll", "ShellExecuteW");
    // Some handlers of the verb are COM objects, which need COM on the thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    // ShellExecuteW reports success as a value above 32.
    const bool opened = shellExecute && reinterpret_cast<INT_PTR>(
                                            shellExecute(owner, L"open", ui::Widen(path).c_str(),
                                                         nullptr, nullptr, SW_SHOWNORMAL)) > 32;
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    if (!opened) {
        ui::ShowMessage(owner, msg::kHelpNotOpened + path, msg::kCaptionError, MB_ICONEXCLAMATION);
    }
}
