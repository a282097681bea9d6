// The Configuration dialog (template IDD_CONFIGURATION): it reads every
// option of the preferences file when it opens and ends after all of them
// were written (OK), or having written nothing (Cancel).
#pragma once

#include <windows.h>

#include <string>

#include "options/option_texts.h"

namespace options {

// Runs the dialog modally over owner. True after OK, when every option was
// written; a failed write is shown and keeps the dialog open. memory is the
// labels' state across openings.
bool RunConfiguration(HWND owner, const std::string& prefsPath, ConfigurationMemory& memory);

}  // namespace options
