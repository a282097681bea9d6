#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "payload/aircraft_files.h"

namespace fs = std::filesystem;

namespace {

class InstalledTest : public testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("corvel-installed-" +
                 std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    void AddAircraft(const std::string& folder) {
        fs::path dir = root_ / "SimObjects" / "Airplanes" / folder;
        fs::create_directories(dir);
        std::ofstream(dir / "Aircraft.cfg") << "[WEIGHT_AND_BALANCE]\r\n";
    }
    std::string Sim() const { return root_.string(); }

    fs::path root_;
};

TEST_F(InstalledTest, PathsAreTheSimulatorFolderWithTheFixedSuffixes) {
    AircraftFiles a319 = AircraftFilePaths(AircraftType::A319, "C:\\Sim");
    EXPECT_EQ(a319.base, "C:\\Sim\\SimObjects\\Airplanes\\Norvane Zelvia A319\\Aircraft.cfg");
    EXPECT_EQ(a319.iae, "C:\\Sim\\SimObjects\\Airplanes\\Norvane Zelvia A319IAE\\Aircraft.cfg");
    AircraftFiles acj = AircraftFilePaths(AircraftType::ACJ, "C:\\Sim");
    EXPECT_EQ(acj.base, "C:\\Sim\\SimObjects\\Airplanes\\Norvane Zelvia A319CJ\\Aircraft.cfg");
    EXPECT_EQ(acj.iae, "");
    EXPECT_EQ(AircraftFilePaths(AircraftType::None, "C:\\Sim").base, "");
}

TEST_F(InstalledTest, AnAircraftIsInstalledWhenAnyOfItsVariantsIs) {
    EXPECT_FALSE(IsInstalled(AircraftFilePaths(AircraftType::A320, Sim())));
    AddAircraft("Norvane Zelvia A320IAE");
    EXPECT_TRUE(IsInstalled(AircraftFilePaths(AircraftType::A320, Sim())));
    // The ACJ shares the A319 airframe but not its folder.
    AddAircraft("Norvane Zelvia A319");
    EXPECT_FALSE(IsInstalled(AircraftFilePaths(AircraftType::ACJ, Sim())));
    EXPECT_FALSE(IsInstalled(AircraftFilePaths(AircraftType::None, Sim())));
}

TEST_F(InstalledTest, AFolderNamedLikeTheFileDoesNotCount) {
    fs::create_directories(root_ / "SimObjects" / "Airplanes" / "Norvane Zelvia A318" /
                           "Aircraft.cfg");
    EXPECT_FALSE(IsInstalled(AircraftFilePaths(AircraftType::A318, Sim())));
}

TEST_F(InstalledTest, PayloadIsReadFromTheBaseFileOrElseTheInstalledIaeFile) {
    AircraftFiles files = AircraftFilePaths(AircraftType::A321, Sim());
    AddAircraft("Norvane Zelvia A321IAE");
    EXPECT_EQ(PayloadSourceFile(files), files.iae);
    AddAircraft("Norvane Zelvia A321");
    EXPECT_EQ(PayloadSourceFile(files), files.base);
}

}  // namespace
