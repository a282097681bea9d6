#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "payload/payload_file.h"
#include "payload/station_values.h"
#include "platform/files.h"
#include "tests/support/data_rows.h"

namespace payload {
namespace {

namespace fs = std::filesystem;

// Every shown number: counts and percents, class weights, pax total, hold
// weights, cargo total, aircraft weight, ZFW, currentZfwKg.
std::vector<int64_t> Shown(const PayloadFields& f) {
    return {f.businessPax,    f.economyPax,    f.forwardCargoPercent, f.aftCargoPercent,
            f.businessWeight, f.economyWeight, f.paxWeight,           f.forwardCargoWeight,
            f.aftCargoWeight, f.cargoWeight,   f.aircraftWeight,      f.zfw,
            f.currentZfwKg};
}

TEST(RecalculateTest, WorkedExamplesShowEveryField) {
    const auto rows = test_data::Rows("payload_fields.tsv");
    ASSERT_EQ(rows.size(), 8u);
    for (const test_data::Row& row : rows) {
        const auto n = test_data::Numbers(row, 2);
        const LoadState load{static_cast<int32_t>(n[0]), static_cast<uint32_t>(n[1]),
                             static_cast<uint32_t>(n[2]), static_cast<uint32_t>(n[3]),
                             static_cast<uint32_t>(n[4])};
        const auto aircraft = static_cast<AircraftType>(test_data::AircraftNumber(row[0]));
        EXPECT_EQ(Shown(Recalculate(load, row[1] == "kg" ? WeightUnit::Kg : WeightUnit::Lb,
                                    Aircraft(aircraft))),
                  std::vector<int64_t>(n.begin() + 5, n.end()))
            << row[0] << " " << row[1] << " " << row[3];
    }
}

// Writing truncates and reading rounds: every slider setting must survive.
TEST(StationValuesTest, EverySettingOfEveryAircraftReadsBackAsSaved) {
    for (const AircraftSpec& c : kAircraft) {
        for (uint32_t pax = 0; pax <= static_cast<uint32_t>(c.secondClassSeats); ++pax) {
            ASSERT_EQ(PaxFromStationLb(PaxStationLb(pax)), pax);
        }
        for (uint32_t percent = 0; percent <= 100; ++percent) {
            for (uint32_t hold : {c.forwardHoldKg, c.aftHoldKg}) {
                ASSERT_EQ(PercentFromStationLb(HoldStationLb(percent, hold), hold), percent);
            }
        }
    }
}

// A section as the simulator ships it (two of our stations carry labels of
// their own), and saved with 12 + 138 pax, 50 + 100 %: two stations
// replaced in place, two added in write order.
const std::string kA320Cfg =
    test_data::FileBytes(CORVEL_SOURCE_DIR "/tests/data/payload/a320_before.cfg");
const std::string kA320Saved =
    test_data::FileBytes(CORVEL_SOURCE_DIR "/tests/data/payload/a320_saved.cfg");
const AircraftSpec& kA320 = Aircraft(AircraftType::A320);

auto Fields(const LoadState& s) {
    return std::make_tuple(s.emptyWeightKg, s.businessPax, s.economyPax, s.forwardCargoPercent,
                           s.aftCargoPercent);
}

class PayloadFileTest : public testing::Test {
  protected:
    void SetUp() override { fs::remove_all(m_root); }
    void TearDown() override { fs::remove_all(m_root); }

    void Write(const std::string& bytes, const std::string& path) {
        fs::create_directories(fs::path(files::NativePath(path)).parent_path());
        ASSERT_TRUE(files::ReplaceFile(path, bytes).ok()) << path;
    }
    void Write(const std::string& bytes) { Write(bytes, m_path); }

    const std::string m_root =
        fs::temp_directory_path() / ("corvel-payload-" + std::to_string(getpid()));
    const std::string m_path = AircraftFilePaths(AircraftType::A320, m_root).base;
};

TEST_F(PayloadFileTest, SaveChangesOnlyTheFourStationsAndReadsBack) {
    Write(kA320Cfg);
    EXPECT_EQ(Fields(ReadPayload(m_path, kA320)), Fields({42412, 9, 0, 0, 20}));
    const LoadState example{42412, 12, 138, 50, 100};
    ASSERT_TRUE(WritePayload(m_path, example, kA320).ok());
    std::string bytes;
    EXPECT_TRUE(files::ReadFile(m_path, bytes).ok());
    EXPECT_EQ(bytes, kA320Saved);
    EXPECT_EQ(Fields(ReadPayload(m_path, kA320)), Fields(example));
}

// The default empty weight is truncated for a missing key, rounded for an unusable value.
TEST_F(PayloadFileTest, MissingKeysAndOddValuesGiveTheDefaults) {
    EXPECT_EQ(Fields(ReadPayload(m_path, kA320)), Fields({42411, 0, 0, 0, 0}));
    Write("[fltsim.0]\r\ntitle=x\r\n[WEIGHT_AND_BALANCE]\r\nempty_weight = 0\r\n");
    EXPECT_EQ(Fields(ReadPayload(m_path, kA320)), Fields({42412, 0, 0, 0, 0}));
    Write(
        "[weight_and_balance]\n"
        "EMPTY_WEIGHT = <UNDEFINED>\n"                        // counts as missing
        "station_load.4 = 2976, 26.0, 0.0, 0.0, First\n"      // no quotes; 18 held at 12
        "station_load.5 = \" +99999999999999999999, 0.0\"\n"  // held at 138, no overflow
        "station_load.2 = x100\nstation_load.3 = -400\n");
    EXPECT_EQ(Fields(ReadPayload(m_path, kA320)), Fields({42411, 12, 138, 0, 0}));
}

// Each aircraft's row: the unrounded default empty weight, stations far
// beyond the cabins and holds held at every seat and 100 %, and the pounds
// written for them (passengers * 75 kg and hold kg * 2.204585537918871,
// truncated, in the order .4 .5 .2 .3); two passengers, 330.69 lb, are 330.
TEST_F(PayloadFileTest, EveryAircraftFullAndEmpty) {
    const std::tuple<AircraftType, LoadState, std::vector<int>> rows[] = {
        {AircraftType::A318, {39304, 8, 99, 100, 100}, {1322, 16369, 3558, 4697}},
        {AircraftType::A319, {40597, 8, 116, 100, 100}, {1322, 19179, 4982, 6657}},
        {AircraftType::A320, {42411, 12, 138, 100, 100}, {1984, 22817, 7499, 9999}},
        {AircraftType::A321, {48217, 16, 169, 100, 100}, {2645, 27943, 12499, 12499}},
        {AircraftType::ACJ, {40597, 6, 36, 100, 100}, {992, 5952, 4982, 6657}},
    };
    Write(
        "[WEIGHT_AND_BALANCE]\r\nstation_load.2=99999\r\nstation_load.3=99999\r\n"
        "station_load.4=99999\r\nstation_load.5=99999\r\n");
    for (const auto& [aircraft, full, pounds] : rows) {
        const AircraftSpec& constants = Aircraft(aircraft);
        EXPECT_EQ(Fields(ReadPayload(m_path, constants)), Fields(full));
        std::vector<int> written;  // the formats are checked by the file tests
        for (const profile::Entry& entry : PayloadEntries(full, constants)) {
            written.push_back(std::stoi(entry.value.substr(1)));
        }
        EXPECT_EQ(written, pounds);
    }
    EXPECT_EQ(PayloadEntries({0, 2, 2, 0, 0}, kA320)[1].value, "\"330,  0.0, 0.0, 0.0, Coach\"");
}

TEST_F(PayloadFileTest, EveryAircraftPathAndWhichFileCounts) {
    const auto rows = test_data::Rows("aircraft_paths.tsv");
    ASSERT_EQ(rows.size(), 5u);
    for (const test_data::Row& row : rows) {
        const auto aircraft = static_cast<AircraftType>(test_data::AircraftNumber(row[0]));
        AircraftFiles paths = AircraftFilePaths(aircraft, "C:\\Sim");
        EXPECT_EQ(paths.base, "C:\\Sim" + row[1]) << row[0];
        EXPECT_EQ(paths.iae, row[2] == "-" ? "" : "C:\\Sim" + row[2]) << row[0];
    }
    EXPECT_EQ(AircraftFilePaths(AircraftType::None, "C:\\Sim").base, "");

    // Only the IAE variant: installed, and its file is the one read.
    const AircraftFiles a320 = AircraftFilePaths(AircraftType::A320, m_root);
    EXPECT_FALSE(IsInstalled(a320));
    Write(kA320Cfg, a320.iae);
    EXPECT_TRUE(IsInstalled(a320));
    EXPECT_EQ(PayloadSourceFile(a320), a320.iae);
    // A folder named like the file does not count; the ACJ does not share the A319's folder.
    fs::create_directories(files::NativePath(m_path));
    EXPECT_EQ(PayloadSourceFile(a320), a320.iae);
    Write("", AircraftFilePaths(AircraftType::A319, m_root).base);
    EXPECT_FALSE(IsInstalled(AircraftFilePaths(AircraftType::ACJ, m_root)));
}

// A usable simulator folder holds one of the eight aircraft folders or the
// add-on's Norvane\Corvel; a file in a folder's place does not count.
TEST_F(PayloadFileTest, UsableSimulatorFolder) {
    const std::tuple<const char*, bool> rows[] = {
        {"SimObjects/Airplanes/Norvane Zelvia A320IAE/", true},
        {"SimObjects/Airplanes/Norvane Zelvia A319CJ/", true},
        {"SimObjects/Airplanes/Norvane Zelvia A318/", true},
        {"Norvane/Corvel/", true},
        {"Norvane/", false},
        {"SimObjects/Airplanes/", false},
        {"SimObjects/Airplanes/Norvane Zelvia A322/", false},
        {"SimObjects/Airplanes/Norvane Zelvia A321", false},  // a file
    };
    for (const auto& [made, usable] : rows) {
        fs::remove_all(m_root);
        const std::string path = m_root + "/" + made;
        if (path.back() == '/') {
            fs::create_directories(path);
        } else {
            Write("", path);
        }
        EXPECT_EQ(IsUsableSimulatorFolder(m_root), usable) << made;
    }
}

// A file installed at opening but gone at saving is a failure and is not
// created again; a variant never installed is skipped.
TEST_F(PayloadFileTest, SaveAfterTheFileVanished) {
    const AircraftFiles paths = AircraftFilePaths(AircraftType::A320, m_root);
    const LoadState load{42412, 12, 138, 50, 100};
    Write(kA320Cfg);
    EXPECT_TRUE(SavePayload(paths, {true, false}, load, kA320).empty());
    fs::remove(files::NativePath(m_path));
    const std::vector<SaveFailure> failures = SavePayload(paths, {true, false}, load, kA320);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(std::make_pair(failures[0].path, failures[0].status.error),
              std::make_pair(m_path, files::Error::NotFound));
    EXPECT_FALSE(fs::exists(files::NativePath(m_path)));
}

}  // namespace
}  // namespace payload
