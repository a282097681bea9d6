// Key Assignments and Key Assignment driven as a user drives them: real
// controls, keys typed into the hot-key control, message boxes answered.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "keys/command_catalogue.h"
#include "keys/key_assignments.h"
#include "keys/key_bindings.h"
#include "keys/key_config_dialog.h"
#include "keys/key_tables.h"
#include "keys/keyboard_layout.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

constexpr uint16_t kEnglishUs = 0x0409;

std::string TempFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    std::wstring folder = std::wstring(base) + L"corvel-keys-" +
                          std::to_wstring(GetCurrentProcessId()) + L"-" +
                          std::to_wstring(GetTickCount());
    CreateDirectoryW(folder.c_str(), nullptr);
    return ui::Narrow(folder);
}

std::string ReadBytes(const std::string& path) {
    HANDLE file = CreateFileW(ui::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "<missing>";
    }
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    CloseHandle(file);
    return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(ui::Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// The platform's own reading of a [Keys] entry.
int PlatformKeysInt(const std::string& key, const std::string& path) {
    return static_cast<int>(GetPrivateProfileIntA("Keys", key.c_str(), -9999, path.c_str()));
}

// Keys pressed in order and released in reverse, as the keyboard sends
// them (modifiers first).
void TypeKeys(const std::vector<WORD>& keys) {
    auto input = [](WORD key, bool up) {
        INPUT event{};
        event.type = INPUT_KEYBOARD;
        event.ki.wVk = key;
        event.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        bool extended = (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE;
        event.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
        return event;
    };
    std::vector<INPUT> events;
    for (WORD key : keys) {
        events.push_back(input(key, false));
    }
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        events.push_back(input(*key, true));
    }
    if (!events.empty()) {
        SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    }
}

// Pumps messages until the condition holds or a second has passed.
bool WaitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 100 && !condition(); ++i) {
        testui::PumpMessages();
        Sleep(10);
    }
    return condition();
}

WORD HotKeyOf(HWND assigner) {
    return static_cast<WORD>(SendDlgItemMessageW(assigner, IDC_KA_HOTKEY, HKM_GETHOTKEY, 0, 0));
}

class KeyDialogsTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetApp();
        keys::ResetCatalogue();
        m_folder = TempFolder();
        App().prefsPath = m_folder + "\\Prefs.cfg";
    }
    void TearDown() override {
        m_config.reset();
        std::wstring prefs = ui::Widen(App().prefsPath);
        SetFileAttributesW(prefs.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(prefs.c_str());
        RemoveDirectoryW(ui::Widen(m_folder).c_str());
        ResetApp();
        keys::ResetCatalogue();
    }

    // Key Assignments, opened modeless.
    HWND Open() {
        m_config = std::make_unique<CKeyConfig>(nullptr, keys::Catalogue(), m_names);
        HWND dialog = m_config->Create();
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }

    // The user picks list item `item` (0 is "Select a command").
    static void Select(HWND dialog, int item) {
        HWND combo = GetDlgItem(dialog, IDC_KC_COMMANDS);
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_KC_COMMANDS, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    }

    // Presses Change Assignment; `inAssigner` handles the Key Assignment
    // dialog. Message boxes are answered with OK and returned.
    std::vector<testui::MessageBoxInfo> ChangeAssignment(
        HWND dialog, const std::function<void(HWND assigner)>& inAssigner) {
        m_assignerOpened = false;
        return testui::AnswerMessageBoxes([&] { testui::Click(dialog, IDC_KC_CHANGE); },
                                          [&](HWND assigner) {
                                              m_assignerOpened = true;
                                              inAssigner(assigner);
                                          });
    }

    // In the assigner: types the keys, then Enter (the OK button).
    static std::function<void(HWND)> TypeThenEnter(std::vector<WORD> keys) {
        return [keys](HWND /*assigner*/) {
            TypeKeys(keys);
            TypeKeys({VK_RETURN});
        };
    }

    std::string m_folder;
    uint16_t m_language = kEnglishUs;
    keys::CKeyNames m_names{[this] { return m_language; }};
    std::unique_ptr<CKeyConfig> m_config;
    bool m_assignerOpened = false;
};

TEST_F(KeyDialogsTest, ListsTheCommandsAndShowsTheChosenBinding) {
    HWND dialog = Open();
    EXPECT_EQ(testui::Text(dialog), "Key Assignments");
    HWND combo = GetDlgItem(dialog, IDC_KC_COMMANDS);
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 86);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(testui::ItemText(dialog, IDC_KC_ASSIGNMENT), "");
    for (int item = 0; item < 86; ++item) {
        wchar_t text[128] = {};
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(item),
                     reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(ui::Narrow(text),
                  item == 0 ? "Select a command" : keys::kDefaultCommands[item - 1].name);
    }
    for (int item = 1; item < 86; ++item) {
        Select(dialog, item);
        EXPECT_EQ(testui::ItemText(dialog, IDC_KC_ASSIGNMENT),
                  keys::AssignmentText(keys::kDefaultCommands[item - 1], m_names));
    }
    Select(dialog, 1);
    EXPECT_EQ(testui::ItemText(dialog, IDC_KC_ASSIGNMENT), "SHIFT + CTRL + T");
    Select(dialog, 23);
    EXPECT_EQ(testui::ItemText(dialog, IDC_KC_ASSIGNMENT), "CTRL + 1 (NUMPAD)");
    Select(dialog, 0);
    EXPECT_EQ(testui::ItemText(dialog, IDC_KC_ASSIGNMENT), "");
}

TEST_F(KeyDialogsTest, ChangeWithoutACommandAsksForOne) {
    HWND dialog = Open();
    auto boxes = ChangeAssignment(dialog, [](HWND assigner) {
        ADD_FAILURE() << "the assigner opened";
        testui::Click(assigner, IDCANCEL);
    });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Please select a command first.");
    EXPECT_EQ(boxes[0].caption, "ERROR");
    EXPECT_EQ(boxes[0].icon, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(boxes[0].owner, dialog);
}

struct CaptureCase {
    const char* what;
    std::vector<WORD> keys;
    int32_t modifier;
    int32_t key;
    const char* shown;
};

class KeyCaptureTest : public KeyDialogsTest, public testing::WithParamInterface<CaptureCase> {};

TEST_P(KeyCaptureTest, StoresAndShowsTheCapturedKey) {
    const CaptureCase& c = GetParam();
    HWND dialog = Open();
    Select(dialog, 5);  // [MCDU] DIR Key, row 4
    std::string commandShown;
    auto boxes = ChangeAssignment(dialog, [&](HWND assigner) {
        EXPECT_EQ(testui::Text(assigner), "Key Assignment");
        EXPECT_EQ(GetWindow(assigner, GW_OWNER), dialog);
        commandShown = testui::ItemText(assigner, IDC_KA_COMMAND);
        EXPECT_EQ(GetFocus(), GetDlgItem(assigner, IDC_KA_HOTKEY));
        EXPECT_EQ(HotKeyOf(assigner), 0);
        TypeKeys(c.keys);
        TypeKeys({VK_RETURN});
    });
    EXPECT_TRUE(m_assignerOpened);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(commandShown, "[MCDU] DIR Key");
    EXPECT_EQ(App().selectedCommand, 4);
    EXPECT_EQ(keys::Catalogue()[4].modifier, c.modifier);
    EXPECT_EQ(keys::Catalogue()[4].key, c.key);
    EXPECT_EQ(testui::ItemText(dialog, IDC_KC_ASSIGNMENT), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyCaptureTest,
    testing::Values(
        CaptureCase{"CtrlShiftF5", {VK_CONTROL, VK_SHIFT, VK_F5}, 3, 63, "SHIFT + CTRL + F5"},
        CaptureCase{"Keypad7", {VK_NUMPAD7}, 0, 71, "7 (NUMPAD)"},
        CaptureCase{"ShiftT", {VK_SHIFT, 'T'}, 1, 20, "SHIFT + T"},
        CaptureCase{"CtrlUp", {VK_CONTROL, VK_UP}, 2, 200, "CTRL + Up"},
        CaptureCase{"F12", {VK_F12}, 0, 88, "F12"}, CaptureCase{"Digit0", {'0'}, 0, 11, "0"},
        CaptureCase{"CtrlShiftKeypad0",
                    {VK_CONTROL, VK_SHIFT, VK_NUMPAD0},
                    3,
                    82,
                    "SHIFT + CTRL + 0 (NUMPAD)"},
        CaptureCase{"End", {VK_END}, 0, 207, "End"},
        CaptureCase{"UnknownKey", {VK_CAPITAL}, 0, 0, "No key defined"},
        CaptureCase{"NoKey", {}, 0, 0, "No key defined"}),
    [](const testing::TestParamInfo<CaptureCase>& info) { return info.param.what; });

TEST_F(KeyDialogsTest, AltIsRefusedAndTheAssignerStaysOpen) {
    HWND dialog = Open();
    Select(dialog, 1);
    bool stayedOpen = false;
    bool focusBack = false;
    auto boxes = ChangeAssignment(dialog, [&](HWND assigner) {
        TypeKeys({VK_MENU, 'X'});
        ASSERT_TRUE(WaitFor([&] { return HotKeyOf(assigner) != 0; }));
        testui::Click(assigner, IDOK);  // the message box is answered by the driver
        stayedOpen = IsWindowVisible(assigner) != FALSE;
        focusBack = GetFocus() == GetDlgItem(assigner, IDC_KA_HOTKEY);
        testui::Click(assigner, IDCANCEL);
    });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "ALT modifier is not authorized, please use another.");
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].icon, static_cast<UINT>(MB_ICONERROR));
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(focusBack);
    EXPECT_EQ(keys::Catalogue()[0].modifier, 3);
    EXPECT_EQ(keys::Catalogue()[0].key, 20);
    EXPECT_EQ(testui::ItemText(dialog, IDC_KC_ASSIGNMENT), "SHIFT + CTRL + T");
}

// OK writes all 182 entries, in order, as the platform's own profile
// functions read them and as they would have written them.
TEST_F(KeyDialogsTest, OkWritesEveryRowToTheFile) {
    const std::string existing =
        "[Common]\r\nUnitSystem=1\r\n[Keys]\r\nCommand.85-Modifier=2\r\nCommand.85-Key=30\r\n";
    WriteBytes(App().prefsPath, existing);
    HWND dialog = Open();
    Select(dialog, 1);
    ChangeAssignment(dialog, TypeThenEnter({VK_CONTROL, 'Y'}));
    testui::Click(dialog, IDOK);
    EXPECT_TRUE(m_config->IsEnded());
    EXPECT_EQ(m_config->Result(), IDOK);

    std::string reference = m_folder + "\\reference.cfg";
    WriteBytes(reference, existing);
    for (size_t i = 0; i < keys::kCommandCount; ++i) {
        const keys::CommandEntry& row = keys::Catalogue()[i];
        WritePrivateProfileStringA("Keys", keys::ModifierEntryName(i).c_str(),
                                   std::to_string(row.modifier).c_str(), reference.c_str());
        WritePrivateProfileStringA("Keys", keys::KeyEntryName(i).c_str(),
                                   std::to_string(row.key).c_str(), reference.c_str());
    }
    EXPECT_EQ(keys::Catalogue()[0].modifier, 2);
    EXPECT_EQ(keys::Catalogue()[0].key, 21);
    EXPECT_EQ(keys::Catalogue()[85].modifier, 2);  // a spare row keeps the file's values
    EXPECT_EQ(PlatformKeysInt("Command.85-Key", App().prefsPath), 30);

    auto section = [](const std::string& path) {
        std::vector<char> buffer(32768);
        DWORD n = GetPrivateProfileSectionA("Keys", buffer.data(),
                                            static_cast<DWORD>(buffer.size()), path.c_str());
        return std::string(buffer.data(), n);
    };
    EXPECT_EQ(section(App().prefsPath), section(reference));
    EXPECT_EQ(GetPrivateProfileIntA("Common", "UnitSystem", 0, App().prefsPath.c_str()), 1u);
    DeleteFileW(ui::Widen(reference).c_str());
}

// A binding changed and then cancelled stays in memory for the rows the file
// does not hold; the file keeps its own.
TEST_F(KeyDialogsTest, CancelKeepsChangesOnlyWhereTheFileHasNoBinding) {
    const std::string existing = "[Keys]\r\nCommand.01-Modifier=0\r\nCommand.01-Key=59\r\n";
    WriteBytes(App().prefsPath, existing);
    HWND dialog = Open();
    Select(dialog, 2);
    EXPECT_EQ(testui::ItemText(dialog, IDC_KC_ASSIGNMENT), "F1");
    ChangeAssignment(dialog, TypeThenEnter({VK_F2}));
    Select(dialog, 1);
    ChangeAssignment(dialog, TypeThenEnter({VK_F3}));
    EXPECT_EQ(testui::ItemText(dialog, IDC_KC_ASSIGNMENT), "F3");
    testui::Click(dialog, IDCANCEL);
    EXPECT_EQ(m_config->Result(), IDCANCEL);
    EXPECT_EQ(ReadBytes(App().prefsPath), existing);

    dialog = Open();
    Select(dialog, 1);
    EXPECT_EQ(testui::ItemText(dialog, IDC_KC_ASSIGNMENT), "F3");  // not in the file
    Select(dialog, 2);
    EXPECT_EQ(testui::ItemText(dialog, IDC_KC_ASSIGNMENT), "F1");  // the file's
    testui::Click(dialog, IDCANCEL);
}

TEST_F(KeyDialogsTest, FailedSaveIsReportedAndTheDialogStaysOpen) {
    const std::string existing = "[Keys]\r\nCommand.00-Modifier=1\r\nCommand.00-Key=30\r\n";
    WriteBytes(App().prefsPath, existing);
    ASSERT_TRUE(SetFileAttributesW(ui::Widen(App().prefsPath).c_str(), FILE_ATTRIBUTE_READONLY));
    HWND dialog = Open();
    auto boxes = testui::AnswerMessageBoxes([&] { testui::Click(dialog, IDOK); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "ERROR");
    EXPECT_EQ(boxes[0].icon, static_cast<UINT>(MB_ICONERROR));
    // A read-only file: the message ends with the advice on access rights.
    EXPECT_EQ(boxes[0].text, msg::SaveFailure(msg::kKeysNotSaved, App().prefsPath,
                                              files::Status::Fail(files::Error::AccessDenied, "")));
    EXPECT_EQ(boxes[0].owner, dialog);
    EXPECT_FALSE(m_config->IsEnded());
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(ReadBytes(App().prefsPath), existing);
    testui::Click(dialog, IDCANCEL);
}

// French names reach the controls as the characters they are, whatever the
// ANSI code page.
TEST_F(KeyDialogsTest, FrenchLayoutShowsFrenchNames) {
    m_language = keys::kLanguageFrenchFrance;
    WriteBytes(App().prefsPath,
               "[Keys]\r\nCommand.15-Modifier=1\r\nCommand.15-Key=40\r\n"
               "Command.16-Modifier=0\r\nCommand.16-Key=41\r\n"
               "Command.17-Modifier=2\r\nCommand.17-Key=70\r\n");
    HWND dialog = Open();
    struct Shown {
        int item;
        std::wstring text;
    };
    for (const Shown& shown : {Shown{16, L"SHIFT + \u00F9"}, Shown{17, L"\u00B2"},
                               Shown{18,
                                     L"CTRL + Arr\u00EAt D\u00E9"
                                     L"fil"},
                               Shown{23, L"CTRL + 1 (PAVE NUM.)"}, Shown{15, L"CTRL + Bas"}}) {
        Select(dialog, shown.item);
        wchar_t text[64] = {};
        GetDlgItemTextW(dialog, IDC_KC_ASSIGNMENT, text, 64);
        EXPECT_EQ(std::wstring(text), shown.text) << shown.item;
    }
    // The key that types A on an AZERTY keyboard.
    Select(dialog, 8);
    ChangeAssignment(dialog, TypeThenEnter({VK_CONTROL, 'A'}));
    EXPECT_EQ(keys::Catalogue()[7].key, 16);
    EXPECT_EQ(testui::ItemText(dialog, IDC_KC_ASSIGNMENT), "CTRL + A");
    testui::Click(dialog, IDCANCEL);
}

TEST(KeyboardLayoutTest, ProgramNamesFollowTheActiveLayout) {
    uint16_t language = keys::ActiveKeyboardLanguage();
    EXPECT_EQ(language, LOWORD(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0))));
    bool french = language == keys::kLanguageFrenchFrance;
    EXPECT_EQ(keys::ProgramKeyNames().KeyName(207), french ? "Fin" : "End");
}

}  // namespace
