// The profile functions on real files, with paths built as the program builds them.
#include "platform/profile.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <sys/mount.h>
#endif

#include "platform/files.h"
#include "tests/platform/ini_cases.h"

namespace {

namespace fs = std::filesystem;

class ProfileFiles : public testing::Test, protected test_data::TempFolder {};

// Each file is read call by call and through one snapshot that answers all its keys, the file
// emptied after the snapshot was taken.
TEST_F(ProfileFiles, ReadsGiveTheExpectedValues) {
    for (const ini_cases::ReadFile& file : ini_cases::kReadFiles) {
        Put(file.name, file.bytes);
        for (const ini_cases::ReadCheck& c : file.checks) {
            EXPECT_EQ(profile::GetString(c.section, c.key, c.defaultValue, c.size, Path(file.name)),
                      c.expected)
                << file.name << " [" << c.section << "] " << c.key << " size " << c.size;
        }
        const profile::Snapshot snapshot(Path(file.name));
        Put(file.name, "");
        for (const ini_cases::ReadCheck& c : file.checks) {
            EXPECT_EQ(snapshot.GetString(c.section, c.key, c.defaultValue, c.size), c.expected)
                << "snapshot of " << file.name << " [" << c.section << "] " << c.key;
        }
        Put(file.name, file.bytes);
    }
    const profile::Snapshot integers(Path("Integers"));
    for (const test_data::Row& r : ini_cases::kRows) {  // the int rows, of the file Integers
        if (r[0] == "int") {
            EXPECT_EQ(profile::GetInt("S", r[1], -9999, Path("Integers")), std::stoi(r[3])) << r[2];
            EXPECT_EQ(integers.GetInt("S", r[1], -9999), std::stoi(r[3])) << r[2];
        }
    }
    // A missing file reads as the defaults.
    EXPECT_EQ(profile::GetString("S", "k", "abc", 99, Path("none.cfg")), "abc");
    EXPECT_EQ(profile::GetInt("S", "k", -9999, Path("none.cfg")), -9999);
    EXPECT_EQ(profile::Snapshot(Path("none.cfg")).GetInt("S", "k", -9999), -9999);
}

TEST_F(ProfileFiles, WritesChangeOnlyTheirLine) {
    for (const ini_cases::WriteRow& row : ini_cases::kWriteRows) {
        SCOPED_TRACE(row.name);
        if (row.before != ini_cases::kMissing) {
            Put(row.name, row.before);
        }
        const auto status = profile::WriteString(row.section, row.key, row.value, Path(row.name));
        std::string bytes = Get(row.name);
        // Only a file that was there and changed has an original.
        const bool changed = row.before != ini_cases::kMissing && bytes != row.before;
        EXPECT_EQ(Get(std::string(row.name) + ".original"),
                  changed ? row.before : ini_cases::kMissing);
        EXPECT_EQ(fs::exists(Native(row.name) + ".created"), row.before == ini_cases::kMissing);
        if (row.platform == ini_cases::kOursRefuses) {
            EXPECT_EQ(status.error, files::Error::Unsupported);
            EXPECT_EQ(bytes, row.before);
            continue;
        }
        ASSERT_TRUE(status.ok()) << status.reason;
        if (!row.after.empty()) {  // otherwise the Windows tests compare with the platform's
            EXPECT_EQ(bytes, row.after);
        }
        // A second write of the same leaves the file alone, so a read-only one too.
        fs::permissions(Native(row.name), fs::perms::owner_read);
        EXPECT_TRUE(profile::WriteString(row.section, row.key, row.value, Path(row.name)).ok());
    }
    // Finished and refused writes leave no temporary behind.
    for (const std::string& name : test_data::FolderNames(*this)) {
        EXPECT_EQ(name.find(".~"), std::string::npos) << name;
    }

    // A batch with one entry that cannot be written writes none.
    Put("Prefs.cfg", "[Common]\r\nUnitSystem=0\r\n");
    files::Status status = profile::WriteBatch(
        {{"Common", "UnitSystem", "1"}, {"Common", "Bad", "a\nb"}}, Path("Prefs.cfg"));
    EXPECT_EQ(status.error, files::Error::Unsupported);
    EXPECT_EQ(Get("Prefs.cfg"), "[Common]\r\nUnitSystem=0\r\n");
    // Writes that undo each other leave the file unchanged, with no original.
    status = profile::WriteBatch({{"Common", "UnitSystem", "1"}, {"Common", "UnitSystem", "0"}},
                                 Path("Prefs.cfg"));
    EXPECT_TRUE(status.ok() && !fs::exists(Native("Prefs.cfg.original"))) << status.reason;
}

TEST_F(ProfileFiles, BatchMatchesGoldenFileAndOneByOneWrites) {
    std::vector<profile::Entry> entries;
    for (const test_data::Row& row : test_data::Rows("profile_batch.tsv")) {
        entries.push_back({row[0], row[1], row[2]});
    }
    Put("batch.cfg",
        test_data::FileBytes(CORVEL_SOURCE_DIR "/tests/platform/data/aircraft_before.cfg"));
    Put("single.cfg", Get("batch.cfg"));
    ASSERT_TRUE(profile::WriteBatch(entries, Path("batch.cfg")).ok());
    for (const profile::Entry& e : entries) {
        ASSERT_TRUE(profile::WriteString(e.section, e.key, e.value, Path("single.cfg")).ok());
    }
    EXPECT_EQ(Get("batch.cfg"),
              test_data::FileBytes(CORVEL_SOURCE_DIR "/tests/platform/data/aircraft_after.cfg"));
    EXPECT_EQ(Get("single.cfg"), Get("batch.cfg"));
}

// A write keeps the file's permissions, and a link (the original beside the link); one that cannot
// be made says why and leaves the file: read-only (even for root), in a missing folder, too large,
// its original not to be made.
TEST_F(ProfileFiles, KeepsModeAndLinksAndRefusesWhatItCannotWrite) {
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    Put("Prefs.cfg", "[S]\r\nk=v\r\n");
    fs::permissions(Native("Prefs.cfg"), mode);
#ifdef _WIN32  // no mode bits, and links need a privilege: the Windows file tests keep the marks
    ASSERT_TRUE(profile::WriteString("S", "k", "w", Path("Prefs.cfg")).ok());
#else
    fs::create_symlink("Prefs.cfg", Native("link.cfg"));
    ASSERT_TRUE(profile::WriteString("S", "k", "w", Path("link.cfg")).ok());
    EXPECT_EQ(fs::status(Native("Prefs.cfg")).permissions(), mode);
    EXPECT_TRUE(fs::is_symlink(Native("link.cfg")));
    EXPECT_EQ(Get("Prefs.cfg") + Get("link.cfg.original") + Get("Prefs.cfg.original"),
              "[S]\r\nk=w\r\n[S]\r\nk=v\r\n" + ini_cases::kMissing);
#endif

    fs::permissions(Native("Prefs.cfg"), fs::perms::owner_read);
    Put("big.cfg", "");
    fs::resize_file(Native("big.cfg"), files::kMaxFileBytes + 1);
    Put("aircraft.cfg", "[S]\r\nk=w\r\n");
    fs::create_directory(Native("aircraft.cfg.original"));
    fs::create_directory(Native("Folder.cfg"));
    const std::pair<std::string, files::Error> rows[] = {
        {"Folder.cfg", files::Error::IsDirectory},
        {"Prefs.cfg", files::Error::AccessDenied},
        {"none\\Prefs.cfg", files::Error::NotFound},
        {"big.cfg", files::Error::TooLarge},
        {"aircraft.cfg", files::Error::OriginalNotKept}};
    for (const auto& [name, error] : rows) {
        EXPECT_EQ(profile::WriteString("S", "k", "x", Path(name)).error, error) << name;
    }
    EXPECT_EQ(Get("Prefs.cfg"), "[S]\r\nk=w\r\n");
    EXPECT_EQ(Get("aircraft.cfg"), "[S]\r\nk=w\r\n");
    EXPECT_EQ(fs::file_size(Native("big.cfg")), files::kMaxFileBytes + 1);
}

// Only our own pattern, and only of a process that is gone, is removed: a live writer's temporary
// (ours, perhaps writing; process 1 where there is one) and the user's own files stay.
TEST_F(ProfileFiles, OnlyDeadWritersTemporariesAreRemoved) {
#ifdef _WIN32
    const std::string init;
#else
    const std::string init = "Prefs.cfg.~1-0.tmp ";
#endif
    const test_data::Row names =
        test_data::Fields(init +
                              "Prefs.cfg Prefs.cfg.bak Prefs.cfg.~x-1.tmp "
                              "Prefs.cfg.~99999999-1.tmp.txt "
                              "Other.cfg.~99999999-1.tmp prefs.cfg.~99999999-1.tmp Prefs.cfg.~" +
                              std::to_string(getpid()) + "-7.tmp",
                          ' ');
    std::set<std::string> kept(names.begin(), names.end());
    for (const std::string& name : kept) {
        Put(name, "[Common]\r\nUnitSystem=0\r\n");
    }
    Put("Prefs.cfg.~99999999-3.tmp", "[Common]\r\nUnitSystem=");
    Put("Prefs.cfg.original.~99999999-4.tmp", "[Common]\r\n");
    ASSERT_TRUE(profile::WriteString("Common", "UnitSystem", "1", Path("Prefs.cfg")).ok());
    kept.insert("Prefs.cfg.original");
    EXPECT_EQ(test_data::FolderNames(*this), kept);
}

#ifndef _WIN32
// A full disk: the write fails, says why, and leaves the file and the folder as they were.
TEST_F(ProfileFiles, FullDiskLeavesTheFile) {
    fs::create_directory(Native("small"));
    if (mount("tmpfs", Native("small").c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs here";
    }
    Put("small/Prefs.cfg", "[Common]\r\nUnitSystem=0\r\n");
    files::Status status = profile::WriteString("Common", "UnitSystem", std::string(100000, '1'),
                                                Path("small\\Prefs.cfg"));
    std::string after = Get("small/Prefs.cfg");
    auto entries = std::distance(fs::directory_iterator(Native("small")), {});
    umount(Native("small").c_str());
    EXPECT_EQ(status.error, files::Error::DiskFull) << status.reason;
    EXPECT_EQ(after, "[Common]\r\nUnitSystem=0\r\n");
    EXPECT_EQ(entries, 1);  // no temporary, and no original of a save that failed
}
#endif

}  // namespace
