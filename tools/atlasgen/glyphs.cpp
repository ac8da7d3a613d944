#include "tools/atlasgen/glyphs.h"

namespace {

// Point at fractions (u, v) of the box.
TPoint At(TBox b, double u, double v)
{
    return {b.left + (b.right - b.left) * u, b.top + (b.bottom - b.top) * v};
}

TBox Part(TBox b, double u0, double v0, double u1, double v1)
{
    const TPoint a = At(b, u0, v0), c = At(b, u1, v1);
    return {a.x, a.y, c.x, c.y};
}

// A window outline with a thick title bar and thin sides, so that the small
// sizes still show a hole.
TShape WindowShape(TBox w, double stroke)
{
    const double side = stroke * 0.6;
    const TBox inner = {w.left + side, w.top + stroke * 1.4, w.right - side, w.bottom - side};
    return Minus(RoundBox(w, 0), RoundBox(inner, 0));
}

TShape QuestionMark(TBox b, double stroke)
{
    const TPoint centre = At(b, 0.5, 0.3);
    const double outer = (b.right - b.left) * 0.3, inner = outer - stroke;
    TShape hook = [=](double x, double y) {
        const double dx = x - centre.x, dy = y - centre.y, d2 = dx * dx + dy * dy;
        const bool ring = d2 <= outer * outer && d2 >= inner * inner;
        return ring && (dy <= 0 || dx >= 0) && !(dx < 0 && dy > 0);
    };
    const TPoint bend = {centre.x + outer - stroke / 2, centre.y};
    const TPoint stem = At(b, 0.5, 0.62);
    TShape neck = Polyline({bend, stem, At(b, 0.5, 0.7)}, stroke);
    const double dot = stroke * 0.62;
    const TPoint d = At(b, 0.5, 0.92);
    return Union(Union(hook, neck), Ellipse({d.x - dot, d.y - dot, d.x + dot, d.y + dot}));
}

}  // namespace

TShape Chevron(TBox b, int dx, int dy, double stroke)
{
    // Drawn for "down" and turned by swapping axes and mirroring.
    auto map = [=](double u, double v) {
        if (dy != 0)
            return At(b, u, dy > 0 ? v : 1 - v);
        return At(b, dx > 0 ? v : 1 - v, u);
    };
    return Polyline({map(0.1, 0.28), map(0.5, 0.72), map(0.9, 0.28)}, stroke);
}

TShape DoubleChevron(TBox b, int dy, double stroke)
{
    const double h = (b.bottom - b.top) * 0.55;
    const TBox first = {b.left, b.top, b.right, b.top + h};
    const TBox second = {b.left, b.bottom - h, b.right, b.bottom};
    return Union(Chevron(first, 0, dy, stroke), Chevron(second, 0, dy, stroke));
}

TShape CheckMark(TBox b, double stroke)
{
    return Polyline({At(b, 0.05, 0.5), At(b, 0.38, 0.85), At(b, 0.95, 0.12)}, stroke);
}

TShape CaptionGlyph(TCaptionGlyph glyph, TBox b, double stroke)
{
    switch (glyph) {
    case cgClose:
        return Union(Segment(At(b, 0.08, 0.08), At(b, 0.92, 0.92), stroke * 1.15),
                     Segment(At(b, 0.92, 0.08), At(b, 0.08, 0.92), stroke * 1.15));
    case cgHelp:
        return QuestionMark(b, stroke);
    case cgMaximize:
        return WindowShape(b, stroke);
    case cgMinimize:
        return RoundBox(Part(b, 0.0, 0.72, 0.62, 1.0), 0);
    case cgRestore: {
        const TBox back = Part(b, 0.3, 0.0, 1.0, 0.66);
        const TBox front = Part(b, 0.0, 0.34, 0.7, 1.0);
        return Union(Minus(WindowShape(back, stroke), RoundBox(front, 0)), WindowShape(front, stroke));
    }
    case cgRollDown:
        return DoubleChevron(Part(b, 0.08, 0.05, 0.92, 0.95), 1, stroke);
    case cgRollUp:
        return DoubleChevron(Part(b, 0.08, 0.05, 0.92, 0.95), -1, stroke);
    case cgTray:
        return Union(RoundBox(Part(b, 0.45, 0.8, 1.0, 1.0), 0),
                     Union(Segment(At(b, 0.1, 0.1), At(b, 0.62, 0.62), stroke),
                           Polygon({At(b, 0.75, 0.75), At(b, 0.3, 0.75), At(b, 0.75, 0.3)})));
    }
    return [](double, double) { return false; };
}
