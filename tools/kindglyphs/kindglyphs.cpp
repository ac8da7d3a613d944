#include "tools/kindglyphs/kindglyphs.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr double Pi = 3.14159265358979323846;

struct TPoint2 {
    double x, y;
};

// Signed distance of a pixel centre to a shape: negative inside.
using TShape = std::function<double(double x, double y)>;

double SegmentDistance(double x, double y, TPoint2 a, TPoint2 b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    double t = ((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy);
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (a.x + t * dx), y - (a.y + t * dy));
}

// A stroke of the given half-width along the points.
TShape Stroke(std::vector<TPoint2> points, double halfWidth)
{
    return [points, halfWidth](double x, double y) {
        double d = 1e9;
        for (size_t i = 1; i < points.size(); ++i)
            d = std::min(d, SegmentDistance(x, y, points[i - 1], points[i]));
        return d - halfWidth;
    };
}

TShape Disc(TPoint2 centre, double radius)
{
    return [centre, radius](double x, double y) {
        return std::hypot(x - centre.x, y - centre.y) - radius;
    };
}

// An arc of a ring from angle `from` to `to` (degrees, clockwise on screen
// from the positive x axis).
TShape Arc(TPoint2 centre, double radius, double halfWidth, double from, double to)
{
    std::vector<TPoint2> points;
    for (double a = from; a <= to + 0.01; a += 6)
        points.push_back({centre.x + radius * std::cos(a * Pi / 180),
                          centre.y + radius * std::sin(a * Pi / 180)});
    return Stroke(points, halfWidth);
}

TShape Triangle(TPoint2 a, TPoint2 b, TPoint2 c)
{
    return [a, b, c](double x, double y) {
        const auto side = [&](TPoint2 p, TPoint2 q) {
            return ((q.x - p.x) * (y - p.y) - (q.y - p.y) * (x - p.x)) / std::hypot(q.x - p.x, q.y - p.y);
        };
        const double s1 = side(a, b), s2 = side(b, c), s3 = side(c, a);
        const bool clockwise = ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x)) > 0;
        const double inside = clockwise ? std::min({s1, s2, s3}) : std::min({-s1, -s2, -s3});
        return -inside;
    };
}

TShape Union(std::vector<TShape> shapes)
{
    return [shapes](double x, double y) {
        double d = 1e9;
        for (const TShape& s : shapes)
            d = std::min(d, s(x, y));
        return d;
    };
}

struct TLayer {
    TShape shape;
    uint32_t fill, outline;
};

using TCell = std::vector<uint32_t>;  // 16 x 16

// Each layer is filled inside, with a one-pixel rim of the darker colour:
// hard edges, because a blend would leave magenta fringes.
TCell Paint(const std::vector<TLayer>& layers)
{
    TCell cell(KindGlyphCell * KindGlyphCell, KindGlyphKey);
    for (const TLayer& layer : layers)
        for (int y = 0; y < KindGlyphCell; ++y)
            for (int x = 0; x < KindGlyphCell; ++x) {
                const double d = layer.shape(x + 0.5, y + 0.5);
                if (d <= 0)
                    cell[y * KindGlyphCell + x] = d > -0.9 ? layer.outline : layer.fill;
            }
    return cell;
}

// The disabled look: the shape in greys that keep its light and dark
// parts, with a white copy one pixel down and right under it.
TCell Disabled(const TCell& normal)
{
    TCell cell(normal.size(), KindGlyphKey);
    const auto at = [](int x, int y) { return y * KindGlyphCell + x; };
    for (int y = 0; y + 1 < KindGlyphCell; ++y)
        for (int x = 0; x + 1 < KindGlyphCell; ++x)
            if (normal[at(x, y)] != KindGlyphKey)
                cell[at(x + 1, y + 1)] = 0xFFFFFF;
    for (int y = 0; y < KindGlyphCell; ++y)
        for (int x = 0; x < KindGlyphCell; ++x)
            if (const uint32_t c = normal[at(x, y)]; c != KindGlyphKey) {
                const int hi = std::max({c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF});
                const int lo = std::min({c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF});
                const uint32_t g = 100 + (hi + lo) * 95 / 510;
                cell[at(x, y)] = g << 16 | g << 8 | g;
            }
    return cell;
}

const uint32_t Green = 0x2BA82B, DarkGreen = 0x136313, Red = 0xDD2C2C, DarkRed = 0x7F1010,
               Blue = 0x2E6FD8, DarkBlue = 0x153C80, Wood = 0xB7803E, DarkWood = 0x6A4518,
               Gold = 0xF2C230, White = 0xFFFFFF, Grey = 0x8C8C8C, DarkGrey = 0x4A4A4A;

TShape Check(double dx, double dy)
{
    return Stroke({{3 + dx, 8.5 + dy}, {6.3 + dx, 11.8 + dy}, {12.8 + dx, 4 + dy}}, 1.55);
}

std::vector<TLayer> OkLayers() { return {{Check(0, 0), Green, DarkGreen}}; }

std::vector<TLayer> CancelLayers()
{
    return {{Union({Stroke({{4, 4}, {12, 12}}, 1.5), Stroke({{12, 4}, {4, 12}}, 1.5)}), Red, DarkRed}};
}

std::vector<TLayer> HelpLayers()
{
    const TShape hook = Union({Arc({8, 5.6}, 3.1, 1.35, 170, 400), Stroke({{9.3, 8.6}, {8, 10.2}}, 1.35)});
    return {{hook, Blue, DarkBlue}, {Disc({8, 13.4}, 1.45), Blue, DarkBlue}};
}

std::vector<TLayer> YesLayers()
{
    return {{Disc({8, 8}, 7.3), 0xDDF3DD, 0x7FBF7F}, {Check(0, 0.3), Green, DarkGreen}};
}

std::vector<TLayer> NoLayers()
{
    return {{Union({Arc({8, 8}, 5.4, 1.35, 0, 360), Stroke({{4.2, 11.8}, {11.8, 4.2}}, 1.35)}), Red,
             DarkRed}};
}

std::vector<TLayer> CloseLayers()
{
    const TShape frame = [](double x, double y) {
        return std::max({3.5 - x, x - 12.5, 1.5 - y, y - 14.5});
    };
    const TShape door = [](double x, double y) {
        return std::max({5 - x, x - 11, 3 - y, y - 14.5});
    };
    return {{frame, DarkWood, DarkWood}, {door, Wood, DarkWood}, {Disc({9.3, 9}, 0.9), Gold, Gold}};
}

std::vector<TLayer> AbortLayers()
{
    const TShape bar = [](double x, double y) { return std::max({4 - x, x - 12, 7 - y, y - 9}); };
    return {{Disc({8, 8}, 7.2), Red, DarkRed}, {bar, White, White}};
}

std::vector<TLayer> RetryLayers()
{
    return {{Union({Arc({8, 8.5}, 4.8, 1.3, -20, 250),
                    Triangle({5.0, 0.6}, {10.6, 3.9}, {4.4, 7.4})}),
             Blue, DarkBlue}};
}

std::vector<TLayer> IgnoreLayers()
{
    return {{Disc({8, 12.5}, 1.6), Grey, DarkGrey},
            {Union({Arc({8, 11}, 5, 1.25, 185, 330), Triangle({10.8, 9.6}, {15.2, 7.2}, {14.6, 12.6})}),
             Blue, DarkBlue}};
}

std::vector<TLayer> AllLayers()
{
    return {{Check(-1.5, 1.8), Green, DarkGreen}, {Check(1.5, -1.8), Green, DarkGreen}};
}

} // namespace

std::vector<TKindGlyph> DrawKindGlyphs()
{
    const struct {
        const char* name;
        std::vector<TLayer> (*layers)();
    } kinds[] = {{"SK_BTN_OK", OkLayers},         {"SK_BTN_CANCEL", CancelLayers},
                 {"SK_BTN_HELP", HelpLayers},     {"SK_BTN_YES", YesLayers},
                 {"SK_BTN_NO", NoLayers},         {"SK_BTN_CLOSE", CloseLayers},
                 {"SK_BTN_ABORT", AbortLayers},   {"SK_BTN_RETRY", RetryLayers},
                 {"SK_BTN_IGNORE", IgnoreLayers}, {"SK_BTN_ALL", AllLayers}};
    std::vector<TKindGlyph> glyphs;
    for (const auto& kind : kinds) {
        const TCell normal = Paint(kind.layers());
        const TCell disabled = Disabled(normal);
        TKindGlyph glyph{kind.name, std::vector<uint32_t>(KindGlyphWidth * KindGlyphCell)};
        for (int y = 0; y < KindGlyphCell; ++y)
            for (int x = 0; x < KindGlyphCell; ++x) {
                glyph.pixels[y * KindGlyphWidth + x] = normal[y * KindGlyphCell + x];
                glyph.pixels[y * KindGlyphWidth + KindGlyphCell + x] = disabled[y * KindGlyphCell + x];
            }
        // The key colour is read from the bottom-left pixel: keep it free.
        glyph.pixels[(KindGlyphCell - 1) * KindGlyphWidth] = KindGlyphKey;
        glyphs.push_back(std::move(glyph));
    }
    return glyphs;
}

std::vector<uint8_t> KindGlyphBmp(const TKindGlyph& glyph)
{
    const int width = KindGlyphWidth, height = KindGlyphCell;
    const int rowSize = (width * 3 + 3) / 4 * 4;
    const uint32_t imageSize = rowSize * height, offset = 14 + 40;
    std::vector<uint8_t> out;
    const auto put = [&out](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    };
    out.push_back('B');
    out.push_back('M');
    put(offset + imageSize, 4);
    put(0, 4);
    put(offset, 4);
    put(40, 4);
    put(width, 4);
    put(height, 4);  // bottom-up rows
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(imageSize, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t c = glyph.pixels[y * width + x];
            out.push_back(static_cast<uint8_t>(c));
            out.push_back(static_cast<uint8_t>(c >> 8));
            out.push_back(static_cast<uint8_t>(c >> 16));
        }
        for (int pad = width * 3; pad < rowSize; ++pad)
            out.push_back(0);
    }
    return out;
}
