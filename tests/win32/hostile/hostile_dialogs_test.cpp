// Every tool opened from the main menu and saved with OK, as a user would,
// over files that a user or another program could leave behind: the save
// works and changes only the tool's own lines, or a clear error is shown
// and the file is left byte for byte. Nothing crashes or hangs.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/app_context.h"
#include "app/main_menu_dialog.h"
#include "payload/aircraft_files.h"
#include "platform/files.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/hostile/tool_files.h"
#include "tests/win32/hostile/tool_runs.h"
#include "tests/win32/support/ui_driver.h"

namespace {

namespace fs = std::filesystem;
using hostile::Tool;

class HostileDialogs : public testing::Test {
  protected:
    void SetUp() override {
        m_sim.Make(L"corvel-hostile");
        m_menuWindow = m_menu.Create();
        ASSERT_TRUE(m_menuWindow);
        m_sim.UseInApp();
    }
    void TearDown() override {
        DestroyWindow(m_menuWindow);
        m_sim.Remove();
        ResetApp();
    }

    // Opens and saves the tool over bytes; the save must change only the
    // tool's lines, or be refused with error and leave the file as it was.
    void Expect(Tool tool, const std::string& bytes, files::Error error = files::Error::None,
                size_t filesAfter = 1) {
        SCOPED_TRACE(hostile::ToolName(tool));
        const std::string path = m_sim.PathFor(tool);
        hostile::PutBytes(path, bytes);
        const hostile::ToolRun run = hostile::RunTool(m_menuWindow, tool);
        ASSERT_TRUE(run.opened);
        const std::string after = hostile::GetBytes(path);
        if (error == files::Error::None) {
            EXPECT_EQ(run.boxes, hostile::SavedBoxes(tool));
            EXPECT_TRUE(after == hostile::Rewritten(bytes, after, hostile::WritesOf(tool)))
                << "the save changed more than the tool's own lines";
        } else {
            EXPECT_EQ(run.boxes, hostile::FailureBoxes(tool, path, error));
            EXPECT_TRUE(after == bytes) << "a refused file was changed";
        }
        EXPECT_EQ(hostile::FilesIn(path), filesAfter) << "a temporary was left";
    }

    hostile::SimFolder m_sim;
    CMainMenuDlg m_menu;
    HWND m_menuWindow = nullptr;
};

class CorpusThroughDialogs : public HostileDialogs,
                             public testing::WithParamInterface<std::string> {};

TEST_P(CorpusThroughDialogs, EveryToolSavesOnlyItsLinesOrShowsAnError) {
    const std::string bytes = hostile::CorpusBytes(GetParam());
    const files::Error error =
        hostile::Refused(bytes, bytes.size()) ? files::Error::Unsupported : files::Error::None;
    for (Tool tool : hostile::kFileTools) {
        Expect(tool, bytes, error);
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusThroughDialogs, testing::ValuesIn(hostile::CorpusFiles()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             for (char& c : name) {
                                 c = isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST_F(HostileDialogs, TenMegabytesOnOneLine) {
    for (Tool tool : hostile::kFileTools) {
        Expect(tool, std::string(10 * 1024 * 1024, 'x'));
    }
}

SIZE_T PeakWorkingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
}

TEST_F(HostileDialogs, TwoHundredMegabytesAreRefusedWithoutBeingRead) {
    std::string chunk;
    while (chunk.size() < 1024 * 1024) {
        chunk += "[Keys]\r\nCommand.00-Key=84\r\n[WEIGHT_AND_BALANCE]\r\nempty_weight=93500\r\n";
    }
    chunk.resize(1024 * 1024);
    for (Tool tool : hostile::kFileTools) {
        SCOPED_TRACE(hostile::ToolName(tool));
        const std::string path = m_sim.PathFor(tool);
        {
            std::ofstream out(fs::path(ui::Widen(path)), std::ios::binary);
            for (int i = 0; i < 200; ++i) {
                out << chunk;
            }
        }
        const auto written = fs::last_write_time(fs::path(ui::Widen(path)));
        const SIZE_T peakBefore = PeakWorkingSet();
        const hostile::ToolRun run = hostile::RunTool(m_menuWindow, tool);
        EXPECT_LT(PeakWorkingSet() - peakBefore, SIZE_T{64} * 1024 * 1024) << "the file was read";
        EXPECT_TRUE(run.opened);
        EXPECT_EQ(run.boxes, hostile::FailureBoxes(tool, path, files::Error::TooLarge));
        EXPECT_EQ(fs::file_size(fs::path(ui::Widen(path))), 200u * 1024 * 1024);
        EXPECT_EQ(fs::last_write_time(fs::path(ui::Widen(path))), written);
        DeleteFileW(ui::Widen(path).c_str());
    }
}

TEST_F(HostileDialogs, ReadOnlyFileIsRefusedAndKept) {
    const std::string bytes = hostile::CorpusBytes("prefs_plain_crlf.cfg");
    for (Tool tool : hostile::kFileTools) {
        SCOPED_TRACE(hostile::ToolName(tool));
        const std::string path = m_sim.PathFor(tool);
        hostile::PutBytes(path, bytes);
        SetFileAttributesW(ui::Widen(path).c_str(), FILE_ATTRIBUTE_READONLY);
        const hostile::ToolRun run = hostile::RunTool(m_menuWindow, tool);
        EXPECT_EQ(run.boxes, hostile::FailureBoxes(tool, path, files::Error::AccessDenied));
        EXPECT_TRUE(GetFileAttributesW(ui::Widen(path).c_str()) & FILE_ATTRIBUTE_READONLY);
        SetFileAttributesW(ui::Widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_TRUE(hostile::GetBytes(path) == bytes);
    }
}

TEST_F(HostileDialogs, FileHeldByAnotherProgramIsRefusedThenSavedOnceFreed) {
    const std::string bytes = hostile::CorpusBytes("aircraft_plain_crlf.cfg");
    for (Tool tool : hostile::kFileTools) {
        SCOPED_TRACE(hostile::ToolName(tool));
        const std::string path = m_sim.PathFor(tool);
        hostile::PutBytes(path, bytes);
        // Held open for reading, without letting others write, as an editor may.
        HANDLE held = CreateFileW(ui::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        const hostile::ToolRun refused = hostile::RunTool(m_menuWindow, tool);
        CloseHandle(held);
        EXPECT_EQ(refused.boxes, hostile::FailureBoxes(tool, path, files::Error::AccessDenied));
        EXPECT_TRUE(hostile::GetBytes(path) == bytes);
        EXPECT_EQ(hostile::RunTool(m_menuWindow, tool).boxes, hostile::SavedBoxes(tool));
    }
}

// What a writer killed before its rename leaves next to the file: the next
// save removes it, and nothing of anyone else's.
TEST_F(HostileDialogs, NextSaveRemovesADeadWritersTemporary) {
    const std::string path = m_sim.PathFor(Tool::KeyAssignments);
    const std::string ours =
        path + ".~" + std::to_string(GetCurrentProcessId()) + "-7.tmp";  // perhaps in progress
    hostile::PutBytes(path + ".~99999996-0.tmp", "[Keys]\r\nCommand.00-");
    hostile::PutBytes(ours, "[Keys]\r\n");
    hostile::PutBytes(path + ".bak", "[Keys]\r\n");
    Expect(Tool::KeyAssignments, hostile::CorpusBytes("prefs_plain_crlf.cfg"), files::Error::None,
           3);
    EXPECT_FALSE(fs::exists(fs::path(ui::Widen(path + ".~99999996-0.tmp"))));
    EXPECT_TRUE(fs::exists(fs::path(ui::Widen(ours))));
    EXPECT_TRUE(fs::exists(fs::path(ui::Widen(path + ".bak"))));
}

TEST_F(HostileDialogs, FolderWhereTheFileShouldBe) {
    for (Tool tool : hostile::kFileTools) {
        SCOPED_TRACE(hostile::ToolName(tool));
        const std::string path = m_sim.PathFor(tool);
        DeleteFileW(ui::Widen(path).c_str());
        ASSERT_TRUE(CreateDirectoryW(ui::Widen(path).c_str(), nullptr));
        const hostile::ToolRun run = hostile::RunTool(m_menuWindow, tool);
        if (tool == Tool::LoadManager) {
            // A folder is no aircraft file: the aircraft is not installed.
            EXPECT_FALSE(run.opened);
            EXPECT_EQ(run.boxes, (std::vector<hostile::Box>{{msg::kCaptionError, msg::kNotInstalled,
                                                             MB_ICONEXCLAMATION}}));
        } else {
            EXPECT_EQ(run.boxes, hostile::FailureBoxes(tool, path, files::Error::IsDirectory));
        }
        EXPECT_TRUE(fs::is_directory(fs::path(ui::Widen(path))));
        RemoveDirectoryW(ui::Widen(path).c_str());
    }
}

}  // namespace
