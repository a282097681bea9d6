#include "platform/dialog_template.h"

#include <gtest/gtest.h>

#include "tests/support/data_rows.h"

namespace {

using dialog_template::FindPictureControls;

// A dialog template (DLGTEMPLATEEX) as a resource compiler lays it out, its controls: an OK button;
// static bitmaps 146 (centred, IDC_STATIC), 147 (id 1043, class "Static", 3 bytes of creation data)
// and 162 (id 1046, class "sTaTiC", 1 byte); between them a label, a button with the bitmap style,
// an icon, a bitmap given by name and a trackbar with the bitmap style.
TEST(FindPictureControls, FindsStaticBitmapsInTemplateOrder) {
    const std::string text =
        test_data::FileBytes(CORVEL_SOURCE_DIR "/tests/platform/data/picture_dialog.bin");
    const std::vector<uint8_t> bytes(text.begin(), text.end());
    std::vector<uint32_t> found;  // index, control id, bitmap id
    for (const auto& p : FindPictureControls(bytes.data(), bytes.size())) {
        found.insert(found.end(), {uint32_t(p.index), p.controlId, p.bitmapId});
    }
    EXPECT_EQ(found, (std::vector<uint32_t>{1, 0xFFFFFFFF, 146, 3, 1043, 147, 7, 1046, 162}));

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
