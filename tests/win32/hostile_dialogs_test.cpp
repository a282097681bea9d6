// Every tool opened from the main menu and saved with OK over what could stand in its file's place:
// each kind of failure once through a real dialog (which advice for which: the native tests).
#include "tests/win32/support/ui_driver.h"  // <windows.h> before <psapi.h>

#include <psapi.h>

#include <iostream>

#include "app/main_menu_dialog.h"
#include "tests/hostile/tool_files.h"

namespace {

using hostile::Tool;

// Each tool (in Tool order): its menu button, its file under the simulator folder, a line its save
// writes into an empty file, the box after a save, its failures' first paragraph and icon.
struct ToolUi {
    int menuButton;
    const char *file, *written, *saved, *notSaved;
    UINT failureIcon;
};
constexpr ToolUi kUi[] = {
    {IDC_MENU_LOAD_MANAGER, "\\SimObjects\\Airplanes\\Norvane Zelvia A320\\Aircraft.cfg",
     "\r\nstation_load.4=\"0,   26.0, 0.0, 0.0, First\"\r\n", "payload_saved", "payload_not_saved",
     MB_ICONEXCLAMATION},
    {IDC_MENU_CONFIGURATION, "\\Norvane\\Corvel\\Prefs.cfg", "\r\nUnitSystem=0\r\n",
     "configuration_note", "configuration_not_saved", MB_ICONERROR},
    {IDC_MENU_KEY_ASSIGNMENTS, "\\Norvane\\Corvel\\Prefs.cfg", "\r\nCommand.00-Key=20\r\n", nullptr,
     "keys_not_saved", MB_ICONERROR},  // saved silently
};

// A scratch simulator folder whose name has accented Latin, Cyrillic and CJK letters: no ANSI code
// page holds them all, so any use of the ANSI API breaks the tests.
class HostileDialogs : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(m_window = m_menu.Create()); }
    void TearDown() override {
        DestroyWindow(m_window);
        fs::remove_all(ui::Widen(m_folder));
    }
    // Opens the tool (choosing the A320) over content ("": an empty file; a corpus file; "huge":
    // 200 MB; "folder"), presses OK (then Cancel if kept open). Expects the box named (an advice,
    // or "saved"), the file as it was or with the tool's lines and its original, no temporary.
    void Expect(Tool tool, const std::string& content, const std::string& box) {
        SCOPED_TRACE(hostile::ToolName(tool));
        const ToolUi& ui = kUi[int(tool)];
        const std::string path = m_folder + ui.file;
        const fs::path wide = ui::Widen(path);
        const bool huge = content == "huge", folder = content == "folder";
        const std::string bytes =
            content.empty() || huge || folder ? "" : hostile::CorpusBytes(content);
        fs::remove_all(wide);  // a folder left by the row before
        fs::remove(ui::Widen(path + ".original"));
        testui::Put(path, bytes);
        if (huge) {
            std::ofstream(wide, std::ios::binary).seekp((200 << 20) - 1).put('\n');
        } else if (folder) {
            fs::remove(wide);
            fs::create_directory(wide);
        }
        const auto files = std::distance(fs::directory_iterator(wide.parent_path()), {});
        const auto written = fs::last_write_time(wide);
        PROCESS_MEMORY_COUNTERS memory{};
        GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
        const SIZE_T peakBefore = memory.PeakWorkingSetSize;

        bool opened = false;
        testui::Boxes boxes = testui::FromMenu(
            m_window, ui.menuButton,
            tool == Tool::LoadManager ? std::vector<std::vector<int>>{{IDC_SEL_A320}}
                                      : std::vector<std::vector<int>>{},
            [&](HWND dialog) {
                opened = true;
                testui::Click(dialog, IDOK);
                if (IsWindow(dialog) && IsWindowVisible(dialog)) {
                    testui::Click(dialog, IDCANCEL);
                }
            });
        for (testui::MessageBoxInfo& b : boxes) {
            b.owner = nullptr;  // the menu's or the tool's: the dialogs' own tests tell
        }
        const bool saved = box == "saved";
        testui::Boxes want;
        if (box == "not_installed") {
            want = {{"ERROR", testui::Message(box), MB_ICONEXCLAMATION, nullptr}};
        } else if (!saved) {
            want = {{"ERROR", testui::Message(ui.notSaved) + path + "\n\n" + testui::Message(box),
                     ui.failureIcon, nullptr}};
        } else if (ui.saved) {
            want = {{"WARNING", testui::Message(ui.saved), MB_ICONINFORMATION, nullptr}};
        }
        EXPECT_EQ(boxes, want);
        EXPECT_EQ(opened, box != "not_installed");
        GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
        EXPECT_LT(memory.PeakWorkingSetSize - peakBefore, SIZE_T{64} << 20) << "read whole";
        // A save keeps the file as it was before, byte for byte; a refusal keeps nothing.
        EXPECT_EQ(testui::Bytes(path + ".original"), saved ? bytes : "");
        EXPECT_EQ(std::distance(fs::directory_iterator(wide.parent_path()), {}), files + saved)
            << "a temporary";
        if (saved) {
            EXPECT_NE(testui::Bytes(path).find(ui.written), std::string::npos);
        } else {
            EXPECT_EQ(fs::last_write_time(wide), written);
            EXPECT_TRUE(folder || huge || testui::Bytes(path) == bytes);
        }
    }

    const std::string m_folder = testui::TempPath(ui::Narrow(
        L"corvel-hostile \u00e9\u00fc \u0421\u0438\u043c\u0443\u043b\u044f\u0442\u043e\u0440 "
        L"\u6a21\u62df\u5668-" +
        std::to_wstring(GetCurrentProcessId())));
    // The paths as LocateFiles would find them for m_folder.
    CMainMenuDlg m_menu{[this] {
        return SimulatorPaths{m_folder, m_folder + "\\Norvane\\Corvel\\Prefs.cfg", ""};
    }};
    HWND m_window = nullptr;
};

// UTF-16, NUL bytes, 200 MB (never read whole), a folder (for the load manager: no aircraft).
TEST_F(HostileDialogs, EachKindOfFileInTheWayIsRefusedAndKept) {
    Expect(Tool::LoadManager, "aircraft_utf16le_bom.cfg", "unsupported_file_advice");
    Expect(Tool::Configuration, "prefs_nul_bytes.cfg", "unsupported_file_advice");
    Expect(Tool::KeyAssignments, "huge", "too_large_file_advice");
    Expect(Tool::LoadManager, "huge", "too_large_file_advice");
    Expect(Tool::Configuration, "folder", "folder_in_the_way_advice");
    Expect(Tool::LoadManager, "folder", "not_installed");
}

// The folder found in the registry's 32-bit view; CTest runs this under several ANSI code pages.
TEST_F(HostileDialogs, EveryToolWorksInAUnicodeFolderWhateverTheCodePage) {
    std::cout << "[ figures  ] ANSI code page " << GetACP() << "\n";
    constexpr wchar_t kSimulatorKey[] =
        L"SOFTWARE\\WOW6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0";
    const std::wstring setupPath = ui::Widen(m_folder + "\\");
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kSimulatorKey, L"SetupPath", REG_SZ,
                              setupPath.c_str(), (setupPath.size() + 1) * sizeof(wchar_t)),
              ERROR_SUCCESS);
    testui::Put(m_folder + kUi[int(Tool::Configuration)].file, "");
    DestroyWindow(m_window);
    CMainMenuDlg menu;
    m_window = menu.Create();
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kSimulatorKey, L"SetupPath");
    EXPECT_EQ(menu.Context().simFolder, m_folder + "\\");
    for (Tool tool : hostile::kFileTools) {  // both writers of Prefs.cfg reach the one file
        Expect(tool, "", "saved");
    }
}

}  // namespace
