// The Aircraft Selector: five image buttons; a click chooses an aircraft,
// the last click counts, and "Select an aircraft..." (or closing) ends it.
#pragma once

#include <windows.h>

#include "core/aircraft.h"

// Runs the selector modally over owner (disabled meanwhile). The aircraft
// last clicked, or None when it was closed without a click.
AircraftType RunAircraftSelector(HWND owner);
