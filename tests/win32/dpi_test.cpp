// The dialogs on a screen of another scale: run once per DPI (CTest gives
// the prefix's DPI as --dpi=N). The layout grows with the dialog font; every
// picture must grow by the same factor, so that it fills its frame and the
// load managers' fill bars stay over the cabin and the holds as at 96 DPI.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/aircraft_selector_dialog.h"
#include "app/main_menu_dialog.h"
#include "platform/win32/dialog.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

// The base units the dialog manager gives "MS Shell Dlg" 8 (Wine's Tahoma)
// at each DPI, as observed.
struct DpiRow {
    int dpi;
    int unitX;
    int unitY;
};
constexpr DpiRow kDpiRows[] = {{96, 6, 13}, {120, 7, 16}, {144, 9, 19}, {192, 12, 25}};
constexpr int kUnitX96 = 6;
constexpr int kUnitY96 = 13;

// The DPI this run is for: --dpi=N among GoogleTest's own flags.
int DpiFromCommandLine() {
    for (int i = 1; i < __argc; ++i) {
        const std::string argument = __argv[i];
        if (argument.rfind("--dpi=", 0) == 0) {
            return std::atoi(argument.c_str() + 6);
        }
    }
    return 96;
}

const DpiRow* Row() {
    const int dpi = DpiFromCommandLine();
    for (const DpiRow& row : kDpiRows) {
        if (row.dpi == dpi) {
            return &row;
        }
    }
    return nullptr;
}

RECT ChildRect(HWND dialog, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE ShownBitmapSize(HWND control) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    const bool button = lstrcmpiW(name, L"Button") == 0;
    auto bitmap = reinterpret_cast<HBITMAP>(
        SendMessageW(control, button ? BM_GETIMAGE : STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) {
        return {0, 0};
    }
    return {info.bmWidth, info.bmHeight};
}

// The picture's size at 96 DPI scaled as the layout is, to the pixel
// either way (position and size are rounded separately).
void ExpectScaled(const std::string& what, SIZE shown, SIZE at96, const DpiRow& row) {
    const int tolerance = row.dpi == 96 ? 0 : 1;
    EXPECT_NEAR(shown.cx, at96.cx * row.unitX / static_cast<double>(kUnitX96), tolerance + 0.5)
        << what;
    EXPECT_NEAR(shown.cy, at96.cy * row.unitY / static_cast<double>(kUnitY96), tolerance + 0.5)
        << what;
}

TEST(Dpi, TheProgramIsPerMonitorAwareWithCommonControls6) {
    const DpiRow* row = Row();
    ASSERT_TRUE(row) << "no row for --dpi=" << DpiFromCommandLine();
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), row->dpi) << "the prefix's LogPixels";
    ReleaseDC(nullptr, screen);

    // Looked up by name: Windows 7 has neither.
    using GetContext = HANDLE(WINAPI*)();
    using GetAwareness = int(WINAPI*)(HANDLE);
    constexpr int kPerMonitorAware = 2;
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    auto getContext = reinterpret_cast<GetContext>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
    auto getAwareness = reinterpret_cast<GetAwareness>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
    ASSERT_TRUE(getContext && getAwareness);
    EXPECT_EQ(getAwareness(getContext()), kPerMonitorAware);

    // Common Controls 6 is the side-by-side assembly (Wine's DllGetVersion
    // says 5 for both).
    HMODULE controls = nullptr;
    ASSERT_TRUE(GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(reinterpret_cast<void*>(&InitCommonControlsEx)), &controls));
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(controls, path, MAX_PATH);
    CharLowerW(path);
    EXPECT_NE(std::wstring(path).find(L"\\winsxs\\"), std::wstring::npos);
    EXPECT_NE(std::wstring(path).find(L"common-controls"), std::wstring::npos);

    // The icon holds the sizes asked for at this scale (32 and 16 pixels at
    // 96 DPI, scaled), so none is stretched.
    for (int size :
         {row->dpi / 3, row->dpi / 6, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CXSMICON)}) {
        HRSRC group = FindResourceW(nullptr, MAKEINTRESOURCEW(IDI_APP), RT_GROUP_ICON);
        ASSERT_TRUE(group);
        auto* directory = static_cast<BYTE*>(LockResource(LoadResource(nullptr, group)));
        const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
        HRSRC image = FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_ICON);
        ASSERT_TRUE(image) << size;
        const auto* header =
            static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, image)));
        // A 256-pixel image is stored as PNG; the smaller ones as bitmaps
        // whose height counts the mask too.
        ASSERT_EQ(header->biSize, sizeof(BITMAPINFOHEADER)) << size;
        EXPECT_EQ(header->biWidth, size);
        EXPECT_EQ(header->biHeight, 2 * size);
    }
}

// The pictures of the main menu and the aircraft selector (bitmap buttons)
// and the headers of the tools, with their sizes at 96 DPI.
TEST(Dpi, EveryPictureGrowsWithItsDialog) {
    const DpiRow* row = Row();
    ASSERT_TRUE(row);
    struct Picture {
        int templateId;
        int controlId;
        SIZE at96;
    };
    const Picture pictures[] = {
        {IDD_MAIN_MENU, IDC_MENU_CONFIGURATION, {450, 69}},
        {IDD_MAIN_MENU, IDC_MENU_LOAD_MANAGER, {450, 69}},
        {IDD_MAIN_MENU, IDC_MENU_FUEL_PLANNER, {450, 69}},
        {IDD_MAIN_MENU, IDC_MENU_KEY_ASSIGNMENTS, {450, 69}},
        {IDD_AIRCRAFT_SELECTOR, IDC_SEL_A318, {200, 65}},
        {IDD_AIRCRAFT_SELECTOR, IDC_SEL_ACJ, {200, 65}},
        {IDD_CONFIGURATION, IDC_STATIC, {638, 100}},
        {IDD_FUEL_PLANNER, IDC_STATIC, {450, 69}},
        {IDD_A319_LOAD_MANAGER, IDC_STATIC, {638, 100}},
    };
    // The pictures of one open dialog, and its base units.
    auto check = [&](HWND window, int templateId) {
        RECT units{0, 0, 4, 8};
        MapDialogRect(window, &units);
        EXPECT_EQ(units.right, row->unitX) << templateId;
        EXPECT_EQ(units.bottom, row->unitY) << templateId;
        for (const Picture& picture : pictures) {
            if (picture.templateId != templateId) {
                continue;
            }
            HWND control = GetDlgItem(window, picture.controlId);
            if (picture.controlId == IDC_STATIC) {  // the header, the last picture control
                for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                    if ((GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
                        control = c;
                    }
                }
            }
            const std::string what =
                std::to_string(templateId) + "/" + std::to_string(picture.controlId);
            ASSERT_TRUE(control) << what;
            ExpectScaled(what, ShownBitmapSize(control), picture.at96, *row);
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

// Each load manager's top and side views, centred in their frames (the
// A320's drawn at the frame's corner), and the fill bars over them: the bars'
// places on the pictures at 96 DPI are worked out here from the templates
// with the 96-DPI base units, and must scale with the pictures.
TEST(Dpi, FillBarsStayOverTheCabinAndTheHolds) {
    const DpiRow* row = Row();
    ASSERT_TRUE(row);
    // Per load manager: its template; the top and the side view's size at
    // 96 DPI; whether they are centred in their frames; the fill bars' x, y,
    // width and height in dialog units, in the order of kBars.
    constexpr int kBars[] = {IDC_LM_FIRST_BAR, IDC_LM_SECOND_BAR, IDC_LM_FORWARD_BAR,
                             IDC_LM_AFT_BAR};
    // clang-format off
    const int managers[][22] = {
        //                      top       side      centred  first             second             forward          aft
        {IDD_A318_LOAD_MANAGER, 568, 118, 568, 118, 1,       85, 183, 51, 35,  141, 183, 126, 35, 79, 283, 38, 14, 187, 283, 66, 14},
        {IDD_A319_LOAD_MANAGER, 568, 118, 568, 118, 1,       79, 182, 51, 35,  133, 182, 146, 35, 75, 280, 48, 14, 178, 280, 86, 14},
        {IDD_A320_LOAD_MANAGER, 571, 76,  573, 99,  0,       79, 184, 51, 31,  133, 184, 160, 31, 73, 278, 48, 14, 195, 279, 86, 14},
        {IDD_A321_LOAD_MANAGER, 568, 118, 568, 118, 1,       69, 187, 59, 25,  130, 187, 179, 25, 72, 280, 70, 14, 193, 280, 94, 14},
        {IDD_ACJ_LOAD_MANAGER,  568, 118, 568, 118, 1,       93, 187, 35, 25,  140, 187, 145, 25, 74, 279, 50, 14, 193, 279, 74, 14},
    };
    // clang-format on
    // Both frames: 381 x 75 units at x 14, y 162 (top) and 241 (side), with
    // a 1-pixel sunken edge.
    // Unrounded pixels at 96 DPI: the rounding of the layout at 96 DPI must
    // not be scaled up as if it were part of the design.
    auto x96 = [](double units) { return units * kUnitX96 / 4; };
    auto y96 = [](double units) { return units * kUnitY96 / 8; };
    for (const auto& manager : managers) {
        const int templateId = manager[0];
        const bool centred = manager[5] != 0;
        ui::CDialog dialog(templateId);
        HWND window = dialog.Create();
        ASSERT_TRUE(window) << templateId;
        for (int view = 0; view < 2; ++view) {
            const SIZE at96{manager[1 + 2 * view], manager[2 + 2 * view]};
            const int frameTop = view == 0 ? 162 : 241;
            HWND picture = dialog.Item(view == 0 ? IDC_LM_TOP_VIEW : IDC_LM_SIDE_VIEW);
            const std::string what = std::to_string(templateId) + " view " + std::to_string(view);
            const SIZE shown = ShownBitmapSize(picture);
            ExpectScaled(what, shown, at96, *row);
            // The point of reference, now and at 96 DPI: the centred
            // picture's top-left pixel, or the A320's frame's outer corner
            // (its 1-pixel edge is 1 pixel at any DPI).
            RECT client{};
            GetClientRect(picture, &client);
            const RECT frame = ChildRect(window, picture);
            POINT origin{frame.left, frame.top};
            double origin96x = x96(14);
            double origin96y = y96(frameTop);
            if (centred) {
                EXPECT_LE(shown.cx, client.right) << what << ": clipped";
                EXPECT_LE(shown.cy, client.bottom) << what << ": clipped";
                origin.x += 1 + (client.right - shown.cx) / 2;
                origin.y += 1 + (client.bottom - shown.cy) / 2;
                origin96x += 1 + (x96(381) - 2 - at96.cx) / 2;
                origin96y += 1 + (y96(75) - 2 - at96.cy) / 2;
            }
            for (int b = 2 * view; b < 2 * view + 2; ++b) {
                const int* units = &manager[6 + 4 * b];
                const RECT got = ChildRect(window, dialog.Item(kBars[b]));
                const double left96 = x96(units[0]) - origin96x;
                const double top96 = y96(units[1]) - origin96y;
                const double right96 = left96 + x96(units[2]);
                const double bottom96 = top96 + y96(units[3]);
                const double sx = row->unitX / static_cast<double>(kUnitX96);
                const double sy = row->unitY / static_cast<double>(kUnitY96);
                // Each edge within 1.5 pixels: the layout and the picture
                // are rounded separately.
                const double tolerance = 1.5;
                const std::string barName = what + " bar " + std::to_string(kBars[b]);
                EXPECT_NEAR(got.left - origin.x, left96 * sx, tolerance) << barName;
                EXPECT_NEAR(got.right - origin.x, right96 * sx, tolerance) << barName;
                EXPECT_NEAR(got.top - origin.y, top96 * sy, tolerance) << barName;
                EXPECT_NEAR(got.bottom - origin.y, bottom96 * sy, tolerance) << barName;
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
    const DpiRow* row = Row();
    ASSERT_TRUE(row);
    ui::CDialog dialog(IDD_A319_LOAD_MANAGER);
    HWND window = dialog.Create();
    ASSERT_TRUE(window);
    HFONT bold = CreateFontW(-15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                             0, L"Tahoma");
    SendMessageW(dialog.Item(IDC_LM_ZFW), WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);
    const LRESULT dialogFont = SendMessageW(window, WM_GETFONT, 0, 0);
    const SIZE topView = ShownBitmapSize(dialog.Item(IDC_LM_TOP_VIEW));

    RECT place{};
    GetWindowRect(window, &place);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(2 * row->dpi, 2 * row->dpi),
                 reinterpret_cast<LPARAM>(&place));
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }

    auto zfwFont = reinterpret_cast<HFONT>(SendMessageW(dialog.Item(IDC_LM_ZFW), WM_GETFONT, 0, 0));
    LOGFONTW description{};
    ASSERT_TRUE(zfwFont && GetObjectW(zfwFont, sizeof description, &description));
    EXPECT_EQ(description.lfHeight, -30);
    EXPECT_EQ(description.lfWeight, FW_BOLD);
    EXPECT_EQ(SendMessageW(dialog.Item(IDC_LM_FIRST_COUNT), WM_GETFONT, 0, 0), dialogFont);
    const SIZE after = ShownBitmapSize(dialog.Item(IDC_LM_TOP_VIEW));
    EXPECT_EQ(after.cx, topView.cx);
    EXPECT_EQ(after.cy, topView.cy);
    DestroyWindow(window);  // before the font it shows
    DeleteObject(bold);
}

}  // namespace
