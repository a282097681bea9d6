#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "payload/payload_file.h"
#include "payload/station_values.h"
#include "platform/files.h"

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
    const struct {
        const char* name;
        AircraftType aircraft;
        LoadState load;
        WeightUnit unit;
        std::vector<int64_t> expected;
    } rows[] = {
        // clang-format off
        {"A320 kg", AircraftType::A320, {42412, 12, 138, 50, 100}, WeightUnit::Kg,
         {12, 138, 50, 100, 900, 10350, 11250, 1701, 4536, 6237, 42412, 59899, 59899}},
        // The ZFW in kg comes from the rounded pound totals: one kg lower.
        {"A320 lb", AircraftType::A320, {42412, 12, 138, 50, 100}, WeightUnit::Lb,
         {12, 138, 50, 100, 1984, 22817, 24801, 3750, 10000, 13750, 93500, 132050, 59898}},
        {"A321 full kg", AircraftType::A321, {48217, 16, 169, 100, 100}, WeightUnit::Kg,
         {16, 169, 100, 100, 1200, 12675, 13875, 5670, 5670, 11340, 48217, 73432, 73432}},
        {"A318 one business lb", AircraftType::A318, {39304, 1, 0, 0, 0}, WeightUnit::Lb,
         {1, 0, 0, 0, 165, 0, 165, 0, 0, 0, 86649, 86812, 39378}},
        // 33 % of 4536 kg truncates to 1496 kg.
        {"A320 aft 33 kg", AircraftType::A320, {42412, 0, 0, 0, 33}, WeightUnit::Kg,
         {0, 0, 0, 33, 0, 0, 0, 0, 1496, 1496, 42412, 43908, 43908}},
        {"A320 aft 33 lb", AircraftType::A320, {42412, 0, 0, 0, 33}, WeightUnit::Lb,
         {0, 0, 0, 33, 0, 0, 0, 0, 3298, 3298, 93500, 96797, 43907}},
        // The empty weight is truncated, the ZFW rounded: they differ by one.
        {"A319 empty lb", AircraftType::A319, {40597, 0, 0, 0, 0}, WeightUnit::Lb,
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 89499, 89500, 40597}},
        // The total is truncated from the total count, so not the rounded 331.
        {"A318 pax total lb", AircraftType::A318, {39304, 0, 2, 0, 0}, WeightUnit::Lb,
         {0, 2, 0, 0, 0, 331, 330, 0, 0, 0, 86649, 86978, 39453}},
        // clang-format on
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Shown(Recalculate(r.load, r.unit, Aircraft(r.aircraft))), r.expected) << r.name;
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

// A section as the simulator ships it; two of our stations carry labels of their own.
const std::string kHead =
    "[fltsim.0]\r\ntitle=Zelvia A320 ; a comment\r\n\r\n[WEIGHT_AND_BALANCE]\r\n"
    "empty_weight = 93500\r\nstation_load.0 = \"170, 40.0, -1.5, 2.0\"   // pilot\r\n";
const std::string kGalley = "station_load.6 = \"300, 0.0, 0.0, 0.0, Galley\"\r\n";
const std::string kTail = "\r\n[GeneralEngineData]\r\nengine=1\r\n";
const std::string kA320Cfg = kHead + "station_load.3=\"2000, -20.0, 0.0, 0.0, Aft hold\"\r\n" +
                             "station_load.4 = \"1500, 25.0, 0.0, 0.0, Business\"\r\n" + kGalley +
                             kTail;
// Saved 12 + 138 pax, 50 + 100 %: two stations replaced in place, two added in write order.
const std::string kA320Saved = kHead + "station_load.3=\"9999,   0.0, 0.0, 0.0, Cargo\"\r\n" +
                               "station_load.4 = \"1984,   26.0, 0.0, 0.0, First\"\r\n" + kGalley +
                               "station_load.5=\"22817,  0.0, 0.0, 0.0, Coach\"\r\n" +
                               "station_load.2=\"3749,   16.0, 0.0, 0.0, Baggage\"\r\n" + kTail;
const AircraftSpec& kA320 = Aircraft(AircraftType::A320);

auto Fields(const LoadState& s) {
    return std::make_tuple(s.emptyWeightKg, s.businessPax, s.economyPax, s.forwardCargoPercent,
                           s.aftCargoPercent);
}

class PayloadFileTest : public testing::Test {
  protected:
    void SetUp() override { fs::remove_all(m_root); }
    void TearDown() override { fs::remove_all(m_root); }

    void Write(const std::string& bytes) {
        fs::create_directories(fs::path(files::NativePath(m_path)).parent_path());
        ASSERT_TRUE(files::ReplaceFile(m_path, bytes).ok()) << m_path;
    }

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

}  // namespace
}  // namespace payload
