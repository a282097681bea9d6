// The common controls, loaded when the program starts instead of imported:
// an imported DLL is loaded (with what it loads in turn, such as the theme
// DLL) before the program can restrict the DLL search to the system folder.
// Loaded by name, so the manifest still binds version 6.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace ui {

// Loads the common controls and registers their classes
// (InitCommonControlsEx); false when they cannot be loaded.
bool LoadCommonControls();

}  // namespace ui
