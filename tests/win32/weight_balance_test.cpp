// The weight-and-balance lines as a user sees them (the texts themselves
// are proven natively): the load manager's follows the sliders and the
// unit, the Fuel Planner's shows the plan after Validate, both warn in their
// colour, and each lies in free space of its dialog, every template control
// staying where its template puts it.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "fuel/fuel_planner_dialog.h"
#include "payload/load_manager_dialog.h"
#include "payload/station_values.h"
#include "platform/profile.h"
#include "platform/win32/controls.h"
#include "res/resource.h"
#include "tests/support/data_rows.h"
#include "tests/win32/support/ui_driver.h"

namespace {

namespace fs = std::filesystem;

// A simulator folder with the demo aircraft, the A320 holding the worked
// load (12 + 138 passengers, holds 50 % and 100 %) and, unless "-", another
// empty weight.
std::string SimFolder(const std::string& emptyWeightLb) {
    const fs::path folder = fs::temp_directory_path() / L"corvel-balance";
    fs::remove_all(folder);
    fs::copy(fs::path(CORVEL_SOURCE_DIR) / "demo", folder, fs::copy_options::recursive);
    const std::string sim = ui::Narrow(folder.wstring());
    std::vector<profile::Entry> entries =
        payload::PayloadEntries({0, 12, 138, 50, 100}, Aircraft(AircraftType::A320));
    if (emptyWeightLb != "-") {
        entries.push_back({"WEIGHT_AND_BALANCE", "empty_weight", emptyWeightLb});
    }
    EXPECT_TRUE(profile::WriteBatch(entries, AircraftFilePaths(AircraftType::A320, sim).base).ok());
    return sim;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The line inside the client area, overlapping no control; every other control, "id
// left,top right,bottom" in tab order (a picture that takes its bitmap's size keeps only
// its place), where the dialog manager alone puts it (the template made into a dialog with
// no code of ours).
void ExpectLineInFreeSpace(HWND dialog, int templateId, int lineId) {
    HWND plain = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId),
                                    nullptr, PlainDialogProc, 0);
    ASSERT_NE(plain, nullptr);
    const RECT line = testui::ChildRect(dialog, GetDlgItem(dialog, lineId));
    std::ostringstream layouts[2];
    for (HWND window : {dialog, plain}) {
        for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            const RECT rect = testui::ChildRect(window, c);
            RECT overlap{};
            if (GetDlgCtrlID(c) == lineId) {
                continue;
            }
            EXPECT_FALSE(IntersectRect(&overlap, &line, &rect)) << "overlaps " << GetDlgCtrlID(c);
            wchar_t className[16] = L"";
            GetClassNameW(c, className, 16);
            const LONG style = GetWindowLongW(c, GWL_STYLE);
            std::ostringstream& layout = layouts[window == plain];
            layout << GetDlgCtrlID(c) << " " << rect.left << "," << rect.top;
            if (lstrcmpiW(className, L"Static") != 0 || (style & SS_TYPEMASK) != SS_BITMAP ||
                (style & SS_CENTERIMAGE)) {
                layout << " " << rect.right << "," << rect.bottom;
            }
            layout << "\n";
        }
    }
    EXPECT_EQ(layouts[0].str(), layouts[1].str()) << templateId;
    DestroyWindow(plain);
    RECT client{}, inside{};
    GetClientRect(dialog, &client);
    EXPECT_TRUE(!IsRectEmpty(&line) && IntersectRect(&inside, &line, &client) &&
                EqualRect(&inside, &line))
        << templateId;
}

bool Warns(HWND dialog, int lineId) {
    HWND line = GetDlgItem(dialog, lineId);
    HDC dc = GetDC(line);
    SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(line));
    const bool warns = GetTextColor(dc) == RGB(192, 0, 0);
    ReleaseDC(line, dc);
    return warns;
}

TEST(BalanceLines, FollowTheirDialogWarnInItsColourAndLieInFreeSpace) {
    const std::string demo = SimFolder("-");
    for (const AircraftSpec& aircraft : kAircraft) {
        payload::detail::CLoadManager manager(nullptr, {aircraft.type, demo});
        ASSERT_NE(manager.Create(), nullptr);
        EXPECT_NE(testui::ItemText(manager.GetHwnd(), IDC_LM_BALANCE_LINE).find("ZFW CG"),
                  std::string::npos);
        ExpectLineInFreeSpace(manager.GetHwnd(), aircraft.loadManagerTemplate, IDC_LM_BALANCE_LINE);
    }
    for (const auto& row : test_data::Rows("win32/balance_lines.tsv")) {
        const std::string sim = SimFolder(row[1]);
        const bool load = row[0] == "load";
        payload::detail::CLoadManager manager(nullptr, {AircraftType::A320, sim});
        fuel::detail::CFuelPlanner planner(
            nullptr, {AircraftType::A320, 59899, AircraftFilePaths(AircraftType::A320, sim).base});
        ASSERT_NE(load ? manager.Create() : planner.Create(), nullptr);
        HWND dialog = load ? manager.GetHwnd() : planner.GetHwnd();
        std::istringstream steps(row[2]);
        for (std::string step; steps >> step;) {
            if (step == "empty-economy") {
                SendDlgItemMessageW(dialog, IDC_LM_SECOND_SLIDER, TBM_SETPOS, TRUE, 0);
                UpdateWindow(GetDlgItem(dialog, IDC_LM_SECOND_SLIDER));
            } else if (step == "pounds") {
                testui::Click(dialog, load ? IDC_LM_IMPERIAL : IDC_FP_IMPERIAL);
            } else {
                ui::SetItemText(dialog, IDC_FP_DISTANCE, step.substr(step.find('-') + 1));
                ui::SetItemText(dialog, IDC_FP_ALTITUDE, "35000");
                testui::Click(dialog, IDC_FP_VALIDATE);
            }
        }
        const int lineId = load ? IDC_LM_BALANCE_LINE : IDC_FP_BALANCE_LINE;
        EXPECT_EQ(testui::ItemText(dialog, lineId), test_data::WithNbsp(row[4])) << row[2];
        EXPECT_EQ(Warns(dialog, lineId), row[3] == "1") << row[4];
        if (!load) {
            ExpectLineInFreeSpace(dialog, IDD_FUEL_PLANNER, lineId);
        }
    }
}

}  // namespace
