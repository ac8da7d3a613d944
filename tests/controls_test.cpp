// Controls over real windows: tree, layout, tab order, notifications,
// painting and repainting, and mouse routing to windowless controls.
#include "framework/controls/button.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/forms/application.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

namespace {

// A red control of either kind that fills itself with its colour, counts
// its paints and logs the framework's notifications.
template <class Base>
class TSolid : public Base {
public:
    explicit TSolid(TComponent* owner) : Base(owner) { this->SetColor(clRed); }
    int paints = 0;
    std::vector<UINT> notes;

    size_t Heard(UINT msg) const { return static_cast<size_t>(std::count(notes.begin(), notes.end(), msg)); }
    void Dispatch(TMessage& m) override
    {
        if (m.Msg >= CM_BASE && m.Msg <= CM_LAST)
            notes.push_back(m.Msg);
        Base::Dispatch(m);
    }

protected:
    void Paint() override
    {
        ++paints;
        this->Canvas()->FillRect(TRect{0, 0, this->Width(), this->Height()});
    }
};
using TSolidControl = TSolid<TCustomControl>;
using TSolidGraphic = TSolid<TGraphicControl>;

std::array<LONG, 4> Box(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

void MoveMouseTo(POINT screen)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    PumpFor(60);
}

} // namespace

TEST(ControlTree, ChildrenFollowTheirParentLiveInItsWindowAndKeepConsecutiveTabOrders)
{
    FormPtr form = NewForm();
    auto* panel = AddControl<TSolidControl>(form.get(), 0, 0, 200, 150);
    auto* a = AddControl<TSolidGraphic>(form.get(), 0, 0, 10, 10);
    auto* inner = AddControl<TSolidControl>(panel, 5, 6, 30, 20);
    a->SetParent(panel);  // to the end of the new parent's list
    ASSERT_EQ(panel->ControlCount(), 2);
    EXPECT_EQ(panel->Controls(1), a);
    EXPECT_FALSE(inner->HandleAllocated());  // made when first needed
    EXPECT_EQ(GetParent(inner->Handle()), panel->Handle());
    RECT r = WindowRectOf(inner->Handle());
    MapWindowPoints(HWND_DESKTOP, panel->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(Box(r), Box(RECT{5, 6, 35, 26}));
    const int before = form->ComponentCount();
    panel->Free();  // frees its children and tells the owner
    EXPECT_EQ(form->ComponentCount(), before - 3);

    std::vector<TSolidControl*> c;
    for (int i = 0; i < 4; ++i)
        c.push_back(AddControl<TSolidControl>(form.get(), 0, 0, 10, 10));
    auto orders = [&] {
        std::vector<int> o;
        for (auto* x : c)
            o.push_back(x->TabOrder());
        return o;
    };
    c[3]->SetTabOrder(0);
    EXPECT_EQ(orders(), (std::vector<int>{1, 2, 3, 0}));
    c[3]->SetTabOrder(99);  // past the end means last
    EXPECT_EQ(orders(), (std::vector<int>{0, 1, 2, 3}));
    c[0]->SetTabOrder(-5);
    EXPECT_EQ(orders(), (std::vector<int>{3, 0, 1, 2}));
    c[1]->Free();  // the gap closes
    c.erase(c.begin() + 1);
    EXPECT_EQ(orders(), (std::vector<int>{2, 0, 1}));
}

TEST(ControlLayout, AlignAndAnchorsFollowTheParentsSize)
{
    FormPtr form = NewForm(300, 200);
    form->SetBorderStyle(bsNone);  // window and client coordinates agree
    auto* client = AddControl<TSolidControl>(form.get(), 0, 0, 10, 10);
    auto* left = AddControl<TSolidControl>(form.get(), 0, 0, 50, 10);
    auto* top = AddControl<TSolidControl>(form.get(), 0, 0, 10, 30);
    auto* pinned = AddControl<TSolidGraphic>(form.get(), 250, 170, 40, 20);  // 10 from right and bottom
    client->SetAlign(alClient);
    left->SetAlign(alLeft);
    top->SetAlign(alTop);
    pinned->SetAnchors({akRight, akBottom});
    form->HandleNeeded();
    const std::tuple<TControl*, RECT, RECT> cases[] = {  // in a 300 x 200 and a 400 x 260 form
        {top, {0, 0, 300, 30}, {0, 0, 400, 30}},
        {left, {0, 30, 50, 200}, {0, 30, 50, 260}},
        {client, {50, 30, 300, 200}, {50, 30, 400, 260}},
        {pinned, {250, 170, 290, 190}, {350, 230, 390, 250}},
    };
    for (const auto& [control, small, large] : cases)
        EXPECT_EQ(Box(control->BoundsRect()), Box(small)) << Box(large)[2];
    form->SetBounds(40, 40, 400, 260);
    for (const auto& [control, small, large] : cases)
        EXPECT_EQ(Box(control->BoundsRect()), Box(large)) << Box(small)[2];
}

TEST(ControlMessages, AChangeIsAnnouncedAndRepaintedOnceAndTheSameValueIsNot)
{
    FormPtr form = NewForm(200, 100);
    form->SetBorderStyle(bsNone);  // window and client coordinates agree
    auto* g = AddControl<TSolidGraphic>(form.get(), 10, 10, 40, 30);
    auto* w = AddControl<TSolidControl>(form.get(), 100, 10, 40, 30);
    form->Show();
    g->notes.clear();
    w->notes.clear();
    const std::pair<std::function<void(TControl*)>, UINT> changes[] = {
        {[](TControl* c) { c->SetColor(clYellow); }, CM_COLORCHANGED},
        {[](TControl* c) { c->SetText("new"); }, CM_TEXTCHANGED},
        {[](TControl* c) { c->Font()->SetColor(clGreen); }, CM_FONTCHANGED},
        {[](TControl* c) { c->SetEnabled(false); }, CM_ENABLEDCHANGED},
    };
    auto dirty = [&](TControl* c) {
        HWND window = c == w ? w->Handle() : form->Handle();
        RECT update, bounds = c == w ? w->ClientRect() : c->BoundsRect(), common;
        return GetUpdateRect(window, &update, FALSE) && IntersectRect(&common, &update, &bounds);
    };
    for (auto* c : {static_cast<TControl*>(g), static_cast<TControl*>(w)}) {
        const char* kind = c == w ? "windowed" : "windowless";
        for (const auto& [change, announced] : changes) {
            SCOPED_TRACE(testing::Message() << kind << " 0x" << std::hex << announced);
            for (int twice = 0; twice < 2; ++twice) {
                RedrawWindow(form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
                change(c);
                EXPECT_EQ(dirty(c), twice == 0);
            }
            EXPECT_EQ(c == w ? w->Heard(announced) : g->Heard(announced), 1u);
        }
    }
}

TEST(ControlMessages, ParentsPassColourAndFontDownAndANewWindowKeepsTextAndState)
{
    FormPtr form = NewForm();
    auto* g = AddControl<TSolidGraphic>(form.get(), 0, 0, 10, 10);
    g->SetParentFont(true);
    g->SetParentColor(true);
    form->Font()->SetHeight(-20);
    form->SetColor(clYellow);
    EXPECT_EQ(std::make_pair(g->Font()->Height(), g->Color()), std::make_pair(-20, clYellow));
    g->Font()->SetHeight(-11);  // its own from now on
    g->SetColor(clAqua);
    EXPECT_FALSE(g->ParentFont() || g->ParentColor());
    form->Font()->SetHeight(-30);
    form->SetColor(clWhite);
    EXPECT_EQ(std::make_pair(g->Font()->Height(), g->Color()), std::make_pair(-11, clAqua));
    g->SetParentColor(true);
    EXPECT_EQ(g->Color(), clWhite);

    auto* c = AddControl<TSolidControl>(form.get(), 0, 0, 50, 20);
    c->SetName("Button1");  // a caption that shows the name follows it
    c->SetName("Button2");
    EXPECT_EQ(WindowText(c->Handle()), "Button2");
    c->SetCaption("OK");
    c->SetName("Button3");
    EXPECT_EQ(c->Caption(), "OK");
    HWND window = c->Handle();
    c->SetEnabled(false);
    SetWindowTextA(window, "Typed");
    c->RecreateWnd();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(WindowText(c->Handle()), "Typed");
    EXPECT_FALSE(IsWindowEnabled(c->Handle()));
}

TEST(Painting, PaintToAndTheShownWindowShowTheControlsAndTheirChildren)
{
    FormPtr form = NewForm(120, 80);
    form->SetBorderStyle(bsNone);  // window and client coordinates agree
    form->SetColor(clWhite);
    auto* panel = AddControl<TSolidControl>(form.get(), 10, 10, 100, 60);
    AddControl<TSolidGraphic>(panel, 5, 5, 20, 20)->SetColor(clBlue);
    AddControl<TSolidControl>(panel, 50, 30, 30, 20)->SetColor(clLime);
    AddControl<TButton>(form.get(), 0, 75, 120, 5);
    const uint32_t untouched = 0x010203;
    const std::tuple<int, int, uint32_t> points[] = {
        {2, 2, 0xFFFFFF}, {10, 10, 0xFF0000}, {20, 20, 0x0000FF}, {70, 50, 0x00FF00}};
    TestDib dib(140, 100);
    dib.Fill(RGB(1, 2, 3));
    form->PaintTo(dib.DC(), 10, 10);
    for (const auto& [x, y, color] : points)
        EXPECT_EQ(dib.Pixel(x + 10, y + 10), color) << x << "," << y;
    EXPECT_EQ(dib.Pixel(5, 5), untouched);
    EXPECT_EQ(dib.Pixel(135, 95), untouched);
    EXPECT_NE(dib.Pixel(60, 87), untouched);  // the native button drew
    EXPECT_EQ(panel->paints, 1);

    form->Show();
    UpdateWindow(form->Handle());
    HDC windowDC = GetDC(form->Handle());
    BitBlt(dib.DC(), 0, 0, 120, 80, windowDC, 0, 0, SRCCOPY);
    ReleaseDC(form->Handle(), windowDC);
    for (const auto& [x, y, color] : points)
        EXPECT_EQ(dib.Pixel(x, y), color) << "shown " << x << "," << y;
    const int before = panel->paints;
    panel->Invalidate();  // Invalidate and Update repaint at once; so does Repaint
    panel->Update();
    panel->Repaint();
    EXPECT_EQ(panel->paints, before + 2);
}

TEST(Mouse, WindowlessControlsGetPressesThroughTheirParent)
{
    FormPtr form = NewForm();
    auto* g = AddControl<TSolidGraphic>(form.get(), 50, 60, 40, 30);
    std::vector<int> downs, ups;  // x, y pairs
    int clicks = 0, doubles = 0, formDowns = 0;
    g->OnMouseDown = [&](TObject*, TMouseButton, unsigned, int x, int y) { downs.insert(downs.end(), {x, y}); };
    g->OnMouseUp = [&](TObject*, TMouseButton, unsigned, int x, int y) { ups.insert(ups.end(), {x, y}); };
    g->OnClick = [&](TObject*) { ++clicks; };
    g->OnDblClick = [&](TObject*) { ++doubles; };
    form->OnMouseDown = [&](TObject*, TMouseButton, unsigned, int, int) { ++formDowns; };
    auto send = [&](UINT msg, int x, int y) {
        SendMessageA(form->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    };
    send(WM_LBUTTONDOWN, 55, 65);
    EXPECT_TRUE(g->MouseCapture());
    send(WM_LBUTTONUP, 60, 70);
    EXPECT_FALSE(g->MouseCapture());
    send(WM_LBUTTONDOWN, 55, 65);  // released outside: captured, but no click
    send(WM_LBUTTONUP, 200, 10);
    EXPECT_EQ(downs, (std::vector<int>{5, 5, 5, 5}));  // in the control's own coordinates
    EXPECT_EQ(ups, (std::vector<int>{10, 10, 150, -50}));
    send(WM_LBUTTONDBLCLK, 55, 65);
    send(WM_LBUTTONUP, 55, 65);
    EXPECT_EQ(std::make_pair(clicks, doubles), std::make_pair(1, 1));
    send(WM_LBUTTONDOWN, 55, 65);  // another window taking the capture ends this one's
    SetCapture(Application->Handle());
    EXPECT_EQ(GetCaptureControl(), nullptr);
    ReleaseCapture();
    send(WM_LBUTTONUP, 55, 65);
    send(WM_LBUTTONDOWN, 5, 5);  // beside it: the form's
    send(WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(formDowns, 1);
    EXPECT_EQ(downs.size(), 8u);
}

TEST(Mouse, EnterAndLeaveFollowTheControlUnderTheMouse)
{
    FormPtr form = NewForm();
    form->SetBounds(100, 100, 300, 200);
    auto* g = AddControl<TSolidGraphic>(form.get(), 10, 10, 50, 50);
    auto* w = AddControl<TSolidControl>(form.get(), 100, 10, 50, 50);
    form->Show();
    MoveMouseTo(POINT{5, 5});
    g->notes.clear();
    MoveMouseTo(form->ClientToScreen(POINT{30, 30}));
    MoveMouseTo(form->ClientToScreen(POINT{35, 32}));  // moving inside: nothing new
    EXPECT_EQ(GetMouseControl(), g);
    EXPECT_EQ(g->Heard(CM_MOUSEENTER), 1u);
    g->SetVisible(false);  // hidden under the mouse: it is left
    EXPECT_EQ(GetMouseControl(), nullptr);
    g->SetVisible(true);
    MoveMouseTo(form->ClientToScreen(POINT{30, 30}));
    MoveMouseTo(form->ClientToScreen(POINT{120, 30}));
    EXPECT_EQ(g->Heard(CM_MOUSEENTER), 2u);
    EXPECT_EQ(g->Heard(CM_MOUSELEAVE), 2u);
    EXPECT_EQ(GetMouseControl(), w);
    EXPECT_EQ(w->Heard(CM_MOUSEENTER), 1u);
    MoveMouseTo(POINT{form->Left() + 400, form->Top() + 300});  // off the form
    EXPECT_TRUE(PumpUntil([&] { return w->Heard(CM_MOUSELEAVE) == 1; }, 1500));
    EXPECT_EQ(GetMouseControl(), nullptr);
    MoveMouseTo(POINT{2, 2});
}
