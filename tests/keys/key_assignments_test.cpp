#include "keys/key_assignments.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/profile.h"

namespace keys {
namespace {

namespace fs = std::filesystem;

class KeyAssignmentsTest : public testing::Test {
  protected:
    void SetUp() override {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        m_folder = fs::temp_directory_path() / ("corvel-keys-" + std::string(info->name()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        m_path = (m_folder / "Prefs.cfg").string();
    }
    void TearDown() override { fs::remove_all(m_folder); }

    static void WriteFile(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    fs::path m_folder;
    std::string m_path;
};

TEST_F(KeyAssignmentsTest, RowTakesTheFileOnlyWhenBothEntriesArePresent) {
    WriteFile(m_path,
              "[Common]\r\nCommand.04-Modifier=1\r\nCommand.04-Key=30\r\n"
              "[Keys]\r\n"
              "Command.03-Modifier=1\r\nCommand.03-Key=30\r\n"
              "Command.05-Key=30\r\n"                               // no modifier
              "Command.06-Modifier=0\r\n"                           // no key
              "Command.07-Modifier=-9999\r\nCommand.07-Key=16\r\n"  // reads as missing
              "command.08-modifier = 7 \r\nCommand.08-Key=  45\r\n"
              "Command.89-Modifier=2\r\nCommand.89-Key=59\r\n");
    CommandCatalogue catalogue = kDefaultCommands;
    catalogue[10].modifier = 1;  // a binding cancelled earlier in the run
    LoadKeyAssignments(catalogue, m_path);

    CommandCatalogue expected = kDefaultCommands;
    expected[10].modifier = 1;
    expected[3].modifier = 1;
    expected[3].key = 30;
    expected[8].modifier = 7;  // kept as it is; shown as "? + X"
    expected[8].key = 45;
    expected[89].modifier = 2;
    expected[89].key = 59;
    for (size_t i = 0; i < kCommandCount; ++i) {
        EXPECT_EQ(catalogue[i].modifier, expected[i].modifier) << "row " << i;
        EXPECT_EQ(catalogue[i].key, expected[i].key) << "row " << i;
    }
}

TEST_F(KeyAssignmentsTest, MissingFileLeavesTheCatalogueAlone) {
    CommandCatalogue catalogue = kDefaultCommands;
    catalogue[0].key = 21;
    LoadKeyAssignments(catalogue, m_path);
    EXPECT_EQ(catalogue[0].key, 21);
    EXPECT_EQ(catalogue[1].key, 33);
    EXPECT_FALSE(fs::exists(m_path));
}

TEST_F(KeyAssignmentsTest, SavedCatalogueReadsBackIntoAnother) {
    CommandCatalogue saved = kDefaultCommands;
    saved[16] = {46, saved[16].name, 3, 88};
    saved[87] = {97, "", 1, 2};
    ASSERT_TRUE(SaveKeyAssignments(saved, m_path).ok());
    CommandCatalogue loaded = kDefaultCommands;
    for (CommandEntry& entry : loaded) {
        entry.modifier = 9;
        entry.key = 9;
    }
    LoadKeyAssignments(loaded, m_path);
    for (size_t i = 0; i < kCommandCount; ++i) {
        EXPECT_EQ(loaded[i].modifier, saved[i].modifier) << "row " << i;
        EXPECT_EQ(loaded[i].key, saved[i].key) << "row " << i;
    }
    std::string bytes = ReadFile(m_path);
    EXPECT_LT(bytes.find("Command.00-Modifier=3"), bytes.find("Command.00-Key=20"));
    EXPECT_LT(bytes.find("Command.00-Key=20"), bytes.find("Command.01-Modifier=3"));
    EXPECT_NE(bytes.find("Command.90-Key=0"), std::string::npos);
}

// The batch must leave the file exactly as writing each entry in turn would.
TEST_F(KeyAssignmentsTest, SaveMatchesWritingEachEntryInTurn) {
    const std::string existing =
        "; Corvel preferences\r\n[Common]\r\nUnitSystem=1\r\n\r\n"
        "[Keys]\r\nCommand.05-Key=30\r\n  Command.00-Modifier = 2 ; old\r\n"
        "Unrelated=keep\n[Other]\r\nCommand.01-Key=1";
    const std::string batchPath = (m_folder / "batch.cfg").string();
    WriteFile(batchPath, existing);
    WriteFile(m_path, existing);
    CommandCatalogue catalogue = kDefaultCommands;
    catalogue[2].key = 0;

    ASSERT_TRUE(SaveKeyAssignments(catalogue, batchPath).ok());
    for (const profile::Entry& entry : KeyAssignmentEntries(catalogue)) {
        ASSERT_TRUE(profile::WriteString(entry.section, entry.key, entry.value, m_path).ok());
    }
    EXPECT_EQ(ReadFile(batchPath), ReadFile(m_path));
}

TEST_F(KeyAssignmentsTest, FailedSaveIsReportedAndWritesNothing) {
    const std::string missingFolder = (m_folder / "Norvane" / "Corvel" / "Prefs.cfg").string();
    EXPECT_FALSE(SaveKeyAssignments(kDefaultCommands, missingFolder).ok());
    EXPECT_FALSE(fs::exists(m_folder / "Norvane"));

    fs::create_directory(m_path);  // a folder where the file should be
    EXPECT_FALSE(SaveKeyAssignments(kDefaultCommands, m_path).ok());
    EXPECT_TRUE(fs::is_directory(m_path));
}

}  // namespace
}  // namespace keys
