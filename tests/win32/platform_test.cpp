// Our profile functions against the platform's own on the same files: the same values and bytes,
// but for the named divergences of tests/platform/ini_cases.h; the pictures and templates. (What
// only Windows file systems do: file_test.cpp.)
#include <sstream>

#include "platform/files.h"
#include "platform/ini_text.h"
#include "platform/profile.h"
#include "platform/win32/dialog.h"
#include "platform/win32/pictures.h"
#include "tests/platform/ini_cases.h"
#include "tests/win32/support/ui_driver.h"

namespace {

using ini_cases::FileOrMissing;

// This run's folder (ASCII, in Wine's temp folder), removed at the end.
const test_data::TempFolder kFolder;

// Every file gets a name of its own: the platform caches profile files by name.
std::string NewFile(const std::string& tag, const std::string& bytes = ini_cases::kMissing) {
    static int count = 0;
    const std::string name = tag + "-" + std::to_string(++count) + ".ini";
    return bytes == ini_cases::kMissing ? kFolder.Path(name) : kFolder.Put(name, bytes);
}
std::string Theirs(const char* section, const char* key, const std::string& path,
                   const char* defaultValue = "-", size_t size = 128) {
    char buffer[512];
    return std::string(buffer, GetPrivateProfileStringA(section, key, defaultValue, buffer,
                                                        static_cast<DWORD>(size), path.c_str()));
}

// Named divergence: the platform's A functions hand out the ANSI code page, ours UTF-8.
std::string Ansi(const std::string& utf8) {
    const std::wstring wide = ui::Widen(utf8);
    char ansi[512];
    return std::string(
        ansi, WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi,
                                  sizeof ansi, nullptr, nullptr));
}

// What to ask of a file: every run of text between line breaks, brackets and '=', as written and in
// upper case, cut at 100 characters (the platform never finds a key of 70,000).
std::set<std::string> Names(std::string_view text) {
    std::set<std::string> names;
    for (size_t pos = 0, end = 0; pos <= text.size(); pos = end + 1) {
        end = std::min(text.find_first_of(std::string_view("\r\n[]=\0", 6), pos), text.size());
        std::string name(text.substr(pos, std::min<size_t>(end - pos, 100)));
        names.insert(name);
        for (char& c : name) {
            c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        }
        names.insert(name);
    }
    return names;
}

TEST(ProfileDifferential, ReadsGiveThePlatformsValues) {
    for (const ini_cases::ReadFile& file : ini_cases::kReadFiles) {
        std::vector<ini_cases::ReadCheck> queries = file.checks;
        std::string storage;
        const std::set<std::string> names = Names(ini::ReadableText(file.bytes, storage));
        for (const std::string& section : names) {
            for (const std::string& key : names) {
                queries.push_back({section.c_str(), key.c_str(), ""});
            }
        }
        const std::string path = NewFile(file.name, file.bytes);
        for (const ini_cases::ReadCheck& q : queries) {
            SCOPED_TRACE(std::string(file.name) + " [" + q.section + "] " + q.key);
            const std::string theirs = Theirs(q.section, q.key, path, q.defaultValue, q.size);
            const std::string ours =
                profile::GetString(q.section, q.key, q.defaultValue, q.size, path);
            EXPECT_EQ(Ansi(ours) == theirs, !q.platformDiffers) << ours << " / " << theirs;
            EXPECT_EQ(
                profile::GetInt(q.section, q.key, -9999, path),
                static_cast<int>(GetPrivateProfileIntA(q.section, q.key, -9999, path.c_str())));
        }
    }
}

TEST(ProfileDifferential, WritesLeaveThePlatformsBytes) {
    for (const ini_cases::WriteRow& row : ini_cases::kWriteRows) {
        SCOPED_TRACE(row.name);
        const std::string theirs = NewFile(row.name, row.before);
        const std::string ours = NewFile(row.name, row.before);
        const char *section = row.section.c_str(), *key = row.key.c_str();
        ASSERT_TRUE(WritePrivateProfileStringA(section, key, row.value.c_str(), theirs.c_str()));
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, theirs.c_str());  // flush its cache
        const files::Status status = profile::WriteString(row.section, row.key, row.value, ours);
        if (row.platform == ini_cases::kOursRefuses) {
            EXPECT_EQ(status.error, files::Error::Unsupported);
            EXPECT_EQ(FileOrMissing(ours), row.before);
            EXPECT_NE(FileOrMissing(theirs), row.before) << "the platform no longer writes it";
            continue;
        }
        ASSERT_TRUE(status.ok()) << status.reason;
        EXPECT_EQ(FileOrMissing(ours) == FileOrMissing(theirs), row.platform == ini_cases::kSame)
            << testing::PrintToString(FileOrMissing(ours)) << " / "
            << testing::PrintToString(FileOrMissing(theirs));
        // Either way the platform reads our file as it reads its own.
        EXPECT_EQ(Theirs(section, key, ours), Theirs(section, key, theirs));
    }
}

// The pictures decoded once, colour for colour: res/bitmaps/load_manager_header.png's bands at the
// top and bottom and the title's white underline.
TEST(Pictures, DecodedOnceColourForColour) {
    EXPECT_EQ(ui::CachedBitmap(IDB_A320_SIDE), ui::CachedBitmap(IDB_A320_SIDE));
    EXPECT_EQ(ui::CachedBitmap(IDD_MAIN_MENU), nullptr) << "not a picture";
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, ui::CachedBitmap(IDB_LOAD_MANAGER_HEADER));
    EXPECT_EQ(
        std::vector<COLORREF>({GetPixel(dc, 2, 2), GetPixel(dc, 2, 97), GetPixel(dc, 320, 50)}),
        std::vector<COLORREF>({RGB(95, 65, 49), RGB(62, 25, 5), RGB(255, 255, 255)}));
    SelectObject(dc, previous);
    DeleteDC(dc);
}

// A template's dialog units from pixels: the one that the dialog manager maps to px.
int Dlu(int px, int base, int units) {
    for (int dlu = MulDiv(px, units, base) - 1; dlu <= MulDiv(px, units, base) + 1; ++dlu) {
        if (MulDiv(dlu, base, units) == px) {
            return dlu;
        }
    }
    return -1;
}

// Every template as the dialog layer alone shows it: size, title, taskbar and minimize styles; each
// control in tab order: id, class, place and size in dialog units, flags (Tab stop, Disabled,
// Hidden), picture size, text. CORVEL_WRITE_GOLDEN=1 writes the file anew, to be reviewed.
TEST(Templates, ShowTheirControlsExactlyAsTheGoldenFile) {
    std::ostringstream shown;
    for (int id : {IDD_MAIN_MENU, IDD_AIRCRAFT_SELECTOR, IDD_KEY_ASSIGNER, IDD_A318_LOAD_MANAGER,
                   IDD_A319_LOAD_MANAGER, IDD_A320_LOAD_MANAGER, IDD_A321_LOAD_MANAGER,
                   IDD_FUEL_PLANNER, IDD_ACJ_LOAD_MANAGER, IDD_KEY_CONFIG, IDD_CONFIGURATION,
                   IDD_ABOUT, IDD_FLIGHT_PLAN, IDD_SET_LOAD}) {
        ui::CDialog dialog(id);
        const HWND window = dialog.Create();
        RECT base{0, 0, 4, 8}, client;
        MapDialogRect(window, &base);
        GetClientRect(window, &client);
        shown << id << " " << Dlu(client.right, base.right, 4) << "x"
              << Dlu(client.bottom, base.bottom, 8) << " " << ui::GetText(window)
              << (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW ? " (taskbar)" : "")
              << (GetWindowLongW(window, GWL_STYLE) & WS_MINIMIZEBOX ? " (minimize)" : "") << "\n";
        for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            const RECT r = testui::ChildRect(window, c);
            const LONG style = GetWindowLongW(c, GWL_STYLE);
            shown << "  " << GetDlgCtrlID(c) << " " << testui::ClassOf(c) << " "
                  << Dlu(r.left, base.right, 4) << "," << Dlu(r.top, base.bottom, 8) << " "
                  << Dlu(r.right - r.left, base.right, 4) << "x"
                  << Dlu(r.bottom - r.top, base.bottom, 8) << " " << (style & WS_TABSTOP ? "T" : "")
                  << (style & WS_DISABLED ? "D" : "") << (style & WS_VISIBLE ? "" : "H");
            BITMAP picture{};
            if ((style & SS_TYPEMASK) == SS_BITMAP &&
                GetObjectW(
                    reinterpret_cast<HBITMAP>(SendMessageW(c, STM_GETIMAGE, IMAGE_BITMAP, 0)),
                    sizeof picture, &picture)) {
                shown << " picture " << picture.bmWidth << "x" << picture.bmHeight << "x"
                      << picture.bmBitsPixel << "\n";
                continue;  // its text is the picture's resource number
            }
            shown << " \"" << testui::Replaced(ui::GetText(c), "\n", "\\n") << "\"\n";
        }
    }
    const std::string golden = CORVEL_SOURCE_DIR "/tests/data/win32/templates.txt";
    if (test_data::WritingGolden()) {
        std::ofstream(golden, std::ios::binary) << shown.str();
    }
    EXPECT_EQ(shown.str(), FileOrMissing(golden));
}

}  // namespace
