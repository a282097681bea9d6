#include "options/configuration_dialog.h"

#include <optional>

#include "core/save_failure.h"
#include "options/option_rules.h"
#include "options/option_store.h"
#include "options/option_texts.h"
#include "platform/win32/controls.h"
#include "platform/win32/dpi_change.h"
#include "platform/win32/pictures.h"
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

// What one opening works on: the options being edited, the file, and the
// labels' memory of the run.
struct Session {
    const std::string& prefsPath;
    ConfigurationMemory& memory;
    OptionValues values;
};

Session& SessionOf(HWND dialog) {
    return *reinterpret_cast<Session*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// Checks the buttons of field's group that stand for value, clears the rest;
// a value no button stands for leaves the group unchecked.
void ShowRadioGroup(HWND dialog, int32_t OptionValues::*field, int32_t value) {
    for (const RadioChoice& choice : kRadioChoices) {
        if (choice.field == field) {
            ui::SetChecked(dialog, choice.id, choice.value == value);
        }
    }
}

void ShowVolume(HWND dialog, int32_t volume) {
    SessionOf(dialog).memory.shownVolume = volume;
    ui::SetItemText(dialog, IDC_CFG_VOLUME_LABEL, VolumeName(volume));
}

void ShowIrsTime(HWND dialog, int32_t seconds) {
    SessionOf(dialog).memory.shownIrsTime = seconds;
    ui::SetItemText(dialog, IDC_CFG_IRS_LABEL, IrsTimeText(seconds));
}

// Brings the modifier in line with the lock key and greys the modifier
// buttons while a lock key switches the keyboard.
void ApplyKeyLockerToButtons(HWND dialog) {
    std::optional<bool> modifiersUsable = ApplyKeyLocker(SessionOf(dialog).values);
    if (!modifiersUsable) {
        return;
    }
    for (int id : kModifierButtons) {
        EnableWindow(GetDlgItem(dialog, id), *modifiersUsable ? TRUE : FALSE);
    }
}

void OnInitDialog(HWND dialog) {
    OptionValues& values = SessionOf(dialog).values;
    ReadCommonOptions(values, SessionOf(dialog).prefsPath);

    ShowRadioGroup(dialog, &OptionValues::unitSystem, values.unitSystem);
    ShowRadioGroup(dialog, &OptionValues::pushbackType, values.pushbackType);
    ShowRadioGroup(dialog, &OptionValues::userExperience, values.userExperience);

    // The trackbars clamp their position; the labels name the value as read,
    // which is kept until the user moves a trackbar.
    HWND volume = GetDlgItem(dialog, IDC_CFG_VOLUME);
    ui::SetTrackbarRange(volume, 0, kPanelVolumeMax, false);
    ui::SetTrackbarPos(volume, values.panelVolume);
    ShowVolume(dialog, values.panelVolume);
    HWND irsTime = GetDlgItem(dialog, IDC_CFG_IRS_TIME);
    ui::SetTrackbarRange(irsTime, 0, kIrsAlignmentSecondsMax, false);
    ui::SetTrackbarPos(irsTime, values.irsAlignmentTime);
    ShowIrsTime(dialog, values.irsAlignmentTime);

    ShowRadioGroup(dialog, &OptionValues::mcduKeyModifier,
                   ShownKeyModifier(values.mcduKeyModifier));
    ShowRadioGroup(dialog, &OptionValues::mcduKeyLocker, values.mcduKeyLocker);
    ApplyKeyLockerToButtons(dialog);

    for (const CheckBox& box : kCheckBoxes) {
        ui::SetChecked(dialog, box.id, values.*box.field != 0);
    }
}

void OnRadioButton(HWND dialog, const RadioChoice& choice) {
    OptionValues& values = SessionOf(dialog).values;
    values.*choice.field = choice.value;
    if (choice.field == &OptionValues::userExperience) {
        if (std::optional<int32_t> seconds = IrsAlignmentTimeFor(choice.value)) {
            values.irsAlignmentTime = *seconds;
            ui::SetTrackbarPos(GetDlgItem(dialog, IDC_CFG_IRS_TIME), *seconds);
            if (SessionOf(dialog).memory.shownIrsTime != *seconds) {
                ShowIrsTime(dialog, *seconds);
            }
        }
    } else if (choice.field == &OptionValues::mcduKeyLocker) {
        ApplyKeyLockerToButtons(dialog);
        // Back to no lock key: the modifier buttons show the modifier in use
        // (Control-Shift when none was chosen), not a check kept while grey.
        if (values.mcduKeyLocker == 0) {
            ShowRadioGroup(dialog, &OptionValues::mcduKeyModifier, values.mcduKeyModifier);
        }
    }
}

void OnColdAndDark(HWND dialog) {
    const std::string& path = SessionOf(dialog).prefsPath;
    files::Status status = RequestColdAndDark(path);
    if (status.ok()) {
        ui::ShowMessage(dialog, msg::kColdAndDark, msg::kCaptionStatus, MB_ICONINFORMATION);
    } else {
        ui::ShowMessage(dialog, msg::SaveFailure(msg::kColdAndDarkNotSaved, path, status),
                        msg::kCaptionError, MB_ICONERROR);
    }
}

void OnOK(HWND dialog) {
    const std::string& path = SessionOf(dialog).prefsPath;
    files::Status status = WriteCommonOptions(SessionOf(dialog).values, path);
    if (!status.ok()) {
        // The dialog stays open with the user's choices, so they can retry.
        ui::ShowMessage(dialog, msg::SaveFailure(msg::kConfigurationNotSaved, path, status),
                        msg::kCaptionError, MB_ICONERROR);
        return;
    }
    EndDialog(dialog, IDOK);
}

// Returns true for OK and Cancel, the two commands the dialog consumes.
bool OnCommand(HWND dialog, int id) {
    for (const RadioChoice& choice : kRadioChoices) {
        if (choice.id == id) {
            OnRadioButton(dialog, choice);
            return false;
        }
    }
    for (const CheckBox& box : kCheckBoxes) {
        if (box.id == id) {
            SessionOf(dialog).values.*box.field = ui::IsChecked(dialog, id) ? 1 : 0;
            return false;
        }
    }
    switch (id) {
        case IDC_CFG_COLD_AND_DARK:
            OnColdAndDark(dialog);
            return false;
        case IDOK:
            OnOK(dialog);
            return true;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return true;
        default:
            return false;
    }
}

// Either trackbar: both values follow their trackbar, so a value read out of
// range gives way to the clamped position at the first move.
void OnHScroll(HWND dialog) {
    OptionValues& values = SessionOf(dialog).values;
    const ConfigurationMemory& memory = SessionOf(dialog).memory;
    values.panelVolume = ui::GetTrackbarPos(GetDlgItem(dialog, IDC_CFG_VOLUME));
    if (values.panelVolume != memory.shownVolume) {
        ShowVolume(dialog, values.panelVolume);
    }
    values.irsAlignmentTime = ui::GetTrackbarPos(GetDlgItem(dialog, IDC_CFG_IRS_TIME));
    if (values.irsAlignmentTime != memory.shownIrsTime) {
        ShowIrsTime(dialog, values.irsAlignmentTime);
    }
}

INT_PTR CALLBACK ConfigurationDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG && GetWindowLongPtrW(dialog, DWLP_USER) == 0) {
        return FALSE;  // before the session is known
    }
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            ui::ShowTemplatePictures(dialog, IDD_CONFIGURATION);
            ui::FollowDpiChanges(dialog);
            OnInitDialog(dialog);
            return TRUE;  // the default focus
        case WM_COMMAND:
            if (HIWORD(wParam) != BN_CLICKED) {
                return FALSE;
            }
            return OnCommand(dialog, LOWORD(wParam)) ? TRUE : FALSE;
        case WM_HSCROLL:
            OnHScroll(dialog);
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

bool RunConfiguration(HWND owner, const std::string& prefsPath, ConfigurationMemory& memory) {
    Session session{prefsPath, memory, {}};
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CONFIGURATION), owner,
                           ConfigurationDlgProc, reinterpret_cast<LPARAM>(&session)) == IDOK;
}

}  // namespace options
