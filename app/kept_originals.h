// The originals the program keeps of the files it changes (see
// files::ReplaceFile): which files have one, and putting one back.
#pragma once

#include <string>
#include <vector>

#include "platform/file_status.h"
#include "platform/files.h"

struct KeptOriginal {
    std::string label;        // "A320 IAE", "Preferences (Prefs.cfg)"
    std::string path;         // the file; its original is files::OriginalPath(path)
    files::LocalTime keptAt;  // when the original was made: its own file date
};

// Every file the program writes that has an original: each aircraft
// variant's aircraft.cfg (A318 first, the base variant before the IAE one),
// then the preferences file. Paths as LocateFiles builds them.
std::vector<KeptOriginal> FindKeptOriginals(const std::string& simFolder,
                                            const std::string& prefsPath);

// Replaces the file with its original's bytes in one atomic step; the
// original stays, so it can be restored again. Fails with the reason, the
// file left as it was, when the original cannot be read or the file not
// replaced.
files::Status RestoreOriginal(const std::string& path);

// "2026-12-07 14:05", the way the restore dialog shows a date.
std::string FormatLocalTime(const files::LocalTime& time);
