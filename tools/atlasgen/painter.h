// A small anti-aliased painter for the theme atlases: shapes are inside tests,
// paints are colour functions, and every pixel is covered by 5 x 5 samples.
// Only +, -, *, / and sqrt are used, so every compiler produces the same bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct TRgb {
    double r, g, b;
};

TRgb Mix(TRgb a, TRgb b, double t);
TRgb Lighten(TRgb c, double t);  // t of the way to white
TRgb Darken(TRgb c, double t);   // t of the way to black

// Pixel rectangle: left, top, right, bottom with right and bottom exclusive.
struct TPixelRect {
    int left, top, right, bottom;
};

// Continuous box in pixel units: pixel (x, y) covers [x, x + 1) x [y, y + 1).
struct TBox {
    double left, top, right, bottom;
};
TBox ToBox(TPixelRect r);
TBox Inset(TBox b, double d);

struct TPoint {
    double x, y;
};

using TShape = std::function<bool(double x, double y)>;
using TPaint = std::function<TRgb(double x, double y)>;

TShape RoundBox(TBox b, double radius);
// Radii of the top-left, top-right, bottom-right and bottom-left corners.
TShape RoundBox(TBox b, double tl, double tr, double br, double bl);
TShape Ellipse(TBox b);
TShape Minus(TShape outer, TShape inner);
TShape Union(TShape a, TShape b);
TShape Intersect(TShape a, TShape b);
// The shape shrunk by d: a point stays when its neighbours d away are inside.
TShape Erode(TShape s, double d);
TShape Segment(TPoint a, TPoint b, double width);
TShape Polyline(std::vector<TPoint> points, double width);
TShape Polygon(std::vector<TPoint> points);
// The ring of width w just inside a rounded box.
TShape RoundRing(TBox b, double radius, double w);

struct TStop {
    double at;  // 0..1
    TRgb color;
};
TPaint Solid(TRgb c);
TPaint VerticalGradient(double top, double bottom, std::vector<TStop> stops);
TPaint HorizontalGradient(double left, double right, std::vector<TStop> stops);
TRgb GradientAt(const std::vector<TStop>& stops, double t);

// Premultiplied colour with coverage; pixels never painted stay transparent.
class TAtlasCanvas {
public:
    TAtlasCanvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Paints the shape over what is there, clipped to the area.
    void Fill(TPixelRect area, const TShape& shape, const TPaint& paint, double opacity = 1.0);
    void FillRect(TPixelRect area, TRgb c);
    // Settles partly covered pixels: below half coverage they become
    // transparent (when allowed), otherwise they are blended over the matte.
    void Flatten(TPixelRect area, TRgb matte, bool keepTransparent);
    void MakeTransparent(int x, int y);
    void CopyPixel(int fromX, int fromY, int toX, int toY);
    bool IsTransparent(int x, int y) const;
    TRgb ColorAt(int x, int y) const;

private:
    int Index(int x, int y) const { return y * width_ + x; }

    int width_, height_;
    std::vector<TRgb> color_;  // premultiplied by coverage
    std::vector<double> alpha_;
};
