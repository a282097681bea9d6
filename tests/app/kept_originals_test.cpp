// The kept originals listed and restored, over every aircraft variant and the preferences file.
#include "app/kept_originals.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#endif

#include <ctime>

#include "platform/profile.h"
#include "tests/support/data_rows.h"

namespace fs = std::filesystem;

namespace {

class KeptOriginals : public testing::Test {
  protected:
    void SetUp() override {
        for (const test_data::Row& file : m_files) {
            fs::create_directories(fs::path(Native(file[1])).parent_path());
            std::ofstream(Native(file[1]), std::ios::binary) << Before(file[0]);
        }
    }

    static std::string Before(const std::string& label) {
        return "; " + label + "\n[Common]\r\nValue=0\r\n";
    }
    std::string Native(const std::string& path) const { return files::NativePath(m_sim + path); }
    std::string Get(const std::string& path) const { return test_data::FileBytes(Native(path)); }
    std::vector<std::string> Labels() const {
        std::vector<std::string> labels;
        for (const KeptOriginal& kept : FindKeptOriginals(m_sim, m_sim + m_files[8][1])) {
            labels.push_back(kept.label);
        }
        return labels;
    }
    void Change(const std::string& path, const char* value) const {  // as the program writes
        ASSERT_TRUE(profile::WriteString("Common", "Value", value, m_sim + path).ok());
    }

    const test_data::TempFolder m_sim;
    const std::vector<test_data::Row> m_files = test_data::Rows("kept_files.tsv");
};

TEST_F(KeptOriginals, ListsEveryChangedFileAndRestoresItsBytes) {
    // A file the program created has none, even after later changes.
    const std::string& prefs = m_files.at(8)[1];
    fs::remove(Native(prefs));
    Change(prefs, "1");
    Change(prefs, "2");
    EXPECT_TRUE(Labels().empty());
    std::ofstream(Native(prefs), std::ios::binary) << Before(m_files[8][0]);
    fs::remove(Native(prefs + ".created"));
    // Every file changed twice: its original is the file before the first change.
    std::vector<std::string> all;
    for (const test_data::Row& file : m_files) {
        Change(file[1], "1");
        Change(file[1], "2");
        all.push_back(file[0]);
    }
    EXPECT_EQ(Labels(), all);

    for (const test_data::Row& file : {m_files[4], m_files[8]}) {
        const std::string &label = file[0], &path = file[1];
        for (int time = 0; time < 2; ++time) {  // the original stays: it restores again
            ASSERT_TRUE(RestoreOriginal(m_sim + path).ok()) << label;
            EXPECT_EQ(Get(path), Before(label)) << label;
            EXPECT_EQ(Get(path + ".original"), Before(label)) << label;
            Change(path, "3");
        }
    }
    EXPECT_EQ(Get(m_files[0][1]), "; A318\n[Common]\r\nValue=2\r\n");

    // A file that cannot be replaced, and one whose original is gone, stay as they were.
    fs::permissions(Native(m_files[1][1]), fs::perms::owner_read);
    EXPECT_EQ(RestoreOriginal(m_sim + m_files[1][1]).error, files::Error::AccessDenied);
    fs::remove(Native(m_files[2][1] + ".original"));
    EXPECT_EQ(RestoreOriginal(m_sim + m_files[2][1]).error, files::Error::NotFound);
    EXPECT_EQ(Get(m_files[2][1]), "; A319 IAE\n[Common]\r\nValue=2\r\n");
    all.erase(all.begin() + 2);
    EXPECT_EQ(Labels(), all);

    // The date shown is the original's own, in local time.
    const std::string original = Native(m_files[0][1] + ".original");
#ifdef _WIN32
    SYSTEMTIME local{2025, 3, 0, 9, 17, 45, 0, 0}, utc{};
    FILETIME when{};
    ASSERT_TRUE(TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc) &&
                SystemTimeToFileTime(&utc, &when));
    HANDLE file = CreateFileW(fs::u8path(original).wstring().c_str(), FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &when));
    CloseHandle(file);
#else
    std::tm local{};
    ASSERT_TRUE(strptime("2025-03-09 17:45", "%Y-%m-%d %H:%M", &local));
    local.tm_isdst = -1;
    const std::time_t when = std::mktime(&local);
    const timespec times[2] = {{when, 0}, {when, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, original.c_str(), times, 0), 0);
#endif
    EXPECT_EQ(FormatLocalTime(FindKeptOriginals(m_sim, m_sim + prefs)[0].keptAt),
              "2025-03-09 17:45");
}

}  // namespace
