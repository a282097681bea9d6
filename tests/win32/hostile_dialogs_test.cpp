// Every tool opened from the main menu and saved with OK, as a user would, over files
// that a user or another program could leave behind: the right error box is shown and
// the file is left byte for byte. What the text rules make of each file of the hostile
// corpus is the native tests' part.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/main_menu_dialog.h"
#include "platform/win32/controls.h"
#include "res/resource.h"
#include "tests/hostile/tool_files.h"
#include "tests/win32/support/ui_driver.h"

namespace {

namespace fs = std::filesystem;
using hostile::Tool;

// Each tool (in Tool order): its menu button, its file under the simulator folder, a line
// its save writes, the box after a save, its failures' first paragraph and icon.
struct ToolUi {
    int menuButton;
    const char* file;
    const char* written;
    const char* saved;
    const char* notSaved;
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

// A scratch simulator folder whose name has accented Latin, Cyrillic and CJK letters: no
// ANSI code page holds them all, so any use of the ANSI API breaks the tests.
class HostileDialogs : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(m_window = m_menu.Create()); }
    void TearDown() override {
        DestroyWindow(m_window);
        fs::remove_all(ui::Widen(m_folder));
    }
    std::string PathFor(Tool tool) const { return m_folder + kUi[int(tool)].file; }
    testui::Boxes Saved(Tool tool) const {
        const char* saved = kUi[int(tool)].saved;
        return saved
                   ? testui::Boxes{{"WARNING", testui::Message(saved), MB_ICONINFORMATION, nullptr}}
                   : testui::Boxes{};
    }
    testui::Boxes Failure(Tool tool, const char* advice) const {
        const ToolUi& ui = kUi[int(tool)];
        return {{"ERROR",
                 testui::Message(ui.notSaved) + PathFor(tool) + "\n\n" + testui::Message(advice),
                 ui.failureIcon, nullptr}};
    }
    // Opens the tool from the menu (choosing the A320), presses OK, then Cancel if a failed
    // save kept it open. The boxes shown.
    testui::Boxes RunTool(Tool tool, bool& opened) {
        auto boxes = testui::AnswerMessageBoxes(
            [&] { testui::Click(m_window, kUi[int(tool)].menuButton); },
            [&](HWND dialog) {
                const bool selector = testui::Text(dialog) == "Aircraft Selector";
                opened = opened || !selector;
                testui::Click(dialog, selector ? IDC_SEL_A320 : IDOK);
                if (IsWindow(dialog) && IsWindowVisible(dialog)) {
                    testui::Click(dialog, IDCANCEL);
                }
            });
        for (testui::MessageBoxInfo& box : boxes) {
            box.owner = nullptr;  // the menu's or the tool's: the dialogs' own tests tell
        }
        return boxes;
    }
    testui::Boxes RunTool(Tool tool) {
        bool opened = false;
        return RunTool(tool, opened);
    }
    // Opens and saves the tool over bytes: saved with the tool's lines written, or refused
    // (with the advice shown) and the file as it was; no temporary left.
    void Expect(Tool tool, const std::string& bytes, const char* advice, size_t filesAfter = 1) {
        SCOPED_TRACE(hostile::ToolName(tool));
        testui::Put(PathFor(tool), bytes);
        bool opened = false;
        EXPECT_EQ(RunTool(tool, opened), advice ? Failure(tool, advice) : Saved(tool));
        EXPECT_TRUE(opened);
        const std::string after = testui::Bytes(PathFor(tool));
        EXPECT_TRUE(advice ? after == bytes
                           : after.find(kUi[int(tool)].written) != std::string::npos)
            << after;
        const fs::path folder = fs::path(ui::Widen(PathFor(tool))).parent_path();
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), filesAfter);
    }

    const std::string m_folder = testui::TempPath(ui::Narrow(
        L"corvel-hostile \u00e9\u00fc \u0421\u0438\u043c\u0443\u043b\u044f\u0442\u043e\u0440 "
        L"\u6a21\u62df\u5668-" +
        std::to_wstring(GetCurrentProcessId())));
    // The paths as LocateFiles would find them for m_folder.
    CMainMenuDlg m_menu{[this] { return LocateFilesFrom(m_folder, "unused"); }};
    HWND m_window = nullptr;
};

// Files the save cannot replace: UTF-16 or with NUL bytes (the text rules' part), 200 MB
// (never read into memory), read-only, held open without letting others write (as an
// editor may), a folder in the file's place. Each is refused, naming the file and the
// reason, and left as it was.
TEST_F(HostileDialogs, UnwritableFileIsRefusedAndKept) {
    const std::string bytes = hostile::CorpusBytes("prefs_plain_crlf.cfg");
    std::string chunk;  // aircraft and key lines
    while (chunk.size() < 1024 * 1024) {
        chunk +=
            "[WEIGHT_AND_BALANCE]\r\nstation_load.4 = \"1984, 26.0, 0.0, 0.0, First\"\r\n"
            "[Keys]\r\nCommand.00-Key=84\r\n";
    }
    chunk.resize(1024 * 1024);
    for (Tool tool : hostile::kFileTools) {
        SCOPED_TRACE(hostile::ToolName(tool));
        for (const char* name : {"aircraft_utf16le_bom.cfg", "prefs_nul_bytes.cfg"}) {
            Expect(tool, hostile::CorpusBytes(name), "unsupported_file_advice");
        }
        const std::wstring path = ui::Widen(PathFor(tool));
        testui::Put(PathFor(tool), "");
        for (std::ofstream out(fs::path(path), std::ios::binary);
             fs::file_size(path) < 200u << 20;) {
            out << chunk << std::flush;
        }
        const auto written = fs::last_write_time(path);
        PROCESS_MEMORY_COUNTERS memory{};
        GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
        const SIZE_T peakBefore = memory.PeakWorkingSetSize;
        bool opened = false;
        EXPECT_EQ(RunTool(tool, opened), Failure(tool, "too_large_file_advice"));
        EXPECT_TRUE(opened);
        GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
        EXPECT_LT(memory.PeakWorkingSetSize - peakBefore, SIZE_T{64} << 20) << "read";
        EXPECT_EQ(fs::file_size(path), 200u << 20);
        EXPECT_EQ(fs::last_write_time(path), written);

        testui::Put(PathFor(tool), bytes);
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
        EXPECT_EQ(RunTool(tool), Failure(tool, "access_denied_advice"));
        EXPECT_TRUE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY);
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        const testui::Boxes refused = RunTool(tool);
        CloseHandle(held);
        EXPECT_EQ(refused, Failure(tool, "access_denied_advice"));
        EXPECT_TRUE(testui::Bytes(PathFor(tool)) == bytes);
        EXPECT_EQ(RunTool(tool), Saved(tool));  // once freed

        fs::remove(path);
        fs::create_directory(path);
        // A folder is no aircraft file: that aircraft is not installed.
        const testui::Boxes notInstalled = {
            {"ERROR", testui::Message("not_installed"), MB_ICONEXCLAMATION, nullptr}};
        EXPECT_EQ(RunTool(tool), tool == Tool::LoadManager
                                     ? notInstalled
                                     : Failure(tool, "folder_in_the_way_advice"));
        EXPECT_TRUE(fs::is_directory(path));
        fs::remove(path);
    }
}

// What a writer killed before its rename leaves next to the file: the next
// save removes it, and nothing of anyone else's.
TEST_F(HostileDialogs, NextSaveRemovesADeadWritersTemporary) {
    const std::string path = PathFor(Tool::KeyAssignments);
    const std::string ours = path + ".~" + std::to_string(GetCurrentProcessId()) + "-7.tmp";
    for (const std::string& file : {path + ".~99999996-0.tmp", ours, path + ".bak"}) {
        testui::Put(file, "[Keys]\r\nCommand.00-");
    }
    Expect(Tool::KeyAssignments, "", nullptr, 3);
    EXPECT_FALSE(fs::exists(ui::Widen(path + ".~99999996-0.tmp")));
    EXPECT_TRUE(fs::exists(ui::Widen(ours)) && fs::exists(ui::Widen(path + ".bak")));
}

// The folder found through the registry, in the 32-bit view where the simulator's
// installer writes it. CTest runs this (and the refusals, which name the file) under
// several ANSI code pages.
class UnicodeSimulatorFolder : public HostileDialogs {};

TEST_F(UnicodeSimulatorFolder, EveryToolWorksThereWhateverTheCodePage) {
    std::cout << "[ figures  ] ANSI code page " << GetACP() << "\n";
    constexpr wchar_t kSimulatorKey[] =
        L"SOFTWARE\\WOW6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0";
    const std::wstring setupPath = ui::Widen(m_folder + "\\");
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kSimulatorKey, L"SetupPath", REG_SZ,
                              setupPath.c_str(), (setupPath.size() + 1) * sizeof(wchar_t)),
              ERROR_SUCCESS);
    testui::Put(PathFor(Tool::Configuration), "");
    DestroyWindow(m_window);
    CMainMenuDlg menu;
    m_window = menu.Create();
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kSimulatorKey, L"SetupPath");
    EXPECT_EQ(menu.Context().simFolder, m_folder + "\\");
    // Both writers of Prefs.cfg must reach the one file in this folder.
    for (Tool tool : hostile::kFileTools) {
        Expect(tool, "", nullptr);
    }
}

}  // namespace
