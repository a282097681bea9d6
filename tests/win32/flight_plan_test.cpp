// The flight plan dialog through the Fuel Planner, against the local stand-in
// for the service that tests/win32/flight_plan.sh starts
// (CORVEL_TEST_PLAN_SERVER; the time limit shortened to 3 s).

#include "flightplan/flight_plan_dialog.h"
#include "fuel/fuel_planner_dialog.h"
#include "payload/set_load_dialog.h"
#include "platform/registry.h"
#include "tests/win32/support/ui_driver.h"

namespace {

constexpr int kInputs[] = {IDC_FP_DISTANCE, IDC_FP_ALTITUDE, IDC_FP_COST_INDEX, IDC_FP_ZFW,
                           IDC_FP_TAXI,     IDC_FP_RESERVE,  IDC_FP_FINAL};

// The service's address on the local server: /ok, /silent or /slow.
void Serve(const std::string& path) {
    const char* server = std::getenv("CORVEL_TEST_PLAN_SERVER");
    ASSERT_NE(server, nullptr) << "run through tests/win32/flight_plan.sh";
    SetEnvironmentVariableA("CORVEL_FLIGHT_PLAN_URL", (std::string(server) + path).c_str());
}

// Types the user name into the flight plan dialog and presses Fetch; the
// dialog must then show that it is fetching, with only Cancel usable.
void Fetch(HWND dialog, const std::string& user, bool pilotId = false) {
    ui::SetItemText(dialog, IDC_PLAN_USER, user);
    ui::CheckRadio(dialog, IDC_PLAN_BY_NAME, IDC_PLAN_BY_ID,
                   pilotId ? IDC_PLAN_BY_ID : IDC_PLAN_BY_NAME);
    testui::Click(dialog, IDC_PLAN_FETCH);
    EXPECT_EQ(ui::GetItemText(dialog, IDC_PLAN_STATUS),
              "Fetching the plan from SimBrief... (Cancel stops)");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_PLAN_FETCH)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDCANCEL)));
}

// The same, pressed once the message box on show has closed.
void FetchLater(HWND dialog, const std::string& user) {
    ui::SetItemText(dialog, IDC_PLAN_USER, user);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_PLAN_FETCH, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_PLAN_FETCH)));
}

struct Planner {
    std::optional<flightplan::KeptPlan> kept;
    fuel::detail::CFuelPlanner dialog{nullptr, {AircraftType::A320, 0, "", &kept}};
    HWND hwnd = dialog.Create();
    ~Planner() { DestroyWindow(hwnd); }
};

// By user name in kg, then the kept plan in pounds; the fields as worked out
// in tests/data/flightplan (empty weight 93500 lb = 42411 kg + payload 13900).
TEST(FlightPlan, FetchedByUserNameFillsTheFuelPlannerAndIsKeptForTheRun) {
    Serve("/ok");
    Planner planner;
    ASSERT_NE(GetDlgItem(planner.hwnd, IDC_FP_FROM_PLAN), nullptr);
    testui::ExpectInFreeSpace(planner.hwnd, IDD_FUEL_PLANNER, IDC_FP_FROM_PLAN);
    testui::Boxes boxes = testui::AnswerMessageBoxes(
        [&] { testui::Click(planner.hwnd, IDC_FP_FROM_PLAN); },
        [&](HWND dialog) {
            EXPECT_EQ(ui::GetText(dialog), "Flight Plan");
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_PLAN_USE_KEPT)));
            Fetch(dialog, "pilot");
        });
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(testui::Texts(planner.hwnd, kInputs), "212|35000|30|56311|200|5|2460|");
    ASSERT_TRUE(planner.kept);
    EXPECT_EQ(registry::ReadString(registry::Root::CurrentUser, registry::View::Bits32,
                                   "Software\\Norvane\\Corvel Config", "FlightPlanUser"),
              "pilot");
    testui::Click(planner.hwnd, IDC_FP_VALIDATE);
    const std::string line = ui::GetItemText(planner.hwnd, IDC_FP_BALANCE_LINE);
    EXPECT_NE(line.find(test_data::WithNbsp(" \u00b7 OFP block 5~422 kg (")), std::string::npos)
        << line;

    testui::Click(planner.hwnd, IDC_FP_IMPERIAL);
    boxes = testui::AnswerMessageBoxes(
        [&] { testui::Click(planner.hwnd, IDC_FP_FROM_PLAN); },
        [&](HWND dialog) {
            EXPECT_EQ(ui::GetItemText(dialog, IDC_PLAN_USE_KEPT),
                      "Use the plan of " + planner.kept->readAt + ", EGLL-LFPG");
            EXPECT_EQ(ui::GetItemText(dialog, IDC_PLAN_FETCH), "Fetch again");
            testui::Click(dialog, IDC_PLAN_USE_KEPT);
        });
    EXPECT_EQ(testui::Texts(planner.hwnd, kInputs), "212|35000|30|124142|440|5|5423|");
    // By pilot ID the server answers with the pounds plan, which carries ETOPS fuel.
    testui::AnswerMessageBoxes([&] { testui::Click(planner.hwnd, IDC_FP_FROM_PLAN); },
                               [&](HWND dialog) { Fetch(dialog, "123456", true); });
    EXPECT_EQ(testui::Texts(planner.hwnd, kInputs), "212|35000|30|124142|440|5|5643|");
}

// The kept plan into Set Load: its passengers, the rest of its payload as cargo, the two ZFWs side
// by side (tests/data/flightplan/plan_loads.tsv); the pilot's typing leaves the plan's note behind.
TEST(FlightPlan, SetLoadTakesThePlansPassengersAndPayload) {
    const std::string xml =
        test_data::FileBytes(CORVEL_SOURCE_DIR "/tests/data/flightplan/egll_lfpg_kgs.xml");
    std::optional<flightplan::KeptPlan> kept =
        flightplan::KeptPlan{*flightplan::ReadOfp(xml, AircraftType::A320).plan, "14:05"};
    const balance::BalanceFile noFile;
    std::optional<payload::SetLoadMemory> memory;
    payload::detail::CSetLoad setLoad(
        nullptr,
        {Aircraft(AircraftType::A320), {42411, 0, 0, 0, 0}, WeightUnit::Kg, noFile, memory, &kept});
    const HWND dialog = setLoad.Create();
    ASSERT_NE(dialog, nullptr);
    testui::RunWithModalHandler([&] { testui::Click(dialog, IDC_SL_FROM_PLAN); },
                                [](HWND plan) { testui::Click(plan, IDC_PLAN_USE_KEPT); });
    EXPECT_EQ(testui::Texts(dialog, std::vector<int>{IDC_SL_PASSENGERS, IDC_SL_CARGO,
                                                     IDC_SL_OUT_PASSENGERS, IDC_SL_PLAN_NOTE}),
              test_data::WithNbsp("148|2800|12 Business \u00b7 136 Economy|From the plan "
                                  "EGLL-LFPG: ZFW 56~311 kg here, 56~500 kg in the plan's "
                                  "estimate (189 kg less here: the two empty weights differ).|"));
    ui::SetItemText(dialog, IDC_SL_PASSENGERS, "100");
    EXPECT_EQ(ui::GetItemText(dialog, IDC_SL_PLAN_NOTE), "");
    DestroyWindow(dialog);
}

// An unknown user; a plan for another type, refused then taken; a file that
// is no plan, then a saved plan in pounds.
TEST(FlightPlan, TellsAnUnknownUserAndAnotherTypeAndReadsAFile) {
    Serve("/ok");
    Planner planner;
    HWND plan = nullptr;
    int questions = 0;
    testui::Boxes boxes;
    testui::RunWithModalHandler([&] { testui::Click(planner.hwnd, IDC_FP_FROM_PLAN); },
                                [&](HWND window) {
                                    if (ui::GetText(window) == "Flight Plan") {
                                        plan = window;
                                        Fetch(window, "nobody");
                                        return;
                                    }
                                    boxes.push_back(testui::ReadMessageBox(window));
                                    if (boxes.size() == 1) {
                                        PostMessageW(window, WM_COMMAND, IDOK, 0);
                                        FetchLater(plan, "a321pilot");
                                    } else {
                                        PostMessageW(window, WM_COMMAND,
                                                     ++questions == 1 ? IDNO : IDYES, 0);
                                        if (questions == 1) {
                                            FetchLater(plan, "a321pilot");
                                        }
                                    }
                                });
    const testui::Boxes expected{
        {"ERROR", testui::Message("plan_unknown_user"), MB_ICONERROR, plan},
        {"WARNING", testui::Message("plan_other_type"), MB_ICONQUESTION, plan},
        {"WARNING", testui::Message("plan_other_type"), MB_ICONQUESTION, plan}};
    EXPECT_EQ(boxes, expected);
    EXPECT_EQ(testui::Texts(planner.hwnd, kInputs), "212|35000|30|56311|200|5|2460|");

    std::optional<flightplan::KeptPlan> kept;
    flightplan::detail::CFlightPlanDialog files(nullptr, AircraftType::A320, kept);
    const HWND dialog = files.Create();
    boxes = testui::AnswerMessageBoxes(
        [&] { files.OpenFile(CORVEL_SOURCE_DIR "/tests/data/flightplan/read_cases.tsv"); });
    // The saved plan through the standard file-open dialog: its name typed, then Open.
    testui::RunWithModalHandler(
        [&] { testui::Click(dialog, IDC_PLAN_OPEN); },
        [&](HWND picker) {
            ui::SetText(testui::FileNameField(picker),
                        testui::Replaced("Z:" CORVEL_SOURCE_DIR "/tests/data/flightplan/"
                                         "egll_lfpg_lbs.xml",
                                         "/", "\\"));
            PostMessageW(picker, WM_COMMAND, IDOK, 0);
        });
    EXPECT_EQ(boxes,
              (testui::Boxes{{"ERROR", testui::Message("plan_not_ofp"), MB_ICONERROR, dialog}}));
    ASSERT_TRUE(files.Chosen());
    EXPECT_EQ(files.Chosen()->etopsKg, 100);
    EXPECT_TRUE(files.IsEnded());
}

// A server that never answers: the limit ends the wait with a message and
// the dialog can be used again. One that sends slowly: Cancel returns at
// once, and its late answer is dropped.
TEST(FlightPlan, NeverWaitsBeyondTheLimitAndCancelsAtOnce) {
    Serve("/silent");
    Planner planner;
    HWND plan = nullptr;
    const DWORD start = GetTickCount();
    testui::Boxes boxes;
    testui::RunWithModalHandler([&] { testui::Click(planner.hwnd, IDC_FP_FROM_PLAN); },
                                [&](HWND window) {
                                    if (!plan) {
                                        plan = window;
                                        Fetch(window, "pilot");
                                        return;
                                    }
                                    boxes.push_back(testui::ReadMessageBox(window));
                                    PostMessageW(window, WM_COMMAND, IDOK, 0);
                                    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(plan, IDC_PLAN_FETCH)));
                                    Serve("/slow");
                                    FetchLater(plan, "pilot");
                                    PostMessageW(plan, WM_COMMAND, IDCANCEL, 0);
                                });
    // 3 s of limit and some slack; the slow answer alone takes minutes.
    EXPECT_LT(GetTickCount() - start, 20000u);
    EXPECT_EQ(boxes,
              (testui::Boxes{{"ERROR", testui::Message("plan_no_answer"), MB_ICONERROR, plan}}));
    EXPECT_FALSE(planner.kept);
    EXPECT_EQ(ui::GetItemText(planner.hwnd, IDC_FP_DISTANCE), "");
    testui::Pump();
}

}  // namespace
