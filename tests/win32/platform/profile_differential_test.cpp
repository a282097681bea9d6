// Our profile functions against the platform's own (GetPrivateProfileStringA,
// GetPrivateProfileIntA, WritePrivateProfileStringA) on the same files: the
// same values read, the same bytes written, except where ours keeps more of
// the file or refuses; each such case is named below.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "platform/files.h"
#include "platform/profile.h"

namespace {

using namespace std::string_literals;

// A fresh folder per run; every file gets a name of its own, so the
// platform's cache of profile files never sees a name twice.
class Folder {
  public:
    Folder() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_wide = std::wstring(temp) + L"corvel-profile-" + std::to_wstring(GetCurrentProcessId()) +
                 L"-" + std::to_wstring(GetTickCount64());
        CreateDirectoryW(m_wide.c_str(), nullptr);
        m_path = std::string(m_wide.begin(), m_wide.end());  // ASCII under Wine's temp folder
    }
    ~Folder() { RemoveTree(m_wide); }
    std::string NewFile(const std::string& bytes, const char* tag) {
        std::string path = m_path + "\\" + tag + "-" + std::to_string(++m_count) + ".ini";
        Put(path, bytes);
        return path;
    }
    std::string NewPath(const char* tag) {
        return m_path + "\\" + tag + "-" + std::to_string(++m_count) + ".ini";
    }
    const std::string& path() const { return m_path; }

    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::optional<std::string> Get(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    int Count() const {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((m_wide + L"\\*").c_str(), &found);
        int n = 0;
        do {
            n += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return n;
    }

  private:
    static void RemoveTree(const std::wstring& folder) {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
        do {
            std::wstring path = folder + L"\\" + found.cFileName;
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            } else if (found.cFileName[0] != L'.') {
                RemoveTree(path);
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
        RemoveDirectoryW(folder.c_str());
    }

    std::wstring m_wide;
    std::string m_path;
    int m_count = 0;
};

Folder& TestFolder() {
    static Folder folder;
    return folder;
}

struct Query {
    std::string section;
    std::string key;
    DWORD size = 64;
    const char* defaultValue = "<UNDEFINED>";
};

struct ReadCase {
    const char* name;
    std::string file;
    std::vector<Query> queries;
};

// A query for each one-letter key in section [S].
std::vector<Query> EachKey(std::string_view keys) {
    std::vector<Query> queries;
    for (char key : keys) {
        queries.push_back({"S", std::string(1, key)});
    }
    return queries;
}

// Tricky files, each with the questions worth asking of it.
const std::vector<ReadCase>& ReadCorpus() {
    static const std::vector<ReadCase> corpus = {
        {"CaseOfNames",
         "[Common]\r\nUnitSystem=1\r\n",
         {{"COMMON", "unitsystem"}, {"common", "UNITSYSTEM"}}},
        {"BlanksAroundNames",
         "  [ S ]  \r\n\t k x \t=\t 12 \t\r\n k=3\r\n",
         {{"S", "k x"}, {" S ", " k x "}, {"S", "k"}, {"S", "kx"}}},
        {"Quotes",
         "[S]\r\nd=\"7\"\r\ns='8'\r\nu=\"9'\r\nl=\"\r\ne=''\r\ni=\"a\"b\"\r\nb= \" 5 \" \r\n",
         EachKey("dsulieb")},
        {"DuplicateSections",
         "[S]\r\na=1\r\n[T]\r\nb=2\r\n[s]\r\nk=3\r\na=4\r\n",
         {{"S", "a"}, {"S", "k"}, {"T", "b"}}},
        {"DuplicateKeys", "[S]\r\nk=1\r\nK=2\r\nj\r\nj=5\r\n", {{"S", "k"}, {"S", "j"}}},
        {"Comments",
         "; head\r\n[S]\r\n;k=1\r\nk=2 ; tail\r\n#j=3\r\n",
         {{"S", "k"}, {"S", ";k"}, {"S", "#j"}, {"", "; head"}}},
        {"EmptyValues",
         "[S]\r\nk=\r\nj =  \r\nq=\"\"\r\nn\r\n",
         {{"S", "k"}, {"S", "j"}, {"S", "q"}, {"S", "n"}}},
        {"EqualsInValue", "[S]\r\na=b=c\r\n=v\r\n", {{"S", "a"}, {"S", "a=b"}, {"S", ""}}},
        {"LongValue",
         "[S]\r\nk=" + std::string(300, '4') + "\r\nq=\"" + std::string(120, '5') + "\"\r\n",
         {{"S", "k", 99}, {"S", "k", 1}, {"S", "k", 2}, {"S", "q", 99}, {"S", "q", 10}}},
        {"LongLine", "[S]\r\n" + std::string(70000, 'y') + "=1\r\nk=v\r\n", {{"S", "k"}}},
        {"CrLf", "[S]\r\nk=1\r\nj=2\r\n", {{"S", "k"}, {"S", "j"}}},
        {"Lf", "[S]\nk=1\nj=2\n", {{"S", "k"}, {"S", "j"}}},
        {"Cr", "[S]\rk=1\rj=2", {{"S", "k"}, {"S", "j"}}},
        {"MixedEndings", "[S]\r\nk=1\nj=2\r[T]\n\rt=3\r\r\n", {{"S", "k"}, {"S", "j"}, {"T", "t"}}},
        {"LoneCrInValue", "[S]\r\nk=1\r2\r\n", {{"S", "k"}, {"S", "2"}}},
        {"Utf8Bom", "\xEF\xBB\xBF[S]\r\nk=1\r\n", {{"S", "k"}}},
        {"Utf8BomBeforeKey", "\xEF\xBB\xBFk=1\r\n[S]\r\n", {{"", "k"}, {"S", "k"}}},
        {"DoubleBom", "\xEF\xBB\xBF\xEF\xBB\xBF[S]\r\nk=1\r\n", {{"S", "k"}}},
        {"Utf16Le",
         "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0"
         "4\0\r\0\n\0"s,
         {{"S", "k"}}},
        {"Utf16Be",
         "\xFE\xFF\0[\0S\0]\0\n\0k\0=\0"
         "5"s,
         {{"S", "k"}}},
        {"NoFinalNewline", "[S]\r\nk=1", {{"S", "k"}}},
        {"KeyBeforeAnySection",
         "k=1\r\n[S]\r\nj=2\r\n[]\r\nm=3\r\n",
         {{"", "k"}, {"S", "k"}, {"", "m"}, {"S", "j"}}},
        {"HeaderTrailingText",
         "[S] trailing\r\nk=1\r\n[T]x]y\r\nj=2\r\n[U\r\nu=3\r\n",
         {{"S", "k"}, {"T]x", "j"}, {"T", "j"}, {"T]x", "u"}, {"U", "u"}, {"T]x", "[U"}}},
        {"ControlCharacters",
         "[S]\r\nk=\x1a\r\nj=\x01"
         "7\x01\r\n\x1fm=1\r\nt=v\v\f\r\n",
         {{"S", "k"}, {"S", "j"}, {"S", "m"}, {"S", "t"}}},
        {"NulBytes", "[S]\r\nk=1\0 2\r\nj=3\r\n"s, {{"S", "k"}, {"S", "j"}}},
        {"Integers",
         "[S]\r\na=-42\r\nb=+7x\r\nc=0x1F\r\nd=0X1F\r\ne=0o17\r\nf=0b101\r\ng=4294967297\r\n"
         "h=-2147483649\r\ni=- 3\r\nj=1.9\r\nk=000000000000000000000000000009\r\nl=\" \"\r\n",
         EachKey("abcdefghijkl")},
        {"Defaults",
         "[S]\r\n",
         {{"S", "k", 64, "  def  "},
          {"S", "k", 64, "   "},
          {"S", "k", 64, "'q'"},
          {"S", "k", 4, "long"},
          {"S", "k", 64, ""},
          {"T", "k"}}},
        {"Empty", "", {{"S", "k"}, {"", "k"}}},
    };
    return corpus;
}

TEST(ProfileDifferential, ReadsGiveThePlatformsValues) {
    int cases = 0;
    for (const ReadCase& file : ReadCorpus()) {
        std::string path = TestFolder().NewFile(file.file, file.name);
        for (const Query& query : file.queries) {
            SCOPED_TRACE(std::string(file.name) + " [" + query.section + "] " + query.key +
                         " size " + std::to_string(query.size));
            const char* section = query.section.c_str();
            const char* key = query.key.c_str();
            char theirs[512];
            char ours[512];
            DWORD theirCount = GetPrivateProfileStringA(section, key, query.defaultValue, theirs,
                                                        query.size, path.c_str());
            size_t ourCount = profile::GetString(query.section, query.key, query.defaultValue, ours,
                                                 query.size, path);
            EXPECT_EQ(ourCount, theirCount);
            EXPECT_EQ(std::string(ours, ourCount), std::string(theirs, theirCount));
            EXPECT_EQ(profile::GetInt(query.section, query.key, -9999, path),
                      static_cast<int>(GetPrivateProfileIntA(section, key, -9999, path.c_str())));
            cases += 2;
        }
    }
    std::cout << "[ INFO     ] " << cases << " read cases equal\n";
}

// Named divergences in reading: ours is the sound result.
TEST(ProfileDifferential, ReadsWhereOursDiffers) {
    // A quoted value that just fits the buffer: the platform drops its last character.
    std::string path = TestFolder().NewFile("[S]\r\nk=\"abcdefgh\"\r\n", "QuotedJustFits");
    char buffer[16];
    EXPECT_EQ(GetPrivateProfileStringA("S", "k", "", buffer, 9, path.c_str()), 7u);
    EXPECT_EQ(profile::GetString("S", "k", "", 9, path), "abcdefgh");

    // Text behind a UTF-8 mark: the platform converts it to the ANSI code page,
    // ours hands it on as the UTF-8 the program works in.
    path = TestFolder().NewFile("\xEF\xBB\xBF[S]\r\nk=\xC3\xA9\r\n", "Utf8BomNonAscii");
    GetPrivateProfileStringA("S", "k", "", buffer, sizeof buffer, path.c_str());
    EXPECT_EQ(std::string(buffer), "\xE9");
    EXPECT_EQ(profile::GetString("S", "k", "", 16, path), "\xC3\xA9");
}

struct WriteCase {
    const char* name;
    std::string before;  // "<missing>" for no file
    const char* section;
    const char* key;
    const char* value;
    std::string oursWhereItKeepsMore = {};  // empty: the same bytes as the platform's
};

const std::vector<WriteCase>& WriteCorpus() {
    static const std::vector<WriteCase> corpus = {
        {"ReplaceValue", "[S]\r\nk=v\r\nj=w\r\n", "S", "k", "new"},
        {"ReplaceKeepsKeyCase", "[S]\r\nK=v\r\n", "s", "k", "new"},
        {"SameValue", "[S]\r\nk=v\r\n", "S", "k", "v"},
        {"AddKey", "[S]\r\nk=v\r\n[T]\r\nx=1\r\n", "S", "j", "new"},
        {"AddKeyAfterComment", "[S]\r\nk=v\r\n;c\r\n[T]\r\nx=1\r\n", "S", "j", "new"},
        {"AddKeyToEmptySection", "[S]\r\n[T]\r\nx=1\r\n", "S", "j", "new"},
        {"AddSection", "; head\r\n[S]\r\nk=v\r\n", "T", "j", "new"},
        {"DuplicateSections", "[S]\r\nk=1\r\n[S]\r\nj=2\r\n", "S", "j", "new"},
        {"DuplicateKeys", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "new"},
        {"KeyWithoutValue", "[S]\r\nk\r\n", "S", "k", "new"},
        {"Utf8Bom", "\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "k", "new"},
        {"Utf8BomOnly", "\xEF\xBB\xBF", "S", "k", "new"},
        {"KeyBeforeAnySection", "k=v\r\n[S]\r\n", "", "j", "new"},
        {"EmptyNamedSection", "[S]\r\nk=v\r\n", "", "j", "new"},
        {"EmptyFile", "", "S", "k", "new"},
        {"MissingFile", "<missing>", "Common", "ColdAndDark", "1"},
        {"EmptyValue", "[S]\r\nk=v\r\n", "S", "k", ""},
        {"QuotedValue", "[S]\r\nk=v\r\n", "S", "k", "\"a b\""},
        {"ValueBlanks", "[S]\r\nk=v\r\n", "S", "k", " \tsp  "},
        {"NamesTrimmed", "[S]\r\nk=v\r\n", " S ", " k ", "new"},
        {"BrokenHeader", "[S\r\nk=v\r\n", "S", "k", "new"},
        {"LongValue", "[S]\r\nk=v\r\n", "S", "k", "0123456789012345678901234567890123456789"},
        // Where ours keeps more of the file than the platform's rewrite does.
        {"SpacingKept", "[S]\r\n  k  =  v  \r\n", "S", "k", "new", "[S]\r\n  k  =  new\r\n"},
        {"InlineCommentSpacingKept", "[S]\r\nk = old ; c\r\n", "S", "k", "new",
         "[S]\r\nk = new\r\n"},
        {"IndentOfValuelessKeyKept", "[S]\r\n  k  \r\n", "S", "k", "new", "[S]\r\n  k=new\r\n"},
        {"LfEndingsKept", "[S]\nk=v\n", "S", "j", "new", "[S]\nk=v\nj=new\n"},
        {"CrEndingsKept", "[S]\rk=v\r", "T", "j", "new", "[S]\rk=v\r[T]\rj=new\r"},
        {"BlankLinesKept", "[S]\r\nk=v\r\n\r\n[T]\r\nx=1\r\n", "S", "j", "new",
         "[S]\r\nk=v\r\nj=new\r\n\r\n[T]\r\nx=1\r\n"},
        {"NoFinalNewlineKept", "[S]\r\nk=v", "S", "j", "new", "[S]\r\nk=v\r\nj=new"},
        {"HeaderTrailingTextKept", "[S] junk\r\nk=v\r\n", "S", "k", "new", "[S] junk\r\nk=new\r\n"},
    };
    return corpus;
}

TEST(ProfileDifferential, WritesLeaveThePlatformsBytes) {
    int equal = 0;
    int kept = 0;
    for (const WriteCase& row : WriteCorpus()) {
        SCOPED_TRACE(row.name);
        const bool missing = row.before == "<missing>";
        std::string theirs =
            missing ? TestFolder().NewPath(row.name) : TestFolder().NewFile(row.before, row.name);
        std::string ours =
            missing ? TestFolder().NewPath(row.name) : TestFolder().NewFile(row.before, row.name);
        ASSERT_TRUE(WritePrivateProfileStringA(row.section, row.key, row.value, theirs.c_str()));
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, theirs.c_str());  // flush its cache
        files::Status status = profile::WriteString(row.section, row.key, row.value, ours);
        ASSERT_TRUE(status.ok()) << status.reason;
        if (row.oursWhereItKeepsMore.empty()) {
            EXPECT_EQ(Folder::Get(ours), Folder::Get(theirs));
            ++equal;
        } else {
            EXPECT_EQ(Folder::Get(ours), row.oursWhereItKeepsMore);
            EXPECT_NE(Folder::Get(ours), Folder::Get(theirs)) << "no longer a divergence";
            ++kept;
        }
        // Either way the platform reads our file as it reads its own.
        char fromOurs[128];
        char fromTheirs[128];
        GetPrivateProfileStringA(row.section, row.key, "-", fromOurs, sizeof fromOurs,
                                 ours.c_str());
        GetPrivateProfileStringA(row.section, row.key, "-", fromTheirs, sizeof fromTheirs,
                                 theirs.c_str());
        EXPECT_STREQ(fromOurs, fromTheirs);
    }
    std::cout << "[ INFO     ] " << equal << " write cases equal, " << kept
              << " named cases where ours keeps more\n";
}

// Writes the platform does and ours refuses: they would break the file's
// structure or its encoding. Ours leaves the file as it was.
TEST(ProfileDifferential, WritesOursRefuses) {
    const WriteCase refused[] = {
        {"LineBreakInValue", "[S]\r\nk=v\r\n", "S", "k", "a\r\n[T]"},
        {"EqualsInKey", "[S]\r\nk=v\r\n", "S", "k=x", "new"},
        {"KeyLikeHeader", "[S]\r\nk=v\r\n", "S", "[T]", "new"},
        {"Utf16File", "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0"s, "S", "k", "new"},
        {"NulBytesInFile", "[S]\r\nk=v\0w\r\n"s, "S", "k", "new"},
    };
    for (const WriteCase& row : refused) {
        SCOPED_TRACE(row.name);
        std::string path = TestFolder().NewFile(row.before, row.name);
        EXPECT_EQ(profile::WriteString(row.section, row.key, row.value, path).error,
                  files::Error::Unsupported);
        EXPECT_EQ(Folder::Get(path), row.before);
    }
}

class Win32Files : public testing::Test {
  protected:
    void ExpectRefused(const std::string& path, files::Error error) {
        std::optional<std::string> before = Folder::Get(path);
        int count = TestFolder().Count();
        files::Status status = profile::WriteString("Common", "UnitSystem", "1", path);
        EXPECT_EQ(files::ErrorName(status.error), files::ErrorName(error)) << status.reason;
        EXPECT_EQ(Folder::Get(path), before);
        EXPECT_EQ(TestFolder().Count(), count) << "a temporary was left";
    }
};

TEST_F(Win32Files, ReadOnlyFileIsNotOverwritten) {
    std::string path = TestFolder().NewFile("[Common]\r\nUnitSystem=0\r\n", "ReadOnly");
    std::wstring wide(path.begin(), path.end());
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY);
    ExpectRefused(path, files::Error::AccessDenied);
    EXPECT_TRUE(GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Win32Files, FileHeldWithoutWriteSharingIsNotOverwritten) {
    std::string path = TestFolder().NewFile("[Common]\r\nUnitSystem=0\r\n", "Locked");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ExpectRefused(path, files::Error::AccessDenied);
    EXPECT_EQ(profile::GetInt("Common", "UnitSystem", -1, path), 0) << "reading still works";
    CloseHandle(held);
    EXPECT_TRUE(profile::WriteString("Common", "UnitSystem", "1", path).ok());
}

TEST_F(Win32Files, MissingFolderAndFolderInTheWay) {
    ExpectRefused(TestFolder().path() + "\\missing\\Prefs.cfg", files::Error::NotFound);
    std::string folder = TestFolder().NewPath("Folder");
    CreateDirectoryA(folder.c_str(), nullptr);
    ExpectRefused(folder, files::Error::IsDirectory);
}

TEST_F(Win32Files, KeepsHiddenAttributeAndUnicodePaths) {
    std::string path = TestFolder().NewFile("[Common]\r\nUnitSystem=0\r\n", "Hidden");
    std::wstring wide(path.begin(), path.end());
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(profile::WriteString("Common", "UnitSystem", "1", path).ok());
    EXPECT_TRUE(GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_HIDDEN);

    std::wstring folder = std::wstring(TestFolder().path().begin(), TestFolder().path().end()) +
                          L"\\Z\u00e9lvia \u2708";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    std::string utf8 = TestFolder().path() + "\\Z\xC3\xA9lvia \xE2\x9C\x88\\Prefs.cfg";
    ASSERT_TRUE(profile::WriteString("Common", "UnitSystem", "2", utf8).ok());
    EXPECT_EQ(profile::GetInt("Common", "UnitSystem", -1, utf8), 2);
    EXPECT_TRUE(files::FileExists(utf8));
    EXPECT_EQ(
        GetPrivateProfileIntW(L"Common", L"UnitSystem", -1, (folder + L"\\Prefs.cfg").c_str()), 2u);
}

}  // namespace
