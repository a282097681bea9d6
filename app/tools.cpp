#include "app/tools.h"

// The tools are wired in here as their dialogs land.
namespace tools {

bool RunLoadManager(HWND /*owner*/, AircraftType /*aircraft*/) {
    return false;
}

void RunFuelPlanner(HWND /*owner*/) {}

INT_PTR RunConfiguration(HWND /*owner*/) {
    return 2;
}

void RunKeyAssignments(HWND /*owner*/) {}

}  // namespace tools
