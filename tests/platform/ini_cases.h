// Profile files and what reads and writes of them give: checked by the
// native tests, and against the platform's own profile functions on the same
// files by the Windows tests.
#pragma once

#include <climits>
#include <string>
#include <vector>

namespace ini_cases {

using namespace std::string_literals;

struct ReadCheck {
    const char *section, *key;
    std::string expected;
    size_t size = 64;
    const char* defaultValue = "-";
    bool platformDiffers = false;  // a named divergence: ours is the sound result
};

// A file and what reads of it give; the Windows tests ask it more, by every name in it.
struct ReadFile {
    const char* name;
    std::string bytes;
    std::vector<ReadCheck> checks;
};

// Values and the integers a read of them gives (-9999 is the default).
// clang-format off
inline const std::vector<std::pair<std::string, int>> kIntegers = {
    {"-42", -42}, {"+7x", 7}, {"", -9999}, {" ", -9999}, {"\x01\x1f 5", 5}, {"- 42", 0}, {"0x1F", 31},
    {"0X1F", 0}, {"-0o17", -15}, {"0b101", 5}, {"1.9", 1}, {"2147483648", INT_MIN},
    {"-2147483649", INT_MAX}, {"99999999999999999999", 1661992959},
    {"000000000000000000000000000009", 0}};  // read through a 30-character buffer

inline const std::vector<ReadFile> kReadFiles = {
    {"CaseOfNames", "[Common]\r\nUnitSystem=1\r\n", {{"COMMON", "unitsystem", "1"}}},
    {"Blanks", "  [ S ]  \r\n\t k x \t=\t 12 \t\r\n", {{" S ", " k x ", "12"}, {"S", "kx", "-"}}},
    {"Quotes", "[S]\r\nd=\"7\"\r\ns='8'\r\nu=\"9'\r\nl=\"\r\ne=''\r\ni=\"a\"b\"\r\nb= \" 5 \" \r\n",
     {{"S", "b", " 5 "}, {"S", "u", "\"9'"}, {"S", "i", "a\"b"}, {"S", "l", "\""}, {"S", "e", ""}}},
    {"Twice", "[S]\r\na=1\r\n[T]\r\n[s]\r\nk=3\r\na=4\r\n", {{"S", "k", "-"}, {"s", "a", "1"}}},
    {"DuplicateKeys", "[S]\r\nk=1\r\nK=2\r\nj\r\nj=5\r\n", {{"S", "K", "1"}, {"S", "j", "-"}}},
    {"Comments", ";h\r\n[S]\r\n;k=1\r\nk=2 ;t\r\n#j=3\r\n", {{"S", ";k", "1"}, {"S", "k", "2 ;t"}}},
    {"EmptyValuesAndEquals", "[S]\r\nk=\r\nj =  \r\nq=\"\"\r\nn\r\na=b=c\r\n=v\r\n",
     {{"S", "j", ""}, {"S", "q", ""}, {"S", "n", "-"}, {"S", "a", "b=c"}}},
    {"LongValue", "[S]\r\nk=" + std::string(300, '4') + "\r\nq=\"" + std::string(120, '5') +
                      "\"\r\nj=\"abcdefgh\"",
     {{"S", "k", std::string(98, '4'), 99}, {"S", "k", "", 1}, {"S", "q", "5555", 5},
      {"S", "j", "abcdefgh", 9, "-", true}}},  // the platform drops the h
    {"LongLine", "[S]\r\n" + std::string(70000, 'y') + "=1\r\nk=v\r\n", {{"S", "k", "v"}}},
    {"Lf", "[S]\nk=1\nj=2\n", {{"S", "j", "2"}}},
    {"CrNoFinalNewline", "[S]\rk=v\rj=w", {{"S", "j", "w"}}},
    {"MixedEndings", "[S]\r\nk=1\nj=2\r[T]\n\rt=3\r\r\nu=a\rb", {{"T", "t", "3"}, {"T", "u", "a"}}},
    {"Utf8Bom", "\xEF\xBB\xBF[S]\r\nk=\xC3\xA9\r\n", {{"S", "k", "\xC3\xA9"}}},
    {"Utf8BomBeforeKey", "\xEF\xBB\xBFk=1\r\n[S]\r\n", {{"", "k", "1"}}},
    {"DoubleBom", "\xEF\xBB\xBF\xEF\xBB\xBF[S]\r\nk=1\r\n", {{"S", "k", "-"}}},
    {"Utf16Le", "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xE9\0\r\0\n\0"s, {{"S", "k", "\xC3\xA9"}}},
    {"Utf16Be", "\xFE\xFF\0[\0S\0]\0\n\0k\0=\xD8\x3D\xDE\x00"s, {{"S", "k", "\xF0\x9F\x98\x80"}}},
    {"NoSection", "k=1\r\n[S]\r\n[]\r\nm=3\r\n", {{"", "k", "1"}, {"S", "k", "-"}, {"", "m", "-"}}},
    {"HeaderTrailingText", "[S] trailing\r\nk=1\r\n[T]x]y\r\nj=2\r\n[U\r\nu=3\r\n",
     {{"S", "k", "1"}, {"T]x", "j", "2"}, {"T]x", "u", "3"}, {"T", "j", "-"}}},
    {"Controls", "[S]\r\nk=\x1a\r\nj=\x01" "7\x01\r\n\x1fm=1\r\nt=v\v\f\r\nn=1\0 2\r\n"s,
     {{"S", "k", ""}, {"S", "j", "\x01" "7\x01"}, {"S", "t", "v"}, {"S", "n", "1"}}},
    {"Integers", [] { std::string f = "[S]"; int i = 0;  // compared by the Windows tests
        for (const auto& r : kIntegers) f += "\r\ni" + std::to_string(i++) + "=" + r.first;
        return f; }(), {}},
    {"Defaults", "", {{"", "k", "-"}, {"S", "k", " ", 64, "   "}, {"S", "k", "q", 64, "\"q\""},
                      {"S", "k", "  def", 64, "  def  "}, {"S", "k", "lon", 4, "long"}}},
};

// How the platform's WritePrivateProfileStringA does the same write: the same bytes, other
// bytes (ours keeps more of the file, or trims a new key), or what ours refuses.
enum Platform { kSame, kDiffers, kOursRefuses };

inline const std::string kMissing = "<missing>";  // no file before the write

struct WriteRow {
    const char* name;
    std::string before, section, key, value;
    std::string after = {};  // the bytes ours leaves; empty: the platform's
    Platform platform = kSame;
};

inline const std::vector<WriteRow> kWriteRows = {
    {"ReplaceValue", "[S]\r\nk=v\r\nj=w\r\n", "S", "k", "0123456789012345678901234567890123456789"},
    {"ReplaceKeepsKeyCase", "[S]\r\nK=v\r\n", "s", "k", "new"},
    {"SameValue", "[S]\r\nk=v\r\n", "S", "k", "v"},
    {"EmptyValue", "[S]\r\nk=v\r\n", "S", "k", ""},
    {"QuotedValue", "[S]\r\nk=v\r\n", "S", "k", "\"a b\""},
    {"ValueBlanks", "[S]\r\nk=v\r\n", " S ", " k ", " \tsp  "},
    {"AddKey", "[S]\r\nk=v\r\n[T]\r\nx=1\r\n", "S", "j", "new"},
    {"AddSection", "; head\r\n[S]\r\nk=v\r\n", "T", "j", "new"},
    {"DuplicateSections", "[S]\r\nk=1\r\n[S]\r\nj=2\r\n", "S", "j", "new"},
    {"DuplicateKeys", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "new"},
    {"BrokenHeader", "[S\r\nk=v\r\n", "S", "k", "new"},
    {"Bom", "\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "j", "new", "\xEF\xBB\xBF[S]\r\nk=v\r\nj=new\r\n"},
    {"BomOnly", "\xEF\xBB\xBF", "S", "k", "new"},
    {"NoSection", "k=v\r\n[S]\r\n", "", "j", "new"},
    {"NoSectionAfterBom", "\xEF\xBB\xBF[S]\r\n", "", "j", "new", "\xEF\xBB\xBFj=new\r\n[S]\r\n"},
    {"EmptyFile", "", "S", "k", "new"},
    {"MissingFile", kMissing, "Common", "ColdAndDark", "1", "[Common]\r\nColdAndDark=1\r\n"},
    {"OddNamesAccepted", "", "a]b", "x[1]", "[v]=;", "[a]b]\r\nx[1]=[v]=;\r\n"},
    {"NamesTrimmed", "[S]\r\n", " S ", " j ", " \tsp  ", "[S]\r\nj=sp  \r\n", kDiffers},
    {"SpacingKept", "[S]\r\n  k  =  v  \r\n", "S", "k", "new", "[S]\r\n  k  =  new\r\n", kDiffers},
    {"CommentSpacingKept", "[S]\r\nk = v ; c\r\n", "S", "k", "new", "[S]\r\nk = new\r\n", kDiffers},
    {"ValuelessKeyKept", "[S]\r\n  k  \r\n", "S", "k", "new", "[S]\r\n  k=new\r\n", kDiffers},
    {"AddAfterComment", "[S]\r\nk=v\r\n;c\r\n\r\n[T]\r\n", "S", "j", "new",
     "[S]\r\nk=v\r\n;c\r\nj=new\r\n\r\n[T]\r\n", kDiffers},
    {"HeaderTrailingTextKept", "[S] junk\r\n\r\n[T]\r\n", "S", "j", "new",
     "[S] junk\r\nj=new\r\n\r\n[T]\r\n", kDiffers},
    {"LfEndingsKept", "[S]\nk=v\n", "T", "j", "new", "[S]\nk=v\n[T]\nj=new\n", kDiffers},
    {"CrEndingsKept", "[S]\rk=v\r", "S", "j", "new", "[S]\rk=v\rj=new\r", kDiffers},
    {"MixedEndingsTakeTheNeighbours", "[S]\r\nk=v\n[T]\r\n", "S", "j", "new",
     "[S]\r\nk=v\nj=new\n[T]\r\n", kDiffers},
    {"NoFinalNewlineAddKey", "[S]\r\nk=v", "S", "j", "new", "[S]\r\nk=v\r\nj=new", kDiffers},
    {"NoFinalNewlineAddSection", "[S]\nk=v", "T", "j", "new", "[S]\nk=v\n[T]\nj=new", kDiffers},
    {"NoFinalNewlineReplace", "[S]\r\nk=v", "S", "k", "new", "[S]\r\nk=new", kDiffers},
    {"LineBreakInValue", "[S]\r\nk=v\r\n", "S", "k", "a\r\n[T]", "", kOursRefuses},
    {"NulInValue", "[S]\r\nk=v\r\n", "S", "k", "a\0b"s, "", kOursRefuses},
    {"EqualsInKey", "[S]\r\nk=v\r\n", "S", "k=x", "new", "", kOursRefuses},
    {"KeyLikeHeader", "[S]\r\nk=v\r\n", "S", " [T]", "new", "", kOursRefuses},
    {"KeyLikeUtf8Bom", "", "", " \xEF\xBB\xBFk", "v", "", kOursRefuses},
    {"Utf16File", "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0"s, "S", "k", "new", "", kOursRefuses},
    {"NulBytesInFile", "[S]\r\nk=v\0w\r\n"s, "S", "k", "new", "", kOursRefuses},
};
// clang-format on

}  // namespace ini_cases
