#include "styling/controls/skbutton.h"

#include "framework/components/properties.h"
#include "framework/controls/button.h"
#include "framework/controls/formsite.h"
#include "framework/forms/form.h"
#include "styling/core/skcontrolpaint.h"
#include "styling/core/skcolors.h"
#include "styling/core/skdraw.h"
#include "styling/core/sksystem.h"
#include "styling/core/sktext.h"
#include "styling/core/skvisualstyles.h"

#include <algorithm>
#include <map>

FW_IMPLEMENT_CLASS(TSkCustomButton, TSkCustomControl)
FW_PUBLISH(TSkCustomButton)
{
    p.Property("ActiveDefault", &T::ActiveDefault).Stored(false);
    p.Property("BlackAndWhiteGlyph", &T::BlackAndWhiteGlyph, &T::SetBlackAndWhiteGlyph);
    p.Property("Cancel", &T::Cancel, &T::SetCancel).Default(false);
    p.Property("Default", &T::Default, &T::SetDefault).Default(false);
    p.Property("Glyph", &T::Glyph);
    p.Enum("Kind", &T::Kind, &T::SetKind,
           {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort",
            "bkRetry", "bkIgnore", "bkAll"})
        .Default(bkCustom);
    p.Enum("Layout", &T::Layout, &T::SetLayout,
           {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"})
        .Default(blGlyphLeft);
    p.Property("ModalResult", &T::ModalResult, &T::SetModalResult).Default(0);
    p.Property("NumGlyphs", &T::NumGlyphs, &T::SetNumGlyphs).Default(1);
    p.Property("Spacing", &T::Spacing, &T::SetSpacing).Default(4);
    p.Enum("State", &T::State, &T::SetState, {"kbsNormal", "kbsPressed"});
    p.Property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
    p.Property("WordWrap", &T::WordWrap, &T::SetWordWrap);
    p.Property("OnClick", &T::ClickEvent, &T::SetClickEvent);
}

namespace {

const char* const KindResources[] = {nullptr,         "SK_BTN_OK",    "SK_BTN_CANCEL",
                                     "SK_BTN_HELP",   "SK_BTN_YES",   "SK_BTN_NO",
                                     "SK_BTN_CLOSE",  "SK_BTN_ABORT", "SK_BTN_RETRY",
                                     "SK_BTN_IGNORE", "SK_BTN_ALL"};
const int KindResults[] = {mrNone, mrOk, mrCancel, mrNone, mrYes, mrNo, mrNone, mrAbort, mrRetry,
                           mrIgnore, mrAll};

// (max + min) / 2 of the three channels, 0..1.
double Lightness(TColor color)
{
    const COLORREF c = static_cast<COLORREF>(color);
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    return (std::max({r, g, b}) + std::min({r, g, b})) / 2.0 / 255.0;
}

// Text is measured here when no paint is under way.
TCanvas* ScratchCanvas()
{
    static TBitmap scratch(1, 1);
    return scratch.Canvas();
}

TColor Grey(int g)
{
    return static_cast<TColor>(RGB(g, g, g));
}

} // namespace

TBitmap* SkButtonKindGlyph(TBitBtnKind kind)
{
    if (kind <= bkCustom || kind > bkAll)
        return nullptr;
    // Kept for the process: every button of a kind shares one load.
    static std::map<TBitBtnKind, std::unique_ptr<TBitmap>> loaded;
    auto& slot = loaded[kind];
    if (!slot) {
        auto bitmap = std::make_unique<TBitmap>();
        try {
            bitmap->LoadFromResourceName(GetModuleHandleA(nullptr), KindResources[kind]);
        } catch (const Exception&) {
            return nullptr;
        }
        slot = std::move(bitmap);
    }
    return slot.get();
}

int SkButtonKindModalResult(TBitBtnKind kind)
{
    return kind >= bkCustom && kind <= bkAll ? KindResults[kind] : mrNone;
}

TSkCustomButton::TSkCustomButton(TComponent* owner)
    : TInherited(owner), glyph_(std::make_unique<TBitmap>())
{
    SetControlStyle(TControlStyle{csCaptureMouse, csSetCaption, csDoubleClicks, csActionClient});
    SetColor(SkColorToColor(SkBtnFaceColor()));
    SetPerformance(kspDoubleBuffer);
    SetTransparent(false);
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
    glyph_->OnChange = [this](TObject*) { GlyphChanged(); };
}

TSkCustomButton::~TSkCustomButton() = default;

void TSkCustomButton::SetDefault(bool value)
{
    default_ = value;
    if (HandleAllocated())
        if (TCustomForm* form = GetParentForm(this))
            form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
    Invalidate();
}

void TSkCustomButton::SetGlyph(const TBitmap* value)
{
    glyph_->Assign(value);
}

// A strip of whole square cells says how many cells it has (up to four).
void TSkCustomButton::GlyphChanged()
{
    const int width = glyph_->Width(), height = glyph_->Height();
    if (height != 0 && width % height == 0) {
        const int cells = width / height;
        numGlyphs_ = cells > 4 ? 1 : cells;
    }
    Invalidate();
}

void TSkCustomButton::SetLayout(TButtonLayout value)
{
    if (value == layout_)
        return;
    layout_ = value;
    Invalidate();
}

void TSkCustomButton::SetKind(TBitBtnKind value)
{
    if (value == kind_)
        return;
    if (value != bkCustom) {
        default_ = value == bkOK || value == bkYes;
        modalResult_ = SkButtonKindModalResult(value);
        if (TBitmap* glyph = SkButtonKindGlyph(value))
            glyph_->Assign(glyph);
        numGlyphs_ = 2;
    }
    kind_ = value;
    Invalidate();
}

void TSkCustomButton::SetNumGlyphs(int value)
{
    if (value == numGlyphs_)
        return;
    numGlyphs_ = value;
    Invalidate();
}

void TSkCustomButton::SetSpacing(int value)
{
    if (value == spacing_)
        return;
    spacing_ = value;
    Invalidate();
}

void TSkCustomButton::SetState(TSkButtonState value)
{
    if (value == state_)
        return;
    state_ = value;
    Invalidate();
}

void TSkCustomButton::SetBlackAndWhiteGlyph(bool value)
{
    if (value == blackAndWhiteGlyph_)
        return;
    blackAndWhiteGlyph_ = value;
    Invalidate();
}

void TSkCustomButton::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    Invalidate();
}

void TSkCustomButton::Click()
{
    if (IFormSite* form = FindFormSite(this))
        form->SetModalResult(modalResult_);
    TInherited::Click();
}

void TSkCustomButton::CreateWnd()
{
    TInherited::CreateWnd();
    EnableWindow(Handle(), Enabled());
}

SIZE TSkCustomButton::GlyphCellSize() const
{
    if (!HasGlyph() || numGlyphs_ < 1)
        return SIZE{0, 0};
    return SIZE{glyph_->Width() / numGlyphs_, glyph_->Height()};
}

void TSkCustomButton::GetContentRect(RECT& rect)
{
    const SIZE cell = GlyphCellSize();
    if (wordWrap_) {
        rect = RECT{0, 0, Width() - 10 - spacing_ - cell.cx, Height() - 10 - spacing_ - cell.cy};
    } else {
        TCanvas* canvas = ScratchCanvas();
        canvas->SetFont(PaintFont());
        const std::wstring caption = WideCaption();
        rect = RECT{0, 0, TextWidthWide(canvas, caption, 0), TextHeightWide(canvas, caption)};
    }
    if (HasGlyph()) {
        if (layout_ == blGlyphLeft || layout_ == blGlyphRight)
            rect.right += cell.cx + spacing_;
        else
            rect.bottom += cell.cy + spacing_;
        rect.right = std::max<LONG>(rect.right, cell.cx);
        rect.bottom = std::max<LONG>(rect.bottom, cell.cy);
    }
    OffsetRect(&rect, (Width() - rect.right) / 2, (Height() - rect.bottom) / 2);
    if (state_ == kbsPressed)
        OffsetRect(&rect, 1, 1);
}

void TSkCustomButton::GetCaptionRect(RECT& rect)
{
    GetContentRect(rect);
    if (!HasGlyph())
        return;
    const SIZE cell = GlyphCellSize();
    switch (layout_) {
    case blGlyphLeft: rect.left += cell.cx + spacing_; break;
    case blGlyphRight: rect.right -= cell.cx + spacing_; break;
    case blGlyphTop: rect.top += cell.cy + spacing_; break;
    case blGlyphBottom: rect.bottom -= cell.cy + spacing_; break;
    }
}

void TSkCustomButton::GetGlyphRect(RECT& rect)
{
    GetContentRect(rect);
    if (!HasGlyph())
        return;
    const SIZE cell = GlyphCellSize();
    switch (layout_) {
    case blGlyphLeft: rect.right = rect.left + cell.cx + spacing_; break;
    case blGlyphRight: rect.left = rect.right - cell.cx - spacing_; break;
    case blGlyphTop: rect.bottom = rect.top + cell.cy + spacing_; break;
    case blGlyphBottom: rect.top = rect.bottom - cell.cy - spacing_; break;
    }
}

void TSkCustomButton::PaintClient()
{
    TInherited::PaintClient();
    DrawButtonFace();
    DrawCaption();
    DrawGlyph();
}

void TSkCustomButton::DrawCaption()
{
    TCanvas* canvas = Canvas();
    canvas->SetFont(PaintFont());
    const std::wstring caption = WideCaption();
    const UINT format = wordWrap_ ? DT_WORDBREAK : 0;
    RECT area;
    GetCaptionRect(area);
    RECT r{0, 0, wordWrap_ ? area.right - area.left : 0, 0};
    if (!wordWrap_) {
        r.right = TextWidthWide(canvas, caption, 0);
        r.bottom = TextHeightWide(canvas, caption);
    } else {
        r.bottom = TextHeightWide(canvas, caption);
    }
    DrawTextWide(canvas, caption, r, format | DT_CALCRECT);
    OffsetRect(&r, (area.right - area.left - r.right) / 2 + area.left,
               (area.bottom - area.top - r.bottom) / 2 + area.top);
    if (!Enabled()) {
        canvas->Font()->SetColor(clBtnHighlight);
        RECT shadow = r;
        OffsetRect(&shadow, 1, 1);
        DrawTextWide(canvas, caption, shadow, format | DT_CENTER);
        canvas->Font()->SetColor(clBtnShadow);
    }
    DrawTextWide(canvas, caption, r, format | DT_CENTER);
}

void TSkCustomButton::DrawGlyph()
{
    if (!HasGlyph())
        return;
    const SIZE cell = GlyphCellSize();
    if (cell.cx < 1 || cell.cy < 1)
        return;
    RECT area;
    GetGlyphRect(area);
    const int left = (area.right - area.left - cell.cx) / 2 + area.left;
    const int top = (area.bottom - area.top - cell.cy) / 2 + area.top;
    int sourceLeft = 0;
    if (numGlyphs_ > 1 && !Enabled())
        sourceLeft += cell.cx;
    if (numGlyphs_ > 2 && state_ == kbsPressed)
        sourceLeft += 2 * cell.cx;
    TCanvas* strip = glyph_->Canvas();
    const TColor key = strip->Pixels(0, glyph_->Height() - 1);
    const bool grey = blackAndWhiteGlyph_ && !MouseInControl();
    const bool faded = numGlyphs_ == 1 && !Enabled();
    TCanvas* canvas = Canvas();
    for (int y = 0; y < cell.cy; ++y)
        for (int x = 0; x < cell.cx; ++x) {
            TColor c = strip->Pixels(sourceLeft + x, y);
            if (c == key)
                continue;
            if (grey)
                c = Grey(SkRound(Lightness(c) * 255));
            if (faded)
                c = Grey((SkRound(Lightness(c) * 50) + 160) % 256);
            canvas->SetPixels(left + x, top + y, c);
        }
}

int TSkCustomButton::VisualStyleState() const
{
    constexpr int normal = 1, hot = 2, pressed = 3, disabled = 4, defaulted = 5;
    if (!Enabled())
        return disabled;
    if (state_ == kbsPressed)
        return pressed;
    if (MouseInControl())
        return hot;
    if (HasFocus() || activeDefault_)
        return defaulted;
    return normal;
}

void TSkCustomButton::DrawButtonFace()
{
    RECT r;
    GetClientArea(r);
    TCanvas* canvas = Canvas();
    if (UseVisualStyles() && SkVisualStylesActive()) {
        constexpr int pushButtonPart = 1;
        if (!Transparent())
            DrawParentBackground(this, canvas->Handle(), Performance(), false);
        if (HandleAllocated())
            DrawVisualStyle(Handle(), canvas->Handle(), L"Button", pushButtonPart,
                            VisualStyleState(), r);
        return;
    }
    if (HasFocus() || activeDefault_) {
        FrameRectColor(canvas, r, clBlack);
        InflateRect(&r, -1, -1);
    }
    FillRectColor(canvas, r, Color());
    if (state_ == kbsNormal) {
        DrawFrame3D(canvas, r, clBtnHighlight, clBlack);
        InflateRect(&r, -1, -1);
        DrawFrame3D(canvas, r, Color(), clBtnShadow);
    } else {
        DrawFrame3D(canvas, r, clBtnShadow, clBtnShadow);
    }
    if (HasFocus()) {
        GetClientArea(r);
        InflateRect(&r, -4, -4);
        DrawFocusRectColor(canvas, r, clBtnShadow);
    }
}

void TSkCustomButton::MouseDown(TMouseButton button, unsigned shift, int x, int y)
{
    TInherited::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    if (!ComponentState().Contains(csDesigning) && CanFocus())
        SetFocus();
    SetState(kbsPressed);
    tracking_ = true;
}

void TSkCustomButton::MouseMove(unsigned shift, int x, int y)
{
    TInherited::MouseMove(shift, x, y);
    if (!tracking_)
        return;
    const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
    SetState(inside ? kbsPressed : kbsNormal);
}

void TSkCustomButton::MouseUp(TMouseButton button, unsigned shift, int x, int y)
{
    TInherited::MouseUp(button, shift, x, y);
    if (!tracking_)
        return;
    tracking_ = false;
    SetState(kbsNormal);
    if (x >= 0 && x < Width() && y >= 0 && y < Height())
        Click();
    Invalidate();
}

void TSkCustomButton::KeyDown(unsigned short& key, unsigned shift)
{
    if (key == VK_SPACE && !(shift & (1u << ssAlt)))
        SetState(kbsPressed);
    TInherited::KeyDown(key, shift);
}

void TSkCustomButton::KeyUp(unsigned short& key, unsigned shift)
{
    if (key == VK_SPACE) {
        SetState(kbsNormal);
        Click();
        key = 0;
    }
    TInherited::KeyUp(key, shift);
}

void TSkCustomButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_FOCUSCHANGED:
        CMFocusChanged(message);
        return;
    case WM_GETDLGCODE:
        // A push button, so that the framework's default buttons step back.
        message.Result = DLGC_BUTTON | (activeDefault_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        return;
    case CM_DIALOGKEY:
        CMDialogKey(TWMKey(message));
        return;
    case CM_DIALOGCHAR:
        CMDialogChar(TWMKey(message));
        return;
    case CM_TEXTCHANGED:
        Invalidate();
        return;
    case CM_ENABLEDCHANGED:
        if (HandleAllocated() && !ComponentState().Contains(csDesigning))
            EnableWindow(Handle(), Enabled());
        Invalidate();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TInherited::Dispatch(message);
        Invalidate();
        return;
    default:
        TInherited::Dispatch(message);
    }
}

// Shown as the default while no other button holds the focus.
void TSkCustomButton::CMFocusChanged(TMessage& message)
{
    auto* focused = reinterpret_cast<TControl*>(message.LParam);
    const bool buttonFocused =
        focused && (dynamic_cast<TSkCustomButton*>(focused) || dynamic_cast<TButton*>(focused));
    const bool value = buttonFocused ? false : default_;
    if (value != activeDefault_) {
        activeDefault_ = value;
        Invalidate();
    }
    TInherited::Dispatch(message);
}

void TSkCustomButton::CMDialogKey(const TWMKey& key)
{
    const bool noShift = (KeyboardShiftState() & ((1u << ssShift) | (1u << ssCtrl))) == 0 &&
                         !key.AltDown();
    const bool wanted = (key.CharCode == VK_RETURN && (activeDefault_ || Focused())) ||
                        (key.CharCode == VK_ESCAPE && cancel_);
    if (wanted && noShift && CanFocus()) {
        Click();
        key.Message.Result = 1;
        return;
    }
    TInherited::Dispatch(key.Message);
}

void TSkCustomButton::CMDialogChar(const TWMKey& key)
{
    if (IsAccel(key.CharCode, Caption()) && CanFocus()) {
        SetFocus();
        Click();
        key.Message.Result = 1;
        return;
    }
    TInherited::Dispatch(key.Message);
}
