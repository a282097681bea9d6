// The load manager and the Fuel Planner driven as a user drives them: wired to their files, in
// their colours, their balance lines in free space. The arithmetic: the native tests.
#include <sstream>

#include "fuel/fuel_planner_dialog.h"
#include "payload/load_manager_dialog.h"
#include "payload/set_load_dialog.h"
#include "payload/station_values.h"
#include "platform/profile.h"
#include "tests/win32/support/ui_driver.h"

namespace {

constexpr int kFields[] = {IDC_LM_FIRST_COUNT,  IDC_LM_SECOND_COUNT,    IDC_LM_FORWARD_PERCENT,
                           IDC_LM_AFT_PERCENT,  IDC_LM_FIRST_WEIGHT,    IDC_LM_SECOND_WEIGHT,
                           IDC_LM_PAX_WEIGHT,   IDC_LM_FORWARD_WEIGHT,  IDC_LM_AFT_WEIGHT,
                           IDC_LM_CARGO_WEIGHT, IDC_LM_AIRCRAFT_WEIGHT, IDC_LM_ZFW};
constexpr int kBars[] = {IDC_LM_FIRST_BAR, IDC_LM_SECOND_BAR, IDC_LM_FORWARD_BAR, IDC_LM_AFT_BAR};
constexpr int kPlanned[] = {IDC_FP_TRIP,   IDC_FP_FOB,         IDC_FP_LEFT_OUTER, IDC_FP_LEFT_INNER,
                            IDC_FP_CENTER, IDC_FP_RIGHT_INNER, IDC_FP_RIGHT_OUTER};
constexpr int kInputs[] = {IDC_FP_DISTANCE, IDC_FP_ALTITUDE, IDC_FP_COST_INDEX,
                           IDC_FP_ZFW,      IDC_FP_TAXI,     IDC_FP_RESERVE,
                           IDC_FP_FINAL,    IDC_FP_ZFW_UNIT, IDC_FP_COST_INDEX_UNIT};

// The load manager's twelve fields, then its four bars' positions and ends.
std::string Shown(HWND dialog) {
    std::string shown = testui::Texts(dialog, kFields);
    for (int id : kBars) {
        shown += std::to_string(SendDlgItemMessageW(dialog, id, PBM_GETPOS, 0, 0)) + "/" +
                 std::to_string(SendDlgItemMessageW(dialog, id, PBM_GETRANGE, 0, 0)) + "|";
    }
    return shown;
}

// Each control's colours and "| ": a field's background and text, a fill bar's bar and background.
template <class Ids>
std::string Colours(HWND dialog, const Ids& ids) {
    std::string colours;
    HDC dc = GetDC(dialog);
    for (int id : ids) {
        HWND control = GetDlgItem(dialog, id);
        if (testui::ClassOf(control) == "msctls_progress32") {
            colours +=
                testui::Rgb(static_cast<COLORREF>(SendMessageW(control, PBM_GETBARCOLOR, 0, 0))) +
                testui::Rgb(static_cast<COLORREF>(SendMessageW(control, PBM_GETBKCOLOR, 0, 0)));
        } else {
            SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(control));
            colours += testui::Rgb(GetBkColor(dc)) + testui::Rgb(GetTextColor(dc));
        }
        colours += "| ";
    }
    ReleaseDC(dialog, dc);
    return colours;
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

// Thumbs left where a user's drag leaves them: {slider, position} rows.
void MoveThumbs(HWND dialog, const std::vector<std::pair<int, int>>& moves) {
    for (auto [id, position] : moves) {
        SendDlgItemMessageW(dialog, id, TBM_SETPOS, TRUE, position);
        UpdateWindow(GetDlgItem(dialog, id));
    }
}

// A window over which the load manager runs, as the main menu.
HWND Owner() {
    static const HWND owner = testui::MakeOwner();
    return owner;
}

// Runs the load manager over kFolder as the main menu does; onDialog answers it and the Set Load it
// opens. Returns the ZFW it hands back (-1: none) and its message boxes.
std::pair<int32_t, testui::Boxes> RunManager(
    AircraftType type, const std::function<void(HWND)>& onDialog,
    std::optional<payload::SetLoadMemory>* memory = nullptr) {
    std::optional<int32_t> saved;
    testui::Boxes boxes = testui::AnswerMessageBoxes(
        [&] {
            saved = payload::RunLoadManager(Owner(), {type, kFolder, memory});
        },
        onDialog);
    return {saved.value_or(-1), boxes};
}

// The A320's template (the others: Dpi) over the worked load.
TEST(LoadManager, ShowsTheFilesLoadInItsColoursAndFollowsTheThumbs) {
    fs::remove_all(ui::Widen(kFolder));
    testui::Put(PathOf("A320"), Cfg("93500", {"1984", "22817", "3750", "10000"}));
    payload::detail::CLoadManager manager(nullptr, {AircraftType::A320, kFolder});
    const HWND dialog = manager.Create();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ui::GetText(dialog), "A320 Load Manager");
    EXPECT_TRUE(ui::IsChecked(dialog, IDC_LM_METRIC));
    EXPECT_EQ(Shown(dialog), testui::Seen("lm_kg"));
    EXPECT_EQ(Colours(dialog, kFields) + Colours(dialog, kBars),
              testui::Replaced(testui::Seen("lm_colours"), "{face}",
                               testui::Rgb(GetSysColor(COLOR_3DFACE))));
    testui::Click(dialog, IDC_LM_IMPERIAL);
    EXPECT_EQ(Shown(dialog), testui::Seen("lm_lb"));
    HWND aft = GetDlgItem(dialog, IDC_LM_AFT_SLIDER);
    RECT thumb{};
    SendMessageW(aft, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const int y = (thumb.top + thumb.bottom) / 2;
    SendMessageW(aft, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((thumb.left + thumb.right) / 2, y));
    SendMessageW(aft, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, y));
    UpdateWindow(aft);
    EXPECT_EQ(Shown(dialog), testui::Seen("lm_aft_dragged"));
    SendMessageW(aft, WM_LBUTTONUP, 0, MAKELPARAM(0, y));
    testui::Click(dialog, IDC_LM_METRIC);
    EXPECT_EQ(std::to_string(manager.ZfwKg()) + "|" + ui::GetItemText(dialog, IDC_LM_ZFW),
              "55363|55363");
}

// Cancel writes nothing; OK both variants, a failure of one shown and the other still written.
TEST(LoadManager, OkSavesEveryVariantCancelNothingAndFailuresAreShown) {
    fs::remove_all(ui::Widen(kFolder));
    const std::string base = PathOf("A319"), iae = PathOf("A319IAE");
    testui::Put(base, Cfg("89500", {"1322", "16369", "0", "0"}));
    testui::Put(iae, Cfg("90000", {"0", "0", "0", "0"}));
    // The user's moves on the sliders, then OK or Cancel.
    auto run = [](std::vector<std::pair<int, int>> moves, int button) {
        return RunManager(AircraftType::A319, [&](HWND dialog) {
            MoveThumbs(dialog, moves);
            testui::Click(dialog, button);
        });
    };
    using Result = std::pair<int32_t, testui::Boxes>;
    EXPECT_EQ(run({{IDC_LM_SECOND_SLIDER, 116}}, IDCANCEL), Result(-1, {}));
    EXPECT_EQ(testui::Bytes(base), Cfg("89500", {"1322", "16369", "0", "0"}));

    // 5 + 99 passengers of 75 kg and the full aft hold (3020 kg) over 40597 kg empty.
    EXPECT_EQ(run({{IDC_LM_FIRST_SLIDER, 5}, {IDC_LM_AFT_SLIDER, 100}}, IDOK), Result(51417, {}));
    const std::string saved = Cfg("89500", {"826", "16369", "0", "6657"});
    EXPECT_EQ(testui::Bytes(base) + testui::Bytes(iae),
              saved + Cfg("90000", {"826", "16369", "0", "6657"}));

    // Another program holds the base file open.
    HANDLE held = CreateFileW(ui::Widen(base).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    const Result result = run({{IDC_LM_SECOND_SLIDER, 0}}, IDOK);
    CloseHandle(held);
    const std::string notSaved = testui::Message("payload_not_saved") + base;
    EXPECT_EQ(result,
              Result(-1, {{"ERROR", notSaved + "\n\n" + testui::Message("access_denied_advice"),
                           MB_ICONEXCLAMATION, Owner()}}));
    EXPECT_EQ(testui::Bytes(base) + testui::Bytes(iae),
              saved + Cfg("90000", {"826", "0", "0", "6657"}));
}

// Defaults, colours; a plan typed (digits only) and Enter, in kg then lb; a refusal keeps the last
// plan on show, too much fuel shows the full tanks.
TEST(FuelPlanner, ShowsItsDefaultsPlansInBothUnitsAndKeepsThePlanOverARefusal) {
    fuel::detail::CFuelPlanner planner(nullptr, {AircraftType::A320, 59899});
    const HWND dialog = planner.Create();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(testui::Texts(dialog, kInputs) + testui::Texts(dialog, kPlanned),
              testui::Seen("fp_defaults"));
    EXPECT_TRUE(ui::IsChecked(dialog, IDC_FP_METRIC));
    EXPECT_EQ(Colours(dialog, std::vector<int>{IDC_FP_LEFT_OUTER, IDC_FP_LEFT_INNER, IDC_FP_CENTER,
                                               IDC_FP_RIGHT_INNER, IDC_FP_RIGHT_OUTER, IDC_FP_FOB}),
              testui::Seen("fp_colours"));
    // Typed into distance, altitude, cost index and ZFW, as many as given.
    const auto type = [](HWND into, const std::vector<std::string>& values) {
        for (size_t i = 0; i < values.size(); ++i) {
            HWND edit = GetDlgItem(into, kInputs[i]);
            ui::MoveFocus(into, edit);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            for (char c : "\b" + values[i]) {
                SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
            }
        }
    };
    type(dialog, {"5x0-0", "35000", "50", "60000"});
    // Enter in a field presses the default button, as the dialog manager handles it.
    MSG enter = {GetDlgItem(dialog, IDC_FP_ZFW), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(dialog, &enter));
    EXPECT_EQ(testui::Texts(dialog, kPlanned), testui::Seen("fp_plan_kg"));
    testui::Click(dialog, IDC_FP_IMPERIAL);
    EXPECT_EQ(testui::Texts(dialog, kInputs) + testui::Texts(dialog, kPlanned),
              testui::Seen("fp_plan_lb"));
    const std::string plan = testui::Texts(dialog, kPlanned);
    type(dialog, {"3000", ""});  // an empty altitude
    EXPECT_EQ(
        testui::AnswerMessageBoxes([&] { testui::Click(dialog, IDC_FP_VALIDATE); }),
        (testui::Boxes{{"ERROR", testui::Message("mandatory_fields"), MB_ICONERROR, dialog}}));
    EXPECT_EQ(testui::Texts(dialog, kPlanned), plan);

    fuel::detail::CFuelPlanner acj(nullptr, {AircraftType::ACJ, 0});
    ASSERT_NE(acj.Create(), nullptr);
    type(acj.GetHwnd(), {"3000", "39000", "60", "50000"});
    std::string refused;
    testui::RunWithModalHandler([&] { testui::Click(acj.GetHwnd(), IDC_FP_VALIDATE); },
                                [&](HWND box) {
                                    refused = testui::ReadMessageBox(box).text + "|" +
                                              testui::Texts(acj.GetHwnd(), kPlanned);
                                    PostMessageW(box, WM_COMMAND, IDOK, 0);
                                });
    EXPECT_EQ(refused, testui::Message("not_enough_fuel") + "|" + testui::Seen("fp_full_tanks"));
}

// The demo aircraft, the A320 with the worked load and, unless "-", another empty weight.
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

TEST(BalanceLines, FollowTheirDialogWarnInItsColourAndLieInFreeSpace) {
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
                MoveThumbs(dialog, {{IDC_LM_SECOND_SLIDER, 0}});
            } else if (step == "pounds") {
                testui::Click(dialog, load ? IDC_LM_IMPERIAL : IDC_FP_IMPERIAL);
            } else {
                ui::SetItemText(dialog, IDC_FP_DISTANCE, step.substr(step.find('-') + 1));
                ui::SetItemText(dialog, IDC_FP_ALTITUDE, "35000");
                testui::Click(dialog, IDC_FP_VALIDATE);
            }
        }
        const int lineId = load ? IDC_LM_BALANCE_LINE : IDC_FP_BALANCE_LINE;
        EXPECT_EQ(ui::GetItemText(dialog, lineId), test_data::WithNbsp(row[4])) << row[2];
        EXPECT_EQ(Colours(dialog, std::vector<int>{lineId}).find(" 192,0,0 ") != std::string::npos,
                  row[3] == "1")  // red text
            << row[4];
        if (!load) {
            testui::ExpectInFreeSpace(dialog, IDD_FUEL_PLANNER, lineId);
        }
    }
}

// The balance line in free space; the Set Load button left of OK in its row at OK's height, the
// same place in all five, 50 dialog units wide, before OK in the tab order, in free space.
TEST(Dpi, BalanceLineAndSetLoadButtonInEveryLoadManager) {
    const std::string demo = SimFolder("-");
    std::optional<RECT> first;
    for (const AircraftSpec& aircraft : kAircraft) {
        payload::detail::CLoadManager manager(nullptr, {aircraft.type, demo});
        const HWND dialog = manager.Create();
        ASSERT_NE(dialog, nullptr);
        EXPECT_NE(ui::GetItemText(dialog, IDC_LM_BALANCE_LINE).find("ZFW CG"), std::string::npos);
        testui::ExpectInFreeSpace(dialog, aircraft.loadManagerTemplate, IDC_LM_BALANCE_LINE);
        const HWND button = GetDlgItem(dialog, IDC_LM_SET_LOAD);
        ASSERT_TRUE(button) << aircraft.name;
        EXPECT_EQ(ui::GetText(button), "Set load...");
        EXPECT_EQ(GetNextDlgTabItem(dialog, button, FALSE), GetDlgItem(dialog, IDOK));
        testui::ExpectInFreeSpace(dialog, aircraft.loadManagerTemplate, IDC_LM_SET_LOAD);
        const RECT ok = testui::ChildRect(dialog, GetDlgItem(dialog, IDOK));
        const RECT rect = testui::ChildRect(dialog, button);
        RECT width{0, 0, 50, 0};
        MapDialogRect(dialog, &width);
        first = first.value_or(rect);
        EXPECT_EQ(std::vector<LONG>({rect.top, rect.bottom, rect.right - rect.left, rect.left}),
                  std::vector<LONG>({ok.top, ok.bottom, width.right, first->left}))
            << aircraft.name;
    }
}

// Runs the A320's load manager on the file given, answering it (and the Set Load it opens) with
// onDialog; returns the file as saved.
std::string SavedAfter(const std::string& cfg, std::optional<payload::SetLoadMemory>& memory,
                       const std::function<void(HWND)>& onDialog) {
    fs::remove_all(ui::Widen(kFolder));
    testui::Put(PathOf("A320"), cfg);
    EXPECT_TRUE(RunManager(AircraftType::A320, onDialog, &memory).second.empty());
    return testui::Bytes(PathOf("A320"));
}

// 75 passengers and 1 000 kg over the A320 seat 6 + 69 with holds at 12 % and 13 % (the worked
// rows of the model): the same file as those thumbs moved by hand, the same fields on the way.
// Cancel changes nothing; the numbers come back at the next opening.
TEST(SetLoad, AppliedLoadSavesAsTheSameThumbsMovedByHand) {
    const std::string cfg = Cfg("93500", {"0", "0", "0", "0"});
    std::optional<payload::SetLoadMemory> memory;
    std::string byHandFields, appliedFields, reopened;
    const std::string byHand = SavedAfter(cfg, memory, [&](HWND manager) {
        MoveThumbs(manager, {{IDC_LM_FIRST_SLIDER, 6},
                             {IDC_LM_SECOND_SLIDER, 69},
                             {IDC_LM_FORWARD_SLIDER, 12},
                             {IDC_LM_AFT_SLIDER, 13}});
        byHandFields = Shown(manager) + ui::GetItemText(manager, IDC_LM_BALANCE_LINE);
        testui::Click(manager, IDOK);
    });
    int openings = 0;
    const std::string applied = SavedAfter(cfg, memory, [&](HWND window) {
        if (ui::GetText(window) != "A320 Set Load") {
            const std::string before = Shown(window);
            testui::Click(window, IDC_LM_SET_LOAD);  // cancelled
            EXPECT_EQ(Shown(window), before);
            testui::Click(window, IDC_LM_SET_LOAD);
            appliedFields = Shown(window) + ui::GetItemText(window, IDC_LM_BALANCE_LINE);
            testui::Click(window, IDOK);
        } else if (++openings == 1) {
            ui::SetItemText(window, IDC_SL_PASSENGERS, "150");
            testui::Click(window, IDCANCEL);
        } else {
            ui::SetItemText(window, IDC_SL_PASSENGERS, "75");
            testui::Click(window, IDC_SL_BY_CARGO);
            ui::SetItemText(window, IDC_SL_CARGO, "1000");
            testui::Click(window, IDOK);
        }
    });
    EXPECT_EQ(applied, byHand);
    EXPECT_EQ(appliedFields, byHandFields);
    SavedAfter(cfg, memory, [&](HWND window) {
        if (ui::GetText(window) == "A320 Set Load") {
            reopened = testui::Texts(window, std::vector<int>{IDC_SL_PASSENGERS, IDC_SL_CARGO});
        } else {
            testui::Click(window, IDC_LM_SET_LOAD);
        }
        testui::Click(window, IDCANCEL);
    });
    EXPECT_EQ(reopened, "75|1000|");
}

// The chart's ZFW point (its colour's pixels, drawn into a bitmap): where it is, and how many.
std::pair<POINT, int> ZfwPoint(HWND setLoad) {
    HWND chart = GetDlgItem(setLoad, IDC_SL_CHART);
    RECT box{};
    GetClientRect(chart, &box);
    HDC screen = GetDC(chart);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, box.right, box.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(chart, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    POINT sum{0, 0};
    int count = 0;
    for (int y = 0; y < box.bottom; ++y) {
        for (int x = 0; x < box.right; ++x) {
            if (GetPixel(dc, x, y) == RGB(0, 0, 150)) {
                sum.x += x;
                sum.y += y;
                ++count;
            }
        }
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(chart, screen);
    return {count ? POINT{sum.x / count, sum.y / count} : POINT{-1, -1}, count};
}

// Filled from outside, answered at once; the ZFW point moves up with the load; bad input refused
// in the dialog; an unreachable target applied at the nearest CG once the pilot accepts.
TEST(SetLoad, AnswersAsFilledDrawsTheZfwPointAndRefusesInTheDialog) {
    const balance::BalanceFile file =
        balance::ReadBalanceFile(AircraftFilePaths(AircraftType::A320, SimFolder("-")).base);
    std::optional<payload::SetLoadMemory> memory;
    payload::detail::CSetLoad setLoad(
        nullptr, {Aircraft(AircraftType::A320), {42000, 0, 0, 0, 0}, WeightUnit::Kg, file, memory});
    const HWND dialog = setLoad.Create();
    ASSERT_NE(dialog, nullptr);
    setLoad.FillPassengersAndCargo(75, 1000);
    EXPECT_EQ(testui::Texts(dialog, std::vector<int>{IDC_SL_OUT_PASSENGERS, IDC_SL_OUT_FORWARD,
                                                     IDC_SL_OUT_AFT, IDC_SL_MESSAGE}),
              "6 Business \u00b7 69 Economy|12 % \u00b7 408 kg|13 % \u00b7 589 kg||");
    const auto light = ZfwPoint(dialog);
    setLoad.FillPassengersAndCargo(150, 7938);
    const auto heavy = ZfwPoint(dialog);
    EXPECT_GT(light.second, 20);
    EXPECT_EQ(heavy.second, light.second);
    EXPECT_LT(heavy.first.y, light.first.y - 10);

    ui::SetItemText(dialog, IDC_SL_PASSENGERS, "seventy");
    const std::string refusal = "Passengers: type a whole number, in digits only.";
    EXPECT_EQ(ui::GetItemText(dialog, IDC_SL_MESSAGE), refusal);
    EXPECT_EQ(testui::AnswerMessageBoxes([&] { testui::Click(dialog, IDOK); }),
              (testui::Boxes{{"ERROR", "Please correct this first:\n\n" + refusal,
                              MB_ICONEXCLAMATION, dialog}}));
    EXPECT_FALSE(setLoad.IsEnded() || memory);

    ui::SetItemText(dialog, IDC_SL_PASSENGERS, "75");
    testui::Click(dialog, IDC_SL_AIM_CG);
    ui::SetItemText(dialog, IDC_SL_TARGET, "90");
    const auto boxes = testui::AnswerMessageBoxes([&] { testui::Click(dialog, IDOK); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, UINT{MB_ICONQUESTION});
    ASSERT_TRUE(setLoad.IsEnded() && setLoad.Applied() && memory);
    EXPECT_TRUE(memory->aimAtCg && *memory->targetPercentMac < 90);
}

}  // namespace
