// The pictures: decoded from the program's PNG resources into 24-bit
// bitmaps, and shown by every picture control of the dialog templates.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/controls.h"
#include "platform/win32/dialog.h"
#include "res/resource.h"

namespace {

TEST(Pictures, DecodeOnceInto24BitTopDownBitmaps) {
    // Rows of 3 x 200 bytes fill whole 4-byte words, the others are padded;
    // the banner is drawn in greys and decoded to colour all the same.
    const int pictures[][3] = {{IDB_LOAD_MANAGER_HEADER, 638, 100},
                               {IDB_A320_SIDE, 573, 99},
                               {IDB_KEY_CONFIG_BANNER, 450, 69},
                               {IDB_SELECT_ACJ, 200, 65}};
    for (const auto& [id, width, height] : pictures) {
        HBITMAP bitmap = ui::CachedBitmap(id);
        DIBSECTION dib{};
        ASSERT_EQ(GetObjectW(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib)) << id;
        EXPECT_EQ(std::vector<LONG>({dib.dsBm.bmWidth, dib.dsBm.bmHeight, dib.dsBm.bmBitsPixel}),
                  std::vector<LONG>({width, height, 24}));
        EXPECT_EQ(ui::CachedBitmap(id), bitmap) << "decoded again: " << id;
    }
    EXPECT_EQ(ui::CachedBitmap(IDD_MAIN_MENU), nullptr) << "not a picture";

    // Pixels of res/bitmaps/load_manager_header.png: a dark band at the
    // bottom, a lighter one at the top, white in the title's underline.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, ui::CachedBitmap(IDB_LOAD_MANAGER_HEADER));
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(95, 65, 49));
    EXPECT_EQ(GetPixel(dc, 2, 97), RGB(62, 25, 5));
    EXPECT_EQ(GetPixel(dc, 320, 50), RGB(255, 255, 255));
    SelectObject(dc, previous);
    DeleteDC(dc);
}

// The dialog layer alone (no dialog class) gives every picture control its
// bitmap, each the one of its own control.
TEST(Pictures, EveryPictureControlOfATemplateShowsItsBitmap) {
    for (int templateId :
         {IDD_CONFIGURATION, IDD_FUEL_PLANNER, IDD_A318_LOAD_MANAGER, IDD_A319_LOAD_MANAGER,
          IDD_A320_LOAD_MANAGER, IDD_A321_LOAD_MANAGER, IDD_ACJ_LOAD_MANAGER}) {
        ui::CDialog dialog(templateId);
        HWND window = dialog.Create();
        ASSERT_TRUE(window) << templateId;
        std::vector<HBITMAP> shown;
        for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            if ((GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
                shown.push_back(
                    reinterpret_cast<HBITMAP>(SendMessageW(c, STM_GETIMAGE, IMAGE_BITMAP, 0)));
                EXPECT_TRUE(shown.back()) << templateId << " control " << GetDlgCtrlID(c);
            }
        }
        EXPECT_FALSE(shown.empty()) << templateId;
        if (templateId == IDD_A320_LOAD_MANAGER) {
            EXPECT_EQ(shown, std::vector<HBITMAP>({ui::CachedBitmap(IDB_A320_TOP),
                                                   ui::CachedBitmap(IDB_A320_SIDE),
                                                   ui::CachedBitmap(IDB_LOAD_MANAGER_HEADER)}));
        }
    }
}

}  // namespace
