#include "platform/win32/system_library.h"

#include <string>

namespace ui {

void RestrictDllSearchToSystemFolder() {
    // Windows 7 has SetDefaultDllDirectories only with an update: look it up.
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto setDefault =
        reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (!setDefault || !setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        SetDllDirectoryW(L"");  // at least the working folder is no longer searched
    }
    // System DLLs load the theme DLL by name, and Wine's do it past the restriction; once it is
    // loaded from the system folder, a load by name finds that one.
    SystemLibrary(L"uxtheme.dll");
}

HMODULE SystemLibrary(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    const std::wstring path = std::wstring(folder, length) + L"\\" + name;
    // A full path: no search at all. A loaded DLL's count only grows, so the
    // module stays for the life of the process.
    return LoadLibraryW(path.c_str());
}

}  // namespace ui
