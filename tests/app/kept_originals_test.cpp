// The list of kept originals and their restore, over a simulator folder
// with every aircraft variant and the preferences file.
#include "app/kept_originals.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/profile.h"

namespace fs = std::filesystem;

namespace {

struct FileRow {
    const char* label;
    const char* folder;  // below the simulator folder
    const char* name;
};

// Every file the tools write, in the order the list shows them.
constexpr FileRow kFiles[] = {
    {"A318", "SimObjects/Airplanes/Norvane Zelvia A318", "Aircraft.cfg"},
    {"A319", "SimObjects/Airplanes/Norvane Zelvia A319", "Aircraft.cfg"},
    {"A319 IAE", "SimObjects/Airplanes/Norvane Zelvia A319IAE", "Aircraft.cfg"},
    {"A320", "SimObjects/Airplanes/Norvane Zelvia A320", "Aircraft.cfg"},
    {"A320 IAE", "SimObjects/Airplanes/Norvane Zelvia A320IAE", "Aircraft.cfg"},
    {"A321", "SimObjects/Airplanes/Norvane Zelvia A321", "Aircraft.cfg"},
    {"A321 IAE", "SimObjects/Airplanes/Norvane Zelvia A321IAE", "Aircraft.cfg"},
    {"ACJ", "SimObjects/Airplanes/Norvane Zelvia A319CJ", "Aircraft.cfg"},
    {"Preferences (Prefs.cfg)", "Norvane/Corvel", "Prefs.cfg"},
};

std::string Get(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class KeptOriginals : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(mkdtemp(m_sim.data()));
        for (const FileRow& row : kFiles) {
            fs::create_directories(fs::path(m_sim) / row.folder);
            std::ofstream(Native(row), std::ios::binary) << Before(row);
        }
    }
    void TearDown() override { fs::remove_all(m_sim); }

    static std::string Before(const FileRow& row) {
        return std::string("; ") + row.label + "\n[Common]\r\nValue=0\r\n";
    }
    fs::path Native(const FileRow& row) const { return fs::path(m_sim) / row.folder / row.name; }
    std::string Path(const FileRow& row) const {  // as the program builds it
        std::string path = m_sim + "/" + row.folder + "/" + row.name;
        for (char& c : path) {
            c = c == '/' ? '\\' : c;
        }
        return path;
    }
    std::vector<std::string> Labels() const {
        std::vector<std::string> labels;
        for (const KeptOriginal& kept : FindKeptOriginals(m_sim, Path(kFiles[8]))) {
            labels.push_back(kept.label);
        }
        return labels;
    }
    void Change(const FileRow& row, const char* value) const {
        ASSERT_TRUE(profile::WriteString("Common", "Value", value, Path(row)).ok());
    }

    std::string m_sim = "/tmp/corvel-originals-XXXXXX";
};

TEST_F(KeptOriginals, ListsEveryChangedFileAndRestoresItsBytes) {
    // A file the program created has none, even after later changes.
    fs::remove(Native(kFiles[8]));
    Change(kFiles[8], "1");
    Change(kFiles[8], "2");
    EXPECT_TRUE(Labels().empty());
    std::ofstream(Native(kFiles[8]), std::ios::binary) << Before(kFiles[8]);
    fs::remove(fs::path(Native(kFiles[8])) += ".created");
    // Every file changed twice: its original is the file before the first change.
    for (const FileRow& row : kFiles) {
        Change(row, "1");
        Change(row, "2");
    }
    std::vector<std::string> all;
    for (const FileRow& row : kFiles) {
        all.push_back(row.label);
    }
    EXPECT_EQ(Labels(), all);

    for (const FileRow& row : {kFiles[4], kFiles[8]}) {
        for (int time = 0; time < 2; ++time) {  // the original stays: it restores again
            ASSERT_TRUE(RestoreOriginal(Path(row)).ok()) << row.label;
            EXPECT_EQ(Get(Native(row)), Before(row)) << row.label;
            EXPECT_EQ(Get(fs::path(Native(row)) += ".original"), Before(row)) << row.label;
            Change(row, "3");
        }
    }
    EXPECT_EQ(Get(Native(kFiles[0])), "; A318\n[Common]\r\nValue=2\r\n");

    // A file that cannot be replaced, and one whose original is gone, stay as they were.
    fs::permissions(Native(kFiles[1]), fs::perms::owner_read);
    EXPECT_EQ(RestoreOriginal(Path(kFiles[1])).error, files::Error::AccessDenied);
    fs::remove(fs::path(Native(kFiles[2])) += ".original");
    EXPECT_EQ(RestoreOriginal(Path(kFiles[2])).error, files::Error::NotFound);
    EXPECT_EQ(Get(Native(kFiles[2])), "; A319 IAE\n[Common]\r\nValue=2\r\n");
    all.erase(all.begin() + 2);
    EXPECT_EQ(Labels(), all);

    // The date shown is the original's own, in local time.
    std::tm local{};
    local.tm_year = 2025 - 1900;
    local.tm_mon = 2;
    local.tm_mday = 9;
    local.tm_hour = 17;
    local.tm_min = 45;
    local.tm_isdst = -1;
    const std::time_t when = std::mktime(&local);
    const timespec times[2] = {{when, 0}, {when, 0}};
    const std::string original = (fs::path(Native(kFiles[0])) += ".original").string();
    ASSERT_EQ(utimensat(AT_FDCWD, original.c_str(), times, 0), 0);
    EXPECT_EQ(FormatLocalTime(FindKeptOriginals(m_sim, Path(kFiles[8]))[0].keptAt),
              "2025-03-09 17:45");
}

}  // namespace
