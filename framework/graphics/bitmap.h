// Pictures: TGraphic, the base a canvas can draw, and TBitmap, a
// device-independent bitmap with its own canvas and direct pixel access.
#pragma once

#include "framework/base/dcguards.h"
#include "framework/base/handles.h"
#include "framework/graphics/canvas.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TStream;

class TGraphic : public TPersistent {
    FW_DECLARE_CLASS(TGraphic)
public:
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;

    // When set, drawing leaves out the picture's transparent parts.
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool transparent);

    // Fired after every change of the picture.
    TNotifyEvent OnChange;

    // Draws the picture into rect on the canvas (what TCanvas::Draw and
    // StretchDraw call).
    virtual void Draw(TCanvas* canvas, const TRect& rect) = 0;

protected:
    TGraphic() = default;
    virtual void Changed();

private:
    bool transparent_ = false;
};

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TBitmapHandleType { bmDIB, bmDDB };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
    FW_DECLARE_CLASS(TBitmap)
public:
    TBitmap();
    TBitmap(int width, int height, TPixelFormat format = pf32bit);
    ~TBitmap() override;

    bool Empty() const override { return !image_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetWidth(int width) override { SetSize(width, height_); }
    void SetHeight(int height) override { SetSize(width_, height); }
    // Keeps the picture's top-left part; new pixels are white. A size with
    // a zero or negative side empties the bitmap.
    void SetSize(int width, int height);

    // The DIB section; the bitmap keeps owning it.
    HBITMAP Handle() const { return static_cast<HBITMAP>(image_.Get()); }
    // Takes ownership of a bitmap (a device-dependent one is converted to
    // a DIB section and deleted). nullptr empties the bitmap.
    void SetHandle(HBITMAP bitmap);
    // Gives the DIB section to the caller, leaving the bitmap empty.
    HBITMAP ReleaseHandle();
    // Always bmDIB: every bitmap here is device-independent.
    TBitmapHandleType HandleType() const { return bmDIB; }

    // pf32bit unless set otherwise; changing it converts the pixels.
    // pfDevice, pf15bit and pfCustom are not kept: they become pf32bit, pf16bit
    // and pf32bit.
    TPixelFormat PixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TPixelFormat format);
    // The colour table of a 1, 4 or 8 bit bitmap (entries past its size are
    // ignored).
    void SetColorTable(const std::vector<RGBQUAD>& colors);
    std::vector<RGBQUAD> ColorTable() const;

    // A canvas over a memory context with the bitmap selected.
    TCanvas* Canvas();

    // The first byte of a row, row 0 being the top one. Pending drawing is
    // finished first so the bytes are current.
    void* ScanLine(int row);
    // Bytes per row, padded to four bytes.
    int ScanLineSize() const;

    // RT_BITMAP resources; a missing resource raises EResNotFound.
    void LoadFromResourceName(HINSTANCE instance, const std::string& name);
    void LoadFromResourceID(HINSTANCE instance, int id);

    // Writes a Windows bitmap file (bottom-up rows, as the format stores
    // them) in the bitmap's pixel format; an empty bitmap writes nothing.
    void SaveToStream(TStream& stream);
    // Creates or replaces the file; failures raise EFCreateError.
    void SaveToFile(const std::string& fileName);

    // The key colour when Transparent is set: with tmAuto the colour of the
    // bottom-left pixel, with tmFixed the one set.
    TColor TransparentColor();
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode);

    void Assign(const TPersistent* source) override;
    void Draw(TCanvas* canvas, const TRect& rect) override;

private:
    friend class TBitmapCanvas;

    // Replaces the image with a new top-down DIB section of the given
    // format and size, white, with the old pixels copied over it.
    void Rebuild(int width, int height, TPixelFormat format);
    void FreeImage();
    void ReleaseCanvasHandle();
    HDC MemoryDC();
    // A transparent draw at the picture's own size, through kept pieces.
    void DrawKeyed(HDC target, int x, int y, COLORREF key);
    void MakeKeyedCopy(COLORREF key);

    TOwnedGdiObject image_;  // the DIB section
    void* bits_ = nullptr;
    bool bottomUp_ = false;
    int width_ = 0;
    int height_ = 0;
    TPixelFormat pixelFormat_ = pf32bit;
    std::vector<RGBQUAD> colorTable_;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clDefault;
    std::unique_ptr<TCanvas> canvas_;
    // The canvas's context, made when drawing first needs it, with the image
    // selected. Declared in this order so that the image is put out of the
    // context before the context goes, and the context before the image.
    TOwnedDC memoryDC_;
    std::unique_ptr<TSelectGuard> imageInMemoryDC_;
    struct TKeyedCopy;
    std::unique_ptr<TKeyedCopy> keyed_;
};

