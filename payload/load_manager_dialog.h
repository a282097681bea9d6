// The load manager dialogs: one per aircraft, the same controls in each.
// Four sliders set the passengers of two classes and the fill of the two
// holds; every field and fill bar follows the thumbs while they move.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "payload/aircraft_files.h"
#include "payload/payload_file.h"
#include "payload/payload_model.h"
#include "platform/win32/color_edit.h"
#include "platform/win32/dialog.h"

namespace payload {

class CLoadManagerBase : public ui::CDialog {
  public:
    ~CLoadManagerBase() override;

    // Settled at construction: at least one variant file exists.
    bool IsInstalled() const { return m_bInstalled; }

    // After OK: writes the load state into every installed variant's file.
    // Returns the files that could not be written.
    std::vector<SaveFailure> SavePayload() const;

    const LoadState& Load() const { return m_load; }
    float UnitFactor() const { return m_fUnitFactor; }

  protected:
    CLoadManagerBase(int templateId, AircraftType aircraft, HWND parent);

    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR* header, LRESULT* result) override;

  private:
    void InitPayloadControls(int seats1, int seats2);
    void ReadPayload();
    void ReadSliders();
    void SyncFromSliders();
    void Recalculate();
    void OnMetric();
    void OnImperial();
    void CenterOnOwner();

    // Coloured fields, in the order of kFieldColors, then the ZFW.
    static constexpr int kColoredFieldCount = 10;
    ui::CColorEdit m_fields[kColoredFieldCount];
    ui::CColorEdit m_zfw;
    HFONT m_pZfwFont = nullptr;

    const PayloadConstants& m_constants;
    float m_fUnitFactor = kKilogramFactor;
    LoadState m_load;

    AircraftFiles m_files;
    InstalledVariants m_installed;
    bool m_bInstalled = false;
    bool m_bControlsReady = false;
};

class CA318LoadManager : public CLoadManagerBase {
  public:
    explicit CA318LoadManager(HWND parent = nullptr);
};

class CA319LoadManager : public CLoadManagerBase {
  public:
    explicit CA319LoadManager(HWND parent = nullptr);
};

class CA320LoadManager : public CLoadManagerBase {
  public:
    explicit CA320LoadManager(HWND parent = nullptr);
};

class CA321LoadManager : public CLoadManagerBase {
  public:
    explicit CA321LoadManager(HWND parent = nullptr);
};

class CACJLoadManager : public CLoadManagerBase {
  public:
    explicit CACJLoadManager(HWND parent = nullptr);
};

// The load manager of an aircraft (nullptr for AircraftType::None).
std::unique_ptr<CLoadManagerBase> MakeLoadManager(AircraftType aircraft, HWND parent);

// Runs the aircraft's load manager over owner; after OK saves the payload
// and shows each failed write. True when OK was pressed and every write
// succeeded.
bool RunLoadManager(HWND owner, AircraftType aircraft);

}  // namespace payload
