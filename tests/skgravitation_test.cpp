// Snapping of caption drags: the rule on rectangles, then real drags of a
// skinned form near its monitor's work area and of a child form near its
// parent's client edges.
#include "framework/forms/form.h"
#include "styling/core/sksystem.h"
#include "styling/forms/skcustomform.h"
#include "styling/forms/skgravitation.h"
#include "tests/support/skinnedform.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

RECT Moved(const RECT& r, LONG dx, LONG dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

void ExpectRect(const RECT& actual, const RECT& expected, const char* what)
{
    EXPECT_EQ((std::vector<LONG>{actual.left, actual.top, actual.right, actual.bottom}),
              (std::vector<LONG>{expected.left, expected.top, expected.right, expected.bottom}))
        << what;
}

TEST(SkGravitation, EdgesWithinSizeLessOneSnap)
{
    const RECT area{0, 0, 1000, 700};
    const RECT form{0, 0, 200, 100};
    struct TCase {
        const char* what;
        RECT target;
        int size, shadow;
        RECT expected;
    };
    const TCase cases[] = {
        {"left 19 in", Moved(form, 19, 300), 20, 0, Moved(form, 0, 300)},
        {"left 20 in stays", Moved(form, 20, 300), 20, 0, Moved(form, 20, 300)},
        {"left 19 out", Moved(form, -19, 300), 20, 0, Moved(form, 0, 300)},
        {"right 19 short", Moved(form, 781, 300), 20, 0, Moved(form, 800, 300)},
        {"right 20 short stays", Moved(form, 780, 300), 20, 0, Moved(form, 780, 300)},
        {"top and bottom", Moved(form, 400, 5), 20, 0, Moved(form, 400, 0)},
        {"bottom", Moved(form, 400, 590), 20, 0, Moved(form, 400, 600)},
        {"corner", Moved(form, -3, 610), 20, 0, Moved(form, 0, 600)},
        // The shadow's 4 pixels at the right and bottom are not the edge.
        {"right with shadow", Moved(form, 790, 300), 20, 4, Moved(form, 804, 300)},
        {"bottom with shadow", Moved(form, 400, 604), 20, 4, Moved(form, 400, 604)},
        {"size 1 only exact", Moved(form, 1, 1), 1, 0, Moved(form, 1, 1)},
    };
    for (const TCase& c : cases)
        ExpectRect(SkGravitate(c.target, area, c.size, c.shadow), c.expected, c.what);
    // A narrow area: the left edge wins over the right one.
    ExpectRect(SkGravitate(Moved(form, 5, 300), RECT{0, 0, 210, 700}, 20, 0),
               Moved(form, 0, 300), "left first");
}

// With a parent, the form's window is made a child of the parent's window,
// as an embedded form's is.
SkinnedForm NewSnapping(TWinControl* parent = nullptr)
{
    SkinnedForm f{NewForm(300, 200), nullptr};
    f.skin = new TSkCustomForm(f.form.get());
    f.form->HandleNeeded();
    if (parent) {
        const LONG_PTR style = GetWindowLongPtrA(f.Window(), GWL_STYLE);
        SetWindowLongPtrA(f.Window(), GWL_STYLE, (style & ~WS_POPUP) | WS_CHILD);
        ::SetParent(f.Window(), parent->Handle());
    }
    f.skin->Loaded();
    f.form->SetBounds(100, 100, 300, 200);
    if (parent)
        f.form->Show();
    else
        ShowAndWait(f.form.get());
    return f;
}

// A caption drag by (dx, dy) with real mouse messages; the window's bounds
// in its own coordinates (screen, or the parent's client) afterwards.
RECT DragCaption(const SkinnedForm& f, int dx, int dy)
{
    const RECT window = f.WindowRect();
    POINT press{window.left + 100, window.top + 8};
    SendMessageA(f.Window(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(press.x, press.y));
    POINT to{press.x + dx, press.y + dy};
    ScreenToClient(f.Window(), &to);
    SendMessageA(f.Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    SendMessageA(f.Window(), WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    return f.form->BoundsRect();
}

TEST(SkGravitation, CaptionDragsSnapToTheMonitorsWorkArea)
{
    SkinnedForm f = NewSnapping();
    const RECT area = GetMonitorAreaOfWindow(f.Window(), true);
    // 19 pixels off snaps, 20 do not; switched off, nothing snaps.
    for (auto [dx, enabled, left] : {std::tuple(-81, true, 0), std::tuple(-80, true, 20), std::tuple(-81, false, 19)}) {
        f.skin->Gravitation()->SetEnabled(enabled);
        f.form->SetBounds(area.left + 100, area.top + 100, 300, 200);
        EXPECT_EQ(DragCaption(f, dx, 0).left, area.left + left) << dx << " " << enabled;
    }
}

TEST(SkGravitation, AChildFormSnapsToItsParentsClient)
{
    FormPtr parent = NewForm(600, 400);
    ShowAndWait(parent.get());
    SkinnedForm child = NewSnapping(parent.get());
    ASSERT_TRUE(GetWindowLongPtrA(child.Window(), GWL_STYLE) & WS_CHILD);
    const RECT client = ClientRectOf(parent->Handle());
    child.form->SetBounds(100, 100, 300, 200);
    const RECT r = DragCaption(child, -95, client.bottom - 300 - 10);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.bottom, client.bottom);
    EXPECT_EQ(r.right - r.left, 300);
}

}  // namespace
