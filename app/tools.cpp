#include "app/tools.h"

#include "fuel/fuel_planner_dialog.h"
#include "keys/key_config_dialog.h"
#include "options/configuration_dialog.h"
#include "payload/load_manager_dialog.h"
#include "res/resource.h"

// Each tool's dialog is owned by the main menu, so the menu stays disabled
// while a tool is open and no second tool can be opened over it.
namespace tools {

bool RunLoadManager(HWND owner, AircraftType aircraft) {
    return payload::RunLoadManager(owner, aircraft);
}

void RunFuelPlanner(HWND owner) {
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
