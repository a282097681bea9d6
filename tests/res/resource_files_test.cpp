// What the resource files tell Windows (tests/data/resource_files.tsv), and the icon's images.
#include <gtest/gtest.h>

#include "tests/support/data_rows.h"

namespace {

TEST(ResourceFiles, ManifestAndVersionInformation) {
    for (const test_data::Row& row : test_data::Rows("resource_files.tsv")) {
        EXPECT_NE(test_data::FileBytes(CORVEL_SOURCE_DIR "/" + row[0]).find(row[1]),
                  std::string::npos)
            << row[0] << ": " << row[1];
    }
}

// An image for each size asked at 96 to 192 DPI (32 and 16 at 96, scaled), 32-bit bitmaps whose
// height counts the mask, and 256 pixels (entry size 0) as PNG.
TEST(ResourceFiles, TheIconHoldsEverySizeTheScalesAskFor) {
    const std::string icon = test_data::FileBytes(CORVEL_SOURCE_DIR "/res/app.ico");
    const auto number = [&](size_t at, int bytes) {  // little-endian
        uint32_t value = 0;
        while (bytes-- > 0) {
            value = value << 8 | static_cast<uint8_t>(icon.at(at + bytes));
        }
        return std::to_string(value);
    };
    std::string images;
    for (size_t entry = 6; entry < 6 + 16 * std::stoul(number(4, 2)); entry += 16) {
        const size_t image = std::stoul(number(entry + 12, 4));
        images += number(entry, 1) + ":" +
                  (icon.substr(image, 4) == "\x89PNG"
                       ? "PNG"
                       : number(image + 4, 4) + "x" + number(image + 8, 4) + "x" +
                             number(image + 14, 2)) +
                  " ";
    }
    EXPECT_EQ(images,
              "0:PNG 64:64x128x32 48:48x96x32 40:40x80x32 32:32x64x32 24:24x48x32 20:20x40x32 "
              "16:16x32x32 ");
}

}  // namespace
