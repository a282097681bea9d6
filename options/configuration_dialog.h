// The Configuration dialog (template IDD_CONFIGURATION): a plain dialog
// procedure over the option values of the application context. It reads
// every option when it opens and ends with IDOK after all of them were
// written, or with IDCANCEL, having written nothing.
#pragma once

#include <windows.h>

#include <cstdint>

namespace options {

// The value each label showed last, kept for the whole run so a label is
// rewritten only when its value changes; kNothingShown until then.
constexpr int32_t kNothingShown = 99999;
extern int32_t shownVolume;
extern int32_t shownIrsTime;

// Run with DialogBoxParamW; the initialisation value is not used.
INT_PTR CALLBACK ConfigurationDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace options
