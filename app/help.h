// Help: the user guide, shipped as docs\user-guide.html beside the program,
// opened in the user's default browser (the window menu's "Help" and F1 in
// the main menu).
#pragma once

#include <windows.h>

#include <string>

// Where the guide belongs: the program's folder followed by
// "\docs\user-guide.html".
std::string UserGuidePath();

// Opens the guide with the shell's "open" verb for .html files; a message
// box over owner says why when the file is missing or cannot be opened.
void OpenUserGuide(HWND owner);
