// A simulator folder whose path holds accented Latin, Cyrillic and CJK
// characters, found through the registry as the simulator's installer
// leaves it, and used end to end: every tool reads and writes its file
// there, and a failure shows the path as it is. CTest runs this under
// several ANSI code pages; none of them holds all of these characters, so
// any use of the ANSI API on the way would break it.
#include <windows.h>

#include <gtest/gtest.h>

#include <iostream>

#include "app/app_context.h"
#include "app/main_menu_dialog.h"
#include "platform/files.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "tests/win32/hostile/tool_runs.h"

namespace {

using hostile::Tool;

constexpr wchar_t kSimulatorKey[] = L"SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0";

// The simulator's own value, in the 32-bit view where its installer writes it.
void SetSetupPath(const std::wstring& folder) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSimulatorKey, 0, nullptr, 0,
                              KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(
        RegSetValueExW(key, L"SetupPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                       static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t))),
        ERROR_SUCCESS);
    RegCloseKey(key);
}

void DeleteSetupPath() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSimulatorKey, 0, KEY_SET_VALUE | KEY_WOW64_32KEY,
                      &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, L"SetupPath");
        RegCloseKey(key);
    }
}

TEST(UnicodeSimulatorFolder, EveryToolWorksThereWhateverTheCodePage) {
    std::cout << "[ figures  ] ANSI code page " << GetACP() << "\n";
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) +
                                L"Flight Simulator X \u00e9\u00fc \u0421\u0438\u043c\u0443"
                                L"\u043b\u044f\u0442\u043e\u0440 \u6a21\u62df\u5668";
    hostile::SimFolder sim;
    sim.MakeAt(ui::Narrow(folder));
    const std::string aircraft = hostile::CorpusBytes("aircraft_plain_crlf.cfg");
    const std::string prefs = hostile::CorpusBytes("prefs_plain_crlf.cfg");
    hostile::PutBytes(sim.PathFor(Tool::LoadManager), aircraft);
    hostile::PutBytes(sim.PathFor(Tool::Configuration), prefs);
    SetSetupPath(folder + L"\\");

    ResetApp();
    CMainMenuDlg menu;
    HWND menuWindow = menu.Create();
    ASSERT_TRUE(menuWindow);
    EXPECT_EQ(App().simFolder, sim.path() + "\\");
    EXPECT_TRUE(files::FileExists(App().prefsPath)) << App().prefsPath;

    for (Tool tool : hostile::kFileTools) {
        SCOPED_TRACE(hostile::ToolName(tool));
        const std::string before = hostile::GetBytes(sim.PathFor(tool));
        const hostile::ToolRun run = hostile::RunTool(menuWindow, tool);
        EXPECT_TRUE(run.opened);
        EXPECT_EQ(run.boxes, hostile::SavedBoxes(tool));
        const std::string after = hostile::GetBytes(sim.PathFor(tool));
        EXPECT_TRUE(after == hostile::Rewritten(before, after, hostile::WritesOf(tool)));
    }
    // Both writers of Prefs.cfg went to the one file in the Unicode folder.
    EXPECT_NE(hostile::GetBytes(sim.PathFor(Tool::Configuration)).find("Command.90-Key="),
              std::string::npos);

    // A failure names the file by its path, characters and all. (The file
    // as it was before the first save, so that there is something to write.)
    const std::wstring aircraftPath = ui::Widen(sim.PathFor(Tool::LoadManager));
    hostile::PutBytes(sim.PathFor(Tool::LoadManager), aircraft);
    SetFileAttributesW(aircraftPath.c_str(), FILE_ATTRIBUTE_READONLY);
    const hostile::ToolRun refused = hostile::RunTool(menuWindow, Tool::LoadManager);
    SetFileAttributesW(aircraftPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    const std::string shownPath =
        App().simFolder + sim.PathFor(Tool::LoadManager).substr(sim.path().size());
    EXPECT_EQ(refused.boxes,
              hostile::FailureBoxes(Tool::LoadManager, shownPath, files::Error::AccessDenied));

    DestroyWindow(menuWindow);
    DeleteSetupPath();
    sim.Remove();
    ResetApp();
}

}  // namespace
