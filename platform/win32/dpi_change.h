// A dialog moving to a screen with another scale. Under per-monitor
// awareness (Windows 10 1703 and later) the dialog manager lays the dialog
// out again at the new DPI and gives its controls the dialog font made
// anew. What it does not know about follows once it is done: the pictures
// are shown again at the new scale (ShowPicturesAgain), and a font the
// program gave a single control (the load managers' bold ZFW field) is made
// anew at the new DPI. Before Windows 10 1703 the program is system aware
// and Windows scales the whole window instead.
//
// Every CDialog hands its dialog's messages to one of these from its own
// dialog procedure. The window is not subclassed for it: a subclassed window
// looks up its subclass chain, a window property, for every message it gets,
// and under Wine each look-up is a round trip to the server.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

namespace ui {

class CDpiFollower {
  public:
    CDpiFollower() = default;
    CDpiFollower(const CDpiFollower&) = delete;
    CDpiFollower& operator=(const CDpiFollower&) = delete;
    ~CDpiFollower() { Forget(); }

    // The dialog has opened, at its window's DPI.
    void Start(HWND dialog);
    // Any message of the dialog's, before the dialog's own handling; true
    // when it was the follower's own (the note that the dialog manager has
    // laid the dialog out again), which needs nothing more.
    bool OnMessage(HWND dialog, UINT message, WPARAM wParam);
    // The dialog's window and controls are gone: the fonts made for the
    // controls can go too.
    void Forget();

  private:
    int m_dpi = 0;
    int m_newDpi = 0;
    // Controls with a font of their own, and that font as it was.
    std::vector<std::pair<HWND, HFONT>> m_ownFonts;
    // Fonts made here, deleted with the dialog.
    std::vector<HFONT> m_madeFonts;
};

}  // namespace ui
