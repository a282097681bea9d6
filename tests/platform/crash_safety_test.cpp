// A child rewrites a file until SIGKILL, hundreds of times over several sizes: the file then holds
// all of one write, its original the file before; the next write removes the temporary.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "platform/ini_text.h"
#include "platform/profile.h"
#include "tests/support/data_rows.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Write n: a counter, a value whose length changes the file's size, lines in two more sections.
std::vector<profile::Entry> EntriesOf(int n) {
    return {{"WEIGHT_AND_BALANCE", "station_load.4", "\"" + std::to_string(n) + ",   26.0, F\""},
            {"Keys", "Command.07-Key", std::to_string(n * 7)},
            {"Common", "Note", std::string(static_cast<size_t>(n % 61), '#')}};
}

TEST(CrashSafety, KilledWriterLeavesOldOrNewFile) {
    const test_data::TempFolder dir;
    const std::string file = dir + "/aircraft.cfg", path = dir + "\\aircraft.cfg";
    const std::pair<int, int> sizesAndKills[] = {{1024, 250}, {64 * 1024, 200}, {4 << 20, 60}};
    for (auto [size, kills] : sizesAndKills) {
        std::string bytes = "[fltsim.0]\r\ntitle=Corvel test\r\n\r\n[WEIGHT_AND_BALANCE]\r\n";
        while (bytes.size() < static_cast<size_t>(size)) {
            bytes += "; reference line " + std::to_string(bytes.size()) + " " +
                     std::string(40, 'x') + "\r\n";
        }
        std::ofstream(file, std::ios::binary) << bytes;
        const auto begin = std::chrono::steady_clock::now();  // kills spread over a few writes
        ASSERT_TRUE(profile::WriteBatch(EntriesOf(1), path).ok());
        std::mt19937 random(static_cast<unsigned>(size));
        std::uniform_int_distribution<int64_t> delay(
            0, std::max<int64_t>(3 * (std::chrono::steady_clock::now() - begin) / 1ns, 3000000));
        for (int kill = 0; kill < kills; ++kill) {
            SCOPED_TRACE(std::to_string(size) + " bytes, kill " + std::to_string(kill));
            fs::remove(file + ".original");
            const std::string before = test_data::FileBytes(file);
            const pid_t child = fork();
            for (int n = 1; child == 0; ++n) {  // the child writes until killed
                if (!profile::WriteBatch(EntriesOf(n), path).ok()) {
                    _exit(2);
                }
            }
            std::this_thread::sleep_for(delay(random) * 1ns);
            ::kill(child, SIGKILL);
            int status = 0;
            waitpid(child, &status, 0);
            ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself";
            // The write whose counter the file holds, all of it.
            const std::string after = test_data::FileBytes(file);
            const size_t counter = after.find("station_load.4=\"");
            ASSERT_NE(counter, std::string::npos);
            std::string applied = before;
            for (const profile::Entry& entry : EntriesOf(std::stoi(after.substr(counter + 16)))) {
                ini::SetValue(applied, entry.section, entry.key, entry.value);
            }
            ASSERT_TRUE(after == applied) << "a torn file of " << after.size() << " bytes";
            const std::string original = test_data::FileBytes(file + ".original");
            ASSERT_TRUE(original == before || (original.empty() && after == before));

            ASSERT_TRUE(profile::WriteString("Common", "Kills", std::to_string(kill), path).ok());
            ASSERT_EQ(std::distance(fs::directory_iterator(dir), {}), 2);
        }
    }
}

}  // namespace
