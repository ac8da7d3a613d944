// The theme form over real windows, its stored description, and the one
// process-wide set of message options.
#include "framework/components/reader.h"
#include "framework/forms/application.h"
#include "styling/forms/themeforms.h"
#include "styling/themes/skthemeluna.h"
#include "styling/themes/skthemestd.h"
#include "tests/support/skcontroltest.h"
#include "tests/support/skinnedform.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

// Luna, with each caption button filled in a colour of its own, so that
// what is painted can be found on the screen.
class TButtonMarkTheme : public TSkThemeLuna {
public:
    static COLORREF Mark(uint8_t glyph) { return RGB(250, 10 + 20 * glyph, 5); }

protected:
    bool CachesPictures() const override { return false; }
    void PaintFormButton(TCanvas* canvas, const TRect& rect, uint8_t glyph, bool, bool, bool,
                         TSkBorderStyle) const override
    {
        FillRectColor(canvas, rect, static_cast<TColor>(Mark(glyph)));
    }
};

class ThemeFormTest : public SkControlsTest {
protected:
    // A shown 298 x 110 form (the main window's size) skinned by the theme.
    void Make(TSkTheme* theme, TSkBorderStyle style, const std::wstring& caption,
              TSkFormPerformance performance = ksfpSharedBuffer)
    {
        f = NewSkinned<TSkThemeForm>(298, 110, true, [&](TSkCustomForm& made) {
            stylist = new TSkStylist(made.Owner());
            stylist->SetTheme(theme);
            made.SetBorderStyle(style);
            made.SetBorderIcons(TSkBorderIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize,
                                               kbiHelp, kbiRollup, kbiTray});
            made.SetPerformance(performance);
            made.SetCaption(caption);
            static_cast<TSkThemeForm&>(made).SetStylist(stylist);
        });
        skin = static_cast<TSkThemeForm*>(f.skin);
    }
    // The frame as the window shows it after a fresh non-client paint.
    std::unique_ptr<TestDib> Shown() const
    {
        SendMessageA(f.Window(), WM_NCPAINT, 1, 0);
        auto dib = std::make_unique<TestDib>(298, 110);
        ReadWindow(f.Window(), *dib);
        return dib;
    }

    SkinnedForm f;
    TSkStylist* stylist = nullptr;
    TSkThemeForm* skin = nullptr;
};

} // namespace

TEST_F(ThemeFormTest, TheButtonsPaintedAreTheButtonsHitAndAToolWindowHasOnlyClose)
{
    const struct {
        TSkBorderStyle style;
        TSkFormPerformance performance;
        std::map<uint8_t, LRESULT> shown;
        std::pair<LONG, LONG> clientOrigin;  // Luna's borders
    } cases[] = {
        {kbsStandard, ksfpNoBuffer, {{kfbClose, HTCLOSE}, {kfbMaximize, HTMAXBUTTON},
                                     {kfbMinimize, HTMINBUTTON}, {kfbHelp, HTHELP},
                                     {kfbRollup, HTBORDER}, {kfbTray, HTBORDER}}, {3, 29}},
        {kbsToolWindow, ksfpNoBuffer, {{kfbClose, HTCLOSE}}, {2, 19}},
        {kbsToolWindow, ksfpSharedBuffer, {{kfbClose, HTCLOSE}}, {2, 19}},
    };
    for (const auto& c : cases) {
        Make(new TButtonMarkTheme, c.style, L"Okno", c.performance);
        const auto dib = Shown();
        for (uint8_t glyph = kfbClose; glyph <= kfbTray; ++glyph) {
            const RECT painted = BoundsOf(*dib, Rgb(TButtonMarkTheme::Mark(glyph)));
            const auto hit = c.shown.find(glyph);
            EXPECT_EQ(IsRectEmpty(&painted) == FALSE, hit != c.shown.end()) << int(glyph);
            if (hit == c.shown.end())
                continue;
            EXPECT_EQ(f.HitTest(painted.left, painted.top), hit->second);
            EXPECT_EQ(f.HitTest(painted.right - 1, painted.bottom - 1), hit->second);
            EXPECT_NE(f.HitTest(painted.left - 1, painted.top), hit->second);
            EXPECT_NE(f.HitTest(painted.right, painted.bottom - 1), hit->second);
        }
        EXPECT_EQ(std::pair(f.ClientOrigin().x, f.ClientOrigin().y), c.clientOrigin);
    }
    // The close button closes.
    const LPARAM at = f.AtWindow(f.Button(kbiClose).left + 2, f.Button(kbiClose).top + 2);
    SendMessageA(f.Window(), WM_NCLBUTTONDOWN, HTCLOSE, at);
    SendMessageA(f.Window(), WM_NCLBUTTONUP, HTCLOSE, at);
    EXPECT_FALSE(IsWindowVisible(f.Window()));
}

TEST_F(ThemeFormTest, ALongCaptionStopsShortOfTheCloseButtonAndTheTopBorderBelowItsWidthIsCaption)
{
    Make(new TSkThemeLuna, kbsToolWindow, L"");
    const auto blank = Shown();
    skin->SetCaption(std::wstring(80, L'W'));
    const auto captioned = Shown();
    const TRect close = f.Button(kbiClose);
    int changed = 0;
    for (int y = 0; y < f.ClientOrigin().y; ++y)
        for (int x = 0; x < 298; ++x) {
            const bool differs = blank->Pixel(x, y) != captioned->Pixel(x, y);
            changed += differs;
            EXPECT_FALSE(differs && x >= close.left) << x << "," << y;
        }
    EXPECT_GT(changed, 100);

    // Luna's tool-window border is 2 pixels.
    skin->Dragging()->SetSizeable(true);
    EXPECT_EQ(f.HitTest(150, 1), HTTOP);
    EXPECT_EQ(f.HitTest(150, 3), HTCAPTION);
    EXPECT_EQ(f.HitTest(10, 1), HTTOPLEFT);
}

TEST_F(ThemeFormTest, FollowsItsStylistsThemeChangesAndFallsBackWhenTheStylistGoes)
{
    Make(new TSkThemeLuna, kbsToolWindow, L"Sheet Mill");
    const auto luna = Shown();
    stylist->SetTheme(new TSkThemeStd);
    const auto std = Shown();
    EXPECT_EQ(f.ClientOrigin().x, 3);
    EXPECT_EQ(f.ClientOrigin().y, 20);
    EXPECT_NE(luna->Pixel(150, 8), std->Pixel(150, 8));

    const auto switchTwice = [&] {
        stylist->SetTheme(new TSkThemeLuna);
        stylist->SetTheme(new TSkThemeStd);
    };
    EXPECT_EQ(GuiGrowth(switchTwice, 10), (TGuiCounts{0, 0}));

    // The fixed frame: border 4 all round.
    stylist->Free();
    EXPECT_EQ(skin->Stylist(), nullptr);
    EXPECT_EQ(f.ClientOrigin().x, SkFallbackBorder);
    EXPECT_EQ(f.ClientOrigin().y, SkFallbackBorder + SkFallbackToolCaption);
}

TEST_F(ThemeFormTest, AFrameKeptBetweenPaintsShowsEveryChangeAndLeavesTheClientAlone)
{
    const auto captionPixelsChanged = [&](const TestDib& a, const TestDib& b) {
        int changed = 0;
        for (int y = 0; y < f.ClientOrigin().y; ++y)
            for (int x = 0; x < 298; ++x)
                changed += a.Pixel(x, y) != b.Pixel(x, y);
        return changed;
    };
    for (TSkFormPerformance performance :
         {ksfpNoBuffer, ksfpSharedBuffer, ksfpPersistentBuffer}) {
        Make(new TSkThemeLuna, kbsToolWindow, L"Sheet Mill", performance);
        std::unique_ptr<TestDib> last = Shown();
        const std::pair<const char*, std::function<void()>> changes[] = {
            {"caption", [&] { skin->SetCaption(L"Edytor Cue"); }},
            {"hue", [&] { stylist->SetDeltaHue(90); }},
            {"inactive", [&] { SendMessageA(f.Window(), WM_NCACTIVATE, FALSE, 0); }},
        };
        for (const auto& [what, change] : changes) {
            change();
            auto now = Shown();
            EXPECT_GT(captionPixelsChanged(*last, *now), 50) << what << " " << int(performance);
            last = std::move(now);
        }
        // The frame's one copy to the window leaves the client out.
        HDC dc = GetDC(f.Window());
        const RECT client = f.ClientRect();
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(f.Window(), dc);
        const POINT origin = f.ClientOrigin();
        EXPECT_EQ(Shown()->Pixel(origin.x + 5, origin.y + 5), 0u) << int(performance);
    }
}

TEST_F(ThemeFormTest, LoadsAsTheProgramsWindowsStoreItWithTheStylistHereOrOnAnotherForm)
{
    FormPtr host = NewForm();
    host->SetName("StylistHost");
    auto* remote = new TSkStylist(host.get());
    remote->SetName("SkStylist1");
    const std::string body = "  object SkThemeForm1: TSkThemeForm\r\n"
                             "    Caption = 'Sheet Mill by Quillon v. 0.2beta'\r\n"
                             "    BorderIcons = [kbiClose]\r\n"
                             "    BorderStyle = kbsToolWindow\r\n"
                             "    Animation.Enabled = True\r\n"
                             "    Dragging.Sizeable = False\r\n"
                             "    Performance = ksfpSharedBuffer\r\n"
                             "    StayOnTop = False\r\n"
                             "    StretchBackground = True\r\n"
                             "    WindowState = kwsNormal\r\n";
    for (const std::string stylistLine : {"SkStylist1", "StylistHost.SkStylist1"}) {
        const bool local = stylistLine == "SkStylist1";
        const std::string text = "object Form3: TForm\r\n" +
                                 std::string(local ? "  object SkStylist1: TSkStylist\r\n  end\r\n"
                                                   : "") +
                                 body + "    Stylist = " + stylistLine + "\r\n  end\r\nend\r\n";
        Owned<TForm> loaded(static_cast<TForm*>(ReadComponentText(text)));
        auto* skin = static_cast<TSkThemeForm*>(loaded->FindComponent("SkThemeForm1"));
        ASSERT_TRUE(skin);
        EXPECT_EQ(skin->Stylist(), local ? loaded->FindComponent("SkStylist1") : remote);
        EXPECT_EQ(skin->Caption(), L"Sheet Mill by Quillon v. 0.2beta");
        EXPECT_TRUE(skin->BorderIcons() == TSkBorderIcons{kbiClose} &&
                    skin->BorderStyle() == kbsToolWindow);
        EXPECT_TRUE(skin->Animation()->Enabled() && skin->StretchBackground() && skin->Active() &&
                    !skin->Dragging()->Sizeable() && skin->Performance() == ksfpSharedBuffer);
        EXPECT_EQ(skin->Version(), "3.3.0");
    }
}

TEST_F(ThemeFormTest, TheMessageOptionsKeepOneProcessWideInstance)
{
    TSkCustomMessage* started = SkMessage();
    ASSERT_TRUE(started && started->Owner() == Application);
    EXPECT_EQ(started->BorderIcons(), (TSkBorderIcons{kbiClose, kbiSystemMenu}));
    EXPECT_FALSE(started->Dragging()->Sizeable());

    FormPtr owner = NewForm();
    const int before = Application->ComponentCount();
    auto* mine = new TSkCustomMessage(owner.get());
    mine->SetGlobal(true);
    EXPECT_EQ(SkMessage(), mine);
    EXPECT_EQ(Application->ComponentCount(), before - 1);  // the start-up one is freed
    mine->SetGlobal(false);
    EXPECT_EQ(SkMessage(), mine);
    mine->Free();
    EXPECT_EQ(SkMessage(), nullptr);
}
