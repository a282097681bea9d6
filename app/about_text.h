// The About text: what the program uses, for the user to read and to copy
// into a support request.
#pragma once

#include <string>
#include <vector>

struct AircraftFileFact {
    std::string aircraft;  // "A318", "A319 CFM", "A319 IAE"...
    std::string path;
    bool exists = false;
};

struct AboutFacts {
    std::string version;
    std::string simFolder;
    std::string foundBy;  // DescribeOrigin's words
    std::string prefsPath;
    bool prefsExists = false;
    std::vector<AircraftFileFact> aircraftFiles;
};

// Lines end in CRLF, as a multi-line edit control needs. Every path is shown
// as a full path without "." or ".." (files::FullPathText).
std::string AboutText(const AboutFacts& facts);
