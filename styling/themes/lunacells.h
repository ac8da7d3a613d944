// The cells of the picture theme's atlases: where each picture lies, which
// atlas holds it and how the theme copies it. The theme cuts these cells,
// the atlas generator (tools/atlasgen) draws into them and the tests read
// both by them. Plain constexpr data without windows.h, so the generator
// builds natively from the same table.
#pragma once

// The main atlas holds the active frame and the control pictures; the second
// the inactive frame, scroll bars, track thumbs, tabs and headers. Frames and
// caption buttons are on both, in their active and inactive colours.
enum TLunaSheet { lsMain, lsSecond, lsBoth };

struct TLunaAtlasSize {
    int width, height;
};
constexpr TLunaAtlasSize LunaMainAtlasSize = {190, 372};
constexpr TLunaAtlasSize LunaSecondAtlasSize = {196, 435};

// How the theme copies a cell, which says where the atlas may hold the
// see-through key colour.
enum TLunaCopy {
    lcOpaque,       // copied or stretched opaque: no key pixel at all
    lcRegionCut,    // opaque but for the top corners the window region cuts away
    lcNinePieces,   // nine pieces: only the corner squares may be see-through
    lcTransparent,  // a picture on the key colour
};

// A group of equally sized cells: columns step by dx, rows by dy.
struct TLunaCellGroup {
    TLunaSheet sheet;
    TLunaCopy copy;
    int margin;  // of the nine pieces the theme cuts each cell into, else 0
    int x, y, width, height;
    int columns, dx;
    int rows, dy;
};

enum TLunaCellId {
    lciFrameStandard,     // caption rows, then the sides, then the bottom rows
    lciFrameTool,
    lciCaptionButton,     // rows: TLunaCaptionRow; columns: normal, hot, pressed
    lciSmallClose,        // columns: normal, hot, pressed
    lciPushButton,        // rows: normal, hot, pressed, disabled, focused
    lciCheckBox,          // rows: 4 states (normal, hot, pressed, disabled) x unchecked, checked, grayed
    lciRadio,             // rows: 4 states x unchecked, checked
    lciHeaderPanelButton, // rows: chevron up, chevron down, close; columns: normal, hot, pressed
    lciComboButton,       // rows: 4 states
    lciComboGlyph,        // rows: 4 states
    lciSpeedFace,         // rows: plain, down; columns: raised, pushed
    lciSpeedPressed,
    lciDropArrow,         // rows: 4 states
    lciDropArrowDown,     // rows: normal, hot
    lciDropArrowDownPressed,  // two rows high: the status bar strip starts below
    lciSmallButton,       // rows: 4 states
    lciGripDot,
    lciSizeGrip,
    lciStatusBar,
    lciStatusSeparator,
    lciMenuBarButton,     // rows: normal, hot, pressed; columns: minimize, restore, close
    lciScrollBody,        // rows: 4 states
    lciScrollTrackH,
    lciScrollTrackV,
    lciScrollArrow,       // rows: 4 states; columns: TLunaArrow
    lciThumbV0,           // vertical bar: block, pointing left, pointing right;
    lciThumbV1,           // rows: normal, hot, pressed, focused, disabled
    lciThumbV2,
    lciThumbH0,           // horizontal bar: block, pointing up, pointing down
    lciThumbH1,
    lciThumbH2,
    lciTabNormal,         // columns: TLunaTabSide
    lciTabHot,
    lciTabSelected,
    lciHeaderSection,     // rows: normal, disabled or focused, hot, pressed
    lciTabSheet,
    lciCount
};

enum TLunaCaptionRow {
    lcrClose, lcrHelp, lcrMaximize, lcrMinimize, lcrRestore, lcrRollDown, lcrTray, lcrRollUp
};
enum TLunaArrow { laUp, laLeft, laDown, laRight };
enum TLunaTabSide { ltsTop, ltsBottom, ltsRight, ltsLeft };

constexpr TLunaCellGroup LunaCellGroups[] = {
    {lsBoth, lcRegionCut, 0, 0, 0, 66, 60, 1, 0, 1, 0},
    {lsBoth, lcOpaque, 0, 66, 0, 66, 51, 1, 0, 1, 0},
    {lsBoth, lcOpaque, 0, 0, 70, 21, 21, 3, 21, 8, 30},
    {lsBoth, lcOpaque, 0, 66, 70, 14, 14, 3, 14, 1, 0},
    {lsMain, lcNinePieces, 4, 70, 100, 73, 21, 1, 0, 5, 30},
    {lsMain, lcTransparent, 0, 171, 102, 16, 16, 1, 0, 12, 16},
    {lsMain, lcTransparent, 0, 152, 102, 16, 16, 1, 0, 8, 16},
    {lsMain, lcTransparent, 0, 134, 32, 17, 17, 3, 17, 3, 17},
    {lsMain, lcOpaque, 0, 151, 248, 15, 14, 1, 0, 4, 14},
    {lsMain, lcTransparent, 0, 155, 314, 10, 7, 1, 0, 4, 7},
    {lsMain, lcNinePieces, 4, 89, 278, 20, 23, 2, 20, 2, 23},
    {lsMain, lcNinePieces, 4, 69, 301, 20, 23, 1, 0, 1, 0},
    {lsMain, lcTransparent, 0, 60, 311, 6, 3, 1, 0, 4, 3},
    {lsMain, lcTransparent, 0, 60, 323, 6, 3, 1, 0, 2, 3},
    {lsMain, lcTransparent, 0, 60, 329, 6, 2, 1, 0, 1, 0},
    {lsMain, lcNinePieces, 3, 132, 278, 14, 14, 1, 0, 4, 14},
    {lsMain, lcTransparent, 0, 119, 58, 10, 6, 1, 0, 1, 0},
    {lsMain, lcTransparent, 0, 69, 279, 16, 17, 1, 0, 1, 0},
    {lsMain, lcOpaque, 0, 60, 331, 68, 15, 1, 0, 1, 0},
    {lsMain, lcTransparent, 0, 60, 348, 3, 15, 1, 0, 1, 0},
    {lsMain, lcOpaque, 0, 0, 310, 19, 19, 3, 19, 3, 19},
    {lsSecond, lcOpaque, 3, 1, 305, 17, 17, 1, 0, 4, 17},
    {lsSecond, lcOpaque, 0, 19, 305, 17, 17, 1, 0, 1, 0},
    {lsSecond, lcOpaque, 0, 37, 305, 17, 17, 1, 0, 1, 0},
    {lsSecond, lcTransparent, 0, 2, 375, 9, 9, 4, 9, 4, 9},
    {lsSecond, lcTransparent, 0, 75, 128, 22, 11, 1, 0, 5, 43},
    {lsSecond, lcTransparent, 0, 153, 96, 22, 11, 1, 0, 5, 55},
    {lsSecond, lcTransparent, 0, 152, 78, 22, 11, 1, 0, 5, 55},
    {lsSecond, lcTransparent, 0, 80, 100, 11, 23, 1, 0, 5, 43},
    {lsSecond, lcTransparent, 0, 129, 96, 11, 22, 1, 0, 5, 55},
    {lsSecond, lcTransparent, 0, 129, 67, 11, 22, 1, 0, 5, 55},
    {lsSecond, lcNinePieces, 4, 68, 365, 21, 21, 4, 21, 1, 0},
    {lsSecond, lcNinePieces, 4, 68, 344, 21, 21, 4, 21, 1, 0},
    {lsSecond, lcNinePieces, 4, 69, 386, 18, 21, 4, 21, 1, 0},
    {lsSecond, lcOpaque, 4, 103, 101, 18, 18, 1, 0, 4, 18},
    {lsSecond, lcOpaque, 4, 153, 344, 15, 18, 1, 0, 1, 0},
};
static_assert(sizeof(LunaCellGroups) / sizeof(LunaCellGroups[0]) == lciCount,
              "one group per cell id");

// The frame templates: a caption band, the side strips below it and the
// bottom rows, all `border` wide. The tool-window caption band is one column
// short of its template; its last column stands for the right corner.
struct TLunaFrame {
    TLunaCellId cell;
    int border, caption, captionWidth;
};
constexpr TLunaFrame LunaStandardFrame = {lciFrameStandard, 3, 29, 66};
constexpr TLunaFrame LunaToolFrame = {lciFrameTool, 2, 19, 65};

// Pixels the window region of a standard frame cuts off rows 0..4 at each top
// corner; the template's key colour lies exactly there.
constexpr int LunaCaptionCornerCut[] = {5, 3, 2, 1, 1};

// A cell in pixels; right and bottom exclusive.
struct TLunaRect {
    int left, top, right, bottom;
};

constexpr TLunaRect LunaCell(TLunaCellId id, int row = 0, int column = 0)
{
    const TLunaCellGroup& g = LunaCellGroups[id];
    const int x = g.x + column * g.dx, y = g.y + row * g.dy;
    return {x, y, x + g.width, y + g.height};
}

constexpr TLunaRect LunaGroupBounds(const TLunaCellGroup& g)
{
    return {g.x, g.y, g.x + (g.columns - 1) * g.dx + g.width, g.y + (g.rows - 1) * g.dy + g.height};
}

constexpr bool LunaOnSheet(const TLunaCellGroup& g, TLunaSheet sheet)
{
    return g.sheet == sheet || g.sheet == lsBoth;
}

namespace lunacells_detail {

constexpr bool Fits(const TLunaCellGroup& g, TLunaAtlasSize size)
{
    const TLunaRect r = LunaGroupBounds(g);
    return r.left >= 0 && r.top >= 0 && r.right <= size.width && r.bottom <= size.height;
}

constexpr bool CellsOverlap(const TLunaCellGroup& a, int ac, int ar, const TLunaCellGroup& b,
                            int bc, int br)
{
    const int ax = a.x + ac * a.dx, ay = a.y + ar * a.dy, bx = b.x + bc * b.dx, by = b.y + br * b.dy;
    return ax < bx + b.width && bx < ax + a.width && ay < by + b.height && by < ay + a.height;
}

constexpr bool GroupsOverlap(const TLunaCellGroup& a, const TLunaCellGroup& b)
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
    for (const TLunaCellGroup& g : LunaCellGroups) {
        if (LunaOnSheet(g, lsMain) && !Fits(g, LunaMainAtlasSize))
            return false;
        if (LunaOnSheet(g, lsSecond) && !Fits(g, LunaSecondAtlasSize))
            return false;
    }
    return true;
}

// No two cells share a pixel.
constexpr bool CellsAreDisjoint()
{
    for (int i = 0; i < lciCount; ++i)
        for (int j = i + 1; j < lciCount; ++j) {
            const TLunaCellGroup& a = LunaCellGroups[i];
            const TLunaCellGroup& b = LunaCellGroups[j];
            const bool shared = (LunaOnSheet(a, lsMain) && LunaOnSheet(b, lsMain)) ||
                                (LunaOnSheet(a, lsSecond) && LunaOnSheet(b, lsSecond));
            if (shared && GroupsOverlap(a, b))
                return false;
        }
    return true;
}

}  // namespace lunacells_detail

static_assert(lunacells_detail::CellsFitTheirAtlases(), "a cell lies outside its atlas");
static_assert(lunacells_detail::CellsAreDisjoint(), "two cells overlap");
