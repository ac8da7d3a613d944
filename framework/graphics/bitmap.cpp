#include "framework/graphics/bitmap.h"

#include "framework/base/streams.h"
#include "framework/base/systemprocs.h"

#include <cstring>

FW_IMPLEMENT_CLASS(TGraphic, TPersistent)
FW_IMPLEMENT_CLASS(TBitmap, TGraphic)

// ---- TGraphic ----

void TGraphic::SetTransparent(bool transparent)
{
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    Changed();
}

void TGraphic::Changed()
{
    if (OnChange)
        OnChange(this);
}

// ---- TBitmapCanvas ----

// The bitmap's canvas: its context is the bitmap's memory context, made
// when drawing first needs it.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap* bitmap) : bitmap_(bitmap) {}

protected:
    void CreateHandle() override { SetHandle(bitmap_->MemoryDC()); }

private:
    TBitmap* bitmap_;
};

namespace {

constexpr WORD BitmapFileType = 0x4D42;  // "BM"
// Red, green and blue of a 16-bit pixel in five, six and five bits.
constexpr DWORD Rgb565Masks[3] = {0xF800, 0x07E0, 0x001F};

int BitCount(TPixelFormat format)
{
    switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit: return 16;
    case pf24bit: return 24;
    default: return 32;
    }
}

TPixelFormat NormalFormat(TPixelFormat format)
{
    return format == pfDevice || format == pfCustom ? pf32bit : format;
}

// The colours a paletted bitmap starts with: black and white for one bit,
// the sixteen standard colours for four, and for eight those sixteen, a
// 6 x 6 x 6 colour cube and a grey ramp.
std::vector<RGBQUAD> DefaultColorTable(int bitCount)
{
    static const COLORREF vga[16] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    auto quad = [](COLORREF c) {
        return RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), 0};
    };
    std::vector<RGBQUAD> table;
    if (bitCount == 1) {
        table = {quad(0x000000), quad(0xFFFFFF)};
        return table;
    }
    for (COLORREF c : vga)
        table.push_back(quad(c));
    if (bitCount == 4)
        return table;
    constexpr int cubeSide = 6;
    constexpr int cubeStep = 255 / (cubeSide - 1);
    for (int r = 0; r < cubeSide; ++r)
        for (int g = 0; g < cubeSide; ++g)
            for (int b = 0; b < cubeSide; ++b)
                table.push_back(quad(RGB(r * cubeStep, g * cubeStep, b * cubeStep)));
    // The greys fill the rest, from near black in even steps.
    constexpr int greyStart = 8, greyStep = 10;
    for (int i = 0; table.size() < 256; ++i) {
        const BYTE v = static_cast<BYTE>(greyStart + i * greyStep);
        table.push_back(RGBQUAD{v, v, v, 0});
    }
    return table;
}

// A BITMAPINFO with room for the largest colour table.
struct BitmapInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

TPixelFormat FormatOfSection(const DIBSECTION& ds)
{
    switch (ds.dsBmih.biBitCount) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16:
        return ds.dsBmih.biCompression == BI_BITFIELDS && ds.dsBitfields[1] == Rgb565Masks[1]
                   ? pf16bit
                   : pf15bit;
    case 24: return pf24bit;
    case 32: return pf32bit;
    default: return pfCustom;
    }
}

// A memory context holding one bitmap for the length of a scope.
class TSelectedBitmap {
public:
    explicit TSelectedBitmap(HGDIOBJ bitmap)
        : dc_(CreateCompatibleDC(nullptr)), selection_(dc_.Get(), bitmap)
    {
    }
    HDC DC() const { return dc_.Get(); }

private:
    TOwnedDC dc_;  // declared first: the bitmap is put out before the context goes
    TSelectGuard selection_;
};

}  // namespace

// ---- TBitmap ----

// A transparent draw at the picture's own size is two blits: a mask of all
// ones where the key colour is and zeros elsewhere ANDed onto the target,
// then the picture with zeros there ORed on. TransparentBlt makes the same
// pieces anew at every call, at a hundred times the cost; these are kept
// while the pixels and the key stay the same.
struct TBitmap::TKeyedCopy {
    COLORREF key = 0;
    std::vector<BYTE> pixels;  // what they were made from
    TBitmap mask, cutout;
};

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format) : pixelFormat_(NormalFormat(format))
{
    SetSize(width, height);
}

TBitmap::~TBitmap()
{
    ReleaseCanvasHandle();  // the canvas lets the context go while it exists
}

TCanvas* TBitmap::Canvas()
{
    if (!canvas_)
        canvas_ = std::make_unique<TBitmapCanvas>(this);
    return canvas_.get();
}

HDC TBitmap::MemoryDC()
{
    if (!memoryDC_) {
        TOwnedDC dc(CreateCompatibleDC(nullptr));
        if (!dc)
            throw EInvalidGraphicOperation("Cannot create a memory device context");
        if (image_)
            imageInMemoryDC_ = std::make_unique<TSelectGuard>(dc.Get(), image_.Get());
        memoryDC_ = std::move(dc);
    }
    return memoryDC_.Get();
}

void TBitmap::ReleaseCanvasHandle()
{
    if (canvas_)
        canvas_->SetHandle(nullptr);
    imageInMemoryDC_.reset();
    memoryDC_.Reset();
}

void TBitmap::FreeImage()
{
    ReleaseCanvasHandle();
    image_.Reset();
    bits_ = nullptr;
    bottomUp_ = false;
    width_ = height_ = 0;
}

void TBitmap::SetSize(int width, int height)
{
    if (width < 0)
        width = 0;
    if (height < 0)
        height = 0;
    if (width == width_ && height == height_)
        return;
    if (width == 0 || height == 0) {
        FreeImage();
        Changed();
        return;
    }
    Rebuild(width, height, pixelFormat_);
}

void TBitmap::Rebuild(int width, int height, TPixelFormat format)
{
    const int bitCount = BitCount(format);
    BitmapInfo info = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = -height;  // top-down rows
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bitCount);
    info.header.biCompression = BI_RGB;
    if (format == pf16bit) {
        info.header.biCompression = BI_BITFIELDS;
        std::memcpy(info.colors, Rgb565Masks, sizeof Rgb565Masks);
    } else if (bitCount <= 8) {
        std::vector<RGBQUAD> table = DefaultColorTable(bitCount);
        for (size_t i = 0; i < colorTable_.size() && i < table.size(); ++i)
            table[i] = colorTable_[i];
        info.header.biClrUsed = static_cast<DWORD>(table.size());
        std::memcpy(info.colors, table.data(), table.size() * sizeof(RGBQUAD));
    }

    void* bits = nullptr;
    TOwnedGdiObject section(
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section)
        throw EInvalidGraphic("Cannot create a bitmap of " + std::to_string(width) + " x " +
                              std::to_string(height) + " pixels");

    ReleaseCanvasHandle();
    {
        TSelectedBitmap target(section.Get());
        RECT all{0, 0, width, height};
        FillRect(target.DC(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        if (image_) {
            TSelectedBitmap source(image_.Get());
            BitBlt(target.DC(), 0, 0, width_, height_, source.DC(), 0, 0, SRCCOPY);
        }
    }
    GdiFlush();
    image_ = std::move(section);
    bits_ = bits;
    bottomUp_ = false;
    width_ = width;
    height_ = height;
    pixelFormat_ = format;
    Changed();
}

void TBitmap::SetHandle(HBITMAP bitmap)
{
    if (bitmap == Handle())
        return;
    if (!bitmap) {
        FreeImage();
        Changed();
        return;
    }
    DIBSECTION ds;
    if (GetObjectA(bitmap, sizeof ds, &ds) == sizeof ds) {
        FreeImage();
        image_.Reset(bitmap);
        bits_ = ds.dsBm.bmBits;
        bottomUp_ = ds.dsBmih.biHeight > 0;
        width_ = ds.dsBm.bmWidth;
        height_ = ds.dsBm.bmHeight;
        pixelFormat_ = FormatOfSection(ds);
        colorTable_ = ColorTable();
        Changed();
        return;
    }
    // A device-dependent bitmap: copy it into a section of ours.
    BITMAP bm;
    if (!GetObjectA(bitmap, sizeof bm, &bm))
        throw EInvalidGraphic("Invalid bitmap handle");
    const TOwnedGdiObject taken(bitmap);
    FreeImage();
    colorTable_.clear();
    Rebuild(bm.bmWidth, bm.bmHeight, bm.bmBitsPixel == 1 ? pf1bit : pf32bit);
    {
        TSelectedBitmap source(taken.Get());
        TSelectedBitmap target(image_.Get());
        BitBlt(target.DC(), 0, 0, width_, height_, source.DC(), 0, 0, SRCCOPY);
    }
    GdiFlush();
}

HBITMAP TBitmap::ReleaseHandle()
{
    ReleaseCanvasHandle();  // the image leaves the canvas's context first
    HBITMAP handle = static_cast<HBITMAP>(image_.Release());
    FreeImage();
    Changed();
    return handle;
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    format = NormalFormat(format);
    if (format == pixelFormat_)
        return;
    if (Empty()) {
        pixelFormat_ = format;
        Changed();
        return;
    }
    Rebuild(width_, height_, format);
}

void TBitmap::SetColorTable(const std::vector<RGBQUAD>& colors)
{
    colorTable_ = colors;
    if (image_ && BitCount(pixelFormat_) <= 8 && !colors.empty()) {
        const UINT count = static_cast<UINT>(std::min<size_t>(colors.size(), size_t(1) << BitCount(pixelFormat_)));
        SetDIBColorTable(MemoryDC(), 0, count, colors.data());
    }
    Changed();
}

std::vector<RGBQUAD> TBitmap::ColorTable() const
{
    std::vector<RGBQUAD> table;
    if (!image_ || BitCount(pixelFormat_) > 8)
        return table;
    table.resize(size_t(1) << BitCount(pixelFormat_));
    auto read = [&table](HDC dc) {
        table.resize(GetDIBColorTable(dc, 0, static_cast<UINT>(table.size()), table.data()));
    };
    // A bitmap selected into our memory context cannot be selected elsewhere.
    if (memoryDC_) {
        read(memoryDC_.Get());
    } else {
        TSelectedBitmap probe(image_.Get());
        read(probe.DC());
    }
    return table;
}

int TBitmap::ScanLineSize() const
{
    return ((width_ * BitCount(pixelFormat_) + 31) / 32) * 4;
}

void* TBitmap::ScanLine(int row)
{
    if (!image_ || row < 0 || row >= height_)
        throw EInvalidGraphicOperation("Scan line index out of range");
    GdiFlush();
    const int stored = bottomUp_ ? height_ - 1 - row : row;
    return static_cast<BYTE*>(bits_) + static_cast<size_t>(stored) * ScanLineSize();
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const std::string& name)
{
    HANDLE image = LoadImageA(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (!image)
        throw EResNotFound("Resource " + name + " not found");
    SetHandle(static_cast<HBITMAP>(image));
}

void TBitmap::LoadFromResourceID(HINSTANCE instance, int id)
{
    HANDLE image = LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (!image)
        throw EResNotFound("Resource " + std::to_string(id) + " not found");
    SetHandle(static_cast<HBITMAP>(image));
}

void TBitmap::SaveToStream(TStream& stream)
{
    if (Empty())
        return;
    const int bitCount = BitCount(pixelFormat_);
    std::vector<RGBQUAD> table = ColorTable();
    const DWORD extra =
        pixelFormat_ == pf16bit ? sizeof Rgb565Masks : DWORD(table.size() * sizeof(RGBQUAD));
    const DWORD imageSize = DWORD(ScanLineSize()) * DWORD(height_);

    BITMAPFILEHEADER file = {};
    file.bfType = BitmapFileType;
    file.bfOffBits = sizeof file + sizeof(BITMAPINFOHEADER) + extra;
    file.bfSize = file.bfOffBits + imageSize;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = height_;  // bottom-up
    info.biPlanes = 1;
    info.biBitCount = static_cast<WORD>(bitCount);
    info.biCompression = pixelFormat_ == pf16bit ? BI_BITFIELDS : BI_RGB;
    info.biSizeImage = imageSize;
    info.biClrUsed = static_cast<DWORD>(table.size());

    stream.WriteBuffer(&file, sizeof file);
    stream.WriteBuffer(&info, sizeof info);
    if (pixelFormat_ == pf16bit)
        stream.WriteBuffer(Rgb565Masks, sizeof Rgb565Masks);
    else if (!table.empty())
        stream.WriteBuffer(table.data(), table.size() * sizeof(RGBQUAD));
    for (int row = height_ - 1; row >= 0; --row)
        stream.WriteBuffer(ScanLine(row), ScanLineSize());
}

void TBitmap::SaveToFile(const std::string& fileName)
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

TColor TBitmap::TransparentColor()
{
    if (transparentMode_ == tmFixed)
        return transparentColor_;
    if (Empty())
        return clDefault;
    return Canvas()->Pixels(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color)
{
    const TTransparentMode mode = color == clDefault ? tmAuto : tmFixed;
    if (color == transparentColor_ && mode == transparentMode_)
        return;
    transparentColor_ = color;
    transparentMode_ = mode;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode)
{
    if (mode == transparentMode_)
        return;
    if (mode == tmAuto)
        transparentColor_ = clDefault;
    else
        transparentColor_ = TransparentColor();
    transparentMode_ = mode;
    Changed();
}

void TBitmap::Assign(const TPersistent* source)
{
    if (!source) {
        FreeImage();
        Changed();
        return;
    }
    if (const auto* other = dynamic_cast<const TBitmap*>(source)) {
        if (other == this)
            return;
        FreeImage();
        colorTable_ = other->ColorTable();
        pixelFormat_ = other->pixelFormat_;
        transparentMode_ = other->transparentMode_;
        transparentColor_ = other->transparentColor_;
        SetTransparent(other->Transparent());
        if (!other->Empty()) {
            Rebuild(other->width_, other->height_, other->pixelFormat_);
            auto* from = const_cast<TBitmap*>(other);
            for (int row = 0; row < height_; ++row)
                std::memcpy(ScanLine(row), from->ScanLine(row), ScanLineSize());
        }
        Changed();
        return;
    }
    if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
        auto* from = const_cast<TGraphic*>(graphic);
        FreeImage();
        pixelFormat_ = pf32bit;
        SetSize(from->Width(), from->Height());
        if (!Empty())
            from->Draw(Canvas(), Rect(0, 0, width_, height_));
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TBitmap::Draw(TCanvas* canvas, const TRect& rect)
{
    if (Empty())
        return;
    HDC target = canvas->Handle();
    HDC source = MemoryDC();
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    TStretchModeGuard mode(target, COLORONCOLOR);
    if (Transparent() && w == width_ && h == height_ && BitCount(pixelFormat_) >= 24) {
        DrawKeyed(target, rect.left, rect.top, ColorToRGB(TransparentColor()));
        return;
    }
    if (Transparent()) {
        // msimg32 loads with the first transparent draw, not at start-up.
        using TTransparentBltProc = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int,
                                                  int, UINT);
        static const auto transparentBlt =
            SystemProc<TTransparentBltProc>("msimg32.dll", "TransparentBlt");
        if (transparentBlt) {
            transparentBlt(target, rect.left, rect.top, w, h, source, 0, 0, width_, height_,
                           ColorToRGB(TransparentColor()));
            return;
        }
    }
    StretchBlt(target, rect.left, rect.top, w, h, source, 0, 0, width_, height_, canvas->CopyMode());
}

void TBitmap::DrawKeyed(HDC target, int x, int y, COLORREF key)
{
    GdiFlush();
    const BYTE* bits = static_cast<const BYTE*>(bits_);
    const size_t size = size_t(ScanLineSize()) * size_t(height_);
    if (!keyed_ || keyed_->key != key || keyed_->pixels.size() != size ||
        keyed_->mask.Width() != width_ || std::memcmp(keyed_->pixels.data(), bits, size) != 0)
        MakeKeyedCopy(key);
    BitBlt(target, x, y, width_, height_, keyed_->mask.MemoryDC(), 0, 0, SRCAND);
    BitBlt(target, x, y, width_, height_, keyed_->cutout.MemoryDC(), 0, 0, SRCPAINT);
}

void TBitmap::MakeKeyedCopy(COLORREF key)
{
    auto copy = std::make_unique<TKeyedCopy>();
    copy->key = key;
    const BYTE* bits = static_cast<const BYTE*>(bits_);
    copy->pixels.assign(bits, bits + size_t(ScanLineSize()) * size_t(height_));
    copy->mask.SetSize(width_, height_);
    copy->cutout.SetSize(width_, height_);
    BitBlt(copy->cutout.MemoryDC(), 0, 0, width_, height_, MemoryDC(), 0, 0, SRCCOPY);
    // Whole pixels are compared, as TransparentBlt does: the key has a zero
    // fourth byte.
    const uint32_t dibKey = uint32_t(GetRValue(key)) << 16 | uint32_t(GetGValue(key)) << 8 |
                            GetBValue(key);
    for (int row = 0; row < height_; ++row) {
        auto* picture = static_cast<uint32_t*>(copy->cutout.ScanLine(row));
        auto* mask = static_cast<uint32_t*>(copy->mask.ScanLine(row));
        for (int x = 0; x < width_; ++x) {
            const bool keyed = picture[x] == dibKey;
            mask[x] = keyed ? 0xFFFFFFFFu : 0;
            if (keyed)
                picture[x] = 0;
        }
    }
    keyed_ = std::move(copy);
}
