#include <gtest/gtest.h>

#include "payload/payload_file.h"
#include "payload/station_values.h"
#include "platform/files.h"
#include "tests/support/data_rows.h"

namespace payload {
namespace {

namespace fs = std::filesystem;

using Ints = std::vector<int64_t>;
Ints Fields(const LoadState& s) {
    return {s.emptyWeightKg, s.businessPax, s.economyPax, s.forwardCargoPercent, s.aftCargoPercent};
}

// What a load manager shows for a row's aircraft, unit and load: the four counts, every weight.
Ints Shown(const test_data::Row& row) {
    const Ints n = test_data::Numbers({row.begin(), row.begin() + 7}, 2);
    const PayloadFields f =
        Recalculate({int32_t(n[0]), uint32_t(n[1]), uint32_t(n[2]), uint32_t(n[3]), uint32_t(n[4])},
                    row[1] == "kg" ? WeightUnit::Kg : WeightUnit::Lb,
                    Aircraft(test_data::AircraftNamed(row[0])));
    return {f.businessPax,    f.economyPax,    f.forwardCargoPercent, f.aftCargoPercent,
            f.businessWeight, f.economyWeight, f.paxWeight,           f.forwardCargoWeight,
            f.aftCargoWeight, f.cargoWeight,   f.aircraftWeight,      f.zfw,
            f.currentZfwKg};
}

TEST(RecalculateTest, WorkedExamplesShowEveryField) {
    for (const test_data::Row& row : test_data::Rows("payload_fields.tsv")) {
        EXPECT_EQ(Shown(row), test_data::Numbers(row, 7))
            << row[0] << " " << row[1] << " " << row[3];
    }
}

// Loads drawn at random (the inputs are in the file): every build, the 32-bit program's included,
// shows the fields the reference x86-64 build shows, whose arithmetic the worked examples check.
// CORVEL_WRITE_GOLDEN=1 draws them anew.
TEST(RecalculateTest, RandomSampleShowsAsInTheReferenceBuild) {
    auto weights = [](const test_data::Row& in) {
        const Ints shown = Shown(in);
        std::string text;
        for (auto weight = shown.begin() + 4; weight != shown.end(); ++weight) {
            text += (text.empty() ? "" : " ") + std::to_string(*weight);
        }
        return text;
    };
    auto draw = [](auto pick, int i) {
        const AircraftSpec& c = kAircraft[pick(0, kAircraftCount - 1)];
        test_data::Row row = {c.name, i % 2 ? "kg" : "lb"};
        for (int64_t n : {pick(20000, 60000), pick(0, c.firstClassSeats),
                          pick(0, c.secondClassSeats), pick(0, 100), pick(0, 100)}) {
            row.push_back(std::to_string(n));
        }
        return row;
    };
    test_data::CheckSample(
        "payload_sample.tsv",
        "# Random loads: aircraft, unit, empty weight kg, passengers of each class, hold %;\n"
        "# the weights the x86-64 build showed, as in payload_fields.tsv, and the ZFW in kg.\n",
        1000, draw, weights);
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

// A section as the simulator ships it (two of our stations carry labels of their own), and saved
// with 12 + 138 pax, 50 + 100 %: two stations replaced in place, two added in write order.
const std::string kA320Cfg =
    test_data::FileBytes(CORVEL_SOURCE_DIR "/tests/data/payload/a320_before.cfg");
const AircraftSpec& kA320 = Aircraft(AircraftType::A320);

class PayloadFileTest : public testing::Test {
  protected:
    void Write(const std::string& path, const std::string& bytes) {
        fs::create_directories(fs::path(files::NativePath(path)).parent_path());
        ASSERT_TRUE(files::ReplaceFile(path, bytes).ok()) << path;
    }

    const test_data::TempFolder m_root;
    const AircraftFiles m_a320 = AircraftFilePaths(AircraftType::A320, m_root);
    const std::string m_path = m_a320.base;
};

// The save changes only the four stations and reads back; a file gone since the opening is a
// failure, not created again; a variant never installed is skipped.
TEST_F(PayloadFileTest, SaveChangesOnlyTheFourStationsAndReadsBack) {
    Write(m_path, kA320Cfg);
    EXPECT_EQ(Fields(ReadPayload(m_path, kA320)), Ints({42412, 9, 0, 0, 20}));
    const LoadState example{42412, 12, 138, 50, 100};
    EXPECT_TRUE(SavePayload(m_a320, {true, false}, example, kA320).empty());
    EXPECT_EQ(test_data::FileBytes(files::NativePath(m_path)),
              test_data::FileBytes(CORVEL_SOURCE_DIR "/tests/data/payload/a320_saved.cfg"));
    EXPECT_EQ(Fields(ReadPayload(m_path, kA320)), Fields(example));

    // Lines another program adds while the load manager is open stay: the save reads anew.
    Write(m_path, kA320Cfg);
    const LoadState opened = ReadPayload(m_path, kA320);
    Write(m_path, kA320Cfg + "[added]\r\nkey=1\r\n");
    EXPECT_TRUE(SavePayload(m_a320, {true, false}, example, kA320).empty());
    EXPECT_EQ(test_data::FileBytes(files::NativePath(m_path)),
              test_data::FileBytes(CORVEL_SOURCE_DIR "/tests/data/payload/a320_saved.cfg") +
                  "[added]\r\nkey=1\r\n");
    EXPECT_EQ(Fields(opened), Ints({42412, 9, 0, 0, 20}));

    fs::remove(files::NativePath(m_path));
    const std::vector<SaveFailure> failures = SavePayload(m_a320, {true, false}, example, kA320);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(std::make_pair(failures[0].path, failures[0].status.error),
              std::make_pair(m_path, files::Error::NotFound));
    EXPECT_FALSE(fs::exists(files::NativePath(m_path)));
}

// The default empty weight is truncated for a missing key, rounded for an unusable value.
TEST_F(PayloadFileTest, MissingKeysAndOddValuesGiveTheDefaults) {
    EXPECT_EQ(Fields(ReadPayload(m_path, kA320)), Ints({42411, 0, 0, 0, 0}));
    Write(m_path, "[fltsim.0]\r\ntitle=x\r\n[WEIGHT_AND_BALANCE]\r\nempty_weight = 0\r\n");
    EXPECT_EQ(Fields(ReadPayload(m_path, kA320)), Ints({42412, 0, 0, 0, 0}));
    Write(m_path,
          "[weight_and_balance]\n"
          "EMPTY_WEIGHT = <UNDEFINED>\n"                        // counts as missing
          "station_load.4 = 4294967296, 26.0, 0.0, First\n"     // no quotes; 2^32 lb held at 12
          "station_load.5 = \" +99999999999999999999, 0.0\"\n"  // held at 138, no overflow
          "station_load.2 = x100\nstation_load.3 = -400\n");
    EXPECT_EQ(Fields(ReadPayload(m_path, kA320)), Ints({42411, 12, 138, 0, 0}));
}

TEST_F(PayloadFileTest, EveryAircraftPathsAndFullLoad) {
    Write(m_path,
          "[WEIGHT_AND_BALANCE]\r\nstation_load.2=99999\r\nstation_load.3=99999\r\n"
          "station_load.4=99999\r\nstation_load.5=99999\r\n");
    for (const test_data::Row& row : test_data::Rows("aircraft_paths.tsv")) {
        SCOPED_TRACE(row[0]);
        const auto aircraft = test_data::AircraftNamed(row[0]);
        AircraftFiles paths = AircraftFilePaths(aircraft, "C:\\Sim");
        EXPECT_EQ(paths.base, "C:\\Sim" + row[1]);
        EXPECT_EQ(paths.iae, row[2] == "-" ? "" : "C:\\Sim" + row[2]);
        const auto n = test_data::Numbers(row, 3);
        const LoadState full = ReadPayload(m_path, Aircraft(aircraft));
        EXPECT_EQ(Fields(full), Ints({n[0], n[1], n[2], 100, 100}));
        Ints written;
        for (const profile::Entry& entry : PayloadEntries(full, Aircraft(aircraft))) {
            written.push_back(std::stoi(entry.value.substr(1)));
        }
        EXPECT_EQ(written, Ints(n.begin() + 3, n.end()));
    }
    EXPECT_EQ(AircraftFilePaths(AircraftType::None, "C:\\Sim").base, "");
    // Two passengers, 330.69 lb, are written as 330.
    EXPECT_EQ(PayloadEntries({0, 2, 2, 0, 0}, kA320)[1].value, "\"330,  0.0, 0.0, 0.0, Coach\"");
}

TEST_F(PayloadFileTest, WhichFileAndFolderCount) {
    // Only the IAE variant: installed, and its file is the one read.
    EXPECT_FALSE(IsInstalled(m_a320));
    Write(m_a320.iae, kA320Cfg);
    EXPECT_TRUE(IsInstalled(m_a320));
    EXPECT_EQ(PayloadSourceFile(m_a320), m_a320.iae);
    // A folder named like the file does not count; the ACJ does not share the A319's folder.
    fs::create_directories(files::NativePath(m_path));
    EXPECT_EQ(PayloadSourceFile(m_a320), m_a320.iae);
    Write(AircraftFilePaths(AircraftType::A319, m_root).base, "");
    EXPECT_FALSE(IsInstalled(AircraftFilePaths(AircraftType::ACJ, m_root)));

    for (const test_data::Row& row : test_data::Rows("simulator_folders.tsv")) {
        fs::remove_all(m_root);
        if (row[0].back() == '/') {
            fs::create_directories(m_root + "/" + row[0]);
        } else {
            Write(m_root + "/" + row[0], "");
        }
        EXPECT_EQ(IsUsableSimulatorFolder(m_root), row[1] == "1") << row[0];
    }
}

}  // namespace
}  // namespace payload
