// Controls over real windows: tree, layout, tab order, messages, painting,
// mouse routing to windowless controls, and native window classes.
#include "framework/forms/application.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/graphics/graphicsobjects.h"
#include "framework/forms/screen.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const COLORREF Red = RGB(255, 0, 0);
const COLORREF Green = RGB(0, 255, 0);
const COLORREF Blue = RGB(0, 0, 255);

void FillWith(HDC dc, int w, int h, COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    RECT r{0, 0, w, h};
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// A windowed control that fills itself with one colour.
class TSolidControl : public TCustomControl {
public:
    TSolidControl(TComponent* owner, COLORREF color) : TCustomControl(owner), color_(color) {}
    int paints = 0;

protected:
    void Paint() override
    {
        ++paints;
        FillWith(PaintDC(), Width(), Height(), color_);
    }

private:
    COLORREF color_;
};

// A windowless control that fills itself and records what reaches it.
class TSolidGraphic : public TGraphicControl {
public:
    TSolidGraphic(TComponent* owner, COLORREF color) : TGraphicControl(owner)
    {
        SetColor(static_cast<TColor>(color));
    }
    std::vector<UINT> messages;

    void Dispatch(TMessage& message) override
    {
        if (message.Msg >= CM_BASE && message.Msg <= CM_LAST)
            messages.push_back(message.Msg);
        TGraphicControl::Dispatch(message);
    }

protected:
    // Through the canvas: its brush starts as the control's colour.
    void Paint() override { Canvas()->FillRect(TRect{0, 0, Width(), Height()}); }
};

FormPtr NewForm(int width = 300, int height = 200)
{
    FormPtr form(TCustomForm::Create<TForm>(nullptr));
    form->SetBorderStyle(bsNone);
    form->SetBounds(40, 40, width, height);
    return form;
}

size_t Count(const std::vector<UINT>& list, UINT msg)
{
    return static_cast<size_t>(std::count(list.begin(), list.end(), msg));
}

} // namespace

TEST(ControlTree, ChildrenKeepInsertionOrderAndFollowTheirParent)
{
    FormPtr form = NewForm();
    auto* panel = new TSolidControl(form.get(), Red);
    auto* a = new TSolidGraphic(form.get(), Blue);
    auto* b = new TSolidGraphic(form.get(), Green);
    panel->SetParent(form.get());
    a->SetParent(form.get());
    b->SetParent(panel);
    ASSERT_EQ(form->ControlCount(), 2);
    EXPECT_EQ(form->Controls(0), panel);
    EXPECT_EQ(form->Controls(1), a);
    a->SetParent(panel);
    EXPECT_EQ(form->ControlCount(), 1);
    ASSERT_EQ(panel->ControlCount(), 2);
    EXPECT_EQ(panel->Controls(0), b);
    EXPECT_EQ(panel->Controls(1), a);
    EXPECT_EQ(GetParentForm(a), form.get());

    // Freeing a parent frees its children and tells the owner.
    int before = form->ComponentCount();
    panel->Free();
    EXPECT_EQ(form->ControlCount(), 0);
    EXPECT_EQ(form->ComponentCount(), before - 3);
}

TEST(ControlTree, ChildWindowsAreMadeWithTheParentsWindow)
{
    FormPtr form = NewForm();
    auto* panel = new TSolidControl(form.get(), Red);
    panel->SetParent(form.get());
    auto* inner = new TSolidControl(form.get(), Blue);
    inner->SetParent(panel);
    inner->SetBounds(5, 6, 30, 20);
    EXPECT_FALSE(inner->HandleAllocated());
    HWND innerWindow = inner->Handle();
    EXPECT_EQ(GetParent(innerWindow), panel->Handle());
    EXPECT_EQ(GetParent(panel->Handle()), form->Handle());
    RECT r;
    GetWindowRect(innerWindow, &r);
    MapWindowPoints(HWND_DESKTOP, panel->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 6);
    EXPECT_EQ(r.right - r.left, 30);

    // A control without a form has no window to live in.
    auto orphan = std::unique_ptr<TSolidControl>(new TSolidControl(nullptr, Red));
    EXPECT_THROW(orphan->Handle(), EInvalidOperation);
}

TEST(ControlLayout, AlignFillsTheClientAreaInOrder)
{
    FormPtr form = NewForm(300, 200);
    auto* top = new TSolidControl(form.get(), Red);
    auto* left = new TSolidControl(form.get(), Green);
    auto* client = new TSolidControl(form.get(), Blue);
    for (TControl* c : {static_cast<TControl*>(client), static_cast<TControl*>(left),
                        static_cast<TControl*>(top)})
        c->SetParent(form.get());
    top->SetHeight(30);
    left->SetWidth(50);
    client->SetAlign(alClient);
    left->SetAlign(alLeft);
    top->SetAlign(alTop);
    form->HandleNeeded();

    EXPECT_EQ(top->BoundsRect().right, 300);
    EXPECT_EQ(left->Top(), 30);
    EXPECT_EQ(left->Height(), 170);
    EXPECT_EQ(client->Left(), 50);
    EXPECT_EQ(client->Top(), 30);
    EXPECT_EQ(client->Width(), 250);
    EXPECT_EQ(client->Height(), 170);

    form->SetBounds(40, 40, 400, 260);
    EXPECT_EQ(top->Width(), 400);
    EXPECT_EQ(client->Width(), 350);
    EXPECT_EQ(client->Height(), 230);
    RECT r;
    GetWindowRect(client->Handle(), &r);
    EXPECT_EQ(r.right - r.left, 350);
}

TEST(ControlLayout, AnchorsKeepDistancesToTheRightAndBottom)
{
    FormPtr form = NewForm(300, 200);
    auto* pinned = new TSolidGraphic(form.get(), Red);
    auto* stretched = new TSolidControl(form.get(), Green);
    pinned->SetParent(form.get());
    stretched->SetParent(form.get());
    pinned->SetBounds(250, 170, 40, 20);  // 10 from the right, 10 from the bottom
    pinned->SetAnchors({akRight, akBottom});
    stretched->SetBounds(10, 10, 200, 50);
    stretched->SetAnchors({akLeft, akTop, akRight});
    form->SetBounds(40, 40, 400, 300);
    EXPECT_EQ(pinned->Left(), 350);
    EXPECT_EQ(pinned->Top(), 270);
    EXPECT_EQ(pinned->Width(), 40);
    EXPECT_EQ(stretched->Left(), 10);
    EXPECT_EQ(stretched->Width(), 300);
    EXPECT_EQ(stretched->Height(), 50);
}

TEST(ControlLayout, ClientSizeAccountsForTheFrame)
{
    FormPtr form(TCustomForm::Create<TForm>(nullptr));
    form->SetBorderStyle(bsSingle);
    form->SetClientWidth(300);
    form->SetClientHeight(150);
    EXPECT_EQ(form->ClientWidth(), 300);
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 150);
    EXPECT_GT(form->Width(), 300);
}

TEST(TabOrder, OrdersStayConsecutive)
{
    FormPtr form = NewForm();
    std::vector<TSolidControl*> c;
    for (int i = 0; i < 4; ++i) {
        c.push_back(new TSolidControl(form.get(), Red));
        c.back()->SetParent(form.get());
    }
    EXPECT_EQ(c[3]->TabOrder(), 3);
    c[3]->SetTabOrder(0);
    EXPECT_EQ(c[3]->TabOrder(), 0);
    EXPECT_EQ(c[0]->TabOrder(), 1);
    EXPECT_EQ(c[2]->TabOrder(), 3);
    c[3]->SetTabOrder(99);  // past the end means last
    EXPECT_EQ(c[3]->TabOrder(), 3);
    c[0]->SetTabOrder(-5);
    EXPECT_EQ(c[0]->TabOrder(), 3);
    EXPECT_EQ(c[1]->TabOrder(), 0);
    c[1]->Free();
    EXPECT_EQ(c[2]->TabOrder(), 0);
    EXPECT_EQ(c[3]->TabOrder(), 1);
    EXPECT_EQ(c[0]->TabOrder(), 2);
}

TEST(TabOrder, StoredOrdersAreClosedUpAfterLoading)
{
    FormPtr form = NewForm();
    std::vector<TSolidControl*> c;
    for (int i = 0; i < 3; ++i) {
        c.push_back(new TSolidControl(form.get(), Red));
        c.back()->SetLoading(true);
        c.back()->SetParent(form.get());
    }
    c[0]->SetTabOrder(7);
    c[1]->SetTabOrder(2);
    c[2]->SetTabOrder(5);
    for (TSolidControl* x : c)
        x->Loaded();
    form->Loaded();
    EXPECT_EQ(c[1]->TabOrder(), 0);
    EXPECT_EQ(c[2]->TabOrder(), 1);
    EXPECT_EQ(c[0]->TabOrder(), 2);
}

TEST(ControlMessages, PropertyChangesAreAnnounced)
{
    FormPtr form = NewForm();
    auto* g = new TSolidGraphic(form.get(), Red);
    g->SetParent(form.get());
    g->messages.clear();
    g->SetText("Hello");
    g->SetText("Hello");  // unchanged: no message
    g->SetEnabled(false);
    g->SetVisible(false);
    g->Font()->SetColor(clRed);
    EXPECT_EQ(g->Text(), "Hello");
    EXPECT_EQ(Count(g->messages, CM_TEXTCHANGED), 1u);
    EXPECT_EQ(Count(g->messages, CM_ENABLEDCHANGED), 1u);
    EXPECT_EQ(Count(g->messages, CM_VISIBLECHANGED), 1u);
    EXPECT_EQ(Count(g->messages, CM_FONTCHANGED), 1u);

    EXPECT_FALSE(g->ParentFont());

    // Children that follow the parent's font take it over.
    g->SetParentFont(true);
    EXPECT_EQ(g->Font()->Color(), form->Font()->Color());
    g->messages.clear();
    form->Font()->SetHeight(-20);
    EXPECT_EQ(Count(g->messages, CM_FONTCHANGED), 1u);
    EXPECT_EQ(g->Font()->Height(), -20);
    EXPECT_TRUE(g->ParentFont());
    g->SetParentFont(false);
    g->messages.clear();
    form->Font()->SetHeight(-30);
    EXPECT_EQ(Count(g->messages, CM_FONTCHANGED), 0u);
    EXPECT_EQ(g->Font()->Height(), -20);
}

TEST(ControlMessages, WindowStateFollowsTheProperties)
{
    FormPtr form = NewForm();
    auto* c = new TSolidControl(form.get(), Red);
    c->SetParent(form.get());
    c->SetText("First");
    HWND window = c->Handle();
    char buffer[32] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "First");
    c->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(window));
    c->SetVisible(false);
    EXPECT_FALSE(GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE);
    c->SetTabStop(true);
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_STYLE) & WS_TABSTOP);

    // A new window keeps what the old one had.
    SetWindowTextA(window, "Typed");
    c->RecreateWnd();
    EXPECT_NE(c->Handle(), nullptr);
    EXPECT_FALSE(IsWindow(window));
    GetWindowTextA(c->Handle(), buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "Typed");
    EXPECT_FALSE(IsWindowEnabled(c->Handle()));
}

TEST(ControlMessages, ACaptionShowingTheNameFollowsIt)
{
    FormPtr form = NewForm();
    auto* c = new TSolidControl(form.get(), Red);
    c->SetParent(form.get());
    c->SetName("Button1");
    EXPECT_EQ(c->Caption(), "Button1");
    c->SetName("Button2");
    EXPECT_EQ(c->Caption(), "Button2");
    c->SetCaption("OK");
    c->SetName("Button3");
    EXPECT_EQ(c->Caption(), "OK");

    auto* plain = new TSolidGraphic(form.get(), Red);
    plain->SetControlStyle(plain->ControlStyle() - TControlStyle{csSetCaption});
    plain->SetName("Label1");
    EXPECT_EQ(plain->Caption(), "");
}

TEST(ControlMessages, ChildrenFollowTheParentColourUntilTheyHaveTheirOwn)
{
    FormPtr form = NewForm();
    auto* child = new TSolidGraphic(form.get(), Red);
    child->SetParentColor(true);
    child->SetParent(form.get());
    EXPECT_EQ(child->Color(), clBtnFace);
    form->SetColor(clYellow);
    EXPECT_EQ(child->Color(), clYellow);
    EXPECT_TRUE(child->ParentColor());
    child->SetColor(clAqua);
    EXPECT_FALSE(child->ParentColor());
    form->SetColor(clWhite);
    EXPECT_EQ(child->Color(), clAqua);
    child->SetParentColor(true);
    EXPECT_EQ(child->Color(), clWhite);
}

TEST(ControlMessages, WindowProcCanBeReplacedAndChained)
{
    FormPtr form = NewForm();
    auto* c = new TSolidControl(form.get(), Red);
    c->SetParent(form.get());
    std::vector<UINT> before, after;
    TWndMethod old = c->WindowProc;
    c->WindowProc = [&](TMessage& m) {
        before.push_back(m.Msg);
        old(m);
        after.push_back(m.Msg);
    };
    SendMessageA(c->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Hooked"));
    EXPECT_EQ(c->Text(), "Hooked");
    EXPECT_EQ(Count(before, WM_SETTEXT), 1u);
    EXPECT_EQ(Count(after, WM_SETTEXT), 1u);
    c->WindowProc = old;
}

namespace {

// A window of the system "BUTTON" class driven as a framework control.
class TNativeButton : public TWinControl {
public:
    // The system button reports its own clicks: no framework click on mouse-up.
    explicit TNativeButton(TComponent* owner) : TWinControl(owner)
    {
        SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks});
    }
    int clicks = 0;

    void Dispatch(TMessage& message) override
    {
        if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
            ++clicks;
            Click();
            return;
        }
        TWinControl::Dispatch(message);
    }

protected:
    void CreateParams(TCreateParams& params) override
    {
        TWinControl::CreateParams(params);
        CreateSubClass(params, "BUTTON");
        params.Style |= BS_PUSHBUTTON;
    }
};

class TNativeEdit : public TWinControl {
public:
    using TWinControl::TWinControl;
    COLORREF textColor = Red;

    void Dispatch(TMessage& message) override
    {
        TWinControl::Dispatch(message);
        if (message.Msg == CN_CTLCOLOREDIT)
            SetTextColor(reinterpret_cast<HDC>(message.WParam), textColor);
    }

protected:
    void CreateParams(TCreateParams& params) override
    {
        TWinControl::CreateParams(params);
        CreateSubClass(params, "EDIT");
        params.Style |= ES_AUTOHSCROLL;
    }
};

} // namespace

TEST(NativeControls, SystemClassesWorkThroughTheFramework)
{
    FormPtr form = NewForm();
    auto* button = new TNativeButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 80, 24);
    button->SetText("Push");
    int clicked = 0;
    button->OnClick = [&](TObject*) { ++clicked; };
    char cls[64] = {};
    GetClassNameA(button->Handle(), cls, sizeof cls);
    EXPECT_STREQ(cls, "TWinControl.BUTTON");
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);  // the button notifies its parent
    EXPECT_EQ(button->clicks, 1);
    EXPECT_EQ(clicked, 1);

    auto* edit = new TNativeEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 40, 100, 22);
    edit->SetColor(clYellow);
    SendMessageA(edit->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc"));
    EXPECT_EQ(edit->Text(), "abc");
    HDC dc = GetDC(edit->Handle());
    LRESULT brush = SendMessageA(form->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(edit->Handle()));
    EXPECT_NE(brush, 0);
    EXPECT_EQ(GetBkColor(dc), ColorToRGB(clYellow));
    EXPECT_EQ(GetTextColor(dc), Red);
    ReleaseDC(edit->Handle(), dc);

    // The window uses the control's font, also after it changes.
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(edit->Handle(), WM_GETFONT, 0, 0)),
              edit->Font()->Handle());
    edit->Font()->SetHeight(-19);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(edit->Handle(), WM_GETFONT, 0, 0)),
              edit->Font()->Handle());
}

TEST(Painting, PaintToRendersTheControlWithItsChildren)
{
    FormPtr form = NewForm(120, 80);
    form->SetColor(clWhite);
    auto* panel = new TSolidControl(form.get(), Red);
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, 100, 60);
    auto* graphic = new TSolidGraphic(form.get(), Blue);
    graphic->SetParent(panel);
    graphic->SetBounds(5, 5, 20, 20);
    auto* inner = new TSolidControl(form.get(), Green);
    inner->SetParent(panel);
    inner->SetBounds(50, 30, 30, 20);
    auto* button = new TNativeButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(0, 75, 120, 5);
    form->HandleNeeded();

    TestDib dib(140, 100);
    dib.Fill(RGB(1, 2, 3));
    form->PaintTo(dib.DC(), 10, 10);
    EXPECT_EQ(dib.Pixel(12, 12), Rgb(RGB(255, 255, 255)));  // the form's colour
    EXPECT_EQ(dib.Pixel(20, 20), Rgb(Red));                  // the panel
    EXPECT_EQ(dib.Pixel(30, 30), Rgb(Blue));                 // windowless child on the panel
    EXPECT_EQ(dib.Pixel(80, 60), Rgb(Green));                // windowed grandchild
    EXPECT_EQ(dib.Pixel(5, 5), Rgb(RGB(1, 2, 3)));           // outside: untouched
    EXPECT_EQ(dib.Pixel(135, 95), Rgb(RGB(1, 2, 3)));
    EXPECT_NE(dib.Pixel(60, 87), Rgb(RGB(1, 2, 3)));         // the native button drew
    EXPECT_EQ(panel->paints, 1);

    // Invalidate and Update repaint at once; PaintTo does not count as one.
    form->Show();
    UpdateWindow(form->Handle());
    int before = panel->paints;
    panel->Invalidate();
    panel->Update();
    EXPECT_EQ(panel->paints, before + 1);
    panel->Repaint();
    EXPECT_EQ(panel->paints, before + 2);

    // The graphic control alone, at the origin.
    TestDib small(20, 20);
    graphic->PaintTo(small.DC(), 0, 0);
    EXPECT_EQ(small.Pixel(10, 10), Rgb(Blue));
}

TEST(Painting, RealWindowsShowWhatPaintToShows)
{
    FormPtr form = NewForm(100, 60);
    form->SetColor(clWhite);
    auto* graphic = new TSolidGraphic(form.get(), Blue);
    graphic->SetParent(form.get());
    graphic->SetBounds(10, 10, 30, 30);
    graphic->SetControlStyle(graphic->ControlStyle() + TControlStyle{csOpaque});
    form->Show();
    UpdateWindow(form->Handle());
    TestDib dib(100, 60);
    HDC windowDC = GetDC(form->Handle());
    BitBlt(dib.DC(), 0, 0, 100, 60, windowDC, 0, 0, SRCCOPY);
    ReleaseDC(form->Handle(), windowDC);
    GdiFlush();
    EXPECT_EQ(dib.Pixel(20, 20), Rgb(Blue));
    EXPECT_EQ(dib.Pixel(60, 40), Rgb(RGB(255, 255, 255)));
}

TEST(Painting, AChildGetsItsParentsBackgroundThroughEraseBackground)
{
    FormPtr form = NewForm(100, 100);
    form->SetColor(clLime);
    auto* child = new TSolidControl(form.get(), Red);
    child->SetParent(form.get());
    child->SetBounds(30, 40, 20, 20);
    TestDib dib(20, 20);
    dib.Fill(RGB(9, 9, 9));
    SetViewportOrgEx(dib.DC(), -child->Left(), -child->Top(), nullptr);
    LRESULT erased = SendMessageA(form->Handle(), WM_ERASEBKGND,
                                  reinterpret_cast<WPARAM>(dib.DC()), 0);
    SetViewportOrgEx(dib.DC(), 0, 0, nullptr);
    EXPECT_EQ(erased, 1);
    EXPECT_EQ(dib.Pixel(0, 0), Rgb(Green));
    EXPECT_EQ(dib.Pixel(19, 19), Rgb(Green));
}

TEST(Mouse, WindowlessControlsGetMouseInputThroughTheirParent)
{
    FormPtr form = NewForm();
    auto* g = new TSolidGraphic(form.get(), Blue);
    g->SetParent(form.get());
    g->SetBounds(50, 60, 40, 30);
    struct Event {
        TMouseButton button;
        int x, y;
    };
    std::vector<Event> downs, ups;
    int clicks = 0, doubles = 0;
    g->OnMouseDown = [&](TObject*, TMouseButton b, unsigned, int x, int y) { downs.push_back({b, x, y}); };
    g->OnMouseUp = [&](TObject*, TMouseButton b, unsigned, int x, int y) { ups.push_back({b, x, y}); };
    g->OnClick = [&](TObject*) { ++clicks; };
    g->OnDblClick = [&](TObject*) { ++doubles; };
    HWND window = form->Handle();

    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(55, 65));
    EXPECT_TRUE(g->MouseCapture());
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(60, 70));
    EXPECT_FALSE(g->MouseCapture());
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].x, 5);
    EXPECT_EQ(downs[0].y, 5);
    EXPECT_EQ(ups[0].x, 10);
    EXPECT_EQ(clicks, 1);

    // Pressed inside, released outside: captured, but no click.
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(55, 65));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(200, 10));
    EXPECT_EQ(ups.size(), 2u);
    EXPECT_EQ(ups[1].x, 150);
    EXPECT_EQ(clicks, 1);

    SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(55, 65));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(55, 65));
    EXPECT_EQ(doubles, 1);

    // Another window taking the capture ends this one's.
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(55, 65));
    EXPECT_EQ(GetCaptureControl(), g);
    SetCapture(Application->Handle());
    EXPECT_EQ(GetCaptureControl(), nullptr);
    ReleaseCapture();
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(55, 65));

    // A press beside it belongs to the form.
    int formDowns = 0;
    form->OnMouseDown = [&](TObject*, TMouseButton, unsigned, int, int) { ++formDowns; };
    SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(formDowns, 1);
    EXPECT_EQ(downs.size(), 4u);
}

namespace {

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

// Counts enter and leave messages per control.
class TTrackedControl : public TSolidControl {
public:
    using TSolidControl::TSolidControl;
    std::vector<UINT>* log = nullptr;
    void Dispatch(TMessage& m) override
    {
        if (log && (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE))
            log->push_back(m.Msg);
        TSolidControl::Dispatch(m);
    }
};

} // namespace

TEST(Mouse, EnterAndLeaveAreTrackedAcrossWindowedAndWindowlessControls)
{
    FormPtr form = NewForm(300, 200);
    form->SetBounds(100, 100, 300, 200);
    auto* g = new TSolidGraphic(form.get(), Blue);
    g->SetParent(form.get());
    g->SetBounds(10, 10, 50, 50);
    auto* w = new TTrackedControl(form.get(), Red);
    std::vector<UINT> windowedLog;
    w->log = &windowedLog;
    w->SetParent(form.get());
    w->SetBounds(100, 10, 50, 50);
    form->Show();
    PumpFor(50);
    MoveMouseTo(POINT{5, 5});
    g->messages.clear();

    MoveMouseTo(form->ClientToScreen(POINT{30, 30}));
    EXPECT_EQ(GetMouseControl(), g);
    EXPECT_EQ(Count(g->messages, CM_MOUSEENTER), 1u);
    MoveMouseTo(form->ClientToScreen(POINT{35, 32}));  // moving inside: nothing new
    EXPECT_EQ(Count(g->messages, CM_MOUSEENTER), 1u);
    g->SetVisible(false);  // hidden under the mouse: it is left
    EXPECT_EQ(Count(g->messages, CM_MOUSELEAVE), 1u);
    EXPECT_EQ(GetMouseControl(), nullptr);
    g->SetVisible(true);
    MoveMouseTo(form->ClientToScreen(POINT{30, 30}));
    EXPECT_EQ(Count(g->messages, CM_MOUSEENTER), 2u);

    MoveMouseTo(form->ClientToScreen(POINT{120, 30}));
    EXPECT_EQ(Count(g->messages, CM_MOUSELEAVE), 2u);
    EXPECT_EQ(GetMouseControl(), w);
    ASSERT_EQ(windowedLog.size(), 1u);
    EXPECT_EQ(windowedLog[0], CM_MOUSEENTER);

    MoveMouseTo(POINT{form->Left() + 400, form->Top() + 300});  // off the form
    EXPECT_TRUE(PumpUntil([&] { return windowedLog.size() == 2; }, 1500));
    ASSERT_EQ(windowedLog.size(), 2u);
    EXPECT_EQ(windowedLog[1], CM_MOUSELEAVE);
    EXPECT_EQ(GetMouseControl(), nullptr);
}

TEST(Mouse, TheControlUnderTheMouseChoosesTheCursor)
{
    FormPtr form = NewForm();
    auto* g = new TSolidGraphic(form.get(), Blue);
    g->SetParent(form.get());
    g->SetBounds(10, 10, 50, 50);
    g->SetCursor(crHandPoint);
    form->Show();
    MoveMouseTo(form->ClientToScreen(POINT{20, 20}));
    LRESULT handled = SendMessageA(form->Handle(), WM_SETCURSOR,
                                   reinterpret_cast<WPARAM>(form->Handle()),
                                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(handled, TRUE);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    MoveMouseTo(POINT{2, 2});
}
