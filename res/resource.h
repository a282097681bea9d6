// Every resource and control identifier of the program, one name per ID.
// Control IDs are per dialog, so the same number serves different dialogs
// under different names (the prefix names the dialog).
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialog templates
#define IDD_MAIN_MENU 101
#define IDD_AIRCRAFT_SELECTOR 129
#define IDD_KEY_ASSIGNER 130
#define IDD_A318_LOAD_MANAGER 131
#define IDD_A319_LOAD_MANAGER 132
#define IDD_A320_LOAD_MANAGER 133
#define IDD_A321_LOAD_MANAGER 134
#define IDD_FUEL_PLANNER 142
#define IDD_ACJ_LOAD_MANAGER 143
#define IDD_KEY_CONFIG 144
#define IDD_CONFIGURATION 145
#define IDD_RESTORE_ORIGINALS 146
#define IDD_ABOUT 180
#define IDD_FLIGHT_PLAN 200

// Icon
#define IDI_APP 135

// Bitmaps
#define IDB_CONFIGURATION_HEADER 102  // 638 x 100, Configuration dialog
#define IDB_CONFIGURATION_BANNER 132  // 450 x 69, main menu
#define IDB_LOAD_MANAGER_BANNER 134   // 450 x 69, main menu
#define IDB_FUEL_PLANNER_BANNER 138   // 450 x 69, main menu and Fuel Planner
#define IDB_LOAD_MANAGER_HEADER 145   // 638 x 100, load managers
#define IDB_A320_SIDE 146
#define IDB_A320_TOP 147
#define IDB_A321_TOP 148
#define IDB_A321_SIDE 149
#define IDB_SELECT_A318 151
#define IDB_SELECT_A319 152
#define IDB_SELECT_A320 153
#define IDB_SELECT_A321 154
#define IDB_SELECT_ACJ 155
#define IDB_ACJ_TOP 156
#define IDB_A319_SIDE 157
#define IDB_A319_TOP 158
#define IDB_ACJ_SIDE 159
#define IDB_A318_TOP 160
#define IDB_A318_SIDE 161
#define IDB_KEY_CONFIG_BANNER 162  // 450 x 69, grey, main menu

// Main menu (101); Exit is IDCANCEL
#define IDC_MENU_CONFIGURATION 1000
#define IDC_MENU_LOAD_MANAGER 1001
#define IDC_MENU_FUEL_PLANNER 1002
#define IDC_MENU_KEY_ASSIGNMENTS 1003

// Main menu's window menu (system menu) entries. Their low four bits are
// zero, as WM_SYSCOMMAND requires.
#define IDM_SIMULATOR_FOLDER 0x0010
#define IDM_FIND_AUTOMATICALLY 0x0020
#define IDM_ABOUT 0x0030
#define IDM_RESTORE_ORIGINALS 0x0040

// About (180); Close is IDCANCEL
#define IDC_ABOUT_TEXT 1000
#define IDC_ABOUT_COPY 1001

// Aircraft selector (129); "Select an aircraft..." is IDCANCEL
#define IDC_SEL_A318 1008
#define IDC_SEL_A319 1009
#define IDC_SEL_A320 1010
#define IDC_SEL_A321 1011
#define IDC_SEL_ACJ 1012

// Load managers (131-134, 143)
#define IDC_LM_SECOND_SLIDER 1010
#define IDC_LM_FIRST_COUNT 1012
#define IDC_LM_FORWARD_SLIDER 1013
#define IDC_LM_AFT_SLIDER 1014
#define IDC_LM_SECOND_COUNT 1015
#define IDC_LM_FORWARD_PERCENT 1016
#define IDC_LM_AFT_PERCENT 1017
#define IDC_LM_FIRST_SLIDER 1018
#define IDC_LM_FIRST_WEIGHT 1019
#define IDC_LM_SECOND_WEIGHT 1020
#define IDC_LM_FORWARD_WEIGHT 1021
#define IDC_LM_AFT_WEIGHT 1022
#define IDC_LM_TOP_VIEW 1024
#define IDC_LM_FIRST_BAR 1025
#define IDC_LM_SECOND_BAR 1026
#define IDC_LM_SIDE_VIEW 1027
#define IDC_LM_PAX_WEIGHT 1028
#define IDC_LM_CARGO_WEIGHT 1029
#define IDC_LM_ZFW 1030
#define IDC_LM_METRIC 1031
#define IDC_LM_IMPERIAL 1032
#define IDC_LM_FORWARD_BAR 1033
#define IDC_LM_AFT_BAR 1034
#define IDC_LM_AIRCRAFT_WEIGHT 1035
#define IDC_LM_BALANCE_LINE 1036  // created at run time

// Fuel Planner (142); Close is IDCANCEL
#define IDC_FP_DISTANCE 1009
#define IDC_FP_ALTITUDE 1010
#define IDC_FP_COST_INDEX 1011
#define IDC_FP_ZFW 1012
#define IDC_FP_TAXI 1013
#define IDC_FP_TRIP 1014
#define IDC_FP_RESERVE 1015
#define IDC_FP_FINAL 1016
#define IDC_FP_LEFT_OUTER 1023
#define IDC_FP_VALIDATE 1024
#define IDC_FP_RIGHT_OUTER 1025
#define IDC_FP_LEFT_INNER 1026
#define IDC_FP_RIGHT_INNER 1027
#define IDC_FP_CENTER 1028
#define IDC_FP_METRIC 1029
#define IDC_FP_IMPERIAL 1030
#define IDC_FP_ZFW_UNIT 1031
#define IDC_FP_FOB 1032
#define IDC_FP_COST_INDEX_UNIT 1033
#define IDC_FP_TAXI_UNIT 1034
#define IDC_FP_TRIP_UNIT 1035
#define IDC_FP_FINAL_UNIT 1036
#define IDC_FP_FOB_UNIT 1037
#define IDC_FP_BALANCE_LINE 1038  // created at run time
#define IDC_FP_FROM_PLAN 1210     // created at run time

// Configuration (145)
#define IDC_CFG_VOLUME 1003
#define IDC_CFG_METRIC 1004
#define IDC_CFG_IMPERIAL 1005
#define IDC_CFG_VOLUME_LABEL 1006
#define IDC_CFG_BEGINNER 1007
#define IDC_CFG_INTERMEDIATE 1008
#define IDC_CFG_EXPERT 1009
#define IDC_CFG_EXPERIENCE_GROUP 1010
#define IDC_CFG_UNIT_GROUP 1011
#define IDC_CFG_MCDU_GROUP 1012
#define IDC_CFG_MOD_SHIFT 1013
#define IDC_CFG_MOD_CONTROL 1014
#define IDC_CFG_MOD_CONTROL_SHIFT 1015
#define IDC_CFG_MOD_WINDOWS 1016
#define IDC_CFG_LOCK_SCROLL 1017
#define IDC_CFG_LOCK_CAPS 1018
#define IDC_CFG_LOCK_NUM 1019
#define IDC_CFG_LOCK_NONE 1020
#define IDC_CFG_IRS_LABEL 1021
#define IDC_CFG_COLD_AND_DARK 1022
#define IDC_CFG_PUSHBACK_STANDARD 1023
#define IDC_CFG_PUSHBACK_PPU 1024
#define IDC_CFG_IRS_TIME 1025
#define IDC_CFG_AUTO_PAUSE 1026
#define IDC_CFG_FSUIPC 1027
#define IDC_CFG_FMGC_SAVE_MODE 1028  // no such control in the template

// Key Assignments (144)
#define IDC_KC_COMMANDS 1001
#define IDC_KC_ASSIGNMENT 1007
#define IDC_KC_CHANGE 1008

// Key Assignment (130)
#define IDC_KA_COMMAND 1010
#define IDC_KA_PROMPT 1012
#define IDC_KA_HOTKEY 1013

// Restore Original Files (146); Close is IDCANCEL
#define IDC_RO_PROMPT 1000
#define IDC_RO_FILES 1001
#define IDC_RO_RESTORE 1002

// Flight plan (200), used by the load manager and the Fuel Planner; Cancel is IDCANCEL
#define IDC_PLAN_USE_KEPT 1200
#define IDC_PLAN_BY_NAME 1201
#define IDC_PLAN_BY_ID 1202
#define IDC_PLAN_USER 1203
#define IDC_PLAN_FETCH 1204
#define IDC_PLAN_STATUS 1205
#define IDC_PLAN_OPEN 1206
