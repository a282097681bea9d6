#include "platform/dialog_template.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace dialog_template {

bool operator==(const PictureControl& a, const PictureControl& b) {
    return a.index == b.index && a.controlId == b.controlId && a.bitmapId == b.bitmapId;
}

void PrintTo(const PictureControl& p, std::ostream* out) {
    *out << "{" << p.index << ", " << p.controlId << ", " << p.bitmapId << "}";
}

}  // namespace dialog_template

namespace {

using dialog_template::FindPictureControls;
using dialog_template::PictureControl;

constexpr uint32_t kSetFont = 0x40;
constexpr uint16_t kButton = 0x80;
constexpr uint16_t kStatic = 0x82;
constexpr uint32_t kBitmap = 0x0E;        // SS_BITMAP
constexpr uint32_t kCenterImage = 0x200;  // SS_CENTERIMAGE
constexpr uint32_t kIcon = 0x03;          // SS_ICON
constexpr uint32_t kVisibleChild = 0x50000000;

using NameOrOrdinal = std::variant<std::u16string, uint16_t>;

// Builds an extended dialog template as a resource compiler lays it out.
class TemplateBuilder {
  public:
    explicit TemplateBuilder(uint32_t dialogStyle = kSetFont) {
        Word(1);
        Word(0xFFFF);
        Dword(0);  // help id
        Dword(0);  // extended style
        Dword(dialogStyle);
        m_countAt = m_bytes.size();
        Word(0);
        Word(0), Word(0), Word(200), Word(100);
        Field(u"");  // menu
        Field(u"");  // class
        Text(u"Caption");
        if (dialogStyle & kSetFont) {
            Word(8), Word(400), m_bytes.push_back(0), m_bytes.push_back(1);
            Text(u"MS Shell Dlg");
        }
    }

    TemplateBuilder& Control(NameOrOrdinal className, uint32_t style, uint32_t id,
                             NameOrOrdinal title, std::vector<uint8_t> creationData = {}) {
        while (m_bytes.size() % 4) {
            m_bytes.push_back(0);
        }
        Dword(0), Dword(0), Dword(kVisibleChild | style);
        Word(7), Word(7), Word(100), Word(20);
        Dword(id);
        Field(className);
        Field(title);
        Word(static_cast<uint16_t>(creationData.size()));
        m_bytes.insert(m_bytes.end(), creationData.begin(), creationData.end());
        ++m_bytes[m_countAt];
        return *this;
    }

    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

  private:
    void Word(uint16_t value) {
        m_bytes.push_back(static_cast<uint8_t>(value & 0xFF));
        m_bytes.push_back(static_cast<uint8_t>(value >> 8));
    }
    void Dword(uint32_t value) {
        Word(static_cast<uint16_t>(value & 0xFFFF));
        Word(static_cast<uint16_t>(value >> 16));
    }
    void Text(const std::u16string& text) {
        for (char16_t c : text) {
            Word(c);
        }
        Word(0);
    }
    void Field(const NameOrOrdinal& field) {
        if (const uint16_t* ordinal = std::get_if<uint16_t>(&field)) {
            Word(0xFFFF);
            Word(*ordinal);
        } else {
            Text(std::get<std::u16string>(field));
        }
    }

    std::vector<uint8_t> m_bytes;
    size_t m_countAt = 0;
};

std::vector<PictureControl> Find(const std::vector<uint8_t>& bytes) {
    return FindPictureControls(bytes.data(), bytes.size());
}

// A dialog like the program's: pictures between buttons, labels and icons.
TemplateBuilder MixedDialog(uint32_t dialogStyle = kSetFont) {
    TemplateBuilder dialog(dialogStyle);
    dialog.Control(kButton, 0, 1, u"OK")
        .Control(kStatic, kBitmap | kCenterImage, 0xFFFFFFFF, uint16_t{146})
        .Control(kStatic, 0, 0xFFFFFFFF, u"Label")
        .Control(u"Static", kBitmap, 1043, uint16_t{147}, {1, 2, 3})
        .Control(kButton, kBitmap, 1010, uint16_t{151})         // a button, not a picture
        .Control(kStatic, kIcon, 1044, uint16_t{200})           // an icon, not a bitmap
        .Control(kStatic, kBitmap, 1045, u"photo")              // a name, not a number
        .Control(u"sTaTiC", kBitmap, 1046, uint16_t{162}, {9})  // class names ignore case
        .Control(u"msctls_trackbar32", kBitmap, 1047, uint16_t{163});
    return dialog;
}

TEST(FindPictureControls, FindsStaticBitmapsByOrdinalOrClassName) {
    const std::vector<PictureControl> expected = {
        {1, 0xFFFFFFFF, 146}, {3, 1043, 147}, {7, 1046, 162}};
    EXPECT_EQ(Find(MixedDialog().Bytes()), expected);
    EXPECT_EQ(Find(MixedDialog(0).Bytes()), expected) << "without a font block";
}

TEST(FindPictureControls, AnyTruncatedTemplateYieldsNone) {
    const std::vector<uint8_t> whole = MixedDialog().Bytes();
    for (size_t size = 0; size < whole.size(); ++size) {
        std::vector<uint8_t> part(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(size));
        EXPECT_TRUE(Find(part).empty()) << size << " of " << whole.size() << " bytes";
    }
    EXPECT_TRUE(FindPictureControls(nullptr, 100).empty());
}

TEST(FindPictureControls, TheOlderTemplateLayoutYieldsNone) {
    std::vector<uint8_t> classic = MixedDialog().Bytes();
    classic[0] = 0x40, classic[1] = 0x00, classic[2] = 0xC8, classic[3] = 0x80;  // a style
    EXPECT_TRUE(Find(classic).empty());
}

}  // namespace
