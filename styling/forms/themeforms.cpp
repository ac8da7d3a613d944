#include "styling/forms/themeforms.h"

#include "framework/base/dcguards.h"
#include "framework/components/properties.h"
#include "framework/controls/control.h"
#include "framework/forms/application.h"
#include "framework/graphics/canvas.h"
#include "styling/controls/skbutton.h"
#include "styling/controls/skcheckbox.h"
#include "styling/controls/skedit.h"
#include "styling/controls/sklabel.h"
#include "styling/core/skbitmap.h"
#include "styling/core/sksystem.h"
#include "styling/core/sktext.h"
#include "styling/menus/themeitems.h"

#include <algorithm>

FW_IMPLEMENT_CLASS(TSkThemeForm, TSkCustomForm)
FW_PUBLISH(TSkThemeForm)
{
    p.Property("Stylist", &T::Stylist, &T::SetStylist);
}

FW_IMPLEMENT_CLASS(TSkCustomMessage, TComponent)
FW_PUBLISH(TSkCustomMessage)
{
    p.Property("Animation", &T::Animation, &T::SetAnimation);
    p.Property("Blending", &T::Blending, &T::SetBlending);
    p.Set("BorderIcons", &T::BorderIcons, &T::SetBorderIcons, SkBorderIconNames)
        .Default(TSkBorderIcons{kbiClose, kbiSystemMenu});
    p.Property("ButtonFont", &T::ButtonFont, &T::SetButtonFont);
    p.Property("Dragging", &T::Dragging, &T::SetDragging);
    p.Property("Global", &T::Global, &T::SetGlobal).Default(false);
    p.Property("MessageFont", &T::MessageFont, &T::SetMessageFont);
    p.Enum("Position", &T::Position, &T::SetPosition,
           {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
            "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"})
        .Default(poScreenCenter);
    p.Property("Shadow", &T::Shadow, &T::SetShadow);
    p.Property("ShowButtonGlyph", &T::ShowButtonGlyph, &T::SetShowButtonGlyph).Default(true);
    p.Property("ShowIconImage", &T::ShowIconImage, &T::SetShowIconImage).Default(true);
    p.Property("ShowHints", &T::ShowHints, &T::SetShowHints).Default(false);
    PublishVersion(p);
}

namespace {

// The caption band starts this far right of a tool window's border.
constexpr int ToolCaptionIndent = 4;
// A theme drawn by the system's visual styles keeps room for its own
// roll-up and tray buttons.
const char* const SystemStyledThemeName = "XP ThemeAPI";

bool IsTopPart(int part)
{
    return part == kfpTop || part == kfpTopLeft || part == kfpTopRight;
}

uint8_t ButtonGlyph(TSkBorderIcon icon, TSkWindowState state)
{
    switch (icon) {
    case kbiHelp: return kfbHelp;
    case kbiMinimize: return state == kwsMinimized ? kfbRestore : kfbMinimize;
    case kbiMaximize: return state == kwsMaximized ? kfbRestore : kfbMaximize;
    case kbiRollup: return state == kwsRollup ? kfbRolldown : kfbRollup;
    case kbiTray: return kfbTray;
    default: return kfbClose;
    }
}

// Dark caption text gets the system's shadow colour: the theme's own
// shadow would not stand out against it.
TColor CaptionShadowColor(const TSkTheme& theme)
{
    const uint32_t text = ColorToRGB(theme.GetColor(kcActiveCaptionText));
    if (GetRValue(text) < 20 && GetGValue(text) < 20 && GetBValue(text) < 20)
        return clBtnShadow;
    return theme.GetColor(kcCaptionShadow);
}

} // namespace

// TSkThemeForm

TSkThemeForm::TSkThemeForm(TComponent* owner) : TSkCustomForm(owner)
{
    SetActive(true);
}

void TSkThemeForm::Loaded()
{
    TSkCustomForm::Loaded();
    StylistThemeApplied();
}

bool TSkThemeForm::Destroying() const
{
    return ComponentState().Contains(csDestroying) ||
           (Owner() && Owner()->ComponentState().Contains(csDestroying));
}

void TSkThemeForm::SetStylist(TSkStylist* value)
{
    if (SkLinkStylist(this, stylist_, value))
        StylistChanged();
}

void TSkThemeForm::Notification(TComponent* component, TOperation operation)
{
    TSkCustomForm::Notification(component, operation);
    if (SkUnlinkRemovedStylist(stylist_, component, operation))
        StylistChanged();
}

// Another stylist, or none: the frame is laid out again by the new metrics.
void TSkThemeForm::StylistChanged()
{
    if (auto* item = dynamic_cast<TSkThemeItem*>(SystemMenu()))
        item->SetStylist(stylist_);
    FrameChanged();
    if (Destroying() || !Control())
        return;
    UpdateFrame();
    InvalidateControls();
}

bool TSkThemeForm::IsThemeAvailable() const
{
    return SkThemeAvailable(this, stylist_);
}

bool TSkThemeForm::Themed() const
{
    if (!IsThemeAvailable())
        return false;
    const TCustomForm* form = Form();
    return !(form && form->FormStyle() == fsMDIChild && WindowState() == kwsMaximized);
}

// Layout

TSkFrameMetrics TSkThemeForm::FrameMetrics()
{
    if (!Themed() || BorderStyle() == kbsNone)
        return TSkCustomForm::FrameMetrics();
    const TSkTheme& theme = *stylist_->Theme();
    const bool tool = BorderStyle() == kbsToolWindow;
    TSkFrameMetrics m;
    m.Border = theme.GetSize(tool ? ksToolFrameWidth : ksFrameWidth);
    m.Top = theme.GetSize(tool ? ksToolCaptionHeight : ksCaptionHeight);
    m.Bottom = m.Border;
    m.Caption = m.Top - m.Border;
    m.ButtonWidth = theme.GetSize(tool ? ksToolButtonWidth : ksButtonWidth);
    m.ButtonHeight = theme.GetSize(tool ? ksToolButtonHeight : ksButtonHeight);
    m.ButtonRight = theme.GetSize(tool ? ksToolButtonRight : ksButtonRight);
    m.ButtonTop = theme.GetSize(tool ? ksToolButtonTop : ksButtonTop);
    m.ButtonGap = theme.GetSize(ksButtonGap);
    return m;
}

TSkFrameLayout TSkThemeForm::Layout()
{
    if (!Themed() || BorderStyle() == kbsNone)
        return TSkCustomForm::Layout();
    const TSkFrameMetrics m = FrameMetrics();
    // The shared layout gives the client area; the themed buttons differ in
    // order and hide with the window state.
    TSkFrameLayout layout =
        ComputeFrameLayout(m, FrameWidth(), FrameHeight(), TSkBorderIcons{}, BorderStyle());
    PlaceButtons(layout, m);
    int left = m.Border;
    if (BorderStyle() == kbsToolWindow)
        left += ToolCaptionIndent;
    const TRect& icon = layout.Buttons[kbiSystemMenu];
    if (!IsRectEmpty(&icon))
        left = icon.right;
    layout.Text = {left, m.Border, left + std::max(0, CaptionRoom(layout, left)), m.Top};
    return layout;
}

void TSkThemeForm::PlaceButtons(TSkFrameLayout& layout, const TSkFrameMetrics& m)
{
    const TSkBorderIcons icons = BorderIcons();
    const TSkWindowState state = WindowState();
    const bool minimized = state == kwsMinimized;
    const bool tool = BorderStyle() == kbsToolWindow;
    const struct {
        TSkBorderIcon icon;
        bool shown;
    } slots[] = {{kbiClose, true},
                 {kbiMaximize, !minimized},
                 {kbiMinimize, true},
                 {kbiRollup, !minimized},
                 {kbiTray, !minimized},
                 {kbiHelp, !minimized && state != kwsRollup}};
    int right = FrameWidth() - m.ButtonRight;
    for (const auto& slot : slots) {
        if (!icons.Contains(slot.icon) || !slot.shown || (tool && slot.icon != kbiClose))
            continue;
        layout.Buttons[slot.icon] = {right - m.ButtonWidth, m.ButtonTop, right,
                                     m.ButtonTop + m.ButtonHeight};
        right -= m.ButtonWidth + m.ButtonGap;
    }
    // The icon is the square at the caption band's left end.
    if (!tool && icons.Contains(kbiSystemMenu))
        layout.Buttons[kbiSystemMenu] = {m.Border, m.Border, m.Top, m.Top};
}

// The width the caption text may take: the theme's allowance for the
// buttons, and never past the leftmost button actually shown.
int TSkThemeForm::CaptionRoom(const TSkFrameLayout& layout, int textLeft) const
{
    const TSkTheme& theme = *stylist_->Theme();
    const int w = FrameWidth();
    const int button = theme.GetSize(ksButtonWidth);
    auto shown = [&](TSkBorderIcon icon) { return !IsRectEmpty(&layout.Buttons[icon]); };
    int room;
    if (BorderStyle() == kbsToolWindow) {
        room = w - textLeft - theme.GetSize(ksToolButtonWidth);
    } else if (WindowState() == kwsMinimized) {
        room = w - textLeft - 2 * button;
    } else {
        room = w - textLeft - 4 * button;
        const bool ownButtons = theme.GetName() != SystemStyledThemeName;
        room -= button * (int(shown(kbiHelp)) + int(ownButtons && shown(kbiRollup)) +
                          int(ownButtons && shown(kbiTray)));
    }
    for (TSkBorderIcon icon : {kbiClose, kbiMinimize, kbiMaximize, kbiHelp, kbiRollup, kbiTray})
        if (shown(icon))
            room = std::min(room, int(layout.Buttons[icon].left) - textLeft);
    return room;
}

int TSkThemeForm::HitTestPart(int x, int y)
{
    const int part = TSkCustomForm::HitTestPart(x, y);
    if (!Themed() || BorderStyle() == kbsNone || !IsTopPart(part))
        return part;
    // Below the theme's border width the top edge is caption, not a
    // sizing zone.
    TRect client{};
    GetClientBounds(client);
    if (x > client.left && x < client.right && y > FrameMetrics().Border)
        return kfpCaption;
    return part;
}

void TSkThemeForm::GetMaximizedRect(TRect& rect)
{
    TCustomForm* form = Form();
    HWND window = form && form->HandleAllocated() ? form->Handle() : nullptr;
    if (!Themed() || !window || form->FormStyle() == fsMDIChild)
        return TSkCustomForm::GetMaximizedRect(rect);
    // The theme's frame stays inside the monitor.
    rect = GetMonitorAreaOfWindow(window, !StayOnTop());
}

HRGN TSkThemeForm::CreateFormRegion()
{
    if (!Themed())
        return TSkCustomForm::CreateFormRegion();
    HRGN region = stylist_->Theme()->GetFormRegion(FrameWidth(), FrameHeight(), BorderStyle());
    return region ? region : CreateRectRgn(0, 0, FrameWidth(), FrameHeight());
}

TSkCustomItem* TSkThemeForm::CreateSystemMenuItem(TComponent* owner)
{
    // The themed item paints plainly by itself while the theme is unusable,
    // and keeps following the stylist once it is.
    if (!stylist_)
        return TSkCustomForm::CreateSystemMenuItem(owner);
    auto* item = new TSkThemeItem(owner);
    item->SetStylist(stylist_);
    return item;
}

// Painting

void TSkThemeForm::PaintNonClient(TCanvas* canvas)
{
    if (!Themed())
        return TSkCustomForm::PaintNonClient(canvas);
    const int w = FrameWidth(), h = FrameHeight();
    if (BorderStyle() == kbsNone || w <= 0 || h <= 0)
        return;
    const TSkTheme& theme = *stylist_->Theme();
    const TSkFrameLayout layout = Layout();
    const int band = FrameMetrics().Top;
    // The persistent buffer keeps the whole frame already.
    if (Performance() == ksfpPersistentBuffer || band <= 0) {
        theme.DrawFormFrame(canvas, w, h, layout.Client, FormActive(), BorderStyle());
        PaintCaption(canvas, layout);
        return;
    }
    // The caption band (its text costs most of a paint) is put together off
    // screen and kept until the frame changes; the rest of the frame is
    // cheap and drawn each time. Unbuffered, this also keeps the text and
    // buttons from flickering over a fresh frame.
    HDC dc = canvas->Handle();
    if (Performance() == ksfpNoBuffer) {
        TDCStateGuard state(dc);
        ExcludeClipRect(dc, 0, 0, w, band);
        theme.DrawFormFrame(canvas, w, h, layout.Client, FormActive(), BorderStyle());
        canvas->Refresh();
    } else {
        // Off screen the band drawn twice shows nothing, and costs less
        // than a clip.
        theme.DrawFormFrame(canvas, w, h, layout.Client, FormActive(), BorderStyle());
    }
    const TFrameKey key = CurrentFrameKey();
    if (!captionBand_ || !(key == captionBandKey_)) {
        if (!captionBand_)
            captionBand_.reset(new TSkBitmap);
        captionBand_->SetSize(w, band);
        TCanvas captionCanvas;
        captionCanvas.SetHandle(captionBand_->DC());
        theme.DrawFormFrame(&captionCanvas, w, h, layout.Client, FormActive(), BorderStyle());
        PaintCaption(&captionCanvas, layout);
        captionCanvas.SetHandle(nullptr);
        captionBandKey_ = key;
    }
    BitBlt(dc, 0, 0, w, band, captionBand_->DC(), 0, 0, SRCCOPY);
}

void TSkThemeForm::PaintCaption(TCanvas* canvas, const TSkFrameLayout& layout)
{
    const TSkTheme& theme = *stylist_->Theme();
    PaintCaptionText(canvas, layout.Text);
    static constexpr TSkBorderIcon order[] = {kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize,
                                              kbiHelp,  kbiRollup,     kbiTray};
    for (TSkBorderIcon icon : order) {
        const TRect& r = layout.Buttons[icon];
        if (IsRectEmpty(&r))
            continue;
        if (icon == kbiSystemMenu) {
            PaintSystemIcon(canvas->Handle(), r);
            continue;
        }
        const int part = ButtonPart(icon);
        const bool hot = HotPart() == part && !Tracking();
        const bool pressed = PressedPart() == part && HotPart() == part;
        theme.DrawFormButton(canvas, r, ButtonGlyph(icon, WindowState()), hot, pressed,
                             FormActive(), BorderStyle());
    }
}

void TSkThemeForm::PaintCaptionText(TCanvas* canvas, const TRect& area)
{
    if (Caption().empty() || area.right <= area.left)
        return;
    const TSkTheme& theme = *stylist_->Theme();
    const uint8_t kind = BorderStyle() == kbsToolWindow ? kfToolCaption : kfCaption;
    TFont* font = canvas->Font();
    font->SetName(theme.GetFontName(kind));
    font->SetSize(theme.GetFontSize(kind));
    font->SetStyle(theme.GetFontStyle(kind));
    canvas->TextExtent(std::string());  // selects the font for measuring
    const std::wstring text = TruncateTextWide(canvas->Handle(), Caption(), area.right - area.left);
    const UINT flags =
        theme.DrawTextBiDiModeFlags(DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    TRect r = area;
    if (theme.HasCaptionShadow()) {
        OffsetRect(&r, 1, 1);
        if (theme.GetColor(kcCaptionShadow) != TColor(-1) && FormActive()) {
            font->SetColor(CaptionShadowColor(theme));
            DrawTextWide(canvas, text, r, flags);
        }
    } else {
        OffsetRect(&r, 0, 1);
    }
    font->SetColor(theme.GetColor(FormActive() ? kcActiveCaptionText : kcInactiveCaptionText));
    OffsetRect(&r, -1, -1);
    DrawTextWide(canvas, text, r, flags);
}

// The form's icon, else the application's, else the system's, at the small
// icon size in the middle of its square.
void TSkThemeForm::PaintSystemIcon(HDC dc, const TRect& square)
{
    HICON icon = nullptr;
    if (const TCustomForm* form = Form())
        icon = form->Icon()->Handle();
    if (!icon && Application)
        icon = reinterpret_cast<HICON>(GetClassLongPtrA(Application->Handle(), GCLP_HICON));
    if (!icon)
        icon = SkDefaultIcon();
    const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    const int x = square.left + (square.right - square.left - cx) / 2;
    const int y = square.top + (square.bottom - square.top - cy) / 2;
    DrawIconEx(dc, x, y, icon, cx, cy, 0, nullptr, DI_NORMAL);
}

void TSkThemeForm::PaintBackground(TCanvas* canvas)
{
    const TCustomForm* form = Form();
    if (!Themed() || !form)
        return TSkCustomForm::PaintBackground(canvas);
    const RECT area = form->ClientRect();
    const TOwnedGdiObject brush(CreateSolidBrush(ColorToRGB(stylist_->Theme()->GetColor(kcFace))));
    FillRect(canvas->Handle(), &area, static_cast<HBRUSH>(brush.Get()));
}

// Following the stylist

void TSkThemeForm::StylistThemeApplied()
{
    FrameChanged();
    const TComponentState state = ComponentState();
    if (state.Contains(csLoading) || Destroying())
        return;
    TCustomForm* form = Form();
    if (form && form->HandleAllocated() && Active()) {
        // A new look may bring new frame sizes and a new window shape, not
        // only new pixels: lay the frame out again, which repaints it.
        UpdateFrame();
        PaintFrame();
        if (IsThemeAvailable())
            stylist_->Theme()->SetBiDiMode(
                GetWindowLongPtrA(form->Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING
                    ? bdRightToLeft
                    : bdLeftToRight);
    } else if (auto* owner = dynamic_cast<TCustomForm*>(Owner())) {
        owner->Invalidate();
    }
    InvalidateControls();
}

void TSkThemeForm::InvalidateControls()
{
    TComponent* owner = Owner();
    if (!owner)
        return;
    for (int i = 0; i < owner->ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TControl*>(owner->Components(i)))
            control->Invalidate();
}

// TSkCustomMessage

namespace {

TSkCustomMessage* GlobalMessage = nullptr;

void MakeGlobalMessage()
{
    if (!GlobalMessage)
        GlobalMessage = new TSkCustomMessage(Application);
}

void FreeGlobalMessage()
{
    if (GlobalMessage && Application && GlobalMessage->Owner() == Application)
        GlobalMessage->Free();
}

[[maybe_unused]] const bool Registered =
    (RegisterSkUnit(MakeGlobalMessage, FreeGlobalMessage), true);

} // namespace

TSkCustomMessage* SkMessage() { return GlobalMessage; }

TSkCustomMessage::TSkCustomMessage(TComponent* owner)
    : TComponent(owner),
      animation_(new TSkAnimation(this)),
      blending_(new TSkBlending(this)),
      buttonFont_(new TFont),
      dragging_(new TSkDragging(this)),
      messageFont_(new TFont),
      shadow_(new TSkShadow(this))
{
    dragging_->SetSizeable(false);
}

TSkCustomMessage::~TSkCustomMessage()
{
    if (GlobalMessage == this)
        GlobalMessage = nullptr;
}

void TSkCustomMessage::SetAnimation(const TSkAnimation* value) { animation_->Assign(value); }
void TSkCustomMessage::SetBlending(const TSkBlending* value) { blending_->Assign(value); }
void TSkCustomMessage::SetButtonFont(const TFont* value) { buttonFont_->Assign(value); }
void TSkCustomMessage::SetDragging(const TSkDragging* value) { dragging_->Assign(value); }
void TSkCustomMessage::SetMessageFont(const TFont* value) { messageFont_->Assign(value); }
void TSkCustomMessage::SetShadow(const TSkShadow* value) { shadow_->Assign(value); }

void TSkCustomMessage::SetGlobal(bool value)
{
    global_ = value;
    TSkCustomMessage* previous = GlobalMessage;
    GlobalMessage = this;
    if (previous && previous != this)
        previous->Free();
}

TSkCustomButton* TSkCustomMessage::CreateButton(TComponent* owner)
{
    return new TSkCustomButton(owner);
}

TSkCustomEdit* TSkCustomMessage::CreateEdit(TComponent* owner) { return new TSkCustomEdit(owner); }

TSkCustomForm* TSkCustomMessage::CreateForm(TComponent* owner) { return new TSkCustomForm(owner); }

TSkCustomLabel* TSkCustomMessage::CreateLabel(TComponent* owner)
{
    return new TSkCustomLabel(owner);
}

TSkCustomCheckBox* TSkCustomMessage::CreateCheckBox(TComponent* owner)
{
    return new TSkCustomCheckBox(owner);
}
