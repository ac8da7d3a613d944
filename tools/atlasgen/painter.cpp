#include "tools/atlasgen/painter.h"

#include <algorithm>
#include <cmath>

namespace {

const int Samples = 5;

double Clamp01(double t)
{
    return t < 0 ? 0 : (t > 1 ? 1 : t);
}

bool InsideCorner(double x, double y, double cx, double cy, double r)
{
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= r * r;
}

double SegmentDistance2(TPoint p, TPoint a, TPoint b)
{
    const double vx = b.x - a.x, vy = b.y - a.y;
    const double len2 = vx * vx + vy * vy;
    double t = len2 > 0 ? ((p.x - a.x) * vx + (p.y - a.y) * vy) / len2 : 0;
    t = Clamp01(t);
    const double dx = p.x - (a.x + t * vx), dy = p.y - (a.y + t * vy);
    return dx * dx + dy * dy;
}

}  // namespace

TRgb Mix(TRgb a, TRgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

TRgb Lighten(TRgb c, double t)
{
    return Mix(c, {255, 255, 255}, t);
}

TRgb Darken(TRgb c, double t)
{
    return Mix(c, {0, 0, 0}, t);
}

TBox ToBox(TPixelRect r)
{
    return {double(r.left), double(r.top), double(r.right), double(r.bottom)};
}

TBox Inset(TBox b, double d)
{
    return {b.left + d, b.top + d, b.right - d, b.bottom - d};
}

TShape RoundBox(TBox b, double radius)
{
    return RoundBox(b, radius, radius, radius, radius);
}

TShape RoundBox(TBox b, double tl, double tr, double br, double bl)
{
    return [=](double x, double y) {
        if (x < b.left || x >= b.right || y < b.top || y >= b.bottom)
            return false;
        if (x < b.left + tl && y < b.top + tl)
            return InsideCorner(x, y, b.left + tl, b.top + tl, tl);
        if (x > b.right - tr && y < b.top + tr)
            return InsideCorner(x, y, b.right - tr, b.top + tr, tr);
        if (x > b.right - br && y > b.bottom - br)
            return InsideCorner(x, y, b.right - br, b.bottom - br, br);
        if (x < b.left + bl && y > b.bottom - bl)
            return InsideCorner(x, y, b.left + bl, b.bottom - bl, bl);
        return true;
    };
}

TShape Ellipse(TBox b)
{
    const double cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
    const double rx = (b.right - b.left) / 2, ry = (b.bottom - b.top) / 2;
    return [=](double x, double y) {
        const double dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1;
    };
}

TShape Minus(TShape outer, TShape inner)
{
    return [=](double x, double y) { return outer(x, y) && !inner(x, y); };
}

TShape Union(TShape a, TShape b)
{
    return [=](double x, double y) { return a(x, y) || b(x, y); };
}

TShape Intersect(TShape a, TShape b)
{
    return [=](double x, double y) { return a(x, y) && b(x, y); };
}

TShape Erode(TShape s, double d)
{
    const double e = d * 0.7071;
    return [=](double x, double y) {
        return s(x, y) && s(x - d, y) && s(x + d, y) && s(x, y - d) && s(x, y + d) &&
               s(x - e, y - e) && s(x + e, y - e) && s(x - e, y + e) && s(x + e, y + e);
    };
}

TShape Segment(TPoint a, TPoint b, double width)
{
    const double r2 = width * width / 4;
    return [=](double x, double y) { return SegmentDistance2({x, y}, a, b) <= r2; };
}

TShape Polyline(std::vector<TPoint> points, double width)
{
    const double r2 = width * width / 4;
    return [=](double x, double y) {
        for (size_t i = 0; i + 1 < points.size(); ++i)
            if (SegmentDistance2({x, y}, points[i], points[i + 1]) <= r2)
                return true;
        return false;
    };
}

TShape Polygon(std::vector<TPoint> points)
{
    return [=](double x, double y) {
        bool inside = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const TPoint a = points[i], b = points[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                inside = !inside;
        }
        return inside;
    };
}

TShape RoundRing(TBox b, double radius, double w)
{
    const double inner = radius > w ? radius - w : 0;
    return Minus(RoundBox(b, radius), RoundBox(Inset(b, w), inner));
}

TRgb GradientAt(const std::vector<TStop>& stops, double t)
{
    if (t <= stops.front().at)
        return stops.front().color;
    for (size_t i = 1; i < stops.size(); ++i)
        if (t <= stops[i].at) {
            const double span = stops[i].at - stops[i - 1].at;
            return Mix(stops[i - 1].color, stops[i].color, span > 0 ? (t - stops[i - 1].at) / span : 1);
        }
    return stops.back().color;
}

TPaint Solid(TRgb c)
{
    return [=](double, double) { return c; };
}

TPaint VerticalGradient(double top, double bottom, std::vector<TStop> stops)
{
    return [=](double, double y) { return GradientAt(stops, (y - top) / (bottom - top)); };
}

TPaint HorizontalGradient(double left, double right, std::vector<TStop> stops)
{
    return [=](double x, double) { return GradientAt(stops, (x - left) / (right - left)); };
}

TAtlasCanvas::TAtlasCanvas(int width, int height)
    : width_(width), height_(height), color_(size_t(width) * height, TRgb{0, 0, 0}),
      alpha_(size_t(width) * height, 0.0)
{
}

void TAtlasCanvas::Fill(TPixelRect area, const TShape& shape, const TPaint& paint, double opacity)
{
    const int left = std::max(area.left, 0), top = std::max(area.top, 0);
    const int right = std::min(area.right, width_), bottom = std::min(area.bottom, height_);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            int hits = 0;
            TRgb sum = {0, 0, 0};
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx) {
                    const double px = x + (sx + 0.5) / Samples, py = y + (sy + 0.5) / Samples;
                    if (!shape(px, py))
                        continue;
                    const TRgb c = paint(px, py);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                    ++hits;
                }
            if (hits == 0)
                continue;
            const double cover = opacity * hits / (Samples * Samples);
            const TRgb c = {sum.r / hits, sum.g / hits, sum.b / hits};
            TRgb& dst = color_[Index(x, y)];
            double& a = alpha_[Index(x, y)];
            dst = {c.r * cover + dst.r * (1 - cover), c.g * cover + dst.g * (1 - cover),
                   c.b * cover + dst.b * (1 - cover)};
            a = cover + a * (1 - cover);
        }
}

void TAtlasCanvas::FillRect(TPixelRect area, TRgb c)
{
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, height_); ++y)
        for (int x = std::max(area.left, 0); x < std::min(area.right, width_); ++x) {
            color_[Index(x, y)] = c;
            alpha_[Index(x, y)] = 1;
        }
}

void TAtlasCanvas::Flatten(TPixelRect area, TRgb matte, bool keepTransparent)
{
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, height_); ++y)
        for (int x = std::max(area.left, 0); x < std::min(area.right, width_); ++x) {
            TRgb& c = color_[Index(x, y)];
            double& a = alpha_[Index(x, y)];
            if (keepTransparent && a < 0.5) {
                c = {0, 0, 0};
                a = 0;
                continue;
            }
            c = {c.r + matte.r * (1 - a), c.g + matte.g * (1 - a), c.b + matte.b * (1 - a)};
            a = 1;
        }
}

void TAtlasCanvas::MakeTransparent(int x, int y)
{
    color_[Index(x, y)] = {0, 0, 0};
    alpha_[Index(x, y)] = 0;
}

void TAtlasCanvas::CopyPixel(int fromX, int fromY, int toX, int toY)
{
    color_[Index(toX, toY)] = color_[Index(fromX, fromY)];
    alpha_[Index(toX, toY)] = alpha_[Index(fromX, fromY)];
}

bool TAtlasCanvas::IsTransparent(int x, int y) const
{
    return alpha_[Index(x, y)] == 0;
}

TRgb TAtlasCanvas::ColorAt(int x, int y) const
{
    const TRgb c = color_[Index(x, y)];
    const double a = alpha_[Index(x, y)];
    if (a <= 0)
        return {0, 0, 0};
    return {c.r / a, c.g / a, c.b / a};
}
