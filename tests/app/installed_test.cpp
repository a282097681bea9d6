#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

#include "payload/aircraft_files.h"

namespace fs = std::filesystem;

namespace {

TEST(AircraftFiles, PathsAreTheSimulatorFolderWithTheFixedSuffixes) {
    const std::string planes = "C:\\Sim\\SimObjects\\Airplanes\\Norvane Zelvia ";
    const std::tuple<AircraftType, std::string, std::string> rows[] = {
        {AircraftType::A318, planes + "A318\\Aircraft.cfg", ""},
        {AircraftType::A319, planes + "A319\\Aircraft.cfg", planes + "A319IAE\\Aircraft.cfg"},
        {AircraftType::A320, planes + "A320\\Aircraft.cfg", planes + "A320IAE\\Aircraft.cfg"},
        {AircraftType::A321, planes + "A321\\Aircraft.cfg", planes + "A321IAE\\Aircraft.cfg"},
        {AircraftType::ACJ, planes + "A319CJ\\Aircraft.cfg", ""},
        {AircraftType::None, "", ""}};
    for (const auto& [type, base, iae] : rows) {
        const AircraftFiles files = AircraftFilePaths(type, "C:\\Sim");
        EXPECT_EQ(std::tie(files.base, files.iae), std::tie(base, iae));
    }
}

TEST(AircraftFiles, InstalledWhenAnyVariantIsAFile) {
    fs::path root = fs::temp_directory_path() / "corvel-installed-test";
    fs::remove_all(root);
    fs::path planes = root / "SimObjects" / "Airplanes";
    auto installed = [&](AircraftType type) {
        return IsInstalled(AircraftFilePaths(type, root.string()));
    };

    EXPECT_FALSE(installed(AircraftType::A320));
    fs::create_directories(planes / "Norvane Zelvia A320IAE");
    std::ofstream(planes / "Norvane Zelvia A320IAE" / "Aircraft.cfg") << "[fltsim.0]\r\n";
    EXPECT_TRUE(installed(AircraftType::A320));
    // The ACJ shares the A319 airframe but not its folder.
    fs::create_directories(planes / "Norvane Zelvia A319");
    std::ofstream(planes / "Norvane Zelvia A319" / "Aircraft.cfg") << "[fltsim.0]\r\n";
    EXPECT_FALSE(installed(AircraftType::ACJ));
    // A folder named like the file does not count.
    fs::create_directories(planes / "Norvane Zelvia A318" / "Aircraft.cfg");
    EXPECT_FALSE(installed(AircraftType::A318));
    EXPECT_FALSE(installed(AircraftType::None));
    fs::remove_all(root);
}

}  // namespace
