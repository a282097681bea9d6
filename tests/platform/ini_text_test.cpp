// The text rules of the profile functions, on bytes: what a read yields and
// what a write leaves, byte for byte.
#include <gtest/gtest.h>

#include <climits>

#include "platform/ini_text.h"

namespace {

using namespace std::string_literals;

std::string Read(const std::string& bytes, std::string_view section, std::string_view key,
                 std::string_view defaultValue = "DEF", size_t size = 64) {
    std::string storage;
    std::string_view text = ini::ReadableText(bytes, storage);
    return std::string(ini::ReadResult(ini::FindValue(text, section, key), defaultValue, size));
}

// What a read of a written value gives: blanks trimmed, one pair of quotes removed.
std::string ReadBack(std::string_view value) {
    while (!value.empty() && ini::IsBlank(value.front())) {
        value.remove_prefix(1);
    }
    while (!value.empty() && ini::IsBlank(value.back())) {
        value.remove_suffix(1);
    }
    return std::string(ini::ReadResult(value, "", 999));
}

struct ReadRow {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::string expected;
    const char* defaultValue = "DEF";
    size_t size = 64;
};

class ReadTest : public testing::TestWithParam<ReadRow> {};

TEST_P(ReadTest, GivesThePlatformsValue) {
    const ReadRow& row = GetParam();
    EXPECT_EQ(Read(row.file, row.section, row.key, row.defaultValue, row.size), row.expected);
}

// What the platform's reading gives for each (checked against it in the Windows tests).
INSTANTIATE_TEST_SUITE_P(
    Files, ReadTest,
    testing::Values(
        ReadRow{"BlanksAroundNames", "  [ S ]  \r\n\t k x \t=\t v \t\r\n", " S ", " k x ", "v"},
        ReadRow{"DoubleQuotes", "[S]\r\nk= \" a b \" \r\n", "S", "k", " a b "},
        ReadRow{"UnbalancedQuotes", "[S]\r\nk=\"v'\r\n", "S", "k", "\"v'"},
        ReadRow{"OnlyFirstSectionCounts", "[S]\r\na=1\r\n[s]\r\nk=2\r\n", "S", "k", "DEF"},
        ReadRow{"KeyWithoutEqualsHidesLaterOne", "[S]\r\nk\r\nk=2\r\n", "S", "k", "DEF"},
        ReadRow{"CrEndings", "[S]\rk=v\rj=w", "S", "j", "w"},
        ReadRow{"LoneCrEndsLine", "[S]\r\nk=a\rb\r\n", "S", "k", "a"},
        ReadRow{"Utf8Bom", "\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "k", "v"},
        ReadRow{"KeyBeforeAnySection", "k=v\r\n[S]\r\n", "", "k", "v"},
        ReadRow{"EmptyHeaderUnreachable", "[]\r\nk=v\r\n", "", "k", "DEF"},
        ReadRow{"HeaderUpToLastBracket", "[S]x]\r\nk=v\r\n", "S]x", "k", "v"},
        ReadRow{"CtrlZIsBlank", "[S]\r\nk=\x1a\r\n", "S", "k", ""},
        ReadRow{"NulEndsValue", "[S]\r\nk=a\0b\r\n"s, "S", "k", "a"},
        ReadRow{"LongValueCut", "[S]\r\nk=" + std::string(200, 'x') + "\r\n", "S", "k",
                std::string(98, 'x'), "DEF", 99},
        ReadRow{"QuotedValueJustFits", "[S]\r\nk=\"abcdefgh\"\r\n", "S", "k", "abcdefgh", "DEF", 9},
        ReadRow{"SizeOne", "[S]\r\nk=v\r\n", "S", "k", "", "DEF", 1},
        ReadRow{"DefaultKeepsFirstCharacter", "", "S", "k", " ", "   "},
        ReadRow{"DefaultLosesQuotes", "", "S", "k", "q", "\"q\""},
        ReadRow{"Utf16Le", "\xFF\xFE[\0S\0]\0\n\0k\0=\0\xE9\0\n\0"s, "S", "k", "\xC3\xA9"},
        ReadRow{"Utf16Be", "\xFE\xFF\0[\0S\0]\0\n\0k\0=\xD8\x3D\xDE\x00"s, "S", "k",
                "\xF0\x9F\x98\x80"}),
    [](const testing::TestParamInfo<ReadRow>& info) { return std::string(info.param.name); });

TEST(ParseInt, ReadsAsThePlatformDoes) {
    const std::pair<std::string, int> rows[] = {{"-42", -42},
                                                {"+7x", 7},
                                                {"", -9999},
                                                {" ", 0},
                                                {"\x01\x1f 5", 5},
                                                {"- 42", 0},
                                                {"0x1F", 31},
                                                {"0X1F", 0},
                                                {"-0o17", -15},
                                                {"0b101", 5},
                                                {"2147483648", INT_MIN},
                                                {"-2147483649", INT_MAX},
                                                {"99999999999999999999", 1661992959}};
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(ini::ParseInt(text, -9999), expected) << text;
    }
}

struct WriteRow {
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

class WriteTest : public testing::TestWithParam<WriteRow> {};

TEST_P(WriteTest, ChangesOnlyItsLine) {
    const WriteRow& row = GetParam();
    std::string bytes = row.before;
    ASSERT_EQ(ini::CheckEntry(row.section, row.key, row.value), "");
    EXPECT_TRUE(ini::SetValue(bytes, row.section, row.key, row.value));
    EXPECT_EQ(bytes, row.after);
    EXPECT_EQ(Read(bytes, row.section, row.key), ReadBack(row.value));
    EXPECT_FALSE(ini::SetValue(bytes, row.section, row.key, row.value)) << "a second write";
}

INSTANTIATE_TEST_SUITE_P(
    Files, WriteTest,
    testing::Values(
        WriteRow{"KeepsSpacing", "[S]\r\n  k  =  v  \r\n", "S", "k", "new",
                 "[S]\r\n  k  =  new\r\n"},
        WriteRow{"KeyWithoutEquals", "[S]\r\n  k  \r\n", "S", "k", "new", "[S]\r\n  k=new\r\n"},
        WriteRow{"AddAfterLastEntry", "[S]\r\nk=v\r\n\r\n[T]\r\nx=1\r\n", "S", "j", "new",
                 "[S]\r\nk=v\r\nj=new\r\n\r\n[T]\r\nx=1\r\n"},
        WriteRow{"AddAfterComment", "[S]\r\nk=v\r\n;c\r\n\r\n[T]\r\n", "S", "j", "new",
                 "[S]\r\nk=v\r\n;c\r\nj=new\r\n\r\n[T]\r\n"},
        WriteRow{"AddToEmptySection", "[S] junk\r\n\r\n[T]\r\n", "S", "j", "new",
                 "[S] junk\r\nj=new\r\n\r\n[T]\r\n"},
        WriteRow{"LfFile", "[S]\nk=v\n", "T", "j", "new", "[S]\nk=v\n[T]\nj=new\n"},
        WriteRow{"CrFile", "[S]\rk=v\r", "S", "j", "new", "[S]\rk=v\rj=new\r"},
        WriteRow{"MixedTakesNeighbour", "[S]\r\nk=v\n[T]\r\n", "S", "j", "new",
                 "[S]\r\nk=v\nj=new\n[T]\r\n"},
        WriteRow{"NoFinalNewlineAddKey", "[S]\r\nk=v", "S", "j", "new", "[S]\r\nk=v\r\nj=new"},
        WriteRow{"NoFinalNewlineAddSection", "[S]\nk=v", "T", "j", "new", "[S]\nk=v\n[T]\nj=new"},
        WriteRow{"NoFinalNewlineReplace", "[S]\r\nk=v", "S", "k", "new", "[S]\r\nk=new"},
        WriteRow{"BomKept", "\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "j", "new",
                 "\xEF\xBB\xBF[S]\r\nk=v\r\nj=new\r\n"},
        WriteRow{"EmptyNamedSectionAtTop", "\xEF\xBB\xBF[S]\r\n", "", "j", "new",
                 "\xEF\xBB\xBFj=new\r\n[S]\r\n"},
        WriteRow{"NamesTrimmedValueLeftTrimmed", "[S]\r\n", " S ", " j ", " \tsp  ",
                 "[S]\r\nj=sp  \r\n"}),
    [](const testing::TestParamInfo<WriteRow>& info) { return std::string(info.param.name); });

TEST(CheckEntry, RefusesWhatWouldBreakTheFile) {
    EXPECT_NE(ini::CheckEntry("S", "k", "a\r\n[T]"), "");
    EXPECT_NE(ini::CheckEntry("S\n", "k", "v"), "");
    EXPECT_NE(ini::CheckEntry("S", "k", "a\0b"s), "");
    EXPECT_NE(ini::CheckEntry("S", "a=b", "v"), "");
    EXPECT_NE(ini::CheckEntry("S", " [x]", "v"), "");
    // At the start of a file these would read as a byte-order mark.
    EXPECT_NE(ini::CheckEntry("", "\xFF\xFEk", "v"), "");
    EXPECT_NE(ini::CheckEntry("", " \xEF\xBB\xBFk", "v"), "");
    EXPECT_EQ(ini::CheckEntry("a]b", "x[1]", "[v]=;"), "");
}

TEST(CheckContent, RefusesUtf16AndNulBytes) {
    EXPECT_NE(ini::CheckContent("\xFF\xFE[\0S\0]\0"s), "");
    EXPECT_NE(ini::CheckContent("\xFE\xFF\0[\0S\0]"s), "");
    EXPECT_NE(ini::CheckContent("[S]\r\nk=\0\r\n"s), "");
    EXPECT_EQ(ini::CheckContent("\xEF\xBB\xBF[S]\r\nk=\x01\xFF\x1a\r\n"), "");
}

}  // namespace
