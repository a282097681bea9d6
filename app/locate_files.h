// Finding the simulator folder and the preferences file.
//
// The first choice: the folder chosen by hand, when there is one; else the
// boxed simulator's SetupPath (32-bit view, then native) as stored, when it
// has at most 499 characters; else the current directory followed by
// "\..\..". When that folder holds neither an aircraft folder nor the
// add-on's Norvane\Corvel folder, the sources of kFurtherSources are tried
// in order and the first usable folder is taken; when none is, the first
// choice stands. Registry values longer than 499 characters (after
// expansion) count as missing. The preferences file is the folder followed
// by "\Norvane\Corvel\Prefs.cfg". Plain appending, no normalisation.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/simulator_sources.h"

// What the search reads of the system; the program passes the real
// registry and file system (LocateFiles), tests pass tables.
struct SearchEnvironment {
    std::optional<std::string> chosenFolder;
    std::string currentDirectory;
    std::string programFolder;
    std::function<std::optional<std::string>(const RegistryValueName&, registry::View)>
        readRegistry;
    // Holds an aircraft folder or Norvane\Corvel.
    std::function<bool(const std::string& folder)> isUsable;
};

struct SimulatorLocation {
    std::string simFolder;
    std::string prefsPath;
    FolderOrigin origin = FolderOrigin::WorkingFolder;
    RegistryValueName value{};  // the value read, for FolderOrigin::Registry
    registry::View view = registry::View::Bits32;
    std::string startFolder;  // the folder two levels below, for the two folder origins
    bool usable = false;
};

SimulatorLocation FindSimulator(const SearchEnvironment& environment);

// At most 499 characters: what the simulator folder may hold.
bool FitsFolderLimit(const std::string& folder);

// How the folder was found, in words for the About text: "the registry
// value HKEY_...\SetupPath (32-bit view)", "two levels above the working
// folder C:\FSX\Norvane\Corvel"...
std::string DescribeOrigin(const SimulatorLocation& location);

struct SimulatorPaths {
    std::string simFolder;
    std::string prefsPath;
    std::string foundBy;  // DescribeOrigin's words
};

// The search on the real registry and file system. The main menu runs it
// when it opens and again whenever the user changes the simulator folder.
SimulatorPaths LocateFiles();
