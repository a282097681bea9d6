// What a writer killed at a random moment must leave, for the crash tests natively and under Wine:
// the file holds all of one write, its original the file before.
#pragma once

#include <gtest/gtest.h>

#include <chrono>

#include "platform/ini_text.h"
#include "platform/profile.h"
#include "tests/support/data_rows.h"

namespace killed_writer {

// Write n: a counter, a value whose length changes the file's size, lines in two more sections.
inline std::vector<profile::Entry> EntriesOf(int n) {
    return {{"WEIGHT_AND_BALANCE", "station_load.4", "\"" + std::to_string(n) + ",   26.0, F\""},
            {"Keys", "Command.07-Key", std::to_string(n * 7)},
            {"Common", "Note", std::string(static_cast<size_t>(n % 61), '#')}};
}

// An aircraft file of at least size bytes.
inline std::string FileOfSize(size_t size) {
    std::string bytes = "[fltsim.0]\r\ntitle=Corvel test\r\n\r\n[WEIGHT_AND_BALANCE]\r\n";
    while (bytes.size() < size) {
        bytes += "; reference line " + std::to_string(bytes.size()) + " " + std::string(40, 'x') +
                 "\r\n";
    }
    return bytes;
}

// What is wrong with the file and its original (empty when missing) after the kill; nothing
// when after is before with the whole of the write whose counter it holds.
inline std::string Fault(const std::string& before, const std::string& after,
                         const std::string& original) {
    const size_t counter = after.find("station_load.4=\"");
    if (counter == std::string::npos) {
        return "no counter in a file of " + std::to_string(after.size()) + " bytes";
    }
    std::string applied = before;
    for (const profile::Entry& entry : EntriesOf(std::stoi(after.substr(counter + 16)))) {
        ini::SetValue(applied, entry.section, entry.key, entry.value);
    }
    if (after != applied) {
        return "a torn file of " + std::to_string(after.size()) + " bytes";
    }
    if (original != before && !(original.empty() && after == before)) {
        return "an original of " + std::to_string(original.size()) + " bytes, not the file before";
    }
    return "";
}

// Writers of dir's aircraft.cfg killed at random moments, kills times over a file of each size:
// killWriter(delay) starts one, kills it after delay and says whether it was still running. Each
// kill leaves the file old or new; the next write removes the killed writer's temporary.
template <class KillWriter>
void KillWriters(const test_data::TempFolder& dir,
                 const std::vector<std::pair<size_t, int>>& sizesAndKills, KillWriter killWriter) {
    const std::string path = dir.Path("aircraft.cfg");
    std::mt19937 random(7);
    for (auto [size, kills] : sizesAndKills) {
        dir.Put("aircraft.cfg", FileOfSize(size));
        const auto begin = std::chrono::steady_clock::now();  // kills spread over a few writes
        ASSERT_TRUE(profile::WriteBatch(EntriesOf(1), path).ok());
        std::uniform_int_distribution<int64_t> delay(
            0, std::max<int64_t>(
                   3 * std::chrono::nanoseconds(std::chrono::steady_clock::now() - begin).count(),
                   3000000));
        for (int kill = 0; kill < kills; ++kill) {
            SCOPED_TRACE(std::to_string(size) + " bytes, kill " + std::to_string(kill));
            std::filesystem::remove(dir.Native("aircraft.cfg.original"));
            const std::string before = dir.Get("aircraft.cfg");
            ASSERT_TRUE(killWriter(std::chrono::nanoseconds(delay(random))))
                << "the writer stopped by itself";
            ASSERT_EQ(Fault(before, dir.Get("aircraft.cfg"),
                            test_data::FileBytes(dir.Native("aircraft.cfg.original"))),
                      "");
            ASSERT_TRUE(profile::WriteString("Common", "Kills", std::to_string(kill), path).ok());
            ASSERT_EQ(test_data::FolderNames(dir),
                      std::set<std::string>({"aircraft.cfg", "aircraft.cfg.original"}));
        }
    }
}

}  // namespace killed_writer
