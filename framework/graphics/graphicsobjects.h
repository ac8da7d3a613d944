// The drawing tools a canvas selects: font, pen and brush. Each one keeps
// its attributes, creates its GDI object only when asked for the handle and
// keeps that handle until an attribute really changes.
#pragma once

#include "framework/base/colors.h"
#include "framework/base/events.h"
#include "framework/components/persistent.h"
#include "framework/base/sets.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

class TBitmap;

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = uint8_t;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor,
};
enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross,
};

class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

class EInvalidGraphicOperation : public Exception {
public:
    using Exception::Exception;
};

// The common base: change notification and the cached handle's lifetime.
// Objects with equal attributes share one GDI object (counted), so a
// thousand controls with the same font hold one font handle.
class TGraphicsObject : public TPersistent {
    FW_DECLARE_CLASS(TGraphicsObject)
public:
    ~TGraphicsObject() override;

    // Fired after every change of an attribute (not when a value is set to
    // what it already was).
    TNotifyEvent OnChange;

    bool HandleAllocated() const { return handle_ != nullptr; }

    // How many GDI objects the shared table holds now (for leak checks).
    static int SharedHandleCount();

protected:
    TGraphicsObject() = default;

    // The GDI object, created on first use through CreateHandleObject.
    HGDIOBJ CachedHandle();
    virtual HGDIOBJ CreateHandleObject() = 0;
    // The attributes that make the GDI object, as bytes; objects with equal
    // keys share it. Empty for one that cannot be shared.
    virtual std::string ShareKey() const { return std::string(); }
    // Drops the cached object (it is rebuilt on the next request) and fires
    // OnChange; the old object is let go after the listeners ran.
    virtual void Changed();
    void ReleaseCachedHandle();

private:
    static void ReleaseHandle(HGDIOBJ handle, const std::string& key);

    HGDIOBJ handle_ = nullptr;
    std::string key_;
};

class TFont : public TGraphicsObject {
    FW_DECLARE_CLASS(TFont)
public:
    TFont();

    HFONT Handle() { return static_cast<HFONT>(CachedHandle()); }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Character height in pixels; negative values exclude the internal
    // leading, as the platform does.
    int Height() const { return height_; }
    void SetHeight(int height);
    // Points at PixelsPerInch: Size = -Height * 72 / PixelsPerInch, rounded.
    int Size() const;
    void SetSize(int size);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(TFontCharset charset);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int pixelsPerInch);

    // Takes name, height, style, charset and pitch from a font the caller
    // keeps; the handle itself is not owned.
    void SetHandle(HFONT font);

    void Assign(const TPersistent* source) override;

    static constexpr const char* DefaultName = "MS Sans Serif";
    static constexpr int DefaultHeight = -11;

protected:
    HGDIOBJ CreateHandleObject() override;
    std::string ShareKey() const override;

private:
    LOGFONTA LogFont() const;

    std::string name_ = DefaultName;
    int height_ = DefaultHeight;
    TFontStyles style_;
    TColor color_ = clWindowText;
    TFontCharset charset_ = DEFAULT_CHARSET;
    TFontPitch pitch_ = fpDefault;
    int pixelsPerInch_ = 96;
};

class TPen : public TGraphicsObject {
    FW_DECLARE_CLASS(TPen)
public:
    TPen() = default;

    HPEN Handle() { return static_cast<HPEN>(CachedHandle()); }

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);  // values below 1 are taken as 1
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    // The raster operation lines are drawn with (SetROP2); not part of the
    // GDI object, the canvas applies it.
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode mode);

    void Assign(const TPersistent* source) override;

protected:
    HGDIOBJ CreateHandleObject() override;
    std::string ShareKey() const override;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};

class TBrush : public TGraphicsObject {
    FW_DECLARE_CLASS(TBrush)
public:
    TBrush();
    ~TBrush() override;

    HBRUSH Handle() { return static_cast<HBRUSH>(CachedHandle()); }

    TColor Color() const { return color_; }
    void SetColor(TColor color);  // a colour also sets a clear style back to solid
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    // A pattern brush. The brush keeps its own copy of the picture, so the
    // caller's bitmap may go at any time; nullptr returns to Color/Style.
    TBitmap* Bitmap() const { return bitmap_.get(); }
    void SetBitmap(TBitmap* bitmap);

    void Assign(const TPersistent* source) override;

protected:
    HGDIOBJ CreateHandleObject() override;
    std::string ShareKey() const override;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    std::unique_ptr<TBitmap> bitmap_;
};

// The platform value of a pen mode (R2_*).
int PenModeToRop2(TPenMode mode);
