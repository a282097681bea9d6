#include "payload/load_manager_dialog.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "payload/station_values.h"
#include "platform/files.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace payload {
namespace {

namespace fs = std::filesystem;

// The shown numbers (the four counts first), then the fill bars of the counts.
constexpr int kShown[] = {
    IDC_LM_FIRST_COUNT,  IDC_LM_SECOND_COUNT,  IDC_LM_FORWARD_PERCENT, IDC_LM_AFT_PERCENT,
    IDC_LM_FIRST_WEIGHT, IDC_LM_SECOND_WEIGHT, IDC_LM_PAX_WEIGHT,      IDC_LM_FORWARD_WEIGHT,
    IDC_LM_AFT_WEIGHT,   IDC_LM_CARGO_WEIGHT,  IDC_LM_AIRCRAFT_WEIGHT, IDC_LM_ZFW,
    IDC_LM_FIRST_BAR,    IDC_LM_SECOND_BAR,    IDC_LM_FORWARD_BAR,     IDC_LM_AFT_BAR};
constexpr size_t kBar = 12;  // the first bar's index in kShown

// An empty simulator folder.
std::string FreshSimFolder() {
    const std::string folder = ui::Narrow(fs::temp_directory_path().wstring()) + "corvel-payload";
    fs::remove_all(ui::Widen(folder));
    return folder;
}

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(files::ReadFile(path, bytes).ok()) << path;
    return bytes;
}

// An aircraft.cfg holding a load; written too when a path is given.
std::string AircraftCfg(int emptyWeightLb, const LoadState& load, AircraftType aircraft,
                        const std::string& path = "") {
    std::string text = "[fltsim.0]\r\n\r\n[WEIGHT_AND_BALANCE]\r\n; pounds\r\nempty_weight = " +
                       std::to_string(emptyWeightLb) + "\r\n";
    for (const profile::Entry& entry : PayloadEntries(load, Aircraft(aircraft))) {
        text += entry.key + " = " + entry.value + "\r\n";
    }
    if (!path.empty()) {
        fs::create_directories(fs::path(ui::Widen(path)).parent_path());
        EXPECT_TRUE(files::ReplaceFile(path, text).ok()) << path;
    }
    return text;
}

COLORREF Pixel(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(control);
    const COLORREF pixel = GetPixel(dc, 3, 3);  // inside the border
    ReleaseDC(control, dc);
    return pixel;
}

// Moves a thumb as the program would and lets the slider paint.
void SetSlider(HWND dialog, int id, int position) {
    SendDlgItemMessageW(dialog, id, TBM_SETPOS, TRUE, position);
    UpdateWindow(GetDlgItem(dialog, id));
}

// Every field and fill bar against the model's numbers for the load.
void ExpectFields(const detail::CLoadManager& manager, const LoadState& load, WeightUnit unit,
                  AircraftType aircraft) {
    const HWND dialog = manager.GetHwnd();
    const PayloadFields f = Recalculate(load, unit, Aircraft(aircraft));
    const int64_t shown[] = {f.businessPax,     f.economyPax,         f.forwardCargoPercent,
                             f.aftCargoPercent, f.businessWeight,     f.economyWeight,
                             f.paxWeight,       f.forwardCargoWeight, f.aftCargoWeight,
                             f.cargoWeight,     f.aircraftWeight,     f.zfw};
    for (size_t i = 0; i < kBar; ++i) {
        EXPECT_EQ(testui::ItemText(dialog, kShown[i]), std::to_string(shown[i])) << kShown[i];
    }
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(SendDlgItemMessageW(dialog, kShown[kBar + i], PBM_GETPOS, 0, 0), shown[i]);
    }
    EXPECT_EQ(manager.ZfwKg(), f.currentZfwKg);
}

struct AircraftCase {
    AircraftType aircraft;
    const char* name;
    int emptyWeightLb;
    LoadState load;        // as saved in the file (empty weight from emptyWeightLb)
    bool iaeOnly = false;  // only the IAE variant is installed: its own file is shown
    const wchar_t* firstLabel = L"Business Class";
    const wchar_t* secondLabel = L"Economy Class";
    int unitBoxTop = 343;  // the "Weight Unit" group box, dialog units
};

class EveryLoadManagerTest : public testing::TestWithParam<AircraftCase> {};

TEST_P(EveryLoadManagerTest, ShowsTheFilesPayloadAndFollowsTheThumbs) {
    const AircraftCase& c = GetParam();
    const AircraftSpec& k = Aircraft(c.aircraft);
    const std::string simFolder = FreshSimFolder();
    const AircraftFiles paths = AircraftFilePaths(c.aircraft, simFolder);
    AircraftCfg(c.emptyWeightLb, c.load, c.aircraft, c.iaeOnly ? paths.iae : paths.base);
    detail::CLoadManager manager(nullptr, {c.aircraft, simFolder});
    ASSERT_NE(manager.Create(), nullptr);
    HWND dialog = manager.GetHwnd();

    EXPECT_EQ(testui::Text(dialog), std::string(c.name) + " Load Manager");
    EXPECT_NE(FindWindowExW(dialog, nullptr, L"Static", c.firstLabel), nullptr);
    EXPECT_NE(FindWindowExW(dialog, nullptr, L"Static", c.secondLabel), nullptr);
    RECT unitBox{}, unitWant{0, c.unitBoxTop, 0, 0};
    GetWindowRect(FindWindowExW(dialog, nullptr, L"Button", L"Weight Unit"), &unitBox);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&unitBox), 2);
    MapDialogRect(dialog, &unitWant);
    EXPECT_EQ(unitBox.top, unitWant.top);
    const int ends[] = {k.firstClassSeats, k.secondClassSeats, 100, 100};
    for (size_t i = 0; i < 4; ++i) {  // a slider's range shows in its field, a bar's only here
        EXPECT_EQ(SendDlgItemMessageW(dialog, kShown[kBar + i], PBM_GETRANGE, FALSE, 0), ends[i]);
    }
    EXPECT_TRUE(ui::IsChecked(dialog, IDC_LM_METRIC));
    LoadState want = c.load;
    want.emptyWeightKg = EmptyWeightKg(c.emptyWeightLb, k.defaultEmptyWeightLb);
    ExpectFields(manager, want, WeightUnit::Kg, c.aircraft);

    // Painted as in kShown: the aircraft weight keeps the dialog's face, the bars show their fill.
    const COLORREF count = RGB(255, 255, 128), percent = RGB(192, 255, 192), zfw = RGB(0, 0, 150);
    const COLORREF pax = RGB(255, 200, 130), cargo = RGB(128, 255, 128);
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    const COLORREF colors[] = {count, count, percent, percent, pax, pax, pax,   cargo,
                               cargo, cargo, face,    zfw,     pax, pax, cargo, cargo};
    for (size_t i = 0; i < std::size(kShown); ++i) {
        EXPECT_EQ(Pixel(dialog, kShown[i]), colors[i]) << "control " << kShown[i];
    }

    testui::Click(dialog, IDC_LM_IMPERIAL);
    ExpectFields(manager, want, WeightUnit::Lb, c.aircraft);

    // The aft thumb dragged to the start: the fields follow before the release.
    HWND aft = GetDlgItem(dialog, IDC_LM_AFT_SLIDER);
    RECT thumb{};
    SendMessageW(aft, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const int y = (thumb.top + thumb.bottom) / 2;
    SendMessageW(aft, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((thumb.left + thumb.right) / 2, y));
    SendMessageW(aft, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, y));
    UpdateWindow(aft);
    want.aftCargoPercent = 0;
    ExpectFields(manager, want, WeightUnit::Lb, c.aircraft);
    SendMessageW(aft, WM_LBUTTONUP, 0, MAKELPARAM(0, y));
    EXPECT_EQ(Pixel(dialog, IDC_LM_AFT_BAR), RGB(255, 255, 255));  // empty: the bar's background

    testui::Click(dialog, IDC_LM_METRIC);
    ExpectFields(manager, want, WeightUnit::Kg, c.aircraft);
}

INSTANTIATE_TEST_SUITE_P(
    Aircraft, EveryLoadManagerTest,
    testing::Values(
        AircraftCase{AircraftType::A318,
                     "A318",
                     86000,
                     {0, 8, 99, 100, 10},
                     false,
                     L"Business Class",
                     L"Economy Class",
                     330},
        AircraftCase{AircraftType::A319, "A319", 89500, {0, 3, 100, 45, 67}},
        AircraftCase{AircraftType::A320, "A320", 93500, {0, 12, 138, 50, 100}},
        AircraftCase{AircraftType::A321, "A321", 107000, {0, 16, 169, 100, 100}, true},
        AircraftCase{
            AircraftType::ACJ, "ACJ", 90000, {0, 6, 36, 20, 80}, false, L"Crew", L"Guests"}),
    [](const testing::TestParamInfo<AircraftCase>& info) { return std::string(info.param.name); });

TEST(LoadManagerSaveTest, OkSavesEveryVariantCancelNothingAndFailuresAreShown) {
    const std::string simFolder = FreshSimFolder();
    const AircraftFiles paths = AircraftFilePaths(AircraftType::A319, simFolder);
    const std::string baseCfg =
        AircraftCfg(89500, {0, 2, 50, 10, 10}, AircraftType::A319, paths.base);
    AircraftCfg(90000, {}, AircraftType::A319, paths.iae);
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
    // Runs the load manager as the main menu does; `user` works the dialog.
    // Returns the zero-fuel weight saved, -1 for none.
    auto run = [&](int32_t expectSavedKg, const std::function<void(HWND)>& user) {
        std::optional<int32_t> saved;
        auto boxes = testui::AnswerMessageBoxes(
            [&] {
                saved = RunLoadManager(owner, {AircraftType::A319, simFolder});
            },
            user);
        EXPECT_EQ(saved.value_or(-1), expectSavedKg);
        return boxes;
    };

    // Cancel after moving a slider writes nothing and gives no weight.
    EXPECT_TRUE(run(-1, [](HWND dialog) {
                    SetSlider(dialog, IDC_LM_SECOND_SLIDER, 116);
                    testui::Click(dialog, IDCANCEL);
                }).empty());
    EXPECT_EQ(ReadBytes(paths.base), baseCfg);

    // OK in pounds saves what the thumbs show into both variants; the ZFW in kg
    // comes back from the pound totals (8 + 50 passengers, 10 % and 100 % of
    // 2260 and 3020 kg), one kg below the kilogram sum.
    EXPECT_TRUE(run(40597 + 58 * 75 + 226 + 3020 - 1, [](HWND dialog) {
                    EXPECT_EQ(testui::ItemText(dialog, IDC_LM_SECOND_COUNT), "50");  // the file's
                    testui::Click(dialog, IDC_LM_IMPERIAL);
                    SetSlider(dialog, IDC_LM_FIRST_SLIDER, 8);
                    SetSlider(dialog, IDC_LM_AFT_SLIDER, 100);
                    testui::Click(dialog, IDOK);
                }).empty());
    LoadState saved{40597, 8, 50, 10, 100};
    EXPECT_EQ(ReadBytes(paths.base), AircraftCfg(89500, saved, AircraftType::A319));
    EXPECT_EQ(ReadBytes(paths.iae), AircraftCfg(90000, saved, AircraftType::A319));

    // Another program holds the base file open: reported; the IAE variant is still written.
    HANDLE held = CreateFileW(ui::Widen(paths.base).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::vector<testui::MessageBoxInfo> boxes = run(-1, [](HWND dialog) {
        SetSlider(dialog, IDC_LM_SECOND_SLIDER, 0);
        testui::Click(dialog, IDOK);
    });
    CloseHandle(held);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "ERROR");
    EXPECT_EQ(boxes[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(boxes[0].owner, owner);
    EXPECT_EQ(boxes[0].text.rfind(msg::kPayloadNotSaved + paths.base, 0), 0u) << boxes[0].text;
    EXPECT_EQ(ReadBytes(paths.base), AircraftCfg(89500, saved, AircraftType::A319));
    saved.economyPax = 0;
    EXPECT_EQ(ReadBytes(paths.iae), AircraftCfg(90000, saved, AircraftType::A319));

    // The base file vanishes while the dialog is open: reported, not created again.
    boxes = run(-1, [&](HWND dialog) {
        fs::remove_all(fs::path(ui::Widen(paths.base)).parent_path());
        testui::Click(dialog, IDOK);
    });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, msg::kPayloadNotSaved + paths.base);
    // Now only the IAE variant is installed: it alone is saved, silently, with
    // what the last OK wrote into it (8 + 50 passengers) over its own empty
    // weight of 90000 lb (40824 kg).
    EXPECT_TRUE(run(40824 + 58 * 75 + 226 + 3020, [](HWND dialog) {
                    testui::Click(dialog, IDOK);
                }).empty());
    EXPECT_FALSE(fs::exists(ui::Widen(paths.base)));
    DestroyWindow(owner);
}

}  // namespace
}  // namespace payload
