// A child rewrites a file until SIGKILL, hundreds of times over several sizes: the file then holds
// all of one write, its original the file before; the next write removes the temporary.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "tests/platform/killed_writer.h"

namespace {

TEST(CrashSafety, KilledWriterLeavesOldOrNewFile) {
    const test_data::TempFolder dir;
    killed_writer::KillWriters(
        dir, {{1024, 250}, {64 * 1024, 200}, {4 << 20, 60}}, [&](std::chrono::nanoseconds delay) {
            const pid_t child = fork();
            for (int n = 1; child == 0; ++n) {  // the child writes until killed
                if (!profile::WriteBatch(killed_writer::EntriesOf(n), dir.Path("aircraft.cfg"))
                         .ok()) {
                    _exit(2);
                }
            }
            std::this_thread::sleep_for(delay);
            ::kill(child, SIGKILL);
            int status = 0;
            waitpid(child, &status, 0);
            return WIFSIGNALED(status);
        });
}

}  // namespace
