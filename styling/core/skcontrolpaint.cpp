#include "styling/core/skcontrolpaint.h"

#include "framework/base/dcguards.h"
#include "framework/base/handles.h"
#include "framework/forms/form.h"
#include "styling/core/sksystem.h"

namespace {

// The form's component that paints its background, if it has one.
ISkFormBackground* FormBackgroundPainter(TWinControl* parent)
{
    auto* form = dynamic_cast<TCustomForm*>(parent);
    if (!form)
        return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* painter = dynamic_cast<ISkFormBackground*>(form->Components(i)))
            return painter;
    return nullptr;
}

void EraseParent(TWinControl* parent, HDC dc)
{
    // A form answers as a window so that whatever hooks it sees the request.
    if (dynamic_cast<TCustomForm*>(parent) && parent->HandleAllocated())
        SendMessageA(parent->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    else
        parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
}

void FillWithColor(HDC dc, const RECT& rect, TColor color)
{
    const TOwnedGdiObject brush(CreateSolidBrush(ColorToRGB(color)));
    FillRect(dc, &rect, static_cast<HBRUSH>(brush.Get()));
}

// The windowless siblings, each clipped to its own bounds, in parent
// coordinates (dc's origin already moved). One that lies wholly beside the
// control would draw nothing there.
void PaintSiblingGraphics(TControl* control, HDC dc)
{
    TWinControl* parent = control->Parent();
    const RECT bounds = control->BoundsRect();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* sibling = parent->Controls(i);
        const RECT r = sibling->BoundsRect();
        RECT overlap;
        if (sibling == control || dynamic_cast<TWinControl*>(sibling) || !sibling->Visible() ||
            !IntersectRect(&overlap, &r, &bounds))
            continue;
        TDCStateGuard state(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
        sibling->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    }
}

} // namespace

void DrawParentBackground(TControl* control, HDC dc, TSkPerformance performance, bool blending,
                          TSkBitmap* kept)
{
    TWinControl* parent = control->Parent();
    if (!parent || control->Width() < 1 || control->Height() < 1)
        return;
    const bool designing = control->ComponentState().Contains(csDesigning);
    const RECT area{0, 0, control->Width(), control->Height()};

    if (!designing && performance == kspNoBuffer) {
        // Straight to the screen: the parent erases into a bitmap first, so
        // the screen changes once.
        TSkBitmap temporary;
        TSkBitmap& under = kept ? *kept : temporary;
        under.SetSize(control->Width(), control->Height());
        under.Fill(0);
        {
            TDCStateGuard state(under.DC());
            OffsetViewportOrgEx(under.DC(), -control->Left(), -control->Top(), nullptr);
            if (ISkFormBackground* painter = FormBackgroundPainter(parent))
                painter->EraseFormBackground(under.DC());
            else
                EraseParent(parent, under.DC());
        }
        BitBlt(dc, 0, 0, area.right, area.bottom, under.DC(), 0, 0, SRCCOPY);
        return;
    }

    TDCStateGuard state(dc);
    OffsetViewportOrgEx(dc, -control->Left(), -control->Top(), nullptr);
    if (designing && dynamic_cast<TCustomForm*>(parent)) {
        RECT inParent = area;
        OffsetRect(&inParent, control->Left(), control->Top());
        FillWithColor(dc, inParent, parent->Color());
    } else {
        EraseParent(parent, dc);
    }
    if (blending)
        PaintSiblingGraphics(control, dc);
}

TSkPaintTarget::TSkPaintTarget(HDC paintDC, int width, int height, TSkPerformance performance,
                               bool clear, TSkBitmap* kept)
    : paintDC_(paintDC), width_(width), height_(height)
{
    const RECT area{0, 0, width, height};
    if (performance == kspSharedBuffer) {
        TSkBitmap* shared = SharedBuffer();
        if (shared) {
            if (shared->IsEmpty()) {
                const SIZE size = SharedBufferSize();
                shared->SetSize(size.cx, size.cy);
            }
            if (width <= shared->Width() && height <= shared->Height())
                bitmap_ = shared;
        }
    }
    if (performance == kspDoubleBuffer || (performance == kspSharedBuffer && !bitmap_)) {
        // Without the library's start-up there is no shared buffer, and a
        // control larger than the screen does not fit it: a bitmap of the
        // control's own does the same job.
        if (!kept) {
            own_ = std::make_unique<TSkBitmap>();
            kept = own_.get();
        }
        kept->SetSize(width, height);
        bitmap_ = kept;
        // What the last paint left must not show: start as a new bitmap
        // would, cleared to the key colour or else zero.
        if (!clear)
            kept->FillRect(area, 0);
    }
    if (bitmap_ && clear)
        bitmap_->FillRect(area, SkTransparentColor);
}

TSkPaintTarget::~TSkPaintTarget() = default;

void TSkPaintTarget::BlendOver(const TSkBitmap& background, int value)
{
    if (!bitmap_)
        return;
    const RECT area{0, 0, width_, height_};
    bitmap_->SetAlphaRect(static_cast<uint8_t>(value), area);
    bitmap_->DrawUnder(background, 0, area, 0);
}

void TSkPaintTarget::Present()
{
    if (bitmap_)
        BitBlt(paintDC_, 0, 0, width_, height_, bitmap_->DC(), 0, 0, SRCCOPY);
}
