#include "payload/set_load_dialog.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "flightplan/flight_plan_dialog.h"
#include "payload/plan_load.h"
#include "platform/win32/controls.h"
#include "res/colors.h"
#include "res/messages.h"
#include "res/resource.h"

namespace payload {

namespace {

// The result fields and the answer's text each shows.
struct ResultField {
    int id;
    std::string SetLoadAnswer::*text;
};

constexpr ResultField kResultFields[] = {
    {IDC_SL_OUT_PASSENGERS, &SetLoadAnswer::passengers},
    {IDC_SL_OUT_FORWARD, &SetLoadAnswer::forwardHold},
    {IDC_SL_OUT_AFT, &SetLoadAnswer::aftHold},
    {IDC_SL_OUT_CARGO, &SetLoadAnswer::cargo},
    {IDC_SL_OUT_ASKED, &SetLoadAnswer::cargoAsked},
    {IDC_SL_OUT_DIFFERENCE, &SetLoadAnswer::difference},
    {IDC_SL_OUT_ZFW, &SetLoadAnswer::zfw},
    {IDC_SL_OUT_CG, &SetLoadAnswer::zfwCg},
};

int FieldId(SetLoadField field) {
    switch (field) {
        case SetLoadField::Passengers:
            return IDC_SL_PASSENGERS;
        case SetLoadField::Cargo:
            return IDC_SL_CARGO;
        case SetLoadField::Zfw:
            return IDC_SL_ZFW;
        default:
            return IDC_SL_TARGET;
    }
}

// The chart's colours: grid, limits, the usual range, MZFW, the points, the target.
constexpr COLORREF kGrid = RGB(222, 222, 222);
constexpr COLORREF kAxisText = RGB(64, 64, 64);
constexpr COLORREF kLimit = RGB(192, 0, 0);
constexpr COLORREF kUsualLimit = RGB(150, 150, 150);
constexpr COLORREF kInsideLimits = RGB(232, 246, 232);
constexpr COLORREF kMzfw = RGB(90, 0, 140);
constexpr COLORREF kEmptyPoint = RGB(110, 110, 110);
constexpr COLORREF kZfwPoint = colors::kKeyFigure;
constexpr COLORREF kTarget = RGB(0, 140, 0);

// GDI objects made for one drawing, selected while it lasts.
class CPen {
  public:
    CPen(HDC dc, int style, int width, COLORREF colour)
        : m_dc(dc), m_pen(CreatePen(style, width, colour)), m_old(SelectObject(dc, m_pen)) {}
    CPen(const CPen&) = delete;
    CPen& operator=(const CPen&) = delete;
    ~CPen() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_pen);
    }

  private:
    HDC m_dc;
    HPEN m_pen;
    HGDIOBJ m_old;
};

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void Text(HDC dc, const std::string& utf8, RECT box, UINT format, COLORREF colour) {
    SetTextColor(dc, colour);
    const std::wstring text = ui::Widen(utf8);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              format | DT_SINGLELINE | DT_NOPREFIX);
}

void FillBox(HDC dc, const RECT& box, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

}  // namespace

std::optional<LoadState> RunSetLoad(HWND owner, const SetLoadInput& input) {
    detail::CSetLoad dialog(owner, input);
    if (dialog.DoModal() != IDOK) {
        return std::nullopt;
    }
    return dialog.Applied();
}

namespace detail {

CSetLoad::CSetLoad(HWND owner, const SetLoadInput& input)
    : ui::CDialog(IDD_SET_LOAD, owner), m_input(input) {}

BOOL CSetLoad::OnInitDialog() {
    const AircraftSpec& aircraft = m_input.aircraft;
    HWND dialog = GetHwnd();
    ui::SetText(dialog, std::string(aircraft.name) + " Set Load");
    ui::CenterOnOwner(dialog);
    const bool guests = SeatingOf(aircraft) == Seating::GuestsOnly;
    if (guests) {
        ui::SetItemText(dialog, IDC_SL_PASSENGERS_LABEL, "&Guests");
    }
    ui::SetItemText(
        dialog, IDC_SL_SEATS,
        "of " + std::to_string(guests ? aircraft.secondClassSeats
                                      : aircraft.firstClassSeats + aircraft.secondClassSeats));
    const char* unit = m_input.unit == WeightUnit::Lb ? "lb" : "kg";
    ui::SetItemText(dialog, IDC_SL_CARGO_UNIT, unit);
    ui::SetItemText(dialog, IDC_SL_ZFW_UNIT, unit);

    const std::string whyNoCg = WhyNoCgTarget(m_input.current, aircraft, m_input.file);
    m_bCgPossible = whyNoCg.empty();
    if (!m_bCgPossible) {
        ui::SetItemText(dialog, IDC_SL_NO_CG, msg::kSetLoadNoCg + whyNoCg + ".");
        EnableWindow(Item(IDC_SL_AIM_CG), FALSE);
    }
    SetLoadTexts texts =
        OpeningTexts(m_input.memory, m_input.current, aircraft, m_input.file, m_input.unit);
    texts.aimAtCg = texts.aimAtCg && m_bCgPossible;
    ShowTexts(texts);
    m_bReady = true;
    Answer();
    return TRUE;
}

void CSetLoad::ShowTexts(const SetLoadTexts& texts) {
    HWND dialog = GetHwnd();
    const bool wasReady = m_bReady;
    m_bReady = false;  // the changes below are not the pilot's typing
    ui::SetItemText(dialog, IDC_SL_PASSENGERS, texts.passengers);
    ui::SetItemText(dialog, IDC_SL_CARGO, texts.cargo);
    ui::SetItemText(dialog, IDC_SL_ZFW, texts.zfw);
    ui::SetItemText(dialog, IDC_SL_TARGET, texts.targetCg);
    m_exactTarget = texts.exactTarget;
    ui::SetChecked(dialog, IDC_SL_BY_CARGO, texts.given == GivenWeight::Cargo);
    ui::SetChecked(dialog, IDC_SL_BY_ZFW, texts.given == GivenWeight::Zfw);
    ui::SetChecked(dialog, IDC_SL_PROPORTIONAL, !texts.aimAtCg);
    ui::SetChecked(dialog, IDC_SL_AIM_CG, texts.aimAtCg);
    EnableChoices();
    m_bReady = wasReady;
}

SetLoadTexts CSetLoad::ReadTexts() const {
    HWND dialog = GetHwnd();
    SetLoadTexts texts;
    texts.passengers = ui::GetItemText(dialog, IDC_SL_PASSENGERS);
    texts.given = ui::IsChecked(dialog, IDC_SL_BY_ZFW) ? GivenWeight::Zfw : GivenWeight::Cargo;
    texts.cargo = ui::GetItemText(dialog, IDC_SL_CARGO);
    texts.zfw = ui::GetItemText(dialog, IDC_SL_ZFW);
    texts.aimAtCg = m_bCgPossible && ui::IsChecked(dialog, IDC_SL_AIM_CG);
    texts.targetCg = ui::GetItemText(dialog, IDC_SL_TARGET);
    texts.exactTarget = m_exactTarget;
    return texts;
}

void CSetLoad::EnableChoices() {
    HWND dialog = GetHwnd();
    const std::pair<int, bool> fields[] = {
        {IDC_SL_CARGO, !ui::IsChecked(dialog, IDC_SL_BY_ZFW)},
        {IDC_SL_ZFW, ui::IsChecked(dialog, IDC_SL_BY_ZFW)},
        {IDC_SL_TARGET, m_bCgPossible && ui::IsChecked(dialog, IDC_SL_AIM_CG)},
    };
    for (const auto& [id, enabled] : fields) {
        HWND field = Item(id);
        if (!enabled && GetFocus() == field) {
            ui::MoveFocus(dialog, Item(IDC_SL_PASSENGERS));
        }
        EnableWindow(field, enabled ? TRUE : FALSE);
    }
}

void CSetLoad::FillPassengersAndCargo(int32_t passengers, int32_t cargoKg) {
    SetLoadTexts texts = ReadTexts();
    texts.passengers = std::to_string(passengers);
    texts.given = GivenWeight::Cargo;
    texts.cargo = WeightFieldText(cargoKg, m_input.unit);
    ShowTexts(texts);
    Answer();
}

void CSetLoad::Answer() {
    HWND dialog = GetHwnd();
    const SetLoadTexts texts = ReadTexts();
    m_answer = AnswerForm(texts, m_input.unit, m_input.current, m_input.aircraft, m_input.file);
    for (const ResultField& field : kResultFields) {
        ui::ShowItemText(dialog, field.id, m_answer.*field.text);
    }
    const std::string& message = m_answer.error.empty() ? m_answer.warning : m_answer.error;
    ui::ShowItemText(dialog, IDC_SL_MESSAGE, message);
    m_chart =
        ChartOf(m_answer, texts, m_input.current, m_input.aircraft, m_input.file, m_input.unit);
    InvalidateRect(Item(IDC_SL_CHART), nullptr, FALSE);
}

void CSetLoad::OnOK() {
    HWND dialog = GetHwnd();
    Answer();
    if (!m_answer.plan && m_answer.nearestCg && m_answer.nearestPlan) {
        if (ui::ShowMessage(dialog, m_answer.error + msg::kSetLoadAcceptNearest,
                            msg::kCaptionSetLoad, MB_YESNO | MB_ICONQUESTION) != IDYES) {
            ui::MoveFocus(dialog, Item(IDC_SL_TARGET));
            return;
        }
        // The field shows the nearest CG rounded; the load is the exact one's.
        SetLoadTexts texts = ReadTexts();
        texts.targetCg = TargetFieldText(*m_answer.nearestCg);
        texts.exactTarget = m_answer.nearestCg;
        ShowTexts(texts);
        Answer();
    }
    if (!m_answer.plan) {
        ui::ShowMessage(dialog, msg::kSetLoadFixFirst + m_answer.error, msg::kCaptionError,
                        MB_ICONEXCLAMATION);
        ui::MoveFocus(dialog, Item(FieldId(m_answer.errorField)));
        return;
    }
    m_input.memory = m_answer.memory;
    m_applied = m_answer.plan->load;
    CDialog::OnOK();
}

bool CSetLoad::OnCommand(int id, int code, HWND /*control*/) {
    HWND dialog = GetHwnd();
    if (code == EN_CHANGE && m_bReady) {
        if (id == IDC_SL_TARGET) {
            m_exactTarget.reset();  // the pilot's own number now
        } else {
            ui::SetItemText(dialog, IDC_SL_PLAN_NOTE, "");  // no longer the plan's load
        }
        Answer();
        return true;
    }
    if (code != BN_CLICKED) {
        return false;
    }
    if (id == IDC_SL_FROM_PLAN) {
        OnFromPlan();
        return true;
    }
    int field = 0;
    if (id == IDC_SL_BY_CARGO || id == IDC_SL_BY_ZFW) {
        ui::SetChecked(dialog, IDC_SL_BY_CARGO, id == IDC_SL_BY_CARGO);
        ui::SetChecked(dialog, IDC_SL_BY_ZFW, id == IDC_SL_BY_ZFW);
        field = id == IDC_SL_BY_CARGO ? IDC_SL_CARGO : IDC_SL_ZFW;
    } else if (id == IDC_SL_PROPORTIONAL || id == IDC_SL_AIM_CG) {
        ui::SetChecked(dialog, IDC_SL_PROPORTIONAL, id == IDC_SL_PROPORTIONAL);
        ui::SetChecked(dialog, IDC_SL_AIM_CG, id == IDC_SL_AIM_CG);
        field = id == IDC_SL_AIM_CG ? IDC_SL_TARGET : 0;
    } else {
        return false;
    }
    EnableChoices();
    if (field) {
        ui::MoveFocus(dialog, Item(field));
    }
    Answer();
    return true;
}

void CSetLoad::OnFromPlan() {
    const AircraftSpec& aircraft = m_input.aircraft;
    std::optional<flightplan::KeptPlan>& kept = m_input.keptPlan ? *m_input.keptPlan : m_ownPlan;
    const std::optional<flightplan::Plan> plan =
        flightplan::ChooseFlightPlan(GetHwnd(), aircraft.type, kept);
    if (!plan) {
        return;  // cancelled; its dialog showed every refusal
    }
    const int32_t seats = SeatingOf(aircraft) == Seating::GuestsOnly
                              ? aircraft.secondClassSeats
                              : aircraft.firstClassSeats + aircraft.secondClassSeats;
    const LoadFromPlan load = LoadFromFlightPlan(*plan, seats, m_input.current.emptyWeightKg);
    FillPassengersAndCargo(load.passengers, load.cargoKg);
    ui::SetItemText(GetHwnd(), IDC_SL_PLAN_NOTE, PlanLoadNote(*plan, load, m_input.unit));
}

bool CSetLoad::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
    if (message == WM_DRAWITEM && wParam == IDC_SL_CHART) {
        DrawChart(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        *result = TRUE;
        return true;
    }
    return false;
}

HBRUSH CSetLoad::OnCtlColor(HWND control, HDC dc) {
    if (GetDlgCtrlID(control) != IDC_SL_MESSAGE) {
        return nullptr;
    }
    // Refusals and warnings alike: the pilot must read them.
    SetTextColor(dc, colors::kWarningText);
    SetBkColor(dc, GetSysColor(COLOR_3DFACE));
    return GetSysColorBrush(COLOR_3DFACE);
}

void CSetLoad::DrawChart(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    const RECT box = item.rcItem;
    const int saved = SaveDC(dc);
    // Line widths and points grow with the screen's scale, as the text does.
    const int dpi = static_cast<int>(ui::WindowDpi(GetHwnd()));
    const int scale = std::max(1, MulDiv(1, dpi, 96));
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(GetHwnd(), WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    FillBox(dc, box, RGB(255, 255, 255));
    FrameRect(dc, &box, GetSysColorBrush(COLOR_3DSHADOW));

    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int line = metrics.tmHeight;
    SIZE widest{};
    GetTextExtentPoint32W(dc, L"000 000", 7, &widest);
    const int pad = line / 3;
    // The plot: weight labels on the left, CG labels and the axis name below.
    // Above the plot, the limits' caption; below, the CG labels and the axis name, the weight
    // unit at their left.
    const RECT plot{box.left + widest.cx + 2 * pad, box.top + line + pad, box.right - 2 * pad,
                    box.bottom - 2 * line - pad};
    if (plot.right - plot.left < 10 || plot.bottom - plot.top < 10) {
        RestoreDC(dc, saved);
        return;
    }
    const auto x = [&](double at) {
        return plot.left + static_cast<int>(std::lround(at * (plot.right - plot.left)));
    };
    const auto y = [&](double at) {
        return plot.bottom - static_cast<int>(std::lround(at * (plot.bottom - plot.top)));
    };
    const SetLoadChart& chart = m_chart;

    // The range inside the CG limits up to MZFW, then the grid and its labels.
    const double fraction[] = {chart.forwardLimit, chart.aftLimit, chart.mzfw};
    const auto held = [](double at) { return std::clamp(at, -1.0, 2.0); };  // far off: off-plot
    RECT inside{x(held(std::min(fraction[0], fraction[1]))), y(held(fraction[2])),
                x(held(std::max(fraction[0], fraction[1]))), plot.bottom};
    IntersectRect(&inside, &inside, &plot);
    FillBox(dc, inside, kInsideLimits);
    {
        CPen pen(dc, PS_SOLID, 1, kGrid);
        for (const ChartTick& tick : chart.cgTicks) {
            Line(dc, x(tick.at), plot.top, x(tick.at), plot.bottom);
            Text(dc, tick.label,
                 {x(tick.at) - widest.cx, plot.bottom + pad / 2, x(tick.at) + widest.cx,
                  plot.bottom + pad / 2 + line},
                 DT_CENTER | DT_TOP, kAxisText);
        }
        for (const ChartTick& tick : chart.weightTicks) {
            Line(dc, plot.left, y(tick.at), plot.right, y(tick.at));
            Text(dc, tick.label, {box.left, y(tick.at) - line, plot.left - pad, y(tick.at) + line},
                 DT_RIGHT | DT_VCENTER, kAxisText);
        }
    }
    Text(dc, "ZFW CG, % MAC",
         {plot.left, box.bottom - line - pad / 2, plot.right, box.bottom - pad / 2},
         DT_CENTER | DT_TOP, kAxisText);
    Text(dc, chart.weightAxis,
         {box.left + pad, box.bottom - line - pad / 2, plot.left, box.bottom - pad / 2},
         DT_LEFT | DT_TOP, kAxisText);
    Text(dc, chart.limitsCaption, {plot.left, box.top + pad / 2, plot.right, plot.top},
         DT_CENTER | DT_TOP, chart.usualLimits ? kUsualLimit : kLimit);

    IntersectClipRect(dc, plot.left, plot.top, plot.right + 1, plot.bottom + 1);
    {
        CPen pen(dc, chart.usualLimits ? PS_DOT : PS_SOLID, chart.usualLimits ? 1 : scale,
                 chart.usualLimits ? kUsualLimit : kLimit);
        for (double limit : {chart.forwardLimit, chart.aftLimit}) {
            Line(dc, x(held(limit)), plot.top, x(held(limit)), plot.bottom);
        }
    }
    {
        CPen pen(dc, PS_SOLID, scale, kMzfw);
        Line(dc, plot.left, y(held(chart.mzfw)), plot.right, y(held(chart.mzfw)));
    }
    Text(dc, "MZFW",
         {plot.left, y(held(chart.mzfw)) + pad / 2, plot.right - pad,
          y(held(chart.mzfw)) + pad / 2 + line},
         DT_RIGHT | DT_TOP, kMzfw);
    if (chart.target) {
        CPen pen(dc, PS_DASH, 1, kTarget);
        Line(dc, x(held(*chart.target)), plot.top, x(held(*chart.target)), plot.bottom);
        Text(dc, "target",
             {x(held(*chart.target)) + pad / 2, plot.top + pad / 2 + line, plot.right,
              plot.top + pad / 2 + 2 * line},
             DT_LEFT | DT_TOP, kTarget);
    }
    const int radius = MulDiv(3, dpi, 96);
    const auto point = [&](const ChartPoint& at, COLORREF colour, const char* label) {
        const int px = x(held(at.x));
        const int py = y(held(at.y));
        CPen pen(dc, PS_SOLID, 1, colour);
        HBRUSH brush = CreateSolidBrush(colour);
        HGDIOBJ old = SelectObject(dc, brush);
        Ellipse(dc, px - radius, py - radius, px + radius + 1, py + radius + 1);
        SelectObject(dc, old);
        DeleteObject(brush);
        // The label in the axes' colour: the point alone is drawn in its own.
        const std::wstring wide = ui::Widen(label);
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        const bool left = px + radius + pad + size.cx > plot.right;  // no room on the right
        Text(dc, label,
             left ? RECT{plot.left, py - line, px - radius - pad / 2, py}
                  : RECT{px + radius + pad / 2, py - line, plot.right, py},
             (left ? DT_RIGHT : DT_LEFT) | DT_BOTTOM, kAxisText);
    };
    if (chart.empty && chart.zfw) {
        CPen pen(dc, PS_SOLID, 1, kEmptyPoint);
        Line(dc, x(held(chart.empty->x)), y(held(chart.empty->y)), x(held(chart.zfw->x)),
             y(held(chart.zfw->y)));
    }
    if (chart.empty) {
        point(*chart.empty, kEmptyPoint, "empty");
    }
    if (chart.zfw) {
        point(*chart.zfw, kZfwPoint, "ZFW");
    }
    if (!chart.noCg.empty()) {
        // Without a CG the ZFW is a weight only: a line across the plot.
        if (chart.zfwWeight) {
            const int py = y(held(*chart.zfwWeight));
            CPen pen(dc, PS_DASH, 1, kZfwPoint);
            Line(dc, plot.left, py, plot.right, py);
            Text(dc, "ZFW", {plot.left + pad, py - line, plot.right, py}, DT_LEFT | DT_BOTTOM,
                 kAxisText);
        }
        // The reason, wrapped, in the middle of the plot.
        const std::wstring text = ui::Widen(chart.noCg);
        RECT note{plot.left + pad, 0, plot.right - pad, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &note,
                  DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
        const int height = note.bottom;
        note = {plot.left + pad, (plot.top + plot.bottom - height) / 2, plot.right - pad,
                (plot.top + plot.bottom + height) / 2};
        FillBox(dc, note, RGB(255, 255, 255));
        SetTextColor(dc, kAxisText);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &note,
                  DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    }
    RestoreDC(dc, saved);
}

}  // namespace detail

}  // namespace payload
