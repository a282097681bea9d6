// The Fuel Planner on real controls under Wine, driven as a user drives it;
// the arithmetic behind the numbers is left to the native tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "fuel/fuel_planner_dialog.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

using Texts = std::vector<std::string>;

// By default the results: trip, fuel on board, the tanks from left to right.
Texts Read(HWND dialog, std::initializer_list<int> ids = {
                            IDC_FP_TRIP, IDC_FP_FOB, IDC_FP_LEFT_OUTER, IDC_FP_LEFT_INNER,
                            IDC_FP_CENTER, IDC_FP_RIGHT_INNER, IDC_FP_RIGHT_OUTER}) {
    Texts texts;
    for (int id : ids) {
        texts.push_back(testui::ItemText(dialog, id));
    }
    return texts;
}

class FuelPlannerTest : public testing::Test {
  protected:
    // No payload saved: the ZFW field opens empty.
    void Open(AircraftType aircraft) {
        m_planner = std::make_unique<fuel::detail::CFuelPlanner>(
            nullptr, fuel::FuelPlannerInput{aircraft, 0});
        m_dialog = m_planner->Create();
        ASSERT_NE(m_dialog, nullptr);
    }

    // Types distance, altitude, cost index and ZFW, as many as given.
    void Flight(const Texts& values) {
        const int ids[] = {IDC_FP_DISTANCE, IDC_FP_ALTITUDE, IDC_FP_COST_INDEX, IDC_FP_ZFW};
        for (size_t i = 0; i < values.size(); ++i) {
            HWND edit = GetDlgItem(m_dialog, ids[i]);
            ui::MoveFocus(m_dialog, edit);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            for (char c : "\b" + values[i]) {
                SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
            }
        }
    }

    // A click that must raise no message box.
    void Click(int id) {
        EXPECT_TRUE(testui::AnswerMessageBoxes([&] { testui::Click(m_dialog, id); }).empty());
    }

    // Validate raises one error box, with these results on show under it.
    void ExpectRefused(const char* text, const Texts& shown) {
        std::vector<std::tuple<std::string, std::string, UINT, HWND>> boxes;
        auto answer = [&](HWND box) {
            EXPECT_EQ(Read(m_dialog), shown) << "under the box";
            testui::MessageBoxInfo b = testui::ReadMessageBox(box);
            boxes.emplace_back(b.text, b.caption, b.icon, b.owner);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        };
        testui::RunWithModalHandler([&] { testui::Click(m_dialog, IDC_FP_VALIDATE); }, answer);
        EXPECT_EQ(boxes, (decltype(boxes){{text, msg::kCaptionError, MB_ICONERROR, m_dialog}}));
        EXPECT_EQ(Read(m_dialog), shown);
    }

    std::unique_ptr<fuel::detail::CFuelPlanner> m_planner;
    HWND m_dialog = nullptr;
};

TEST_F(FuelPlannerTest, OpensModallyWithTheDefaultsTheSavedWeightAndTheColours) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    auto check = [&](HWND planner) {
        EXPECT_FALSE(IsWindowEnabled(owner));  // modal over its owner
        EXPECT_EQ(Read(planner, {IDC_FP_DISTANCE, IDC_FP_ALTITUDE, IDC_FP_COST_INDEX, IDC_FP_ZFW,
                                 IDC_FP_TAXI, IDC_FP_RESERVE, IDC_FP_FINAL, IDC_FP_FOB_UNIT,
                                 IDC_FP_COST_INDEX_UNIT}),
                  (Texts{"", "", "50", "59899", "200", "5", "1000", "kg", "kg/min"}));
        EXPECT_EQ(Read(planner), Texts(7));
        EXPECT_TRUE(ui::IsChecked(planner, IDC_FP_METRIC));
        EXPECT_FALSE(ui::IsChecked(planner, IDC_FP_IMPERIAL));

        // A read-only edit asks its dialog for colours as a static does.
        const COLORREF black = RGB(0, 0, 0), outer = RGB(255, 255, 128), inner = RGB(255, 200, 130);
        const std::tuple<int, COLORREF, COLORREF> colours[] = {
            {IDC_FP_LEFT_OUTER, outer, black},
            {IDC_FP_RIGHT_OUTER, outer, black},
            {IDC_FP_LEFT_INNER, inner, black},
            {IDC_FP_RIGHT_INNER, inner, black},
            {IDC_FP_CENTER, RGB(192, 255, 192), black},
            {IDC_FP_FOB, RGB(0, 0, 150), RGB(255, 255, 255)}};
        HDC dc = GetDC(planner);
        for (auto [id, background, text] : colours) {
            auto edit = reinterpret_cast<LPARAM>(GetDlgItem(planner, id));
            bool brush =
                SendMessageW(planner, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), edit) != 0;
            EXPECT_EQ(std::make_tuple(brush, GetBkColor(dc), GetTextColor(dc)),
                      std::make_tuple(true, background, text));
        }
        ReleaseDC(planner, dc);

        // Before any plan a unit change shows the tanks empty.
        testui::Click(planner, IDC_FP_IMPERIAL);
        EXPECT_EQ(Read(planner),
                  (Texts{"", "", "0 (0.0%)", "0 (0.0%)", "0 (0.0%)", "0 (0.0%)", "0 (0.0%)"}));
        PostMessageW(planner, WM_KEYDOWN, VK_ESCAPE, 0);
    };
    testui::RunWithModalHandler(
        [&] {
            fuel::RunFuelPlanner(owner, {AircraftType::A320, 59899});
        },
        check);
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

TEST_F(FuelPlannerTest, PlansInKilogramsAndPounds) {
    Open(AircraftType::A320);
    Flight({"5x0-0", "35000", "50", "60000"});
    EXPECT_EQ(testui::ItemText(m_dialog, IDC_FP_DISTANCE), "500");  // digits only
    // Enter in a field presses the default button, as the dialog manager
    // handles it in the message loop.
    MSG enter = {GetDlgItem(m_dialog, IDC_FP_ZFW), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(m_dialog, &enter));
    EXPECT_EQ(Read(m_dialog), (Texts{"4135", "5541", "0 (0.0%)", "2770 (51.0%)", "1 (0.0%)",
                                     "2770 (51.0%)", "0 (0.0%)"}));

    Click(IDC_FP_METRIC);  // already in force: converts nothing

    Click(IDC_FP_IMPERIAL);
    EXPECT_TRUE(ui::IsChecked(m_dialog, IDC_FP_IMPERIAL));
    EXPECT_EQ(Read(m_dialog), (Texts{"9115", "12215", "0 (0.0%)", "6106 (51.0%)", "2 (0.0%)",
                                     "6106 (51.0%)", "0 (0.0%)"}));
    const std::initializer_list<int> fields = {
        IDC_FP_ZFW,        IDC_FP_TAXI,     IDC_FP_FINAL,          IDC_FP_RESERVE,
        IDC_FP_COST_INDEX, IDC_FP_ZFW_UNIT, IDC_FP_TAXI_UNIT,      IDC_FP_TRIP_UNIT,
        IDC_FP_FINAL_UNIT, IDC_FP_FOB_UNIT, IDC_FP_COST_INDEX_UNIT};
    EXPECT_EQ(Read(m_dialog, fields),
              (Texts{"132275", "440", "2204", "5", "50", "lb", "lb", "lb", "lb", "lb", "100lb/h"}));

    // Validate in pounds: 132275 lb are 59999 kg, 440 lb 199 kg, 2204 lb 999 kg.
    Click(IDC_FP_VALIDATE);
    EXPECT_EQ(Read(m_dialog, {IDC_FP_TRIP, IDC_FP_FOB}), (Texts{"9115", "12211"}));
    Click(IDC_FP_METRIC);
    EXPECT_EQ(Read(m_dialog, fields),
              (Texts{"59999", "199", "999", "5", "50", "kg", "kg", "kg", "kg", "kg", "kg/min"}));
}

TEST_F(FuelPlannerTest, RefusalsLeaveTheLastPlanOnShow) {
    Open(AircraftType::ACJ);  // no payload saved: the ZFW field is empty
    Flight({"3000", "39000"});
    ExpectRefused(msg::kMandatoryFields, Texts(7));

    // Too much fuel: the full tanks are shown before the refusal.
    const Texts full = {"22302",          "24617",         "691 (100.0%)", "5435 (100.0%)",
                        "11718 (100.0%)", "5435 (100.0%)", "691 (100.0%)"};
    Flight({"3000", "39000", "60", "50000"});
    ExpectRefused(msg::kNotEnoughFuel, full);
    Flight({"12345678901234567890"});  // the fields take any run of digits
    EXPECT_EQ(testui::ItemText(m_dialog, IDC_FP_DISTANCE), "12345678901234567890");
    ExpectRefused(msg::kValuesTooLarge, full);
    Flight({"3000", "39000", "0"});
    ExpectRefused(msg::kMandatoryFields, full);
}

TEST_F(FuelPlannerTest, WithoutOuterTanksTheirFieldsShowDashes) {
    Open(AircraftType::A321);
    Flight({"800", "31000", "20", "70000"});
    Click(IDC_FP_VALIDATE);
    Click(IDC_FP_IMPERIAL);  // the tanks are shown again, the missing ones not
    EXPECT_EQ(Read(m_dialog, {IDC_FP_LEFT_OUTER, IDC_FP_LEFT_INNER, IDC_FP_RIGHT_OUTER}),
              (Texts{"---", "8935 (66.6%)", "---"}));
}

}  // namespace
