// DLLs from the system folder only. Windows looks for a DLL in the program's
// own folder first, and a folder that others can write to (a download or
// shared folder, a simulator folder opened to every user) could hold a
// planted copy; so the program imports statically only the DLLs that Windows
// always takes from the system folder, and loads every other one here.
#pragma once

#include <windows.h>

namespace ui {

// Takes the program's folder and the working folder out of the search for
// every later DLL load, and loads the theme DLL from the system folder: the
// program's first action.
void RestrictDllSearchToSystemFolder();

// The system folder's DLL of that name (e.g. L"uxtheme.dll"), loaded once
// and kept; nullptr when it cannot be loaded.
HMODULE SystemLibrary(const wchar_t* name);

// A function of a system DLL, as the type F; nullptr when missing.
template <typename F>
F SystemFunction(const wchar_t* library, const char* function) {
    HMODULE module = SystemLibrary(library);
    return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, function)))
                  : nullptr;
}

}  // namespace ui
