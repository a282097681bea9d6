// The program's pictures: PNG files kept as data resources (RCDATA, made by
// tools/artwork/make_artwork.sh), decoded with the Windows Imaging Component into
// 24-bit bitmaps. Uncompressed bitmap resources would make the program
// several times larger.
#pragma once

#include <windows.h>

namespace ui {

// A new 24-bit top-down DIB section holding the picture of this RCDATA
// resource, or nullptr when there is no such resource or it is not a
// picture. The caller owns the bitmap. Initialises COM on the calling
// thread (apartment-threaded) if it is not yet, and leaves it so.
HBITMAP DecodePicture(HMODULE module, int resourceId);

// Gives each picture control of the dialog (a static control with SS_BITMAP
// whose text in the template is a resource number) its bitmap, from
// CachedBitmap; the dialog manager cannot load a picture from a data
// resource. CDialog does this before OnInitDialog; a dialog with its own
// dialog procedure calls it at WM_INITDIALOG.
void ShowTemplatePictures(HWND dialog, int templateId);

}  // namespace ui
