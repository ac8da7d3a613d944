// The standard controls over the native ones: what their properties make of
// the window, clicks and check states, the edit, the label's drawing, the
// progress bar, wide captions, descriptions, and handle counts.
#include "framework/components/reader.h"
#include "framework/components/writer.h"
#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/controls/image.h"
#include "framework/controls/label.h"
#include "framework/controls/progressbar.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

LRESULT Send(TWinControl* control, UINT msg) { return SendMessageA(control->Handle(), msg, 0, 0); }
LONG_PTR StyleOf(TWinControl* control) { return GetWindowLongPtrA(control->Handle(), GWL_STYLE); }

std::wstring ShownText(HWND window)
{
    wchar_t text[256] = {};
    InternalGetWindowText(window, text, 256);
    return text;
}

} // namespace

TEST(NativeWindows, PropertiesReachTheWindowAndSurviveANewOneAndPositionsStayInRange)
{
    FormPtr form = NewForm();
    auto* edit = AddControl<TEdit>(form.get(), 10, 10, 100, 21);
    auto* button = AddControl<TButton>(form.get(), 10, 40, 75, 25);
    auto* box = AddControl<TCheckBox>(form.get(), 10, 70, 100, 17);
    auto* bar = AddControl<TProgressBar>(form.get(), 10, 90, 200, 17);
    auto* memo = AddControl<TMemo>(form.get(), 120, 10, 150, 60);
    const struct {
        TWinControl* control;
        std::function<void()> set;
        std::function<LRESULT()> shown;
        LRESULT expected;
    } cases[] = {
        {edit, [&] { edit->SetReadOnly(true); }, [&] { return StyleOf(edit) & ES_READONLY; }, ES_READONLY},
        {edit, [&] { edit->SetMaxLength(5); }, [&] { return Send(edit, EM_GETLIMITTEXT); }, 5},
        {button, [&] { button->SetDefault(true); }, [&] { return StyleOf(button) & BS_DEFPUSHBUTTON; },
         BS_DEFPUSHBUTTON},
        {box, [&] { box->SetState(cbGrayed); }, [&] { return Send(box, BM_GETCHECK); }, BST_INDETERMINATE},
        {bar, [&] { bar->SetPosition(30); }, [&] { return Send(bar, PBM_GETPOS); }, 30},
        {bar, [&] { bar->SetMax(40); }, [&] { return Send(bar, PBM_GETRANGE); }, 40},
        {memo, [&] { memo->SetWordWrap(false); memo->SetScrollBars(ssBoth); },
         [&] { return StyleOf(memo) & WS_HSCROLL; }, WS_HSCROLL},
    };
    for (const auto& c : cases) {
        c.set();
        EXPECT_EQ(c.shown(), c.expected) << &c - cases;
        c.control->RecreateWnd();
        EXPECT_EQ(c.shown(), c.expected) << &c - cases << " in a new window";
    }
    button->SetDefault(false);  // a live window follows
    EXPECT_EQ(StyleOf(button) & BS_DEFPUSHBUTTON, 0);
    bar->SetPosition(150);  // the position stays in range
    EXPECT_EQ(Send(bar, PBM_GETPOS), 40);
    bar->SetStep(15);
    bar->StepIt();  // past the end: round again from Min
    EXPECT_EQ(bar->Position(), 15);
}

TEST(Buttons, ClicksArriveOnceCheckBoxesCycleAndRadioButtonsUncheckTheirSiblings)
{
    FormPtr form = NewForm();
    auto* ok = AddControl<TButton>(form.get(), 10, 40, 75, 25);
    auto* box = AddControl<TCheckBox>(form.get(), 10, 70, 100, 17);
    ok->SetModalResult(mrOk);
    int clicks = 0, boxClicks = 0;
    ok->OnClick = [&](TObject*) { ++clicks; };
    box->OnClick = [&](TObject*) { ++boxClicks; };
    SendMessageA(ok->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(ok->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(std::make_pair(clicks, form->ModalResult()), std::make_pair(1, int(mrOk)));
    // Allowed grayed, then the state and what the window shows after a click.
    const std::tuple<bool, TCheckBoxState, LRESULT> steps[] = {
        {false, cbChecked, BST_CHECKED}, {false, cbUnchecked, BST_UNCHECKED}, {true, cbChecked, BST_CHECKED},
        {true, cbGrayed, BST_INDETERMINATE}, {true, cbUnchecked, BST_UNCHECKED}};
    for (const auto& [allowGrayed, after, shown] : steps) {
        box->SetAllowGrayed(allowGrayed);
        SendMessageA(box->Handle(), BM_CLICK, 0, 0);
        EXPECT_EQ(std::make_pair(box->State(), Send(box, BM_GETCHECK)), std::make_pair(after, shown));
    }
    box->SetState(cbGrayed);  // from code: announced once
    box->SetState(cbGrayed);
    EXPECT_EQ(boxClicks, 6);

    // Checking a radio button unchecks its siblings only.
    auto* dcd = AddControl<TRadioButton>(form.get(), 10, 10, 98, 20);
    auto* acd = AddControl<TRadioButton>(form.get(), 110, 10, 81, 20);
    auto* group = AddControl<TCustomControl>(form.get(), 10, 80, 200, 60);
    auto* other = AddControl<TRadioButton>(group, 10, 10, 98, 20);
    box->SetChecked(true);  // not a radio: untouched
    other->SetChecked(true);
    int acdClicks = 0;
    acd->OnClick = [&](TObject*) { ++acdClicks; };
    dcd->SetChecked(true);
    SendMessageA(acd->Handle(), BM_CLICK, 0, 0);
    SendMessageA(acd->Handle(), BM_CLICK, 0, 0);  // the checked one again: nothing
    EXPECT_EQ(acdClicks, 1);
    EXPECT_EQ(Send(dcd, BM_GETCHECK), BST_UNCHECKED);
    dcd->SetChecked(true);
    EXPECT_EQ(Send(acd, BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ((std::vector<bool>{acd->Checked(), other->Checked(), box->Checked()}),
              (std::vector<bool>{false, true, true}));
}

TEST(Edits, TextColoursFontAndChangesReachTheWindow)
{
    FormPtr form = NewForm();
    auto* edit = AddControl<TEdit>(form.get(), 10, 10, 150, 21);
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->SetText("D:\\Obrazy\\gra.bin");
    SendMessageA(edit->Handle(), WM_CHAR, 'x', 0);  // typed: reported by the window
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(WindowText(edit->Handle()), "xD:\\Obrazy\\gra.bin");

    edit->SetColor(clYellow);  // the parent asks the control for its colours
    edit->Font()->SetColor(clRed);
    HDC dc = GetDC(edit->Handle());
    EXPECT_NE(SendMessageA(form->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(edit->Handle())), 0);
    EXPECT_EQ(GetBkColor(dc), ColorToRGB(clYellow));
    EXPECT_EQ(GetTextColor(dc), ColorToRGB(clRed));
    ReleaseDC(edit->Handle(), dc);
    const int small = edit->Height();
    edit->Font()->SetHeight(-24);  // the window takes the new font and grows with it
    EXPECT_EQ(reinterpret_cast<HFONT>(Send(edit, WM_GETFONT)), edit->Font()->Handle());
    EXPECT_GT(edit->Height(), small + 8);

    auto* later = new TEdit(form.get());  // text and limit given before the window exists
    later->OnChange = [&](TObject*) { ++changes; };
    later->SetText("kept");
    later->SetMaxLength(7);
    later->SetParent(form.get());
    EXPECT_EQ(WindowText(later->Handle()), "kept");
    EXPECT_EQ(changes, 3);  // making the window is no change
    EXPECT_EQ(Send(later, EM_GETLIMITTEXT), 7);
}

TEST(Labels, TheCaptionIsDrawnWithTheFontWhereAlignmentSaysAndItsLetterFocuses)
{
    FormPtr form = NewForm(200, 100);
    form->SetBorderStyle(bsNone);
    form->SetColor(clWhite);
    auto* label = AddControl<TLabel>(form.get(), 10, 10, 0, 0);
    label->Font()->SetColor(clRed);
    label->Font()->SetHeight(-24);
    label->SetCaption("W&ybierz");
    label->SetColor(clYellow);
    const RECT b = label->BoundsRect();  // AutoSize: follows the text
    TestDib dib(200, 100);
    auto paint = [&] {
        form->PaintTo(dib.DC(), 0, 0);
        return dib.Pixel(b.right - 1, b.top);
    };
    auto reds = [&](int x0, int x1) {  // red text pixels in the label's rows
        int n = 0;
        for (int y = b.top; y < b.bottom; ++y)
            for (int x = x0; x < x1; ++x)
                n += dib.Pixel(x, y) == 0xFF0000;
        return n;
    };
    EXPECT_EQ(paint(), 0xFFFF00u);  // opaque: its own colour
    EXPECT_GT(reds(b.left, b.right), 20);
    EXPECT_EQ(reds(0, b.left) + reds(b.right, 200), 0);
    label->SetTransparent(true);
    EXPECT_EQ(paint(), 0xFFFFFFu);
    EXPECT_GT(reds(0, 200), 20);
    label->SetAutoSize(false);  // without AutoSize the text keeps to its side
    label->SetWidth(190);
    label->SetAlignment(taRightJustify);
    paint();
    EXPECT_EQ(reds(0, 100), 0);
    EXPECT_GT(reds(100, 200), 20);

    auto* edit = AddControl<TEdit>(form.get(), 10, 60, 100, 21);
    auto* first = AddControl<TEdit>(form.get(), 120, 60, 60, 21);
    label->SetFocusControl(edit);
    ShowAndWait(form.get());
    first->SetFocus();
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'Y', 0), 1);
    EXPECT_EQ(GetFocus(), edit->Handle());
    edit->Free();
    EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST(StoredControls, ADescriptionIsReadAndWrittenBackIdenticallyWithWideCaptionsShownWhole)
{
    TComponent* root = ReadComponentText("object Form1: TForm\n"
                                         "  object label: TLabel\n"
                                         "    Width = 3\n"
                                         "    Caption = #379'a'#322\n"
                                         "    FocusControl = doc\n"
                                         "  end\n"
                                         "  object doc: TEdit\n"
                                         "  end\n"
                                         "  object acd: TRadioButton\n"
                                         "    Caption = 'R'#281'cznie'\n"
                                         "  end\n"
                                         "  object cue: TMemo\n"
                                         "    Lines.Strings = (\n"
                                         "      'cue')\n"
                                         "  end\n"
                                         "end\n");
    auto* label = static_cast<TLabel*>(root->FindComponent("label"));
    auto* radio = static_cast<TRadioButton*>(root->FindComponent("acd"));
    ASSERT_TRUE(label && radio);
    EXPECT_EQ(label->FocusControl(), root->FindComponent("doc"));  // named before it exists
    EXPECT_EQ(label->WideCaption(), L"\u017Ba\u0142");
    EXPECT_GT(label->Width(), 3);  // sized to its caption once read
    const std::string written = WriteComponentText(root);
    TComponent* again = ReadComponentText(written);
    EXPECT_EQ(WriteComponentText(again), written);
    again->Free();
    for (const char* line : {"    FocusControl = doc", "    Caption = 'R'#281'cznie'", "'cue')"})
        EXPECT_NE(written.find(line), std::string::npos) << line << written;

    // "Ręcznie" has no form in code page 1252: the window shows it whole,
    // also a new one, and an ANSI caption set later wins.
    EXPECT_EQ(ShownText(radio->Handle()), L"R\u0119cznie");
    radio->RecreateWnd();
    EXPECT_EQ(ShownText(radio->Handle()), L"R\u0119cznie");
    radio->SetCaption("Automatycznie");
    EXPECT_EQ(radio->WideCaption(), L"Automatycznie");
    EXPECT_EQ(ShownText(radio->Handle()), L"Automatycznie");
    root->Free();
}

TEST(Leaks, FormsFullOfControlsLeaveNoHandlesBehind)
{
    auto makeOne = [] {
        FormPtr form = NewForm();
        auto* panel = AddControl<TCustomControl>(form.get(), 250, 100, 40, 40);
        panel->Font()->SetHeight(-20);
        AddControl<TGraphicControl>(panel, 2, 2, 10, 10);
        AddControl<TButton>(form.get(), 10, 10, 75, 25)->SetDefault(true);
        // Known difference: Wine's check and radio boxes leak a clip region
        // when painted with no caption into a clipped context; with one they
        // do not, on Windows neither way.
        auto* check = AddControl<TCheckBox>(form.get(), 10, 40, 75, 17);
        check->SetCaption("Check");
        check->SetState(cbGrayed);
        AddControl<TRadioButton>(form.get(), 10, 60, 75, 17)->SetCaption("Radio");
        AddControl<TEdit>(form.get(), 10, 80, 75, 21)->SetText("edit");
        AddControl<TMemo>(form.get(), 100, 10, 75, 60)->Lines()->SetText("a\nb");
        AddControl<TProgressBar>(form.get(), 100, 80, 75, 16)->SetPosition(50);
        AddControl<TLabel>(form.get(), 100, 100, 75, 16)->SetCaption("&Label");
        AddControl<TImage>(form.get(), 200, 10, 40, 40);
        form->Show();
        TestDib dib(300, 200);
        form->PaintTo(dib.DC(), 0, 0);
        SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(255, 105));
    };
    EXPECT_EQ(GuiGrowth(makeOne, 30), (TGuiCounts{0, 0}));
}
