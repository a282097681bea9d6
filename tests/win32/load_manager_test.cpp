// The load manager on real controls: every template wired to the file's
// load (tests/data/win32/load_managers.tsv), the fields' colours, the thumbs
// followed while they move, and the bytes OK writes into each variant's
// file, or the failure it shows.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "payload/load_manager_dialog.h"
#include "platform/win32/controls.h"
#include "res/resource.h"
#include "tests/support/data_rows.h"
#include "tests/win32/support/ui_driver.h"

namespace payload {
namespace {

namespace fs = std::filesystem;

constexpr int kShown[] = {
    IDC_LM_FIRST_COUNT,  IDC_LM_SECOND_COUNT,  IDC_LM_FORWARD_PERCENT, IDC_LM_AFT_PERCENT,
    IDC_LM_FIRST_WEIGHT, IDC_LM_SECOND_WEIGHT, IDC_LM_PAX_WEIGHT,      IDC_LM_FORWARD_WEIGHT,
    IDC_LM_AFT_WEIGHT,   IDC_LM_CARGO_WEIGHT,  IDC_LM_AIRCRAFT_WEIGHT, IDC_LM_ZFW,
    IDC_LM_FIRST_BAR,    IDC_LM_SECOND_BAR,    IDC_LM_FORWARD_BAR,     IDC_LM_AFT_BAR};

// The twelve fields, then the four bars' positions and ends.
std::string Shown(HWND dialog) {
    std::string shown;
    for (int i = 0; i < 16; ++i) {
        shown +=
            i < 12
                ? testui::ItemText(dialog, kShown[i]) + " "
                : "| " + std::to_string(SendDlgItemMessageW(dialog, kShown[i], PBM_GETPOS, 0, 0)) +
                      "/" +
                      std::to_string(SendDlgItemMessageW(dialog, kShown[i], PBM_GETRANGE, 0, 0));
    }
    return shown;
}

const std::string kFolder = testui::TempPath("corvel-payload");
std::string PathOf(const std::string& variant) {
    return kFolder + "\\SimObjects\\Airplanes\\Norvane Zelvia " + variant + "\\Aircraft.cfg";
}

// An aircraft.cfg with this empty weight and station pounds (first, coach, baggage, cargo).
std::string Cfg(const std::string& emptyLb, const std::vector<std::string>& lb) {
    return "[fltsim.0]\r\n\r\n[WEIGHT_AND_BALANCE]\r\n; pounds\r\nempty_weight = " + emptyLb +
           "\r\nstation_load.4 = \"" + lb[0] +
           ",   26.0, 0.0, 0.0, First\"\r\nstation_load.5 = \"" + lb[1] +
           ",  0.0, 0.0, 0.0, Coach\"\r\nstation_load.2 = \"" + lb[2] +
           ",   16.0, 0.0, 0.0, Baggage\"\r\nstation_load.3 = \"" + lb[3] +
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

TEST(LoadManager, EveryTemplateShowsTheFilesLoadAndFollowsTheThumbs) {
    for (const auto& row : test_data::Rows("win32/load_managers.tsv")) {
        SCOPED_TRACE(row[7]);
        fs::remove_all(ui::Widen(kFolder));
        testui::Put(PathOf(row[1]), Cfg(row[2], {row[3], row[4], row[5], row[6]}));
        detail::CLoadManager manager(
            nullptr, {static_cast<AircraftType>(test_data::AircraftNumber(row[0])), kFolder});
        const HWND dialog = manager.Create();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(testui::Text(dialog), row[7]);
        EXPECT_TRUE(ui::IsChecked(dialog, IDC_LM_METRIC));
        EXPECT_EQ(Shown(dialog), row[8]);
        if (row[0] != "A320") {
            continue;
        }
        std::string colours;  // the aircraft weight keeps the dialog's face
        for (int id : kShown) {
            colours += testui::Rgb(Pixel(dialog, id));
        }
        EXPECT_EQ(colours,
                  "255,255,128 255,255,128 192,255,192 192,255,192 255,200,130 255,200,130 "
                  "255,200,130 128,255,128 128,255,128 128,255,128 " +
                      testui::Rgb(GetSysColor(COLOR_3DFACE)) +
                      "0,0,150 255,200,130 255,200,130 128,255,128 128,255,128 ");
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
        EXPECT_EQ(testui::ItemText(dialog, IDC_LM_ZFW), "55363");
    }
}

// Cancel writes nothing; OK writes both variants, a failure of one is shown
// and the other still written; a file gone since the opening is not created.
TEST(LoadManager, OkSavesEveryVariantCancelNothingAndFailuresAreShown) {
    fs::remove_all(ui::Widen(kFolder));
    const std::string base = PathOf("A319"), iae = PathOf("A319IAE");
    testui::Put(base, Cfg("89500", {"1322", "16369", "0", "0"}));
    testui::Put(iae, Cfg("90000", {"0", "0", "0", "0"}));
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
    EXPECT_EQ(testui::Bytes(base), Cfg("89500", {"1322", "16369", "0", "0"}));

    // 5 + 99 passengers of 75 kg and the full aft hold (3020 kg) over 40597 kg empty.
    EXPECT_TRUE(run(51417, {{IDC_LM_FIRST_SLIDER, 5}, {IDC_LM_AFT_SLIDER, 100}}, IDOK).empty());
    const std::string saved = Cfg("89500", {"826", "16369", "0", "6657"});
    EXPECT_EQ(testui::Bytes(base), saved);
    EXPECT_EQ(testui::Bytes(iae), Cfg("90000", {"826", "16369", "0", "6657"}));

    // Another program holds the base file open.
    HANDLE held = CreateFileW(ui::Widen(base).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    auto boxes = run(-1, {{IDC_LM_SECOND_SLIDER, 0}}, IDOK);
    CloseHandle(held);
    EXPECT_EQ(boxes, (testui::Boxes{{"ERROR",
                                     testui::Message("payload_not_saved") + base + "\n\n" +
                                         testui::Message("access_denied_advice"),
                                     MB_ICONEXCLAMATION, owner}}));
    EXPECT_EQ(testui::Bytes(base), saved);
    EXPECT_EQ(testui::Bytes(iae), Cfg("90000", {"826", "0", "0", "6657"}));

    // The base file vanishes while the dialog is open: reported, not created again.
    boxes = run(-1, {}, IDOK, [&] { fs::remove_all(fs::path(ui::Widen(base)).parent_path()); });
    EXPECT_EQ(boxes, (testui::Boxes{{"ERROR", testui::Message("payload_not_saved") + base,
                                     MB_ICONEXCLAMATION, owner}}));
    EXPECT_EQ(testui::Bytes(iae), Cfg("90000", {"826", "16369", "0", "6657"}));
    EXPECT_FALSE(fs::exists(ui::Widen(base)));
    DestroyWindow(owner);
}

}  // namespace
}  // namespace payload
