// What a writer killed at a random moment must leave, for the crash tests natively and under Wine:
// the file holds all of one write, its original the file before.
#pragma once

#include <string>
#include <vector>

#include "platform/ini_text.h"
#include "platform/profile.h"

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

}  // namespace killed_writer
