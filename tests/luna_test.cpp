// The picture themes drawn into real device contexts and compared with the
// atlas cells they are cut from, including their popup-menu painting.
#include "styling/themes/skthemeluna.h"
#include "styling/themes/skthememetalluna.h"

#include "styling/core/skrects.h"
#include "styling/menus/skitems.h"
#include "styling/themes/lunacells.h"
#include "tests/support/raises.h"
#include "tests/support/themeprobe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// How a cell shows: all pixels, see-through ones as paper, or over a body (those not compared).
enum TShow { shOpaque, shSeeThrough, shOver };

enum TOp { opButton, opCaption, opCheck, opRadio, opTrack, opScrollThumb, opScrollButton, opTab, opSpeed, opDrop };

// A theme operation with a state and two more arguments, and the cell it must show (row -1:
// none); drawn at the origin at that cell's size, or centred over a body at the body cell's size.
struct TCut {
    TOp op;
    uint8_t state, a, b;
    TLunaCellId id;
    int row, column;
};

TLunaCellId BodyOf(TOp op)
{
    return op == opScrollButton ? lciScrollBody : op == opDrop ? lciSpeedFace : lciCount;
}

void Draw(const TSkThemeLuna& t, TCanvas* c, const TRect& r, const TCut& k)
{
    const bool hot = k.state == kesHot, pressed = k.state == kesPressed;
    switch (k.op) {
    case opButton: return t.DrawButton(c, r.right, r.bottom, k.state);
    case opCaption: return t.DrawFormButton(c, r, k.a, hot, pressed, !hot, TSkBorderStyle(k.b));  // hot: inactive
    case opCheck: return t.DrawCheckBox(c, r, k.state, k.a);
    case opRadio: return t.DrawRadioButton(c, r, k.state, k.a);
    case opTrack: return t.DrawScrollTrack(c, r, TScrollBarKind(k.a));
    case opScrollThumb: return t.DrawScrollThumb(c, r, sbVertical, k.state);
    case opScrollButton: return t.DrawScrollButton(c, r, TScrollBarKind(k.a), k.b, k.state);
    case opTab: return t.DrawTab(c, r, k.a, k.state);
    case opSpeed: return t.DrawSpeedButton(c, r, k.state, k.a, k.b);
    case opDrop: return t.DrawSpeedDropButton(c, r, k.state, false, k.b);
    }
}

std::vector<TCut> Cuts()
{
    std::vector<TCut> v;
    auto add = [&](TOp op, uint8_t s, int a, int b, TLunaCellId id, int row, int column = 0) {
        v.push_back({op, s, uint8_t(a), uint8_t(b), id, row, column});
    };
    const int buttonRows[] = {0, 1, 2, 3, 4, 4, 0};  // the default button looks focused
    for (uint8_t s = 0; s < 7; ++s)
        add(opButton, s, 0, 0, lciPushButton, buttonRows[s]);
    // Caption buttons in three looks; tool windows have a small close, borderless ones none.
    const int glyphRows[] = {lcrClose,   lcrHelp,   lcrMinimize, lcrMaximize, lcrRestore,
                             lcrRollUp, lcrRollDown, lcrTray,    -1};
    for (TSkBorderStyle style : {kbsStandard, kbsToolWindow, kbsNone})
        for (int g = kfbClose; g <= kfbTray + 1; ++g)
            for (uint8_t s = kesNormal; s <= kesPressed; ++s) {
                const bool small = g == kfbClose && style == kbsToolWindow;
                const int row = g == kfbClose && style == kbsNone ? -1 : small ? 0 : glyphRows[g];
                add(opCaption, s, g, style, small ? lciSmallClose : lciCaptionButton, row, s);
            }
    // No check-box cell above disabled, radios fall back to normal; an unknown mark is none.
    for (uint8_t s = kesNormal; s <= kesFocused; ++s)
        for (int mark = kchUnchecked; mark <= kchGrayed + 1; ++mark) {
            add(opCheck, s, mark, 0, lciCheckBox, s == kesFocused ? -1 : 4 * (mark % 3) + s);
            add(opRadio, s, mark % 2, 0, lciRadio, 4 * (mark % 2) + s % 4);
        }
    add(opTrack, 0, sbHorizontal, 0, lciScrollTrackH, 0);
    add(opTrack, 0, sbVertical, 0, lciScrollTrackV, 0);
    const TLunaArrow arrows[] = {laUp, laDown, laLeft, laRight};
    for (uint8_t s = kesNormal; s <= kesFocused; ++s) {
        add(opScrollThumb, s, 0, 0, lciScrollBody, s % 4);
        for (int k = 0; k < 4; ++k)
            add(opScrollButton, s, k < 2 ? sbVertical : sbHorizontal, k % 2 == 0, lciScrollArrow, s % 4,
                arrows[k]);
    }
    const TLunaTabSide sides[] = {ltsTop, ltsBottom, ltsLeft, ltsRight};  // by position
    const TLunaCellId tabs[] = {lciTabNormal, lciTabHot, lciTabSelected, lciTabSelected, lciTabSelected};
    for (int p = ktpTop; p <= ktpRight; ++p)
        for (uint8_t s = kesNormal; s <= kesSelected; ++s)
            add(opTab, s, p, 0, tabs[s], s == kesPressed || s == kesDisabled ? -1 : 0, sides[p]);
    // Faces: raised, pushed, down, down and hot, pressed; flat buttons show
    // nothing until touched, disabled ones never.
    struct TSpeed { uint8_t state; bool flat, down; int face; };
    const TSpeed speeds[] = {{kesPressed, true, false, 1}, {kesHot, true, true, 3}, {kesHot, true, false, 0},
                             {kesNormal, true, true, 2}, {kesPressed, false, false, 4}, {kesHot, false, true, 2},
                             {kesHot, false, false, 1}, {kesNormal, false, true, 2}, {kesNormal, false, false, 0},
                             {kesNormal, true, false, -1}, {kesDisabled, false, true, -1}};
    for (const TSpeed& f : speeds)
        add(opSpeed, f.state, f.flat, f.down, f.face == 4 ? lciSpeedPressed : lciSpeedFace,
            f.face < 0 ? -1 : f.face == 2 || f.face == 3, f.face % 2 == 1);
    // The arrows of a down button stop where the status bar strip begins.
    for (uint8_t s = kesNormal; s <= kesDisabled; ++s) {
        add(opDrop, s, 0, false, lciDropArrow, s);
        if (s == kesPressed)
            add(opDrop, s, 0, true, lciDropArrowDownPressed, 0);
        else
            add(opDrop, s, 0, true, s == kesDisabled ? lciDropArrow : lciDropArrowDown, s);
    }
    return v;
}

class LunaTest : public ThemeProbeTest<TSkThemeLuna, 200, 160> {
protected:
    // The atlas block src lies at (x, y) as show says.
    ::testing::AssertionResult Shows(const TSkBitmap& atlas, const TLunaRect& src, int x, int y,
                                     TShow show = shOpaque)
    {
        for (int sy = src.top; sy < src.bottom; ++sy)
            for (int sx = src.left; sx < src.right; ++sx) {
                const TSkColor p = atlas.GetPixel(sx, sy);
                const bool key = (p & SkColorMask) == SkTransparentColor;
                const COLORREF want = key && show == shSeeThrough ? Paper : COLORREF(SkColorToColor(p));
                const int dx = x + sx - src.left, dy = y + sy - src.top;
                if (!(key && show == shOver) && dib.At(dx, dy) != want)
                    return ::testing::AssertionFailure() << dx << "," << dy << " from " << sx << "," << sy;
            }
        return ::testing::AssertionSuccess();
    }
};

// A look whose second atlas goes missing from the program.
class TMissingAtlasTheme : public TSkThemeLuna {
public:
    bool broken = false;
    void LoadImages() override { LoadAtlases("XP_MAIN", broken ? "NO_SUCH_ATLAS" : "XP_MAIN1"); }
};

}  // namespace

TEST_F(LunaTest, TablesAndColourShifts)
{
    TSkThemeMetalLuna metal;
    EXPECT_TRUE(theme.GetName() == "Luna" && metal.GetName() == "MetalLuna" && theme.IsAvailable());
    // The metal look keeps neither the blue pictures its base class loads nor its colours.
    EXPECT_NE(metal.Atlas().GetPixel(33, 10), theme.Atlas().GetPixel(33, 10));
    EXPECT_EQ(metal.GetColor(kcBorder), RGB(163, 163, 184));
    // Kinds without an entry and past the tables: the scroll-bar colour, size 0.
    EXPECT_EQ(theme.GetColor(kcHotFace), TColor(GetSysColor(COLOR_SCROLLBAR)));
    EXPECT_EQ(metal.GetColor(kcLastColorKind + 1), TColor(GetSysColor(COLOR_SCROLLBAR)));
    ExpectSizesAndFonts(theme, {{ksLastSizeKind + 1, 0}}, "Tahoma", 10);
    theme.SetDeltaBrightness(20);  // brightness alone is exact
    EXPECT_EQ(theme.GetColor(kcBorder), RGB(69, 126, 217));

    // A shift reloads both atlases; a missing one is reported and the old pictures stay.
    auto pixels = [](const TSkBitmap& b) {
        GdiFlush();
        return std::vector<TSkColor>(b.Pixels(), b.Pixels() + size_t(b.Width()) * b.Height());
    };
    TMissingAtlasTheme theme;
    const std::vector<TSkColor> main = pixels(theme.Atlas()), second = pixels(theme.Atlas1());
    theme.SetDeltaHue(30);
    EXPECT_TRUE(pixels(theme.Atlas()) != main && pixels(theme.Atlas1()) != second);
    int hue = 0;
    EXPECT_EQ(GuiGrowth([&] { theme.SetDeltaHue(hue = 10 - hue); }, 6), (TGuiCounts{0, 0}));
    theme.SetDeltaHue(0);
    EXPECT_TRUE(pixels(theme.Atlas()) == main && pixels(theme.Atlas1()) == second);
    theme.broken = true;
    const std::string error = MessageOf<ESkBitmapError>([&] { theme.SetDeltaHue(80); });
    EXPECT_NE(error.find("NO_SUCH_ATLAS"), std::string::npos) << error;
    EXPECT_TRUE(pixels(theme.Atlas()) == main && pixels(theme.Atlas1()) == second);
}

TEST_F(LunaTest, EachAtlasIsDecodedAtItsFirstUseOnly)
{
    // A theme is made at start-up, long before a paint needs its pictures.
    const DWORD before = CurrentGuiCounts().gdi;
    TSkThemeMetalLuna metal;
    metal.SetDeltaBrightness(20);
    EXPECT_EQ(CurrentGuiCounts().gdi, before);
    metal.PaintButton(&canvas, 75, 23, 0);  // the first atlas alone
    const DWORD first = CurrentGuiCounts().gdi;
    EXPECT_GT(first, before);
    metal.Atlas();
    EXPECT_EQ(CurrentGuiCounts().gdi, first);
    metal.Atlas1();
    EXPECT_GT(CurrentGuiCounts().gdi, first);
}

TEST_F(LunaTest, EveryOperationCutsTheCellOfItsStateAndNothingAround)
{
    for (const TCut& cut : Cuts()) {
        const TLunaRect cell = LunaCell(cut.id, cut.row < 0 ? 0 : cut.row, cut.column);
        const TLunaRect outer = BodyOf(cut.op) == lciCount ? cell : LunaCell(BodyOf(cut.op));
        const int w = outer.right - outer.left, h = outer.bottom - outer.top;
        SCOPED_TRACE("operation " + std::to_string(cut.op) + " state " + std::to_string(cut.state) + " cell " +
                     std::to_string(cell.left) + "," + std::to_string(cell.top));
        Draw(theme, Fresh(), TRect{0, 0, w, h}, cut);
        // Caption cells of inactive forms (drawn hot here) come from the second atlas.
        const TLunaSheet sheet = LunaCellGroups[cut.id].sheet;
        const bool second = sheet == lsSecond || (sheet == lsBoth && cut.op == opCaption && cut.state == kesHot);
        const TShow show = BodyOf(cut.op) != lciCount ? shOver
                           : LunaCellGroups[cut.id].copy == lcOpaque ? shOpaque : shSeeThrough;
        const int x = (w - (cell.right - cell.left)) / 2, y = (h - (cell.bottom - cell.top)) / 2;
        EXPECT_TRUE(cut.row < 0 ? ::testing::AssertionResult(Untouched({0, 0, w, h}))
                                : Shows(second ? theme.Atlas1() : theme.Atlas(), cell, x, y, show));
        EXPECT_TRUE(Untouched({w, 0, w + 1, h + 1}) && Untouched({0, h, w + 1, h + 1}));  // nothing around
    }
}

TEST_F(LunaTest, FramesAndNinePiecesStretchBetweenUnscaledCorners)
{
    struct TFrameCase { TSkBorderStyle style; TLunaFrame frame; int border, caption; };
    for (const TFrameCase& f : {TFrameCase{kbsStandard, LunaStandardFrame, 3, 29},
                                TFrameCase{kbsToolWindow, LunaToolFrame, 2, 19}}) {
        SCOPED_TRACE(int(f.style));
        const int W = 120, H = 80, b = f.border, c = f.caption;
        const TLunaRect t = LunaCell(f.frame.cell);
        const int end = t.left + f.frame.captionWidth;  // the caption band's right end
        theme.DrawFormFrame(Fresh(), W, H, TRect{}, true, f.style);
        // Caption corners 10 wide, the middle stretched from the template's
        // middle; the sides' top corners and the bottom corners; strips between.
        const TSkBitmap& a = theme.Atlas();
        const int L = t.left, R = t.right - b, B = t.bottom - b;  // the template's border columns and rows
        EXPECT_TRUE(Shows(a, {L, 0, L + 11, c}, 0, 0) && Shows(a, {end - 11, 0, end, c}, W - 11, 0));
        EXPECT_TRUE(Shows(a, {L, c, L + b, c + b}, 0, c) && Shows(a, {R, c, R + b, c + b}, W - b, c));
        EXPECT_TRUE(Shows(a, {L, B, L + b, B + b}, 0, H - b) && Shows(a, {R, B, R + b, B + b}, W - b, H - b));
        EXPECT_EQ(Count({0, c, 1, H}, Paper) + Count({W - 1, c, W, H}, Paper), 0);
        EXPECT_TRUE(Untouched({b, c, W - b, H - b}));
        theme.DrawFormFrame(&canvas, W, H, TRect{}, false, f.style);  // inactive: the second atlas
        theme.DrawFormFrame(&canvas, W, H, TRect{}, true, kbsNone);   // nothing
        EXPECT_TRUE(Shows(theme.Atlas1(), {L, 0, L + 10, c}, 0, 0));
    }
    // The standard frame's region cuts the corners the template leaves see-through.
    HRGN region = theme.GetFormRegion(120, 80, kbsStandard);
    for (int i = 0; i < 36; ++i) {  // the top-left and top-right 6 x 6 pixels
        const int x = i % 6, y = i / 6;
        const bool cut = y < 5 && x < LunaCaptionCornerCut[y];
        EXPECT_TRUE(!PtInRegion(region, x, y) == cut && !PtInRegion(region, 119 - x, y) == cut) << x << "," << y;
    }
    DeleteObject(region);
    region = theme.GetFormRegion(100, 60, kbsToolWindow);
    RECT box;
    EXPECT_TRUE(GetRgnBox(region, &box) == SIMPLEREGION && RectsEqual(box, TRect{0, 0, 100, 60}));
    DeleteObject(region);

    // Nine-piece pictures: corners unscaled and see-through, the centre stretched.
    theme.DrawButton(Fresh(), 75, 25, kesFocused);
    const TLunaRect f = LunaCell(lciPushButton, kesFocused);
    EXPECT_TRUE(Shows(theme.Atlas(), {f.left, f.top, f.left + 4, f.top + 4}, 0, 0, shSeeThrough));
    EXPECT_TRUE(Shows(theme.Atlas(), {f.right - 4, f.bottom - 4, f.right, f.bottom}, 71, 21, shSeeThrough));
    EXPECT_TRUE(Shows(theme.Atlas(), {f.left + 36, f.top + 10, f.left + 37, f.top + 11}, 37, 12));
}

TEST_F(LunaTest, ProgressBlocksAndFrames)
{
    const COLORREF green = Color(kcSelection);  // a 150 x 16 client: blocks of 12
    theme.DrawProgressBar(&canvas, {0, 0, 150, 16}, TRect{0, 0, 7, 16}, false, false);
    EXPECT_TRUE(Untouched({0, 0, 150, 16}));  // shorter than one pitch of 12
    theme.DrawProgressBar(&canvas, {0, 0, 150, 16}, TRect{0, 0, 15, 16}, false, false);
    for (int x = 0; x < 30; ++x)  // blocks 10 wide, 2 apart; the last past the bar
        EXPECT_EQ(Count({x, 0, x + 1, 16}, green), x % 12 < 10 && x < 22 ? 16 : 0) << x;
    // Vertical: blocks grow up from the bottom; smooth is one fill.
    theme.DrawProgressBar(Fresh(), {0, 0, 16, 150}, TRect{0, 126, 16, 150}, true, false);
    for (int y = 114; y < 150; ++y)
        EXPECT_EQ(Count({0, y, 16, y + 1}, green), (149 - y) % 12 < 10 && y >= 116 ? 16 : 0) << y;
    theme.DrawProgressBar(&canvas, {0, 0, 16, 150}, TRect{0, 90, 16, 100}, true, true);
    EXPECT_EQ(Count({0, 80, 16, 110}, green), 16 * 10);

    // Edit, memo and progress frames ring their inside.
    struct TRing { uint8_t op, state; int x, y; uint8_t kind; };  // op: edit, memo, progress
    const TRing rings[] = {{0, kesNormal, 59, 39, kcBorder}, {0, kesNormal, 8, 20, kcWindow},  // eight rings
                           {0, kesNormal, 45, 25, kcWindow}, {0, kesDisabled, 5, 5, kcDisabledFace},
                           {1, true, 9, 20, kcFace},         {1, false, 0, 0, kcDisabledBorder},  // nine rings
                           {2, 0, 30, 0, kcBorder},          {2, 0, 30, 8, kcWindow}};
    for (const TRing& r : rings) {
        dib.Fill(Paper);
        if (r.op == 0)
            theme.DrawEditFrame(&canvas, TRect{0, 0, 60, 40}, r.state);
        else if (r.op == 1)
            theme.DrawMemoFrame(&canvas, TRect{0, 0, 60, 40}, r.state);
        else
            theme.DrawProgressFrame(&canvas, TRect{0, 0, 60, 16});
        EXPECT_EQ(dib.At(r.x, r.y), Color(r.kind)) << int(r.op) << " at " << r.x << "," << r.y;
        // Inside the rings, and the progress frame's rounded corner, stay untouched.
        EXPECT_TRUE(r.op == 2 ? Untouched({0, 0, 1, 1}) : Untouched({r.op + 9, 10, 40, 20}));
    }
}

TEST_F(LunaTest, PopupItemsAndBackground)
{
    TSkCustomItem item(nullptr), separator(nullptr);
    item.SetCaption(L"&Close");
    separator.SetCaption(L"-");
    int width = 0, height = 0, plain = 0;
    theme.MeasurePopupItem(&canvas, &item, plain, height);
    item.SetShortCut(scAlt | VK_F4);
    theme.MeasurePopupItem(&canvas, &item, width, height);
    EXPECT_TRUE(height == 22 && width > plain);
    theme.MeasurePopupItem(&canvas, &separator, width, height);
    EXPECT_EQ(height, 9);

    theme.DrawPopupItem(&canvas, &item, TRect{0, 0, 200, 22}, true, true);
    EXPECT_TRUE(dib.At(0, 0) == Color(kcMenuBorder) && dib.At(5, 5) == Color(kcPopupHighlight));
    EXPECT_GT(Count({26, 0, 100, 22}, RGB(255, 255, 255)), 10);  // the caption after the glyph column
    item.SetChecked(true);
    item.SetEnabled(false);
    theme.DrawPopupItem(&canvas, &item, TRect{0, 30, 200, 52}, false, false);
    // Check mark around ((0 + 22) div 2 - 2, (30 + 52) div 2 + 1) = (9, 42): black, lined white.
    for (const POINT& p : {POINT{9, 42}, POINT{13, 38}, POINT{9, 43}, POINT{9, 44}, POINT{14, 37}})
        EXPECT_EQ(dib.At(p.x, p.y), p.y == 44 || p.y == 37 ? RGB(255, 255, 255) : RGB(0, 0, 0)) << p.x;
    EXPECT_GT(Count({26, 30, 120, 52}, Color(kcDisabledMenuText)), 10);
    theme.DrawPopupItem(&canvas, &separator, TRect{0, 0, 200, 9}, false, false);
    for (int x : {1, 2, 197, 198})
        EXPECT_EQ(dib.At(x, 4), x == 1 || x == 198 ? Color(kcPopup) : COLORREF(GetSysColor(COLOR_BTNSHADOW))) << x;
    theme.DrawPopupBackground(Fresh(), 50, 40);
    EXPECT_TRUE(dib.At(0, 20) == Color(kcMenuBorder) && dib.At(2, 20) == Color(kcPopup) && dib.At(3, 20) == Paper);
}
