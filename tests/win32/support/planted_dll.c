/* A stand-in for a system DLL planted beside the program: when it is loaded,
   it leaves a file named "planted-dll-loaded" in its own folder. It exports
   what the program could import of the DLL it stands for. */
#include <windows.h>

static void LeaveMark(HINSTANCE self) {
    wchar_t path[MAX_PATH + 32];
    DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    while (length > 0 && path[length - 1] != L'\\') {
        --length;
    }
    lstrcpyW(path + length, L"planted-dll-loaded");
    HANDLE mark = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (mark != INVALID_HANDLE_VALUE) {
        CloseHandle(mark);
    }
}

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        LeaveMark(self);
    }
    return TRUE;
}

__declspec(dllexport) HRESULT WINAPI SetWindowTheme(HWND window, LPCWSTR app, LPCWSTR classes) {
    (void)window;
    (void)app;
    (void)classes;
    return S_OK;
}
