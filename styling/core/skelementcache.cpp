#include "styling/core/skelementcache.h"

#include "framework/graphics/canvas.h"
#include "styling/core/skbitmap.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <list>
#include <unordered_map>
#include <vector>

namespace {

// Room around the element for what it draws past its rectangle (a tab's
// join, a group box's caption), and the period of the pattern fills: a
// picture is only reused at the same place on the 8 x 8 device grid.
constexpr int Margin = 16;
constexpr int PatternPeriod = 8;
// Bigger elements are painted every time: they are few and their paint is
// already close to a copy.
constexpr int64_t MaxRenderPixels = 1 << 20;

// The two papers an element is drawn on to tell its own pixels from the
// ones it leaves alone or blends into what is there.
constexpr TSkColor PaperA = 0x00000000;
constexpr TSkColor PaperB = 0xFFFFFFFF;

struct TFullKey {
    TSkElementKey element;
    int32_t width = 0, height = 0;
    // The exact place only near the origin, where a few routines clamp
    // negative coordinates; elsewhere the place on the pattern grid.
    int32_t left = 0, top = 0;
    // The canvas's font for elements with text: its name and other fields.
    std::string fontName;
    std::array<int32_t, 5> font{};

    bool operator==(const TFullKey& o) const
    {
        const TSkElementKey &a = element, &b = o.element;
        return a.look == b.look && a.deltaHue == b.deltaHue &&
               a.deltaBrightness == b.deltaBrightness && a.biDiMode == b.biDiMode &&
               a.element == b.element && a.params == b.params && a.text == b.text &&
               width == o.width && height == o.height && left == o.left && top == o.top &&
               fontName == o.fontName && font == o.font;
    }
};

struct TKeyHash {
    size_t operator()(const TFullKey& k) const
    {
        const TSkElementKey& e = k.element;
        uint64_t h = 1469598103934665603ull;
        auto mix = [&h](uint64_t v) { h = (h ^ v) * 1099511628211ull; };
        mix(reinterpret_cast<uintptr_t>(e.look));
        mix(uint32_t(e.deltaHue));
        mix(uint32_t(e.deltaBrightness));
        mix(uint32_t(e.biDiMode));
        mix(e.element);
        for (int32_t p : e.params)
            mix(uint32_t(p));
        mix(uint32_t(k.width));
        mix(uint32_t(k.height));
        mix(uint32_t(k.left));
        mix(uint32_t(k.top));
        if (!e.text.empty())
            mix(std::hash<std::wstring>()(e.text));
        if (!k.fontName.empty())
            mix(std::hash<std::string>()(k.fontName));
        for (int32_t f : k.font)
            mix(uint32_t(f));
        return size_t(h);
    }
};

// A row piece of the picture: the pixels from x0 to x1 of row y.
struct TRun {
    int32_t y, x0, x1;
    size_t offset;
};

enum class TEntryKind { Seen, Picture, Painted };

struct TEntry {
    TEntryKind kind = TEntryKind::Seen;
    // The picture's box relative to the element's top-left.
    int32_t left = 0, top = 0, width = 0;
    std::vector<TSkColor> pixels;
    std::vector<TRun> runs;
    std::list<const TFullKey*>::iterator age;

    size_t Bytes() const
    {
        return pixels.size() * sizeof(TSkColor) + runs.size() * sizeof(TRun) + sizeof(TEntry);
    }
};

struct TPictures {
    std::unordered_map<TFullKey, TEntry, TKeyHash> entries;
    std::list<const TFullKey*> ages;  // most recently used first
    size_t bytes = 0;

    void Touch(TEntry& e) { ages.splice(ages.begin(), ages, e.age); }

    TEntry& Add(TFullKey&& key)
    {
        auto placed = entries.emplace(std::move(key), TEntry{}).first;
        ages.push_front(&placed->first);
        placed->second.age = ages.begin();
        bytes += placed->second.Bytes();
        return placed->second;
    }

    void Resized(size_t before, const TEntry& e) { bytes = bytes - before + e.Bytes(); }

    // Keeps within the bounds, sparing the entry just used.
    void Trim(const TFullKey* spare)
    {
        while ((entries.size() > SkElementPicturesMaxCount || bytes > SkElementPicturesMaxBytes) &&
               ages.size() > 1) {
            const TFullKey* oldest = ages.back();
            if (oldest == spare)
                break;
            auto found = entries.find(*oldest);
            bytes -= found->second.Bytes();
            ages.pop_back();
            entries.erase(found);
        }
    }

    void Clear()
    {
        entries.clear();
        ages.clear();
        bytes = 0;
    }
};

TPictures& Pictures()
{
    static TPictures pictures;
    return pictures;
}

// Set while an element is drawn for its picture: what it calls in turn is
// painted plainly into the same picture.
thread_local bool rendering = false;

class TRenderingGuard {
public:
    TRenderingGuard() { rendering = true; }
    ~TRenderingGuard() { rendering = false; }
};

int Phase(int64_t v) { return int(((v % PatternPeriod) + PatternPeriod) % PatternPeriod); }

void KeyFont(TCanvas* canvas, TFullKey& key)
{
    const TFont* f = canvas->Font();
    key.fontName = f->Name();
    key.font = {f->Height(), int32_t(f->Style().Bits()), int32_t(f->Color()),
                int32_t(f->Charset()), int32_t(f->Pitch())};
}

// Draws the element on one paper, at the same place on the pattern grid as
// on the real canvas, with the real canvas's tools.
void DrawOnPaper(TSkBitmap& paper, TSkColor color, TCanvas* canvas, const TRect& rect, int phaseX,
                 int phaseY, skelementcache_detail::TPaintThunk thunk, void* paint)
{
    paper.Fill(color);
    SetWindowOrgEx(paper.DC(), rect.left - (Margin + phaseX), rect.top - (Margin + phaseY),
                   nullptr);
    TCanvas on;
    on.SetHandle(paper.DC());
    on.Font()->Assign(canvas->Font());
    on.Pen()->Assign(canvas->Pen());
    on.Brush()->Assign(canvas->Brush());
    {
        TRenderingGuard guard;
        thunk(paint, &on);
    }
    on.SetHandle(nullptr);
    GdiFlush();
}

// Draws the element twice and keeps what it wrote. False when it cannot be
// kept: it blends with what is under it, or reaches past the margin.
bool Render(TCanvas* canvas, const TRect& rect, int phaseX, int phaseY,
            skelementcache_detail::TPaintThunk thunk, void* paint, TEntry& entry)
{
    const int64_t w = int64_t(rect.right) - rect.left + 2 * Margin + PatternPeriod;
    const int64_t h = int64_t(rect.bottom) - rect.top + 2 * Margin + PatternPeriod;
    if (w * h > MaxRenderPixels)
        return false;
    TSkBitmap a, b;
    a.SetSize(int(w), int(h));
    b.SetSize(int(w), int(h));
    if (a.IsEmpty() || b.IsEmpty())
        return false;
    DrawOnPaper(a, PaperA, canvas, rect, phaseX, phaseY, thunk, paint);
    DrawOnPaper(b, PaperB, canvas, rect, phaseX, phaseY, thunk, paint);

    const TSkColor* pa = a.Pixels();
    const TSkColor* pb = b.Pixels();
    int64_t left = w, top = h, right = 0, bottom = 0;
    for (int64_t y = 0; y < h; ++y)
        for (int64_t x = 0; x < w; ++x) {
            const TSkColor ca = pa[y * w + x], cb = pb[y * w + x];
            if (ca == cb) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
            } else if (ca != PaperA || cb != PaperB) {
                return false;
            }
        }
    entry.kind = TEntryKind::Picture;
    if (left >= right)
        return true;  // draws nothing at this size
    if (left == 0 || top == 0 || right == w || bottom == h)
        return false;
    entry.left = int32_t(left - Margin - phaseX);
    entry.top = int32_t(top - Margin - phaseY);
    entry.width = int32_t(right - left);
    entry.pixels.reserve(size_t((right - left) * (bottom - top)));
    for (int64_t y = top; y < bottom; ++y) {
        const TSkColor* ra = pa + y * w;
        const TSkColor* rb = pb + y * w;
        int64_t x = left;
        while (x < right) {
            while (x < right && ra[x] != rb[x])
                ++x;
            const int64_t from = x;
            while (x < right && ra[x] == rb[x])
                ++x;
            if (from == x)
                continue;
            entry.runs.push_back(TRun{int32_t(y - top), int32_t(from - left), int32_t(x - left),
                                      entry.pixels.size()});
            entry.pixels.insert(entry.pixels.end(), ra + from, ra + x);
        }
    }
    return true;
}

void CopyPicture(const TEntry& entry, const TSkBitmap::TDirectTarget& target, const TRect& rect)
{
    const RECT& v = target.visible;
    const int64_t x0 = int64_t(rect.left) + target.dx + entry.left;
    const int64_t y0 = int64_t(rect.top) + target.dy + entry.top;
    const int64_t height = entry.runs.empty() ? 0 : entry.runs.back().y + 1;
    if (x0 >= v.left && y0 >= v.top && x0 + entry.width <= v.right && y0 + height <= v.bottom) {
        // All of it shows: the common case, without clipping each run.
        TSkColor* origin = target.bits + y0 * target.stride + x0;
        for (const TRun& run : entry.runs) {
            const TSkColor* from = entry.pixels.data() + run.offset;
            TSkColor* to = origin + run.y * target.stride + run.x0;
            const int32_t n = run.x1 - run.x0;
            if (n > 8) {
                std::memcpy(to, from, size_t(n) * sizeof(TSkColor));
                continue;
            }
            for (int32_t i = 0; i < n; ++i)  // a call costs more than a few pixels
                to[i] = from[i];
        }
        return;
    }
    for (const TRun& run : entry.runs) {
        const int64_t y = y0 + run.y;
        if (y < v.top || y >= v.bottom)
            continue;
        const int64_t from = std::max<int64_t>(x0 + run.x0, v.left);
        const int64_t to = std::min<int64_t>(x0 + run.x1, v.right);
        if (from >= to)
            continue;
        std::memcpy(target.bits + y * target.stride + from,
                    entry.pixels.data() + run.offset + (from - x0 - run.x0),
                    size_t(to - from) * sizeof(TSkColor));
    }
}

}  // namespace

namespace skelementcache_detail {

void Paint(TCanvas* canvas, const TRect& rect, TSkElementKey&& key, TPaintThunk thunk,
           void* paint)
{
    TSkBitmap::TDirectTarget target;
    if (rendering || rect.right <= rect.left || rect.bottom <= rect.top || !canvas ||
        !TSkBitmap::DirectTarget(canvas->Handle(), target)) {
        thunk(paint, canvas);
        return;
    }
    const int phaseX = Phase(rect.left + target.dx), phaseY = Phase(rect.top + target.dy);
    TFullKey full;
    full.element = std::move(key);
    full.width = rect.right - rect.left;
    full.height = rect.bottom - rect.top;
    const bool nearOrigin = rect.left < Margin || rect.top < Margin;
    full.left = nearOrigin ? rect.left : INT_MIN + phaseX;
    full.top = nearOrigin ? rect.top : INT_MIN + phaseY;
    if (full.element.usesFont)
        KeyFont(canvas, full);

    TPictures& pictures = Pictures();
    auto found = pictures.entries.find(full);
    if (found == pictures.entries.end()) {
        // Only a second paint is worth a picture.
        pictures.Add(std::move(full));
        pictures.Trim(pictures.ages.front());
        thunk(paint, canvas);
        return;
    }
    TEntry& entry = found->second;
    pictures.Touch(entry);
    if (entry.kind == TEntryKind::Seen) {
        const size_t before = entry.Bytes();
        if (!Render(canvas, rect, phaseX, phaseY, thunk, paint, entry)) {
            entry = TEntry{TEntryKind::Painted, 0, 0, 0, {}, {}, entry.age};
        }
        pictures.Resized(before, entry);
        pictures.Trim(&found->first);
    }
    if (entry.kind == TEntryKind::Painted) {
        thunk(paint, canvas);
        return;
    }
    CopyPicture(entry, target, rect);
}

}  // namespace skelementcache_detail

void SkForgetElementPictures() { Pictures().Clear(); }

size_t SkElementPictureCount()
{
    size_t count = 0;
    for (const auto& e : Pictures().entries)
        count += e.second.kind == TEntryKind::Picture;
    return count;
}

size_t SkElementPictureBytes() { return Pictures().bytes; }
