// One drawing function per element family. Cells drawn opaque by the theme
// (frames, caption buttons, stretched bodies and strips) are filled to every
// pixel; cells drawn transparent keep magenta around their picture, and their
// soft edges are blended over the colour they will usually sit on.
#include "tools/atlasgen/atlas.h"

#include "styling/themes/lunacells.h"
#include "tools/atlasgen/glyphs.h"
#include "tools/atlasgen/looks.h"

#include <iterator>

namespace {

const TRgb White = {255, 255, 255};

enum TState { stNormal, stHot, stPressed, stDisabled, stFocused };

TPixelRect Cell(TLunaCellId id, int row = 0, int column = 0)
{
    const TLunaRect r = LunaCell(id, row, column);
    return {r.left, r.top, r.right, r.bottom};
}

std::vector<TStop> CaptionStops(const TCaptionColors& c, double height)
{
    return {{0, c.highlight}, {1.5 / height, Mix(c.highlight, c.top, 0.5)}, {4 / height, c.top},
            {0.35, c.middle}, {0.85, Mix(c.middle, c.bottom, 0.6)}, {1, c.bottom}};
}

// The caption gradient as it shows at caption row `row` of a caption `height`
// rows high, placed so that atlas row `y0` holds caption row `row0`.
TPaint CaptionPaint(const TCaptionColors& c, double height, double y0, double row0)
{
    const std::vector<TStop> stops = CaptionStops(c, height);
    return [=](double, double y) { return GradientAt(stops, (y - y0 + row0) / height); };
}

void Shade(TAtlasCanvas& canvas, TPixelRect area, const TShape& shape, TRgb c, double opacity = 1)
{
    canvas.Fill(area, shape, Solid(c), opacity);
}

// ---- window frames -------------------------------------------------------

void DrawStandardFrame(TAtlasCanvas& canvas, const TCaptionColors& c, TRgb window)
{
    const TLunaFrame& frame = LunaStandardFrame;
    const TPixelRect cell = Cell(frame.cell);
    const TBox box = ToBox(cell);
    const int b = frame.border;
    const double caption = frame.caption, radius = 6;
    canvas.FillRect({cell.left + b, cell.top + frame.caption, cell.right - b, cell.bottom - b}, window);
    const TShape outer = RoundBox(box, radius, radius, 0, 0);
    const TShape sides = Minus(outer, RoundBox({box.left + b, box.top + caption, box.right - b, box.bottom - b}, 0));
    canvas.Fill(cell, Intersect(outer, [=](double, double y) { return y < box.top + caption; }),
                CaptionPaint(c, caption, box.top, 0));
    canvas.Fill(cell, Intersect(sides, [=](double, double y) { return y >= box.top + caption; }),
                Solid(c.border));
    // A darker inner line where the border meets the client area.
    const TShape inner = Minus(RoundBox({box.left + b - 1, box.top + caption, box.right - b + 1, box.bottom - b + 1}, 0),
                               RoundBox({box.left + b, box.top + caption, box.right - b, box.bottom - b}, 0));
    Shade(canvas, cell, inner, Darken(c.border, 0.15));
    const TShape ring = Minus(outer, RoundBox(Inset(box, 1), radius - 1, radius - 1, 0, 0));
    const TShape sheen = Minus(RoundBox(Inset(box, 1), radius - 1, radius - 1, 0, 0),
                               RoundBox({box.left + 2, box.top + 2, box.right - 2, box.bottom}, radius - 2, radius - 2, 0, 0));
    Shade(canvas, cell, Intersect(sheen, [=](double, double y) { return y < box.top + caption; }), c.highlight, 0.35);
    Shade(canvas, cell, ring, c.outline);
    canvas.Flatten(cell, c.outline, false);
    // What the window region cuts away at the top corners stays see-through.
    for (int y = 0; y < int(std::size(LunaCaptionCornerCut)); ++y)
        for (int x = 0; x < LunaCaptionCornerCut[y]; ++x) {
            canvas.MakeTransparent(cell.left + x, cell.top + y);
            canvas.MakeTransparent(cell.right - 1 - x, cell.top + y);
        }
}

// The tool-window caption ends one column before the template does: its right
// corner is cut at x = 121..130 while the right border is x = 130..131. So the
// caption is drawn over its band of 65 columns and its last column repeated.
void DrawToolFrame(TAtlasCanvas& canvas, const TCaptionColors& c, TRgb window)
{
    const TLunaFrame& frame = LunaToolFrame;
    const TPixelRect cell = Cell(frame.cell);
    const TBox box = ToBox(cell);
    const int b = frame.border;
    const double caption = frame.caption;
    canvas.FillRect({cell.left + b, cell.top + frame.caption, cell.right - b, cell.bottom - b}, window);
    const TPixelRect band = {cell.left, cell.top, cell.left + frame.captionWidth, cell.top + frame.caption};
    canvas.Fill(band, RoundBox(ToBox(band), 0), CaptionPaint(c, caption, box.top, 0));
    Shade(canvas, band, Minus(RoundBox(ToBox(band), 0), RoundBox({box.left + 1, box.top + 1, box.right - 2, box.bottom}, 0)),
          c.outline);
    const TPixelRect rest = {cell.left, cell.top + frame.caption, cell.right, cell.bottom};
    Shade(canvas, rest, Minus(RoundBox(box, 0), RoundBox(Inset(box, b), 0)), c.border);
    Shade(canvas, rest, Minus(RoundBox(box, 0), RoundBox(Inset(box, 1), 0)), c.outline);
    canvas.Flatten(cell, c.outline, false);
    for (int y = band.top; y < band.bottom; ++y)
        canvas.CopyPixel(band.right - 1, y, cell.right - 1, y);
}

// ---- caption buttons -----------------------------------------------------

double Luma(TRgb c)
{
    return 0.3 * c.r + 0.59 * c.g + 0.11 * c.b;
}

// White glyphs on the saturated faces; on pale faces they would vanish, so
// those get a dark glyph of their own hue.
TRgb GlyphOn(TRgb face, TRgb glyph)
{
    return Luma(glyph) - Luma(face) < 50 ? Darken(face, 0.6) : glyph;
}

void DrawGlyph(TAtlasCanvas& canvas, TPixelRect cell, TCaptionGlyph glyph, TBox box, double stroke, TRgb face,
               TRgb ink)
{
    const TRgb c = GlyphOn(face, ink);
    const TBox shadow = {box.left + 0.8, box.top + 0.8, box.right + 0.8, box.bottom + 0.8};
    Shade(canvas, cell, CaptionGlyph(glyph, shadow, stroke), Darken(face, 0.45), 0.45);
    Shade(canvas, cell, CaptionGlyph(glyph, box, stroke), c);
}

TRgb StateFace(TRgb face, TRgb hot, int state)
{
    if (state == stHot)
        return hot;
    if (state == stPressed)
        return Darken(face, 0.25);
    return face;
}

void DrawCaptionFace(TAtlasCanvas& canvas, TPixelRect cell, const TCaptionColors& c, TRgb face,
                     int state, double radius)
{
    const TBox box = ToBox(cell);
    const TRgb top = state == stPressed ? Darken(face, 0.1) : Lighten(face, 0.45);
    const TRgb bottom = state == stPressed ? Lighten(face, 0.2) : Darken(face, 0.08);
    canvas.Fill(cell, RoundBox(Inset(box, 1), radius - 1),
                VerticalGradient(box.top + 1, box.bottom - 1, {{0, top}, {0.45, face}, {1, bottom}}));
    Shade(canvas, cell, RoundRing(box, radius, 1), c.glyph, state == stPressed ? 0.6 : 0.85);
}

// The glyph of each caption-button row.
constexpr TCaptionGlyph CaptionRowGlyphs[] = {cgClose,    cgHelp,     cgMaximize, cgMinimize,
                                              cgRestore, cgRollDown, cgTray,     cgRollUp};
static_assert(std::size(CaptionRowGlyphs) == lcrRollUp + 1, "one glyph per caption-button row");

void DrawCaptionButtons(TAtlasCanvas& canvas, const TCaptionColors& c)
{
    const double caption = LunaStandardFrame.caption, tool = LunaToolFrame.caption;
    for (int row = 0; row < LunaCellGroups[lciCaptionButton].rows; ++row)
        for (int state = 0; state < 3; ++state) {
            const TPixelRect cell = Cell(lciCaptionButton, row, state);
            // The theme draws caption buttons opaque at caption rows 4..24.
            canvas.Fill(cell, RoundBox(ToBox(cell), 0), CaptionPaint(c, caption, cell.top, 4));
            const TRgb face = row == lcrClose ? StateFace(c.close, c.closeHot, state) : StateFace(c.button, c.buttonHot, state);
            DrawCaptionFace(canvas, cell, c, face, state, 3);
            DrawGlyph(canvas, cell, CaptionRowGlyphs[row], Inset(ToBox(cell), 5.5), 2.0, face, c.glyph);
            canvas.Flatten(cell, c.middle, false);
        }
    for (int state = 0; state < 3; ++state) {
        const TPixelRect cell = Cell(lciSmallClose, 0, state);
        // Tool windows put their close button at caption rows 3..16.
        canvas.Fill(cell, RoundBox(ToBox(cell), 0), CaptionPaint(c, tool, cell.top, 3));
        const TRgb face = StateFace(c.close, c.closeHot, state);
        DrawCaptionFace(canvas, cell, c, face, state, 2.5);
        DrawGlyph(canvas, cell, cgClose, Inset(ToBox(cell), 4), 1.5, face, c.glyph);
        canvas.Flatten(cell, c.middle, false);
    }
}

// ---- push buttons and their relatives ------------------------------------

// A rounded face with an outline and an optional rim in the hot or focus
// colours, as push buttons, speed buttons and small buttons have.
struct TFaceStyle {
    TRgb outline, top, bottom;
    bool rim;
    TRgb rimLight, rimDark;
};

TFaceStyle ButtonStyle(const TAtlasLook& l, int state)
{
    const TRgb top = l.faceTop, bottom = l.faceBottom;
    switch (state) {
    case stHot:
        return {l.outline, top, bottom, true, l.hotLight, l.hot};
    case stPressed:
        return {l.outline, Darken(bottom, 0.06), Lighten(bottom, 0.55), false, {}, {}};
    case stDisabled: {
        const TRgb flat = Mix(l.window, White, 0.45);
        return {l.disabled, flat, flat, false, {}, {}};
    }
    case stFocused:
        return {l.outline, top, bottom, true, l.focusLight, l.focus};
    }
    return {l.outline, top, bottom, false, {}, {}};
}

void DrawFace(TAtlasCanvas& canvas, TPixelRect cell, const TFaceStyle& s, double radius, TRgb matte)
{
    const TBox box = ToBox(cell);
    const TBox in = Inset(box, 1);
    canvas.Fill(cell, RoundBox(in, radius - 1),
                VerticalGradient(in.top, in.bottom,
                                 {{0, s.top}, {0.7, Mix(s.top, s.bottom, 0.35)}, {1, s.bottom}}));
    if (s.rim)
        canvas.Fill(cell, RoundRing(in, radius - 1, 2),
                    VerticalGradient(in.top, in.bottom, {{0, s.rimLight}, {1, s.rimDark}}));
    Shade(canvas, cell, RoundRing(box, radius, 1), s.outline);
    canvas.Flatten(cell, matte, true);
}

void DrawPushButtons(TAtlasCanvas& canvas, const TAtlasLook& l)
{
    for (int state = 0; state < 5; ++state)
        DrawFace(canvas, Cell(lciPushButton, state), ButtonStyle(l, state), 3.5, l.window);
}

void DrawSmallButtons(TAtlasCanvas& canvas, const TAtlasLook& l)
{
    for (int state = 0; state < 4; ++state) {
        TFaceStyle s = ButtonStyle(l, state);
        s.outline = state == stDisabled ? l.disabled : Mix(l.outline, l.window, 0.35);
        DrawFace(canvas, Cell(lciSmallButton, state), s, 3, l.window);
    }
}

void DrawSpeedButtons(TAtlasCanvas& canvas, const TAtlasLook& l)
{
    const TRgb soft = Mix(l.outline, l.window, 0.5);
    const TFaceStyle raised = {soft, l.faceTop, l.faceBottom, false, {}, {}};
    const TFaceStyle pushed = {soft, Darken(l.faceBottom, 0.04), Lighten(l.faceBottom, 0.5), false, {}, {}};
    const TFaceStyle down = {l.focus, White, Lighten(l.focusLight, 0.5), false, {}, {}};
    const TFaceStyle downHot = {Darken(l.focus, 0.15), l.focusLight, Lighten(l.focusLight, 0.4), true,
                                l.hotLight, l.hot};
    const TFaceStyle pressed = {l.outline, Darken(l.faceBottom, 0.14), Darken(l.faceBottom, 0.02), false, {}, {}};
    DrawFace(canvas, Cell(lciSpeedFace, 0, 0), raised, 3, l.window);
    DrawFace(canvas, Cell(lciSpeedFace, 0, 1), pushed, 3, l.window);
    DrawFace(canvas, Cell(lciSpeedFace, 1, 0), down, 3, l.window);
    DrawFace(canvas, Cell(lciSpeedFace, 1, 1), downHot, 3, l.window);
    DrawFace(canvas, Cell(lciSpeedPressed), pressed, 3, l.window);
}

TRgb ArrowColor(const TAtlasLook& l, int state)
{
    switch (state) {
    case stHot:
        return Mix(l.arrow, l.focus, 0.6);
    case stPressed:
        return Darken(l.arrow, 0.5);
    case stDisabled:
        return l.disabled;
    }
    return l.arrow;
}

void DrawDropArrows(TAtlasCanvas& canvas, const TAtlasLook& l)
{
    auto draw = [&](TPixelRect cell, TRgb c) {
        const TBox b = ToBox(cell);
        Shade(canvas, cell, Polygon({{b.left, b.top}, {b.right, b.top}, {b.left + 3, b.top + 3}}), c);
        canvas.Flatten(cell, l.window, true);
    };
    for (int state = 0; state < 4; ++state)
        draw(Cell(lciDropArrow, state), ArrowColor(l, state));
    draw(Cell(lciDropArrowDown, 0), Darken(l.focus, 0.3));
    draw(Cell(lciDropArrowDown, 1), Darken(l.focus, 0.55));
    draw(Cell(lciDropArrowDownPressed), Darken(l.focus, 0.75));
}

// ---- check boxes and radio buttons ---------------------------------------

struct TMarkStyle {
    TRgb outline, faceFrom, faceTo;
    bool rim;
    TRgb rimLight, rimDark, mark;
};

TMarkStyle MarkStyle(const TAtlasLook& l, int state)
{
    const TRgb from = Mix(l.faceBottom, White, 0.35);
    switch (state) {
    case stHot:
        return {l.outline, from, White, true, l.hotLight, l.hot, l.mark};
    case stPressed:
        return {l.outline, Darken(l.faceBottom, 0.12), Mix(l.faceBottom, White, 0.6), false, {}, {}, l.mark};
    case stDisabled:
        return {l.disabled, White, White, false, {}, {}, l.disabled};
    }
    return {l.outline, from, White, false, {}, {}, l.mark};
}

// The diagonal face gradient shared by both marks: shadowed top-left.
TPaint MarkFace(TBox b, TRgb from, TRgb to)
{
    return [=](double x, double y) {
        const double t = ((x - b.left) + (y - b.top)) / ((b.right - b.left) + (b.bottom - b.top));
        return Mix(from, to, t);
    };
}

// The 13 x 13 picture sits one pixel in from the top-left of its 16 x 16
// cell, so it is centred in the 16-pixel box the controls place.
TBox MarkBox(TPixelRect cell)
{
    return {cell.left + 1.0, cell.top + 1.0, cell.left + 14.0, cell.top + 14.0};
}

void DrawCheckBoxes(TAtlasCanvas& canvas, const TAtlasLook& l)
{
    for (int check = 0; check < 3; ++check)
        for (int state = 0; state < 4; ++state) {
            const TPixelRect cell = Cell(lciCheckBox, check * 4 + state);
            const TMarkStyle s = MarkStyle(l, state);
            const TBox b = MarkBox(cell);
            canvas.Fill(cell, RoundBox(Inset(b, 1), 1), MarkFace(b, s.faceFrom, s.faceTo));
            if (s.rim)
                canvas.Fill(cell, RoundRing(Inset(b, 1), 1, 2),
                            VerticalGradient(b.top, b.bottom, {{0, s.rimLight}, {1, s.rimDark}}));
            Shade(canvas, cell, RoundRing(b, 2, 1), s.outline);
            if (check == 1)
                canvas.Fill(cell, CheckMark(Inset(b, 3.2), 2.1),
                            VerticalGradient(b.top, b.bottom, {{0, Lighten(s.mark, 0.25)}, {1, s.mark}}));
            if (check == 2)
                canvas.Fill(cell, RoundBox(Inset(b, 3.5), 0.8),
                            VerticalGradient(b.top + 3, b.bottom - 3, {{0, Lighten(s.mark, 0.45)}, {1, s.mark}}));
            canvas.Flatten(cell, l.window, true);
        }
}

void DrawRadioButtons(TAtlasCanvas& canvas, const TAtlasLook& l)
{
    for (int checked = 0; checked < 2; ++checked)
        for (int state = 0; state < 4; ++state) {
            const TPixelRect cell = Cell(lciRadio, checked * 4 + state);
            const TMarkStyle s = MarkStyle(l, state);
            const TBox b = MarkBox(cell);
            canvas.Fill(cell, Ellipse(b), MarkFace(b, s.faceFrom, s.faceTo));
            if (s.rim)
                canvas.Fill(cell, Minus(Ellipse(Inset(b, 1)), Ellipse(Inset(b, 3))),
                            VerticalGradient(b.top, b.bottom, {{0, s.rimLight}, {1, s.rimDark}}));
            Shade(canvas, cell, Minus(Ellipse(b), Ellipse(Inset(b, 1.1))), s.outline);
            if (checked) {
                const TBox dot = Inset(b, 3.7);
                canvas.Fill(cell, Ellipse(dot),
                            VerticalGradient(dot.top, dot.bottom, {{0, Lighten(s.mark, 0.5)}, {1, s.mark}}));
            }
            canvas.Flatten(cell, l.window, true);
        }
}

// ---- small parts of bars and panels ---------------------------------------

void DrawHeaderPanelButtons(TAtlasCanvas& canvas, const TAtlasLook& l)
{
    const TRgb panel = Mix(l.panel, White, 0.3);
    for (int glyph = 0; glyph < 3; ++glyph)
        for (int state = 0; state < 3; ++state) {
            const TPixelRect cell = Cell(lciHeaderPanelButton, glyph, state);
            const TBox b = Inset(ToBox(cell), 1);
            const TRgb face = state == stHot ? White : (state == stPressed ? Darken(l.panel, 0.1) : Mix(panel, White, 0.75));
            const TRgb ring = state == stHot ? l.hot : (state == stPressed ? Darken(l.panel, 0.35) : Lighten(l.panel, 0.35));
            const TRgb ink = state == stPressed ? White : Darken(l.panel, 0.35);
            canvas.Fill(cell, Ellipse(b), VerticalGradient(b.top, b.bottom, {{0, Lighten(face, 0.5)}, {1, face}}));
            Shade(canvas, cell, Minus(Ellipse(b), Ellipse(Inset(b, 1.1))), ring);
            const TBox g = Inset(b, 3.8);
            const TShape shape = glyph == 2 ? CaptionGlyph(cgClose, Inset(g, 0.6), 1.4)
                                            : DoubleChevron(g, glyph == 0 ? -1 : 1, 1.5);
            Shade(canvas, cell, shape, ink);
            canvas.Flatten(cell, panel, true);
        }
}

TFaceStyle RoundFaceStyle(const TAtlasLook& l, int state)
{
    switch (state) {
    case stHot:
        return {Darken(l.scrollOutline, 0.3), Lighten(l.scroll, 0.75), Lighten(l.scroll, 0.45), false, {}, {}};
    case stPressed:
        return {Darken(l.scrollOutline, 0.25), Darken(l.scroll, 0.15), Darken(l.scroll, 0.05), false, {}, {}};
    case stDisabled:
        return {l.disabled, Mix(l.track, White, 0.6), l.track, false, {}, {}};
    }
    return {l.scrollOutline, Lighten(l.scroll, 0.5), l.scroll, false, {}, {}};
}

void DrawComboButtons(TAtlasCanvas& canvas, const TAtlasLook& l)
{
    const TRgb field = Mix(l.window, White, 0.85);
    for (int state = 0; state < 4; ++state) {
        const TPixelRect cell = Cell(lciComboButton, state);
        canvas.FillRect(cell, field);
        DrawFace(canvas, cell, RoundFaceStyle(l, state), 2.5, field);
        canvas.Flatten(cell, field, false);
        const TPixelRect glyph = Cell(lciComboGlyph, state);
        Shade(canvas, glyph, Chevron(Inset(ToBox(glyph), 0.8), 0, 1, 2.0), ArrowColor(l, state));
        canvas.Flatten(glyph, l.scroll, true);
    }
}

void DrawGrips(TAtlasCanvas& canvas, const TAtlasLook& l)
{
    const TRgb dark = Darken(l.window, 0.4);
    auto dot = [&](int x, int y) {
        canvas.FillRect({x + 1, y + 1, x + 3, y + 3}, White);
        canvas.FillRect({x, y, x + 2, y + 2}, dark);
    };
    const TPixelRect grip = Cell(lciGripDot);
    dot(grip.left + 4, grip.top + 2);
    const TPixelRect size = Cell(lciSizeGrip);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            if (r + c >= 2)
                dot(size.left + 4 + 4 * c, size.top + 5 + 4 * r);
}

void DrawStatusBar(TAtlasCanvas& canvas, const TAtlasLook& l)
{
    const TPixelRect strip = Cell(lciStatusBar);
    canvas.Fill(strip, RoundBox(ToBox(strip), 0),
                VerticalGradient(strip.top, strip.bottom,
                                 {{0, Darken(l.window, 0.18)}, {0.07, Darken(l.window, 0.18)},
                                  {0.07, White}, {0.14, White}, {0.2, Lighten(l.window, 0.5)}, {1, l.window}}));
    canvas.Flatten(strip, l.window, false);
    const TPixelRect sep = Cell(lciStatusSeparator);
    canvas.FillRect({sep.left, sep.top + 2, sep.left + 1, sep.bottom - 2}, Darken(l.window, 0.28));
    canvas.FillRect({sep.left + 1, sep.top + 2, sep.left + 2, sep.bottom - 2}, White);
}

void DrawMenuBarButtons(TAtlasCanvas& canvas, const TAtlasLook& l)
{
    const TCaptionGlyph glyphs[] = {cgMinimize, cgRestore, cgClose};
    for (int kind = 0; kind < 3; ++kind)
        for (int state = 0; state < 3; ++state) {
            const TPixelRect cell = Cell(lciMenuBarButton, state, kind);
            // The menu bar is white in both looks; these cells go down opaque.
            canvas.FillRect(cell, White);
            if (state != stNormal) {
                const TRgb face = state == stHot ? l.focusLight : Mix(l.focus, White, 0.45);
                const TRgb ring = state == stHot ? l.focus : Darken(l.focus, 0.3);
                DrawFace(canvas, cell, {ring, Lighten(face, 0.5), face, false, {}, {}}, 3, White);
                canvas.Flatten(cell, White, false);
            }
            const TBox g = Inset(ToBox(cell), 5);
            Shade(canvas, cell, CaptionGlyph(glyphs[kind], g, 1.6), Darken(l.outline, 0.4));
            canvas.Flatten(cell, White, false);
        }
}

// ---- scroll bars -----------------------------------------------------------

void DrawScrollParts(TAtlasCanvas& canvas, const TAtlasLook& l)
{
    for (int state = 0; state < 4; ++state) {
        const TPixelRect cell = Cell(lciScrollBody, state);
        canvas.FillRect(cell, l.track);
        const TFaceStyle s = RoundFaceStyle(l, state);
        DrawFace(canvas, cell, s, 3, l.track);
        // Light inner bevel on top and left, so the body reads as raised.
        const TBox in = Inset(ToBox(cell), 1);
        Shade(canvas, cell, Minus(RoundBox(in, 2), RoundBox({in.left + 1, in.top + 1, in.right, in.bottom}, 2)),
              White, state == stPressed ? 0.2 : 0.6);
        canvas.Flatten(cell, l.track, false);
        for (int dir = 0; dir < 4; ++dir) {
            const TPixelRect arrow = Cell(lciScrollArrow, state, dir);
            const int dx[] = {0, -1, 0, 1}, dy[] = {-1, 0, 1, 0};  // by TLunaArrow
            Shade(canvas, arrow, Chevron(Inset(ToBox(arrow), 1.2), dx[dir], dy[dir], 2.0), ArrowColor(l, state));
            canvas.Flatten(arrow, s.bottom, true);
        }
    }
    const std::vector<TStop> across = {{0, Darken(l.track, 0.06)}, {0.12, l.track}, {0.5, Lighten(l.track, 0.6)},
                                       {1, l.track}};
    const TPixelRect h = Cell(lciScrollTrackH), v = Cell(lciScrollTrackV);
    canvas.Fill(h, RoundBox(ToBox(h), 0), VerticalGradient(h.top, h.bottom, across));
    canvas.Fill(v, RoundBox(ToBox(v), 0), HorizontalGradient(v.left, v.right, across));
    canvas.Flatten(h, l.track, false);
    canvas.Flatten(v, l.track, false);
}

// ---- track-bar thumbs ------------------------------------------------------

// Looks in cell order: normal, hot, pressed, focused, disabled.
void DrawThumb(TAtlasCanvas& canvas, const TAtlasLook& l, TPixelRect cell, const TShape& shape,
               const TShape& band, int look)
{
    const bool disabled = look == 4;
    const TRgb accents[] = {l.mark, l.hot, Darken(l.hot, 0.2), l.focus, l.disabled};
    const TBox b = ToBox(cell);
    const TRgb top = look == 2 ? Darken(l.faceBottom, 0.05) : (disabled ? Mix(l.window, White, 0.5) : White);
    const TRgb bottom = look == 2 ? Lighten(l.faceBottom, 0.3) : (disabled ? top : l.faceBottom);
    canvas.Fill(cell, shape, MarkFace(b, top, bottom));
    canvas.Fill(cell, Intersect(shape, band),
                VerticalGradient(b.top, b.bottom, {{0, Lighten(accents[look], 0.35)}, {1, accents[look]}}));
    Shade(canvas, cell, Minus(shape, Erode(shape, 1)), disabled ? l.disabled : Mix(l.outline, l.window, 0.25));
    canvas.Flatten(cell, l.window, true);
}

void DrawTrackThumbs(TAtlasCanvas& canvas, const TAtlasLook& l)
{
    for (int look = 0; look < 5; ++look) {
        // Horizontal bar: upright thumbs, the pointer at the top or bottom.
        TBox b = Inset(ToBox(Cell(lciThumbH0, look)), 0.5);
        DrawThumb(canvas, l, Cell(lciThumbH0, look), RoundBox(b, 2),
                  [=](double, double y) { return y > b.bottom - 3 || y < b.top + 3; }, look);
        b = Inset(ToBox(Cell(lciThumbH1, look)), 0.5);
        DrawThumb(canvas, l, Cell(lciThumbH1, look),
                  Polygon({{b.left, b.top + 5}, {(b.left + b.right) / 2, b.top}, {b.right, b.top + 5},
                           {b.right, b.bottom}, {b.left, b.bottom}}),
                  [=](double, double y) { return y > b.bottom - 3; }, look);
        b = Inset(ToBox(Cell(lciThumbH2, look)), 0.5);
        DrawThumb(canvas, l, Cell(lciThumbH2, look),
                  Polygon({{b.left, b.top}, {b.right, b.top}, {b.right, b.bottom - 5},
                           {(b.left + b.right) / 2, b.bottom}, {b.left, b.bottom - 5}}),
                  [=](double, double y) { return y < b.top + 3; }, look);
        // Vertical bar: lying thumbs, the pointer at the left or right.
        b = Inset(ToBox(Cell(lciThumbV0, look)), 0.5);
        DrawThumb(canvas, l, Cell(lciThumbV0, look), RoundBox(b, 2),
                  [=](double x, double) { return x > b.right - 3 || x < b.left + 3; }, look);
        b = Inset(ToBox(Cell(lciThumbV1, look)), 0.5);
        DrawThumb(canvas, l, Cell(lciThumbV1, look),
                  Polygon({{b.left + 5, b.top}, {b.right, b.top}, {b.right, b.bottom}, {b.left + 5, b.bottom},
                           {b.left, (b.top + b.bottom) / 2}}),
                  [=](double x, double) { return x > b.right - 3; }, look);
        b = Inset(ToBox(Cell(lciThumbV2, look)), 0.5);
        DrawThumb(canvas, l, Cell(lciThumbV2, look),
                  Polygon({{b.left, b.top}, {b.right - 5, b.top}, {b.right, (b.top + b.bottom) / 2},
                           {b.right - 5, b.bottom}, {b.left, b.bottom}}),
                  [=](double x, double) { return x < b.left + 3; }, look);
    }
}

// ---- tabs, tab sheet, header sections --------------------------------------

// Distance from the tab's outer edge (the one away from the page), 0..1.
TPaint AlongTab(TBox b, TLunaTabSide side, std::vector<TStop> stops)
{
    return [=](double x, double y) {
        switch (side) {
        case ltsTop:
            return GradientAt(stops, (y - b.top) / (b.bottom - b.top));
        case ltsBottom:
            return GradientAt(stops, (b.bottom - y) / (b.bottom - b.top));
        case ltsLeft:
            return GradientAt(stops, (x - b.left) / (b.right - b.left));
        default:
            return GradientAt(stops, (b.right - x) / (b.right - b.left));
        }
    };
}

void DrawTab(TAtlasCanvas& canvas, const TAtlasLook& l, TPixelRect cell, TLunaTabSide side, int kind)
{
    const TBox b = ToBox(cell);
    const double r = 4;
    const double tl = side == ltsTop || side == ltsLeft ? r : 0, tr = side == ltsTop || side == ltsRight ? r : 0;
    const double br = side == ltsBottom || side == ltsRight ? r : 0, bl = side == ltsBottom || side == ltsLeft ? r : 0;
    const TShape shape = RoundBox(b, tl, tr, br, bl);
    const bool selected = kind == 2;
    const TRgb far = selected ? White : Mix(White, l.faceBottom, kind == 1 ? 0.3 : 0.75);
    canvas.Fill(cell, shape, AlongTab(b, side, {{0, White}, {1, far}}));
    // The selected tab is open towards the page: its outline stops there.
    TBox open = Inset(b, 1);
    if (selected) {
        if (side == ltsTop) open.bottom = b.bottom;
        if (side == ltsBottom) open.top = b.top;
        if (side == ltsLeft) open.right = b.right;
        if (side == ltsRight) open.left = b.left;
    }
    Shade(canvas, cell, Minus(shape, RoundBox(open, tl ? r - 1 : 0, tr ? r - 1 : 0, br ? r - 1 : 0, bl ? r - 1 : 0)),
          l.tabOutline);
    if (kind != 0) {
        const double width = 3;
        const TShape band = [=](double x, double y) {
            switch (side) {
            case ltsTop: return y < b.top + width;
            case ltsBottom: return y >= b.bottom - width;
            case ltsLeft: return x < b.left + width;
            default: return x >= b.right - width;
            }
        };
        canvas.Fill(cell, Intersect(shape, band), AlongTab(b, side, {{0, Darken(l.hot, 0.05)}, {0.05, l.hot}, {0.15, l.hotLight}}));
    }
    canvas.Flatten(cell, l.window, true);
}

void DrawTabs(TAtlasCanvas& canvas, const TAtlasLook& l)
{
    for (int side = 0; side < 4; ++side) {
        DrawTab(canvas, l, Cell(lciTabNormal, 0, side), TLunaTabSide(side), 0);
        DrawTab(canvas, l, Cell(lciTabHot, 0, side), TLunaTabSide(side), 1);
        DrawTab(canvas, l, Cell(lciTabSelected, 0, side), TLunaTabSide(side), 2);
    }
    const TPixelRect sheet = Cell(lciTabSheet);
    const TBox b = ToBox(sheet);
    canvas.Fill(sheet, RoundBox(b, 0), VerticalGradient(b.top, b.bottom, {{0, White}, {1, Mix(White, l.window, 0.5)}}));
    Shade(canvas, sheet, Minus(RoundBox(b, 0), RoundBox(Inset(b, 1), 0)), l.tabOutline);
    canvas.Flatten(sheet, White, false);
}

// Looks in cell order: normal, disabled or focused, hot, pressed.
void DrawHeaderSections(TAtlasCanvas& canvas, const TAtlasLook& l)
{
    for (int k = 0; k < 4; ++k) {
        const TPixelRect cell = Cell(lciHeaderSection, k);
        const TBox b = ToBox(cell);
        const TRgb face = k == 3 ? Darken(l.faceBottom, 0.02) : (k == 1 ? Mix(l.window, White, 0.6) : Mix(l.window, White, 0.8));
        const TRgb base = k == 2 ? l.hot : (k == 3 ? Darken(l.faceBottom, 0.2) : (k == 1 ? l.disabled : Darken(l.window, 0.1)));
        canvas.Fill(cell, RoundBox(b, 0),
                    VerticalGradient(b.top, b.bottom, {{0, Lighten(face, 0.5)}, {0.8, face},
                                                       {0.8, Lighten(base, 0.4)}, {1, base}}));
        // Column separator, short of the top and the bottom band.
        const TRgb line = k == 1 ? Lighten(l.disabled, 0.3) : Darken(l.window, 0.2);
        canvas.FillRect({cell.right - 2, cell.top + 3, cell.right - 1, cell.bottom - 5}, line);
        canvas.FillRect({cell.right - 1, cell.top + 3, cell.right, cell.bottom - 5}, White);
        canvas.Flatten(cell, face, false);
    }
}

// ---- the atlases -----------------------------------------------------------

const TAtlasLook& LookOf(TAtlasId id)
{
    return id == aiMain || id == aiMain1 ? LunaLook : MetalLunaLook;
}

}  // namespace

const char* AtlasName(TAtlasId id)
{
    static const char* const names[] = {"XP_MAIN", "XP_MAIN1", "XP_METAL_MAIN", "XP_METAL_MAIN1"};
    return names[id];
}

TAtlasCanvas DrawAtlas(TAtlasId id)
{
    const TAtlasLook& look = LookOf(id);
    if (id == aiMain || id == aiMetalMain) {
        TAtlasCanvas canvas(LunaMainAtlasSize.width, LunaMainAtlasSize.height);
        DrawStandardFrame(canvas, look.active, look.window);
        DrawToolFrame(canvas, look.active, look.window);
        DrawCaptionButtons(canvas, look.active);
        DrawPushButtons(canvas, look);
        DrawCheckBoxes(canvas, look);
        DrawRadioButtons(canvas, look);
        DrawHeaderPanelButtons(canvas, look);
        DrawComboButtons(canvas, look);
        DrawSpeedButtons(canvas, look);
        DrawDropArrows(canvas, look);
        DrawSmallButtons(canvas, look);
        DrawGrips(canvas, look);
        DrawStatusBar(canvas, look);
        DrawMenuBarButtons(canvas, look);
        return canvas;
    }
    TAtlasCanvas canvas(LunaSecondAtlasSize.width, LunaSecondAtlasSize.height);
    DrawStandardFrame(canvas, look.inactive, look.window);
    DrawToolFrame(canvas, look.inactive, look.window);
    DrawCaptionButtons(canvas, look.inactive);
    DrawScrollParts(canvas, look);
    DrawTrackThumbs(canvas, look);
    DrawTabs(canvas, look);
    DrawHeaderSections(canvas, look);
    return canvas;
}
