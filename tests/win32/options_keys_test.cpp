// The Configuration, Key Assignments and Key Assignment dialogs driven as a user drives them, over
// crafted files: what they show, keys typed, the message boxes, the file afterwards.
#include <map>
#include <memory>
#include <sstream>

#include "keys/key_assigner_dialog.h"
#include "keys/key_config_dialog.h"
#include "options/configuration_dialog.h"
#include "tests/win32/support/ui_driver.h"

namespace {

// The run's file and the labels' memory, across openings as in the program.
std::string g_prefsPath;
options::ConfigurationMemory g_memory;

// A preferences file holding these [Common] lines; none for "".
void Prefs(const std::string& lines) {
    g_prefsPath = (std::filesystem::temp_directory_path() / "corvel-options.cfg").u8string();
    SetFileAttributesW(ui::Widen(g_prefsPath).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(ui::Widen(g_prefsPath).c_str());
    if (!lines.empty()) {
        testui::Put(g_prefsPath, "[Common]\r\n" + lines);
    }
}

// Every option, then the Cold & Dark marker, as Windows reads them ("-": none).
std::string Stored() {
    std::string all;
    wchar_t value[64];
    for (const wchar_t* key :
         {L"UnitSystem", L"PushbackType", L"UserExperience", L"PanelVolume", L"IRSAlignmentTime",
          L"Modifier", L"Locker", L"AutoPause", L"FsuipcUsage", L"FMGCSaveMode", L"ColdAndDark"}) {
        GetPrivateProfileStringW(L"Common", key, L"-", value, 64, ui::Widen(g_prefsPath).c_str());
        all += (all.empty() ? "" : " ") + ui::Narrow(value);
    }
    return all;
}

// What the user sees, in template order: checked buttons (grey if disabled), trackbars, labels.
std::string Shown(HWND dialog) {
    std::string shown = IsWindowVisible(dialog) ? "" : "(hidden) ";
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string text = ui::GetText(child);
        const int id = GetDlgCtrlID(child);
        // A radio button's tab stop goes with its check, as a click leaves it.
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if ((style & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
            ((style & WS_TABSTOP) != 0) != (SendMessageW(child, BM_GETCHECK, 0, 0) != 0)) {
            shown += "(tab stop!) ";
        }
        if (SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED) {
            shown += text.substr(0, text.find(' ')) + (IsWindowEnabled(child) ? " " : "(grey) ");
        } else if (id == IDC_CFG_VOLUME || id == IDC_CFG_IRS_TIME) {
            shown += "| " + std::to_string(ui::GetTrackbarPos(child));
        } else if (id == IDC_CFG_VOLUME_LABEL || id == IDC_CFG_IRS_LABEL) {
            shown += " " + text + " | ";
        }
    }
    return shown;
}

// Opens the dialog as the main menu does and clicks ids in turn (a trackbar: a left arrow key), the
// last ending it. Returns what it showed before that click, then its message boxes.
std::string Open(const std::vector<int>& ids) {
    HWND opened = nullptr;
    std::string seen;
    auto run = [&] {
        EXPECT_EQ(options::RunConfiguration(nullptr, g_prefsPath, g_memory), ids.back() == IDOK);
    };
    auto user = [&](HWND dialog) {
        for (int id : ids) {
            seen = Shown(opened = dialog);
            if (id == IDC_CFG_VOLUME || id == IDC_CFG_IRS_TIME) {
                ui::MoveFocus(dialog, GetDlgItem(dialog, id));
                SendMessageW(GetFocus(), WM_KEYDOWN, VK_LEFT, 0);
            } else {
                testui::Click(dialog, id);
            }
        }
    };
    for (const testui::MessageBoxInfo& box : testui::AnswerMessageBoxes(run, user)) {
        EXPECT_EQ(box.owner, opened);
        EXPECT_EQ(box.icon, UINT(box.caption == "ERROR" ? MB_ICONERROR : MB_ICONINFORMATION));
        seen += "\n" + box.caption + ": " + box.text;
    }
    return seen;
}

// The controls the rows of tests/data/win32/configuration.tsv click, by name.
// clang-format off
const std::map<std::string, int> kControls = {
    {"ok", IDOK}, {"cancel", IDCANCEL}, {"imperial", IDC_CFG_IMPERIAL}, {"beginner", IDC_CFG_BEGINNER},
    {"expert", IDC_CFG_EXPERT}, {"volume", IDC_CFG_VOLUME}, {"irs", IDC_CFG_IRS_TIME},
    {"num", IDC_CFG_LOCK_NUM}, {"caps", IDC_CFG_LOCK_CAPS}, {"none", IDC_CFG_LOCK_NONE},
    {"pause", IDC_CFG_AUTO_PAUSE}, {"fsuipc", IDC_CFG_FSUIPC}, {"cold", IDC_CFG_COLD_AND_DARK}};
// clang-format on

TEST(ConfigurationDialog, ShowsTheFileAndWritesTheChoicesOnOkOnly) {
    for (const test_data::Row& row : test_data::Rows("win32/configuration.tsv")) {
        Prefs(testui::Replaced(row[0], "|", "\r\n"));
        std::vector<int> ids;
        std::istringstream clicks(row[1]);
        for (std::string name; clicks >> name;) {
            ids.push_back(kControls.at(name));
        }
        EXPECT_EQ(Open(ids), testui::Replaced(row[2], "{status}",
                                              "\nStatus: " + testui::Message("cold_and_dark")));
        EXPECT_EQ(Stored(), row[3]) << row[1];
    }
    Prefs("");
}

// A read-only file and (through locked_folder.sh) a folder nobody may write in, where the original
// cannot be kept: each failure reported with its advice, the dialog and the file kept.
TEST(ConfigurationDialog, FailedSavesAreReportedAndTheDialogStaysOpenWithTheChoices) {
    const char* locked = std::getenv("CORVEL_LOCKED_FOLDER");
    for (int place = 0; place < (locked ? 2 : 1); ++place) {
        Prefs("Other=1\r\n");
        SetFileAttributesW(ui::Widen(g_prefsPath).c_str(), FILE_ATTRIBUTE_READONLY);
        if (place == 1) {
            g_prefsPath = "Z:" + std::string(locked) + "/Prefs.cfg";
            std::replace(g_prefsPath.begin(), g_prefsPath.end(), '/', '\\');
        }
        const std::string before = testui::Bytes(g_prefsPath);
        const std::string advice =
            "\n\n" + testui::Message(place ? "original_not_kept_advice" : "access_denied_advice");
        EXPECT_EQ(Open({IDC_CFG_IMPERIAL, IDC_CFG_BEGINNER, IDC_CFG_INTERMEDIATE, IDC_CFG_VOLUME,
                        IDOK, IDC_CFG_COLD_AND_DARK, IDCANCEL}),
                  testui::Seen("cfg_failed_save") +
                      "\nERROR: " + testui::Message("configuration_not_saved") + g_prefsPath +
                      advice + "\nERROR: " + testui::Message("cold_and_dark_not_saved") +
                      g_prefsPath + advice);
        EXPECT_EQ(testui::Bytes(g_prefsPath), before);
    }
    Prefs("");
}

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
    // Change Assignment; inAssigner gets the Key Assignment dialog.
    Boxes Change(const std::function<void(HWND)>& inAssigner = nullptr) {
        return testui::AnswerMessageBoxes([&] { testui::Click(m_dialog, IDC_KC_CHANGE); },
                                          inAssigner);
    }
    std::string Shown() const { return ui::GetItemText(m_dialog, IDC_KC_ASSIGNMENT); }

    const std::string m_path = testui::TempPath("corvel-keys-test.cfg");
    keys::CommandCatalogue m_catalogue = keys::kDefaultCommands;
    keys::CKeyNames m_names{[] { return uint16_t{0x0409}; }};  // the English layout
    std::unique_ptr<keys::detail::CKeyConfig> m_config;
    HWND m_dialog = nullptr;
};

// The commands listed, "Select a command" chosen at first. On [MCDU] DIR Key (item 5, row 4): Alt
// refused, the assigner kept open; other keys stored and shown.
TEST_F(KeyDialogs, ListTheCommandsStoreAndShowACapturedKeyButRefuseAlt) {
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

    Select(5);
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
        {{VK_CONTROL, VK_UP}, "2 200 CTRL + Up"},
        {{VK_CAPITAL}, "0 0 No key defined"}};
    for (const auto& [typed, stored] : captures) {
        std::string assigner;
        Change([&, &typed = typed](HWND window) {
            assigner =
                ui::GetText(window) + "|" + ui::GetItemText(window, IDC_KA_COMMAND) +
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

// Cancel keeps changes only for rows the file lacks; a failed save changes nothing; OK saves all.
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
