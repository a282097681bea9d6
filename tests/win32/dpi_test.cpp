// The dialogs on a screen of another scale: run once per DPI (CTest gives
// the prefix's DPI as CORVEL_DPI). The layout grows with the dialog font;
// every picture must grow by the same factor, so that it fills its frame and
// the load managers' fill bars stay over the cabin and the holds as at 96 DPI.
#include <cstdlib>

#include "app/aircraft_selector_dialog.h"
#include "app/main_menu_dialog.h"
#include "core/aircraft.h"
#include "platform/win32/dialog.h"
#include "tests/win32/support/ui_driver.h"

namespace {

// The base units the dialog manager gives "MS Shell Dlg" 8 (Wine's Tahoma)
// at each DPI, as observed.
struct DpiRow {
    int dpi, unitX, unitY;
    double ScaleX() const { return unitX / 6.0; }  // from 96 DPI's 6 x 13
    double ScaleY() const { return unitY / 13.0; }
};

const DpiRow& Row() {
    static const DpiRow rows[] = {{96, 6, 13}, {120, 7, 16}, {144, 9, 19}, {192, 12, 25}};
    const char* dpi = std::getenv("CORVEL_DPI");
    for (const DpiRow& row : rows) {
        if (row.dpi == (dpi ? std::atoi(dpi) : 96)) {
            return row;
        }
    }
    ADD_FAILURE() << "no row for CORVEL_DPI=" << dpi;
    return rows[0];
}

// The picture's size at 96 DPI scaled as the layout is, to the pixel either
// way at other DPIs (position and size are rounded separately).
void ExpectScaled(const std::string& what, SIZE shown, SIZE at96) {
    const double tolerance = Row().dpi == 96 ? 0.5 : 1.5;
    EXPECT_NEAR(shown.cx, at96.cx * Row().ScaleX(), tolerance) << what;
    EXPECT_NEAR(shown.cy, at96.cy * Row().ScaleY(), tolerance) << what;
}

// The prefix's scale; the pictures of tests/data/win32/dpi_pictures.tsv, and
// each dialog's base units. (The icon's sizes for each scale: tests/res.)
TEST(Dpi, EveryPictureGrowsWithItsDialog) {
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), Row().dpi) << "the prefix's LogPixels";
    ReleaseDC(nullptr, screen);
    const auto pictures = test_data::Rows("win32/dpi_pictures.tsv");
    ASSERT_FALSE(pictures.empty());
    auto check = [&](HWND window, int templateId) {
        RECT units{0, 0, 4, 8};
        MapDialogRect(window, &units);
        EXPECT_EQ(std::make_pair(units.right, units.bottom),
                  (std::pair<LONG, LONG>(Row().unitX, Row().unitY)))
            << templateId;
        for (const auto& picture : pictures) {
            const int controlId = std::stoi(picture[1]);
            HWND control = GetDlgItem(window, controlId);
            for (HWND c = GetWindow(window, GW_CHILD); c && controlId == IDC_STATIC;
                 c = GetWindow(c, GW_HWNDNEXT)) {
                control = (GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP ? c : control;
            }
            if (std::stoi(picture[0]) == templateId) {
                ASSERT_TRUE(control) << picture[4];
                ExpectScaled(picture[4], testui::BitmapSize(control),
                             {std::stoi(picture[2]), std::stoi(picture[3])});
            }
        }
    };
    CMainMenuDlg menu;
    ui::CDialog configuration(IDD_CONFIGURATION);
    ui::CDialog planner(IDD_FUEL_PLANNER);
    ui::CDialog loads(IDD_A319_LOAD_MANAGER);
    for (ui::CDialog* dialog :
         {static_cast<ui::CDialog*>(&menu), &configuration, &planner, &loads}) {
        ASSERT_TRUE(dialog->Create()) << dialog->TemplateId();
        check(dialog->GetHwnd(), dialog->TemplateId());
    }
    bool selectorSeen = false;
    testui::RunWithModalHandler([] { RunAircraftSelector(nullptr); },
                                [&](HWND selector) {
                                    selectorSeen = true;
                                    check(selector, IDD_AIRCRAFT_SELECTOR);
                                    testui::Click(selector, IDCANCEL);
                                });
    EXPECT_TRUE(selectorSeen);
}

// Each load manager's top and side views fill their frames and the fill
// bars lie over them where tests/data/win32/dpi_fill_bars.tsv puts them at
// 96 DPI, scaled with the pictures; each edge within 1.5 pixels, as the
// layout and the picture are rounded separately.
TEST(Dpi, FillBarsStayOverTheCabinAndTheHolds) {
    for (const auto& row : test_data::Rows("win32/dpi_fill_bars.tsv")) {
        const std::string what = row[0] + " " + row[1];
        ui::CDialog dialog(Aircraft(static_cast<AircraftType>(test_data::AircraftNumber(row[0])))
                               .loadManagerTemplate);
        HWND window = dialog.Create();
        ASSERT_TRUE(window) << what;
        const bool top = row[1] == "top";
        HWND picture = dialog.Item(top ? IDC_LM_TOP_VIEW : IDC_LM_SIDE_VIEW);
        const SIZE shown = testui::BitmapSize(picture);
        ExpectScaled(what, shown, {std::stoi(row[2]), std::stoi(row[3])});
        // The point of reference: the centred picture's top-left pixel, or
        // the frame's outer corner (its 1-pixel edge is 1 pixel at any DPI).
        RECT client{};
        GetClientRect(picture, &client);
        const RECT frame = testui::ChildRect(window, picture);
        POINT origin{frame.left, frame.top};
        if (row[4] == "centred") {
            EXPECT_TRUE(shown.cx <= client.right && shown.cy <= client.bottom)
                << what << " clipped";
            origin.x += 1 + (client.right - shown.cx) / 2;
            origin.y += 1 + (client.bottom - shown.cy) / 2;
        }
        const int bars[] = {top ? IDC_LM_FIRST_BAR : IDC_LM_FORWARD_BAR,
                            top ? IDC_LM_SECOND_BAR : IDC_LM_AFT_BAR};
        for (int b = 0; b < 2; ++b) {
            const RECT got = testui::ChildRect(window, dialog.Item(bars[b]));
            const LONG edges[] = {got.left - origin.x, got.top - origin.y, got.right - origin.x,
                                  got.bottom - origin.y};  // left, top, right, bottom
            for (int i = 0; i < 4; ++i) {
                EXPECT_NEAR(
                    edges[i],
                    std::stod(row[5 + 4 * b + i]) * (i % 2 ? Row().ScaleY() : Row().ScaleX()), 1.5)
                    << what << " bar " << bars[b] << " edge " << i;
            }
        }
    }
}

// Wine has one DPI for all screens and never sends WM_DPICHANGED; sent here
// as Windows sends it when the window moves to a screen at twice the DPI.
// The layout stays (Wine does not lay the dialog out again), so the
// pictures must stay as they are; a font the program gave one control is
// made anew at twice its height, the dialog font is left to the system.
TEST(Dpi, AMoveToAScreenOfTwiceTheDpiRemakesTheControlsOwnFont) {
    ui::CDialog dialog(IDD_A319_LOAD_MANAGER);
    HWND window = dialog.Create();
    ASSERT_TRUE(window);
    HFONT bold = CreateFontW(-15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                             0, L"Tahoma");
    SendMessageW(dialog.Item(IDC_LM_ZFW), WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);
    const LRESULT dialogFont = SendMessageW(window, WM_GETFONT, 0, 0);
    const SIZE topView = testui::BitmapSize(dialog.Item(IDC_LM_TOP_VIEW));

    RECT place{};
    GetWindowRect(window, &place);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(2 * Row().dpi, 2 * Row().dpi),
                 reinterpret_cast<LPARAM>(&place));
    testui::Pump();

    auto zfwFont = reinterpret_cast<HFONT>(SendMessageW(dialog.Item(IDC_LM_ZFW), WM_GETFONT, 0, 0));
    LOGFONTW description{};
    ASSERT_TRUE(zfwFont && GetObjectW(zfwFont, sizeof description, &description));
    EXPECT_EQ(std::make_pair(description.lfHeight, description.lfWeight),
              std::make_pair(LONG{-30}, LONG{FW_BOLD}));
    EXPECT_EQ(SendMessageW(dialog.Item(IDC_LM_FIRST_COUNT), WM_GETFONT, 0, 0), dialogFont);
    const SIZE after = testui::BitmapSize(dialog.Item(IDC_LM_TOP_VIEW));
    EXPECT_EQ(std::make_pair(after.cx, after.cy), std::make_pair(topView.cx, topView.cy));
    DestroyWindow(window);  // before the font it shows
    DeleteObject(bold);
}

}  // namespace
