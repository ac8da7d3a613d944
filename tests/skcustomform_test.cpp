// The skinned frame over real windows: the non-client size it gives the
// system, hit tests against the frame it paints, caption buttons with their
// hot and pressed parts, its own move and size loop driven by real mouse
// messages (full and outline drags, a capture taken away), the pixels of the
// fallback frame through every surface, and the client background.
#include "framework/forms/form.h"
#include "styling/core/sksystem.h"
#include "styling/core/skvisualstyles.h"
#include "styling/forms/skcustomform.h"
#include "tests/support/skinnedform.h"

#include <gtest/gtest.h>
#include <uxtheme.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

bool Empty(const RECT& r) { return IsRectEmpty(&r) != FALSE; }

TEST(SkCustomForm, TheFrameDecidesTheClientAreaAndKeepsItWhenItsStyleChanges)
{
    SkinnedForm f = NewSkinned();
    // Border 4 all round, caption 18 above.
    RECT client = f.ClientRect();
    EXPECT_EQ(client.right, 300 - 8);
    EXPECT_EQ(client.bottom, 200 - 4 - 22);
    EXPECT_EQ(f.ClientOrigin().x, 4);
    EXPECT_EQ(f.ClientOrigin().y, 22);

    // The answer is 0 whatever is asked.
    NCCALCSIZE_PARAMS params{};
    WINDOWPOS pos{};
    params.rgrc[0] = {100, 100, 400, 300};
    params.lppos = &pos;
    EXPECT_EQ(SendMessageA(f.Window(), WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params)), 0);
    EXPECT_EQ(params.rgrc[0].left, 104);
    EXPECT_EQ(params.rgrc[0].top, 122);
    EXPECT_EQ(params.rgrc[1].bottom, 296);
    RECT plain{10, 10, 50, 50};
    EXPECT_EQ(SendMessageA(f.Window(), WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&plain)), 0);
    EXPECT_EQ(plain.right, 50);

    // A smaller caption, then none: the client size stays, the window follows.
    f.skin->SetBorderStyle(kbsToolWindow);
    EXPECT_EQ(f.ClientRect().right, client.right);
    EXPECT_EQ(f.ClientRect().bottom, client.bottom);
    EXPECT_EQ(f.WindowRect().bottom - f.WindowRect().top, 200 - 3);
    f.skin->SetBorderStyle(kbsNone);
    EXPECT_EQ(f.ClientRect().bottom, client.bottom);
    EXPECT_EQ(f.WindowRect().right - f.WindowRect().left, client.right);

    // Sizes are held between the track sizes.
    f.form->SetBounds(40, 40, 20, 10);
    EXPECT_EQ(f.WindowRect().right - f.WindowRect().left, SkMinTrackWidth);
    EXPECT_EQ(f.WindowRect().bottom - f.WindowRect().top, SkMinTrackHeight);
    f.skin->Constraints()->SetMaxWidth(400);
    f.form->SetBounds(40, 40, 600, 300);
    EXPECT_EQ(f.WindowRect().right - f.WindowRect().left, 400);
}

TEST(SkCustomForm, HitTestsFollowThePaintedFrameAndTheDraggingRules)
{
    SkinnedForm f = NewSkinned();
    struct Case {
        int x, y;
        LRESULT normal, fixedSize, maximized;
    };
    const TRect close = f.Button(kbiClose), max = f.Button(kbiMaximize),
                min = f.Button(kbiMinimize), icon = f.Button(kbiSystemMenu),
                rollup = f.Button(kbiRollup);
    const Case cases[] = {
        {150, 10, HTCAPTION, HTCAPTION, HTCAPTION},
        {150, 1, HTTOP, HTCLIENT, HTCAPTION},
        {5, 1, HTTOPLEFT, HTCLIENT, HTCAPTION},
        {1, 19, HTTOPLEFT, HTCLIENT, HTCAPTION},
        {19, 1, HTTOPLEFT, HTCLIENT, HTCAPTION},  // the corners' last and the edge's first pixels
        {20, 1, HTTOP, HTCLIENT, HTCAPTION},
        {280, 1, HTTOP, HTCLIENT, HTCAPTION},
        {281, 1, HTTOPRIGHT, HTCLIENT, HTCAPTION},
        {298, 2, HTTOPRIGHT, HTCLIENT, HTCAPTION},
        {1, 100, HTLEFT, HTCLIENT, HTCLIENT},
        {299, 100, HTRIGHT, HTCLIENT, HTCLIENT},
        {150, 197, HTBOTTOM, HTCLIENT, HTCLIENT},
        {150, 196, HTBOTTOM, HTCLIENT, HTCLIENT},  // the first rows past the client area
        {296, 100, HTRIGHT, HTCLIENT, HTCLIENT},
        {150, 195, HTCLIENT, HTCLIENT, HTCLIENT},
        {3, 100, HTLEFT, HTCLIENT, HTCLIENT},
        {4, 100, HTCLIENT, HTCLIENT, HTCLIENT},
        {1, 190, HTBOTTOMLEFT, HTCLIENT, HTCLIENT},
        {290, 199, HTBOTTOMRIGHT, HTCLIENT, HTCLIENT},
        {150, 100, HTCLIENT, HTCLIENT, HTCLIENT},
        {close.left, close.top, HTCLOSE, HTCLOSE, HTCLOSE},
        {close.right - 1, close.bottom - 1, HTCLOSE, HTCLOSE, HTCLOSE},
        {close.right, close.top, HTCAPTION, HTCAPTION, HTCAPTION},
        {max.left + 3, max.top + 3, HTMAXBUTTON, HTMAXBUTTON, HTMAXBUTTON},
        {min.left + 3, min.top + 3, HTMINBUTTON, HTMINBUTTON, HTMINBUTTON},
        {icon.left + 3, icon.top + 3, HTBORDER, HTBORDER, HTBORDER},
        {rollup.left + 3, rollup.top + 3, HTBORDER, HTBORDER, HTBORDER},
    };
    // Buttons right to left with a gap, the icon at the left, all inside the caption.
    EXPECT_EQ(close.right, 300 - 6);
    EXPECT_EQ(max.right, close.left - 2);
    EXPECT_EQ(icon.left, 6);
    EXPECT_TRUE(Empty(f.Button(kbiHelp)));

    for (const Case& c : cases)
        EXPECT_EQ(f.HitTest(c.x, c.y), c.normal) << c.x << "," << c.y;
    f.skin->Dragging()->SetSizeable(false);
    for (const Case& c : cases)
        EXPECT_EQ(f.HitTest(c.x, c.y), c.fixedSize) << c.x << "," << c.y << " fixed size";
    f.skin->Dragging()->SetSizeable(true);
    // Hit-tested in the maximized window's own size: the points stay near
    // its top left, where the same parts are.
    f.skin->Maximize();
    for (const Case& c : cases) {
        if (c.x < 100) {
            EXPECT_EQ(f.HitTest(c.x, c.y), c.maximized) << c.x << "," << c.y << " maximized";
        }
    }
    f.skin->Restore();
    f.skin->Dragging()->SetMoveable(false);
    EXPECT_EQ(f.HitTest(150, 10), HTCLIENT);
}

TEST(SkCustomForm, CaptionButtonsTrackHotAndPressedAndActOnlyWhenReleasedOnThemselves)
{
    SkinnedForm f = NewSkinned();
    const TRect close = f.Button(kbiClose), max = f.Button(kbiMaximize);
    SendMessageA(f.Window(), WM_NCMOUSEMOVE, HTCLOSE, f.AtWindow(close.left + 2, close.top + 2));
    EXPECT_EQ(f.skin->HotPart(), kfpClose);
    SendMessageA(f.Window(), WM_NCMOUSEMOVE, HTCAPTION, f.AtWindow(100, 10));
    EXPECT_EQ(f.skin->HotPart(), kfpCaption);
    // Into the client area: nothing stays hot.
    SendMessageA(f.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(50, 50));
    EXPECT_EQ(f.skin->HotPart(), kfpNone);

    // Pressed, dragged off and released elsewhere: nothing happens.
    SendMessageA(f.Window(), WM_NCLBUTTONDOWN, HTCLOSE, f.AtWindow(close.left + 2, close.top + 2));
    EXPECT_EQ(f.skin->PressedPart(), kfpClose);
    EXPECT_EQ(GetCapture(), f.Window());
    TestDib pressed(300, 30);
    ReadWindow(f.Window(), pressed);
    SendMessageA(f.Window(), WM_MOUSEMOVE, MK_LBUTTON, f.AtClient(100, 10));
    EXPECT_EQ(f.skin->HotPart(), kfpCaption);
    TestDib left(300, 30);
    ReadWindow(f.Window(), left);
    SendMessageA(f.Window(), WM_LBUTTONUP, 0, f.AtClient(100, 10));
    EXPECT_EQ(f.skin->PressedPart(), kfpNone);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(IsWindowVisible(f.Window()));
    // The button looked pushed only while the mouse was on it.
    int differing = 0;
    for (int y = close.top; y < close.bottom; ++y)
        for (int x = close.left; x < close.right; ++x)
            differing += pressed.Pixel(x, y) != left.Pixel(x, y);
    EXPECT_GT(differing, 10);

    // Maximize, then restore, through the button.
    const RECT before = f.WindowRect();
    SendMessageA(f.Window(), WM_NCLBUTTONDOWN, HTMAXBUTTON, f.AtWindow(max.left + 2, max.top + 2));
    SendMessageA(f.Window(), WM_NCLBUTTONUP, HTMAXBUTTON, f.AtWindow(max.left + 2, max.top + 2));
    EXPECT_EQ(f.skin->WindowState(), kwsMaximized);
    EXPECT_EQ(f.skin->HotPart(), kfpNoHot);
    const TRect maxNow = f.Button(kbiMaximize);
    SendMessageA(f.Window(), WM_NCLBUTTONDOWN, HTMAXBUTTON, f.AtWindow(maxNow.left + 2, maxNow.top + 2));
    SendMessageA(f.Window(), WM_NCLBUTTONUP, HTMAXBUTTON, f.AtWindow(maxNow.left + 2, maxNow.top + 2));
    EXPECT_EQ(f.skin->WindowState(), kwsNormal);
    EXPECT_TRUE(Same(before, f.WindowRect()));

    // Close, and the form is gone from the screen.
    SendMessageA(f.Window(), WM_NCLBUTTONDOWN, HTCLOSE, f.AtWindow(close.left + 2, close.top + 2));
    SendMessageA(f.Window(), WM_NCLBUTTONUP, HTCLOSE, f.AtWindow(close.left + 2, close.top + 2));
    EXPECT_FALSE(IsWindowVisible(f.Window()));
}

// Press at a window point, move the mouse by steps, release: real mouse
// messages as the system sends them while the window holds the capture.
void Drag(const SkinnedForm& f, POINT at, const std::vector<POINT>& steps, bool release = true)
{
    const RECT start = f.WindowRect();
    SendMessageA(f.Window(), WM_NCLBUTTONDOWN, HTCAPTION, f.AtWindow(at.x, at.y));
    POINT screen{start.left + at.x, start.top + at.y};
    for (POINT step : steps) {
        screen.x += step.x;
        screen.y += step.y;
        POINT client = screen;
        ScreenToClient(f.Window(), &client);
        SendMessageA(f.Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    }
    if (release) {
        POINT client = screen;
        ScreenToClient(f.Window(), &client);
        SendMessageA(f.Window(), WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    }
}

TEST(SkCustomForm, TheMoveAndSizeLoopFollowsTheMouseWithinTheRules)
{
    SkinnedForm f = NewSkinned();
    const RECT start = f.WindowRect();
    Drag(f, {100, 10}, {{10, 5}, {20, 15}});
    RECT now = f.WindowRect();
    EXPECT_EQ(now.left, start.left + 30);
    EXPECT_EQ(now.top, start.top + 20);
    EXPECT_FALSE(f.skin->Tracking());
    EXPECT_EQ(GetCapture(), nullptr);

    // The right border grows the window, the left one shrinks it down to
    // the minimum track width and no further.
    Drag(f, {299, 100}, {{25, 0}, {15, 0}});
    EXPECT_EQ(f.WindowRect().right - f.WindowRect().left, 340);
    Drag(f, {0, 100}, {{100, 0}, {200, 0}});
    now = f.WindowRect();
    EXPECT_EQ(now.right - now.left, SkMinTrackWidth);
    EXPECT_EQ(now.right, start.left + 30 + 340);
    Drag(f, {150, 199}, {{0, 30}});
    EXPECT_EQ(f.WindowRect().bottom - f.WindowRect().top, 230);

    // Not sizeable: the border does not size; the caption still moves.
    f.skin->Dragging()->SetSizeable(false);
    now = f.WindowRect();
    Drag(f, {0, 100}, {{-20, 0}});
    EXPECT_TRUE(Same(now, f.WindowRect()));
    Drag(f, {80, 10}, {{-20, 0}});
    EXPECT_EQ(f.WindowRect().left, now.left - 20);

    // Maximized forms ignore caption drags; a double click on the caption
    // restores them, but only while the maximize button is shown.
    SendMessageA(f.Window(), WM_NCLBUTTONDBLCLK, HTCAPTION, f.AtWindow(80, 10));
    ASSERT_EQ(f.skin->WindowState(), kwsMaximized);
    const RECT maximized = f.WindowRect();
    Drag(f, {80, 10}, {{40, 40}});
    EXPECT_TRUE(Same(maximized, f.WindowRect()));
    f.skin->SetBorderIcons(TSkBorderIcons{kbiClose});
    SendMessageA(f.Window(), WM_NCLBUTTONDBLCLK, HTCAPTION, f.AtWindow(80, 10));
    EXPECT_EQ(f.skin->WindowState(), kwsMaximized);
    f.skin->SetBorderIcons(TSkBorderIcons{kbiClose, kbiMaximize});
    f.skin->Dragging()->SetDragMode(kfdmBorder);
    SendMessageA(f.Window(), WM_NCLBUTTONDBLCLK, HTCAPTION, f.AtWindow(80, 10));
    EXPECT_EQ(f.skin->WindowState(), kwsNormal);
    // The double click's press does not leave an outline drag behind.
    EXPECT_TRUE(f.skin->PaintEnabled());
    EXPECT_FALSE(f.skin->Tracking());
    EXPECT_EQ(f.WindowRect().left, now.left - 20);
}

// A frame that keeps the outlines it draws. The desktop it draws them on
// reads back black under Wine's null display driver, so the XOR drawing is
// checked by its rectangles: each drawn once more takes it away.
class TOutlineLog : public TSkCustomForm {
public:
    using TSkCustomForm::TSkCustomForm;
    std::vector<TRect> drawn;
    // The rectangles drawn an odd number of times: what is on the screen.
    std::vector<TRect> OnScreen() const
    {
        std::vector<TRect> shown;
        for (const TRect& r : drawn) {
            auto same = std::find_if(shown.begin(), shown.end(), [&](const TRect& s) { return Same(s, r); });
            if (same == shown.end())
                shown.push_back(r);
            else
                shown.erase(same);
        }
        return shown;
    }

protected:
    void XorOutline(const TRect& rect) override
    {
        drawn.push_back(rect);
        TSkCustomForm::XorOutline(rect);
    }
};

TEST(SkCustomForm, AnOutlineDragDrawsAndErasesExactlyAndSurvivesALostCapture)
{
    SkinnedForm f = NewSkinned<TOutlineLog>(200, 120);
    auto* skin = static_cast<TOutlineLog*>(f.skin);
    skin->Dragging()->SetDragMode(kfdmBorder);
    const RECT start = f.WindowRect();
    RECT target = start;
    OffsetRect(&target, 300, 250);

    // Mid-way: the window stays, one outline shows where it will go.
    Drag(f, {100, 10}, {{100, 100}, {150, 100}, {50, 50}}, false);
    EXPECT_TRUE(Same(start, f.WindowRect()));
    EXPECT_TRUE(Same(skin->DragOutline(), target));
    ASSERT_EQ(skin->OnScreen().size(), 1u);
    EXPECT_TRUE(Same(skin->OnScreen()[0], target));
    EXPECT_EQ(skin->drawn.size(), 5u);
    EXPECT_FALSE(skin->PaintEnabled());

    // Another window takes the mouse: the drag ends, the outline goes,
    // painting comes back, the window has not moved.
    FormPtr other = NewForm(50, 50);
    SetCapture(other->Handle());
    EXPECT_FALSE(skin->Tracking());
    EXPECT_TRUE(skin->PaintEnabled());
    EXPECT_TRUE(Empty(skin->DragOutline()));
    EXPECT_TRUE(skin->OnScreen().empty());
    EXPECT_TRUE(Same(start, f.WindowRect()));
    ReleaseCapture();

    // Released normally: the window takes the outline's place.
    Drag(f, {100, 10}, {{150, 90}, {150, 160}});
    EXPECT_TRUE(Empty(skin->DragOutline()));
    EXPECT_TRUE(skin->OnScreen().empty());
    EXPECT_TRUE(skin->PaintEnabled());
    EXPECT_EQ(skin->Dragging()->DragMode(), kfdmBorder);
    EXPECT_EQ(f.WindowRect().left, start.left + 300);
    EXPECT_EQ(f.WindowRect().top, start.top + 250);
}

TEST(SkCustomForm, TheFallbackFrameIsPaintedWhereItIsHitThroughEverySurface)
{
    SkinnedForm f = NewSkinned(240, 120);
    // The classic frame: this window asks the visual style for a class it
    // has not got, so the window has no style.
    SetWindowTheme(f.Window(), L" ", L" ");
    f.skin->UpdateFrame();
    const COLORREF caption = GetSysColor(f.skin->FormActive() ? COLOR_ACTIVECAPTION
                                                              : COLOR_INACTIVECAPTION);
    TestDib reference(260, 150);
    PatBlt(reference.DC(), 0, 0, 260, 150, WHITENESS);
    EXPECT_EQ(SendMessageA(f.Window(), SK_PAINTTO, MAKEWPARAM(10, 20), LPARAM(reference.DC())), 1);
    auto at = [&](int x, int y) { return reference.Pixel(10 + x, 20 + y); };
    // Moved by the offset: nothing above or left of it.
    EXPECT_EQ(reference.Pixel(5, 5), 0xFFFFFFu);
    EXPECT_EQ(at(120, 80), Rgb(FormBlue));
    EXPECT_EQ(at(2, 60), Rgb(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(at(120, 18), Rgb(caption));
    // Each shown button covers exactly its rectangle in the caption.
    for (TSkBorderIcon icon : {kbiClose, kbiMaximize, kbiMinimize, kbiRollup, kbiTray}) {
        const TRect r = f.Button(icon);
        ASSERT_FALSE(IsRectEmpty(&r)) << icon;
        EXPECT_EQ(at(r.left - 1, r.top + 4), Rgb(caption)) << icon;
        EXPECT_NE(at(r.left, r.top + 4), Rgb(caption)) << icon;
        EXPECT_NE(at(r.right - 1, r.bottom - 1), Rgb(caption)) << icon;
        EXPECT_EQ(at(r.right - 1, r.bottom), Rgb(caption)) << icon;
    }
    // The caption text is drawn in the caption's text colour, left of the buttons.
    int textPixels = 0;
    const COLORREF textColor = GetSysColor(f.skin->FormActive() ? COLOR_CAPTIONTEXT
                                                                : COLOR_INACTIVECAPTIONTEXT);
    for (int y = 4; y < 22; ++y)
        for (int x = 20; x < f.Button(kbiTray).left; ++x)
            textPixels += at(x, y) == Rgb(textColor);
    EXPECT_GT(textPixels, 10);

    // What the window shows after a non-client paint, whichever surface
    // the frame goes through; the persistent one twice, as it keeps the
    // frame between paints, with the client background erased between.
    TestDib scratch(240, 120);
    for (TSkFormPerformance mode : {ksfpNoBuffer, ksfpSharedBuffer, ksfpPersistentBuffer,
                                    ksfpPersistentBuffer, ksfpDoubleBuffer}) {
        f.skin->SetPerformance(mode);
        SendMessageA(f.Window(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(scratch.DC()), 0);
        TestDib shown(240, 120);
        PatBlt(shown.DC(), 0, 0, 240, 120, BLACKNESS);
        SendMessageA(f.Window(), WM_NCPAINT, 1, 0);
        ReadWindow(f.Window(), shown);
        int differing = 0;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 240; ++x)
                if (y < 22 || y >= 116 || x < 4 || x >= 236)
                    differing += shown.Pixel(x, y) != at(x, y);
        EXPECT_EQ(differing, 0) << "performance " << int(mode);
    }
}

// Where the system has a visual style, the fallback frame is its window
// frame: the caption, sides and buttons are its parts, the window its shape.
TEST(SkCustomForm, UnderTheSystemsVisualStyleTheFallbackFrameIsItsWindowFrame)
{
    if (!SkVisualStylesActive())
        GTEST_SKIP() << "the system shows no visual style here";
    SkinnedForm f = NewSkinned(240, 120);
    HTHEME theme = OpenThemeData(f.Window(), L"Window");
    ASSERT_NE(theme, nullptr);
    TRect client{};
    f.skin->GetClientBounds(client);
    const int state = f.skin->FormActive() ? SkWindowActive : SkWindowInactive;
    // A part as the style draws it over rect, read at the point p.
    auto part = [&](int id, int partState, RECT rect, POINT p) {
        TestDib dib(240, 120);
        DrawThemeBackground(theme, dib.DC(), id, partState, &rect, &rect);
        return dib.Pixel(p.x, p.y);
    };
    TestDib shown(240, 120);
    ReadWindow(f.Window(), shown);
    const RECT caption{0, 0, 240, client.top}, left{0, client.top, client.left, client.bottom};
    const POINT band{client.left + 90, client.top / 2 + 6}, side{1, client.top + 40};
    EXPECT_EQ(shown.Pixel(band.x, band.y), part(kwspCaption, state, caption, band));
    EXPECT_EQ(shown.Pixel(side.x, side.y), part(kwspFrameLeft, state, left, side));
    // The close button in its normal and hot states.
    const TRect close = f.Button(kbiClose);
    const POINT mid{(close.left + close.right) / 2, (close.top + close.bottom) / 2};
    const POINT edge{close.left + 2, close.top + 2};
    for (const POINT& p : {mid, edge})
        EXPECT_EQ(shown.Pixel(p.x, p.y), part(kwspCloseButton, SkWindowButtonNormal, close, p));
    SendMessageA(f.Window(), WM_NCMOUSEMOVE, HTCLOSE, f.AtWindow(mid.x, mid.y));
    ReadWindow(f.Window(), shown);
    EXPECT_EQ(shown.Pixel(edge.x, edge.y), part(kwspCloseButton, SkWindowButtonHot, close, edge));

    // The window has the caption part's shape.
    HRGN expected = nullptr, actual = CreateRectRgn(0, 0, 0, 0);
    const RECT whole{0, 0, 240, 120};
    ASSERT_EQ(GetThemeBackgroundRegion(theme, nullptr, kwspCaption, SkWindowActive, &whole, &expected),
              S_OK);
    EXPECT_NE(GetWindowRgn(f.Window(), actual), ERROR);
    EXPECT_TRUE(EqualRgn(expected, actual));
    DeleteObject(expected);
    DeleteObject(actual);
    CloseThemeData(theme);
}

TEST(SkCustomForm, TheClientBackgroundIsErasedWholeOrWhereTheRecordSays)
{
    SkinnedForm f = NewSkinned(240, 120);
    TestDib dib(100, 60);
    auto erase = [&](const TSkEraseRecord* record) {
        PatBlt(dib.DC(), 0, 0, 100, 60, WHITENESS);
        return SendMessageA(f.Window(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dib.DC()),
                            reinterpret_cast<LPARAM>(record));
    };
    EXPECT_EQ(erase(nullptr), 1);
    EXPECT_EQ(dib.Pixel(0, 0), Rgb(FormBlue));
    EXPECT_EQ(dib.Pixel(99, 59), Rgb(FormBlue));

    const TSkEraseRecord record{0, {10, 10, 30, 20}};
    for (TSkFormPerformance mode :
         {ksfpNoBuffer, ksfpSharedBuffer, ksfpPersistentBuffer, ksfpDoubleBuffer}) {
        f.skin->SetPerformance(mode);
        EXPECT_EQ(erase(&record), 1);
        EXPECT_EQ(dib.Pixel(10, 10), Rgb(FormBlue)) << int(mode);
        EXPECT_EQ(dib.Pixel(29, 19), Rgb(FormBlue)) << int(mode);
        EXPECT_EQ(dib.Pixel(30, 19), 0xFFFFFFu) << int(mode);
        EXPECT_EQ(dib.Pixel(9, 10), 0xFFFFFFu) << int(mode);
    }
    // OnPaint draws instead of the plain fill.
    f.skin->OnPaint = [&](TObject*) { PatBlt(dib.DC(), 0, 0, 5, 5, BLACKNESS); };
    f.skin->SetPerformance(ksfpNoBuffer);
    erase(nullptr);
    EXPECT_EQ(dib.Pixel(2, 2), 0u);
    EXPECT_EQ(dib.Pixel(50, 50), 0xFFFFFFu);
}

TEST(SkCustomForm, ANewCaptionIsShownByTheFrameNotTheSystem)
{
    SkinnedForm f = NewSkinned();
    SetWindowTextA(f.Window(), "Second");
    EXPECT_EQ(f.skin->Caption(), L"Second");
    // The caption style is off while the system handles the text, and
    // comes back once the posted request runs.
    EXPECT_FALSE(GetWindowLongPtrA(f.Window(), GWL_STYLE) & WS_CAPTION);
    PumpFor(10);
    EXPECT_TRUE(GetWindowLongPtrA(f.Window(), GWL_STYLE) & WS_CAPTION);
    f.skin->SetCaption(L"Third");
    EXPECT_EQ(WindowText(f.Window()), "Third");
    EXPECT_EQ(f.form->Caption(), "Third");
}

} // namespace
