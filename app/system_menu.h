// The main menu's window menu (its system menu): "Simulator folder...",
// "Find automatically" and "About Corvel Config...". The dialog template
// stays as it is; the entries are added when the menu opens.
#pragma once

#include <windows.h>

#include <string>

namespace system_menu {

// Appends the entries to the window's system menu.
void AddEntries(HWND window);

// Runs the entry that WM_SYSCOMMAND names; false for every other command,
// which the caller leaves to the system.
bool OnSysCommand(HWND window, WPARAM command);

// What the entries do, apart from the folder picker (tests call these).
// Uses the folder from now on and remembers it for the user, or refuses it
// with a message when it holds no SimObjects\Airplanes. True when taken.
bool UseChosenFolder(HWND owner, const std::string& folder);
// Forgets the user's choice and finds the folder as at start-up.
void FindAutomatically(HWND owner);

}  // namespace system_menu
