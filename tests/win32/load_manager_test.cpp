// The load manager on real controls: every template wired to the file's
// load, the fields' colours, the thumbs followed while they move, and the
// bytes OK writes into each variant's file, or the failure it shows.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "payload/load_manager_dialog.h"
#include "platform/win32/controls.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace payload {
namespace {

namespace fs = std::filesystem;

constexpr int kShown[] = {
    IDC_LM_FIRST_COUNT,  IDC_LM_SECOND_COUNT,  IDC_LM_FORWARD_PERCENT, IDC_LM_AFT_PERCENT,
    IDC_LM_FIRST_WEIGHT, IDC_LM_SECOND_WEIGHT, IDC_LM_PAX_WEIGHT,      IDC_LM_FORWARD_WEIGHT,
    IDC_LM_AFT_WEIGHT,   IDC_LM_CARGO_WEIGHT,  IDC_LM_AIRCRAFT_WEIGHT, IDC_LM_ZFW,
    IDC_LM_FIRST_BAR,    IDC_LM_SECOND_BAR,    IDC_LM_FORWARD_BAR,     IDC_LM_AFT_BAR};
constexpr int kFirstBar = 12;

// The twelve fields, then the four bars' positions and ends.
std::string Shown(HWND dialog) {
    std::string shown;
    for (int i = 0; i < kFirstBar; ++i) {
        shown += testui::ItemText(dialog, kShown[i]) + " ";
    }
    for (int i = kFirstBar; i < kFirstBar + 4; ++i) {
        shown += "| " + std::to_string(SendDlgItemMessageW(dialog, kShown[i], PBM_GETPOS, 0, 0)) +
                 "/" + std::to_string(SendDlgItemMessageW(dialog, kShown[i], PBM_GETRANGE, 0, 0));
    }
    return shown;
}

const std::string kFolder = testui::TempPath("corvel-payload");
std::string PathOf(const char* variant) {
    return kFolder + "\\SimObjects\\Airplanes\\Norvane Zelvia " + variant + "\\Aircraft.cfg";
}

// An aircraft.cfg with this empty weight and station pounds (first, coach, baggage, cargo).
std::string Cfg(int emptyLb, const int (&lb)[4]) {
    return "[fltsim.0]\r\n\r\n[WEIGHT_AND_BALANCE]\r\n; pounds\r\nempty_weight = " +
           std::to_string(emptyLb) + "\r\nstation_load.4 = \"" + std::to_string(lb[0]) +
           ",   26.0, 0.0, 0.0, First\"\r\nstation_load.5 = \"" + std::to_string(lb[1]) +
           ",  0.0, 0.0, 0.0, Coach\"\r\nstation_load.2 = \"" + std::to_string(lb[2]) +
           ",   16.0, 0.0, 0.0, Baggage\"\r\nstation_load.3 = \"" + std::to_string(lb[3]) +
           ",   0.0, 0.0, 0.0, Cargo\"\r\n";
}

COLORREF Pixel(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(control);
    const COLORREF pixel = GetPixel(dc, 3, 3);  // inside the border
    ReleaseDC(control, dc);
    return pixel;
}

struct Row {
    AircraftType aircraft;
    const char* variant;  // the folder holding the file
    int emptyLb;
    int stationLb[4];
    const char* title;
    const char* shown;  // in kg
};
// clang-format off
const Row kRows[] = {
    {AircraftType::A318, "A318", 86000, {1322, 16369, 3558, 470}, "A318 Load Manager",
     "8 99 100 10 600 7425 8025 1614 213 1827 39010 48862 | 8/8| 99/99| 100/100| 10/100"},
    {AircraftType::A319, "A319", 89500, {661, 8267, 4982, 4454}, "A319 Load Manager",
     "4 50 100 67 300 3750 4050 2260 2023 4283 40597 48930 | 4/8| 50/116| 100/100| 67/100"},
    {AircraftType::A320, "A320", 93500, {1984, 22817, 3750, 10000}, "A320 Load Manager",
     "12 138 50 100 900 10350 11250 1701 4536 6237 42412 59899 | 12/12| 138/138| 50/100| 100/100"},
    {AircraftType::A321, "A321IAE", 107000, {2645, 27942, 12500, 12500}, "A321 Load Manager",
     "16 169 100 100 1200 12675 13875 5670 5670 11340 48535 73750 | 16/16| 169/169| 100/100| 100/100"},
    {AircraftType::ACJ, "A319CJ", 90000, {992, 5952, 996, 5326}, "ACJ Load Manager",
     "6 36 20 80 450 2700 3150 452 2416 2868 40824 46842 | 6/6| 36/36| 20/100| 80/100"},
};
// clang-format on

TEST(LoadManager, EveryTemplateShowsTheFilesLoadAndFollowsTheThumbs) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.title);
        fs::remove_all(ui::Widen(kFolder));
        testui::Put(PathOf(row.variant), Cfg(row.emptyLb, row.stationLb));
        detail::CLoadManager manager(nullptr, {row.aircraft, kFolder});
        const HWND dialog = manager.Create();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(testui::Text(dialog), row.title);
        EXPECT_TRUE(ui::IsChecked(dialog, IDC_LM_METRIC));
        EXPECT_EQ(Shown(dialog), row.shown);
        if (row.aircraft != AircraftType::A320) {
            continue;
        }
        std::string colours;  // the aircraft weight keeps the dialog's face
        for (int id : kShown) {
            colours += testui::Rgb(Pixel(dialog, id));
        }
        const std::string face = testui::Rgb(GetSysColor(COLOR_3DFACE));
        EXPECT_EQ(colours,
                  "255,255,128 255,255,128 192,255,192 192,255,192 255,200,130 255,200,130 "
                  "255,200,130 128,255,128 128,255,128 128,255,128 " +
                      face + "0,0,150 255,200,130 255,200,130 128,255,128 128,255,128 ");
        testui::Click(dialog, IDC_LM_IMPERIAL);
        EXPECT_EQ(Shown(dialog),
                  "12 138 50 100 1984 22817 24801 3750 10000 13750 93500 132050 | "
                  "12/12| 138/138| 50/100| 100/100");
        // The aft thumb dragged to the start: the fields follow before the release.
        HWND aft = GetDlgItem(dialog, IDC_LM_AFT_SLIDER);
        RECT thumb{};
        SendMessageW(aft, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        const int y = (thumb.top + thumb.bottom) / 2;
        SendMessageW(aft, WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM((thumb.left + thumb.right) / 2, y));
        SendMessageW(aft, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, y));
        UpdateWindow(aft);
        EXPECT_EQ(Shown(dialog),
                  "12 138 50 0 1984 22817 24801 3750 0 3750 93500 122050 | "
                  "12/12| 138/138| 50/100| 0/100");
        SendMessageW(aft, WM_LBUTTONUP, 0, MAKELPARAM(0, y));
        EXPECT_EQ(Pixel(dialog, IDC_LM_AFT_BAR), RGB(255, 255, 255));  // empty: the background
        testui::Click(dialog, IDC_LM_METRIC);
        EXPECT_EQ(manager.ZfwKg(), 55363);
        EXPECT_EQ(Shown(dialog),
                  "12 138 50 0 900 10350 11250 1701 0 1701 42412 55363 | "
                  "12/12| 138/138| 50/100| 0/100");
    }
}

// Cancel writes nothing; OK writes both variants, a failure of one is shown
// and the other still written; a file gone since the opening is not created.
TEST(LoadManager, OkSavesEveryVariantCancelNothingAndFailuresAreShown) {
    fs::remove_all(ui::Widen(kFolder));
    const std::string base = PathOf("A319"), iae = PathOf("A319IAE");
    testui::Put(base, Cfg(89500, {1322, 16369, 0, 0}));
    testui::Put(iae, Cfg(90000, {0, 0, 0, 0}));
    HWND owner = testui::MakeOwner();
    // Runs the load manager, the user's moves on its sliders, then OK or Cancel.
    auto run = [&](
                   int32_t savedKg, std::vector<std::pair<int, int>> moves, int button,
                   const std::function<void()>& before = [] {}) {
        std::optional<int32_t> saved;
        auto boxes = testui::AnswerMessageBoxes(
            [&] {
                saved = RunLoadManager(owner, {AircraftType::A319, kFolder});
            },
            [&](HWND dialog) {
                for (auto [id, position] : moves) {
                    SendDlgItemMessageW(dialog, id, TBM_SETPOS, TRUE, position);
                    UpdateWindow(GetDlgItem(dialog, id));
                }
                before();
                testui::Click(dialog, button);
            });
        EXPECT_EQ(saved.value_or(-1), savedKg);
        return boxes;
    };
    EXPECT_TRUE(run(-1, {{IDC_LM_SECOND_SLIDER, 116}}, IDCANCEL).empty());
    EXPECT_EQ(testui::Bytes(base), Cfg(89500, {1322, 16369, 0, 0}));

    // 5 + 99 passengers of 75 kg and the full aft hold (3020 kg) over 40597 kg empty.
    EXPECT_TRUE(run(51417, {{IDC_LM_FIRST_SLIDER, 5}, {IDC_LM_AFT_SLIDER, 100}}, IDOK).empty());
    const std::string saved = Cfg(89500, {826, 16369, 0, 6657});
    EXPECT_EQ(testui::Bytes(base), saved);
    EXPECT_EQ(testui::Bytes(iae), Cfg(90000, {826, 16369, 0, 6657}));

    // Another program holds the base file open.
    HANDLE held = CreateFileW(ui::Widen(base).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    auto boxes = run(-1, {{IDC_LM_SECOND_SLIDER, 0}}, IDOK);
    CloseHandle(held);
    const testui::MessageBoxInfo want{"ERROR",
                                      testui::Message("payload_not_saved") + base + "\n\n" +
                                          testui::Message("access_denied_advice"),
                                      MB_ICONEXCLAMATION, owner};
    EXPECT_EQ(boxes, testui::Boxes{want});
    EXPECT_EQ(testui::Bytes(base), saved);
    EXPECT_EQ(testui::Bytes(iae), Cfg(90000, {826, 0, 0, 6657}));

    // The base file vanishes while the dialog is open: reported, not created again.
    boxes = run(-1, {}, IDOK, [&] { fs::remove_all(fs::path(ui::Widen(base)).parent_path()); });
    EXPECT_EQ(boxes, (testui::Boxes{{"ERROR", testui::Message("payload_not_saved") + base,
                                     MB_ICONEXCLAMATION, owner}}));
    EXPECT_EQ(testui::Bytes(iae), Cfg(90000, {826, 16369, 0, 6657}));
    // Now only the IAE variant is installed: it alone is saved, silently (40824 kg empty).
    EXPECT_TRUE(run(51644, {}, IDOK).empty());
    EXPECT_FALSE(fs::exists(ui::Widen(base)));
    DestroyWindow(owner);
}

}  // namespace
}  // namespace payload
