// The dialogs at each DPI (CORVEL_DPI, the prefix's): every picture grows as the layout does, so
// that it fills its frame and the fill bars stay over the cabin and the holds.

#include "app/aircraft_selector_dialog.h"
#include "app/main_menu_dialog.h"
#include "core/aircraft.h"
#include "payload/load_manager_dialog.h"
#include "platform/win32/dialog.h"
#include "tests/win32/support/ui_driver.h"

namespace {

int Dpi() {
    const char* dpi = std::getenv("CORVEL_DPI");
    return dpi ? std::atoi(dpi) : 96;
}

// The layout's scale: the dialog font's base units against its 6 x 13 at 96 DPI.
struct Scale {
    double x, y;
};
Scale LayoutScale(HWND dialog) {
    RECT units{0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    return {units.right / 6.0, units.bottom / 13.0};
}

// The 96-DPI size scaled, to the pixel either way at other DPIs (place and size round apart).
void ExpectScaled(const std::string& what, SIZE shown, SIZE at96, Scale scale) {
    const double tolerance = Dpi() == 96 ? 0.5 : 1.5;
    EXPECT_NEAR(shown.cx, at96.cx * scale.x, tolerance) << what;
    EXPECT_NEAR(shown.cy, at96.cy * scale.y, tolerance) << what;
}

// The pictures of tests/data/win32/dpi_pictures.tsv (the icon's sizes: tests/res).
TEST(Dpi, EveryPictureGrowsWithItsDialog) {
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), Dpi()) << "the prefix's LogPixels";
    ReleaseDC(nullptr, screen);
    const auto pictures = test_data::Rows("win32/dpi_pictures.tsv");
    ASSERT_FALSE(pictures.empty());
    auto check = [&](HWND window, int templateId) {
        const Scale scale = LayoutScale(window);
        EXPECT_NEAR(scale.y, Dpi() / 96.0, 0.1) << templateId;
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
                             {std::stoi(picture[2]), std::stoi(picture[3])}, scale);
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

// The top and side views and their fill bars where tests/data/win32/dpi_fill_bars.tsv puts them at
// 96 DPI, scaled; each edge within 1.5 pixels.
TEST(Dpi, FillBarsStayOverTheCabinAndTheHolds) {
    for (const auto& row : test_data::Rows("win32/dpi_fill_bars.tsv")) {
        const std::string what = row[0] + " " + row[1];
        ui::CDialog dialog(Aircraft(test_data::AircraftNamed(row[0])).loadManagerTemplate);
        HWND window = dialog.Create();
        ASSERT_TRUE(window) << what;
        const bool top = row[1] == "top";
        HWND picture = dialog.Item(top ? IDC_LM_TOP_VIEW : IDC_LM_SIDE_VIEW);
        const SIZE shown = testui::BitmapSize(picture);
        const Scale scale = LayoutScale(window);
        ExpectScaled(what, shown, {std::stoi(row[2]), std::stoi(row[3])}, scale);
        // From the centred picture's top-left pixel, or the frame's outer corner (a 1-pixel edge).
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
                EXPECT_NEAR(edges[i], std::stod(row[5 + 4 * b + i]) * (i % 2 ? scale.y : scale.x),
                            1.5)
                    << what << " bar " << bars[b] << " edge " << i;
            }
        }
    }
}

// WM_DPICHANGED as on a move to a screen of twice the DPI (Wine never sends it): the pictures stay
// with the layout Wine keeps; the ZFW's bold 9-point font is remade twice as high.
TEST(Dpi, AMoveToAScreenOfTwiceTheDpiRemakesTheControlsOwnFont) {
    payload::detail::CLoadManager manager(nullptr, {AircraftType::A319, "C:\\none"});
    const HWND window = manager.Create();
    ASSERT_TRUE(window);
    const LRESULT dialogFont = SendMessageW(window, WM_GETFONT, 0, 0);
    const SIZE topView = testui::BitmapSize(GetDlgItem(window, IDC_LM_TOP_VIEW));
    const auto zfwFont = [window] {
        LOGFONTW font{};
        GetObjectW(
            reinterpret_cast<HFONT>(SendDlgItemMessageW(window, IDC_LM_ZFW, WM_GETFONT, 0, 0)),
            sizeof font, &font);
        return std::make_pair(font.lfHeight, font.lfWeight);
    };
    EXPECT_EQ(zfwFont(), std::make_pair(LONG{-9 * Dpi() / 72}, LONG{FW_BOLD}));

    RECT place{};
    GetWindowRect(window, &place);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(2 * Dpi(), 2 * Dpi()),
                 reinterpret_cast<LPARAM>(&place));
    testui::Pump();
    EXPECT_EQ(zfwFont(), std::make_pair(LONG{-18 * Dpi() / 72}, LONG{FW_BOLD}));
    EXPECT_EQ(SendDlgItemMessageW(window, IDC_LM_FIRST_COUNT, WM_GETFONT, 0, 0), dialogFont);
    const SIZE after = testui::BitmapSize(GetDlgItem(window, IDC_LM_TOP_VIEW));
    EXPECT_EQ(std::make_pair(after.cx, after.cy), std::make_pair(topView.cx, topView.cy));
}

}  // namespace
