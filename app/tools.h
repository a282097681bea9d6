// The four tools as the main menu runs them. Each runs its dialog modally
// over the owner and has closed it again when the call returns.
#pragma once

#include <windows.h>

#include "app/aircraft_type.h"

namespace tools {

// Shows the aircraft's load manager; after OK writes the payload into every
// installed variant's file, reporting any failure itself. True when the
// user pressed OK and every write succeeded.
bool RunLoadManager(HWND owner, AircraftType aircraft);

// Shows the Fuel Planner for the selected aircraft.
void RunFuelPlanner(HWND owner);

// Shows the Configuration dialog; returns 1 after OK (options written).
INT_PTR RunConfiguration(HWND owner);

// Shows the Key Assignments dialog.
void RunKeyAssignments(HWND owner);

}  // namespace tools
