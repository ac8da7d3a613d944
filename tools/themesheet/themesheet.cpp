// Draws every element of the library's looks in every state onto one sheet,
// a column per theme, and writes it as a 32-bit BMP for people to look at
// (`make theme-sheet` turns it into a PNG).
#include "framework/graphics/canvas.h"
#include "framework/graphics/imagelist.h"
#include "framework/controls/control.h"
#include "framework/forms/form.h"
#include "styling/controls/sklabel.h"
#include "styling/controls/themebuttons.h"
#include "styling/controls/themecheckboxs.h"
#include "styling/controls/themeedits.h"
#include "styling/controls/themeprogress.h"
#include "styling/controls/themescrollbars.h"
#include "styling/controls/themestdcontrol.h"
#include "styling/core/stylist.h"
#include "styling/core/skbitmap.h"
#include "styling/core/skdraw.h"
#include "styling/core/sksystem.h"
#include "styling/core/sktext.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skstatuspanel.h"
#include "styling/themes/skthemecoolflat.h"
#include "styling/themes/skthemeflat.h"
#include "styling/themes/skthemehighlight.h"
#include "styling/themes/skthemekde.h"
#include "styling/themes/skthemelines.h"
#include "styling/themes/skthemeluna.h"
#include "styling/themes/skthememetalluna.h"
#include "styling/themes/skthemeofficexp.h"
#include "styling/themes/skthemestd.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int ColumnWidth = 760;
constexpr TColor Background = 0xE8E8E8;
constexpr TColor LabelColor = 0x404040;

// Places elements left to right in rows, with a small label above each row.
class TSheet {
public:
    TSheet(TCanvas* canvas, int left) : canvas_(canvas), left_(left), x_(left), y_(8) {}

    void Row(const std::wstring& title)
    {
        y_ += rowHeight_ + (rowHeight_ ? 10 : 0);
        x_ = left_ + 8;
        rowHeight_ = 0;
        TFont* font = canvas_->Font();
        font->SetName("Tahoma");
        font->SetSize(8);
        font->SetStyle(TFontStyles());
        font->SetColor(LabelColor);
        TRect r{x_, y_, left_ + ColumnWidth - 8, y_ + 14};
        DrawTextWide(canvas_, title, r, DT_SINGLELINE | DT_VCENTER);
        y_ += 16;
    }
    // The rectangle for the next element of the row.
    TRect Next(int width, int height)
    {
        if (x_ + width > left_ + ColumnWidth - 8) {
            y_ += rowHeight_ + 6;
            x_ = left_ + 8;
            rowHeight_ = 0;
        }
        TRect r{x_, y_, x_ + width, y_ + height};
        x_ += width + 6;
        rowHeight_ = std::max(rowHeight_, height);
        return r;
    }
    void Gap(int width) { x_ += width; }
    int Bottom() const { return y_ + rowHeight_; }

private:
    TCanvas* canvas_;
    int left_, x_, y_;
    int rowHeight_ = 0;
};

// Drawing at a rectangle's origin for operations that paint from (0, 0).
class TOriginShift {
public:
    TOriginShift(TCanvas* canvas, const TRect& r) : dc_(canvas->Handle())
    {
        SetWindowOrgEx(dc_, -r.left, -r.top, &old_);
    }
    ~TOriginShift() { SetWindowOrgEx(dc_, old_.x, old_.y, nullptr); }

private:
    HDC dc_;
    POINT old_{};
};

void Title(TCanvas* canvas, int left, const std::string& name)
{
    TFont* font = canvas->Font();
    font->SetName("Tahoma");
    font->SetSize(12);
    font->SetStyle(TFontStyles{fsBold});
    font->SetColor(0x202020);
    TRect r{left + 8, 4, left + ColumnWidth, 26};
    DrawTextWide(canvas, std::wstring(name.begin(), name.end()), r, DT_SINGLELINE | DT_VCENTER);
}

void DrawFrames(const TSkTheme& t, TCanvas* c, TSheet& s)
{
    s.Row(L"Form frames: standard active, inactive; tool window active, inactive");
    for (TSkBorderStyle style : {kbsStandard, kbsToolWindow})
        for (bool active : {true, false}) {
            const TRect r = s.Next(160, 90);
            HRGN region = t.GetFormRegion(160, 90, style);
            OffsetRgn(region, r.left, r.top);
            SelectClipRgn(c->Handle(), region);
            FillRectColor(c, r, t.GetColor(kcFace));
            {
                TOriginShift shift(c, r);
                // A tool window shows only its close button, as this program's do;
                // the caption and the buttons sit where the theme's metrics put them.
                const bool tool = style == kbsToolWindow;
                const int border = t.GetSize(tool ? ksToolFrameWidth : ksFrameWidth);
                const int captionHeight = t.GetSize(tool ? ksToolCaptionHeight : ksCaptionHeight);
                t.DrawFormFrame(c, 160, 90, TRect{border, captionHeight, 160 - border, 90 - border},
                                active, style);
                const int width = t.GetSize(tool ? ksToolButtonWidth : ksButtonWidth);
                const int height = t.GetSize(tool ? ksToolButtonHeight : ksButtonHeight);
                const int top = t.GetSize(tool ? ksToolButtonTop : ksButtonTop);
                int x = 160 - t.GetSize(tool ? ksToolButtonRight : ksButtonRight) - width;
                for (uint8_t glyph : {kfbClose, kfbMaximize, kfbMinimize}) {
                    if (tool && glyph != kfbClose)
                        break;
                    t.DrawFormButton(c, TRect{x, top, x + width, top + height}, glyph, false, false,
                                     active, style);
                    x -= width + t.GetSize(ksButtonGap);
                }
                TFont* font = c->Font();
                font->SetName(t.GetFontName(tool ? kfToolCaption : kfCaption));
                font->SetSize(t.GetFontSize(tool ? kfToolCaption : kfCaption));
                font->SetStyle(t.GetFontStyle(tool ? kfToolCaption : kfCaption));
                font->SetColor(t.GetColor(active ? kcActiveCaptionText : kcInactiveCaptionText));
                TRect caption{8, 0, 90, tool ? 19 : 29};
                DrawTextWide(c, L"Sheet Mill", caption, DT_SINGLELINE | DT_VCENTER);
            }
            SelectClipRgn(c->Handle(), nullptr);
            DeleteObject(region);
        }
}

void DrawCaptionButtons(const TSkTheme& t, TCanvas* c, TSheet& s)
{
    for (bool active : {true, false}) {
        s.Row(active ? L"Caption buttons, active: each glyph normal, hot, pressed; tool-window close"
                     : L"Caption buttons, inactive");
        for (uint8_t glyph = 0; glyph < 8; ++glyph) {
            for (int look = 0; look < 3; ++look)
                t.DrawFormButton(c, s.Next(21, 21), glyph, look == 1, look == 2, active,
                                 kbsStandard);
            s.Gap(2);
        }
        for (int look = 0; look < 3; ++look)
            t.DrawFormButton(c, s.Next(14, 14), kfbClose, look == 1, look == 2, active,
                             kbsToolWindow);
    }
}

void DrawButtons(const TSkTheme& t, TCanvas* c, TSheet& s)
{
    s.Row(L"Push buttons: normal, hot, pressed, disabled, focused, default; 120 x 40");
    for (uint8_t state = kesNormal; state <= kesDefault; ++state) {
        const TRect r = s.Next(75, 25);
        TOriginShift shift(c, r);
        t.DrawButton(c, 75, 25, state);
    }
    const TRect big = s.Next(120, 40);
    TOriginShift shift(c, big);
    t.DrawButton(c, 120, 40, kesHot);
}

void DrawChecks(const TSkTheme& t, TCanvas* c, TSheet& s)
{
    s.Row(L"Check boxes (unchecked, checked, grayed x 4 states), radio buttons (2 x 4 states)");
    for (uint8_t check : {kchUnchecked, kchChecked, kchGrayed}) {
        for (uint8_t state = kesNormal; state <= kesDisabled; ++state)
            t.DrawCheckBox(c, s.Next(t.GetSize(ksCheckBoxWidth), t.GetSize(ksCheckBoxHeight)),
                           state, check);
        s.Gap(8);
    }
    for (bool checked : {false, true}) {
        for (uint8_t state = kesNormal; state <= kesDisabled; ++state)
            t.DrawRadioButton(
                c, s.Next(t.GetSize(ksRadioButtonWidth), t.GetSize(ksRadioButtonHeight)), state,
                checked);
        s.Gap(8);
    }
}

void DrawProgressAndTrack(const TSkTheme& t, TCanvas* c, TSheet& s)
{
    s.Row(L"Progress bars: blocks at 40% and 75%, smooth, vertical; track bar with selection");
    for (int percent : {40, 75}) {
        const TRect r = s.Next(150, 16);
        t.DrawProgressFrame(c, r);
        const TRect client{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        t.DrawProgressBar(c, client,
                          {client.left, client.top, client.left + 148 * percent / 100, client.bottom},
                          false, false);
    }
    {
        const TRect r = s.Next(100, 16);
        t.DrawProgressFrame(c, r);
        t.DrawProgressBar(c, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1},
                          {r.left + 1, r.top + 1, r.left + 60, r.bottom - 1}, false, true);
    }
    {
        const TRect r = s.Next(16, 80);
        t.DrawProgressFrame(c, r);
        const TRect client{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        t.DrawProgressBar(c, client, {client.left, client.bottom - 50, client.right, client.bottom},
                          true, false);
    }
    const TRect track = s.Next(150, 6);
    t.DrawTrackBar(c, track, {track.left + 30, track.top, track.left + 90, track.bottom});

    s.Row(L"Track thumbs: vertical then horizontal; block, first, second pointer x 5 states");
    for (bool vertical : {true, false})
        for (uint8_t pointer = 0; pointer < 3; ++pointer) {
            for (uint8_t state = 0; state < 5; ++state)
                t.DrawTrackThumb(c, s.Next(vertical ? 22 : 11, vertical ? 11 : 23), vertical,
                                 pointer, state);
            s.Gap(6);
        }
}

void DrawScrollParts(const TSkTheme& t, TCanvas* c, TSheet& s)
{
    s.Row(L"Scroll bars: vertical and horizontal in each state; tab scroll buttons");
    const int size = t.GetSize(ksScrollBarSize);
    for (uint8_t state = kesNormal; state <= kesDisabled; ++state) {
        const TRect r = s.Next(size, 100);
        t.DrawScrollTrack(c, r, sbVertical);
        t.DrawScrollButton(c, {r.left, r.top, r.right, r.top + size}, sbVertical, true, state);
        t.DrawScrollThumb(c, {r.left, r.top + 30, r.right, r.top + 60}, sbVertical, state);
        t.DrawScrollButton(c, {r.left, r.bottom - size, r.right, r.bottom}, sbVertical, false,
                           state);
    }
    for (uint8_t state = kesNormal; state <= kesDisabled; ++state) {
        const TRect r = s.Next(100, size);
        t.DrawScrollTrack(c, r, sbHorizontal);
        t.DrawScrollButton(c, {r.left, r.top, r.left + size, r.bottom}, sbHorizontal, true, state);
        t.DrawScrollThumb(c, {r.left + 40, r.top, r.left + 70, r.bottom}, sbHorizontal, state);
        t.DrawScrollButton(c, {r.right - size, r.top, r.right, r.bottom}, sbHorizontal, false,
                           state);
    }
    for (uint8_t state = kesNormal; state <= kesDisabled; ++state)
        t.DrawTabScrollButton(c, s.Next(size, size), state & 1, 0, state);
}

void DrawTabs(const TSkTheme& t, TCanvas* c, TSheet& s)
{
    s.Row(L"Tabs: top, bottom, left, right x normal, hot, selected; tab sheet");
    for (uint8_t position : {ktpTop, ktpBottom, ktpLeft, ktpRight}) {
        const bool side = position == ktpLeft || position == ktpRight;
        for (uint8_t state : {kesNormal, kesHot, kesSelected})
            t.DrawTab(c, s.Next(side ? 24 : 60, side ? 50 : 22), position, state);
        s.Gap(6);
    }
    t.DrawTabSheet(c, s.Next(120, 60));
}

void DrawEdits(const TSkTheme& t, TCanvas* c, TSheet& s)
{
    s.Row(L"Edit frames and memo frames, enabled and disabled; combo buttons x 4 states");
    // Filled first with the window colour, as the edit and memo fill their text area.
    for (uint8_t state : {kesNormal, kesDisabled}) {
        const TRect r = s.Next(120, 21);
        FillRectColor(c, r, t.GetColor(kcWindow));
        t.DrawEditFrame(c, r, state);
    }
    for (bool enabled : {true, false}) {
        const TRect r = s.Next(120, 60);
        FillRectColor(c, r, t.GetColor(kcWindow));
        t.DrawMemoFrame(c, r, enabled);
    }
    for (uint8_t state = kesNormal; state <= kesDisabled; ++state)
        t.DrawComboButton(c, s.Next(17, 21), state);
}

// Real themed edits, painted off screen: the states people see.
void DrawEditControls(TSkTheme* theme, TCanvas* c, TSheet& s)
{
    s.Row(L"Themed edits: text, selection, read-only path, disabled, scrolled, right, centre; "
          L"masked: character, rectangle, rounded, circle, triangle (selected)");
    TForm* form = TCustomForm::Create<TForm>(nullptr);
    auto* stylist = new TSkStylist(form);
    stylist->SetTheme(theme);
    auto add = [&](const std::wstring& text, const std::function<void(TSkThemeEdit*)>& set) {
        auto* edit = new TSkThemeEdit(form);
        edit->SetParent(form);
        edit->SetBounds(0, 0, 177, 23);
        edit->SetStylist(stylist);
        edit->SetHideSelection(false);
        edit->SetText(text);
        edit->HandleNeeded();
        set(edit);
        const TRect r = s.Next(edit->Width(), edit->Height());
        edit->PaintTo(c->Handle(), r.left, r.top);
    };
    add(L"gra.bin", [](TSkThemeEdit*) {});
    add(L"selected words", [](TSkThemeEdit* e) { e->Select(0, 8); });
    add(L"C:\\obrazy\\p\x0142yta.bin", [](TSkThemeEdit* e) { e->SetReadOnly(true); });
    add(L"disabled", [](TSkThemeEdit* e) { e->SetEnabled(false); });
    add(L"a text too long for the box, scrolled to its end", [](TSkThemeEdit* e) {
        e->SetCaret(int(e->Text().size()));
    });
    add(L"right", [](TSkThemeEdit* e) { e->SetTextAlignment(taRightJustify); });
    add(L"centre", [](TSkThemeEdit* e) { e->SetTextAlignment(taCenter); });
    for (TPasswordKind kind : {pkChar, pkRect, pkRoundRect, pkCircle, pkTriangle})
        add(L"secret", [kind](TSkThemeEdit* e) {
            if (kind == pkChar)
                e->SetPasswordWideChar(L'*');
            e->SetPasswordKind(kind);
            e->Select(2, 2);
        });
    form->Free();
}

void DrawSpeedButtons(const TSkTheme& t, TCanvas* c, TSheet& s)
{
    s.Row(L"Speed buttons: (plain, down, flat, flat down) x 4 states; drop buttons; small buttons");
    for (int kind = 0; kind < 4; ++kind) {
        for (uint8_t state = kesNormal; state <= kesDisabled; ++state)
            t.DrawSpeedButton(c, s.Next(24, 24), state, kind >= 2, kind & 1);
        s.Gap(6);
    }
    for (uint8_t state = kesNormal; state <= kesDisabled; ++state)
        t.DrawSpeedDropButton(c, s.Next(24, 24), state, false, state == kesDisabled);
    s.Gap(6);
    for (uint8_t state = kesNormal; state <= kesDisabled; ++state)
        t.DrawSmallButton(c, s.Next(14, 14), state, 0);
}

void DrawBars(const TSkTheme& t, TCanvas* c, TSheet& s)
{
    s.Row(L"Speed container, grip bar, bar background; item backgrounds (flags 0..4); panel faces");
    t.DrawSpeedContainer(c, s.Next(60, 24));
    const TRect grip = s.Next(100, 24);
    t.DrawGripBar(c, grip, {grip.left + 3, grip.top + 4, grip.left + 13, grip.bottom - 4});
    t.DrawBarBackground(c, s.Next(60, 24));
    for (uint8_t flags = 0; flags <= kibDown; ++flags) {
        TRect r = s.Next(30, 20);
        t.DrawItemBackground(c, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, flags);
    }
    for (bool hot : {false, true})
        t.DrawPanelFace(c, s.Next(40, 20), hot, true);

    s.Row(L"Header panel with caption and buttons; group box; header sections x 6 states");
    const TRect panel = s.Next(180, 90);
    t.DrawHeaderPanel(c, panel, true, 0);
    t.DrawHeaderPanelCaption(c, {panel.left + 1, panel.top + 1, panel.right - 1, panel.top + 20},
                             L"Header panel");
    int x = panel.right - 20;
    for (int kind = 0; kind < 3; ++kind, x -= 18)
        t.DrawHeaderPanelButton(c, {x, panel.top + 2, x + 17, panel.top + 19},
                                kind == 0 ? khbClose : khbChevron,
                                uint8_t(kind), kind == 2);
    const TRect group = s.Next(150, 80);
    const TRect caption{group.left + 10, group.top - 6, group.left + 70, group.top + 7};
    t.DrawGroupBox(c, group, caption, L"Group box");
    for (uint8_t state = kesNormal; state <= kesDefault; ++state)
        t.DrawHeaderSection(c, s.Next(60, 20), 0, state);
}

void DrawStatus(const TSkTheme& t, TCanvas* c, TSheet& s)
{
    s.Row(L"Status bar with two panels and a size grip");
    const TRect bar = s.Next(300, 20);
    TControl owner(nullptr);
    owner.SetBounds(0, 0, 300, 20);
    TSkStatusPanel panel(&owner);
    TOriginShift shift(c, bar);
    t.DrawStatusBar(c, {0, 0, 300, 20});
    t.DrawStatusPanel(c, {0, 0, 100, 20}, &panel);
    t.DrawStatusPanel(c, {100, 0, 200, 20}, nullptr);
    t.DrawSizeGrip(c, {284, 3, 300, 20});
}

void DrawMenus(const TSkTheme& t, TCanvas* c, TSheet& s)
{
    s.Row(L"Menu bar: items normal, selected, hot button, pressed button; system buttons");
    TSkCustomItem bar(nullptr), buttons(nullptr);
    buttons.SetButtonStyle(true);
    auto* file = new TSkCustomItem(nullptr);
    file->SetCaption(L"File");
    bar.Add(file);
    auto* edit = new TSkCustomItem(nullptr);
    edit->SetCaption(L"Edit");
    buttons.Add(edit);
    const TRect strip = s.Next(330, 22);
    {
        TOriginShift shift(c, strip);
        t.DrawMenuBarBackground(c, 330, 22);
    }
    int w = 0, h = 0;
    t.MeasureMenuBarItem(c, file, w, h);
    int x = strip.left;
    for (int look = 0; look < 4; ++look, x += w + 4) {
        TSkCustomItem* item = look < 2 ? file : edit;
        t.DrawMenuBarItem(c, item, {x, strip.top, x + w, strip.top + h}, look != 0, look == 2);
    }
    for (TSkSystemButtonKind kind : {ksbMinimize, ksbRestore, ksbClose, ksbIcon}) {
        file->SetSystemKind(kind);
        for (int look = 0; look < 3; ++look)
            t.DrawMenuBarButton(c, file, s.Next(21, 21), look != 0, look == 1);
    }

    s.Row(L"Popup menu: normal, selected, checked, disabled, separator, sub-menu; scroll buttons");
    TSkCustomItem root(nullptr);
    const wchar_t* captions[] = {L"&Restore", L"&Move", L"Always on top", L"Mi&nimize", L"-",
                                 L"&Close", L"More"};
    for (const wchar_t* caption : captions) {
        auto* item = new TSkCustomItem(nullptr);
        item->SetCaption(caption);
        root.Add(item);
    }
    root.Items(2)->SetChecked(true);
    root.Items(3)->SetEnabled(false);
    root.Items(5)->SetShortCut(scAlt | VK_F4);
    root.Items(6)->Add(new TSkCustomItem(nullptr));
    int width = 0;
    for (int i = 0; i < root.Count(); ++i) {
        int iw = 0, ih = 0;
        t.MeasurePopupItem(c, root.Items(i), iw, ih);
        width = std::max(width, iw);
    }
    const TRect popup = s.Next(width + 6, 7 * 22 - 13 + 6);
    {
        TOriginShift shift(c, popup);
        t.DrawPopupBackground(c, popup.right - popup.left, popup.bottom - popup.top);
    }
    int y = popup.top + 3;
    for (int i = 0; i < root.Count(); ++i) {
        int iw = 0, ih = 0;
        t.MeasurePopupItem(c, root.Items(i), iw, ih);
        t.DrawPopupItem(c, root.Items(i), {popup.left + 3, y, popup.right - 3, y + ih}, i == 1, i == 1);
        y += ih;
    }
    for (uint8_t direction : {kpsUp, kpsDown})
        for (bool hot : {false, true})
            t.DrawPopupScrollButton(c, s.Next(80, 10), direction, hot);
}

// The themed controls themselves, on a form of the sheet's colour, each
// state set up through the control and painted into the sheet.
void DrawControls(TSkTheme* theme, TCanvas* c, TSheet& s)
{
    TForm* form = TCustomForm::Create<TForm>(nullptr);
    form->SetBounds(0, 0, 600, 200);
    form->SetColor(Background);
    auto* stylist = new TSkStylist(form);
    stylist->SetTheme(theme);
    const auto place = [&](TControl* control, int width, int height, int y) {
        control->SetParent(form);
        control->SetBounds(10, y, width, height);
    };
    const auto paint = [&](TControl* control) {
        const TRect r = s.Next(control->Width(), control->Height());
        if (auto* windowed = dynamic_cast<TWinControl*>(control))
            windowed->HandleNeeded();  // the system's styles draw for a window
        control->PaintTo(c->Handle(), r.left, r.top);
    };
    const auto button = [&](const char* caption, TBitBtnKind kind, bool themed) {
        TSkCustomButton* b = themed ? new TSkThemeButton(form) : new TSkCustomButton(form);
        if (themed)
            static_cast<TSkThemeButton*>(b)->SetStylist(stylist);
        place(b, 80, 25, 10);
        b->SetKind(kind);
        b->SetCaption(caption);
        return b;
    };
    s.Row(L"Themed buttons: normal, hot, pressed, disabled, focused, default; with a kind glyph the same");
    for (TBitBtnKind kind : {bkCustom, bkOK}) {
        for (int state = 0; state < 6; ++state) {
            TSkCustomButton* b = button(kind == bkOK ? "OK" : "Zapisz", kind, true);
            b->SetDefault(false);
            switch (state) {
            case 1: b->Perform(CM_MOUSEENTER); break;
            case 2: b->SetState(kbsPressed); break;
            case 3: b->SetEnabled(false); break;
            case 4: b->Perform(CM_ENTER); break;
            case 5: b->SetDefault(true), b->Perform(CM_FOCUSCHANGED); break;
            }
            paint(b);
        }
    }
    s.Row(L"Without a theme: the system's styled face, then the classic one: normal, pressed, focused, disabled");
    for (bool styled : {true, false})
        for (int state = 0; state < 4; ++state) {
            TSkCustomButton* b = button(state == 3 ? "Anuluj" : "Wczytaj", state == 3 ? bkCancel : bkCustom, false);
            b->SetUseVisualStyles(styled);
            if (state == 1)
                b->SetState(kbsPressed);
            if (state == 2)
                b->Perform(CM_ENTER);
            if (state == 3)
                b->SetEnabled(false);
            paint(b);
        }
    s.Row(L"Radio buttons: off, on, hot, pressed, disabled; unthemed styled and classic; check boxes; labels");
    for (int state = 0; state < 5; ++state) {
        auto* r = new TSkThemeRadioButton(form);
        place(r, 98, 20, 50);
        r->SetStylist(stylist);
        r->SetCaption("Automatycznie");
        r->SetChecked(state != 0);
        if (state == 2)
            r->Perform(CM_MOUSEENTER);
        if (state == 3)
            r->Perform(WM_KEYDOWN, VK_SPACE);
        if (state == 4)
            r->SetEnabled(false);
        paint(r);
    }
    for (bool styled : {true, false}) {
        auto* r = new TSkCustomRadioButton(form);
        place(r, 98, 20, 80);
        r->SetUseVisualStyles(styled);
        r->SetCaption(styled ? "Styled" : "Classic");
        r->SetChecked(true);
        paint(r);
        for (TCheckBoxState state : {cbUnchecked, cbChecked, cbGrayed}) {
            auto* box = new TSkCustomCheckBox(form);
            place(box, 80, 20, 110);
            box->SetUseVisualStyles(styled);
            box->SetState(state);
            box->SetCaption(state == cbGrayed ? "Grayed" : "Pole");
            paint(box);
        }
    }
    for (bool enabled : {true, false}) {
        auto* label = new TSkThemeLabel(form);
        place(label, 10, 10, 140);
        label->SetStylist(stylist);
        label->SetEnabled(enabled);
        label->SetCaption("Wybierz plik obrazu:");
        paint(label);
    }
    form->Free();
}

// The progress bar, the scroll bar and the memo, themed and plain.
void DrawBarControls(TSkTheme* theme, TCanvas* c, TSheet& s)
{
    TForm* form = TCustomForm::Create<TForm>(nullptr);
    form->SetBounds(0, 0, 600, 300);
    form->SetColor(Background);
    auto* stylist = new TSkStylist(form);
    stylist->SetTheme(theme);
    const auto paint = [&](TControl* control) {
        const TRect r = s.Next(control->Width(), control->Height());
        control->PaintTo(c->Handle(), r.left, r.top);
        return r;
    };

    s.Row(L"Progress bars, themed then plain: empty, one step, half in blocks, half smooth, full, "
          L"beyond Max, upright");
    for (bool themed : {true, false}) {
        const struct {
            int position;
            bool smooth, vertical;
        } bars[] = {{0, false, false}, {2, false, false},  {50, false, false}, {50, true, false},
                    {100, false, false}, {150, false, false}, {60, false, true}};
        for (const auto& b : bars) {
            auto* bar = new TSkThemeProgressBar(form);
            bar->SetParent(form);
            bar->SetBounds(10, 10, b.vertical ? 17 : 140, b.vertical ? 60 : 17);
            bar->SetOrientation(b.vertical ? kboVertical : kboHorizontal);
            bar->SetSmooth(b.smooth);
            bar->SetPosition(b.position);
            if (themed)
                bar->SetStylist(stylist);
            paint(bar);
        }
    }

    s.Row(L"Scroll bars, themed then plain: normal, thumb hot, thumb dragged, page held, button "
          L"held, disabled, full page; upright");
    for (bool themed : {true, false})
        for (int state = 0; state < 8; ++state) {
            auto* bar = themed ? new TSkThemeScrollBar(form) : new TSkCustomScrollBar(form);
            bar->SetParent(form);
            if (themed)
                static_cast<TSkThemeScrollBar*>(bar)->SetStylist(stylist);
            if (state == 7) {
                bar->SetKind(sbVertical);
                bar->SetBounds(10, 10, GetSystemMetrics(SM_CYVTHUMB), 80);
            } else {
                bar->SetBounds(10, 10, 121, GetSystemMetrics(SM_CYVTHUMB));
            }
            bar->SetPosition(40);
            RECT part;
            bar->GetThumbRect(part);
            if (state == 3)
                bar->GetSecondPageRect(part);
            if (state == 4)
                bar->GetSecondButtonRect(part);
            const LPARAM at = MAKELPARAM((part.left + part.right) / 2, (part.top + part.bottom) / 2);
            if (state >= 1 && state <= 4)
                bar->Perform(WM_MOUSEMOVE, 0, at);
            if (state >= 2 && state <= 4)
                bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
            if (state == 5)
                bar->SetEnabled(false);
            if (state == 6)
                bar->SetPageSize(101);
            paint(bar);
            if (state >= 2 && state <= 4)
                bar->Perform(WM_LBUTTONUP, 0, at);
        }

    s.Row(L"Memos with their in-place scroll bars, themed then plain: lines, disabled");
    std::string text;
    for (int i = 1; i <= 20; ++i)
        text += "  TRACK " + std::to_string(i) + " MODE1/2352 and a line long enough to scroll\r\n";
    for (bool themed : {true, false})
        for (bool enabled : {true, false}) {
            auto* memo = themed ? new TSkThemeMemo(form) : new TSkCustomMemo(form);
            memo->SetParent(form);
            memo->SetBounds(10, 10, 200, 100);
            memo->SetWordWrap(false);
            memo->SetScrollBars(ssBoth);
            if (themed)
                static_cast<TSkThemeMemo*>(memo)->SetStylist(stylist);
            memo->Lines()->SetText(text);
            memo->SetEnabled(enabled);
            memo->HandleNeeded();
            const TRect r = paint(memo);
            for (TSkInplaceScrollBar* bar : {memo->SubScrollBar()->VertBar(), memo->SubScrollBar()->HorzBar()}) {
                bar->Synchronize();
                if (bar->Visible())
                    bar->PaintTo(c->Handle(), r.left + bar->Left() - memo->Left(),
                                 r.top + bar->Top() - memo->Top());
            }
            memo->Free();
        }
    form->Free();
}

// The controls' stylists own looks of their own, made by newTheme.
int DrawTheme(const TSkTheme& theme, TCanvas* canvas, int left, const std::function<TSkTheme*()>& newTheme)
{
    Title(canvas, left, theme.GetName());
    TSheet sheet(canvas, left);
    sheet.Row(L"");
    DrawFrames(theme, canvas, sheet);
    DrawCaptionButtons(theme, canvas, sheet);
    DrawButtons(theme, canvas, sheet);
    DrawChecks(theme, canvas, sheet);
    DrawProgressAndTrack(theme, canvas, sheet);
    DrawScrollParts(theme, canvas, sheet);
    DrawTabs(theme, canvas, sheet);
    DrawEdits(theme, canvas, sheet);
    DrawEditControls(newTheme(), canvas, sheet);
    DrawSpeedButtons(theme, canvas, sheet);
    DrawBars(theme, canvas, sheet);
    DrawStatus(theme, canvas, sheet);
    DrawMenus(theme, canvas, sheet);
    DrawControls(newTheme(), canvas, sheet);
    DrawBarControls(newTheme(), canvas, sheet);
    return sheet.Bottom();
}

bool WriteBmp(const TSkBitmap& bitmap, int height, const char* path)
{
    const int width = bitmap.Width();
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;  // top-down, as the bitmap is
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const DWORD bytes = DWORD(width) * height * 4;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + bytes;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    // GDI leaves the alpha byte 0 where it drew; viewers would take that
    // as see-through.
    GdiFlush();
    std::vector<TSkColor> pixels(bitmap.Pixels(), bitmap.Pixels() + size_t(width) * height);
    for (TSkColor& p : pixels)
        p |= 0xFF000000;
    out.write(reinterpret_cast<const char*>(pixels.data()), bytes);
    return bool(out);
}

}  // namespace

int main(int argc, char** argv)
{
    const char* path = argc > 1 ? argv[1] : "theme-sheet.bmp";
    // Drawn more than once, the last sheet comes from the kept element
    // pictures: it must be the same, pixel for pixel.
    const int passes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
    TSkControlsUnit unit;
    // One column per look, in this order.
    const std::function<TSkTheme*()> looks[] = {
        [] { return new TSkThemeLuna; },     [] { return new TSkThemeMetalLuna; },
        [] { return new TSkThemeStd; },      [] { return new TSkThemeFlat; },
        [] { return new TSkThemeCoolFlat; }, [] { return new TSkThemeOfficeXP; },
        [] { return new TSkThemeHighlight; }, [] { return new TSkThemeLines; },
        [] { return new TSkThemeKDE; },
    };
    TSkBitmap sheet;
    sheet.SetSize(int(std::size(looks)) * ColumnWidth, 2300);
    int height = 0;
    for (int pass = 0; pass < passes; ++pass) {
        sheet.Fill(ColorToSkColor(Background));
        TCanvas canvas;
        canvas.SetHandle(sheet.DC());
        int left = 0;
        for (const auto& make : looks) {
            std::unique_ptr<TSkTheme> theme(make());
            height = std::max(height, DrawTheme(*theme, &canvas, left, make));
            left += ColumnWidth;
        }
        canvas.SetHandle(nullptr);
    }
    height = std::min(height + 10, sheet.Height());
    if (!WriteBmp(sheet, height, path)) {
        std::fprintf(stderr, "themesheet: cannot write %s\n", path);
        return 1;
    }
    std::printf("themesheet: wrote %s\n", path);
    return 0;
}
