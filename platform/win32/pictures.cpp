#include "platform/win32/pictures.h"

#include <wincodec.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/win32/controls.h"

namespace ui {

namespace {

struct Releaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <class T>
using Com = std::unique_ptr<T, Releaser>;

template <class T>
Com<T> Take(T* object) {
    return Com<T>(object);
}

// Pictures larger than this are refused, which also keeps the byte count of
// the bitmap within 32 bits.
constexpr UINT kMaxSidePixels = 16384;

IWICImagingFactory* Factory() {
    // Made once and kept, as the bitmaps are: COM stays initialised for it.
    static IWICImagingFactory* const factory = [] {
        // S_FALSE or RPC_E_CHANGED_MODE mean COM was already initialised on
        // this thread, which serves as well.
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        IWICImagingFactory* made = nullptr;
        if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_PPV_ARGS(&made)))) {
            return static_cast<IWICImagingFactory*>(nullptr);
        }
        return made;
    }();
    return factory;
}

// The picture in 24-bit BGR, the layout of a 24-bit DIB.
Com<IWICBitmapSource> Decode(const void* bytes, DWORD size) {
    IWICImagingFactory* factory = Factory();
    IWICStream* stream = nullptr;
    if (!factory || FAILED(factory->CreateStream(&stream))) {
        return nullptr;
    }
    Com<IWICStream> streamOwner = Take(stream);
    // WIC only reads the buffer, whatever the parameter's type says.
    if (FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(bytes)), size))) {
        return nullptr;
    }
    IWICBitmapDecoder* decoder = nullptr;
    if (FAILED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand,
                                                &decoder))) {
        return nullptr;
    }
    Com<IWICBitmapDecoder> decoderOwner = Take(decoder);
    IWICBitmapFrameDecode* frame = nullptr;
    if (FAILED(decoder->GetFrame(0, &frame))) {
        return nullptr;
    }
    Com<IWICBitmapFrameDecode> frameOwner = Take(frame);
    IWICBitmapSource* bgr = nullptr;
    if (FAILED(WICConvertBitmapSource(GUID_WICPixelFormat24bppBGR, frame, &bgr))) {
        return nullptr;
    }
    return Take(bgr);
}

}  // namespace

HBITMAP DecodePicture(HMODULE module, int resourceId) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) {
        return nullptr;
    }
    Com<IWICBitmapSource> picture = Decode(bytes, SizeofResource(module, found));
    UINT width = 0;
    UINT height = 0;
    if (!picture || FAILED(picture->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > kMaxSidePixels || height > kMaxSidePixels) {
        return nullptr;
    }
    const UINT stride = (width * 3 + 3) / 4 * 4;  // DIB rows are padded to 4 bytes
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, the decoder's row order
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        return nullptr;
    }
    if (FAILED(picture->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

void ShowTemplatePictures(HWND dialog, int templateId) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) {
        return;
    }
    const std::vector<dialog_template::PictureControl> pictures =
        dialog_template::FindPictureControls(bytes, SizeofResource(module, found));
    // The dialog manager makes the controls in template order, each below
    // the ones before it, so the n-th child window is the n-th control.
    size_t index = 0;
    size_t next = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child && next < pictures.size();
         child = GetWindow(child, GW_HWNDNEXT), ++index) {
        const dialog_template::PictureControl& picture = pictures[next];
        if (index != picture.index) {
            continue;
        }
        ++next;
        // Control ids are 16 bits in a window; leave alone a control that is
        // not the one expected, or that already shows a bitmap.
        if (LOWORD(GetDlgCtrlID(child)) == LOWORD(picture.controlId) &&
            !SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0)) {
            SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP,
                         reinterpret_cast<LPARAM>(CachedBitmap(picture.bitmapId)));
        }
    }
}

}  // namespace ui
