// Key Assignments and Key Assignment driven as a user drives them: keys typed
// into the hot-key control, message boxes answered, the file as saved.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

#include "keys/key_assigner_dialog.h"
#include "keys/key_config_dialog.h"
#include "platform/win32/controls.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

using testui::Boxes;

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

class KeyDialogs : public testing::Test {
  protected:
    void SetUp() override { DeleteFileW(ui::Widen(m_path).c_str()); }
    // Key Assignments, modeless, with list item `item` chosen (0 is "Select a command").
    void Open(int item) {
        m_config =
            std::make_unique<keys::detail::CKeyConfig>(nullptr, m_path, m_catalogue, m_names);
        m_dialog = m_config->Create();
        Select(item);
    }
    void Select(int item) {
        SendDlgItemMessageW(m_dialog, IDC_KC_COMMANDS, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
        SendMessageW(m_dialog, WM_COMMAND, MAKEWPARAM(IDC_KC_COMMANDS, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(m_dialog, IDC_KC_COMMANDS)));
    }
    // Change Assignment; inAssigner gets the Key Assignment dialog (the test fails if it
    // opens without one).
    Boxes Change(const std::function<void(HWND)>& inAssigner = nullptr) {
        return testui::AnswerMessageBoxes([&] { testui::Click(m_dialog, IDC_KC_CHANGE); },
                                          inAssigner);
    }
    std::string Shown() const { return testui::ItemText(m_dialog, IDC_KC_ASSIGNMENT); }

    const std::string m_path = testui::TempPath("corvel-keys-test.cfg");
    keys::CommandCatalogue m_catalogue = keys::kDefaultCommands;
    uint16_t m_language = 0x0409;
    keys::CKeyNames m_names{[this] { return m_language; }};
    std::unique_ptr<keys::detail::CKeyConfig> m_config;
    HWND m_dialog = nullptr;
};

// The commands in row order after "Select a command", chosen at first. French
// names reach the controls as the characters they are, whatever the code page.
TEST_F(KeyDialogs, ListsTheCommandsAndShowsFrenchNames) {
    m_language = keys::kLanguageFrenchFrance;
    testui::Put(m_path, "[Keys]\r\nCommand.17-Modifier=2\r\nCommand.17-Key=70\r\n");
    Open(0);
    std::string listed;
    for (int item = 0; item < SendDlgItemMessageW(m_dialog, IDC_KC_COMMANDS, CB_GETCOUNT, 0, 0);
         ++item) {
        wchar_t text[128] = {};
        SendDlgItemMessageW(m_dialog, IDC_KC_COMMANDS, CB_GETLBTEXT, item,
                            reinterpret_cast<LPARAM>(text));
        listed += ui::Narrow(text) + "\n";
    }
    EXPECT_EQ(listed, testui::Bytes(CORVEL_SOURCE_DIR "/tests/data/win32/key_commands.txt"));
    EXPECT_EQ(SendDlgItemMessageW(m_dialog, IDC_KC_COMMANDS, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Change(),
              (Boxes{{"ERROR", testui::Message("select_command_first"), MB_ICONERROR, m_dialog}}));
    Select(18);
    EXPECT_EQ(Shown(), u8"CTRL + Arr\u00EAt D\u00E9fil");
}

// On [MCDU] DIR Key (item 5, row 4): Alt is refused and the assigner stays
// open with the binding unchanged; other keys are stored and shown.
TEST_F(KeyDialogs, CapturedKeyIsStoredAndShownButAltIsRefused) {
    Open(5);
    HWND assignerWindow = nullptr;
    const Boxes boxes = Change([&](HWND assigner) {
        SendDlgItemMessageW(assigner, IDC_KA_HOTKEY, HKM_SETHOTKEY, MAKEWORD('X', HOTKEYF_ALT), 0);
        testui::Click(assigner, IDOK);  // the driver answers the message box
        EXPECT_TRUE(IsWindowVisible(assignerWindow = assigner));
        EXPECT_EQ(GetFocus(), GetDlgItem(assigner, IDC_KA_HOTKEY));
        testui::Click(assigner, IDCANCEL);
    });
    EXPECT_EQ(
        boxes,
        (Boxes{{"Error", testui::Message("alt_not_authorized"), MB_ICONERROR, assignerWindow}}));
    EXPECT_EQ(Shown(), "CTRL + D");  // the default, unchanged
    // Typed, then the binding stored (modifier, scan code) and shown.
    const std::pair<std::vector<WORD>, const char*> captures[] = {
        {{VK_CONTROL, VK_SHIFT, VK_F5}, "3 63 SHIFT + CTRL + F5"},
        {{VK_CAPITAL}, "0 0 No key defined"}};
    for (const auto& [typed, stored] : captures) {
        std::string assigner;
        Change([&, &typed = typed](HWND window) {
            assigner =
                testui::Text(window) + "|" + testui::ItemText(window, IDC_KA_COMMAND) +
                (GetWindow(window, GW_OWNER) == m_dialog ? "|owned" : "") +
                (GetFocus() == GetDlgItem(window, IDC_KA_HOTKEY) ? "|focus" : "") + "|" +
                std::to_string(SendDlgItemMessageW(window, IDC_KA_HOTKEY, HKM_GETHOTKEY, 0, 0));
            Type(typed);
        });
        EXPECT_EQ(assigner, "Key Assignment|[MCDU] DIR Key|owned|focus|0");
        EXPECT_EQ(std::to_string(m_catalogue[4].modifier) + " " +
                      std::to_string(m_catalogue[4].key) + " " + Shown(),
                  stored);
    }
}

// Cancel keeps changed bindings in memory only for rows the file lacks; a failed save is
// reported and changes nothing; then OK writes every entry (tests/data/win32/keys_saved.cfg).
TEST_F(KeyDialogs, CancelThenFailedSaveThenOk) {
    const std::string existing =
        "[Common]\r\nUnitSystem=1\r\n[Keys]\r\nCommand.01-Modifier=0\r\nCommand.01-Key=59\r\n";
    testui::Put(m_path, existing);
    Open(2);
    Change([](HWND) { Type({VK_F2}); });
    Select(1);
    Change([](HWND) { Type({VK_F3}); });
    testui::Click(m_dialog, IDCANCEL);
    EXPECT_EQ(testui::Bytes(m_path), existing);

    Open(1);
    EXPECT_EQ(Shown(), "F3");  // not in the file
    Select(2);
    EXPECT_EQ(Shown(), "F1");  // the file's
    ASSERT_TRUE(SetFileAttributesW(ui::Widen(m_path).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(testui::AnswerMessageBoxes([&] { testui::Click(m_dialog, IDOK); }),
              (Boxes{{"ERROR",
                      testui::Message("keys_not_saved") + m_path + "\n\n" +
                          testui::Message("access_denied_advice"),
                      MB_ICONERROR, m_dialog}}));
    EXPECT_FALSE(m_config->IsEnded());
    EXPECT_EQ(testui::Bytes(m_path), existing);

    SetFileAttributesW(ui::Widen(m_path).c_str(), FILE_ATTRIBUTE_NORMAL);
    testui::Click(m_dialog, IDOK);
    EXPECT_EQ(m_config->Result(), IDOK);
    EXPECT_EQ(testui::Bytes(m_path),
              testui::Bytes(CORVEL_SOURCE_DIR "/tests/data/win32/keys_saved.cfg"));
}

}  // namespace
