// The list of kept originals and their restore, over a simulator folder
// with every aircraft variant and the preferences file.
#include "app/kept_originals.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "platform/profile.h"
#include "tests/support/data_rows.h"

namespace fs = std::filesystem;

namespace {

// Every file the tools write, in the order the list shows them: label, path
// below the simulator folder.
std::vector<std::pair<std::string, std::string>> Files() {
    std::vector<std::pair<std::string, std::string>> files;
    for (const test_data::Row& row : test_data::Rows("aircraft_paths.tsv")) {
        files.push_back({row[0], row[1]});
        if (row[2] != "-") {
            files.push_back({row[0] + " IAE", row[2]});
        }
    }
    files.push_back({"Preferences (Prefs.cfg)", "\\Norvane\\Corvel\\Prefs.cfg"});
    return files;
}

class KeptOriginals : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(mkdtemp(m_sim.data()));
        for (const auto& [label, path] : m_files) {
            fs::create_directories(fs::path(Native(path)).parent_path());
            std::ofstream(Native(path), std::ios::binary) << Before(label);
        }
    }
    void TearDown() override { fs::remove_all(m_sim); }

    static std::string Before(const std::string& label) {
        return "; " + label + "\n[Common]\r\nValue=0\r\n";
    }
    std::string Native(const std::string& path) const { return files::NativePath(m_sim + path); }
    std::string Get(const std::string& path) const { return test_data::FileBytes(Native(path)); }
    std::vector<std::string> Labels() const {
        std::vector<std::string> labels;
        for (const KeptOriginal& kept : FindKeptOriginals(m_sim, m_sim + m_files[8].second)) {
            labels.push_back(kept.label);
        }
        return labels;
    }
    void Change(const std::string& path, const char* value) const {  // as the program writes
        ASSERT_TRUE(profile::WriteString("Common", "Value", value, m_sim + path).ok());
    }

    std::string m_sim = "/tmp/corvel-originals-XXXXXX";
    const std::vector<std::pair<std::string, std::string>> m_files = Files();
};

TEST_F(KeptOriginals, ListsEveryChangedFileAndRestoresItsBytes) {
    // A file the program created has none, even after later changes.
    const auto& [prefsLabel, prefs] = m_files.at(8);
    fs::remove(Native(prefs));
    Change(prefs, "1");
    Change(prefs, "2");
    EXPECT_TRUE(Labels().empty());
    std::ofstream(Native(prefs), std::ios::binary) << Before(prefsLabel);
    fs::remove(Native(prefs + ".created"));
    // Every file changed twice: its original is the file before the first change.
    std::vector<std::string> all;
    for (const auto& [label, path] : m_files) {
        Change(path, "1");
        Change(path, "2");
        all.push_back(label);
    }
    EXPECT_EQ(Labels(), all);

    for (const auto& [label, path] : {m_files[4], m_files[8]}) {
        for (int time = 0; time < 2; ++time) {  // the original stays: it restores again
            ASSERT_TRUE(RestoreOriginal(m_sim + path).ok()) << label;
            EXPECT_EQ(Get(path), Before(label)) << label;
            EXPECT_EQ(Get(path + ".original"), Before(label)) << label;
            Change(path, "3");
        }
    }
    EXPECT_EQ(Get(m_files[0].second), "; A318\n[Common]\r\nValue=2\r\n");

    // A file that cannot be replaced, and one whose original is gone, stay as they were.
    fs::permissions(Native(m_files[1].second), fs::perms::owner_read);
    EXPECT_EQ(RestoreOriginal(m_sim + m_files[1].second).error, files::Error::AccessDenied);
    fs::remove(Native(m_files[2].second + ".original"));
    EXPECT_EQ(RestoreOriginal(m_sim + m_files[2].second).error, files::Error::NotFound);
    EXPECT_EQ(Get(m_files[2].second), "; A319 IAE\n[Common]\r\nValue=2\r\n");
    all.erase(all.begin() + 2);
    EXPECT_EQ(Labels(), all);

    // The date shown is the original's own, in local time.
    std::tm local{};
    ASSERT_TRUE(strptime("2025-03-09 17:45", "%Y-%m-%d %H:%M", &local));
    local.tm_isdst = -1;
    const std::time_t when = std::mktime(&local);
    const timespec times[2] = {{when, 0}, {when, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, Native(m_files[0].second + ".original").c_str(), times, 0), 0);
    EXPECT_EQ(FormatLocalTime(FindKeptOriginals(m_sim, m_sim + prefs)[0].keptAt),
              "2025-03-09 17:45");
}

}  // namespace
