#include "flightplan/flight_plan_dialog.h"

#include <shobjidl.h>

#include <cstdio>
#include <cstdlib>

#include "flightplan/fetch_address.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"

namespace flightplan {

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerMs = 100;

// The controls that wait while a fetch runs (Cancel stays).
constexpr int kInputControls[] = {IDC_PLAN_USE_KEPT, IDC_PLAN_BY_NAME, IDC_PLAN_BY_ID,
                                  IDC_PLAN_USER,     IDC_PLAN_FETCH,   IDC_PLAN_OPEN};

std::string Variable(const char* name) {
    char value[2048] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

std::string ClockNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char text[8];
    std::snprintf(text, sizeof text, "%02u:%02u", static_cast<unsigned>(now.wHour),
                  static_cast<unsigned>(now.wMinute));
    return text;
}

// The standard file-open dialog for an .xml file; false when the pilot
// cancelled.
bool PickPlanFile(HWND owner, std::string* path) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool picked = false;
    IFileOpenDialog* dialog = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&dialog)))) {
        const std::wstring name = ui::Widen(msg::kPlanFileTypes);
        const COMDLG_FILTERSPEC types[] = {{name.c_str(), L"*.xml"}, {L"*.*", L"*.*"}};
        dialog->SetFileTypes(2, types);
        DWORD options = 0;
        dialog->GetOptions(&options);
        dialog->SetOptions(options | FOS_FORCEFILESYSTEM | FOS_FILEMUSTEXIST);
        dialog->SetTitle(ui::Widen(msg::kOpenPlanTitle).c_str());
        IShellItem* result = nullptr;
        if (SUCCEEDED(dialog->Show(owner)) && SUCCEEDED(dialog->GetResult(&result))) {
            PWSTR chosen = nullptr;
            if (SUCCEEDED(result->GetDisplayName(SIGDN_FILESYSPATH, &chosen))) {
                *path = ui::Narrow(chosen);
                picked = true;
                CoTaskMemFree(chosen);
            }
            result->Release();
        }
        dialog->Release();
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return picked;
}

}  // namespace

std::optional<Plan> ChooseFlightPlan(HWND owner, AircraftType aircraft,
                                     std::optional<KeptPlan>& kept) {
    detail::CFlightPlanDialog dialog(owner, aircraft, kept);
    return dialog.DoModal() == IDOK ? dialog.Chosen() : std::nullopt;
}

namespace detail {

CFlightPlanDialog::CFlightPlanDialog(HWND owner, AircraftType aircraft,
                                     std::optional<KeptPlan>& kept)
    : CDialog(IDD_FLIGHT_PLAN, owner), m_aircraft(aircraft), m_kept(kept) {}

CFlightPlanDialog::~CFlightPlanDialog() {
    if (m_fetch) {
        m_fetch->Abandon();
    }
}

BOOL CFlightPlanDialog::OnInitDialog() {
    HWND dialog = GetHwnd();
    ui::CenterOnOwner(dialog);
    const std::optional<std::string> user = registry::ReadString(
        registry::Root::CurrentUser, registry::View::Bits32, kUserKey, kUserValue);
    const bool pilotId = registry::ReadString(registry::Root::CurrentUser, registry::View::Bits32,
                                              kUserKey, kUserIsPilotIdValue) == "1";
    ui::SetItemText(dialog, IDC_PLAN_USER, user.value_or(""));
    ui::CheckRadio(dialog, IDC_PLAN_BY_NAME, IDC_PLAN_BY_ID,
                   pilotId ? IDC_PLAN_BY_ID : IDC_PLAN_BY_NAME);
    SendMessageW(Item(IDC_PLAN_USER), EM_LIMITTEXT, 64, 0);
    if (m_kept) {
        ui::SetItemText(dialog, IDC_PLAN_USE_KEPT, UseKeptPlanText(*m_kept));
        ui::SetItemText(dialog, IDC_PLAN_FETCH, msg::kFetchPlanAgain);
    } else {
        EnableWindow(Item(IDC_PLAN_USE_KEPT), FALSE);
        ui::SetItemText(dialog, IDC_PLAN_FETCH, msg::kFetchPlan);
    }
    ui::MoveFocus(dialog, Item(m_kept ? IDC_PLAN_USE_KEPT : IDC_PLAN_USER));
    return FALSE;  // the focus is set
}

void CFlightPlanDialog::OnOK() {
    // Enter fetches, as the default button says; never while a fetch runs.
    if (!m_fetch) {
        OnFetch();
    }
}

void CFlightPlanDialog::OnCancel() {
    // Returns at once: a fetch still running is abandoned, its answer dropped.
    if (m_fetch) {
        m_fetch->Abandon();
        StopFetching();
    }
    EndDialog(IDCANCEL);
}

bool CFlightPlanDialog::OnCommand(int id, int code, HWND /*control*/) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (id) {
        case IDC_PLAN_FETCH:
            OnFetch();
            return true;
        case IDC_PLAN_OPEN:
            OnOpen();
            return true;
        case IDC_PLAN_USE_KEPT:
            OnUseKept();
            return true;
        default:
            return false;
    }
}

bool CFlightPlanDialog::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, INT_PTR* result) {
    if (message == kFetchDoneMessage) {
        OnFetchDone();
        *result = TRUE;
        return true;
    }
    if (message == WM_TIMER && wParam == kTimerId) {
        OnTimer();
        *result = TRUE;
        return true;
    }
    return false;
}

void CFlightPlanDialog::OnFetch() {
    if (m_fetch) {
        return;
    }
    HWND dialog = GetHwnd();
    std::string user = ui::GetItemText(dialog, IDC_PLAN_USER);
    user.erase(0, user.find_first_not_of(" \t"));
    user.erase(user.find_last_not_of(" \t") + 1);
    const bool pilotId = ui::IsChecked(dialog, IDC_PLAN_BY_ID);
    if (user.empty()) {
        ShowError(msg::kPlanNoUser);
        ui::MoveFocus(dialog, Item(IDC_PLAN_USER));
        return;
    }
    if (pilotId && user.find_first_not_of("0123456789") != std::string::npos) {
        ShowError(msg::kPlanPilotIdDigits);
        ui::MoveFocus(dialog, Item(IDC_PLAN_USER));
        return;
    }
    m_user = user;
    m_bPilotId = pilotId;
    m_nLimitSeconds = FetchLimitSeconds(Variable(kLimitVariable).c_str());
    m_nFetchStart = GetTickCount();
    ShowFetching(true);
    m_fetch = CFetch::Start(FetchAddress(Variable(kAddressVariable), user, pilotId), dialog,
                            kFetchDoneMessage);
}

void CFlightPlanDialog::OnTimer() {
    if (!m_fetch || GetTickCount() - m_nFetchStart < static_cast<DWORD>(m_nLimitSeconds) * 1000) {
        return;
    }
    m_fetch->Abandon();
    StopFetching();
    ShowError(msg::kPlanNoAnswer + std::to_string(m_nLimitSeconds) + ".");
}

void CFlightPlanDialog::OnFetchDone() {
    if (!m_fetch) {
        return;  // a late answer of a fetch given up
    }
    const FetchAnswer answer = m_fetch->Answer();
    StopFetching();
    switch (answer.kind) {
        case FetchAnswer::Kind::NoWinHttp:
            ShowError(msg::kPlanNoWinHttp);
            return;
        case FetchAnswer::Kind::Failed:
            ShowError(msg::kPlanFetchFailed + std::to_string(answer.error) + ".");
            return;
        case FetchAnswer::Kind::TooLarge:
            ShowError(msg::kPlanAnswerTooLarge);
            return;
        case FetchAnswer::Kind::Answer:
            break;
    }
    const OfpResult result = ReadAnswer(answer.httpStatus, answer.body, m_aircraft);
    if (result.plan) {
        // A name that gave a plan is worth remembering.
        if (!registry::WriteUserString(kUserKey, kUserValue, m_user) ||
            !registry::WriteUserString(kUserKey, kUserIsPilotIdValue, m_bPilotId ? "1" : "0")) {
            ui::ShowMessage(GetHwnd(), msg::kPlanNameNotStored, msg::kCaptionWarning,
                            MB_ICONEXCLAMATION);
        }
    }
    Read(result);
}

void CFlightPlanDialog::OnOpen() {
    std::string path;
    if (PickPlanFile(GetHwnd(), &path)) {
        OpenFile(path);
    }
}

void CFlightPlanDialog::OpenFile(const std::string& path) {
    std::string bytes;
    const files::Status read = files::ReadFile(path, bytes);
    if (read.error == files::Error::TooLarge) {
        ShowError(msg::kPlanTooLarge);
    } else if (!read.ok()) {
        ShowError(msg::kPlanFileNotRead + path);
    } else {
        Read(ReadOfp(bytes, m_aircraft));
    }
}

void CFlightPlanDialog::OnUseKept() {
    if (m_kept) {
        const OfpResult checked = CheckForAircraft(m_kept->plan, m_aircraft);
        checked.plan ? Accept(*checked.plan) : ShowError(ErrorText(checked));
    }
}

void CFlightPlanDialog::Read(const OfpResult& result) {
    if (!result.plan) {
        ShowError(ErrorText(result));
        return;
    }
    m_kept = KeptPlan{*result.plan, ClockNow()};
    HWND dialog = GetHwnd();
    ui::SetItemText(dialog, IDC_PLAN_USE_KEPT, UseKeptPlanText(*m_kept));
    EnableWindow(Item(IDC_PLAN_USE_KEPT), TRUE);
    Accept(*result.plan);
}

void CFlightPlanDialog::Accept(const Plan& plan) {
    if (!PlanFitsAircraft(plan, m_aircraft)) {
        const std::string planned = plan.aircraftIcao.empty() ? "?" : plan.aircraftIcao;
        const std::string question = msg::kPlanOtherTypeStart + planned +
                                     msg::kPlanOtherTypeMiddle + Aircraft(m_aircraft).name +
                                     msg::kPlanOtherTypeEnd;
        if (MessageBoxW(GetHwnd(), ui::Widen(question).c_str(),
                        ui::Widen(msg::kCaptionWarning).c_str(),
                        MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
            return;  // the pilot stops: another plan, or Cancel
        }
    }
    m_chosen = plan;
    EndDialog(IDOK);
}

void CFlightPlanDialog::StopFetching() {
    KillTimer(GetHwnd(), kTimerId);
    m_fetch.reset();
    ShowFetching(false);
}

void CFlightPlanDialog::ShowFetching(bool fetching) {
    HWND dialog = GetHwnd();
    if (fetching) {
        // The focus leaves before its control is disabled.
        ui::MoveFocus(dialog, Item(IDCANCEL));
        SetTimer(dialog, kTimerId, kTimerMs, nullptr);
    }
    for (int id : kInputControls) {
        EnableWindow(Item(id), !fetching && (id != IDC_PLAN_USE_KEPT || m_kept));
    }
    ui::SetItemText(dialog, IDC_PLAN_STATUS, fetching ? msg::kFetchingPlan : "");
    if (!fetching) {
        ui::MoveFocus(dialog, Item(IDC_PLAN_FETCH));
    }
}

void CFlightPlanDialog::ShowError(const std::string& text) {
    ui::ShowMessage(GetHwnd(), text, msg::kCaptionError, MB_ICONERROR);
}

}  // namespace detail

}  // namespace flightplan
