// Finding the simulator folder and the preferences file.
#pragma once

#include <optional>
#include <string>

struct SimulatorPaths {
    std::string simFolder;
    std::string prefsPath;
};

// The registry value as stored when there is one of at most 499
// characters; otherwise the current directory followed by "\..\..".
// The preferences file is the folder followed by
// "\Norvane\Corvel\Prefs.cfg". Plain appending, no normalisation.
SimulatorPaths LocateFilesFrom(const std::optional<std::string>& setupPath,
                               const std::string& currentDirectory);

// The paths from the registry and the current directory.
SimulatorPaths LocateFiles();
