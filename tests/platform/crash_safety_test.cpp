// A child rewrites a file until SIGKILL, hundreds of times over several sizes: the file then holds
// all of one write, its original the file before; the next write removes the temporary.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "tests/platform/killed_writer.h"
#include "tests/support/data_rows.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

TEST(CrashSafety, KilledWriterLeavesOldOrNewFile) {
    const test_data::TempFolder dir;
    const std::string file = dir + "/aircraft.cfg", path = dir + "\\aircraft.cfg";
    const std::pair<size_t, int> sizesAndKills[] = {{1024, 250}, {64 * 1024, 200}, {4 << 20, 60}};
    for (auto [size, kills] : sizesAndKills) {
        std::ofstream(file, std::ios::binary) << killed_writer::FileOfSize(size);
        const auto begin = std::chrono::steady_clock::now();  // kills spread over a few writes
        ASSERT_TRUE(profile::WriteBatch(killed_writer::EntriesOf(1), path).ok());
        std::mt19937 random(static_cast<unsigned>(size));
        std::uniform_int_distribution<int64_t> delay(
            0, std::max<int64_t>(3 * (std::chrono::steady_clock::now() - begin) / 1ns, 3000000));
        for (int kill = 0; kill < kills; ++kill) {
            SCOPED_TRACE(std::to_string(size) + " bytes, kill " + std::to_string(kill));
            fs::remove(file + ".original");
            const std::string before = test_data::FileBytes(file);
            const pid_t child = fork();
            for (int n = 1; child == 0; ++n) {  // the child writes until killed
                if (!profile::WriteBatch(killed_writer::EntriesOf(n), path).ok()) {
                    _exit(2);
                }
            }
            std::this_thread::sleep_for(delay(random) * 1ns);
            ::kill(child, SIGKILL);
            int status = 0;
            waitpid(child, &status, 0);
            ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself";
            ASSERT_EQ(killed_writer::Fault(before, test_data::FileBytes(file),
                                           test_data::FileBytes(file + ".original")),
                      "");

            ASSERT_TRUE(profile::WriteString("Common", "Kills", std::to_string(kill), path).ok());
            ASSERT_EQ(std::distance(fs::directory_iterator(dir), {}), 2);
        }
    }
}

}  // namespace
