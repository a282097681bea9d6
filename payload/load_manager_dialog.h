// The load manager: one dialog for every aircraft, its template, seats and
// holds taken from the aircraft's row. Four sliders set the passengers of
// two classes and the fill of the two holds; every field and fill bar
// follows the thumbs while they move.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/aircraft.h"
#include "core/units.h"
#include "balance/balance_file.h"
#include "balance/weight_limits.h"
#include "flightplan/ofp.h"
#include "payload/aircraft_files.h"
#include "payload/payload_file.h"
#include "payload/payload_model.h"
#include "payload/set_load_form.h"
#include "platform/win32/colored_fields.h"
#include "platform/win32/dialog.h"
#include "platform/win32/status_line.h"

namespace payload {

struct LoadManagerInput {
    AircraftType aircraft = AircraftType::None;  // A318 to ACJ
    std::string simFolder;                       // UTF-8
    // The type's Set Load numbers for the run; none: kept by the dialog alone.
    std::optional<SetLoadMemory>* setLoadMemory = nullptr;
    // The run's flight plan for Set Load; none: Set Load keeps its own.
    std::optional<flightplan::KeptPlan>* keptPlan = nullptr;
};

// Runs the aircraft's load manager modally over owner; after OK writes the
// payload into every installed variant's file and shows each failed write.
// The zero-fuel weight in kg when OK was pressed and every write
// succeeded; nothing otherwise (also when no variant is installed).
std::optional<int32_t> RunLoadManager(HWND owner, const LoadManagerInput& input);

namespace detail {

// The dialog behind RunLoadManager (tests create it modeless). The load
// state is the truth: a moved thumb updates it, and every field, bar and
// thumb is shown from it.
class CLoadManager : public ui::CDialog {
  public:
    CLoadManager(HWND owner, const LoadManagerInput& input);
    ~CLoadManager() override;

    // Settled at construction: at least one variant file exists.
    bool IsInstalled() const { return m_installed.base || m_installed.iae; }

    // After OK: writes the load state into every installed variant's file.
    // Returns the files that could not be written.
    std::vector<SaveFailure> SavePayload() const;

    // The zero-fuel weight in kg of the load as last shown.
    int32_t ZfwKg() const { return m_zfwKg; }

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
    HBRUSH OnCtlColor(HWND control, HDC dc) override {
        HBRUSH field = m_coloredFields.Paint(control, dc);
        return field ? field : m_balanceLine.Paint(control, dc);
    }

  private:
    void InitControls();
    // Takes the four thumbs' positions into the load state, then shows it.
    void FollowSliders();
    // Shows the load state: counts, fill bars and weights.
    void ShowLoad();
    // The weight-and-balance line, in the free band above OK and Cancel,
    // below the Weight Unit box.
    void CreateBalanceLine();
    // "Set load...", left of OK in its row, before it in the tab order.
    void CreateSetLoadButton();
    // Runs Set Load; an applied load goes onto the thumbs as a hand would put it.
    void OnSetLoad();

    ui::CColoredFields m_coloredFields;
    HFONT m_pZfwFont = nullptr;

    const AircraftSpec& m_aircraft;
    WeightUnit m_unit = WeightUnit::Kg;
    LoadState m_load;
    int32_t m_zfwKg = 0;

    AircraftFiles m_files;
    InstalledVariants m_installed;
    // The aircraft file's weight and balance, read when the dialog opens.
    balance::BalanceFile m_balance;
    balance::WeightLimits m_limits;
    ui::CStatusLine m_balanceLine;
    bool m_bControlsReady = false;
    std::optional<SetLoadMemory> m_ownSetLoadMemory;
    std::optional<SetLoadMemory>* m_pSetLoadMemory;
    std::optional<flightplan::KeptPlan>* m_pKeptPlan;
};

}  // namespace detail

}  // namespace payload
