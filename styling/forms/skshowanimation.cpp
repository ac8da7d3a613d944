#include "styling/forms/skshowanimation.h"

#include "framework/base/dcguards.h"
#include "framework/forms/form.h"
#include "styling/core/skbitmap.h"
#include "styling/forms/skcustomform.h"

#include <vector>

namespace {

// Every pixel of the picture outside region gets the key colour.
void KeyOutside(TSkBitmap& picture, HRGN region)
{
    HRGN outside = CreateRectRgn(0, 0, picture.Width(), picture.Height());
    CombineRgn(outside, outside, region, RGN_DIFF);
    const DWORD size = GetRegionData(outside, 0, nullptr);
    std::vector<char> data(size);
    if (size && GetRegionData(outside, size, reinterpret_cast<RGNDATA*>(data.data()))) {
        const auto* header = reinterpret_cast<const RGNDATA*>(data.data());
        const auto* rects = reinterpret_cast<const RECT*>(header->Buffer);
        for (DWORD i = 0; i < header->rdh.nCount; ++i)
            picture.FillRect(rects[i], SkTransparentColor);
    }
    DeleteObject(outside);
}

}  // namespace

void TSkShowAnimation::Show(const TRect& rect)
{
    if (running_) {
        // Shown again from inside the picture's painting: the run goes on
        // with a fresh picture.
        ++shows_;
        hidden_ = false;
        return;
    }
    HWND window = form_.WindowHandle();
    if (!window || IsRectEmpty(&rect))
        return;
    running_ = true;
    hidden_ = false;
    frames_ = 0;
    rect_ = rect;
    // The window is not on the screen yet: what is there now is behind it.
    TSkBackground& background = form_.background_;
    background.Clear();
    if (TScreenDC screen; screen.Get())
        background.Take(screen.Get(), rect);
    TSkBitmap picture;
    if (!PaintCurrentPicture(picture))
        return;
    const bool shown = !hidden_ && IsWindow(window) && form_.WindowHandle() == window;
    if (shown && background.Bitmap())
        frames_ = form_.RunShowEffect(rect, picture, *background.Bitmap());
    running_ = false;
}

bool TSkShowAnimation::PaintCurrentPicture(TSkBitmap& picture)
{
    const std::weak_ptr<bool> alive = alive_;
    // A window shown again while its picture is painted may have changed;
    // a few tries, as a paint event that shows it every time would never end.
    for (int tries = 0; tries < 3; ++tries) {
        const int shows = shows_;
        PaintPicture(form_, picture);
        if (alive.expired())
            return false;
        if (shows == shows_)
            break;
    }
    return true;
}

void TSkShowAnimation::Hide()
{
    if (running_)
        hidden_ = true;
}

void TSkShowAnimation::PaintPicture(TSkCustomForm& form, TSkBitmap& picture)
{
    TCustomForm* owner = form.Form();
    if (!owner || form.windowWidth_ < 1 || form.windowHeight_ < 1) {
        picture.SetSize(0, 0);
        return;
    }
    picture.SetSize(form.windowWidth_, form.windowHeight_);
    picture.Fill(SkTransparentColor);
    // The frame's half-transparent edges go over what lies behind, as they
    // do on the window.
    form.CopyBackground(picture);
    // The frame as the active window has it, which a shown window becomes.
    const bool active = form.formActive_;
    form.formActive_ = true;
    form.animationPicture_ = &picture;
    form.PaintFrame();
    form.animationPicture_ = nullptr;
    form.formActive_ = active;

    TRect bounds{};
    form.GetClientBounds(bounds);
    const RECT client = owner->ClientRect();
    HDC dc = picture.DC();
    {
        TDCStateGuard state(dc);
        SetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
        IntersectClipRect(dc, 0, 0, client.right, client.bottom);
        form.PaintBackgroundInto(dc, client);
        // The form's own painting with its windowless controls, then each
        // windowed child where it stands.
        owner->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
        std::vector<TControl*> children;
        for (int i = 0; i < owner->ControlCount(); ++i)
            children.push_back(owner->Controls(i));
        for (TControl* child : children)
            if (IsWindowed(child) && child->Visible())
                child->PaintTo(dc, child->Left(), child->Top());
    }
    HRGN region = form.CreateWindowRegion();
    KeyOutside(picture, region);
    DeleteObject(region);
}
