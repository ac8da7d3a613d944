// TSkBitmap: a 32-bit top-down DIB section with its own memory device
// context, whose TSkColor pixels are read and written directly. It copies
// itself to any device context, optionally leaving out the key colour, and
// reads 256-colour PCX pictures.
#pragma once

#include "framework/base/events.h"
#include "framework/base/exceptions.h"
#include "framework/components/persistent.h"
#include "styling/core/skcolors.h"
#include "framework/base/dcguards.h"
#include "framework/base/handles.h"

#include <windows.h>

#include <cstddef>
#include <memory>

class TCanvas;
class TFont;
class TStream;

class ESkBitmapError : public Exception {
public:
    using Exception::Exception;
};

// One part of a picture: src of the bitmap scaled into dst.
struct TSkPiece {
    RECT dst;
    RECT src;
    bool transparent;
};

class TSkBitmap : public TPersistent {
    FW_DECLARE_CLASS(TSkBitmap)
public:
    TSkBitmap();
    ~TSkBitmap() override;

    // Storage. Negative sizes count as positive; a zero side, or the current
    // size, changes nothing. New pixels are not initialised.
    void SetSize(int width, int height);
    bool IsEmpty() const { return !dib_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    HDC DC() const { return dc_.Get(); }
    HBITMAP Handle() const { return static_cast<HBITMAP>(dib_.Get()); }
    TSkColor* Pixels() const { return pixels_; }

    TNotifyEvent OnChange;    // after every SetSize, also a failed one
    TNotifyEvent OnChanging;  // before the storage goes: SetSize, destruction
    bool AlphaMode = false;   // fills and bitmap copies honour per-pixel alpha
    // For text drawn onto the bitmap; owned.
    TFont* Font() const { return font_.get(); }

    // Pixels.
    void Fill(TSkColor value);
    void SetAlpha(uint8_t alpha);
    void SetAlphaRect(uint8_t alpha, const RECT& rect);
    void FillRect(const RECT& rect, TSkColor color);
    TSkColor GetPixel(int x, int y) const;            // SkInvalidPixel outside
    TSkColor* PixelPtr(int x, int y) const { return pixels_ + (size_t(y) * width_ + x); }  // unchecked
    void ReplaceSimilarColor(TSkColor color);         // near matches become the key colour
    void ShiftHue(int amount);                        // pixels with alpha 0 stay
    void ShiftBrightness(int amount);

    // Copies to a device context. Transparent leaves out pixels of the key
    // colour; an empty or inverted rectangle draws nothing.
    void DrawTo(HDC dc, const RECT& dst, const RECT& src, bool transparent) const;
    void Draw(HDC dc, int x, int y, bool transparent) const;
    void Draw(HDC dc, int x, int y, bool transparent, const RECT& src) const;
    void StretchDraw(HDC dc, const RECT& dst, bool transparent, const RECT& src) const;
    void TileDraw(HDC dc, const RECT& dst, bool transparent, const RECT& src) const;
    // A frame of nine pieces: unscaled corners, edges and centre stretched or
    // tiled.
    void DrawNine(HDC dc, const RECT& dst, bool transparent, bool stretch, int left, int top,
                  int right, int bottom, const RECT& src) const;
    // The same onto a canvas's device context.
    void Draw(TCanvas* canvas, int x, int y, bool transparent) const;
    void Draw(TCanvas* canvas, int x, int y, bool transparent, const RECT& src) const;
    void StretchDraw(TCanvas* canvas, const RECT& dst, bool transparent, const RECT& src) const;
    void TileDraw(TCanvas* canvas, const RECT& dst, bool transparent, const RECT& src) const;
    void DrawNine(TCanvas* canvas, const RECT& dst, bool transparent, bool stretch, int left,
                  int top, int right, int bottom, const RECT& src) const;

    // Several copies into one device context, which is inspected once: what
    // a picture cut into pieces costs is then mostly the pixels.
    void DrawPieces(HDC dc, const TSkPiece* pieces, size_t count) const;
    void DrawPieces(TCanvas* canvas, const TSkPiece* pieces, size_t count) const;

    // The pixels a device context draws into, when they are a TSkBitmap's
    // with a plain mapping and a rectangular clip, for routines that write
    // them without GDI. Pending GDI work is flushed first; visible is what
    // may be written, in pixels of the bitmap, and (dx, dy) takes logical
    // coordinates there.
    struct TDirectTarget {
        TSkColor* bits;
        int64_t stride;  // in pixels
        int64_t dx, dy;
        RECT visible;
    };
    static bool DirectTarget(HDC dc, TDirectTarget& target);

    // Copies between bitmaps.
    void DrawToBitmap(TSkBitmap& dst, const RECT& dstRect, const RECT& srcRect) const;
    void DrawUnder(const TSkBitmap& src, int x, const RECT& srcRect, int y);

    // From another TSkBitmap, a framework bitmap (its pixels, made opaque) or
    // any framework graphic (drawn, made opaque).
    void Assign(const TPersistent* source) override;

    // PCX pictures. Data that is not a PCX picture changes nothing; a damaged
    // one raises ESkBitmapError and changes nothing either.
    void LoadFromStream(TStream& stream);
    void LoadFromMemory(const void* data, size_t size);
    void LoadFromResource(HINSTANCE instance, const char* name);  // RT_RCDATA

protected:
    // Into a framework bitmap: its size and an opaque copy of the pixels.
    void AssignTo(TPersistent* dest) const override;

private:
    void ReleaseStorage();
    void Allocate(int width, int height);
    void Sync() const { GdiFlush(); }  // GDI may batch drawing into our pixels
    struct TDibTarget;
    static bool InspectDib(HDC dc, TDibTarget& target);
    void CopyToDib(const TDibTarget& target, const RECT& dst, const RECT& src,
                   bool transparent) const;
    bool DrawToDib(HDC dc, const RECT& dst, const RECT& src, bool transparent) const;
    void DrawKeyed(HDC dc, const RECT& dst, const RECT& src) const;
    RECT Bounds() const { return RECT{0, 0, width_, height_}; }

    std::unique_ptr<TFont> font_;
    BITMAPINFO info_{};
    TOwnedGdiObject dib_;  // declared before dc_: the DC goes first
    TOwnedDC dc_;
    TSkColor* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
