// The main menu's window menu (its system menu): "Simulator folder...",
// "Find automatically", "Help", "About Corvel Config..." and "Restore
// original files...", one table of entries. The dialog template
// stays as it is; the entries are added when the menu opens.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/app_context.h"

namespace system_menu {

// Appends the entries to the window's system menu.
void AddEntries(HWND window);

// Runs the entry that WM_SYSCOMMAND names; false for every other command,
// which the caller leaves to the system. relocate finds the simulator's
// files anew after the choice of folder changed, so the next tool uses it.
bool OnSysCommand(HWND window, WPARAM command, const AppContext& context,
                  const std::function<void()>& relocate);

// Remembers the folder for the user, or refuses it with a message when it
// holds no SimObjects\Airplanes. True when stored.
bool UseChosenFolder(HWND owner, const std::string& folder);

}  // namespace system_menu
