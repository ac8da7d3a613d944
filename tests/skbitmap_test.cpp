#include "styling/core/skbitmap.h"

#include "framework/base/streams.h"
#include "framework/graphics/bitmap.h"
#include "styling/core/sksystem.h"
#include "tests/support/dibsection.h"
#include "tests/support/pcxbuilder.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <optional>
#include <vector>

namespace {

constexpr TSkColor Red = 0xFFFF0000, Green = 0xFF00FF00, White = 0xFFFFFFFF, Black = 0xFF000000;

// A bitmap of w x h filled with one value.
struct Filled : TSkBitmap {
    Filled(int w, int h, TSkColor value)
    {
        SetSize(w, h);
        Fill(value);
    }
};

// The colours of a row, alpha left out.
std::vector<TSkColor> RowColors(const TSkBitmap& b, int y)
{
    std::vector<TSkColor> row;
    for (int x = 0; x < b.Width(); ++x)
        row.push_back(b.GetPixel(x, y) & SkColorMask);
    return row;
}

// 13 x 3 distinct colours; some pixels are the key, with any alpha byte.
struct Source : Filled {
    Source() : Filled(13, 3, 0)
    {
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 13; ++x)
                *PixelPtr(x, y) = (x + y) % 4 == 3 ? SkTransparentColor | TSkColor(x * 20) << 24
                                                   : 0xFF000000 | TSkColor(y * 16 + x + 1) << 8;
    }
};

// The target kinds: one of our bitmaps is written directly, any other DIB
// section (rows top down or bottom up) through GDI.
enum TTargetKind { kOwn, kTopDown, kBottomUp };

class Target {
public:
    Target(TTargetKind kind, int w, int h) : w_(w), h_(h)
    {
        if (kind == kOwn) {
            own_.SetSize(w, h);
            dc_ = own_.DC();
        } else {
            BITMAPINFO info{};
            info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, kind == kBottomUp ? h : -h, 1, 32, BI_RGB,
                               0, 0, 0, 0, 0};
            void* bits = nullptr;
            dib_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
            foreignDC_.Reset(CreateCompatibleDC(nullptr));
            previous_ = SelectObject(foreignDC_.Get(), dib_.Get());
            dc_ = foreignDC_.Get();
        }
        PatBlt(dc_, 0, 0, w, h, WHITENESS);
    }
    ~Target()
    {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    HDC DC() const { return dc_; }
    std::vector<TSkColor> Pixels() const
    {
        std::vector<TSkColor> out;
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x)
                out.push_back(ColorToSkColor(::GetPixel(dc_, x, y)) & SkColorMask);
        return out;
    }

private:
    int w_, h_;
    TSkBitmap own_;
    TOwnedGdiObject dib_;
    TOwnedDC foreignDC_;
    HGDIOBJ previous_ = nullptr;
    HDC dc_;
};

// What DrawTo leaves in a white w x h target: the part of src inside the
// bitmap spread over the whole of dst (device coordinates) by nearest
// neighbour in 16.16 steps, shown inside the target and the clip rectangles
// only, key pixels left out when keyed. Known difference: the system's
// transparent blit compares the alpha byte too (seen under Wine), so there
// only a key of alpha 0 is left out; the atlases' keys are.
std::vector<TSkColor> Expected(const TSkBitmap& src, int w, int h, const RECT& dst, RECT s,
                               bool keyed, bool systemBlit, const std::vector<RECT>& clip)
{
    std::vector<TSkColor> out(size_t(w * h), 0xFFFFFF);
    const RECT bounds{0, 0, src.Width(), src.Height()};
    if (!IntersectRect(&s, &s, &bounds) || dst.right <= dst.left || dst.bottom <= dst.top)
        return out;
    const int64_t stepX = int64_t(s.right - s.left) * 65536 / (dst.right - dst.left);
    const int64_t stepY = int64_t(s.bottom - s.top) * 65536 / (dst.bottom - dst.top);
    for (int y = std::max(0, int(dst.top)); y < std::min(h, int(dst.bottom)); ++y)
        for (int x = std::max(0, int(dst.left)); x < std::min(w, int(dst.right)); ++x) {
            bool visible = clip.empty();
            for (const RECT& c : clip)
                visible = visible || PtInRect(&c, POINT{x, y});
            const TSkColor p = src.GetPixel(s.left + int(((x - dst.left) * stepX) >> 16),
                                            s.top + int(((y - dst.top) * stepY) >> 16));
            if (visible && !(keyed && (systemBlit ? p : p & SkColorMask) == SkTransparentColor))
                out[size_t(y * w + x)] = p & SkColorMask;
        }
    return out;
}

} // namespace

TEST(SkBitmapStorage, SizeEventsPixelLayoutAndFailedSizes)
{
    std::vector<std::string> events;
    {
        TSkBitmap b;
        b.OnChanging = [&](TObject*) { events.push_back("changing"); };
        b.OnChange = [&](TObject*) { events.push_back("change"); };
        EXPECT_EQ(b.GetPixel(0, 0), SkInvalidPixel);
        b.SetSize(-20, 10);
        b.SetSize(0, 10);   // a zero side: nothing
        b.SetSize(20, -10);  // the same size: nothing
        EXPECT_EQ(b.Width(), 20);
        EXPECT_EQ(events, (std::vector<std::string>{"changing", "change"}));
        // Top-down rows without padding, blue in the lowest byte.
        b.Fill(0);
        SetPixel(b.DC(), 3, 2, RGB(1, 2, 3));
        EXPECT_EQ(*(b.Pixels() + 2 * 20 + 3) & SkColorMask, 0x010203u);
        for (POINT outside : {POINT{-1, 0}, POINT{20, 0}, POINT{0, 10}})
            EXPECT_EQ(b.GetPixel(outside.x, outside.y), SkInvalidPixel);
        events.clear();
        for (int width : {INT_MIN, 30000}) {  // no such number; 3.6 GB
            try {
                b.SetSize(width, 30000);
                ADD_FAILURE() << "no error";
            } catch (const ESkBitmapError& e) {
                EXPECT_STREQ(e.what(), "Can't allocate the DIB handle");
            }
            EXPECT_TRUE(b.IsEmpty());
        }
        EXPECT_EQ(std::count(events.begin(), events.end(), "change"), 2);  // also when failed
        events.clear();
    }
    EXPECT_EQ(events, (std::vector<std::string>{"changing"}));
}

TEST(SkBitmapPixels, FillsAlphaKeysAndColourShifts)
{
    Filled b(4, 3, 0x11223344);
    b.SetAlphaRect(0x80, {-5, 1, 2, 99});
    EXPECT_EQ(b.GetPixel(1, 2), 0x80223344u);
    EXPECT_EQ(b.GetPixel(2, 2), 0x11223344u);
    b.FillRect({-3, -3, 2, 1}, Red);
    b.FillRect({3, 3, 1, 1}, Red);  // inverted: nothing
    EXPECT_EQ(RowColors(b, 0), (std::vector<TSkColor>{0xFF0000, 0xFF0000, 0x223344, 0x223344}));
    EXPECT_EQ(RowColors(b, 1)[0], 0x223344u);
    b.Fill(Black);
    b.AlphaMode = true;
    b.FillRect({0, 0, 1, 1}, 0x80FFFFFF);
    EXPECT_EQ(b.GetPixel(0, 0), 0xBF808080u);

    Filled similar(3, 1, 0);
    *similar.PixelPtr(0, 0) = SkRGBA(105, 95, 100, 255);
    *similar.PixelPtr(1, 0) = SkRGBA(106, 100, 100, 255);
    similar.ReplaceSimilarColor(SkRGBA(100, 100, 100, 255));
    EXPECT_EQ(similar.GetPixel(0, 0), SkTransparentColor);
    EXPECT_EQ(similar.GetPixel(1, 0), SkRGBA(106, 100, 100, 255));

    // Many colours, repeated and not: each as if shifted on its own; pixels
    // with alpha 0 stay, others come out opaque.
    Filled many(64, 64, 0);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            *many.PixelPtr(x, y) = SkRGBA(uint8_t(x * 4), uint8_t(y * 4), uint8_t((x * y) & 0xC0),
                                          uint8_t(x % 3 == 0 ? 0 : x * 4));
    Filled before(64, 64, 0);
    before.Assign(&many);
    many.ShiftHue(33);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const TSkColor was = before.GetPixel(x, y);
            ASSERT_EQ(many.GetPixel(x, y), SkAlpha(was) ? ChangeHue(was, 33) : was) << x << "," << y;
        }
    b.Fill(0x40FF0000);
    b.ShiftBrightness(-0x80);
    EXPECT_EQ(b.GetPixel(0, 0), 0xFF7F0000u);
}

TEST(SkBitmapDrawTo, EveryTargetShowsTheNearestSourcePixelsInsideDestinationTargetAndClip)
{
    struct DrawCase {
        std::string what;
        RECT dst, src;
        POINT origin;  // where logical 0, 0 lands on the device
        std::vector<RECT> clip;
        bool ownOnly = false;  // GDI picks other pixels when scaling by a fraction
    };
    std::vector<DrawCase> cases = {
        {"unscaled", {1, 1, 14, 4}, {0, 0, 13, 3}, {0, 0}, {}},
        {"source cut to the bitmap", {0, 0, 6, 3}, {10, -1, 16, 3}, {0, 0}, {}},
        {"halved", {1, 1, 7, 2}, {0, 0, 12, 2}, {0, 0}, {}, true},
        {"doubled past the target, moved origin", {-5, 0, 21, 6}, {0, 0, 13, 3}, {3, 1}, {}},
        {"clipped", {0, 0, 13, 3}, {0, 0, 13, 3}, {0, 0}, {{2, 1, 9, 3}}},
        {"two-part clip", {0, 0, 13, 3}, {0, 0, 13, 3}, {0, 0}, {{0, 0, 2, 4}, {5, 1, 7, 2}}},
        {"inverted", {5, 5, 1, 1}, {0, 0, 13, 3}, {0, 0}, {}},
        {"empty source", {0, 0, 5, 5}, {3, 3, 3, 9}, {0, 0}, {}},
        {"source off the bitmap", {0, 0, 5, 5}, {20, 0, 30, 3}, {0, 0}, {}},
    };
    // Widened by less than double, where rows are copied in runs.
    for (int width = 14; width <= 26; ++width)
        cases.push_back({"widened to " + std::to_string(width), {1, 0, 1 + width, 3},
                         {0, 0, 13, 3}, {0, 0}, {}, true});
    const Source src;
    for (const DrawCase& c : cases)
        for (bool keyed : {false, true})
            for (TTargetKind kind : {kOwn, kTopDown, kBottomUp})
                for (bool systemBlit : {false, true}) {
                    if (c.ownOnly && kind != kOwn)
                        continue;
                    SCOPED_TRACE(testing::Message() << c.what << (keyed ? " keyed" : "") << " kind "
                                                    << kind << (systemBlit ? " system blit" : ""));
                    std::optional<TSkControlsUnit> unit;  // finds the system's transparent blit
                    if (systemBlit)
                        unit.emplace();
                    Target target(kind, 28, 8);
                    HRGN region = CreateRectRgn(0, 0, 0, 0);
                    for (const RECT& part : c.clip) {
                        HRGN piece = CreateRectRgnIndirect(&part);
                        CombineRgn(region, region, piece, RGN_OR);
                        DeleteObject(piece);
                    }
                    SelectClipRgn(target.DC(), c.clip.empty() ? nullptr : region);
                    DeleteObject(region);
                    SetWindowOrgEx(target.DC(), -c.origin.x, -c.origin.y, nullptr);
                    src.DrawTo(target.DC(), c.dst, c.src, keyed);
                    SetWindowOrgEx(target.DC(), 0, 0, nullptr);
                    SelectClipRgn(target.DC(), nullptr);
                    RECT device = c.dst;
                    OffsetRect(&device, c.origin.x, c.origin.y);
                    const auto got = target.Pixels();
                    const auto want = Expected(src, 28, 8, device, c.src, keyed,
                                               systemBlit && (kind != kOwn || c.clip.size() > 1), c.clip);
                    const size_t at = size_t(std::mismatch(got.begin(), got.end(), want.begin()).first - got.begin());
                    ASSERT_EQ(at, got.size()) << "at " << at % 28 << "," << at / 28 << std::hex
                                              << ": " << got[at] << " for " << want[at];
                }
}

TEST(SkBitmapPieces, PiecesDrawnTogetherMatchCopiesOneByOne)
{
    const Source src;
    const TSkPiece pieces[] = {
        {{0, 0, 3, 2}, {0, 0, 2, 3}, false},   // stretched
        {{2, 0, 8, 3}, {2, 0, 8, 3}, true},    // keyed over the first
        {{5, 0, 5, 3}, {0, 0, 1, 1}, false},   // empty: nothing
        {{8, 1, 9, 2}, {12, 0, 19, 1}, false}, // source clipped to the bitmap
    };
    for (TTargetKind kind : {kOwn, kBottomUp})
        for (bool clipped : {false, true}) {
            SCOPED_TRACE(testing::Message() << kind << (clipped ? " clipped" : ""));
            Target together(kind, 10, 3), apart(kind, 10, 3);
            for (HDC dc : {together.DC(), apart.DC()})
                if (clipped)
                    IntersectClipRect(dc, 1, 0, 6, 2);
            src.DrawPieces(together.DC(), pieces, std::size(pieces));
            for (const TSkPiece& p : pieces)
                src.DrawTo(apart.DC(), p.dst, p.src, p.transparent);
            EXPECT_EQ(together.Pixels(), apart.Pixels());
        }
}

TEST(SkBitmapPieces, TilesRepeatFromTheCornerAndOnlyVisibleOnesAreDrawn)
{
    const Source src;
    const RECT tile{1, 0, 4, 2};
    // Far off the target: this would not end if every tile were drawn.
    for (RECT dst : {RECT{0, 0, 11, 5}, RECT{-1001, -1001, 7, 4},
                     RECT{-1000000000, -1000000000, 1000000000, 1000000000}}) {
        Filled target(11, 5, White);
        src.TileDraw(target.DC(), dst, false, tile);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 11; ++x) {
                const bool inside = x < dst.right && y < dst.bottom;
                const int64_t tx = (int64_t(x) - dst.left) % 3, ty = (int64_t(y) - dst.top) % 2;
                ASSERT_EQ(target.GetPixel(x, y), inside ? src.GetPixel(1 + int(tx), int(ty)) : White)
                    << dst.left << ": " << x << "," << y;
            }
    }
}

TEST(SkBitmapPieces, NinePiecesKeepCornersAndSpreadEdges)
{
    Filled src(3, 3, 0);
    for (int i = 0; i < 9; ++i)
        *src.PixelPtr(i % 3, i / 3) = 0xFF000001 + TSkColor(i);
    for (bool stretch : {true, false}) {
        Filled dst(5, 4, White);
        src.DrawNine(dst.DC(), {0, 0, 5, 4}, false, stretch, 1, 1, 1, 1, {0, 0, 3, 3});
        std::vector<TSkColor> all;
        for (int y = 0; y < 4; ++y)
            for (TSkColor c : RowColors(dst, y))
                all.push_back(c);
        EXPECT_EQ(all, (std::vector<TSkColor>{1, 2, 2, 2, 3, 4, 5, 5, 5, 6, 4, 5, 5, 5, 6, 7, 8, 8, 8, 9}));
    }
    Filled plain(6, 6, White), nine(6, 6, White);
    src.StretchDraw(plain.DC(), {0, 0, 6, 6}, false, {0, 0, 3, 3});
    src.DrawNine(nine.DC(), {0, 0, 6, 6}, false, false, 0, 0, 0, 0, {0, 0, 3, 3});
    for (int y = 0; y < 6; ++y)
        EXPECT_EQ(RowColors(nine, y), RowColors(plain, y));
}

TEST(SkBitmapCopies, BitmapToBitmapByAlphaAndUnderneath)
{
    Filled src(3, 1, 0);
    *src.PixelPtr(0, 0) = 0x00FF0000;
    *src.PixelPtr(1, 0) = Red;
    *src.PixelPtr(2, 0) = 0x80FFFFFF;
    Filled dst(3, 1, Black);
    src.DrawToBitmap(dst, {0, 0, 3, 1}, {0, 0, 3, 1});  // a plain copy
    EXPECT_EQ(dst.GetPixel(0, 0) & SkColorMask, 0xFF0000u);
    dst.Fill(Black);
    src.AlphaMode = true;
    src.DrawToBitmap(dst, {0, 0, 3, 1}, {0, 0, 3, 1});
    EXPECT_EQ(RowColors(dst, 0), (std::vector<TSkColor>{0, 0xFF0000, 0x808080}));
    Filled wide(6, 1, Black);
    src.DrawToBitmap(wide, {-10, 0, 60, 5}, {1, 0, 2, 1});  // clipped, then scaled
    EXPECT_EQ(RowColors(wide, 0), std::vector<TSkColor>(6, 0xFF0000));

    Filled top(4, 2, White);
    *top.PixelPtr(0, 0) = 0;
    *top.PixelPtr(1, 0) = 0x80FFFFFF;
    top.DrawUnder(Filled(3, 1, Red), 0, {0, 0, 3, 1}, 0);
    EXPECT_EQ(top.GetPixel(0, 0), Red);
    EXPECT_EQ(top.GetPixel(1, 0), BlendSkColor(0x80FFFFFF, Red));
    EXPECT_EQ(top.GetPixel(2, 0), White);
    // A source cut at the left moves along; nothing wraps into the next row.
    Filled clear(4, 2, 0);
    clear.DrawUnder(src, 1, {-1, 0, 4, 1}, 0);
    EXPECT_EQ(RowColors(clear, 0), (std::vector<TSkColor>{0, 0, 0xFF0000, 0xFF0000}));
    EXPECT_EQ(RowColors(clear, 1), std::vector<TSkColor>(4, 0));
}

TEST(SkBitmapCopies, AssignsWithBitmapsOfBothKindsAndRefusesOthers)
{
    const Source src;
    TSkBitmap copy;
    copy.Assign(&src);
    EXPECT_EQ(RowColors(copy, 2), RowColors(src, 2));
    TPersistent other;
    EXPECT_THROW(copy.Assign(&other), EConvertError);

    TBitmap framework(3, 2, pf32bit);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            static_cast<uint32_t*>(framework.ScanLine(y))[x] = 0x00102030u + uint32_t(x * 0x10 + y);
    copy.Assign(&framework);
    EXPECT_EQ(copy.Width(), 3);
    EXPECT_EQ(copy.GetPixel(2, 1), 0xFF102051u);  // made opaque
    *copy.PixelPtr(0, 0) = 0xFFABCDEF;
    TBitmap back;
    back.Assign(&copy);
    EXPECT_EQ(static_cast<uint32_t*>(back.ScanLine(0))[0] & SkColorMask, 0xABCDEFu);
    EXPECT_EQ(static_cast<uint32_t*>(back.ScanLine(1))[2] & SkColorMask, 0x102051u);
}

TEST(SkBitmapPcx, LoadsFromMemoryStreamsAndResourcesAndRefusesDamage)
{
    const std::string pcx = MakePcx(3, 2, {1, 1, 1, 1, 0xC5, 9}, 1, 4);
    TSkBitmap memory, file, resource;
    memory.LoadFromMemory(pcx.data(), pcx.size());
    TempFolder folder;
    WriteFileBytes(folder.PathOf("atlas.pcx"), pcx);
    TFileStream stream(folder.PathOf("atlas.pcx"), fmOpenRead);
    file.LoadFromStream(stream);
    resource.LoadFromResource(GetModuleHandleA(nullptr), "TEST_PCX");  // the same picture
    for (const TSkBitmap* b : {&memory, &file, &resource}) {
        ASSERT_EQ(b->Width(), 3);
        EXPECT_EQ(b->GetPixel(1, 1), PcxTestColor(0xC5));
        EXPECT_EQ(b->GetPixel(2, 1), PcxTestColor(9));
    }
    EXPECT_THROW(resource.LoadFromResource(GetModuleHandleA(nullptr), "NO_SUCH"), ESkBitmapError);
    const std::string bmp = "BM and more", cut = pcx.substr(0, 200);
    memory.LoadFromMemory(bmp.data(), bmp.size());  // not a PCX picture: ignored
    EXPECT_THROW(memory.LoadFromMemory(cut.data(), cut.size()), ESkBitmapError);
    EXPECT_EQ(memory.GetPixel(2, 1), PcxTestColor(9));
}

TEST(SkBitmapHandles, ExtremeRectanglesAreSafeAndNothingIsLeftBehind)
{
    const DWORD before = GdiObjectCount();
    std::vector<HGDIOBJ> handles;
    for (int i = 0; i < 100; ++i) {
        TSkBitmap b;
        b.SetSize(16 + i, 8);
        handles.push_back(b.Handle());
        b.SetSize(8, 16 + i);  // a resize frees the old storage too
        handles.push_back(b.Handle());
        handles.push_back(b.DC());
    }
    for (HGDIOBJ h : handles)
        EXPECT_EQ(GetObjectType(h), 0u);
    EXPECT_EQ(GdiObjectCount(), before);

    Source src;
    Filled target(50, 50, White), tiny(1, 1, White);
    Target foreign(kBottomUp, 20, 20);
    const RECT rects[] = {{0, 0, 0, 0}, {3, 3, 1, 1}, {-5, -5, 2, 2}, {0, 0, 1, 1},
                          {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                          {-1000000000, -1000000000, 1000000000, 1000000000},
                          {INT_MAX - 2, 0, INT_MAX, 5}, {0, INT_MIN, 5, INT_MIN + 3}};
    const DWORD during = GdiObjectCount();
    for (int alpha : {0, 1}) {
        src.AlphaMode = alpha;
        for (HDC dc : {target.DC(), tiny.DC(), foreign.DC()})
            for (const RECT& d : rects)
                for (const RECT& s : rects) {
                    for (bool keyed : {false, true}) {
                        src.DrawTo(dc, d, s, keyed);
                        src.TileDraw(dc, d, keyed, s);
                        src.DrawNine(dc, d, keyed, keyed, 1, 2, 3, 4, s);
                        src.DrawNine(dc, d, keyed, !keyed, 100, -5, 0, 7, s);
                    }
                    src.DrawToBitmap(target, d, s);
                    target.FillRect(d, Red);
                    target.SetAlphaRect(7, d);
                    target.DrawUnder(src, d.left, s, d.top);
                }
    }
    EXPECT_EQ(GdiObjectCount(), during);
}
