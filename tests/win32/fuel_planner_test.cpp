// The Fuel Planner on real controls, driven as a user drives it: opened modally
// with the defaults and the saved weight, colours, fields wired to their
// results, units, a refusal over the last plan. The arithmetic behind the
// numbers and the refusals' rules are the native tests' part.
#include <gtest/gtest.h>

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

TEST(FuelPlanner, OpensModallyWithTheDefaultsTheSavedWeightAndTheColours) {
    HWND owner = testui::MakeOwner();
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
            PostMessageW(planner, WM_KEYDOWN, VK_ESCAPE, 0);
        });
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

TEST(FuelPlanner, PlansInKilogramsAndPoundsAndKeepsThePlanOverARefusal) {
    fuel::detail::CFuelPlanner planner(nullptr, {AircraftType::A320, 0});
    const HWND dialog = planner.Create();
    ASSERT_NE(dialog, nullptr);
    // Typed into distance, altitude, cost index and ZFW, as many as given.
    const auto type = [&](const std::vector<std::string>& values) {
        const int ids[] = {IDC_FP_DISTANCE, IDC_FP_ALTITUDE, IDC_FP_COST_INDEX, IDC_FP_ZFW};
        for (size_t i = 0; i < values.size(); ++i) {
            HWND edit = GetDlgItem(dialog, ids[i]);
            ui::MoveFocus(dialog, edit);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            for (char c : "\b" + values[i]) {
                SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
            }
        }
    };
    type({"5x0-0", "35000", "50", "60000"});
    EXPECT_EQ(testui::ItemText(dialog, IDC_FP_DISTANCE), "500");  // digits only
    // Enter in a field presses the default button, as the dialog manager handles it.
    MSG enter = {GetDlgItem(dialog, IDC_FP_ZFW), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(dialog, &enter));
    EXPECT_EQ(Read(dialog), "4135|5541|0 (0.0%)|2770 (51.0%)|1 (0.0%)|2770 (51.0%)|0 (0.0%)|");
    testui::Click(dialog, IDC_FP_IMPERIAL);
    const std::string pounds = "9115|12215|0 (0.0%)|6106 (51.0%)|2 (0.0%)|6106 (51.0%)|0 (0.0%)|";
    EXPECT_EQ(Read(dialog), pounds);
    EXPECT_EQ(Read(dialog, kInputs), "500|35000|50|132275|440|5|2204|lb|100lb/h|");
    // Validate in pounds: 132275 lb are 59999 kg, 440 lb 199 kg, 2204 lb 999 kg.
    testui::Click(dialog, IDC_FP_VALIDATE);
    EXPECT_EQ(Read(dialog, {IDC_FP_TRIP, IDC_FP_FOB}), "9115|12211|");
    testui::Click(dialog, IDC_FP_METRIC);
    EXPECT_EQ(Read(dialog, kInputs), "500|35000|50|59999|199|5|999|kg|kg/min|");
    const std::string plan = Read(dialog);
    type({"3000", ""});  // an empty altitude
    EXPECT_EQ(
        testui::AnswerMessageBoxes([&] { testui::Click(dialog, IDC_FP_VALIDATE); }),
        (testui::Boxes{{"ERROR", testui::Message("mandatory_fields"), MB_ICONERROR, dialog}}));
    EXPECT_EQ(Read(dialog), plan);
}

}  // namespace
