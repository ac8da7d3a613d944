#include "framework/graphics/graphicsobjects.h"
#include "framework/components/properties.h"

#include "framework/graphics/bitmap.h"

#include <cmath>
#include <cstring>
#include <map>
#include <mutex>

FW_IMPLEMENT_CLASS(TGraphicsObject, TPersistent)
FW_IMPLEMENT_CLASS(TFont, TGraphicsObject)
FW_IMPLEMENT_CLASS(TPen, TGraphicsObject)
FW_IMPLEMENT_CLASS(TBrush, TGraphicsObject)

FW_PUBLISH(TFont)
{
    p.Property("Charset", &T::Charset, &T::SetCharset)
        .Default(DEFAULT_CHARSET)
        .Idents({{"ANSI_CHARSET", ANSI_CHARSET}, {"DEFAULT_CHARSET", DEFAULT_CHARSET},
                 {"SYMBOL_CHARSET", SYMBOL_CHARSET}, {"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET},
                 {"HANGEUL_CHARSET", HANGEUL_CHARSET}, {"GB2312_CHARSET", GB2312_CHARSET},
                 {"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET}, {"OEM_CHARSET", OEM_CHARSET},
                 {"JOHAB_CHARSET", JOHAB_CHARSET}, {"HEBREW_CHARSET", HEBREW_CHARSET},
                 {"ARABIC_CHARSET", ARABIC_CHARSET}, {"GREEK_CHARSET", GREEK_CHARSET},
                 {"TURKISH_CHARSET", TURKISH_CHARSET}, {"VIETNAMESE_CHARSET", VIETNAMESE_CHARSET},
                 {"THAI_CHARSET", THAI_CHARSET}, {"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET},
                 {"RUSSIAN_CHARSET", RUSSIAN_CHARSET}, {"BALTIC_CHARSET", BALTIC_CHARSET},
                 {"MAC_CHARSET", MAC_CHARSET}});
    p.Color("Color", &T::Color, &T::SetColor).Default(clWindowText);
    p.Property("Height", &T::Height, &T::SetHeight);
    p.Property("Name", &T::Name, &T::SetName);
    p.Enum("Pitch", &T::Pitch, &T::SetPitch, {"fpDefault", "fpVariable", "fpFixed"}).Default(fpDefault);
    p.Set("Style", &T::Style, &T::SetStyle, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
}

// ---- TGraphicsObject ----

namespace {

struct SharedHandle {
    HGDIOBJ handle;
    int users;
};

// Shared GDI objects by key. Guarded: canvases may be drawn from several
// threads under their locks.
struct SharedHandles {
    std::mutex lock;
    std::map<std::string, SharedHandle> byKey;
};

// Never destroyed: fonts held by process-wide objects are let go after
// static destruction has begun. The system frees what is left at exit.
SharedHandles& Shared()
{
    static SharedHandles* shared = new SharedHandles;
    return *shared;
}

// Plain bytes of a value, for keys.
template <typename T>
std::string Bytes(char kind, const T& value)
{
    std::string key(1, kind);
    key.append(reinterpret_cast<const char*>(&value), sizeof value);
    return key;
}

}  // namespace

TGraphicsObject::~TGraphicsObject()
{
    ReleaseCachedHandle();
}

int TGraphicsObject::SharedHandleCount()
{
    std::lock_guard<std::mutex> guard(Shared().lock);
    return static_cast<int>(Shared().byKey.size());
}

HGDIOBJ TGraphicsObject::CachedHandle()
{
    if (handle_)
        return handle_;
    std::string key = ShareKey();
    if (key.empty()) {
        handle_ = CreateHandleObject();
        return handle_;
    }
    SharedHandles& shared = Shared();
    std::lock_guard<std::mutex> guard(shared.lock);
    auto found = shared.byKey.find(key);
    if (found != shared.byKey.end()) {
        ++found->second.users;
    } else {
        found = shared.byKey.emplace(key, SharedHandle{CreateHandleObject(), 1}).first;
    }
    handle_ = found->second.handle;
    key_ = std::move(key);
    return handle_;
}

void TGraphicsObject::ReleaseHandle(HGDIOBJ handle, const std::string& key)
{
    if (key.empty()) {
        DeleteObject(handle);
        return;
    }
    SharedHandles& shared = Shared();
    std::lock_guard<std::mutex> guard(shared.lock);
    auto found = shared.byKey.find(key);
    if (found != shared.byKey.end() && --found->second.users == 0) {
        DeleteObject(found->second.handle);
        shared.byKey.erase(found);
    }
}

void TGraphicsObject::ReleaseCachedHandle()
{
    if (handle_) {
        ReleaseHandle(handle_, key_);
        handle_ = nullptr;
        key_.clear();
    }
}

void TGraphicsObject::Changed()
{
    // The old object is let go only after the listeners ran: a canvas that
    // has it selected puts its context's own object back first (a selected
    // object cannot be deleted).
    HGDIOBJ old = handle_;
    std::string oldKey = std::move(key_);
    handle_ = nullptr;
    key_.clear();
    if (OnChange)
        OnChange(this);
    if (old)
        ReleaseHandle(old, oldKey);
}

// ---- TFont ----

TFont::TFont() = default;

void TFont::SetName(const std::string& name)
{
    // An empty name would let the mapper pick anything; keep the old one.
    if (name.empty() || name == name_)
        return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height)
{
    if (height == height_)
        return;
    height_ = height;
    Changed();
}

int TFont::Size() const
{
    return static_cast<int>(std::lround(-height_ * 72.0 / pixelsPerInch_));
}

void TFont::SetSize(int size)
{
    SetHeight(-static_cast<int>(std::lround(size * pixelsPerInch_ / 72.0)));
}

void TFont::SetStyle(TFontStyles style)
{
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TFont::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    // The colour is applied by the canvas, not part of the GDI font: keep
    // the handle and only tell the listeners.
    if (OnChange)
        OnChange(this);
}

void TFont::SetCharset(TFontCharset charset)
{
    if (charset == charset_)
        return;
    charset_ = charset;
    Changed();
}

void TFont::SetPitch(TFontPitch pitch)
{
    if (pitch == pitch_)
        return;
    pitch_ = pitch;
    Changed();
}

void TFont::SetPixelsPerInch(int pixelsPerInch)
{
    if (pixelsPerInch > 0)
        pixelsPerInch_ = pixelsPerInch;
}

void TFont::SetHandle(HFONT font)
{
    LOGFONTA lf;
    if (!font || GetObjectA(font, sizeof lf, &lf) != sizeof lf)
        throw EInvalidGraphic("Invalid font handle");
    name_ = lf.lfFaceName;
    height_ = lf.lfHeight;
    style_ = TFontStyles{};
    if (lf.lfWeight >= FW_BOLD)
        style_.Include(fsBold);
    if (lf.lfItalic)
        style_.Include(fsItalic);
    if (lf.lfUnderline)
        style_.Include(fsUnderline);
    if (lf.lfStrikeOut)
        style_.Include(fsStrikeOut);
    charset_ = lf.lfCharSet;
    switch (lf.lfPitchAndFamily & 3) {
    case VARIABLE_PITCH: pitch_ = fpVariable; break;
    case FIXED_PITCH: pitch_ = fpFixed; break;
    default: pitch_ = fpDefault; break;
    }
    Changed();
}

void TFont::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TFont*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    const bool same = name_ == other->name_ && height_ == other->height_ &&
                      style_ == other->style_ && color_ == other->color_ &&
                      charset_ == other->charset_ && pitch_ == other->pitch_ &&
                      pixelsPerInch_ == other->pixelsPerInch_;
    if (same)
        return;
    name_ = other->name_;
    height_ = other->height_;
    style_ = other->style_;
    color_ = other->color_;
    charset_ = other->charset_;
    pitch_ = other->pitch_;
    pixelsPerInch_ = other->pixelsPerInch_;
    Changed();
}

LOGFONTA TFont::LogFont() const
{
    LOGFONTA lf = {};
    lf.lfHeight = height_;
    lf.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = style_.Contains(fsItalic);
    lf.lfUnderline = style_.Contains(fsUnderline);
    lf.lfStrikeOut = style_.Contains(fsStrikeOut);
    lf.lfCharSet = charset_;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = pitch_ == fpFixed ? FIXED_PITCH : pitch_ == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
    strncpy(lf.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
    return lf;
}

std::string TFont::ShareKey() const
{
    return Bytes('F', LogFont());
}

HGDIOBJ TFont::CreateHandleObject()
{
    const LOGFONTA lf = LogFont();
    HFONT font = CreateFontIndirectA(&lf);
    if (!font)
        throw EInvalidGraphic("Cannot create font \"" + name_ + "\"");
    return font;
}

// ---- TPen ----

int PenModeToRop2(TPenMode mode)
{
    static const int rops[] = {
        R2_BLACK, R2_WHITE, R2_NOP, R2_NOT, R2_COPYPEN, R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
        R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN, R2_NOTMERGEPEN, R2_MASKPEN, R2_NOTMASKPEN,
        R2_XORPEN, R2_NOTXORPEN,
    };
    static_assert(sizeof rops / sizeof rops[0] == pmNotXor + 1, "one raster operation per pen mode");
    return rops[mode];
}

void TPen::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    Changed();
}

void TPen::SetWidth(int width)
{
    if (width < 1)
        width = 1;
    if (width == width_)
        return;
    width_ = width;
    Changed();
}

void TPen::SetStyle(TPenStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TPen::SetMode(TPenMode mode)
{
    if (mode == mode_)
        return;
    mode_ = mode;
    if (OnChange)  // the GDI pen does not carry the mode
        OnChange(this);
}

void TPen::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TPen*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    if (color_ == other->color_ && width_ == other->width_ && style_ == other->style_ &&
        mode_ == other->mode_)
        return;
    color_ = other->color_;
    width_ = other->width_;
    style_ = other->style_;
    mode_ = other->mode_;
    Changed();
}

std::string TPen::ShareKey() const
{
    const struct {
        uint32_t color;
        int width;
        int style;
    } key{ColorToRGB(color_), width_, style_};
    return Bytes('P', key);
}

HGDIOBJ TPen::CreateHandleObject()
{
    static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    static_assert(sizeof styles / sizeof styles[0] == psInsideFrame + 1, "one GDI style per pen style");
    HPEN pen = CreatePen(styles[style_], width_, ColorToRGB(color_));
    if (!pen)
        throw EInvalidGraphic("Cannot create pen");
    return pen;
}

// ---- TBrush ----

TBrush::TBrush() = default;
TBrush::~TBrush() = default;

void TBrush::SetColor(TColor color)
{
    if (color == color_ && style_ != bsClear)
        return;
    color_ = color;
    if (style_ == bsClear)
        style_ = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TBrush::SetBitmap(TBitmap* bitmap)
{
    if (!bitmap || bitmap->Empty()) {
        if (!bitmap_)
            return;
        bitmap_.reset();
        Changed();
        return;
    }
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(bitmap);
    bitmap_ = std::move(copy);
    Changed();
}

void TBrush::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TBrush*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    if (color_ == other->color_ && style_ == other->style_ && !bitmap_ && !other->bitmap_)
        return;
    color_ = other->color_;
    style_ = other->style_;
    if (other->bitmap_) {
        auto copy = std::make_unique<TBitmap>();
        copy->Assign(other->bitmap_.get());
        bitmap_ = std::move(copy);
    } else {
        bitmap_.reset();
    }
    Changed();
}

std::string TBrush::ShareKey() const
{
    if (bitmap_)
        return std::string();  // patterns are not compared
    const struct {
        uint32_t color;
        int style;
    } key{style_ == bsClear ? 0 : ColorToRGB(color_), style_};
    return Bytes('B', key);
}

HGDIOBJ TBrush::CreateHandleObject()
{
    HBRUSH brush = nullptr;
    if (bitmap_) {
        brush = CreatePatternBrush(bitmap_->Handle());
    } else if (style_ == bsClear) {
        LOGBRUSH lb = {BS_NULL, 0, 0};
        brush = CreateBrushIndirect(&lb);
    } else if (style_ == bsSolid) {
        brush = CreateSolidBrush(ColorToRGB(color_));
    } else {
        static const int hatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
        brush = CreateHatchBrush(hatches[style_ - bsHorizontal], ColorToRGB(color_));
    }
    if (!brush)
        throw EInvalidGraphic("Cannot create brush");
    return brush;
}
