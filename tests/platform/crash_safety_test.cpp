// Writes killed at random moments: a child process rewrites a file in a loop
// (single writes or batches) and is killed with SIGKILL after a random
// delay, hundreds of times over files of several sizes. After each kill the
// file must hold exactly the content before the interrupted write or
// exactly the content after it, and the next successful write must leave
// no temporary file in the folder, not even the killed writer's. Each round
// starts without an original, so kills also land between the copy of the
// original and the replace: a changed file always has its whole original.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#include "platform/ini_text.h"
#include "platform/profile.h"
#include "tests/support/data_rows.h"

namespace {

namespace fs = std::filesystem;

// The entries of write number n: a counter, a value whose length changes
// the file's size, and, for batches, lines in two more sections.
std::vector<profile::Entry> EntriesOf(int32_t n, bool batch) {
    std::vector<profile::Entry> entries = {
        {"WEIGHT_AND_BALANCE", "station_load.4", "\"" + std::to_string(n) + ",   26.0, First\""},
    };
    if (batch) {
        entries.push_back({"Keys", "Command.07-Key", std::to_string(n * 7)});
        entries.push_back({"Common", "Note", std::string(static_cast<size_t>(n % 61), '#')});
        entries.push_back({"WEIGHT_AND_BALANCE", "station_load.5", std::to_string(-n)});
    }
    return entries;
}

std::string Applied(std::string bytes, int32_t n, bool batch) {
    for (const profile::Entry& entry : EntriesOf(n, batch)) {
        ini::SetValue(bytes, entry.section, entry.key, entry.value);
    }
    return bytes;
}

// An aircraft.cfg-like file of about size bytes.
std::string FileOfSize(size_t size) {
    std::string bytes = "[fltsim.0]\r\ntitle=Corvel test\r\n\r\n[WEIGHT_AND_BALANCE]\r\n";
    for (int line = 0; bytes.size() < size; ++line) {
        bytes += "; reference line " + std::to_string(line) + " " + std::string(40, 'x') + "\r\n";
    }
    return bytes;
}

// The child: writes 1, 2, 3 ... until killed, telling the parent over the
// pipe when each write starts (n) and when it has finished (-n).
[[noreturn]] void WriteUntilKilled(int pipe, const std::string& path, bool batch) {
    for (int32_t n = 1;; ++n) {
        const int32_t messages[2] = {n, -n};
        if (write(pipe, &messages[0], sizeof n) != sizeof n) {
            _exit(3);
        }
        const files::Status status =
            batch ? profile::WriteBatch(EntriesOf(n, true), path)
                  : profile::WriteString("WEIGHT_AND_BALANCE", "station_load.4",
                                         EntriesOf(n, false)[0].value, path);
        if (!status.ok()) {
            _exit(2);
        }
        if (write(pipe, &messages[1], sizeof n) != sizeof n) {
            _exit(3);
        }
    }
}

struct Round {
    int32_t started = 0;   // the last write begun
    int32_t finished = 0;  // the last write finished
};

Round KillAWriter(const std::string& path, bool batch, std::chrono::microseconds delay) {
    int fds[2];
    EXPECT_EQ(pipe(fds), 0);
    pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        WriteUntilKilled(fds[1], path, batch);
    }
    close(fds[1]);
    std::this_thread::sleep_for(delay);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << WEXITSTATUS(status);
    Round round;
    int32_t message = 0;
    while (read(fds[0], &message, sizeof message) == sizeof message) {
        (message > 0 ? round.started : round.finished) = message > 0 ? message : -message;
    }
    close(fds[0]);
    return round;
}

struct SizeRow {
    size_t bytes;
    int kills;
};

class CrashSafety : public testing::TestWithParam<SizeRow> {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/corvel-crash-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path m_dir;
};

TEST_P(CrashSafety, KilledWriterLeavesOldOrNewFile) {
    const SizeRow row = GetParam();
    const fs::path file = m_dir / "aircraft.cfg";
    const std::string path = m_dir.string() + "\\aircraft.cfg";  // as the program builds it
    std::ofstream(file, std::ios::binary) << FileOfSize(row.bytes);

    // Kill moments spread over a few writes of this size.
    const auto begin = std::chrono::steady_clock::now();
    for (int32_t n = 1; n <= 3; ++n) {
        ASSERT_TRUE(profile::WriteBatch(EntriesOf(n, true), path).ok());
    }
    const auto writeTime = std::chrono::duration_cast<std::chrono::microseconds>(
                               std::chrono::steady_clock::now() - begin) /
                           3;
    std::mt19937 random(static_cast<unsigned>(row.bytes));
    std::uniform_int_distribution<int64_t> delayUs(0,
                                                   std::max<int64_t>(3 * writeTime.count(), 3000));

    int originalOnly = 0;  // killed between the copy of the original and the replace
    const fs::path original = m_dir / "aircraft.cfg.original";
    for (int kill = 0; kill < row.kills; ++kill) {
        fs::remove(original);
        const std::string before = test_data::FileBytes(file);
        const bool batch = kill % 2 == 1;
        const Round round = KillAWriter(path, batch, std::chrono::microseconds(delayUs(random)));
        const std::string after = test_data::FileBytes(file);
        const std::string old =
            round.finished == 0 ? before : Applied(before, round.finished, batch);
        const std::string next = Applied(before, round.started, batch);
        ASSERT_TRUE(after == old || after == next)
            << "kill " << kill << ": the file is neither write " << round.finished << " nor write "
            << round.started << " (" << after.size() << " bytes)";
        // A changed file always has its whole original, even when the kill
        // came between the copy of the original and the replace.
        if (fs::exists(original)) {
            ASSERT_TRUE(test_data::FileBytes(original) == before) << "kill " << kill;
            originalOnly += after == before ? 1 : 0;
        } else {
            ASSERT_TRUE(after == before) << "kill " << kill << ": changed without an original";
        }

        // A killed writer may leave its temporary behind; the next write removes it.
        ASSERT_TRUE(profile::WriteString("Common", "Kills", std::to_string(kill + 1), path).ok());
        ASSERT_EQ(std::distance(fs::directory_iterator(m_dir), {}), 2) << "after kill " << kill;
        ASSERT_TRUE(test_data::FileBytes(original) == before) << "after kill " << kill;
    }
    std::cout << "[ figures  ] " << row.bytes << " bytes: " << originalOnly << " of " << row.kills
              << " kills between the copy of the original and the replace\n";
}

// Only our own pattern, and only of a process that is gone, is removed: a
// live writer's temporary and the user's own files stay.
TEST_F(CrashSafety, OnlyDeadWritersTemporariesAreRemoved) {
    const std::string ours = std::to_string(getpid());
    const std::vector<std::string> kept = {
        "Prefs.cfg",
        "Prefs.cfg.~" + ours + "-7.tmp",  // this process: perhaps a write in progress
        "Prefs.cfg.~1-0.tmp",             // a live process
        "Prefs.cfg.bak",
        "Prefs.cfg.~x-1.tmp",
        "Prefs.cfg.~99999999-1.tmp.txt",
        "Other.cfg.~99999999-1.tmp",
        "prefs.cfg.~99999999-1.tmp",
    };
    for (const std::string& name : kept) {
        std::ofstream(m_dir / name) << "[Common]\r\nUnitSystem=0\r\n";
    }
    std::ofstream(m_dir / "Prefs.cfg.~99999999-3.tmp") << "[Common]\r\nUnitSystem=";
    std::ofstream(m_dir / "Prefs.cfg.original.~99999999-4.tmp") << "[Common]\r\n";
    ASSERT_TRUE(
        profile::WriteString("Common", "UnitSystem", "1", m_dir.string() + "\\Prefs.cfg").ok());
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    std::vector<std::string> expected = kept;
    expected.push_back("Prefs.cfg.original");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, CrashSafety,
                         testing::Values(SizeRow{1024, 250}, SizeRow{64 * 1024, 200},
                                         SizeRow{4 * 1024 * 1024, 60}),
                         [](const testing::TestParamInfo<SizeRow>& info) {
                             return std::to_string(info.param.bytes) + "Bytes";
                         });

}  // namespace
