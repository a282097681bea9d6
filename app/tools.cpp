#include "app/tools.h"

#include "fuel/fuel_planner_dialog.h"
#include "keys/key_config_dialog.h"
#include "options/configuration_dialog.h"
#include "payload/load_manager_dialog.h"
#include "res/resource.h"

// The tools are wired in here as their dialogs land.
namespace tools {

bool RunLoadManager(HWND owner, AircraftType aircraft) {
    return payload::RunLoadManager(owner, aircraft);
}

void RunFuelPlanner(HWND owner) {
    // Owned by the main menu, so the menu stays disabled while it is open.
    FuelPlanner planner(owner);
    planner.DoModal();
}

INT_PTR RunConfiguration(HWND owner) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CONFIGURATION), owner,
                           options::ConfigurationDlgProc, 0);
}

void RunKeyAssignments(HWND owner) {
    CKeyConfig keyConfig(owner);
    keyConfig.DoModal();
}

}  // namespace tools
