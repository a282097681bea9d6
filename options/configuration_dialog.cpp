#include "options/configuration_dialog.h"

#include <optional>

#include "core/save_failure.h"
#include "options/option_rules.h"
#include "options/option_store.h"
#include "options/option_texts.h"
#include "platform/win32/controls.h"
#include "platform/win32/dialog.h"
#include "res/messages.h"
#include "res/resource.h"

namespace options {

namespace {

struct RadioChoice {
    int id;
    int32_t OptionValues::*field;
    int32_t value;
};

// Every radio button and the value it stands for.
constexpr RadioChoice kRadioChoices[] = {
    {IDC_CFG_METRIC, &OptionValues::unitSystem, 0},
    {IDC_CFG_IMPERIAL, &OptionValues::unitSystem, 1},
    {IDC_CFG_PUSHBACK_STANDARD, &OptionValues::pushbackType, 0},
    {IDC_CFG_PUSHBACK_PPU, &OptionValues::pushbackType, 1},
    {IDC_CFG_BEGINNER, &OptionValues::userExperience, 0},
    {IDC_CFG_INTERMEDIATE, &OptionValues::userExperience, 1},
    {IDC_CFG_EXPERT, &OptionValues::userExperience, 2},
    {IDC_CFG_MOD_SHIFT, &OptionValues::mcduKeyModifier, 1},
    {IDC_CFG_MOD_CONTROL, &OptionValues::mcduKeyModifier, 2},
    {IDC_CFG_MOD_CONTROL_SHIFT, &OptionValues::mcduKeyModifier, 3},
    {IDC_CFG_MOD_WINDOWS, &OptionValues::mcduKeyModifier, 4},
    {IDC_CFG_LOCK_NONE, &OptionValues::mcduKeyLocker, 0},
    {IDC_CFG_LOCK_SCROLL, &OptionValues::mcduKeyLocker, 1},
    {IDC_CFG_LOCK_CAPS, &OptionValues::mcduKeyLocker, 2},
    {IDC_CFG_LOCK_NUM, &OptionValues::mcduKeyLocker, 3},
};

struct CheckBox {
    int id;
    int32_t OptionValues::*field;
};

// The template has no FMGC save mode check box: checking it does nothing and
// no click comes from it, so the value read is written back unchanged.
constexpr CheckBox kCheckBoxes[] = {
    {IDC_CFG_AUTO_PAUSE, &OptionValues::autoPause},
    {IDC_CFG_FSUIPC, &OptionValues::fsuipcUsage},
    {IDC_CFG_FMGC_SAVE_MODE, &OptionValues::fmgcSaveMode},
};

constexpr int kModifierButtons[] = {IDC_CFG_MOD_SHIFT, IDC_CFG_MOD_CONTROL,
                                    IDC_CFG_MOD_CONTROL_SHIFT, IDC_CFG_MOD_WINDOWS};

// Checks the buttons of field's group that stand for value, clears the rest;
// a value no button stands for leaves the group unchecked.
void ShowRadioGroup(HWND dialog, int32_t OptionValues::*field, int32_t value) {
    for (const RadioChoice& choice : kRadioChoices) {
        if (choice.field == field) {
            ui::SetChecked(dialog, choice.id, choice.value == value);
        }
    }
}

void ShowCheckBoxes(HWND dialog, const OptionValues& values) {
    for (const CheckBox& box : kCheckBoxes) {
        ui::SetChecked(dialog, box.id, values.*box.field != 0);
    }
}

// One opening: the options being edited, the file, and the labels' memory
// of the run.
class CConfiguration : public ui::CDialog {
  public:
    CConfiguration(HWND owner, const std::string& prefsPath, ConfigurationMemory& memory)
        : CDialog(IDD_CONFIGURATION, owner), m_prefsPath(prefsPath), m_memory(memory) {}

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnHScroll(HWND control, int code) override;

  private:
    void ShowVolume(int32_t volume);
    void ShowIrsTime(int32_t seconds);
    void ApplyKeyLockerToButtons();
    void OnRadioButton(const RadioChoice& choice);
    void OnColdAndDark();

    const std::string m_prefsPath;
    ConfigurationMemory& m_memory;
    OptionValues m_values;
};

void CConfiguration::ShowVolume(int32_t volume) {
    m_memory.shownVolume = volume;
    ui::SetItemText(GetHwnd(), IDC_CFG_VOLUME_LABEL, VolumeName(volume));
}

void CConfiguration::ShowIrsTime(int32_t seconds) {
    m_memory.shownIrsTime = seconds;
    ui::SetItemText(GetHwnd(), IDC_CFG_IRS_LABEL, IrsTimeText(seconds));
}

// Brings the modifier in line with the lock key and greys the modifier
// buttons while a lock key switches the keyboard.
void CConfiguration::ApplyKeyLockerToButtons() {
    std::optional<bool> modifiersUsable = ApplyKeyLocker(m_values);
    if (!modifiersUsable) {
        return;
    }
    for (int id : kModifierButtons) {
        EnableWindow(Item(id), *modifiersUsable ? TRUE : FALSE);
    }
}

BOOL CConfiguration::OnInitDialog() {
    HWND dialog = GetHwnd();
    ReadCommonOptions(m_values, m_prefsPath);

    ShowRadioGroup(dialog, &OptionValues::unitSystem, m_values.unitSystem);
    ShowRadioGroup(dialog, &OptionValues::pushbackType, m_values.pushbackType);
    ShowRadioGroup(dialog, &OptionValues::userExperience, m_values.userExperience);

    // The trackbars clamp their position; the labels name the value as read,
    // which is kept until the user moves a trackbar.
    ui::SetTrackbarRange(Item(IDC_CFG_VOLUME), 0, kPanelVolumeMax, false);
    ui::SetTrackbarPos(Item(IDC_CFG_VOLUME), m_values.panelVolume);
    ShowVolume(m_values.panelVolume);
    ui::SetTrackbarRange(Item(IDC_CFG_IRS_TIME), 0, kIrsAlignmentSecondsMax, false);
    ui::SetTrackbarPos(Item(IDC_CFG_IRS_TIME), m_values.irsAlignmentTime);
    ShowIrsTime(m_values.irsAlignmentTime);

    ShowRadioGroup(dialog, &OptionValues::mcduKeyModifier,
                   ShownKeyModifier(m_values.mcduKeyModifier));
    ShowRadioGroup(dialog, &OptionValues::mcduKeyLocker, m_values.mcduKeyLocker);
    ApplyKeyLockerToButtons();

    ShowCheckBoxes(dialog, m_values);
    return TRUE;  // the default focus
}

void CConfiguration::OnRadioButton(const RadioChoice& choice) {
    m_values.*choice.field = choice.value;
    if (choice.field == &OptionValues::userExperience) {
        if (std::optional<int32_t> seconds = IrsAlignmentTimeFor(choice.value)) {
            m_values.irsAlignmentTime = *seconds;
            ui::SetTrackbarPos(Item(IDC_CFG_IRS_TIME), *seconds);
            if (m_memory.shownIrsTime != *seconds) {
                ShowIrsTime(*seconds);
            }
        }
    } else if (choice.field == &OptionValues::mcduKeyLocker) {
        ApplyKeyLockerToButtons();
        // Back to no lock key: the modifier buttons show the modifier in use
        // (Control-Shift when none was chosen), not a check kept while grey.
        if (m_values.mcduKeyLocker == 0) {
            ShowRadioGroup(GetHwnd(), &OptionValues::mcduKeyModifier, m_values.mcduKeyModifier);
        }
    }
}

void CConfiguration::OnColdAndDark() {
    files::Status status = RequestColdAndDark(m_prefsPath);
    if (status.ok()) {
        ui::ShowMessage(GetHwnd(), msg::kColdAndDark, msg::kCaptionStatus, MB_ICONINFORMATION);
    } else {
        ui::ShowMessage(GetHwnd(), msg::SaveFailure(msg::kColdAndDarkNotSaved, m_prefsPath, status),
                        msg::kCaptionError, MB_ICONERROR);
    }
}

void CConfiguration::OnOK() {
    files::Status status = WriteCommonOptions(m_values, m_prefsPath);
    if (!status.ok()) {
        // The dialog stays open with the user's choices, so they can retry.
        ui::ShowMessage(GetHwnd(),
                        msg::SaveFailure(msg::kConfigurationNotSaved, m_prefsPath, status),
                        msg::kCaptionError, MB_ICONERROR);
        return;
    }
    EndDialog(IDOK);
}

bool CConfiguration::OnCommand(int id, int code, HWND /*control*/) {
    if (code != BN_CLICKED) {
        return false;
    }
    for (const RadioChoice& choice : kRadioChoices) {
        if (choice.id == id) {
            OnRadioButton(choice);
            return false;
        }
    }
    for (const CheckBox& box : kCheckBoxes) {
        if (box.id == id) {
            m_values.*box.field = ui::IsChecked(GetHwnd(), id) ? 1 : 0;
            return false;
        }
    }
    if (id == IDC_CFG_COLD_AND_DARK) {
        OnColdAndDark();
    }
    return false;
}

// Either trackbar: both values follow their trackbar, so a value read out of
// range gives way to the clamped position at the first move.
bool CConfiguration::OnHScroll(HWND /*control*/, int /*code*/) {
    m_values.panelVolume = ui::GetTrackbarPos(Item(IDC_CFG_VOLUME));
    if (m_values.panelVolume != m_memory.shownVolume) {
        ShowVolume(m_values.panelVolume);
    }
    m_values.irsAlignmentTime = ui::GetTrackbarPos(Item(IDC_CFG_IRS_TIME));
    if (m_values.irsAlignmentTime != m_memory.shownIrsTime) {
        ShowIrsTime(m_values.irsAlignmentTime);
    }
    return false;
}

}  // namespace

bool RunConfiguration(HWND owner, const std::string& prefsPath, ConfigurationMemory& memory) {
    CConfiguration dialog(owner, prefsPath, memory);
    return dialog.DoModal() == IDOK;
}

}  // namespace options
