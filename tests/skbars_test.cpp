// The progress bar and the scroll bar over real windows: what a position
// draws, plain and through Luna; the scroll bar's layout, its paging,
// dragging and scroll events driven by real mouse messages; the three
// controls read from a stored description.
#include "framework/components/reader.h"
#include "styling/controls/themeprogress.h"
#include "styling/controls/themescrollbars.h"
#include "styling/controls/themestdcontrol.h"
#include "styling/core/skcolors.h"
#include "styling/core/skrects.h"
#include "styling/core/skvisualstyles.h"
#include "styling/themes/skthemeluna.h"
#include "tests/support/skcontroltest.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

namespace {

class SkBarsTest : public SkControlsTest {};

// Runs of colour along row y of dib: {start, length} each.
std::vector<std::pair<int, int>> RunsOf(const TestDib& dib, int y, uint32_t colour)
{
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < dib.Width(); ++x) {
        if (dib.Pixel(x, y) != colour)
            continue;
        if (!runs.empty() && runs.back().first + runs.back().second == x)
            ++runs.back().second;
        else
            runs.push_back({x, 1});
    }
    return runs;
}

uint32_t Sys(int index) { return Rgb(GetSysColor(index)); }

struct TProgressCase {
    int min, max, position;
    size_t plainBlocks, lunaBlocks;
};

} // namespace

TEST_F(SkBarsTest, APositionDrawsItsBlocksPlainAndThroughLuna)
{
    FormPtr form = NewForm(400, 100);
    auto* bar = AddControl<TSkThemeProgressBar>(form.get(), 10, 10, 281, 17);
    auto* stylist = new TSkStylist(form.get());
    // Plain: pitch 10 in a 277 x 13 area, 27 whole blocks. Luna: blocks up
    // to the filled length, 138 of 277 at half, one more than whole pitches.
    const TProgressCase cases[] = {
        {0, 100, 50, 15, 14}, {0, 100, 0, 0, 0},    {0, 100, 1, 0, 0}, {0, 100, 2, 2, 0},
        {-5, 100, 50, 0, 0},  {0, 100, 150, 0, 0},  {0, 100, 100, 28, 28},
    };
    const uint32_t lunaBlock = Rgb(RGB(33, 195, 33));
    for (const TProgressCase& c : cases) {
        bar->SetMin(c.min);
        bar->SetMax(c.max);
        bar->SetPosition(c.position);
        stylist->SetTheme(nullptr);
        const auto plain = RunsOf(*Render(bar), 8, Sys(COLOR_HIGHLIGHT));
        EXPECT_EQ(plain.size(), c.plainBlocks) << c.min << ".." << c.max << " at " << c.position;
        for (size_t i = 0; i + 1 < plain.size(); ++i)
            EXPECT_EQ(plain[i].second, 8);
        stylist->SetTheme(new TSkThemeLuna);
        bar->SetStylist(stylist);
        const auto luna = RunsOf(*Render(bar), 8, lunaBlock);
        EXPECT_EQ(luna.size(), c.lunaBlocks) << c.min << ".." << c.max << " at " << c.position;
    }

    // Smooth, the filled length is rounded half to even: 138.5 gives 138.
    bar->SetPosition(50);
    bar->SetSmooth(true);
    const std::vector<std::pair<int, int>> half{{2, 138}};
    EXPECT_EQ(RunsOf(*Render(bar), 8, lunaBlock), half);
    stylist->SetTheme(nullptr);
    EXPECT_EQ(RunsOf(*Render(bar), 8, Sys(COLOR_HIGHLIGHT)), half);

    // Upright, the plain bar fills from the bottom and the themed one from
    // the top.
    bar->SetBounds(10, 10, 17, 281);
    bar->SetOrientation(kboVertical);
    const RECT plainUp = BoundsOf(*Render(bar), Sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(std::pair(plainUp.top, plainUp.bottom), std::pair(279L - 138, 279L));
    stylist->SetTheme(new TSkThemeLuna);
    const RECT lunaDown = BoundsOf(*Render(bar), lunaBlock);
    EXPECT_EQ(std::pair(lunaDown.top, lunaDown.bottom), std::pair(2L, 2L + 138));
}

namespace {

class TCountingProgressBar : public TSkCustomProgressBar {
public:
    using TSkCustomProgressBar::TSkCustomProgressBar;
    int paints = 0;

protected:
    void PaintClient() override
    {
        ++paints;
        TSkCustomProgressBar::PaintClient();
    }
};

} // namespace

TEST_F(SkBarsTest, SettingThePositionPaintsBeforeItReturnsOnlyWhenTheDrawingChanges)
{
    FormPtr form = NewForm(400, 100);
    auto* bar = AddControl<TCountingProgressBar>(form.get(), 10, 10, 281, 17);
    ShowAndWait(form.get());
    PumpFor(20);
    int others = 0;
    form->WindowProc = [&, old = form->WindowProc](TMessage& m) {
        others += m.Msg == WM_APP;
        old(m);
    };
    for (int position = 1; position < 100; ++position) {
        const int before = bar->paints;
        // Queued input runs inside the setter too.
        PostMessageA(form->Handle(), WM_APP, 0, 0);
        bar->SetPosition(position);
        ASSERT_GT(bar->paints, before) << position;
    }
    EXPECT_EQ(others, 99);
    // Read as a system progress bar is read.
    bar->SetMin(5);
    PBRANGE range{};
    EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETPOS, 0, 0), 99);
    EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETRANGE, TRUE, LPARAM(&range)), 5);
    EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETRANGE, FALSE, 0), 100);
    EXPECT_EQ(std::pair(range.iLow, range.iHigh), std::pair(5, 100));
    bar->SetPosition(200);  // beyond Max: the bar empties
    const int emptied = bar->paints;
    bar->SetPosition(300);  // still beyond: nothing to draw anew
    EXPECT_EQ(bar->paints, emptied);
}

namespace {

int ThumbMetric() { return GetSystemMetrics(SM_CYVTHUMB); }

// A bar on a shown form at (10, 10); mouse messages go to the form, as the
// system sends them, and reach the bar through the framework.
struct TBarOnForm {
    FormPtr form = NewForm(400, 200);
    TSkCustomScrollBar* bar = nullptr;
    explicit TBarOnForm(int width, int height = ThumbMetric())
    {
        bar = AddControl<TSkCustomScrollBar>(form.get(), 10, 10, width, height);
        ShowAndWait(form.get());
    }
    void Mouse(UINT msg, int x, int y)
    {
        SendMessageA(form->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                     MAKELPARAM(x + 10, y + 10));
    }
    RECT Thumb()
    {
        RECT r;
        bar->GetThumbRect(r);
        return r;
    }
};

} // namespace

TEST_F(SkBarsTest, TheLayoutFollowsTheThumbMetricRangeAndPage)
{
    const int m = ThumbMetric();
    TBarOnForm on(121, m);
    TSkCustomScrollBar* bar = on.bar;
    const int button = 119 >= 2 * m ? m : 119 / 2;
    RECT track;
    bar->GetTrackRect(track);
    EXPECT_EQ(bar->GetButtonSize(), button);
    EXPECT_EQ(track.right - track.left, 119 - 2 * button);
    EXPECT_EQ(bar->GetThumbSize(), m);
    if (m == 17) {  // the worked example: track 85, free length 68
        EXPECT_EQ(std::pair(track.left, track.right - track.left), std::pair(18L, 85L));
    }
    const int free = (track.right - track.left) - m;
    bar->SetPosition(50);
    EXPECT_EQ(bar->ThumbOffset(), track.left + SkRound(50.0 * free / 100));
    bar->SetPosition(100);
    EXPECT_EQ(on.Thumb().right, track.right);
    EXPECT_EQ(bar->PositionAtPixel(track.left + free), 100);
    EXPECT_EQ(bar->PositionAtPixel(track.left - 5), 0);

    // What the plain bar shows: the thumb's face where the thumb is, the
    // dither of the track elsewhere (or the system's styled parts, which
    // Wine's own light style draws flat).
    bar->SetPosition(0);
    auto dib = Render(bar);
    const RECT thumb = on.Thumb();
    const uint32_t face = dib->Pixel(thumb.left + m / 2, m / 2);
    const uint32_t trackPixel = dib->Pixel(thumb.right + 10, m / 2);
    if (SkVisualStylesActive()) {
        EXPECT_NE(face, trackPixel);
    } else {
        EXPECT_EQ(face, Sys(COLOR_BTNFACE));
        EXPECT_TRUE(trackPixel == Sys(COLOR_SCROLLBAR) || trackPixel == Sys(COLOR_BTNHIGHLIGHT));
    }

    // A page as long as the range leaves no room to travel: no thumb.
    bar->SetPageSize(101);
    EXPECT_EQ(bar->GetThumbSize(), 0);
    bar->SetPageSize(150);  // limited to the range
    EXPECT_EQ(bar->PageSize(), 101);
    bar->SetPageSize(-1);  // ignored
    EXPECT_EQ(bar->PageSize(), 101);

    // Too short for its buttons: they share what there is, and no thumb.
    bar->SetPageSize(0);
    bar->SetWidth(20);
    EXPECT_EQ(std::pair(bar->GetButtonSize(), bar->GetThumbSize()), std::pair(9, 0));
    EXPECT_NO_THROW(Render(bar));
}

TEST_F(SkBarsTest, MaxBelowThePositionMovesItAndTellsOnChange)
{
    TBarOnForm on(121);
    int changes = 0;
    on.bar->OnChange = [&](TObject*) { ++changes; };
    on.bar->SetPosition(80);
    on.bar->SetMax(50);
    EXPECT_EQ(on.bar->Position(), 50);
    EXPECT_EQ(changes, 2);
    on.bar->SetMin(60);  // limited to Max
    EXPECT_EQ(std::pair(on.bar->Min(), on.bar->Position()), std::pair(50, 50));
    on.bar->SetPosition(-3);
    EXPECT_EQ(on.bar->Position(), 50);
}

TEST_F(SkBarsTest, TheThumbDragsFromItsFirstPixelAndOnScrollHasTheLastWord)
{
    TBarOnForm on(221);
    TSkCustomScrollBar* bar = on.bar;
    std::vector<TScrollCode> codes;
    std::function<void(int&)> adjust = [](int&) {};
    bar->OnScroll = [&](TObject*, TScrollCode code, int& position) {
        codes.push_back(code);
        adjust(position);
    };
    RECT track;
    bar->GetTrackRect(track);
    const int free = (track.right - track.left) - bar->GetThumbSize();
    const int y = bar->Height() / 2;

    on.Mouse(WM_MOUSEMOVE, on.Thumb().left, y);
    on.Mouse(WM_LBUTTONDOWN, on.Thumb().left, y);
    EXPECT_TRUE(bar->Dragging());
    on.Mouse(WM_MOUSEMOVE, track.left + free / 2, y);
    EXPECT_EQ(bar->Position(), SkRound(100.0 * (free / 2) / free));
    on.Mouse(WM_MOUSEMOVE, track.right + 40, y);  // past the end
    EXPECT_EQ(bar->Position(), 100);
    on.Mouse(WM_LBUTTONUP, track.right + 40, y);
    EXPECT_FALSE(bar->Dragging());
    EXPECT_EQ(codes, (std::vector<TScrollCode>{scTrack, scTrack, scTrack, scPosition, scEndScroll}));

    adjust = [](int& position) { position = 7; };
    on.Mouse(WM_MOUSEMOVE, on.Thumb().left + 1, y);
    on.Mouse(WM_LBUTTONDOWN, on.Thumb().left + 1, y);
    on.Mouse(WM_MOUSEMOVE, track.left + free / 2, y);
    EXPECT_EQ(bar->Position(), 7);
    on.Mouse(WM_LBUTTONUP, track.left + free / 2, y);
    EXPECT_EQ(bar->Position(), 7);
}

TEST_F(SkBarsTest, HoldingAPageAreaPagesAtOnceThenRepeatsUntilTheThumbReachesTheMouse)
{
    TBarOnForm on(321);
    TSkCustomScrollBar* bar = on.bar;
    bar->SetPageSize(10);
    const int y = bar->Height() / 2;
    const int x = 200;
    on.Mouse(WM_MOUSEMOVE, x, y);
    on.Mouse(WM_LBUTTONDOWN, x, y);
    EXPECT_EQ(bar->Position(), 10);  // one page at once
    PumpFor(KeyRepeatDelay() / 2);
    EXPECT_EQ(bar->Position(), 10);  // nothing more before the delay
    PumpUntil([&] { return on.Thumb().right > x; }, 5000);
    PumpFor(4 * KeyRepeatInterval() + 50);
    const int stopped = bar->Position();
    EXPECT_GT(on.Thumb().right, x);
    EXPECT_LT(stopped, 91);
    PumpFor(4 * KeyRepeatInterval());
    EXPECT_EQ(bar->Position(), stopped);
    on.Mouse(WM_LBUTTONUP, x, y);

    // The arrow buttons step by SmallChange, back to Min where they stop.
    bar->SetSmallChange(3);
    on.Mouse(WM_MOUSEMOVE, 3, y);
    on.Mouse(WM_LBUTTONDOWN, 3, y);
    EXPECT_EQ(bar->Position(), stopped - 3);
    PumpUntil([&] { return bar->Position() == 0; }, 8000);
    on.Mouse(WM_LBUTTONUP, 3, y);
    EXPECT_EQ(bar->Position(), 0);
}

TEST_F(SkBarsTest, TheThemedBarTakesItsButtonsFromTheThemeAndAControlsChildBarsScrollIt)
{
    FormPtr form = NewForm(400, 200);
    auto* stylist = new TSkStylist(form.get());
    stylist->SetTheme(new TSkThemeLuna);
    auto* bar = AddControl<TSkThemeScrollBar>(form.get(), 10, 10, 200, 17);
    EXPECT_EQ(bar->BorderWidth(), 0);
    bar->SetStylist(stylist);
    EXPECT_EQ(bar->GetButtonSize(), stylist->Theme()->GetSize(ksScrollBarSize));
    EXPECT_NO_THROW(Render(bar));
    form.reset();

    // A windowed themed control with scroll bars gets library bars whose
    // scrolls arrive as its own scroll messages.
    FormPtr host = NewForm(400, 200);
    auto* control = AddControl<TSkCustomControl>(host.get(), 10, 10, 150, 100);
    control->SetScrollBars(kssBoth);
    ShowAndWait(host.get());
    auto* vert = dynamic_cast<TSkCustomScrollBar*>(control->VertScrollBar());
    ASSERT_NE(vert, nullptr);
    EXPECT_EQ(vert->Kind(), sbVertical);
    std::vector<WPARAM> seen;
    control->WindowProc = [&, old = control->WindowProc](TMessage& m) {
        if (m.Msg == WM_VSCROLL)
            seen.push_back(m.WParam);
        old(m);
    };
    const LPARAM downArrow = MAKELPARAM(vert->Left() + 3, vert->Top() + vert->Height() - 3);
    for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
        SendMessageA(control->Handle(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, downArrow);
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.front(), MAKEWPARAM(SB_LINEDOWN, 1));
    EXPECT_EQ(LOWORD(seen.back()), SB_ENDSCROLL);
}

TEST_F(SkBarsTest, StoredDescriptionsMakeTheBarsAndTheMemoLinkedToTheirStylist)
{
    FormPtr host = NewForm();
    host->SetName("StylistHost");
    auto* stylist = new TSkStylist(host.get());
    stylist->SetName("SkStylist1");
    stylist->SetTheme(new TSkThemeLuna);
    // As the main window stores its bar and the editor its memo.
    Owned<TForm> form(static_cast<TForm*>(ReadComponentText(
        "object Form3: TForm\r\n"
        "  object progre: TSkThemeProgressBar\r\n"
        "    Width = 281\r\n    Height = 17\r\n    BorderWidth = 0\r\n"
        "    Orientation = kboHorizontal\r\n    ShowBorder = True\r\n    Smooth = False\r\n"
        "    Transparent = True\r\n    Performance = kspDoubleBuffer\r\n"
        "    Stylist = StylistHost.SkStylist1\r\n    Version = '1.0'\r\n"
        "  end\r\n"
        "  object bar: TSkThemeScrollBar\r\n"
        "    Kind = sbVertical\r\n    Max = 50\r\n    PageSize = 10\r\n    Position = 20\r\n"
        "    Stylist = StylistHost.SkStylist1\r\n"
        "  end\r\n"
        "  object editer: TSkThemeMemo\r\n"
        "    Width = 257\r\n    Height = 153\r\n    Color = 255\r\n"
        "    Stylist = StylistHost.SkStylist1\r\n"
        "  end\r\n"
        "end\r\n")));
    auto* progre = dynamic_cast<TSkThemeProgressBar*>(form->FindComponent("progre"));
    auto* bar = dynamic_cast<TSkThemeScrollBar*>(form->FindComponent("bar"));
    auto* editer = dynamic_cast<TSkThemeMemo*>(form->FindComponent("editer"));
    ASSERT_TRUE(progre && bar && editer);
    EXPECT_EQ(std::tuple(progre->Width(), progre->Max(), progre->Transparent(), progre->Stylist()),
              std::tuple(281, 100, true, stylist));
    EXPECT_EQ(progre->Version(), "3.3.0");
    EXPECT_EQ(std::tuple(bar->Kind(), bar->Max(), bar->PageSize(), bar->Position(), bar->Stylist()),
              std::tuple(sbVertical, 50, 10, 20, stylist));
    EXPECT_EQ(editer->Stylist(), stylist);
    // The theme's colour wins over the stored one once all is read.
    EXPECT_EQ(editer->Color(), stylist->Theme()->GetColor(kcWindow));
}
