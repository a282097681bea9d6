// Every tool's read and save over files that a user or another program
// could leave behind: a save either changes only the tool's own lines and
// reads back what it wrote, or is refused and leaves the file byte for
// byte. Nothing crashes or reads out of bounds (this build runs under the
// sanitizers), and a file far too large is never read into memory.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "keys/key_assignments.h"
#include "options/option_store.h"
#include "payload/payload_file.h"
#include "platform/files.h"
#include "tests/hostile/tool_files.h"

namespace {

namespace fs = std::filesystem;

// A tool's opening and saving, as its dialog does them with no change made;
// readsBack tells whether a second opening shows the same.
struct Tool {
    const char* name;
    hostile::ToolWrites writes;
    std::function<files::Status(const std::string& path, bool& readsBack)> openAndSave;
};

std::vector<Tool> Tools() {
    return {
        {"LoadManager", hostile::PayloadWrites(),
         [](const std::string& path, bool& readsBack) {
             const payload::PayloadConstants& constants = payload::ConstantsFor(AircraftType::A320);
             const payload::LoadState load = payload::ReadPayload(path, constants);
             files::Status status = payload::WritePayload(path, load, constants);
             const payload::LoadState again = payload::ReadPayload(path, constants);
             readsBack = again.businessPax == load.businessPax &&
                         again.economyPax == load.economyPax &&
                         again.forwardCargoPercent == load.forwardCargoPercent &&
                         again.aftCargoPercent == load.aftCargoPercent;
             return status;
         }},
        {"Configuration", hostile::OptionWrites(),
         [](const std::string& path, bool& readsBack) {
             OptionValues values;
             options::ReadCommonOptions(values, path);
             files::Status status = options::WriteCommonOptions(values, path);
             OptionValues again;
             options::ReadCommonOptions(again, path);
             readsBack = true;
             for (const options::CommonOption& option : options::kCommonOptions) {
                 readsBack &= again.*option.field == values.*option.field;
             }
             return status;
         }},
        {"KeyAssignments", hostile::KeyWrites(),
         [](const std::string& path, bool& readsBack) {
             keys::CommandCatalogue catalogue = keys::kDefaultCommands;
             keys::LoadKeyAssignments(catalogue, path);
             files::Status status = keys::SaveKeyAssignments(catalogue, path);
             keys::CommandCatalogue again = keys::kDefaultCommands;
             keys::LoadKeyAssignments(again, path);
             readsBack = true;
             for (size_t i = 0; i < catalogue.size(); ++i) {
                 readsBack &=
                     again[i].modifier == catalogue[i].modifier && again[i].key == catalogue[i].key;
             }
             return status;
         }},
    };
}

class HostileFiles : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/corvel-hostile-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Put(const std::string& bytes) const {
        std::ofstream(m_dir / "file.cfg", std::ios::binary) << bytes;
        return m_dir.string() + "\\file.cfg";
    }
    std::string Get() const {
        std::ifstream in(m_dir / "file.cfg", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // Opens and saves bytes with every tool; returns how many refused.
    int EveryToolOn(const std::string& bytes) {
        int refusals = 0;
        for (const Tool& tool : Tools()) {
            SCOPED_TRACE(tool.name);
            const std::string path = Put(bytes);
            bool readsBack = false;
            const files::Status status = tool.openAndSave(path, readsBack);
            const std::string after = Get();
            if (hostile::Refused(bytes, bytes.size())) {
                EXPECT_EQ(files::ErrorName(status.error),
                          files::ErrorName(files::Error::Unsupported));
                EXPECT_TRUE(after == bytes) << "a refused file was changed";
                ++refusals;
            } else {
                EXPECT_TRUE(status.ok()) << status.reason;
                EXPECT_TRUE(after == hostile::Rewritten(bytes, after, tool.writes))
                    << "the save changed more than the tool's own lines";
                EXPECT_TRUE(readsBack) << "a second opening shows other values";
            }
            EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), {}), 1)
                << "a temporary was left";
        }
        return refusals;
    }

    fs::path m_dir;
};

class CorpusFile : public HostileFiles, public testing::WithParamInterface<std::string> {};

TEST_P(CorpusFile, EveryToolSavesOnlyItsLinesOrRefuses) {
    const std::string bytes = hostile::CorpusBytes(GetParam());
    ASSERT_TRUE(!bytes.empty() || GetParam().find("empty") != std::string::npos);
    EveryToolOn(bytes);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusFile, testing::ValuesIn(hostile::CorpusFiles()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST_F(HostileFiles, TenMegabytesOnOneLine) {
    EXPECT_EQ(EveryToolOn(std::string(10 * 1024 * 1024, 'x')), 0);
    EXPECT_EQ(EveryToolOn("[Common]\r\nUnitSystem=" + std::string(10 * 1024 * 1024, '1')), 0);
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST_F(HostileFiles, TwoHundredMegabytesAreRefusedWithoutBeingRead) {
    const fs::path file = m_dir / "file.cfg";
    {
        std::ofstream out(file, std::ios::binary);
        std::string chunk;
        while (chunk.size() < 1024 * 1024) {
            chunk += "[WEIGHT_AND_BALANCE]\r\nstation_load.4 = \"1984, 26.0, 0.0, 0.0, First\"\r\n";
        }
        chunk.resize(1024 * 1024);
        for (int i = 0; i < 200; ++i) {
            out << chunk;
        }
    }
    const auto size = fs::file_size(file);
    const auto written = fs::last_write_time(file);
    const long peakBefore = PeakKilobytes();
    const std::string path = m_dir.string() + "\\file.cfg";
    for (const Tool& tool : Tools()) {
        bool readsBack = false;
        files::Status status = tool.openAndSave(path, readsBack);
        EXPECT_EQ(files::ErrorName(status.error), files::ErrorName(files::Error::TooLarge))
            << tool.name;
    }
    // Opening shows the defaults: the file is never read into memory.
    EXPECT_EQ(payload::ReadPayload(path, payload::ConstantsFor(AircraftType::A320)).businessPax,
              0u);
    EXPECT_LT(PeakKilobytes() - peakBefore, 64 * 1024);
    EXPECT_EQ(fs::file_size(file), size);
    EXPECT_EQ(fs::last_write_time(file), written);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), {}), 1);
}

}  // namespace
