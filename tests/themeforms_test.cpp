// The theme form over real windows: the theme's frame sizes reach the system,
// the buttons the theme paints are the ones the hit test answers, the
// caption stays clear of the close button, the form follows its stylist's
// theme changes and removal, a stored description loads, and the message
// options keep one process-wide instance.
#include "framework/components/reader.h"
#include "framework/forms/application.h"
#include "styling/controls/skbutton.h"
#include "styling/controls/skcheckbox.h"
#include "styling/controls/skedit.h"
#include "styling/controls/sklabel.h"
#include "styling/forms/themeforms.h"
#include "styling/themes/skthemeluna.h"
#include "styling/themes/skthemestd.h"
#include "tests/support/skcontroltest.h"

#include <gtest/gtest.h>

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
        form = NewForm(298, 110);
        stylist = new TSkStylist(form.get());
        stylist->SetTheme(theme);
        skin = new TSkThemeForm(form.get());
        skin->SetBorderStyle(style);
        skin->SetBorderIcons(TSkBorderIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize,
                                            kbiHelp, kbiRollup, kbiTray});
        skin->SetPerformance(performance);
        skin->SetCaption(caption);
        form->HandleNeeded();
        skin->SetStylist(stylist);
        skin->Loaded();
        form->SetBounds(40, 40, 298, 110);
        ShowAndWait(form.get());
    }
    HWND Window() const { return form->Handle(); }
    LRESULT HitTest(int x, int y) const
    {
        RECT r;
        GetWindowRect(Window(), &r);
        return SendMessageA(Window(), WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y));
    }
    POINT ClientOrigin() const
    {
        RECT r;
        GetWindowRect(Window(), &r);
        POINT p{0, 0};
        ClientToScreen(Window(), &p);
        return {p.x - r.left, p.y - r.top};
    }
    // The frame as the window shows it after a fresh non-client paint.
    std::unique_ptr<TestDib> Shown() const
    {
        SendMessageA(Window(), WM_NCPAINT, 1, 0);
        auto dib = std::make_unique<TestDib>(298, 110);
        HDC dc = GetWindowDC(Window());
        BitBlt(dib->DC(), 0, 0, 298, 110, dc, 0, 0, SRCCOPY);
        ReleaseDC(Window(), dc);
        return dib;
    }
    TRect Button(TSkBorderIcon icon) const
    {
        TRect r;
        skin->GetButtonRect(icon, r);
        return r;
    }

    FormPtr form;
    TSkStylist* stylist = nullptr;
    TSkThemeForm* skin = nullptr;
};

} // namespace

TEST_F(ThemeFormTest, TheButtonsPaintedAreTheButtonsHitAndAToolWindowHasOnlyClose)
{
    const struct {
        TSkBorderStyle style;
        TSkFormPerformance performance;
        std::vector<std::pair<uint8_t, LRESULT>> shown;
    } cases[] = {
        {kbsStandard, ksfpNoBuffer, {{kfbClose, HTCLOSE}, {kfbMaximize, HTMAXBUTTON},
                                     {kfbMinimize, HTMINBUTTON}, {kfbHelp, HTHELP},
                                     {kfbRollup, HTBORDER}, {kfbTray, HTBORDER}}},
        {kbsToolWindow, ksfpNoBuffer, {{kfbClose, HTCLOSE}}},
        {kbsToolWindow, ksfpSharedBuffer, {{kfbClose, HTCLOSE}}},
    };
    for (const auto& c : cases) {
        Make(new TButtonMarkTheme, c.style, L"Okno", c.performance);
        const auto dib = Shown();
        for (uint8_t glyph = kfbClose; glyph <= kfbTray; ++glyph) {
            const RECT painted = BoundsOf(*dib, Rgb(TButtonMarkTheme::Mark(glyph)));
            const auto hit = std::find_if(c.shown.begin(), c.shown.end(),
                                          [&](auto& s) { return s.first == glyph; });
            EXPECT_EQ(IsRectEmpty(&painted) == FALSE, hit != c.shown.end()) << int(glyph);
            if (hit == c.shown.end())
                continue;
            SCOPED_TRACE(int(glyph));
            EXPECT_EQ(HitTest(painted.left, painted.top), hit->second);
            EXPECT_EQ(HitTest(painted.right - 1, painted.bottom - 1), hit->second);
            EXPECT_NE(HitTest(painted.left - 1, painted.top), hit->second);
            EXPECT_NE(HitTest(painted.right, painted.bottom - 1), hit->second);
        }
        // The theme's borders reach the system's client area.
        const TSkTheme& theme = *stylist->Theme();
        const bool tool = c.style == kbsToolWindow;
        EXPECT_EQ(ClientOrigin().x, theme.GetSize(tool ? ksToolFrameWidth : ksFrameWidth));
        EXPECT_EQ(ClientOrigin().y, theme.GetSize(tool ? ksToolCaptionHeight : ksCaptionHeight));
    }
    // The close button closes.
    const TRect close = Button(kbiClose);
    RECT r;
    GetWindowRect(Window(), &r);
    const LPARAM at = MAKELPARAM(r.left + close.left + 2, r.top + close.top + 2);
    SendMessageA(Window(), WM_NCLBUTTONDOWN, HTCLOSE, at);
    SendMessageA(Window(), WM_NCLBUTTONUP, HTCLOSE, at);
    EXPECT_FALSE(IsWindowVisible(Window()));
}

TEST_F(ThemeFormTest, ALongCaptionStopsShortOfTheCloseButtonAndTheTopBorderBelowItsWidthIsCaption)
{
    Make(new TSkThemeLuna, kbsToolWindow, L"");
    const auto blank = Shown();
    skin->SetCaption(std::wstring(80, L'W'));
    const auto captioned = Shown();
    const TRect close = Button(kbiClose);
    int changed = 0;
    for (int y = 0; y < ClientOrigin().y; ++y)
        for (int x = 0; x < 298; ++x) {
            const bool differs = blank->Pixel(x, y) != captioned->Pixel(x, y);
            changed += differs;
            EXPECT_FALSE(differs && x >= close.left) << x << "," << y;
        }
    EXPECT_GT(changed, 100);

    // Luna's tool-window border is 2 pixels.
    skin->Dragging()->SetSizeable(true);
    EXPECT_EQ(skin->HitTestPart(150, 1), kfpTop);
    EXPECT_EQ(HitTest(150, 1), HTTOP);
    EXPECT_EQ(skin->HitTestPart(150, 3), kfpCaption);
    EXPECT_EQ(HitTest(150, 3), HTCAPTION);
    EXPECT_EQ(skin->HitTestPart(10, 1), kfpTopLeft);
}

TEST_F(ThemeFormTest, FollowsItsStylistsThemeChangesAndFallsBackWhenTheStylistGoes)
{
    Make(new TSkThemeLuna, kbsToolWindow, L"Sheet Mill");
    const auto luna = Shown();
    EXPECT_EQ(ClientOrigin().x, 2);
    stylist->SetTheme(new TSkThemeStd);
    const auto std = Shown();
    EXPECT_EQ(ClientOrigin().x, 3);
    EXPECT_EQ(ClientOrigin().y, 20);
    EXPECT_EQ(skin->HitTestPart(150, 2), kfpTop);
    EXPECT_NE(luna->Pixel(150, 8), std->Pixel(150, 8));
    // The client size stays; the window grows by the wider borders.
    EXPECT_EQ(skin->FrameWidth(), 298 + 2);
    EXPECT_EQ(Button(kbiClose).right, 300 - stylist->Theme()->GetSize(ksToolButtonRight));

    const TGuiCounts growth = GuiGrowth(
        [&] {
            stylist->SetTheme(new TSkThemeLuna);
            stylist->SetTheme(new TSkThemeStd);
        },
        10);
    EXPECT_EQ(growth.gdi, 0u);
    EXPECT_EQ(growth.user, 0u);

    // The fixed frame: border 4 all round.
    stylist->Free();
    EXPECT_EQ(skin->Stylist(), nullptr);
    EXPECT_EQ(ClientOrigin().x, SkFallbackBorder);
    EXPECT_EQ(ClientOrigin().y, SkFallbackBorder + SkFallbackToolCaption);
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
        EXPECT_EQ(skin->BorderIcons(), TSkBorderIcons{kbiClose});
        EXPECT_EQ(skin->BorderStyle(), kbsToolWindow);
        EXPECT_TRUE(skin->Animation()->Enabled() && skin->StretchBackground() && skin->Active());
        EXPECT_FALSE(skin->Dragging()->Sizeable());
        EXPECT_EQ(skin->Performance(), ksfpSharedBuffer);
        EXPECT_EQ(skin->Version(), "3.3.0");
    }
}

TEST_F(ThemeFormTest, TheMessageOptionsKeepOneProcessWideInstance)
{
    TSkCustomMessage* started = SkMessage();
    ASSERT_TRUE(started);
    EXPECT_EQ(started->Owner(), Application);
    EXPECT_EQ(started->BorderIcons(), (TSkBorderIcons{kbiClose, kbiSystemMenu}));
    EXPECT_EQ(started->Position(), poScreenCenter);
    EXPECT_FALSE(started->Dragging()->Sizeable() || started->Global() || started->ShowHints());
    EXPECT_TRUE(started->ShowButtonGlyph() && started->ShowIconImage());

    FormPtr owner = NewForm();
    const int before = Application->ComponentCount();
    auto* mine = new TSkCustomMessage(owner.get());
    mine->SetGlobal(true);
    EXPECT_EQ(SkMessage(), mine);
    EXPECT_EQ(Application->ComponentCount(), before - 1);  // the start-up one is freed
    mine->SetGlobal(false);
    EXPECT_EQ(SkMessage(), mine);

    std::unique_ptr<TSkCustomButton> button(mine->CreateButton(owner.get()));
    std::unique_ptr<TSkCustomLabel> label(mine->CreateLabel(owner.get()));
    std::unique_ptr<TSkCustomCheckBox> box(mine->CreateCheckBox(owner.get()));
    std::unique_ptr<TSkCustomEdit> edit(mine->CreateEdit(owner.get()));
    std::unique_ptr<TSkCustomForm> frame(mine->CreateForm(owner.get()));
    EXPECT_TRUE(button && label && box && edit && frame);
    EXPECT_EQ(frame->Owner(), owner.get());
    mine->Free();
    EXPECT_EQ(SkMessage(), nullptr);
}
