// The Windows file primitives under the safe save: what a replace keeps, what it refuses, which
// temporaries go; and writers killed with TerminateProcess. Started as
// "--rewrite <file> <event>", the program is such a writer: it sets the event, then rewrites the
// file until it is killed.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "tests/platform/killed_writer.h"

namespace {

namespace fs = std::filesystem;

// A folder of the test's own, removed with all it holds.
class Win32Files : public testing::Test, protected test_data::TempFolder {};

// This program again, as a writer of file: running once the event is set.
PROCESS_INFORMATION StartWriter(const std::string& file, const std::string& event) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = L"\"" + std::wstring(self) + L"\" --rewrite \"" + fs::path(file).wstring() +
                        L"\" " + fs::path(event).wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    HANDLE running = CreateEventA(nullptr, TRUE, FALSE, event.c_str());
    if (!CreateProcessW(self, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process) ||
        WaitForSingleObject(running, 60000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the writer did not start";
    }
    CloseHandle(running);
    return process;
}

void Kill(PROCESS_INFORMATION& process) {
    TerminateProcess(process.hProcess, 9);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// A replace keeps the file's hidden, system and not-indexed marks; a rename that must not replace
// never does, nor a create open a file that is there; a relative name is replaced too.
TEST_F(Win32Files, ReplaceKeepsAttributesAndRenameNeverReplaces) {
    const DWORD marks =
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    SetFileAttributesA(Put("Prefs.cfg", "[Common]\r\nUnitSystem=0\r\n").c_str(), marks);
    const DWORD held =
        GetFileAttributesA(Path("Prefs.cfg").c_str()) & marks;  // Wine: no not-indexed
    ASSERT_TRUE(held & FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(profile::WriteString("Common", "UnitSystem", "1", Path("Prefs.cfg")).ok());
    EXPECT_EQ(Get("Prefs.cfg"), "[Common]\r\nUnitSystem=1\r\n");
    EXPECT_EQ(GetFileAttributesA(Path("Prefs.cfg").c_str()) & marks, held);
    EXPECT_EQ(Get("Prefs.cfg.original"), "[Common]\r\nUnitSystem=0\r\n");
    SetFileAttributesA(Path("Prefs.cfg").c_str(), FILE_ATTRIBUTE_NORMAL);

    Put("a.cfg", "a");
    Put("b.cfg", "b");
    bool existed = false;
    EXPECT_FALSE(files::os::RenameNoReplace(Path("a.cfg"), Path("b.cfg"), existed).ok());
    EXPECT_TRUE(existed);
    EXPECT_EQ(Get("a.cfg") + Get("b.cfg"), "ab");
    EXPECT_TRUE(files::os::RenameNoReplace(Path("a.cfg"), Path("c.cfg"), existed).ok());
    EXPECT_EQ(Get("a.cfg") + Get("c.cfg"), "<missing>a");
    files::os::File created;
    EXPECT_FALSE(files::os::CreateNew(Path("c.cfg"), created.out(), existed).ok());
    EXPECT_TRUE(existed);
    EXPECT_EQ(Get("c.cfg"), "a");

    wchar_t before[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, before);
    SetCurrentDirectoryA(c_str());
    EXPECT_TRUE(files::ReplaceFile("b.cfg", "new").ok());
    SetCurrentDirectoryW(before);
    EXPECT_EQ(Get("b.cfg"), "new");
}

// A live writer's temporary stays, and goes with the next write once its process is killed (this
// process's and dead ones': the portable profile tests, run here too).
TEST_F(Win32Files, ALiveWritersTemporaryStaysUntilItIsKilled) {
    const std::string path = Put("Keys.cfg", "[Keys]\r\n");
    PROCESS_INFORMATION writer = StartWriter(Path("Other.cfg"), "corvel-files-live");
    const std::string live = "Keys.cfg.~" + std::to_string(writer.dwProcessId) + "-1.tmp";
    Put(live, "[Keys]\r\nCommand.00-");
    EXPECT_TRUE(profile::WriteString("Keys", "Command.00-Key", "20", path).ok());
    EXPECT_EQ(Get(live), "[Keys]\r\nCommand.00-");
    Kill(writer);
    EXPECT_TRUE(profile::WriteString("Keys", "Command.00-Key", "21", path).ok());
    EXPECT_EQ(Get(live), test_data::kMissing);
}

// A file held open by a program that lets nobody write is refused and left as it was (the other
// refusals are the portable profile tests', run here too).
TEST_F(Win32Files, RefusesAFileHeldWithoutWriteSharing) {
    HANDLE held = CreateFileA(Put("Held.cfg", "[S]\r\nk=v\r\n").c_str(), GENERIC_READ,
                              FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(profile::WriteString("S", "k", "w", Path("Held.cfg")).error,
              files::Error::AccessDenied);
    CloseHandle(held);
    EXPECT_EQ(Get("Held.cfg"), "[S]\r\nk=v\r\n");
    EXPECT_EQ(test_data::FolderNames(*this), std::set<std::string>{"Held.cfg"});
}

// Writers killed at random moments: the file holds all of one write, the original the file
// before; the next write removes the killed writer's temporary.
TEST_F(Win32Files, KilledWriterLeavesOldOrNewFile) {
    const std::string event = "corvel-files-" + std::to_string(GetCurrentProcessId());
    killed_writer::KillWriters(
        *this, {{1024, 150}, {64 * 1024, 100}, {1 << 20, 30}}, [&](std::chrono::nanoseconds delay) {
            PROCESS_INFORMATION writer = StartWriter(Path("aircraft.cfg"), event);
            for (const auto until = std::chrono::steady_clock::now() + delay;
                 std::chrono::steady_clock::now() < until;) {
            }
            DWORD exitCode = 0;
            const bool running =
                GetExitCodeProcess(writer.hProcess, &exitCode) && exitCode == STILL_ACTIVE;
            Kill(writer);
            return running;
        });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--rewrite") {
        HANDLE running = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3]);
        SetEvent(running);
        for (int n = 1; profile::WriteBatch(killed_writer::EntriesOf(n), argv[2]).ok(); ++n) {
        }
        return 2;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
