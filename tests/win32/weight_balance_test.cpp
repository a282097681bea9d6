// The weight-and-balance lines as a user sees them: the load manager's
// follows the sliders and the unit and warns above MZFW; the Fuel
// Planner's shows the limits, then the plan after Validate, and warns above
// MTOW. Every template control stays where its template puts it, and each
// line lies in free space of its dialog.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fuel/fuel_planner_dialog.h"
#include "payload/load_manager_dialog.h"
#include "payload/station_values.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/win32/controls.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

namespace fs = std::filesystem;

constexpr COLORREF kWarning = RGB(192, 0, 0);

// Expected texts are written with '~' for the no-break space.
std::string Nbsp(std::string text) {
    for (size_t at; (at = text.find('~')) != std::string::npos;) {
        text.replace(at, 1, "\u00a0");
    }
    return text;
}

// A simulator folder with the demo aircraft, the A320 holding the worked
// load (12 + 138 passengers, holds 50 % and 100 %) and, when given, another
// empty weight.
std::string SimFolder(const char* emptyWeightLb = nullptr) {
    const fs::path folder = fs::temp_directory_path() / L"corvel-balance";
    fs::remove_all(folder);
    fs::copy(fs::path(CORVEL_SOURCE_DIR) / "demo", folder, fs::copy_options::recursive);
    const std::string sim = ui::Narrow(folder.wstring());
    const std::string a320 = AircraftFilePaths(AircraftType::A320, sim).base;
    std::vector<profile::Entry> entries =
        payload::PayloadEntries({0, 12, 138, 50, 100}, Aircraft(AircraftType::A320));
    if (emptyWeightLb) {
        entries.push_back({"WEIGHT_AND_BALANCE", "empty_weight", emptyWeightLb});
    }
    EXPECT_TRUE(profile::WriteBatch(entries, a320).ok());
    return sim;
}

bool Warns(HWND dialog, int lineId) {
    HWND line = GetDlgItem(dialog, lineId);
    HDC dc = GetDC(line);
    SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(line));
    const bool warns = GetTextColor(dc) == kWarning;
    ReleaseDC(line, dc);
    return warns;
}

struct Child {
    int id;
    RECT rect;     // client coordinates
    bool picture;  // a picture that takes its bitmap's size keeps only its place
};

std::vector<Child> Children(HWND dialog) {
    std::vector<Child> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        wchar_t className[16] = L"";
        GetClassNameW(child, className, 16);
        const bool picture = lstrcmpiW(className, L"Static") == 0 &&
                             (style & SS_TYPEMASK) == SS_BITMAP && !(style & SS_CENTERIMAGE);
        children.push_back({GetDlgCtrlID(child), rect, picture});
    }
    return children;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// Every template control where the dialog manager alone puts it (the same
// template made into a dialog with no code of ours, which cannot load the
// pictures), and the line inside the client area, clear of every control.
void ExpectLineInFreeSpace(HWND dialog, int templateId, int lineId) {
    HWND plain = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId),
                                    nullptr, PlainDialogProc, 0);
    ASSERT_NE(plain, nullptr);
    const std::vector<Child> want = Children(plain);
    DestroyWindow(plain);

    std::vector<Child> have;
    RECT line{};
    for (const Child& child : Children(dialog)) {
        if (child.id == lineId) {
            line = child.rect;
        } else {
            have.push_back(child);
        }
    }
    ASSERT_EQ(have.size(), want.size()) << templateId;
    RECT client{}, inside{}, overlap{};
    GetClientRect(dialog, &client);
    EXPECT_FALSE(IsRectEmpty(&line)) << templateId;
    EXPECT_TRUE(IntersectRect(&inside, &line, &client) && EqualRect(&inside, &line)) << templateId;
    for (size_t i = 0; i < have.size(); ++i) {
        EXPECT_EQ(have[i].id, want[i].id) << templateId << " control " << i;
        if (have[i].picture) {
            EXPECT_EQ(have[i].rect.left, want[i].rect.left) << templateId << " id " << have[i].id;
            EXPECT_EQ(have[i].rect.top, want[i].rect.top) << templateId << " id " << have[i].id;
        } else {
            EXPECT_TRUE(EqualRect(&have[i].rect, &want[i].rect))
                << templateId << " id " << have[i].id;
        }
        EXPECT_FALSE(IntersectRect(&overlap, &line, &have[i].rect))
            << templateId << " the line overlaps id " << have[i].id;
    }
}

TEST(BalanceLines, EveryLoadManagerHasItsLineInFreeSpace) {
    const std::string sim = SimFolder();
    for (const AircraftSpec& aircraft : kAircraft) {
        payload::detail::CLoadManager manager(nullptr, {aircraft.type, sim});
        ASSERT_NE(manager.Create(), nullptr);
        EXPECT_NE(testui::ItemText(manager.GetHwnd(), IDC_LM_BALANCE_LINE).find("ZFW CG"),
                  std::string::npos);
        ExpectLineInFreeSpace(manager.GetHwnd(), aircraft.loadManagerTemplate, IDC_LM_BALANCE_LINE);
    }
}

// The demo A320: MZFW 62 500 kg. The worked load weighs 59 899 kg with its
// CG at 24.1 % MAC; without Economy 49 549 kg at 26.2 %; in pounds the ZFW
// is 59 898 kg (2 602 kg = 5 736 lb below). With an empty weight of
// 101 411 lb (46 000 kg) it weighs 63 487 kg, at 24.9 %.
TEST(BalanceLines, LoadManagerFollowsTheSlidersAndWarnsAboveMzfw) {
    enum Step { Open, EconomyEmpty, Pounds };
    const struct {
        const char* emptyWeightLb;
        Step step;
        const char* text;
        bool warns;
    } rows[] = {
        {nullptr, Open, "ZFW CG 24.1 % MAC · 2~601 kg below MZFW", false},
        {nullptr, EconomyEmpty, "ZFW CG 26.2 % MAC · 12~951 kg below MZFW", false},
        {nullptr, Pounds, "ZFW CG 24.1 % MAC · 5~736 lb below MZFW", false},
        {"101411", Open, "ZFW CG 24.9 % MAC · 987 kg above MZFW", true},
    };
    for (const auto& row : rows) {
        payload::detail::CLoadManager manager(nullptr,
                                              {AircraftType::A320, SimFolder(row.emptyWeightLb)});
        ASSERT_NE(manager.Create(), nullptr);
        HWND dialog = manager.GetHwnd();
        if (row.step == EconomyEmpty) {
            SendDlgItemMessageW(dialog, IDC_LM_SECOND_SLIDER, TBM_SETPOS, TRUE, 0);
            UpdateWindow(GetDlgItem(dialog, IDC_LM_SECOND_SLIDER));
        } else if (row.step == Pounds) {
            testui::Click(dialog, IDC_LM_IMPERIAL);
        }
        EXPECT_EQ(testui::ItemText(dialog, IDC_LM_BALANCE_LINE), Nbsp(row.text));
        EXPECT_EQ(Warns(dialog, IDC_LM_BALANCE_LINE), row.warns) << row.text;
    }
}

// The demo A320's own MTOW: max_gross_weight 169 753 lb = 77 000 kg. At
// 59 899 kg, 500 NM at 35 000 ft take 4 133 kg of trip fuel and 5 539 kg on
// board: TOW 65 238 kg, LW 61 105 kg, CG 25.9 % MAC; 2 200 NM take 16 388 kg
// and 18 407 kg: TOW 78 106 kg, 1 106 kg above MTOW, LW 61 718 kg, 28.3 %.
TEST(BalanceLines, FuelPlannerShowsTheLimitsThenThePlan) {
    const std::string sim = SimFolder();
    const struct {
        const char* distance;  // nullptr: not validated
        bool pounds;
        const char* text;
        bool warns;
    } rows[] = {
        {nullptr, false, "MTOW 77~000 kg · MLW 66~000 kg · MZFW 62~500 kg", false},
        {"500", false, "TOW 65~238 kg · LW 61~105 kg · TOW CG 25.9 % MAC", false},
        {"500", true, "TOW 143~823 lb · LW 134~711 lb · TOW CG 25.9 % MAC", false},
        {"2200", false, "TOW 78~106 kg (1~106 kg above MTOW) · LW 61~718 kg · TOW CG 28.3 % MAC",
         true},
    };
    for (const auto& row : rows) {
        fuel::detail::CFuelPlanner planner(
            nullptr, {AircraftType::A320, 59899, AircraftFilePaths(AircraftType::A320, sim).base});
        ASSERT_NE(planner.Create(), nullptr);
        HWND dialog = planner.GetHwnd();
        if (row.distance) {
            ui::SetItemText(dialog, IDC_FP_DISTANCE, row.distance);
            ui::SetItemText(dialog, IDC_FP_ALTITUDE, "35000");
            testui::Click(dialog, IDC_FP_VALIDATE);
        }
        if (row.pounds) {
            testui::Click(dialog, IDC_FP_IMPERIAL);
        }
        EXPECT_EQ(testui::ItemText(dialog, IDC_FP_BALANCE_LINE), Nbsp(row.text));
        EXPECT_EQ(Warns(dialog, IDC_FP_BALANCE_LINE), row.warns) << row.text;
        ExpectLineInFreeSpace(dialog, IDD_FUEL_PLANNER, IDC_FP_BALANCE_LINE);
    }
}

}  // namespace
