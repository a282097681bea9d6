// The program's pictures: PNG files kept as data resources (RCDATA, made by
// tools/artwork/make_artwork.sh), decoded with the Windows Imaging Component into
// 24-bit bitmaps. Uncompressed bitmap resources would make the program
// several times larger.
//
// The pictures are drawn for dialogs at 96 DPI. On a screen with another
// scale the dialog manager lays a template out larger; each picture is then
// shown scaled by the same factor as the layout, so it fills its frame and
// the controls placed over it (the load managers' fill bars) stay where they
// were on it.
#pragma once

#include <windows.h>

namespace ui {

// A new 24-bit DIB section holding the picture of this resource: a bitmap
// (BITMAP, loaded as it is) or a PNG file (RCDATA, decoded); nullptr when
// there is no such resource or it is not a picture. The caller owns the
// bitmap. Decoding initialises COM on the calling thread
// (apartment-threaded) if it is not yet, and leaves it so.
HBITMAP DecodePicture(HMODULE module, int resourceId);

// How much larger a dialog is laid out than at 96 DPI, per axis: its base
// units over those of its font at 96 DPI. Exactly 1 at 96 DPI.
struct LayoutScale {
    int numeratorX = 1;
    int denominatorX = 1;
    int numeratorY = 1;
    int denominatorY = 1;
};
LayoutScale DialogLayoutScale(HWND dialog);

// The picture resampled to width x height with a high-quality filter, made
// once per picture and size and kept until the process ends; the picture
// itself at its own size, or when it cannot be scaled.
HBITMAP ScaledBitmap(HBITMAP picture, int width, int height);

// Shows picture (a bitmap kept for the life of the process, such as one of
// CachedBitmap) in a picture control or a bitmap button, scaled to the
// layout of the control's dialog. A dialog that follows changes of DPI
// (every CDialog does, platform/win32/dpi_change.h) shows it again at the new
// scale when it moves to a screen with another DPI.
void ShowPicture(HWND control, HBITMAP picture);

// Shows each picture of the dialog's controls again, scaled to the dialog's
// layout as it is now (after a change of DPI).
void ShowPicturesAgain(HWND dialog);
// Lets go of what the dialog's controls keep for ShowPicturesAgain (when
// the dialog is destroyed).
void ForgetPictures(HWND dialog);

// Gives each picture control of the dialog (a static control with SS_BITMAP
// whose text in the template is a resource number) its bitmap, from
// CachedBitmap, with ShowPicture; the dialog manager cannot load a picture
// from a data resource. CDialog does this before OnInitDialog; a dialog
// with its own dialog procedure calls it at WM_INITDIALOG.
void ShowTemplatePictures(HWND dialog, int templateId);

// A picture from the program's resources as a 24-bit bitmap (as
// DecodePicture), decoded on first use and kept until the process ends;
// nullptr when there is no such picture.
HBITMAP CachedBitmap(int resourceId);

// Gives a bitmap push button (or radio button drawn as one) its image,
// scaled to the dialog's layout (ShowPicture).
void SetButtonBitmap(HWND dialog, int id, HBITMAP bitmap);

}  // namespace ui
