// The two dialog templates as linked into the program, read item by item in
// tab order: class, text, id, exact styles and place in dialog units.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/controls.h"
#include "res/resource.h"

namespace {

struct Item {
    std::string className;  // predefined classes by name, e.g. "Button"
    std::string text;
    int id;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
};

struct Template {
    DWORD style = 0;
    DWORD exStyle = 0;
    short cx = 0, cy = 0;
    std::string caption;
    std::string font;
    WORD pointSize = 0;
    std::vector<Item> items;
};

// Reads the DLGTEMPLATEEX resource `id` of the running program.
class TemplateReader {
  public:
    explicit TemplateReader(int id) {
        HMODULE module = GetModuleHandleW(nullptr);
        HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));
        m_p = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    }

    Template Read() {
        Template t;
        EXPECT_EQ(Next<WORD>(), 1);       // version
        EXPECT_EQ(Next<WORD>(), 0xFFFF);  // extended template
        Next<DWORD>();                    // help id
        t.exStyle = Next<DWORD>();
        t.style = Next<DWORD>();
        WORD count = Next<WORD>();
        m_p += 2 * sizeof(short);  // x, y
        t.cx = Next<short>();
        t.cy = Next<short>();
        EXPECT_EQ(NameOrOrdinal(), "");  // menu
        EXPECT_EQ(NameOrOrdinal(), "");  // class
        t.caption = String();
        t.pointSize = Next<WORD>();
        m_p += sizeof(WORD) + 2;  // weight, italic, character set
        t.font = String();
        for (WORD i = 0; i < count; ++i) {
            m_p += (4 - reinterpret_cast<uintptr_t>(m_p) % 4) % 4;  // DWORD-aligned
            Item item;
            Next<DWORD>();  // help id
            item.exStyle = Next<DWORD>();
            item.style = Next<DWORD>();
            item.x = Next<short>();
            item.y = Next<short>();
            item.cx = Next<short>();
            item.cy = Next<short>();
            item.id = static_cast<int32_t>(Next<DWORD>());
            item.className = NameOrOrdinal();
            item.text = NameOrOrdinal();
            m_p += Next<WORD>();  // creation data
            t.items.push_back(item);
        }
        return t;
    }

  private:
    template <typename T>
    T Next() {
        T value;
        std::memcpy(&value, m_p, sizeof value);
        m_p += sizeof value;
        return value;
    }
    std::string String() {
        std::wstring text;
        for (WORD c = Next<WORD>(); c != 0; c = Next<WORD>()) {
            text += static_cast<wchar_t>(c);
        }
        return ui::Narrow(text);
    }
    std::string NameOrOrdinal() {
        WORD first;
        std::memcpy(&first, m_p, sizeof first);
        if (first != 0xFFFF) {
            return String();
        }
        m_p += sizeof first;
        static const char* const kClasses[] = {"Button",  "Edit",      "Static",
                                               "ListBox", "ScrollBar", "ComboBox"};
        WORD ordinal = Next<WORD>();
        return ordinal >= 0x80 && ordinal <= 0x85 ? kClasses[ordinal - 0x80] : "?";
    }

    const BYTE* m_p = nullptr;
};

Template LoadTemplate(int id) {
    return TemplateReader(id).Read();
}

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kDialogStyle = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kCentredReadOnlyEdit = kChild | ES_CENTER | ES_READONLY | WS_BORDER | WS_TABSTOP;

void ExpectItems(const Template& t, const std::vector<Item>& expected) {
    ASSERT_EQ(t.items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Item& got = t.items[i];
        const Item& want = expected[i];
        SCOPED_TRACE("item " + std::to_string(i) + " " + want.text);
        EXPECT_EQ(_stricmp(got.className.c_str(), want.className.c_str()), 0)  // any case
            << got.className;
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.style, want.style);
        EXPECT_EQ(got.exStyle, want.exStyle);
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.cx, want.cx);
        EXPECT_EQ(got.cy, want.cy);
    }
}

TEST(KeyTemplatesTest, KeyAssignments) {
    Template t = LoadTemplate(IDD_KEY_CONFIG);
    EXPECT_EQ(t.style, kDialogStyle);
    EXPECT_EQ(t.exStyle, static_cast<DWORD>(WS_EX_APPWINDOW));  // its own task-bar button
    EXPECT_EQ(t.cx, 219);
    EXPECT_EQ(t.cy, 126);
    EXPECT_EQ(t.caption, "Key Assignments");
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.font, "MS Shell Dlg");
    ExpectItems(
        t, {
               {"Button", "OK", IDOK, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 7, 103, 50, 16},
               {"Button", "Cancel", IDCANCEL, kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 162, 103, 50,
                16},
               {"ComboBox", "", IDC_KC_COMMANDS,
                kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 7, 7, 205, 86},
               {"Button", "Key Assignment", IDC_STATIC, kChild | BS_GROUPBOX, 0, 7, 22, 205, 73},
               {"Edit", "", IDC_KC_ASSIGNMENT, kCentredReadOnlyEdit, 0, 26, 40, 166, 14},
               {"Button", "&Change Assignment", IDC_KC_CHANGE, kChild | BS_PUSHBUTTON | WS_TABSTOP,
                0, 64, 69, 91, 14},
           });
}

TEST(KeyTemplatesTest, KeyAssignment) {
    Template t = LoadTemplate(IDD_KEY_ASSIGNER);
    EXPECT_EQ(t.style, kDialogStyle);
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ(t.cx, 187);
    EXPECT_EQ(t.cy, 129);
    EXPECT_EQ(t.caption, "Key Assignment");
    EXPECT_EQ(t.font, "MS Shell Dlg");
    ExpectItems(
        t, {
               {"Button", "OK", IDOK, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 7, 108, 50, 14},
               {"Button", "Cancel", IDCANCEL, kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 130, 108, 50,
                14},
               {"Static", "Press the key to assign,\nthen OK to accept or Cancel to abort.",
                IDC_KA_PROMPT, kChild | SS_CENTER | WS_GROUP, 0, 23, 83, 139, 17},
               {"Button", "Command", IDC_STATIC, kChild | BS_GROUPBOX, 0, 7, 7, 173, 33},
               {"Edit", "", IDC_KA_COMMAND, kCentredReadOnlyEdit, 0, 17, 19, 152, 14},
               {"Button", "Key", IDC_STATIC, kChild | BS_GROUPBOX, 0, 7, 43, 173, 33},
               {"msctls_hotkey32", "", IDC_KA_HOTKEY, kChild | WS_BORDER | WS_TABSTOP, 0, 17, 54,
                152, 14},
           });
}

}  // namespace
