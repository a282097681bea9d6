// Reads a dialog template for its picture controls: static controls with
// the SS_BITMAP style whose text is a resource number. The program keeps its
// pictures compressed, as data resources the dialog manager cannot load, so
// the dialog layer gives these controls their bitmaps itself.
//
// Templates are in the extended layout (DLGTEMPLATEEX) that resource
// compilers write for DIALOGEX; all integers little-endian, texts UTF-16.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace dialog_template {

constexpr uint32_t kStaticTypeMask = 0x1F;  // SS_TYPEMASK
constexpr uint32_t kStaticBitmap = 0x0E;    // SS_BITMAP

struct PictureControl {
    size_t index;        // place in the template, first = 0: the dialog
                         // manager creates the controls in this order
    uint32_t controlId;  // as written (IDC_STATIC is 0xFFFF or 0xFFFFFFFF)
    uint16_t bitmapId;   // the resource number in the control's text
};

// The picture controls in template order. Anything that is not a whole
// extended template, down to its last control, yields none.
std::vector<PictureControl> FindPictureControls(const uint8_t* data, size_t size);

}  // namespace dialog_template
