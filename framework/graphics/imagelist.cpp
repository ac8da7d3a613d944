#include "framework/graphics/imagelist.h"

#include "framework/graphics/icon.h"

#include <algorithm>

FW_IMPLEMENT_CLASS(TImageList, TComponent)

TImageList::TImageList(TComponent* owner) : TComponent(owner)
{
}

TImageList::~TImageList()
{
    FreeHandle();
}

void TImageList::FreeHandle()
{
    if (handle_) {
        ImageList_Destroy(handle_);
        handle_ = nullptr;
    }
}

UINT TImageList::CreateFlags() const
{
    return ILC_COLOR32 | (masked_ ? ILC_MASK : 0);
}

HIMAGELIST TImageList::Handle()
{
    if (!handle_) {
        handle_ = ImageList_Create(width_, height_, CreateFlags(), 4, 4);
        if (!handle_)
            throw EInvalidGraphicOperation("Cannot create the image list");
        if (bkColor_ != clNone)
            ImageList_SetBkColor(handle_, ColorToRGB(bkColor_));
    }
    return handle_;
}

void TImageList::Recreate()
{
    // A different geometry or kind of image empties the list, as the
    // system list keeps all images at one size.
    const bool had = handle_ != nullptr;
    FreeHandle();
    if (had)
        Changed();
}

void TImageList::SetWidth(int width)
{
    SetSize(width, height_);
}

void TImageList::SetHeight(int height)
{
    SetSize(width_, height);
}

void TImageList::SetSize(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == width_ && height == height_)
        return;
    width_ = width;
    height_ = height;
    Recreate();
}

void TImageList::SetMasked(bool masked)
{
    if (masked == masked_)
        return;
    masked_ = masked;
    Recreate();
}

void TImageList::SetBkColor(TColor color)
{
    if (color == bkColor_)
        return;
    bkColor_ = color;
    if (handle_)
        ImageList_SetBkColor(handle_, color == clNone ? CLR_NONE : ColorToRGB(color));
    Changed();
}

void TImageList::Changed()
{
    if (OnChange)
        OnChange(this);
}

int TImageList::Count() const
{
    return handle_ ? ImageList_GetImageCount(handle_) : 0;
}

int TImageList::Add(TBitmap* image, TBitmap* mask)
{
    if (!image || image->Empty())
        return -1;
    // The system list copies the bitmaps; they must not be selected into a
    // context meanwhile, so drop their canvases' hold first.
    TBitmap colour;
    colour.Assign(image);
    TBitmap monochrome;
    if (mask && !mask->Empty()) {
        monochrome.Assign(mask);
        monochrome.SetPixelFormat(pf1bit);
    }
    const int index = ImageList_Add(Handle(), colour.Handle(), monochrome.Empty() ? nullptr : monochrome.Handle());
    if (index >= 0)
        Changed();
    return index;
}

int TImageList::AddMasked(TBitmap* image, TColor maskColor)
{
    if (!image || image->Empty())
        return -1;
    TBitmap colour;
    colour.Assign(image);
    const int index = ImageList_AddMasked(Handle(), colour.Handle(), ColorToRGB(maskColor));
    if (index >= 0)
        Changed();
    return index;
}

int TImageList::AddIcon(TIcon* icon)
{
    if (!icon || icon->Empty())
        return -1;
    const int index = ImageList_AddIcon(Handle(), icon->Handle());
    if (index >= 0)
        Changed();
    return index;
}

void TImageList::Replace(int index, TBitmap* image, TBitmap* mask)
{
    if (!image || image->Empty() || index < 0 || index >= Count())
        return;
    TBitmap colour;
    colour.Assign(image);
    TBitmap monochrome;
    if (mask && !mask->Empty()) {
        monochrome.Assign(mask);
        monochrome.SetPixelFormat(pf1bit);
    }
    if (ImageList_Replace(handle_, index, colour.Handle(), monochrome.Empty() ? nullptr : monochrome.Handle()))
        Changed();
}

void TImageList::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    if (ImageList_Remove(handle_, index))
        Changed();
}

void TImageList::Clear()
{
    if (Count() == 0)
        return;
    ImageList_Remove(handle_, -1);
    Changed();
}

void TImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled)
{
    if (!canvas || index < 0 || index >= Count())
        return;
    static const UINT styles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
    UINT style = styles[drawingStyle_];
    COLORREF foreground = CLR_DEFAULT;
    if (!enabled) {
        style |= ILD_BLEND50;
        foreground = GetSysColor(COLOR_BTNFACE);
    }
    ImageList_DrawEx(handle_, index, canvas->Handle(), x, y, 0, 0, CLR_DEFAULT, foreground, style);
}

void TImageList::GetBitmap(int index, TBitmap* bitmap)
{
    if (!bitmap || index < 0 || index >= Count())
        return;
    bitmap->SetSize(width_, height_);
    ImageList_DrawEx(handle_, index, bitmap->Canvas()->Handle(), 0, 0, 0, 0, CLR_DEFAULT, CLR_NONE,
                     ILD_NORMAL);
}

void TImageList::GetIcon(int index, TIcon* icon)
{
    if (!icon || index < 0 || index >= Count())
        return;
    icon->SetHandle(ImageList_GetIcon(handle_, index, ILD_NORMAL));
}
