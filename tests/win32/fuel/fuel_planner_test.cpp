// The Fuel Planner on real controls under Wine: typed as a user types,
// Validate and the unit buttons clicked, the message boxes read.
#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/tools.h"
#include "fuel/fuel_planner_dialog.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

using testui::ItemText;

constexpr int kInputs[] = {IDC_FP_DISTANCE, IDC_FP_ALTITUDE, IDC_FP_COST_INDEX, IDC_FP_ZFW,
                           IDC_FP_TAXI,     IDC_FP_RESERVE,  IDC_FP_FINAL};
constexpr int kOutputs[] = {IDC_FP_TRIP,   IDC_FP_FOB,         IDC_FP_LEFT_OUTER, IDC_FP_LEFT_INNER,
                            IDC_FP_CENTER, IDC_FP_RIGHT_INNER, IDC_FP_RIGHT_OUTER};

// Replaces a field's text by typing into it.
void Type(HWND dialog, int id, const std::string& text) {
    HWND edit = GetDlgItem(dialog, id);
    ui::MoveFocus(dialog, edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CHAR, VK_BACK, 0);
    for (char c : text) {
        SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
    }
}

template <size_t N>
std::vector<std::string> Texts(HWND dialog, const int (&ids)[N]) {
    std::vector<std::string> texts;
    for (int id : ids) {
        texts.push_back(ItemText(dialog, id));
    }
    return texts;
}

std::vector<std::string> Outputs(HWND dialog) {
    return Texts(dialog, kOutputs);
}

class FuelPlannerTest : public testing::Test {
  protected:
    void Open(AircraftType aircraft) {
        App().selectedAircraft = aircraft;
        m_dialog = m_planner.Create();
        ASSERT_NE(m_dialog, nullptr);
    }

    // Clicks a button and returns the message boxes it raised.
    std::vector<testui::MessageBoxInfo> Click(int id) {
        return testui::AnswerMessageBoxes([&] { testui::Click(m_dialog, id); });
    }

    void Flight(const char* distance, const char* altitude, const char* costIndex,
                const char* zfw) {
        Type(m_dialog, IDC_FP_DISTANCE, distance);
        Type(m_dialog, IDC_FP_ALTITUDE, altitude);
        Type(m_dialog, IDC_FP_COST_INDEX, costIndex);
        Type(m_dialog, IDC_FP_ZFW, zfw);
    }

    void ExpectRefused(const char* text) {
        std::vector<std::string> before = Outputs(m_dialog);
        std::vector<testui::MessageBoxInfo> boxes = Click(IDC_FP_VALIDATE);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, text);
        EXPECT_EQ(boxes[0].caption, msg::kCaptionError);
        EXPECT_EQ(boxes[0].icon, static_cast<UINT>(MB_ICONERROR));
        EXPECT_EQ(boxes[0].owner, m_dialog);
        EXPECT_EQ(Outputs(m_dialog), before);
    }

    void SetUp() override { ResetApp(); }
    void TearDown() override { ResetApp(); }

    FuelPlanner m_planner;
    HWND m_dialog = nullptr;
};

TEST_F(FuelPlannerTest, OpensWithTheDefaultsTheSavedZeroFuelWeightAndColours) {
    App().savedZfwKg[AircraftIndex(AircraftType::A320)] = 59899;
    App().savedZfwKg[AircraftIndex(AircraftType::A319)] = 51000;
    Open(AircraftType::A320);
    EXPECT_EQ(Texts(m_dialog, kInputs),
              (std::vector<std::string>{"", "", "50", "59899", "200", "5", "1000"}));
    EXPECT_EQ(Outputs(m_dialog), std::vector<std::string>(std::size(kOutputs)));
    EXPECT_TRUE(ui::IsChecked(m_dialog, IDC_FP_METRIC));
    EXPECT_FALSE(ui::IsChecked(m_dialog, IDC_FP_IMPERIAL));
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_FOB_UNIT), "kg");
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_COST_INDEX_UNIT), "kg/min");

    struct Colours {
        int id;
        COLORREF background;
        COLORREF text;
    };
    const COLORREF black = RGB(0, 0, 0);
    const Colours fields[] = {
        {IDC_FP_LEFT_OUTER, RGB(255, 255, 128), black},
        {IDC_FP_RIGHT_OUTER, RGB(255, 255, 128), black},
        {IDC_FP_LEFT_INNER, RGB(255, 200, 130), black},
        {IDC_FP_RIGHT_INNER, RGB(255, 200, 130), black},
        {IDC_FP_CENTER, RGB(192, 255, 192), black},
        {IDC_FP_FOB, RGB(0, 0, 150), RGB(255, 255, 255)},
    };
    HDC dc = GetDC(m_dialog);
    for (const Colours& field : fields) {
        // A read-only edit asks its dialog for colours as a static does.
        LRESULT brush = SendMessageW(m_dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(GetDlgItem(m_dialog, field.id)));
        EXPECT_NE(brush, 0) << field.id;
        EXPECT_EQ(GetBkColor(dc), field.background) << field.id;
        EXPECT_EQ(GetTextColor(dc), field.text) << field.id;
    }
    ReleaseDC(m_dialog, dc);
}

TEST_F(FuelPlannerTest, PlansTheA320InKilogramsAndPounds) {
    Open(AircraftType::A320);
    Flight("500", "35000", "50", "60000");
    EXPECT_TRUE(Click(IDC_FP_VALIDATE).empty());
    EXPECT_EQ(Outputs(m_dialog),
              (std::vector<std::string>{"4135", "5541", "0 (0.0%)", "2770 (51.0%)", "1 (0.0%)",
                                        "2770 (51.0%)", "0 (0.0%)"}));

    EXPECT_TRUE(Click(IDC_FP_METRIC).empty());  // already in force: nothing changes
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_ZFW), "60000");

    EXPECT_TRUE(Click(IDC_FP_IMPERIAL).empty());
    EXPECT_TRUE(ui::IsChecked(m_dialog, IDC_FP_IMPERIAL));
    EXPECT_EQ(Outputs(m_dialog),
              (std::vector<std::string>{"9115", "12215", "0 (0.0%)", "6106 (51.0%)", "2 (0.0%)",
                                        "6106 (51.0%)", "0 (0.0%)"}));
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_ZFW), "132275");
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_TAXI), "440");
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_FINAL), "2204");
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_RESERVE), "5");
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_COST_INDEX), "50");
    for (int id : {IDC_FP_ZFW_UNIT, IDC_FP_TAXI_UNIT, IDC_FP_TRIP_UNIT, IDC_FP_FINAL_UNIT,
                   IDC_FP_FOB_UNIT}) {
        EXPECT_EQ(ItemText(m_dialog, id), "lb") << id;
    }
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_COST_INDEX_UNIT), "100lb/h");

    // Validate in pounds reads 132275 lb as 59999 kg, 440 lb as 199 kg and
    // 2204 lb as 999 kg.
    EXPECT_TRUE(Click(IDC_FP_VALIDATE).empty());
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_TRIP), "9115");
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_FOB), "12211");

    EXPECT_TRUE(Click(IDC_FP_METRIC).empty());
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_ZFW), "59999");
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_FOB_UNIT), "kg");
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_COST_INDEX_UNIT), "kg/min");
}

TEST_F(FuelPlannerTest, RefusesMissingMandatoryFields) {
    Open(AircraftType::A319);  // no payload saved: the ZFW field is empty
    Type(m_dialog, IDC_FP_DISTANCE, "500");
    Type(m_dialog, IDC_FP_ALTITUDE, "35000");
    ExpectRefused(msg::kMandatoryFields);

    Flight("500", "35000", "50", "60000");
    ASSERT_TRUE(Click(IDC_FP_VALIDATE).empty());
    Type(m_dialog, IDC_FP_COST_INDEX, "0");
    ExpectRefused(msg::kMandatoryFields);

    // One pound is no kilogram.
    Type(m_dialog, IDC_FP_COST_INDEX, "50");
    Click(IDC_FP_IMPERIAL);
    Type(m_dialog, IDC_FP_ZFW, "1");
    ExpectRefused(msg::kMandatoryFields);
}

TEST_F(FuelPlannerTest, RefusesNumbersTooLargeFor32Bits) {
    Open(AircraftType::A320);
    Flight("500", "35000", "50", "60000");
    ASSERT_TRUE(Click(IDC_FP_VALIDATE).empty());

    // The fields take any run of digits.
    Type(m_dialog, IDC_FP_DISTANCE, "12345678901234567890");
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_DISTANCE), "12345678901234567890");
    ExpectRefused(msg::kValuesTooLarge);

    Type(m_dialog, IDC_FP_DISTANCE, "500");
    Type(m_dialog, IDC_FP_ZFW, "9999999999");
    ExpectRefused(msg::kValuesTooLarge);

    // Fits in 32 bits, but the first weight guess (ZFW + 20 kg per NM) does not.
    Type(m_dialog, IDC_FP_ZFW, "60000");
    Type(m_dialog, IDC_FP_DISTANCE, "1000000000");
    ExpectRefused(msg::kValuesTooLarge);
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_TRIP), "4135");
}

TEST_F(FuelPlannerTest, DigitsOnlyAndEnterValidates) {
    Open(AircraftType::A320);
    Type(m_dialog, IDC_FP_DISTANCE, "5x0-0");
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_DISTANCE), "500");
    Type(m_dialog, IDC_FP_ALTITUDE, "35000");
    Type(m_dialog, IDC_FP_ZFW, "60000");

    // Enter in a field presses the default button, as the dialog manager
    // handles it in the message loop.
    HWND zfw = GetDlgItem(m_dialog, IDC_FP_ZFW);
    PostMessageW(zfw, WM_KEYDOWN, VK_RETURN, 0);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageW(m_dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_TRIP), "4135");
}

TEST_F(FuelPlannerTest, TanksBeforeAnyPlanAndWithoutOuterTanks) {
    Open(AircraftType::A320);
    Click(IDC_FP_IMPERIAL);
    EXPECT_EQ(Outputs(m_dialog), (std::vector<std::string>{"", "", "0 (0.0%)", "0 (0.0%)",
                                                           "0 (0.0%)", "0 (0.0%)", "0 (0.0%)"}));
    m_planner.EndDialog(IDCANCEL);

    FuelPlanner a321;
    App().selectedAircraft = AircraftType::A321;
    m_dialog = a321.Create();
    Click(IDC_FP_IMPERIAL);
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_LEFT_OUTER), "");
    Click(IDC_FP_METRIC);  // taxi and final fuel come back as 199 and 999 kg
    Flight("800", "31000", "20", "70000");
    ASSERT_TRUE(Click(IDC_FP_VALIDATE).empty());
    EXPECT_EQ(Outputs(m_dialog), (std::vector<std::string>{"6578", "8104", "---", "4052 (66.6%)",
                                                           "0 (0.0%)", "4052 (66.6%)", "---"}));
    Click(IDC_FP_IMPERIAL);
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_LEFT_OUTER), "---");
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_RIGHT_OUTER), "---");
    EXPECT_EQ(ItemText(m_dialog, IDC_FP_LEFT_INNER), "8932 (66.6%)");
}

TEST_F(FuelPlannerTest, ShowsTheFullTanksBeforeRefusingTheTrip) {
    Open(AircraftType::ACJ);
    Flight("3000", "39000", "60", "50000");
    std::vector<std::string> shownAtMessage;
    testui::MessageBoxInfo box;
    testui::RunWithModalHandler([&] { testui::Click(m_dialog, IDC_FP_VALIDATE); },
                                [&](HWND window) {
                                    shownAtMessage = Outputs(m_dialog);
                                    box = testui::ReadMessageBox(window);
                                    PostMessageW(window, WM_COMMAND, IDOK, 0);
                                });
    EXPECT_EQ(box.text, msg::kNotEnoughFuel);
    EXPECT_EQ(box.caption, msg::kCaptionError);
    EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(shownAtMessage,
              (std::vector<std::string>{"22302", "24617", "691 (100.0%)", "5435 (100.0%)",
                                        "11718 (100.0%)", "5435 (100.0%)", "691 (100.0%)"}));
}

TEST_F(FuelPlannerTest, RunsModallyOverTheMainMenu) {
    App().selectedAircraft = AircraftType::A318;
    App().savedZfwKg[AircraftIndex(AircraftType::A318)] = 55000;
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    bool ownerEnabled = true;
    HWND shownOwner = nullptr;
    std::string zfw;
    testui::RunWithModalHandler([&] { tools::RunFuelPlanner(owner); },
                                [&](HWND planner) {
                                    ownerEnabled = IsWindowEnabled(owner) != FALSE;
                                    shownOwner = GetWindow(planner, GW_OWNER);
                                    zfw = ItemText(planner, IDC_FP_ZFW);
                                    PostMessageW(planner, WM_KEYDOWN, VK_ESCAPE, 0);
                                });
    EXPECT_FALSE(ownerEnabled);
    EXPECT_EQ(shownOwner, owner);
    EXPECT_EQ(zfw, "55000");
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

}  // namespace
