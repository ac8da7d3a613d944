// The dressed memo over real windows: its in-place scroll bars lie exactly
// over the native ones and follow their state, scroll the memo when
// dragged, hide with it and go with it; the theme gives its colour.
#include "styling/controls/themescrollbars.h"
#include "styling/controls/themestdcontrol.h"
#include "styling/core/skrects.h"
#include "styling/themes/skthemeluna.h"
#include "tests/support/skcontroltest.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class SkMemoTest : public SkControlsTest {
protected:
    FormPtr form = NewForm(400, 300);
    TSkThemeMemo* memo = AddControl<TSkThemeMemo>(form.get(), 10, 10, 257, 153);

    void Show()
    {
        ShowAndWait(form.get());
        PumpFor(30);
    }
    // The native bar of the memo in its parent's coordinates, or empty when
    // the system marks it invisible.
    RECT NativeBar(LONG id)
    {
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        if (!GetScrollBarInfo(memo->Handle(), id, &info) ||
            (info.rgstate[0] & STATE_SYSTEM_INVISIBLE))
            return RECT{};
        MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&info.rcScrollBar), 2);
        return info.rcScrollBar;
    }
    TSkInplaceScrollBar* Vert() { return memo->SubScrollBar()->VertBar(); }
    TSkInplaceScrollBar* Horz() { return memo->SubScrollBar()->HorzBar(); }
    bool Shown(TSkInplaceScrollBar* bar)
    {
        return bar->HandleAllocated() && IsWindowVisible(bar->Handle());
    }
    int FirstVisibleLine() { return int(SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)); }
    void FillLines(int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += "linia " + std::to_string(i) + "\r\n";
        memo->Lines()->SetText(text);
        PumpFor(30);
    }
};

} // namespace

TEST_F(SkMemoTest, TheInPlaceBarsShowExactlyOverTheNativeBarsTheStyleAsksFor)
{
    memo->SetWordWrap(false);
    Show();
    EXPECT_FALSE(Shown(Vert()) || Shown(Horz()));

    const struct {
        TScrollStyle style;
        bool vert, horz;
    } steps[] = {{ssBoth, true, true}, {ssVertical, true, false}, {ssHorizontal, false, true},
                 {ssNone, false, false}};
    for (const auto& s : steps) {
        memo->SetScrollBars(s.style);
        PumpFor(40);
        EXPECT_EQ(std::pair(Shown(Vert()), Shown(Horz())), std::pair(s.vert, s.horz)) << s.style;
        EXPECT_TRUE(!s.vert || RectsEqual(Vert()->BoundsRect(), NativeBar(OBJID_VSCROLL))) << s.style;
        EXPECT_TRUE(!s.horz || RectsEqual(Horz()->BoundsRect(), NativeBar(OBJID_HSCROLL))) << s.style;
    }

    // Hidden with the memo, back with it.
    memo->SetScrollBars(ssBoth);
    PumpFor(40);
    memo->Hide();
    PumpFor(20);
    EXPECT_FALSE(Shown(Vert()) || Shown(Horz()));
    memo->Show();
    PumpFor(40);
    EXPECT_TRUE(Shown(Vert()));
}

TEST_F(SkMemoTest, TheThemedBarFollowsTypingAndItsThumbScrollsTheMemoLineByLine)
{
    memo->SetScrollBars(ssVertical);
    Show();
    memo->SetFocus();
    for (int i = 0; i < 30; ++i)
        SendMessageA(memo->Handle(), WM_CHAR, VK_RETURN, 0);
    PumpFor(40);
    TSkCustomScrollBar* bar = Vert()->ScrollBar();
    ASSERT_GT(FirstVisibleLine(), 0);
    EXPECT_EQ(bar->Position(), GetScrollPos(memo->Handle(), SB_VERT));
    EXPECT_EQ(bar->Max(), 30);

    FillLines(200);
    SendMessageA(memo->Handle(), WM_VSCROLL, SB_TOP, 0);
    PumpFor(20);
    ASSERT_EQ(bar->Position(), 0);
    RECT thumb;
    bar->GetThumbRect(thumb);
    const int x = (thumb.left + thumb.right) / 2;
    int y = thumb.top;  // its very first pixel
    HWND window = Vert()->Handle();
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    int last = 0, moves = 0;
    for (int step = 0; step < 20; ++step) {
        y += 2;
        SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
        const int line = FirstVisibleLine();
        EXPECT_EQ(line, bar->Position()) << step;
        EXPECT_GE(line, last);
        moves += line != last;
        last = line;
    }
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    EXPECT_GT(moves, 5);
    EXPECT_EQ(FirstVisibleLine(), bar->Position());
}

TEST_F(SkMemoTest, LinkingAStylistTakesTheThemesWindowColourOrElseTheSystems)
{
    memo->SetScrollBars(ssBoth);
    auto* stylist = new TSkStylist(form.get());
    memo->SetStylist(stylist);  // no theme yet
    EXPECT_EQ(memo->Color(), clWindow);
    auto* other = new TSkStylist(form.get());
    other->SetTheme(new TSkThemeLuna);
    memo->SetStylist(other);
    EXPECT_EQ(memo->Color(), other->Theme()->GetColor(kcWindow));
    auto* bar = dynamic_cast<TSkThemeScrollBar*>(Vert()->ScrollBar());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Stylist(), other);

    // The frame and the background are the theme's.
    Show();
    HDC dc = GetWindowDC(memo->Handle());
    const COLORREF corner = GetPixel(dc, 0, 0);
    const COLORREF inside = GetPixel(dc, 4, 4);
    ReleaseDC(memo->Handle(), dc);
    EXPECT_EQ(Rgb(corner), Rgb(ColorToRGB(other->Theme()->GetColor(kcBorder))));
    EXPECT_EQ(Rgb(inside), Rgb(ColorToRGB(other->Theme()->GetColor(kcWindow))));
    other->Free();
    EXPECT_TRUE(!memo->Stylist() && !bar->Stylist());
}

TEST_F(SkMemoTest, TheInPlaceWindowsGoWithTheMemoWhicheverGoesFirst)
{
    memo->SetScrollBars(ssBoth);
    Show();
    const auto life = [&] {
        auto* another = AddControl<TSkThemeMemo>(form.get(), 10, 170, 200, 80);
        another->SetScrollBars(ssBoth);
        another->Lines()->SetText("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng");
        PumpFor(5);
        another->Free();
        PumpFor(5);
    };
    // The first lives fill the system's caches once: a few GDI objects at
    // some point in the first few dozen (later in a fresh prefix, as its
    // fonts are first read), then never again. A leak shows in every life.
    GuiGrowth(life, 30);
    const int lives = 20;
    const TGuiCounts growth = GuiGrowth(life, lives);
    EXPECT_LT(growth.gdi, DWORD(lives / 4));
    EXPECT_EQ(growth.user, 0u);
    const int children = form->ControlCount();
    memo->SetScrollBars(ssNone);  // the memo's window made again
    memo->SetScrollBars(ssBoth);
    PumpFor(30);
    EXPECT_EQ(form->ControlCount(), children);
    EXPECT_TRUE(Shown(Vert()));
    // The form frees its children: memo and in-place windows in any order.
    form.reset();
}
