// Key Assignments and Key Assignment driven as a user drives them: real
// controls, keys typed into the hot-key control, message boxes answered.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <tuple>
#include <utility>

#include "keys/key_assigner_dialog.h"
#include "keys/key_assignments.h"
#include "keys/key_config_dialog.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

using Boxes = std::vector<testui::MessageBoxInfo>;

// Keys pressed in order, released in reverse, then Enter (OK) unless told otherwise.
void Type(const std::vector<WORD>& keys, bool thenEnter = true) {
    std::vector<INPUT> events(2 * keys.size(), INPUT{INPUT_KEYBOARD, {}});
    for (size_t i = 0; i < keys.size(); ++i) {
        auto scan = static_cast<WORD>(MapVirtualKeyW(keys[i], MAPVK_VK_TO_VSC));
        events[i].ki = {keys[i], scan, 0, 0, 0};
        events[events.size() - 1 - i].ki = {keys[i], scan, KEYEVENTF_KEYUP, 0, 0};
    }
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    if (thenEnter) {
        Type({VK_RETURN}, false);
    }
}

void ExpectErrorBox(const Boxes& boxes, const char* caption, const std::string& text, HWND owner) {
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, caption);
    EXPECT_EQ(boxes[0].text, text);
    EXPECT_EQ(boxes[0].icon, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(boxes[0].owner, owner);
}

class KeyDialogsTest : public testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_path = ui::Narrow(temp) + "corvel-keys-test.cfg";
        DeleteFileW(ui::Widen(m_path).c_str());
    }

    // Key Assignments, modeless, with list item `item` chosen (0 is "Select a command").
    void Open(int item) {
        m_config =
            std::make_unique<keys::detail::CKeyConfig>(nullptr, m_path, m_catalogue, m_names);
        m_dialog = m_config->Create();
        if (item != 0) {
            Select(item);
        }
    }
    void Select(int item) {
        SendDlgItemMessageW(m_dialog, IDC_KC_COMMANDS, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
        SendMessageW(m_dialog, WM_COMMAND, MAKEWPARAM(IDC_KC_COMMANDS, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(m_dialog, IDC_KC_COMMANDS)));
    }
    // Change Assignment; inAssigner gets the Key Assignment dialog (without
    // one, the test fails if it opens).
    Boxes Change(const std::function<void(HWND)>& inAssigner = nullptr) {
        return testui::AnswerMessageBoxes([&] { testui::Click(m_dialog, IDC_KC_CHANGE); },
                                          inAssigner);
    }
    std::string Shown() const { return testui::ItemText(m_dialog, IDC_KC_ASSIGNMENT); }
    std::string FileBytes() const {
        std::ifstream in(m_path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::string m_path;
    keys::CommandCatalogue m_catalogue = keys::kDefaultCommands;
    uint16_t m_language = 0x0409;
    keys::CKeyNames m_names{[this] { return m_language; }};
    std::unique_ptr<keys::detail::CKeyConfig> m_config;
    HWND m_dialog = nullptr;
};

// Controls where the templates put them, in dialog units: left, top, width, height.
TEST_F(KeyDialogsTest, ControlsSitWhereTheTemplatesPutThem) {
    keys::detail::CKeyAssigner assigner(nullptr, m_catalogue[0], m_names);
    Open(0);
    const HWND dialogs[] = {m_dialog, assigner.Create()};
    // clang-format off
    const int places[][6] = {
        {0, IDOK, 7, 103, 50, 16}, {0, IDCANCEL, 162, 103, 50, 16}, {0, IDC_KC_COMMANDS, 7, 7, 205, 0},
        {0, IDC_KC_ASSIGNMENT, 26, 40, 166, 14}, {0, IDC_KC_CHANGE, 64, 69, 91, 14},
        {1, IDOK, 7, 108, 50, 14}, {1, IDCANCEL, 130, 108, 50, 14}, {1, IDC_KA_PROMPT, 23, 83, 139, 17},
        {1, IDC_KA_COMMAND, 17, 19, 152, 14}, {1, IDC_KA_HOTKEY, 17, 54, 152, 14}};
    // clang-format on
    for (auto [which, id, x, y, cx, cy] : places) {
        RECT want{x, y, cx, cy}, got;
        MapDialogRect(dialogs[which], &want);
        GetWindowRect(GetDlgItem(dialogs[which], id), &got);
        MapWindowPoints(nullptr, dialogs[which], reinterpret_cast<POINT*>(&got), 2);
        // A closed drop-down list (height 0 here) is as high as its font makes it.
        got = {got.left, got.top, got.right - got.left, cy ? got.bottom - got.top : 0};
        EXPECT_TRUE(EqualRect(&got, &want)) << which << " " << id;
    }
}

// The commands in row order after "Select a command", chosen at first. French
// names reach the controls as the characters they are, whatever the code page.
TEST_F(KeyDialogsTest, ListsTheCommandsAndShowsFrenchNames) {
    m_language = keys::kLanguageFrenchFrance;
    std::ofstream(m_path, std::ios::binary)
        << "[Keys]\r\nCommand.15-Modifier=1\r\nCommand.15-Key=40\r\n"
           "Command.17-Modifier=2\r\nCommand.17-Key=70\r\n";
    Open(0);
    HWND combo = GetDlgItem(m_dialog, IDC_KC_COMMANDS);
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 86);
    for (int item = 0; item < 86; ++item) {
        wchar_t text[128] = {};
        SendMessageW(combo, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(ui::Narrow(text),
                  item == 0 ? "Select a command" : keys::kDefaultCommands[item - 1].name);
    }
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Shown(), "");
    ExpectErrorBox(Change(), "ERROR", "Please select a command first.", m_dialog);

    const std::pair<int, const wchar_t*> rows[] = {{16, L"SHIFT + \u00F9"},
                                                   {18, L"CTRL + Arr\u00EAt D\u00E9fil"},
                                                   {23, L"CTRL + 1 (PAVE NUM.)"}};
    for (auto [item, shown] : rows) {
        Select(item);
        wchar_t text[64] = {};
        GetDlgItemTextW(m_dialog, IDC_KC_ASSIGNMENT, text, 64);
        EXPECT_EQ(std::wstring(text), shown) << item;
    }
}

// On [MCDU] DIR Key (item 5, row 4): Alt is refused and the assigner stays
// open with the binding unchanged; other keys are stored and shown.
TEST_F(KeyDialogsTest, CapturedKeyIsStoredAndShownButAltIsRefused) {
    Open(5);
    HWND assignerWindow = nullptr;
    Boxes boxes = Change([&](HWND assigner) {
        assignerWindow = assigner;
        SendDlgItemMessageW(assigner, IDC_KA_HOTKEY, HKM_SETHOTKEY, MAKEWORD('X', HOTKEYF_ALT), 0);
        testui::Click(assigner, IDOK);  // the driver answers the message box
        EXPECT_TRUE(IsWindowVisible(assigner));
        EXPECT_EQ(GetFocus(), GetDlgItem(assigner, IDC_KA_HOTKEY));
        testui::Click(assigner, IDCANCEL);
    });
    ExpectErrorBox(boxes, "Error", "ALT modifier is not authorized, please use another.",
                   assignerWindow);
    EXPECT_EQ(Shown(), "CTRL + D");  // the default, unchanged

    // clang-format off
    const std::tuple<std::vector<WORD>, int32_t, int32_t, const char*> captures[] = {
        {{VK_CONTROL, VK_SHIFT, VK_F5}, 3, 63, "SHIFT + CTRL + F5"}, {{VK_SHIFT, 'T'}, 1, 20, "SHIFT + T"},
        {{VK_CONTROL, VK_UP}, 2, 200, "CTRL + Up"}, {{VK_NUMPAD7}, 0, 71, "7 (NUMPAD)"},
        {{VK_CAPITAL}, 0, 0, "No key defined"}, {{}, 0, 0, "No key defined"}};
    // clang-format on
    for (const auto& [typed, modifier, key, shown] : captures) {
        Change([&, &typed = typed](HWND assigner) {
            EXPECT_EQ(testui::Text(assigner), "Key Assignment");
            EXPECT_EQ(GetWindow(assigner, GW_OWNER), m_dialog);
            EXPECT_EQ(testui::ItemText(assigner, IDC_KA_COMMAND), "[MCDU] DIR Key");
            EXPECT_EQ(GetFocus(), GetDlgItem(assigner, IDC_KA_HOTKEY));
            EXPECT_EQ(SendDlgItemMessageW(assigner, IDC_KA_HOTKEY, HKM_GETHOTKEY, 0, 0), 0);
            Type(typed);
        });
        EXPECT_EQ(m_catalogue[4].modifier, modifier) << shown;
        EXPECT_EQ(m_catalogue[4].key, key) << shown;
        EXPECT_EQ(Shown(), shown);
    }
}

// Cancel keeps changed bindings in memory only for rows the file lacks; a failed save is
// reported and changes nothing; then OK writes all 182 entries, -Modifier before -Key.
TEST_F(KeyDialogsTest, CancelThenFailedSaveThenOk) {
    const std::string existing =
        "[Common]\r\nUnitSystem=1\r\n[Keys]\r\nCommand.01-Modifier=0\r\nCommand.01-Key=59\r\n";
    std::ofstream(m_path, std::ios::binary) << existing;
    Open(2);
    Change([](HWND) { Type({VK_F2}); });
    Select(1);
    Change([](HWND) { Type({VK_F3}); });
    testui::Click(m_dialog, IDCANCEL);
    EXPECT_EQ(FileBytes(), existing);

    Open(1);
    EXPECT_EQ(Shown(), "F3");  // not in the file
    Select(2);
    EXPECT_EQ(Shown(), "F1");  // the file's
    ASSERT_TRUE(SetFileAttributesW(ui::Widen(m_path).c_str(), FILE_ATTRIBUTE_READONLY));
    // Read-only: the message ends with the advice on access rights.
    ExpectErrorBox(testui::AnswerMessageBoxes([&] { testui::Click(m_dialog, IDOK); }), "ERROR",
                   msg::SaveFailure(msg::kKeysNotSaved, m_path,
                                    files::Status::Fail(files::Error::AccessDenied, "")),
                   m_dialog);
    EXPECT_FALSE(m_config->IsEnded());
    EXPECT_EQ(FileBytes(), existing);

    SetFileAttributesW(ui::Widen(m_path).c_str(), FILE_ATTRIBUTE_NORMAL);
    testui::Click(m_dialog, IDOK);
    EXPECT_EQ(m_config->Result(), IDOK);
    auto read = [this](const std::string& key) {
        return static_cast<int>(GetPrivateProfileIntA("Keys", key.c_str(), -1, m_path.c_str()));
    };
    for (size_t i = 0; i < keys::kCommandCount; ++i) {
        EXPECT_EQ(read(keys::ModifierEntryName(i)), m_catalogue[i].modifier) << i;
        EXPECT_EQ(read(keys::KeyEntryName(i)), m_catalogue[i].key) << i;
    }
    EXPECT_EQ(GetPrivateProfileIntA("Common", "UnitSystem", 0, m_path.c_str()), 1u);
    const std::string bytes = FileBytes();
    EXPECT_LT(bytes.find("Command.02-Modifier=3"), bytes.find("Command.02-Key=19"));
    EXPECT_LT(bytes.find("Command.02-Key=19"), bytes.find("Command.03-Modifier=2"));
}

}  // namespace
