#include "payload/load_manager_dialog.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/app_context.h"
#include "payload/station_values.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace payload {
namespace {

namespace fs = std::filesystem;

fs::path Wide(const std::string& path) {
    return fs::path(ui::Widen(path));
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    fs::create_directories(Wide(path).parent_path());
    std::ofstream(Wide(path), std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(Wide(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// An aircraft.cfg with the given empty weight and the stations of a load,
// between lines the program must leave alone.
std::string AircraftCfg(int emptyWeightLb, const LoadState& load, AircraftType aircraft) {
    std::string text =
        "[fltsim.0]\r\ntitle=Zelvia\r\n\r\n[WEIGHT_AND_BALANCE]\r\n; pounds\r\nempty_weight = " +
        std::to_string(emptyWeightLb) + "\r\nstation_load.0 = \"170, 40.0, -1.5, 2.0\"\r\n";
    for (const profile::Entry& entry : PayloadEntries(load, ConstantsFor(aircraft))) {
        text += entry.key + " = " + entry.value + "\r\n";
    }
    return text + "station_load.6 = \"300, 0.0, 0.0, 0.0, Galley\"\r\n";
}

std::string Field(HWND dialog, int id) {
    return testui::ItemText(dialog, id);
}

bool HasLabel(HWND dialog, const std::string& text) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == IDC_STATIC && testui::Text(child) == text) {
            return true;
        }
    }
    return false;
}

int BarPos(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, id, PBM_GETPOS, 0, 0));
}

int BarMax(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, id, PBM_GETRANGE, FALSE, 0));
}

int SliderMax(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, id, TBM_GETRANGEMAX, 0, 0));
}

// Moves a thumb as the program would and lets the slider paint.
void SetSlider(HWND dialog, int id, int position) {
    SendDlgItemMessageW(dialog, id, TBM_SETPOS, TRUE, position);
    UpdateWindow(GetDlgItem(dialog, id));
}

COLORREF Pixel(HWND control, int x, int y) {
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(control);
    COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return pixel;
}

// Every field and fill bar against the model's numbers for the sliders as
// they stand.
void ExpectFields(HWND dialog, const LoadState& load, float unit, AircraftType aircraft) {
    const PayloadFields f = Recalculate(load, unit, ConstantsFor(aircraft));
    const int ids[] = {IDC_LM_FIRST_COUNT,  IDC_LM_SECOND_COUNT,    IDC_LM_FORWARD_PERCENT,
                       IDC_LM_AFT_PERCENT,  IDC_LM_FIRST_WEIGHT,    IDC_LM_SECOND_WEIGHT,
                       IDC_LM_PAX_WEIGHT,   IDC_LM_FORWARD_WEIGHT,  IDC_LM_AFT_WEIGHT,
                       IDC_LM_CARGO_WEIGHT, IDC_LM_AIRCRAFT_WEIGHT, IDC_LM_ZFW};
    const int64_t want[] = {f.businessPax,     f.economyPax,         f.forwardCargoPercent,
                            f.aftCargoPercent, f.businessWeight,     f.economyWeight,
                            f.paxWeight,       f.forwardCargoWeight, f.aftCargoWeight,
                            f.cargoWeight,     f.aircraftWeight,     f.zfw};
    for (size_t i = 0; i < std::size(ids); ++i) {
        EXPECT_EQ(Field(dialog, ids[i]), std::to_string(want[i])) << "control " << ids[i];
    }
    const int bars[] = {IDC_LM_FIRST_BAR, IDC_LM_SECOND_BAR, IDC_LM_FORWARD_BAR, IDC_LM_AFT_BAR};
    for (size_t i = 0; i < std::size(bars); ++i) {
        EXPECT_EQ(BarPos(dialog, bars[i]), want[i]) << "bar " << bars[i];
    }
    EXPECT_EQ(App().currentZfwKg, f.currentZfwKg);
}

class LoadManagerTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetApp();
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->name()) + "-" + std::to_string(GetCurrentProcessId());
        std::replace(name.begin(), name.end(), '/', '-');
        m_simFolder = ui::Narrow(temp) + "corvel-lm-" + name;
        fs::remove_all(Wide(m_simFolder));
        App().simFolder = m_simFolder;
        m_owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  200, 100, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        DestroyWindow(m_owner);
        std::error_code ignored;
        fs::remove_all(Wide(m_simFolder), ignored);
        ResetApp();
    }

    std::unique_ptr<CLoadManagerBase> Open(AircraftType aircraft) {
        std::unique_ptr<CLoadManagerBase> manager = MakeLoadManager(aircraft, nullptr);
        EXPECT_TRUE(manager->IsInstalled());
        EXPECT_NE(manager->Create(), nullptr);
        testui::PumpMessages();
        return manager;
    }

    // Runs the load manager as the main menu does; `user` works the dialog.
    bool Run(AircraftType aircraft, const std::function<void(HWND)>& user,
             std::vector<testui::MessageBoxInfo>* boxes = nullptr) {
        bool saved = false;
        auto shown =
            testui::AnswerMessageBoxes([&] { saved = RunLoadManager(m_owner, aircraft); }, user);
        if (boxes) {
            *boxes = shown;
        } else {
            EXPECT_TRUE(shown.empty());
        }
        return saved;
    }

    std::string m_simFolder;
    HWND m_owner = nullptr;
};

struct AircraftCase {
    AircraftType aircraft;
    const char* title;
    const char* firstLabel;
    const char* secondLabel;
    int emptyWeightLb;
    LoadState load;  // as saved in the file (empty weight from emptyWeightLb)
};

class EveryLoadManagerTest : public LoadManagerTest,
                             public testing::WithParamInterface<AircraftCase> {};

TEST_P(EveryLoadManagerTest, ShowsTheFilesPayloadInBothUnits) {
    const AircraftCase& c = GetParam();
    const PayloadConstants& constants = ConstantsFor(c.aircraft);
    AircraftFiles paths = AircraftFilePaths(c.aircraft, m_simFolder);
    WriteBytes(paths.base, AircraftCfg(c.emptyWeightLb, c.load, c.aircraft));

    auto manager = Open(c.aircraft);
    HWND dialog = manager->GetHwnd();
    EXPECT_EQ(testui::Text(dialog), c.title);
    EXPECT_TRUE(HasLabel(dialog, c.firstLabel));
    EXPECT_TRUE(HasLabel(dialog, c.secondLabel));
    EXPECT_EQ(SliderMax(dialog, IDC_LM_FIRST_SLIDER), constants.firstClassSeats);
    EXPECT_EQ(SliderMax(dialog, IDC_LM_SECOND_SLIDER), constants.secondClassSeats);
    EXPECT_EQ(SliderMax(dialog, IDC_LM_FORWARD_SLIDER), 100);
    EXPECT_EQ(SliderMax(dialog, IDC_LM_AFT_SLIDER), 100);
    EXPECT_EQ(BarMax(dialog, IDC_LM_FIRST_BAR), constants.firstClassSeats);
    EXPECT_EQ(BarMax(dialog, IDC_LM_SECOND_BAR), constants.secondClassSeats);
    EXPECT_EQ(BarMax(dialog, IDC_LM_FORWARD_BAR), 100);
    EXPECT_EQ(BarMax(dialog, IDC_LM_AFT_BAR), 100);
    EXPECT_TRUE(ui::IsChecked(dialog, IDC_LM_METRIC));
    EXPECT_FALSE(ui::IsChecked(dialog, IDC_LM_IMPERIAL));

    LoadState load = c.load;
    load.emptyWeightKg = EmptyWeightKg(c.emptyWeightLb, constants.defaultEmptyWeightLb);
    ExpectFields(dialog, load, kKilogramFactor, c.aircraft);
    testui::Click(dialog, IDC_LM_IMPERIAL);
    ExpectFields(dialog, load, kPoundFactor, c.aircraft);

    // Every thumb moved in pounds, then back to kilograms.
    load = {load.emptyWeightKg, 1, static_cast<uint32_t>(constants.secondClassSeats), 33, 0};
    SetSlider(dialog, IDC_LM_FIRST_SLIDER, 1);
    SetSlider(dialog, IDC_LM_SECOND_SLIDER, constants.secondClassSeats + 5);  // held at the end
    SetSlider(dialog, IDC_LM_FORWARD_SLIDER, 33);
    SetSlider(dialog, IDC_LM_AFT_SLIDER, 0);
    ExpectFields(dialog, load, kPoundFactor, c.aircraft);
    testui::Click(dialog, IDC_LM_METRIC);
    ExpectFields(dialog, load, kKilogramFactor, c.aircraft);
}

INSTANTIATE_TEST_SUITE_P(
    Aircraft, EveryLoadManagerTest,
    testing::Values(
        AircraftCase{AircraftType::A318,
                     "A318 Load Manager",
                     "Business Class",
                     "Economy Class",
                     86000,
                     {0, 8, 99, 100, 1}},
        AircraftCase{AircraftType::A319,
                     "A319 Load Manager",
                     "Business Class",
                     "Economy Class",
                     89500,
                     {0, 3, 100, 45, 67}},
        AircraftCase{AircraftType::A320,
                     "A320 Load Manager",
                     "Business Class",
                     "Economy Class",
                     93500,
                     {0, 12, 138, 50, 100}},
        AircraftCase{AircraftType::A321,
                     "A321 Load Manager",
                     "Business Class",
                     "Economy Class",
                     107000,
                     {0, 16, 169, 100, 100}},
        AircraftCase{
            AircraftType::ACJ, "ACJ Load Manager", "Crew", "Guests", 90000, {0, 6, 36, 20, 80}}),
    [](const testing::TestParamInfo<AircraftCase>& info) {
        return std::string(info.param.title).substr(0, info.param.title[3] == ' ' ? 3 : 4);
    });

TEST_F(LoadManagerTest, FieldsFollowTheKeyboardAndTheDraggedThumb) {
    WriteBytes(AircraftFilePaths(AircraftType::A320, m_simFolder).base, "[WEIGHT_AND_BALANCE]\n");
    auto manager = Open(AircraftType::A320);
    HWND dialog = manager->GetHwnd();
    HWND first = GetDlgItem(dialog, IDC_LM_FIRST_SLIDER);

    ui::MoveFocus(dialog, first);
    for (int i = 0; i < 2; ++i) {
        SendMessageW(first, WM_KEYDOWN, VK_RIGHT, 0);
        SendMessageW(first, WM_KEYUP, VK_RIGHT, 0);
        UpdateWindow(first);
    }
    EXPECT_EQ(Field(dialog, IDC_LM_FIRST_COUNT), "2");
    EXPECT_EQ(Field(dialog, IDC_LM_FIRST_WEIGHT), "150");
    EXPECT_EQ(Field(dialog, IDC_LM_ZFW), "42561");  // 42411 + 150
    EXPECT_EQ(BarPos(dialog, IDC_LM_FIRST_BAR), 2);

    // The aft hold thumb dragged to the far end: the fields follow before
    // the button is released.
    HWND aft = GetDlgItem(dialog, IDC_LM_AFT_SLIDER);
    RECT thumb{}, channel{};
    SendMessageW(aft, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    SendMessageW(aft, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    const int y = (thumb.top + thumb.bottom) / 2;
    SendMessageW(aft, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((thumb.left + thumb.right) / 2, y));
    SendMessageW(aft, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(channel.right + 20, y));
    UpdateWindow(aft);
    EXPECT_EQ(Field(dialog, IDC_LM_AFT_PERCENT), "100");
    EXPECT_EQ(Field(dialog, IDC_LM_AFT_WEIGHT), "4536");
    EXPECT_EQ(Field(dialog, IDC_LM_CARGO_WEIGHT), "4536");
    EXPECT_EQ(BarPos(dialog, IDC_LM_AFT_BAR), 100);
    SendMessageW(aft, WM_LBUTTONUP, 0, MAKELPARAM(channel.right + 20, y));
    EXPECT_EQ(manager->Load().aftCargoPercent, 100u);
}

TEST_F(LoadManagerTest, FieldsAndFillBarsShowTheirColours) {
    WriteBytes(AircraftFilePaths(AircraftType::A321, m_simFolder).base,
               AircraftCfg(106300, {0, 16, 169, 100, 100}, AircraftType::A321));
    auto manager = Open(AircraftType::A321);
    HWND dialog = manager->GetHwnd();
    struct Expected {
        int id;
        COLORREF color;
    };
    const Expected fields[] = {
        {IDC_LM_FIRST_COUNT, RGB(255, 255, 128)},
        {IDC_LM_SECOND_COUNT, RGB(255, 255, 128)},
        {IDC_LM_FIRST_WEIGHT, RGB(255, 200, 130)},
        {IDC_LM_SECOND_WEIGHT, RGB(255, 200, 130)},
        {IDC_LM_PAX_WEIGHT, RGB(255, 200, 130)},
        {IDC_LM_FORWARD_PERCENT, RGB(192, 255, 192)},
        {IDC_LM_AFT_PERCENT, RGB(192, 255, 192)},
        {IDC_LM_FORWARD_WEIGHT, RGB(128, 255, 128)},
        {IDC_LM_AFT_WEIGHT, RGB(128, 255, 128)},
        {IDC_LM_CARGO_WEIGHT, RGB(128, 255, 128)},
        {IDC_LM_ZFW, RGB(0, 0, 150)},
    };
    for (const Expected& field : fields) {
        EXPECT_EQ(Pixel(GetDlgItem(dialog, field.id), 2, 2), field.color) << field.id;
    }
    // Full bars show the bar colour, an empty one its white background.
    const Expected bars[] = {{IDC_LM_FIRST_BAR, RGB(255, 200, 130)},
                             {IDC_LM_SECOND_BAR, RGB(255, 200, 130)},
                             {IDC_LM_FORWARD_BAR, RGB(128, 255, 128)},
                             {IDC_LM_AFT_BAR, RGB(128, 255, 128)}};
    for (const Expected& bar : bars) {
        HWND control = GetDlgItem(dialog, bar.id);
        RECT client{};
        GetClientRect(control, &client);
        EXPECT_EQ(Pixel(control, client.right - 3, client.bottom / 2), bar.color) << bar.id;
    }
    SetSlider(dialog, IDC_LM_SECOND_SLIDER, 0);
    EXPECT_EQ(Pixel(GetDlgItem(dialog, IDC_LM_SECOND_BAR), 3, 3), RGB(255, 255, 255));
}

TEST_F(LoadManagerTest, OkSavesBothVariantsAndCancelNothing) {
    AircraftFiles paths = AircraftFilePaths(AircraftType::A319, m_simFolder);
    const std::string baseCfg = AircraftCfg(89500, {0, 2, 50, 10, 10}, AircraftType::A319);
    const std::string iaeCfg = AircraftCfg(90000, {0, 0, 0, 0, 0}, AircraftType::A319);
    WriteBytes(paths.base, baseCfg);
    WriteBytes(paths.iae, iaeCfg);

    // Cancel after moving a slider: nothing written; the cancelled
    // dialog's ZFW stays current.
    EXPECT_FALSE(Run(AircraftType::A319, [](HWND dialog) {
        SetSlider(dialog, IDC_LM_SECOND_SLIDER, 116);
        testui::Click(dialog, IDCANCEL);
    }));
    EXPECT_EQ(ReadBytes(paths.base), baseCfg);
    EXPECT_EQ(ReadBytes(paths.iae), iaeCfg);
    EXPECT_EQ(App().currentZfwKg, 40597 + 2 * 75 + 116 * 75 + 226 + 302);

    EXPECT_TRUE(Run(AircraftType::A319, [](HWND dialog) {
        EXPECT_EQ(Field(dialog, IDC_LM_SECOND_COUNT), "50");  // the file's, not the cancelled
        testui::Click(dialog, IDC_LM_IMPERIAL);
        SetSlider(dialog, IDC_LM_FIRST_SLIDER, 8);
        SetSlider(dialog, IDC_LM_AFT_SLIDER, 100);
        testui::Click(dialog, IDOK);
    }));
    const LoadState saved{40597, 8, 50, 10, 100};
    EXPECT_EQ(App().currentZfwKg,
              Recalculate(saved, kPoundFactor, ConstantsFor(AircraftType::A319)).currentZfwKg);
    EXPECT_EQ(ReadBytes(paths.base), AircraftCfg(89500, saved, AircraftType::A319));
    EXPECT_EQ(ReadBytes(paths.iae), AircraftCfg(90000, saved, AircraftType::A319));

    // Reopened, it shows the saved payload, in kilograms.
    EXPECT_FALSE(Run(AircraftType::A319, [](HWND dialog) {
        EXPECT_TRUE(ui::IsChecked(dialog, IDC_LM_METRIC));
        EXPECT_EQ(Field(dialog, IDC_LM_FIRST_COUNT), "8");
        EXPECT_EQ(Field(dialog, IDC_LM_AFT_PERCENT), "100");
        testui::Click(dialog, IDCANCEL);
    }));
}

TEST_F(LoadManagerTest, IaeOnlyInstallShowsAndKeepsItsOwnPayload) {
    AircraftFiles paths = AircraftFilePaths(AircraftType::A320, m_simFolder);
    const std::string iaeCfg = AircraftCfg(94000, {0, 10, 120, 40, 60}, AircraftType::A320);
    WriteBytes(paths.iae, iaeCfg);
    EXPECT_TRUE(Run(AircraftType::A320, [](HWND dialog) {
        EXPECT_EQ(Field(dialog, IDC_LM_AIRCRAFT_WEIGHT), "42638");
        EXPECT_EQ(Field(dialog, IDC_LM_SECOND_COUNT), "120");
        testui::Click(dialog, IDOK);
    }));
    EXPECT_EQ(ReadBytes(paths.iae), iaeCfg);  // a plain OK writes the same stations
    EXPECT_FALSE(fs::exists(Wide(paths.base)));
}

TEST_F(LoadManagerTest, FailedSavesAreReportedAndTheOtherVariantIsWritten) {
    AircraftFiles paths = AircraftFilePaths(AircraftType::A321, m_simFolder);
    const std::string cfg = AircraftCfg(106300, {0, 1, 1, 1, 1}, AircraftType::A321);
    WriteBytes(paths.base, cfg);
    WriteBytes(paths.iae, cfg);

    // Another program holds the base file open without letting others write.
    HANDLE held = CreateFileW(ui::Widen(paths.base).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::vector<testui::MessageBoxInfo> boxes;
    EXPECT_FALSE(Run(
        AircraftType::A321,
        [](HWND dialog) {
            SetSlider(dialog, IDC_LM_FIRST_SLIDER, 16);
            testui::Click(dialog, IDOK);
        },
        &boxes));
    CloseHandle(held);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "ERROR");
    EXPECT_EQ(boxes[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(boxes[0].owner, m_owner);
    EXPECT_EQ(boxes[0].text.rfind(std::string(msg::kPayloadNotSaved) + paths.base, 0), 0u)
        << boxes[0].text;
    EXPECT_EQ(ReadBytes(paths.base), cfg);
    EXPECT_EQ(ReadBytes(paths.iae), AircraftCfg(106300, {0, 16, 1, 1, 1}, AircraftType::A321));

    // The base file vanishes while the dialog is open.
    EXPECT_FALSE(Run(
        AircraftType::A321,
        [&](HWND dialog) {
            fs::remove_all(Wide(paths.base).parent_path());
            testui::Click(dialog, IDOK);
        },
        &boxes));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, std::string(msg::kPayloadNotSaved) + paths.base);
    EXPECT_FALSE(fs::exists(Wide(paths.base)));
}

}  // namespace
}  // namespace payload
