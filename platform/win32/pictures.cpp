#include "platform/win32/pictures.h"

#include <wincodec.h>

#include <cstdint>
#include <map>
#include <memory>
#include <tuple>
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

// The source in 24-bit BGR, the layout of a 24-bit DIB. The factory's
// converter rather than WICConvertBitmapSource: the program then does not
// load the imaging component until it first needs a picture decoded or
// scaled (none at start-up at 96 DPI).
Com<IWICBitmapSource> ToBgr(IWICImagingFactory* factory, IWICBitmapSource* source) {
    IWICFormatConverter* converter = nullptr;
    if (FAILED(factory->CreateFormatConverter(&converter))) {
        return nullptr;
    }
    Com<IWICFormatConverter> owner = Take(converter);
    if (FAILED(converter->Initialize(source, GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone,
                                     nullptr, 0.0, WICBitmapPaletteTypeCustom))) {
        return nullptr;
    }
    return Com<IWICBitmapSource>(owner.release());
}

// Our pictures are PNG files, so the PNG decoder is made directly: the
// search through every installed decoder that the factory makes on its
// first CreateDecoderFromStream takes most of the first picture's time.
Com<IWICBitmapDecoder> PngDecoder(IWICStream* stream) {
    IWICBitmapDecoder* decoder = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICPngDecoder, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&decoder)))) {
        return nullptr;
    }
    Com<IWICBitmapDecoder> owner = Take(decoder);
    if (FAILED(decoder->Initialize(stream, WICDecodeMetadataCacheOnDemand))) {
        return nullptr;
    }
    return owner;
}

// The picture in 24-bit BGR.
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
    Com<IWICBitmapDecoder> decoder = PngDecoder(stream);
    if (!decoder) {
        IWICBitmapDecoder* made = nullptr;
        if (FAILED(stream->Seek({}, STREAM_SEEK_SET, nullptr)) ||
            FAILED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand,
                                                    &made))) {
            return nullptr;
        }
        decoder = Take(made);
    }
    IWICBitmapFrameDecode* frame = nullptr;
    if (FAILED(decoder->GetFrame(0, &frame))) {
        return nullptr;
    }
    Com<IWICBitmapFrameDecode> frameOwner = Take(frame);
    return ToBgr(factory, frame);
}

// A 24-bit top-down DIB section with the pixels of a 24-bit BGR source.
HBITMAP ToBitmap(IWICBitmapSource* picture) {
    UINT width = 0;
    UINT height = 0;
    if (FAILED(picture->GetSize(&width, &height)) || width == 0 || height == 0 ||
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

// The best filter the system has: high-quality cubic from Windows 10 on,
// Fant (area averaging) before.
constexpr auto kHighQualityCubic = static_cast<WICBitmapInterpolationMode>(4);

HBITMAP Resample(HBITMAP picture, int width, int height) {
    IWICImagingFactory* factory = Factory();
    IWICBitmap* source = nullptr;
    if (!factory ||
        FAILED(factory->CreateBitmapFromHBITMAP(picture, nullptr, WICBitmapIgnoreAlpha, &source))) {
        return nullptr;
    }
    Com<IWICBitmap> sourceOwner = Take(source);
    IWICBitmapScaler* scaler = nullptr;
    if (FAILED(factory->CreateBitmapScaler(&scaler))) {
        return nullptr;
    }
    Com<IWICBitmapScaler> scalerOwner = Take(scaler);
    const UINT w = static_cast<UINT>(width);
    const UINT h = static_cast<UINT>(height);
    if (FAILED(scaler->Initialize(source, w, h, kHighQualityCubic)) &&
        FAILED(scaler->Initialize(source, w, h, WICBitmapInterpolationModeFant))) {
        return nullptr;
    }
    Com<IWICBitmapSource> bgr = ToBgr(factory, scaler);
    return bgr ? ToBitmap(bgr.get()) : nullptr;
}

// The layouts and the pictures are made for this DPI.
constexpr UINT kDesignDpi = 96;

// The base units the dialog manager would give this dialog's font at 96
// DPI: the average width of the letters and the height of the font.
SIZE BaseUnitsAtDesignDpi(HWND dialog, UINT dpi) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    LOGFONTW description{};
    if (!font || !GetObjectW(font, sizeof description, &description) || description.lfHeight == 0) {
        return {0, 0};
    }
    // The dialog manager makes the font -MulDiv(points, dpi, 72) high.
    const int pixels = description.lfHeight < 0 ? -description.lfHeight : description.lfHeight;
    const int points = MulDiv(pixels, 72, static_cast<int>(dpi));
    description.lfHeight = -MulDiv(points, static_cast<int>(kDesignDpi), 72);
    HFONT designFont = CreateFontIndirectW(&description);
    HDC dc = CreateCompatibleDC(nullptr);
    if (!designFont || !dc) {
        if (designFont) {
            DeleteObject(designFont);
        }
        if (dc) {
            DeleteDC(dc);
        }
        return {0, 0};
    }
    HGDIOBJ previous = SelectObject(dc, designFont);
    TEXTMETRICW metrics{};
    SIZE letters{};
    static const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE units{0, 0};
    if (GetTextMetricsW(dc, &metrics) && GetTextExtentPoint32W(dc, kLetters, 52, &letters)) {
        units = {(letters.cx / 26 + 1) / 2, metrics.tmHeight};  // the dialog manager's rounding
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(designFont);
    return units;
}

// How much a picture scaled with its dialog may outgrow its frame by
// rounding: a pixel each for the picture, the frame and its edge.
constexpr int kRoundingPixels = 3;

// The property of a picture control that holds the picture at its own size.
constexpr wchar_t kPictureProperty[] = L"Corvel.Picture";

bool IsButton(HWND control) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    return lstrcmpiW(name, L"Button") == 0;
}

BOOL CALLBACK ShowPictureAgain(HWND child, LPARAM dialog) {
    HANDLE picture = GetPropW(child, kPictureProperty);
    if (picture && GetParent(child) == reinterpret_cast<HWND>(dialog)) {
        ShowPicture(child, static_cast<HBITMAP>(picture));
    }
    return TRUE;
}

BOOL CALLBACK ForgetPicture(HWND child, LPARAM /*unused*/) {
    RemovePropW(child, kPictureProperty);
    return TRUE;
}

}  // namespace

HBITMAP DecodePicture(HMODULE module, int resourceId) {
    if (FindResourceW(module, MAKEINTRESOURCEW(resourceId), RT_BITMAP)) {
        return static_cast<HBITMAP>(LoadImageW(module, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP,
                                               0, 0, LR_CREATEDIBSECTION));
    }
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) {
        return nullptr;
    }
    Com<IWICBitmapSource> picture = Decode(bytes, SizeofResource(module, found));
    return picture ? ToBitmap(picture.get()) : nullptr;
}

LayoutScale DialogLayoutScale(HWND dialog) {
    const UINT dpi = WindowDpi(dialog);
    if (dpi == kDesignDpi) {
        return {};
    }
    RECT units{0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    const SIZE designUnits = BaseUnitsAtDesignDpi(dialog, dpi);
    if (units.right <= 0 || units.bottom <= 0 || designUnits.cx <= 0 || designUnits.cy <= 0) {
        // No font to measure: the layout grows with the DPI.
        return {static_cast<int>(dpi), static_cast<int>(kDesignDpi), static_cast<int>(dpi),
                static_cast<int>(kDesignDpi)};
    }
    return {units.right, designUnits.cx, units.bottom, designUnits.cy};
}

HBITMAP ScaledBitmap(HBITMAP picture, int width, int height) {
    BITMAP own{};
    if (!picture || !GetObjectW(picture, sizeof own, &own) || width <= 0 || height <= 0 ||
        width > static_cast<int>(kMaxSidePixels) || height > static_cast<int>(kMaxSidePixels) ||
        (width == own.bmWidth && height == own.bmHeight)) {
        return picture;
    }
    // Kept for the process, as the pictures themselves are: a dialog at a
    // given scale reopens with the same sizes.
    static std::map<std::tuple<HBITMAP, int, int>, HBITMAP> cache;
    const auto key = std::make_tuple(picture, width, height);
    auto found = cache.find(key);
    if (found != cache.end()) {
        return found->second;
    }
    HBITMAP scaled = Resample(picture, width, height);
    if (!scaled) {
        return picture;  // shown at its own size rather than not at all
    }
    cache[key] = scaled;
    return scaled;
}

void ShowPicture(HWND control, HBITMAP picture) {
    HWND dialog = control ? GetParent(control) : nullptr;
    if (!dialog) {
        return;
    }
    SetPropW(control, kPictureProperty, picture);
    HBITMAP shown = picture;
    BITMAP own{};
    if (picture && GetObjectW(picture, sizeof own, &own)) {
        const LayoutScale scale = DialogLayoutScale(dialog);
        int width = MulDiv(own.bmWidth, scale.numeratorX, scale.denominatorX);
        int height = MulDiv(own.bmHeight, scale.numeratorY, scale.denominatorY);
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        if (!IsButton(control) && (style & SS_CENTERIMAGE)) {
            // A picture that fills its frame must not outgrow it by the
            // rounding of the layout; one larger than its frame by design
            // (a banner cut at the sides) stays so.
            RECT client{};
            GetClientRect(control, &client);
            if (width > client.right && width - client.right <= kRoundingPixels) {
                width = client.right;
            }
            if (height > client.bottom && height - client.bottom <= kRoundingPixels) {
                height = client.bottom;
            }
        }
        shown = ScaledBitmap(picture, width, height);
    }
    if (IsButton(control)) {
        SendMessageW(control, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown));
    } else {
        SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown));
    }
}

void ShowPicturesAgain(HWND dialog) {
    EnumChildWindows(dialog, ShowPictureAgain, reinterpret_cast<LPARAM>(dialog));
}

void ForgetPictures(HWND dialog) {
    EnumChildWindows(dialog, ForgetPicture, 0);
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
        // not the one expected, or that already shows one of our pictures.
        if (LOWORD(GetDlgCtrlID(child)) != LOWORD(picture.controlId) ||
            GetPropW(child, kPictureProperty)) {
            continue;
        }
        // A picture stored as a bitmap resource was loaded by the dialog
        // manager at its own size; ours replaces it, and the control does not
        // free what it no longer shows.
        auto loaded = reinterpret_cast<HBITMAP>(SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
        const HBITMAP ours = CachedBitmap(picture.bitmapId);
        ShowPicture(child, ours);
        if (loaded && loaded != ours) {
            DeleteObject(loaded);
        }
    }
}

HBITMAP CachedBitmap(int resourceId) {
    // Decoded once per process and never released: the dialogs reopen often
    // and the pictures are small.
    static std::map<int, HBITMAP> cache;
    auto found = cache.find(resourceId);
    if (found != cache.end()) {
        return found->second;
    }
    HBITMAP bitmap = DecodePicture(GetModuleHandleW(nullptr), resourceId);
    cache[resourceId] = bitmap;
    return bitmap;
}

void SetButtonBitmap(HWND dialog, int id, HBITMAP bitmap) {
    ShowPicture(GetDlgItem(dialog, id), bitmap);
}

}  // namespace ui
