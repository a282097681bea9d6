// The profile functions on real files in a temporary folder, with paths
// built as the program builds them (appended with backslashes).
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/files.h"
#include "platform/profile.h"

namespace {

namespace fs = std::filesystem;

class ProfileFiles : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/corvel-profile-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override {
        std::system(("chattr -R -i " + m_dir + " 2>/dev/null").c_str());
        fs::remove_all(m_dir);
    }

    std::string ProgramPath(const std::string& name) const { return m_dir + "\\" + name; }
    std::string NativePath(const std::string& name) const { return m_dir + "/" + name; }
    void Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(NativePath(name), std::ios::binary) << bytes;
    }
    std::string Get(const std::string& name) const {
        if (!fs::is_regular_file(NativePath(name))) {
            return "<none>";
        }
        std::ifstream in(NativePath(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Every name in the folder: a failed or finished write leaves no temporary.
    std::vector<std::string> Names(const std::string& folder = {}) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.empty() ? m_dir : folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    // A write that must fail with error and leave the file as it was.
    void ExpectRefused(files::Error error, const std::string& name = "Prefs.cfg") {
        std::string before = Get(name);
        std::vector<std::string> namesBefore = Names();
        files::Status status =
            profile::WriteString("Common", "UnitSystem", std::string(512, '7'), ProgramPath(name));
        EXPECT_EQ(files::ErrorName(status.error), files::ErrorName(error)) << status.reason;
        EXPECT_FALSE(status.reason.empty());
        EXPECT_EQ(Get(name), before);
        EXPECT_EQ(Names(), namesBefore);
    }

    std::string m_dir;
};

TEST_F(ProfileFiles, MissingFileGivesTheDefaults) {
    std::string path = ProgramPath("Prefs.cfg");
    EXPECT_EQ(profile::GetString("Common", "UnitSystem", "<UNDEFINED>", 49, path), "<UNDEFINED>");
    EXPECT_EQ(profile::GetInt("Keys", "Command.00-Key", -9999, path), -9999);
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(profile::GetString("Common", "UnitSystem", "abcdef", buffer, 0, path), 0u);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(profile::GetString("Common", "UnitSystem", "abcdef", buffer, sizeof buffer, path),
              3u);
    EXPECT_STREQ(buffer, "abc");
}

TEST_F(ProfileFiles, WriteCreatesTheFileAndReadsBack) {
    std::string path = ProgramPath("Prefs.cfg");
    ASSERT_TRUE(profile::WriteString("Common", "UnitSystem", "1", path).ok());
    ASSERT_TRUE(profile::WriteString("Keys", "Command.00-Key", "-12", path).ok());
    EXPECT_EQ(Get("Prefs.cfg"), "[Common]\r\nUnitSystem=1\r\n[Keys]\r\nCommand.00-Key=-12\r\n");
    EXPECT_EQ(profile::GetString("common", "unitsystem", "", 49, path), "1");
    EXPECT_EQ(profile::GetInt("KEYS", "command.00-key", -9999, path), -12);
    EXPECT_EQ(Names(), std::vector<std::string>{"Prefs.cfg"});
}

TEST_F(ProfileFiles, IntegersAreCutAt29Characters) {
    Put("a.cfg", "[S]\r\nk=00000000000000000000000000001\r\nj=000000000000000000000000000001\r\n");
    EXPECT_EQ(profile::GetInt("S", "k", -1, ProgramPath("a.cfg")), 1);
    EXPECT_EQ(profile::GetInt("S", "j", -1, ProgramPath("a.cfg")), 0);
}

// The payload write of the load manager, on a file shaped like the simulator's.
TEST_F(ProfileFiles, BatchMatchesGoldenFileAndOneByOneWrites) {
    std::ifstream in(CORVEL_SOURCE_DIR "/tests/platform/data/aircraft_before.cfg",
                     std::ios::binary);
    std::string before{std::istreambuf_iterator<char>(in), {}};
    ASSERT_FALSE(before.empty());
    const std::vector<profile::Entry> entries = {
        {"WEIGHT_AND_BALANCE", "station_load.4", "3402.0, 34.0, 0.0, 0.0"},
        {"weight_and_balance", "Station_Load.5", "2268.0, -40.0, 0.0, 0.0"},
        {"WEIGHT_AND_BALANCE", "station_load.2", "9525.0, 20.0, 0.0, 0.0"},
        {"WEIGHT_AND_BALANCE", "station_load.3", "9525.0, -20.0, 0.0, 0.0"},
        {"WEIGHT_AND_BALANCE", "station_load.4", "3400.0, 34.0, 0.0, 0.0"},
        {"Corvel", "saved", "1"},
    };
    Put("batch.cfg", before);
    Put("single.cfg", before);
    ASSERT_TRUE(profile::WriteBatch(entries, ProgramPath("batch.cfg")).ok());
    for (const profile::Entry& entry : entries) {
        ASSERT_TRUE(
            profile::WriteString(entry.section, entry.key, entry.value, ProgramPath("single.cfg"))
                .ok());
    }
    std::ifstream golden(CORVEL_SOURCE_DIR "/tests/platform/data/aircraft_after.cfg",
                         std::ios::binary);
    EXPECT_EQ(Get("batch.cfg"), std::string(std::istreambuf_iterator<char>(golden), {}));
    EXPECT_EQ(Get("single.cfg"), Get("batch.cfg"));
}

TEST_F(ProfileFiles, KeepsModeLinkAndUnchangedFiles) {
    Put("Prefs.cfg", "[Common]\nUnitSystem=0\n");
    chmod(NativePath("Prefs.cfg").c_str(), 0640);
    ASSERT_EQ(symlink("Prefs.cfg", NativePath("link.cfg").c_str()), 0);
    ASSERT_TRUE(profile::WriteString("Common", "UnitSystem", "1", ProgramPath("link.cfg")).ok());
    struct stat info {};
    ASSERT_EQ(lstat(NativePath("link.cfg").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(stat(NativePath("Prefs.cfg").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(Get("Prefs.cfg"), "[Common]\nUnitSystem=1\n");

    // Writing what is already there does not touch the file.
    ASSERT_TRUE(profile::WriteString("Common", "unitsystem", "1", ProgramPath("Prefs.cfg")).ok());
    struct stat after {};
    ASSERT_EQ(stat(NativePath("Prefs.cfg").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, info.st_ino);
}

TEST_F(ProfileFiles, RefusesWhatItCannotRewrite) {
    Put("Prefs.cfg", std::string("\xFF\xFE[\0C\0]\0\n\0", 10));
    ExpectRefused(files::Error::Unsupported);
    Put("Prefs.cfg", std::string("[Common]\nUnitSystem=\0\n", 22));
    ExpectRefused(files::Error::Unsupported);
    Put("Prefs.cfg", "[Common]\r\nUnitSystem=0\r\n");
    files::Status status = profile::WriteBatch(
        {{"Common", "UnitSystem", "1"}, {"Common", "Bad", "a\nb"}}, ProgramPath("Prefs.cfg"));
    EXPECT_EQ(status.error, files::Error::Unsupported);
    EXPECT_EQ(Get("Prefs.cfg"), "[Common]\r\nUnitSystem=0\r\n");

    // Far larger than any file of the program's: refused, and read as missing.
    ASSERT_EQ(truncate(NativePath("Prefs.cfg").c_str(), files::kMaxFileBytes + 1), 0);
    status = profile::WriteString("Common", "UnitSystem", "1", ProgramPath("Prefs.cfg"));
    EXPECT_EQ(status.error, files::Error::TooLarge);
    EXPECT_EQ(fs::file_size(NativePath("Prefs.cfg")), files::kMaxFileBytes + 1);
    EXPECT_EQ(profile::GetInt("Common", "UnitSystem", -5, ProgramPath("Prefs.cfg")), -5);
}

TEST_F(ProfileFiles, ReportsWhyTheFileSystemRefused) {
    ExpectRefused(files::Error::NotFound, "missing\\Prefs.cfg");
    EXPECT_FALSE(fs::exists(NativePath("missing")));

    fs::create_directory(NativePath("Prefs.cfg"));
    ExpectRefused(files::Error::IsDirectory);
    EXPECT_EQ(profile::GetString("Common", "UnitSystem", "d", 9, ProgramPath("Prefs.cfg")), "d");
    fs::remove(NativePath("Prefs.cfg"));

    Put("Prefs.cfg", "[Common]\r\nUnitSystem=0\r\n");
    chmod(NativePath("Prefs.cfg").c_str(), 0444);
    ExpectRefused(files::Error::AccessDenied);
    chmod(NativePath("Prefs.cfg").c_str(), 0644);

    if (std::system(("chattr +i " + NativePath("Prefs.cfg") + " 2>/dev/null").c_str()) == 0) {
        ExpectRefused(files::Error::AccessDenied);
        std::system(("chattr -i " + NativePath("Prefs.cfg")).c_str());
    }
}

TEST_F(ProfileFiles, FullDiskLeavesTheFile) {
    fs::create_directory(NativePath("small"));
    if (mount("tmpfs", NativePath("small").c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs here";
    }
    Put("small/Prefs.cfg", "[Common]\r\nUnitSystem=0\r\n");
    std::string before = Get("small/Prefs.cfg");
    files::Status status = profile::WriteString("Common", "UnitSystem", std::string(100000, '1'),
                                                ProgramPath("small\\Prefs.cfg"));
    std::vector<std::string> names = Names(NativePath("small"));
    std::string after = Get("small/Prefs.cfg");
    umount(NativePath("small").c_str());
    EXPECT_EQ(status.error, files::Error::DiskFull) << status.reason;
    EXPECT_EQ(after, before);
    EXPECT_EQ(names, std::vector<std::string>{"Prefs.cfg"});
}

}  // namespace
