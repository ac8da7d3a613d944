// Where every picture lives in the two atlases. The theme cuts these exact
// rectangles, so the table is the contract between this generator and it.
#pragma once

#include "tools/atlasgen/painter.h"

enum TAtlasSheet { asMain, asSecond, asBoth };

struct TAtlasSize {
    int width, height;
};
constexpr TAtlasSize MainAtlasSize = {190, 372};
constexpr TAtlasSize SecondAtlasSize = {196, 435};

// A group of equally sized cells: columns step by dx, rows by dy.
struct TCellGroup {
    TAtlasSheet sheet;
    int x, y, width, height;
    int columns, dx;
    int rows, dy;
};

enum TCellId {
    ciFrameStandard,     // caption rows 0..28, sides 29..56, bottom 57..59
    ciFrameTool,         // caption rows 0..18, sides from 19, bottom 49..50
    ciCaptionButton,     // normal, hot, pressed x close, help, max, min, restore, roll down, tray, roll up
    ciSmallClose,        // normal, hot, pressed
    ciPushButton,        // normal, hot, pressed, disabled, focused
    ciCheckBox,          // 4 states x unchecked, checked, grayed
    ciRadio,             // 4 states x unchecked, checked
    ciHeaderPanelButton, // normal, hot, pressed x chevron up, chevron down, close
    ciComboButton,       // 4 states
    ciComboGlyph,        // 4 states
    ciSpeedFace,         // raised, pushed x (plain, down)
    ciSpeedPressed,      // the column-0 cell under the size grip
    ciDropArrow,         // 4 states
    ciDropArrowDown,     // normal and hot when down
    ciDropArrowDownPressed,  // only two rows: the status bar strip starts below
    ciSmallButton,       // 4 states
    ciGripDot,
    ciSizeGrip,
    ciStatusBar,
    ciStatusSeparator,
    ciMenuBarButton,     // minimize, restore, close x normal, hot, pressed
    ciScrollBody,        // 4 states
    ciScrollTrackH,
    ciScrollTrackV,
    ciScrollArrow,       // up, left, down, right x 4 states
    ciThumbV0,           // vertical bar: block, pointing left, pointing right; 5 looks each
    ciThumbV1,
    ciThumbV2,
    ciThumbH0,           // horizontal bar: block, pointing up, pointing down; 5 looks each
    ciThumbH1,
    ciThumbH2,
    ciTabNormal,         // top, bottom, right, left
    ciTabHot,
    ciTabSelected,
    ciHeaderSection,     // normal, disabled or focused, hot, pressed
    ciTabSheet,
    ciCount
};

constexpr TCellGroup CellGroups[] = {
    {asBoth, 0, 0, 66, 60, 1, 0, 1, 0},
    {asBoth, 66, 0, 66, 51, 1, 0, 1, 0},
    {asBoth, 0, 70, 21, 21, 3, 21, 8, 30},
    {asBoth, 66, 70, 14, 14, 3, 14, 1, 0},
    {asMain, 70, 100, 73, 21, 1, 0, 5, 30},
    {asMain, 171, 102, 16, 16, 1, 0, 12, 16},
    {asMain, 152, 102, 16, 16, 1, 0, 8, 16},
    {asMain, 134, 32, 17, 17, 3, 17, 3, 17},
    {asMain, 151, 248, 15, 14, 1, 0, 4, 14},
    {asMain, 155, 314, 10, 7, 1, 0, 4, 7},
    {asMain, 89, 278, 20, 23, 2, 20, 2, 23},
    {asMain, 69, 301, 20, 23, 1, 0, 1, 0},
    {asMain, 60, 311, 6, 3, 1, 0, 4, 3},
    {asMain, 60, 323, 6, 3, 1, 0, 2, 3},
    {asMain, 60, 329, 6, 2, 1, 0, 1, 0},
    {asMain, 132, 278, 14, 14, 1, 0, 4, 14},
    {asMain, 119, 58, 10, 6, 1, 0, 1, 0},
    {asMain, 69, 279, 16, 17, 1, 0, 1, 0},
    {asMain, 60, 331, 68, 15, 1, 0, 1, 0},
    {asMain, 60, 348, 3, 15, 1, 0, 1, 0},
    {asMain, 0, 310, 19, 19, 3, 19, 3, 19},
    {asSecond, 1, 305, 17, 17, 1, 0, 4, 17},
    {asSecond, 19, 305, 17, 17, 1, 0, 1, 0},
    {asSecond, 37, 305, 17, 17, 1, 0, 1, 0},
    {asSecond, 2, 375, 9, 9, 4, 9, 4, 9},
    {asSecond, 75, 128, 22, 11, 1, 0, 5, 43},
    {asSecond, 153, 96, 22, 11, 1, 0, 5, 55},
    {asSecond, 152, 78, 22, 11, 1, 0, 5, 55},
    {asSecond, 80, 100, 11, 23, 1, 0, 5, 43},
    {asSecond, 129, 96, 11, 22, 1, 0, 5, 55},
    {asSecond, 129, 67, 11, 22, 1, 0, 5, 55},
    {asSecond, 68, 365, 21, 21, 4, 21, 1, 0},
    {asSecond, 68, 344, 21, 21, 4, 21, 1, 0},
    {asSecond, 69, 386, 18, 21, 4, 21, 1, 0},
    {asSecond, 103, 101, 18, 18, 1, 0, 4, 18},
    {asSecond, 153, 344, 15, 18, 1, 0, 1, 0},
};
static_assert(sizeof(CellGroups) / sizeof(CellGroups[0]) == ciCount, "one group per cell id");

constexpr TPixelRect GroupBounds(const TCellGroup& g)
{
    return {g.x, g.y, g.x + (g.columns - 1) * g.dx + g.width, g.y + (g.rows - 1) * g.dy + g.height};
}

constexpr bool FitsSheet(const TCellGroup& g, TAtlasSize size)
{
    const TPixelRect r = GroupBounds(g);
    return r.left >= 0 && r.top >= 0 && r.right <= size.width && r.bottom <= size.height;
}

constexpr bool OnSheet(const TCellGroup& g, TAtlasSheet sheet)
{
    return g.sheet == sheet || g.sheet == asBoth;
}

constexpr bool CellsOverlap(const TCellGroup& a, int ac, int ar, const TCellGroup& b, int bc, int br)
{
    const int ax = a.x + ac * a.dx, ay = a.y + ar * a.dy, bx = b.x + bc * b.dx, by = b.y + br * b.dy;
    return ax < bx + b.width && bx < ax + a.width && ay < by + b.height && by < ay + a.height;
}

constexpr bool GroupsOverlap(const TCellGroup& a, const TCellGroup& b)
{
    for (int ac = 0; ac < a.columns; ++ac)
        for (int ar = 0; ar < a.rows; ++ar)
            for (int bc = 0; bc < b.columns; ++bc)
                for (int br = 0; br < b.rows; ++br)
                    if (CellsOverlap(a, ac, ar, b, bc, br))
                        return true;
    return false;
}

constexpr bool CellsFitTheirAtlases()
{
    for (const TCellGroup& g : CellGroups) {
        if (OnSheet(g, asMain) && !FitsSheet(g, MainAtlasSize))
            return false;
        if (OnSheet(g, asSecond) && !FitsSheet(g, SecondAtlasSize))
            return false;
    }
    return true;
}

// No two cells share a pixel.
constexpr bool CellsAreDisjoint()
{
    for (int i = 0; i < ciCount; ++i)
        for (int j = i + 1; j < ciCount; ++j) {
            const TCellGroup& a = CellGroups[i];
            const TCellGroup& b = CellGroups[j];
            const bool shared = (OnSheet(a, asMain) && OnSheet(b, asMain)) ||
                                (OnSheet(a, asSecond) && OnSheet(b, asSecond));
            if (shared && GroupsOverlap(a, b))
                return false;
        }
    return true;
}

static_assert(CellsFitTheirAtlases(), "a cell lies outside its atlas");
static_assert(CellsAreDisjoint(), "two cells overlap");

constexpr TPixelRect Cell(TCellId id, int row = 0, int column = 0)
{
    const TCellGroup& g = CellGroups[id];
    const int x = g.x + column * g.dx, y = g.y + row * g.dy;
    return {x, y, x + g.width, y + g.height};
}
