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

}  // namespace ui
