#include "framework/graphics/icon.h"

FW_IMPLEMENT_CLASS(TIcon, TGraphic)

TIcon::TIcon() = default;

TIcon::~TIcon()
{
    if (handle_)
        DestroyIcon(handle_);
}

void TIcon::SetWidth(int width)
{
    if (width != width_)
        throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::SetHeight(int height)
{
    if (height != height_)
        throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::SetHandle(HICON icon)
{
    if (icon == handle_)
        return;
    if (handle_)
        DestroyIcon(handle_);
    handle_ = icon;
    ReadSize();
    Changed();
}

HICON TIcon::ReleaseHandle()
{
    HICON icon = handle_;
    handle_ = nullptr;
    ReadSize();
    Changed();
    return icon;
}

void TIcon::ReadSize()
{
    width_ = height_ = 0;
    ICONINFO info;
    if (!handle_ || !GetIconInfo(handle_, &info))
        return;
    BITMAP bm;
    if (info.hbmColor && GetObjectA(info.hbmColor, sizeof bm, &bm)) {
        width_ = bm.bmWidth;
        height_ = bm.bmHeight;
    } else if (info.hbmMask && GetObjectA(info.hbmMask, sizeof bm, &bm)) {
        // A monochrome icon keeps its AND and XOR masks stacked in one bitmap.
        width_ = bm.bmWidth;
        height_ = bm.bmHeight / 2;
    }
    // GetIconInfo hands out copies of both bitmaps.
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
}

void TIcon::LoadFromResourceName(HINSTANCE instance, const std::string& name, int size)
{
    const UINT flags = size == 0 ? LR_DEFAULTSIZE : 0;
    HANDLE icon = LoadImageA(instance, name.c_str(), IMAGE_ICON, size, size, flags);
    if (!icon)
        throw EResNotFound("Resource " + name + " not found");
    SetHandle(static_cast<HICON>(icon));
}

void TIcon::LoadFromResourceID(HINSTANCE instance, int id, int size)
{
    const UINT flags = size == 0 ? LR_DEFAULTSIZE : 0;
    HANDLE icon = LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, flags);
    if (!icon)
        throw EResNotFound("Resource " + std::to_string(id) + " not found");
    SetHandle(static_cast<HICON>(icon));
}

void TIcon::Assign(const TPersistent* source)
{
    if (!source) {
        SetHandle(nullptr);
        return;
    }
    if (const auto* other = dynamic_cast<const TIcon*>(source)) {
        if (other == this)
            return;
        HICON copy = other->handle_ ? CopyIcon(other->handle_) : nullptr;
        if (other->handle_ && !copy)
            throw EInvalidGraphic("Cannot copy the icon");
        SetHandle(copy);
        SetTransparent(other->Transparent());
        return;
    }
    TGraphic::Assign(source);
}

void TIcon::Draw(TCanvas* canvas, const TRect& rect)
{
    if (!handle_)
        return;
    DrawIconEx(canvas->Handle(), rect.left, rect.top, handle_, rect.right - rect.left,
               rect.bottom - rect.top, 0, nullptr, DI_NORMAL);
}
