#include "platform/win32/common_controls.h"

namespace ui {

namespace {

template <typename F>
F Function(const char* name) {
    static const HMODULE controls = LoadLibraryW(L"comctl32.dll");
    return controls ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(controls, name)))
                    : nullptr;
}

}  // namespace

bool LoadCommonControls() {
    using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    static const auto init = Function<Init>("InitCommonControlsEx");
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    return init && init(&classes);
}

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
    using Set = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR);
    static const auto set = Function<Set>("SetWindowSubclass");
    return set && set(window, procedure, id, data);
}

BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
    using Remove = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR);
    static const auto remove = Function<Remove>("RemoveWindowSubclass");
    return remove && remove(window, procedure, id);
}

LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    using Default = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
    static const auto next = Function<Default>("DefSubclassProc");
    return next ? next(window, message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace ui
