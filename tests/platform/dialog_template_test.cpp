#include "platform/dialog_template.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace {

using dialog_template::FindPictureControls;

// Class and title: a text, or 0xFFFF and a number.
const std::u16string kButton = u"\xFFFF\x0080";
const std::u16string kStatic = u"\xFFFF\x0082";
constexpr uint32_t kBitmap = 0x0E;  // SS_BITMAP

// A dialog like the program's: pictures between buttons, labels and icons.
using Control = std::tuple<std::u16string, uint32_t, uint32_t, std::u16string, uint8_t>;
const Control kControls[] = {
    // class, style, id, title, bytes of creation data
    {kButton, 0, 1, u"OK", 0},
    {kStatic, kBitmap | 0x200, 0xFFFFFFFF, u"\xFFFF\x0092", 0},  // SS_CENTERIMAGE, IDC_STATIC
    {kStatic, 0, 0xFFFFFFFF, u"Label", 0},
    {u"Static", kBitmap, 1043, u"\xFFFF\x0093", 3},
    {kButton, kBitmap, 1010, u"\xFFFF\x0097", 0},    // a button, not a picture
    {kStatic, 0x03, 1044, u"\xFFFF\x00C8", 0},       // SS_ICON, not a bitmap
    {kStatic, kBitmap, 1045, u"photo", 0},           // a name, not a number
    {u"sTaTiC", kBitmap, 1046, u"\xFFFF\x00A2", 1},  // class names ignore case
    {u"msctls_trackbar32", kBitmap, 1047, u"\xFFFF\x00A3", 0},
};
// Its pictures: index, control id, bitmap id.
const std::vector<uint32_t> kPictures = {1, 0xFFFFFFFF, 146, 3, 1043, 147, 7, 1046, 162};

// The template as a resource compiler lays it out (DLGTEMPLATEEX).
std::vector<uint8_t> Template() {
    std::vector<uint8_t> b;
    auto word = [&b](uint32_t v) { b.insert(b.end(), {uint8_t(v), uint8_t(v >> 8)}); };
    auto dword = [&](uint32_t v) { word(v), word(v >> 16); };
    auto field = [&](std::u16string s) {  // a text ends in 0; 0xFFFF and a number do not
        for (char16_t c : s.empty() || s[0] != 0xFFFF ? s + u'\0' : s) {
            word(c);
        }
    };
    word(1), word(0xFFFF), dword(0), dword(0), dword(0x40);  // DS_SETFONT
    word(std::size(kControls)), dword(0), dword(0x006400C8), field(u""), field(u""),
        field(u"Caption");
    word(8), word(400), word(0x100), field(u"MS Shell Dlg");
    for (const auto& [className, style, id, title, creationBytes] : kControls) {
        b.resize((b.size() + 3) / 4 * 4);
        dword(0), dword(0), dword(0x50000000 | style), dword(0x00070007), dword(0x00140064);
        dword(id), field(className), field(title), word(creationBytes);
        b.insert(b.end(), creationBytes, 0x5A);
    }
    return b;
}

TEST(FindPictureControls, FindsStaticBitmapsInTemplateOrder) {
    const std::vector<uint8_t> bytes = Template();
    std::vector<uint32_t> found;
    for (const auto& p : FindPictureControls(bytes.data(), bytes.size())) {
        found.insert(found.end(), {uint32_t(p.index), p.controlId, p.bitmapId});
    }
    EXPECT_EQ(found, kPictures);

    // Anything short of the whole template, or the older layout, yields none.
    for (size_t size = 0; size < bytes.size(); ++size) {
        EXPECT_TRUE(FindPictureControls(bytes.data(), size).empty()) << size;
    }
    std::vector<uint8_t> classic = bytes;
    classic[0] = 0x40, classic[1] = 0x00, classic[2] = 0xC8, classic[3] = 0x80;  // a style
    EXPECT_TRUE(FindPictureControls(classic.data(), classic.size()).empty());
    EXPECT_TRUE(FindPictureControls(nullptr, 100).empty());
}

}  // namespace
