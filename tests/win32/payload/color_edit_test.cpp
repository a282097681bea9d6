#include "platform/win32/color_edit.h"

#include <gtest/gtest.h>

#include "platform/win32/dialog.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 128);
constexpr COLORREF kDarkBlue = RGB(0, 0, 150);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A load manager template as a plain dialog: a read-only edit (the first
// count) and a static text (the passenger total).
class ColorEditTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(m_dialog.Create(), nullptr);
        m_edit.Attach(m_dialog.GetHwnd(), IDC_LM_FIRST_COUNT);
        m_static.Attach(m_dialog.GetHwnd(), IDC_LM_PAX_WEIGHT);
        ASSERT_NE(m_edit.Hwnd(), nullptr);
        ASSERT_NE(m_static.Hwnd(), nullptr);
        m_dc = CreateCompatibleDC(nullptr);
    }
    void TearDown() override { DeleteDC(m_dc); }

    // What the dialog answers when the control asks for its colours.
    HBRUSH AskColors(UINT message, const ui::CColorEdit& field) {
        SetTextColor(m_dc, RGB(1, 2, 3));
        SetBkColor(m_dc, RGB(4, 5, 6));
        return reinterpret_cast<HBRUSH>(SendMessageW(m_dialog.GetHwnd(), message,
                                                     reinterpret_cast<WPARAM>(m_dc),
                                                     reinterpret_cast<LPARAM>(field.Hwnd())));
    }

    // A pixel of the control as painted on screen, inside its border.
    static COLORREF PaintedPixel(HWND control) {
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        testui::PumpMessages();
        HDC dc = GetDC(control);
        COLORREF pixel = GetPixel(dc, 2, 2);
        ReleaseDC(control, dc);
        return pixel;
    }

    ui::CDialog m_dialog{IDD_A319_LOAD_MANAGER};
    ui::CColorEdit m_edit;
    ui::CColorEdit m_static;
    HDC m_dc = nullptr;
};

TEST_F(ColorEditTest, UncolouredFieldLeavesTheDialogDefaults) {
    EXPECT_EQ(m_edit.BackgroundBrush(), nullptr);
    EXPECT_NE(AskColors(WM_CTLCOLORSTATIC, m_edit), nullptr);  // the dialog's own brush
    EXPECT_EQ(PaintedPixel(m_edit.Hwnd()), GetSysColor(COLOR_3DFACE));
}

TEST_F(ColorEditTest, ReadOnlyEditsAndStaticsGetTheirColours) {
    m_edit.SetBackgroundColor(kYellow);
    m_static.SetBackgroundColor(kDarkBlue);
    m_static.SetTextColor(kWhite);

    // A read-only edit asks as a static does; an editable one as an edit.
    for (UINT message : {WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT}) {
        EXPECT_EQ(AskColors(message, m_edit), m_edit.BackgroundBrush());
        EXPECT_EQ(GetTextColor(m_dc), RGB(0, 0, 0));  // black until set
        EXPECT_EQ(GetBkColor(m_dc), kYellow);
    }
    EXPECT_EQ(AskColors(WM_CTLCOLORSTATIC, m_static), m_static.BackgroundBrush());
    EXPECT_EQ(GetTextColor(m_dc), kWhite);
    EXPECT_EQ(GetBkColor(m_dc), kDarkBlue);

    m_edit.SetText("12");
    m_static.SetText("11250");
    EXPECT_EQ(PaintedPixel(m_edit.Hwnd()), kYellow);
    EXPECT_EQ(PaintedPixel(m_static.Hwnd()), kDarkBlue);
}

TEST_F(ColorEditTest, HoldsOneBrushAtATime) {
    m_edit.SetBackgroundColor(kYellow);
    HBRUSH first = m_edit.BackgroundBrush();
    EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BRUSH));
    m_edit.SetBackgroundColor(kDarkBlue);
    EXPECT_EQ(GetObjectType(m_edit.BackgroundBrush()), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(GetObjectType(first), 0u) << "the replaced brush must be deleted";
    EXPECT_EQ(PaintedPixel(m_edit.Hwnd()), kDarkBlue);
    {
        ui::CColorEdit scoped;
        scoped.Attach(m_dialog.GetHwnd(), IDC_LM_SECOND_COUNT);
        scoped.SetBackgroundColor(kYellow);
        first = scoped.BackgroundBrush();
    }
    EXPECT_EQ(GetObjectType(first), 0u) << "the field deletes its brush";
}

}  // namespace
