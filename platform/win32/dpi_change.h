// A dialog moving to a screen with another scale. Under per-monitor
// awareness (Windows 10 1703 and later) the dialog manager lays the dialog
// out again at the new DPI and gives its controls the dialog font made
// anew. What it does not know about follows once it is done: the pictures
// are shown again at the new scale (ShowPicturesAgain), and a font the
// program gave a single control (the load managers' bold ZFW field) is made
// anew at the new DPI. Before Windows 10 1703 the program is system aware
// and Windows scales the whole window instead.
#pragma once

#include <windows.h>

namespace ui {

// Makes the dialog follow changes of DPI as above, from now until it is
// destroyed. Calling it again for the same dialog does nothing more.
void FollowDpiChanges(HWND dialog);

}  // namespace ui
