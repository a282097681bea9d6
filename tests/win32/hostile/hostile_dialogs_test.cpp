// Every tool opened from the main menu and saved with OK, as a user would,
// over files that a user or another program could leave behind: the save
// works, or the right error box is shown and the file is left byte for byte.
// What the text rules make of each file is the native tests' part.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/main_menu_dialog.h"
#include "payload/aircraft_files.h"
#include "platform/files.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/hostile/tool_files.h"
#include "tests/win32/support/ui_driver.h"

namespace {

namespace fs = std::filesystem;
using hostile::Tool;
using Box = std::tuple<std::string, std::string, UINT>;  // caption, text, icon

// Each tool's menu button and boxes (the key assignments save silently).
struct ToolUi {
    int menuButton;
    const char* saved;
    const char* notSaved;
    UINT failureIcon;
};
constexpr ToolUi kUi[] = {
    {IDC_MENU_LOAD_MANAGER, msg::kPayloadSaved, msg::kPayloadNotSaved, MB_ICONEXCLAMATION},
    {IDC_MENU_CONFIGURATION, msg::kConfigurationNote, msg::kConfigurationNotSaved, MB_ICONERROR},
    {IDC_MENU_KEY_ASSIGNMENTS, nullptr, msg::kKeysNotSaved, MB_ICONERROR},
};
const ToolUi& UiOf(Tool tool) {
    return kUi[static_cast<int>(tool)];
}

std::vector<Box> Saved(Tool tool) {
    return UiOf(tool).saved
               ? std::vector<Box>{{msg::kCaptionWarning, UiOf(tool).saved, MB_ICONINFORMATION}}
               : std::vector<Box>{};
}

std::vector<Box> Failure(Tool tool, const std::string& path, files::Error error) {
    return {{msg::kCaptionError,
             msg::SaveFailure(UiOf(tool).notSaved, path, files::Status::Fail(error, "")),
             UiOf(tool).failureIcon}};
}

// The boxes shown; opened tells whether the tool's dialog appeared.
bool g_ignored;
std::vector<Box> RunTool(HWND menu, Tool tool, bool& opened = g_ignored) {
    std::vector<Box> shown;
    const auto boxes = testui::AnswerMessageBoxes(
        [&] { testui::Click(menu, UiOf(tool).menuButton); },
        [&](HWND dialog) {
            if (testui::Text(dialog) == "Aircraft Selector") {
                testui::Click(dialog, IDC_SEL_A320);
                testui::Click(dialog, IDCANCEL);
                return;
            }
            opened = true;
            testui::Click(dialog, IDOK);
            if (IsWindow(dialog) && IsWindowVisible(dialog)) {
                testui::Click(dialog, IDCANCEL);  // a failed save keeps the dialog open
            }
        });
    for (const testui::MessageBoxInfo& box : boxes) {
        shown.emplace_back(box.caption, box.text, box.icon);
    }
    return shown;
}

// 200 MB of aircraft and key lines, written so that the test never holds it.
void MakeHugeFile(const std::filesystem::path& file) {
    std::string chunk;
    while (chunk.size() < 1024 * 1024) {
        chunk +=
            "[WEIGHT_AND_BALANCE]\r\nstation_load.4 = \"1984, 26.0, 0.0, 0.0, First\"\r\n"
            "[Keys]\r\nCommand.00-Key=84\r\n";
    }
    chunk.resize(1024 * 1024);
    std::ofstream out(file, std::ios::binary);
    for (int i = 0; i < 200; ++i) {
        out << chunk;
    }
}

// A scratch simulator folder with the A320's folder and the add-on's
// folder in it. Its name has accented Latin, Cyrillic and CJK letters: no
// ANSI code page holds them all, so any use of the ANSI API breaks the tests.
class HostileDialogs : public testing::TestWithParam<std::string> {
  protected:
    static fs::path Wide(const std::string& path) { return ui::Widen(path); }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(Wide(path), std::ios::binary) << bytes;
    }
    static std::string Get(const std::string& path) { return hostile::ReadBytes(Wide(path)); }
    void SetUp() override {
        fs::create_directories(Wide(PathFor(Tool::LoadManager)).parent_path());
        fs::create_directories(Wide(PathFor(Tool::Configuration)).parent_path());
        m_menuWindow = m_menu.Create();
        ASSERT_TRUE(m_menuWindow);
    }
    void TearDown() override {
        DestroyWindow(m_menuWindow);
        fs::remove_all(Wide(m_folder));
    }
    std::string PathFor(Tool tool) const {
        return tool == Tool::LoadManager ? AircraftFilePaths(AircraftType::A320, m_folder).base
                                         : m_folder + "\\Norvane\\Corvel\\Prefs.cfg";
    }

    // Opens and saves the tool over bytes: saved with only the tool's lines
    // changed, or refused with error and the file as it was.
    void Expect(Tool tool, const std::string& bytes, files::Error error, size_t filesAfter = 1) {
        SCOPED_TRACE(hostile::ToolName(tool));
        const std::string path = PathFor(tool);
        Put(path, bytes);
        fs::remove(Wide(files::OriginalPath(path)));
        bool opened = false;
        const std::vector<Box> boxes = RunTool(m_menuWindow, tool, opened);
        ASSERT_TRUE(opened);
        const std::string after = Get(path);
        if (error == files::Error::None) {
            EXPECT_EQ(boxes, Saved(tool));
            EXPECT_TRUE(after == hostile::Rewritten(tool, bytes, after))
                << "the save changed more than the tool's own lines";
        } else {
            EXPECT_EQ(boxes, Failure(tool, path, error));
            EXPECT_TRUE(after == bytes) << "a refused file was changed";
        }
        // The file before the first save is kept byte for byte, and only then.
        const bool changed = after != bytes;
        EXPECT_EQ(fs::exists(Wide(files::OriginalPath(path))), changed);
        EXPECT_TRUE(!changed || Get(files::OriginalPath(path)) == bytes);
        EXPECT_EQ(std::distance(fs::directory_iterator(Wide(path).parent_path()), {}),
                  filesAfter + (changed ? 1 : 0))
            << "a temporary was left";
    }

    const std::string m_folder =
        ui::Narrow((fs::temp_directory_path() /
                    (L"corvel-hostile \u00e9\u00fc \u0421\u0438\u043c\u0443\u043b\u044f"
                     L"\u0442\u043e\u0440 \u6a21\u62df\u5668-" +
                     std::to_wstring(GetCurrentProcessId())))
                       .wstring());  // no trailing backslash
    // The paths as LocateFiles would find them for m_folder.
    CMainMenuDlg m_menu{[this] { return LocateFilesFrom(m_folder, "unused"); }};
    HWND m_menuWindow = nullptr;
};

// Every file of the corpus, as the Windows file layer and the dialogs see it.
TEST_P(HostileDialogs, EveryToolSavesOnlyItsLinesOrShowsAnError) {
    const std::string bytes = hostile::CorpusBytes(GetParam());
    for (Tool tool : hostile::kFileTools) {
        Expect(tool, bytes,
               hostile::Refused(bytes) ? files::Error::Unsupported : files::Error::None);
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, HostileDialogs, testing::ValuesIn(hostile::CorpusFiles()));

// Files the save cannot replace: 200 MB (never read into memory), read-only,
// held open for reading without letting others write (as an editor may), a
// folder in the file's place. Each is refused, naming the file and the
// reason, and left as it was.
TEST_F(HostileDialogs, UnwritableFileIsRefusedAndKept) {
    const std::string bytes = hostile::CorpusBytes("prefs_plain_crlf.cfg");
    PROCESS_MEMORY_COUNTERS memory{};
    for (Tool tool : hostile::kFileTools) {
        SCOPED_TRACE(hostile::ToolName(tool));
        const std::string path = PathFor(tool);
        const std::wstring wide = ui::Widen(path);
        MakeHugeFile(wide);
        const auto written = fs::last_write_time(wide);
        GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
        const SIZE_T peakBefore = memory.PeakWorkingSetSize;
        bool opened = false;
        EXPECT_EQ(RunTool(m_menuWindow, tool, opened), Failure(tool, path, files::Error::TooLarge));
        GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
        EXPECT_LT(memory.PeakWorkingSetSize - peakBefore, SIZE_T{64} * 1024 * 1024) << "read";
        EXPECT_TRUE(opened);
        EXPECT_EQ(fs::file_size(wide), 200u * 1024 * 1024);
        EXPECT_EQ(fs::last_write_time(wide), written);

        Put(path, bytes);
        SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY);
        EXPECT_EQ(RunTool(m_menuWindow, tool), Failure(tool, path, files::Error::AccessDenied));
        EXPECT_TRUE(GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_READONLY);
        SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_TRUE(Get(path) == bytes);

        HANDLE held = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        const std::vector<Box> refused = RunTool(m_menuWindow, tool);
        CloseHandle(held);
        EXPECT_EQ(refused, Failure(tool, path, files::Error::AccessDenied));
        EXPECT_TRUE(Get(path) == bytes);
        EXPECT_EQ(RunTool(m_menuWindow, tool), Saved(tool));  // once freed

        DeleteFileW(wide.c_str());
        ASSERT_TRUE(CreateDirectoryW(wide.c_str(), nullptr));
        opened = false;
        const std::vector<Box> boxes = RunTool(m_menuWindow, tool, opened);
        if (tool == Tool::LoadManager) {
            // A folder is no aircraft file: the aircraft is not installed.
            EXPECT_FALSE(opened);
            EXPECT_EQ(boxes, std::vector<Box>(
                                 {{msg::kCaptionError, msg::kNotInstalled, MB_ICONEXCLAMATION}}));
        } else {
            EXPECT_EQ(boxes, Failure(tool, path, files::Error::IsDirectory));
        }
        EXPECT_TRUE(fs::is_directory(wide));
        RemoveDirectoryW(wide.c_str());
    }
}

// What a writer killed before its rename leaves next to the file: the next
// save removes it, and nothing of anyone else's.
TEST_F(HostileDialogs, NextSaveRemovesADeadWritersTemporary) {
    const std::string path = PathFor(Tool::KeyAssignments);
    const std::string ours =
        path + ".~" + std::to_string(GetCurrentProcessId()) + "-7.tmp";  // perhaps in progress
    Put(path + ".~99999996-0.tmp", "[Keys]\r\nCommand.00-");
    Put(ours, "[Keys]\r\n");
    Put(path + ".bak", "[Keys]\r\n");
    Expect(Tool::KeyAssignments, hostile::CorpusBytes("prefs_plain_crlf.cfg"), files::Error::None,
           3);
    EXPECT_FALSE(fs::exists(Wide(path + ".~99999996-0.tmp")));
    EXPECT_TRUE(fs::exists(Wide(ours)));
    EXPECT_TRUE(fs::exists(Wide(path + ".bak")));
}

// The folder found through the registry, in the 32-bit view where the
// simulator's installer writes it. CTest runs this (and the refusals, which
// name the file) under several ANSI code pages.
class UnicodeSimulatorFolder : public HostileDialogs {};

TEST_F(UnicodeSimulatorFolder, EveryToolWorksThereWhateverTheCodePage) {
    std::cout << "[ figures  ] ANSI code page " << GetACP() << "\n";
    constexpr wchar_t kSimulatorKey[] =
        L"SOFTWARE\\WOW6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0";
    const std::wstring setupPath = ui::Widen(m_folder + "\\");
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kSimulatorKey, L"SetupPath", REG_SZ,
                              setupPath.c_str(), (setupPath.size() + 1) * sizeof(wchar_t)),
              ERROR_SUCCESS);
    const std::string prefs = hostile::CorpusBytes("prefs_plain_crlf.cfg");
    Put(PathFor(Tool::Configuration), prefs);
    DestroyWindow(m_menuWindow);
    CMainMenuDlg menu;
    m_menuWindow = menu.Create();
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kSimulatorKey, L"SetupPath");
    ASSERT_TRUE(m_menuWindow);
    EXPECT_EQ(menu.Context().simFolder, m_folder + "\\");
    EXPECT_TRUE(files::FileExists(menu.Context().prefsPath)) << menu.Context().prefsPath;
    // Both writers of Prefs.cfg must reach the one file in this folder.
    Expect(Tool::LoadManager, hostile::CorpusBytes("aircraft_plain_crlf.cfg"), files::Error::None);
    Expect(Tool::Configuration, prefs, files::Error::None);
    Expect(Tool::KeyAssignments, prefs, files::Error::None);
}

}  // namespace
