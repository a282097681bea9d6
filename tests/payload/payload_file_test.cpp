#include "payload/payload_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/files.h"

namespace payload {
namespace {

namespace fs = std::filesystem;

// A section as the simulator ships it: CRLF, comments, other stations, odd
// spacing, and the four stations with positions and labels of their own.
constexpr char kA320Cfg[] =
    "[fltsim.0]\r\ntitle=Zelvia A320 ; a comment\r\n\r\n"
    "[WEIGHT_AND_BALANCE]\r\n"
    "empty_weight = 93500\r\n"
    "station_load.0 = \"170, 40.0, -1.5, 2.0\"   // pilot\r\n"
    "station_load.2 = \"1000, 14.0, 0.0, 0.0, Fwd hold\"\r\n"
    "station_load.3=\"2000, -20.0, 0.0, 0.0, Aft hold\"\r\n"
    "station_load.4 = \"1500, 25.0, 0.0, 0.0, Business\"\r\n"
    "station_load.5 = \"20000, -5.0, 0.0, 0.0, Economy\"\r\n"
    "station_load.6 = \"300, 0.0, 0.0, 0.0, Galley\"\r\n\r\n"
    "[GeneralEngineData]\r\nengine_type = 1\r\n";

// The same after saving 12 and 138 passengers, 50 % and 100 %.
constexpr char kA320Saved[] =
    "[fltsim.0]\r\ntitle=Zelvia A320 ; a comment\r\n\r\n"
    "[WEIGHT_AND_BALANCE]\r\n"
    "empty_weight = 93500\r\n"
    "station_load.0 = \"170, 40.0, -1.5, 2.0\"   // pilot\r\n"
    "station_load.2 = \"3749,   16.0, 0.0, 0.0, Baggage\"\r\n"
    "station_load.3=\"9999,   0.0, 0.0, 0.0, Cargo\"\r\n"
    "station_load.4 = \"1984,   26.0, 0.0, 0.0, First\"\r\n"
    "station_load.5 = \"22817,  0.0, 0.0, 0.0, Coach\"\r\n"
    "station_load.6 = \"300, 0.0, 0.0, 0.0, Galley\"\r\n\r\n"
    "[GeneralEngineData]\r\nengine_type = 1\r\n";

const LoadState kA320Example{42412, 12, 138, 50, 100};

std::string ReadAll(const std::string& path) {
    std::ifstream in(files::NativePath(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
    fs::path native = files::NativePath(path);
    fs::create_directories(native.parent_path());
    std::ofstream(native, std::ios::binary) << bytes;
}

void ExpectLoad(const LoadState& got, const LoadState& want) {
    EXPECT_EQ(got.emptyWeightKg, want.emptyWeightKg);
    EXPECT_EQ(got.businessPax, want.businessPax);
    EXPECT_EQ(got.economyPax, want.economyPax);
    EXPECT_EQ(got.forwardCargoPercent, want.forwardCargoPercent);
    EXPECT_EQ(got.aftCargoPercent, want.aftCargoPercent);
}

class PayloadFileTest : public testing::Test {
  protected:
    void SetUp() override {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        m_root = fs::temp_directory_path() /
                 (std::string("corvel-payload-") + info->name() + "-" + std::to_string(getpid()));
        fs::remove_all(m_root);
        fs::create_directories(m_root);
    }
    void TearDown() override {
        EXPECT_GE(std::system(("chattr -R -i '" + m_root.string() + "' 2>/dev/null").c_str()), 0);
        fs::remove_all(m_root);
    }
    AircraftFiles Paths(AircraftType aircraft) const {
        return AircraftFilePaths(aircraft, m_root.string());
    }

    fs::path m_root;
};

TEST_F(PayloadFileTest, SaveChangesOnlyTheFourStationsAndReadsBack) {
    const PayloadConstants& a320 = ConstantsFor(AircraftType::A320);
    AircraftFiles paths = Paths(AircraftType::A320);
    WriteAll(paths.base, kA320Cfg);
    WriteAll(paths.iae, kA320Cfg);
    ExpectLoad(ReadPayload(paths.base, a320), {42412, 9, 121, 13, 20});

    InstalledVariants atOpen = FindInstalledVariants(paths);
    EXPECT_TRUE(SavePayload(paths, atOpen, kA320Example, a320).empty());
    EXPECT_EQ(ReadAll(paths.base), kA320Saved);
    EXPECT_EQ(ReadAll(paths.iae), kA320Saved);
    ExpectLoad(ReadPayload(paths.base, a320), kA320Example);
}

TEST_F(PayloadFileTest, MissingKeysAndOddValuesGiveTheDefaults) {
    const int32_t expectedKg[] = {39304, 40597, 42411, 48217, 40597};
    for (const PayloadConstants& c : kPayloadConstants) {
        AircraftFiles paths = Paths(c.aircraft);
        WriteAll(paths.base, "[fltsim.0]\r\ntitle=x\r\n[WEIGHT_AND_BALANCE]\r\n");
        const LoadState defaults{expectedKg[AircraftIndex(c.aircraft)], 0, 0, 0, 0};
        ExpectLoad(ReadPayload(paths.base, c), defaults);
        ExpectLoad(ReadPayload(paths.base + ".none", c), defaults);
    }
    AircraftFiles paths = Paths(AircraftType::A318);
    WriteAll(paths.base,
             "[weight_and_balance]\n"
             "EMPTY_WEIGHT = <UNDEFINED>\n"                        // counts as missing
             "station_load.4 = 1984, 26.0, 0.0, 0.0, First\n"      // no quotes; 12 held at 8
             "station_load.5 = \"30000, 0.0, 0.0, 0.0, Coach\"\n"  // 181 held at 99
             "station_load.2 = x100\n"
             "station_load.3 = -400\n");
    ExpectLoad(ReadPayload(paths.base, ConstantsFor(AircraftType::A318)), {39304, 8, 99, 0, 0});
}

TEST_F(PayloadFileTest, IaeOnlyInstallReadsAndWritesOnlyTheIaeFile) {
    const PayloadConstants& a321 = ConstantsFor(AircraftType::A321);
    AircraftFiles paths = Paths(AircraftType::A321);
    WriteAll(paths.iae, "[WEIGHT_AND_BALANCE]\nempty_weight = 107000\n");
    ASSERT_TRUE(IsInstalled(paths));
    ASSERT_EQ(PayloadSourceFile(paths), paths.iae);
    EXPECT_TRUE(
        SavePayload(paths, FindInstalledVariants(paths), {48535, 16, 0, 0, 100}, a321).empty());
    EXPECT_FALSE(fs::exists(files::NativePath(paths.base)));  // never created
    ExpectLoad(ReadPayload(paths.iae, a321), {48535, 16, 0, 0, 100});
    EXPECT_NE(ReadAll(paths.iae).find("\"12499,   0.0, 0.0, 0.0, Cargo\""), std::string::npos);
}

TEST_F(PayloadFileTest, FailuresAreReportedAndTheOtherVariantIsStillWritten) {
    const PayloadConstants& a320 = ConstantsFor(AircraftType::A320);
    AircraftFiles paths = Paths(AircraftType::A320);
    WriteAll(paths.base, kA320Cfg);
    WriteAll(paths.iae, kA320Cfg);
    const InstalledVariants atOpen = FindInstalledVariants(paths);

    // Root ignores permission bits; an immutable file refuses even root.
    const std::string base = files::NativePath(paths.base);
    if (std::system(("chattr +i '" + base + "' 2>/dev/null").c_str()) == 0) {
        std::vector<SaveFailure> failures = SavePayload(paths, atOpen, kA320Example, a320);
        ASSERT_EQ(failures.size(), 1u);
        EXPECT_EQ(failures[0].path, paths.base);
        EXPECT_FALSE(failures[0].status.ok());
        EXPECT_EQ(ReadAll(paths.base), kA320Cfg);
        EXPECT_EQ(ReadAll(paths.iae), kA320Saved);
        EXPECT_EQ(std::system(("chattr -i '" + base + "'").c_str()), 0);
    }

    // The base variant's folder is gone since the dialog opened.
    WriteAll(paths.iae, kA320Cfg);
    fs::remove_all(fs::path(base).parent_path());
    std::vector<SaveFailure> failures = SavePayload(paths, atOpen, kA320Example, a320);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].path, paths.base);
    EXPECT_EQ(failures[0].status.error, files::Error::NotFound);
    EXPECT_FALSE(fs::exists(base));
    EXPECT_EQ(ReadAll(paths.iae), kA320Saved);
}

}  // namespace
}  // namespace payload
