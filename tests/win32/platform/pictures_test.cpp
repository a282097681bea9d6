// The pictures: decoded from the program's PNG resources into 24-bit
// bitmaps, and shown by every picture control of the dialog templates.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/controls.h"
#include "platform/win32/dialog.h"
#include "res/resource.h"

namespace {

TEST(Pictures, DecodeOnceInto24BitBitmapsTheSizeOfThePicture) {
    struct Expected {
        int id;
        LONG width;
        LONG height;
    };
    const Expected pictures[] = {
        {IDB_LOAD_MANAGER_HEADER, 638, 100},
        {IDB_A320_SIDE, 573, 99},
        {IDB_KEY_CONFIG_BANNER, 450, 69},  // drawn in greys, decoded to colour all the same
        {IDB_SELECT_ACJ, 200, 65},
    };
    for (const Expected& expected : pictures) {
        HBITMAP bitmap = ui::CachedBitmap(expected.id);
        ASSERT_TRUE(bitmap) << expected.id;
        DIBSECTION dib{};
        ASSERT_EQ(GetObjectW(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib))
            << "not a DIB section: " << expected.id;
        EXPECT_EQ(dib.dsBm.bmWidth, expected.width) << expected.id;
        EXPECT_EQ(dib.dsBm.bmHeight, expected.height) << expected.id;
        EXPECT_EQ(dib.dsBm.bmBitsPixel, 24) << expected.id;
        EXPECT_EQ(ui::CachedBitmap(expected.id), bitmap) << "decoded again: " << expected.id;
    }
    EXPECT_EQ(ui::CachedBitmap(IDD_MAIN_MENU), nullptr) << "not a picture";
}

TEST(Pictures, KeepRowOrderAndColours) {
    // Pixels of res/bitmaps/load_manager_header.png: a dark band at the
    // bottom, a lighter one at the top, white in the title's underline.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, ui::CachedBitmap(IDB_LOAD_MANAGER_HEADER));
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(95, 65, 49));
    EXPECT_EQ(GetPixel(dc, 2, 97), RGB(62, 25, 5));
    EXPECT_EQ(GetPixel(dc, 600, 2), RGB(99, 89, 99));
    EXPECT_EQ(GetPixel(dc, 320, 50), RGB(255, 255, 255));
    SelectObject(dc, previous);
    DeleteDC(dc);
}

struct TemplatePictures {
    int templateId;
    std::vector<int> bitmaps;  // the picture controls' bitmaps, in template order
};

class TemplatePicturesTest : public testing::TestWithParam<TemplatePictures> {};

// The dialog layer alone (no dialog class) gives each control its picture.
TEST_P(TemplatePicturesTest, EveryPictureControlShowsItsBitmap) {
    ui::CDialog dialog(GetParam().templateId);
    HWND window = dialog.Create();
    ASSERT_TRUE(window);
    std::vector<HBITMAP> shown;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16];
        GetClassNameW(child, className, 16);
        if (lstrcmpiW(className, L"Static") == 0 &&
            (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
            shown.push_back(
                reinterpret_cast<HBITMAP>(SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0)));
        }
    }
    std::vector<HBITMAP> expected;
    for (int id : GetParam().bitmaps) {
        expected.push_back(ui::CachedBitmap(id));
    }
    EXPECT_EQ(shown, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, TemplatePicturesTest,
    testing::Values(TemplatePictures{IDD_CONFIGURATION, {IDB_CONFIGURATION_HEADER}},
                    TemplatePictures{IDD_FUEL_PLANNER, {IDB_FUEL_PLANNER_BANNER}},
                    TemplatePictures{IDD_A318_LOAD_MANAGER,
                                     {IDB_A318_TOP, IDB_A318_SIDE, IDB_LOAD_MANAGER_HEADER}},
                    TemplatePictures{IDD_A319_LOAD_MANAGER,
                                     {IDB_A319_TOP, IDB_A319_SIDE, IDB_LOAD_MANAGER_HEADER}},
                    TemplatePictures{IDD_A320_LOAD_MANAGER,
                                     {IDB_A320_TOP, IDB_A320_SIDE, IDB_LOAD_MANAGER_HEADER}},
                    TemplatePictures{IDD_A321_LOAD_MANAGER,
                                     {IDB_A321_TOP, IDB_A321_SIDE, IDB_LOAD_MANAGER_HEADER}},
                    TemplatePictures{IDD_ACJ_LOAD_MANAGER,
                                     {IDB_ACJ_TOP, IDB_ACJ_SIDE, IDB_LOAD_MANAGER_HEADER}}));

}  // namespace
