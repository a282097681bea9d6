#include "app/locate_files.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace {

// The registry value as stored, with the file names appended plainly; else
// two levels above the current directory. A trailing backslash stays (two
// in a row: Windows accepts that); an empty value gives paths from the
// drive root; a value over 499 characters (not bytes) takes the fallback.
TEST(LocateFiles, RegistryValueOrTwoLevelsAboveTheCurrentDirectory) {
    const std::string longest = "C:\\" + std::string(496, 'x');
    std::string cyrillic;
    for (int i = 0; i < 499; ++i) {
        cyrillic += "\xD0\x96";  // U+0416, two bytes
    }
    const std::tuple<std::optional<std::string>, const char*, std::string> rows[] = {
        {"C:\\Sim\\", "C:\\Elsewhere", "C:\\Sim\\"},
        {std::nullopt, "C:\\Sim\\Norvane\\Corvel", "C:\\Sim\\Norvane\\Corvel\\..\\.."},
        {"", "C:\\Elsewhere", ""},
        {longest, "D:\\Cur", longest},
        {longest + "y", "D:\\Cur", "D:\\Cur\\..\\.."},
        {cyrillic, "D:\\Cur", cyrillic},
        {cyrillic + "\xD0\x96", "D:\\Cur", "D:\\Cur\\..\\.."},
    };
    for (const auto& [value, currentDirectory, simFolder] : rows) {
        SimulatorPaths paths = LocateFilesFrom(value, currentDirectory);
        EXPECT_EQ(paths.simFolder, simFolder);
        EXPECT_EQ(paths.prefsPath, simFolder + "\\Norvane\\Corvel\\Prefs.cfg");
    }
}

}  // namespace
