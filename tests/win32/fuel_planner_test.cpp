// The Fuel Planner on real controls, driven as a user drives it: defaults,
// colours, fields wired to their results, units, refusals over the last plan.
// The arithmetic behind the numbers is the native tests' part.
#include <gtest/gtest.h>

#include <memory>

#include "fuel/fuel_planner_dialog.h"
#include "platform/win32/controls.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

// The fields' texts, joined; by default the results: trip, fuel on board, the tanks left to right.
std::string Read(HWND dialog, std::initializer_list<int> ids = {
                                  IDC_FP_TRIP, IDC_FP_FOB, IDC_FP_LEFT_OUTER, IDC_FP_LEFT_INNER,
                                  IDC_FP_CENTER, IDC_FP_RIGHT_INNER, IDC_FP_RIGHT_OUTER}) {
    std::string texts;
    for (int id : ids) {
        texts += testui::ItemText(dialog, id) + "|";
    }
    return texts;
}
const std::initializer_list<int> kInputs = {
    IDC_FP_DISTANCE, IDC_FP_ALTITUDE, IDC_FP_COST_INDEX,
    IDC_FP_ZFW,      IDC_FP_TAXI,     IDC_FP_RESERVE,
    IDC_FP_FINAL,    IDC_FP_ZFW_UNIT, IDC_FP_COST_INDEX_UNIT};

class FuelPlanner : public testing::Test {
  protected:
    void Open(AircraftType aircraft) {  // no payload saved: the ZFW field opens empty
        m_planner = std::make_unique<fuel::detail::CFuelPlanner>(
            nullptr, fuel::FuelPlannerInput{aircraft, 0});
        ASSERT_NE(m_dialog = m_planner->Create(), nullptr);
    }
    // Types distance, altitude, cost index and ZFW, as many as given, then clicks.
    testui::Boxes Plan(std::vector<std::string> values, int button = IDC_FP_VALIDATE) {
        const int ids[] = {IDC_FP_DISTANCE, IDC_FP_ALTITUDE, IDC_FP_COST_INDEX, IDC_FP_ZFW};
        for (size_t i = 0; i < values.size(); ++i) {
            HWND edit = GetDlgItem(m_dialog, ids[i]);
            ui::MoveFocus(m_dialog, edit);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            for (char c : "\b" + values[i]) {
                SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
            }
        }
        testui::Boxes boxes;
        m_underBox.clear();
        testui::RunWithModalHandler([&] { testui::Click(m_dialog, button); },
                                    [&](HWND box) {
                                        boxes.push_back(testui::ReadMessageBox(box));
                                        m_underBox += Read(m_dialog);  // what the box is shown over
                                        PostMessageW(box, WM_COMMAND, IDOK, 0);
                                    });
        return boxes;
    }
    testui::Boxes Error(const char* name) {
        return {{"ERROR", testui::Message(name), MB_ICONERROR, m_dialog}};
    }
    std::unique_ptr<fuel::detail::CFuelPlanner> m_planner;
    HWND m_dialog = nullptr;
    std::string m_underBox;
};

TEST_F(FuelPlanner, OpensModallyWithTheDefaultsTheSavedWeightAndTheColours) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    testui::RunWithModalHandler(
        [&] {
            fuel::RunFuelPlanner(owner, {AircraftType::A320, 59899});
        },
        [&](HWND planner) {
            EXPECT_FALSE(IsWindowEnabled(owner));
            EXPECT_EQ(Read(planner, kInputs), "||50|59899|200|5|1000|kg|kg/min|");
            EXPECT_EQ(Read(planner), "|||||||");
            EXPECT_TRUE(ui::IsChecked(planner, IDC_FP_METRIC));
            // Read-only edits ask their dialog for colours as statics do: background, text.
            std::string colours;
            HDC dc = GetDC(planner);
            for (int id : {IDC_FP_LEFT_OUTER, IDC_FP_LEFT_INNER, IDC_FP_CENTER, IDC_FP_RIGHT_INNER,
                           IDC_FP_RIGHT_OUTER, IDC_FP_FOB}) {
                colours += SendMessageW(planner, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(GetDlgItem(planner, id)))
                               ? testui::Rgb(GetBkColor(dc)) + testui::Rgb(GetTextColor(dc)) + "| "
                               : "no brush | ";
            }
            EXPECT_EQ(colours,
                      "255,255,128 0,0,0 | 255,200,130 0,0,0 | 192,255,192 0,0,0 | "
                      "255,200,130 0,0,0 | 255,255,128 0,0,0 | 0,0,150 255,255,255 | ");
            ReleaseDC(planner, dc);
            testui::Click(planner, IDC_FP_IMPERIAL);  // before any plan: the tanks shown empty
            EXPECT_EQ(Read(planner), "||0 (0.0%)|0 (0.0%)|0 (0.0%)|0 (0.0%)|0 (0.0%)|");
            PostMessageW(planner, WM_KEYDOWN, VK_ESCAPE, 0);
        });
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

TEST_F(FuelPlanner, PlansInKilogramsAndPounds) {
    Open(AircraftType::A320);
    Plan({"5x0-0", "35000", "50", "60000"}, 0);
    EXPECT_EQ(testui::ItemText(m_dialog, IDC_FP_DISTANCE), "500");  // digits only
    // Enter in a field presses the default button, as the dialog manager handles it.
    MSG enter = {GetDlgItem(m_dialog, IDC_FP_ZFW), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(m_dialog, &enter));
    EXPECT_EQ(Read(m_dialog), "4135|5541|0 (0.0%)|2770 (51.0%)|1 (0.0%)|2770 (51.0%)|0 (0.0%)|");
    EXPECT_TRUE(Plan({}, IDC_FP_METRIC).empty());  // already in force: converts nothing
    EXPECT_TRUE(Plan({}, IDC_FP_IMPERIAL).empty());
    EXPECT_EQ(Read(m_dialog), "9115|12215|0 (0.0%)|6106 (51.0%)|2 (0.0%)|6106 (51.0%)|0 (0.0%)|");
    EXPECT_EQ(Read(m_dialog, kInputs), "500|35000|50|132275|440|5|2204|lb|100lb/h|");
    // Validate in pounds: 132275 lb are 59999 kg, 440 lb 199 kg, 2204 lb 999 kg.
    EXPECT_TRUE(Plan({}).empty());
    EXPECT_EQ(Read(m_dialog, {IDC_FP_TRIP, IDC_FP_FOB}), "9115|12211|");
    Plan({}, IDC_FP_METRIC);
    EXPECT_EQ(Read(m_dialog, kInputs), "500|35000|50|59999|199|5|999|kg|kg/min|");
}

TEST_F(FuelPlanner, RefusalsLeaveTheLastPlanOnShowAndMissingTanksShowDashes) {
    Open(AircraftType::ACJ);
    EXPECT_EQ(Plan({"3000", "39000"}), Error("mandatory_fields"));
    EXPECT_EQ(m_underBox + Read(m_dialog), "||||||||||||||");
    // Too much fuel: the full tanks are shown with the refusal.
    const std::string full =
        "22302|24617|691 (100.0%)|5435 (100.0%)|11718 (100.0%)|"
        "5435 (100.0%)|691 (100.0%)|";
    EXPECT_EQ(Plan({"3000", "39000", "60", "50000"}), Error("not_enough_fuel"));
    EXPECT_EQ(m_underBox + Read(m_dialog), full + full);
    EXPECT_EQ(Plan({"12345678901234567890"}), Error("values_too_large"));  // any run of digits
    EXPECT_EQ(Read(m_dialog), full);
    EXPECT_EQ(Plan({"3000", "39000", "0"}), Error("mandatory_fields"));
    EXPECT_EQ(Plan({"3000", "", "60"}), Error("mandatory_fields"));  // an empty altitude too
    EXPECT_EQ(m_underBox + Read(m_dialog), full + full);

    Open(AircraftType::A321);
    EXPECT_TRUE(Plan({"800", "31000", "20", "70000"}).empty());
    EXPECT_TRUE(Plan({}, IDC_FP_IMPERIAL).empty());  // the tanks shown again, the missing ones not
    EXPECT_EQ(Read(m_dialog, {IDC_FP_LEFT_OUTER, IDC_FP_LEFT_INNER, IDC_FP_RIGHT_OUTER}),
              "---|8935 (66.6%)|---|");
}

}  // namespace
