#include "app/locate_files.h"

#include <gtest/gtest.h>

namespace {

TEST(LocateFiles, RegistryValueIsUsedAsStoredWithPlainAppending) {
    // A trailing backslash stays, giving two in a row: Windows accepts that.
    SimulatorPaths paths = LocateFilesFrom(std::string("C:\\Sim\\"), "C:\\Elsewhere");
    EXPECT_EQ(paths.simFolder, "C:\\Sim\\");
    EXPECT_EQ(paths.prefsPath, "C:\\Sim\\\\Norvane\\Corvel\\Prefs.cfg");
}

TEST(LocateFiles, MissingValueFallsBackTwoLevelsAboveTheCurrentDirectory) {
    SimulatorPaths paths = LocateFilesFrom(std::nullopt, "C:\\Sim\\Norvane\\Corvel");
    EXPECT_EQ(paths.simFolder, "C:\\Sim\\Norvane\\Corvel\\..\\..");
    EXPECT_EQ(paths.prefsPath, "C:\\Sim\\Norvane\\Corvel\\..\\..\\Norvane\\Corvel\\Prefs.cfg");
}

TEST(LocateFiles, EmptyValueGivesAPathFromTheDriveRoot) {
    SimulatorPaths paths = LocateFilesFrom(std::string(), "C:\\Elsewhere");
    EXPECT_EQ(paths.simFolder, "");
    EXPECT_EQ(paths.prefsPath, "\\Norvane\\Corvel\\Prefs.cfg");
}

TEST(LocateFiles, ValuesLongerThan499CharactersTakeTheFallback) {
    std::string longest = "C:\\" + std::string(496, 'x');
    ASSERT_EQ(longest.size(), 499u);
    EXPECT_EQ(LocateFilesFrom(longest, "D:\\Cur").simFolder, longest);
    EXPECT_EQ(LocateFilesFrom(longest + "y", "D:\\Cur").simFolder, "D:\\Cur\\..\\..");

    // The limit counts characters, not the bytes of their UTF-8 form.
    std::string cyrillic;
    for (int i = 0; i < 499; ++i) {
        cyrillic += "\xD0\x96";  // U+0416, two bytes
    }
    EXPECT_EQ(LocateFilesFrom(cyrillic, "D:\\Cur").simFolder, cyrillic);
    EXPECT_EQ(LocateFilesFrom(cyrillic + "\xD0\x96", "D:\\Cur").simFolder, "D:\\Cur\\..\\..");
}

}  // namespace
