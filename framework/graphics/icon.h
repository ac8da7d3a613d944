// TIcon: an icon or cursor picture, owned, drawn with its mask.
#pragma once

#include "framework/graphics/bitmap.h"

#include <windows.h>

#include <string>

class TIcon : public TGraphic {
    FW_DECLARE_CLASS(TIcon)
public:
    TIcon();
    ~TIcon() override;

    bool Empty() const override { return handle_ == nullptr; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // An icon's size comes from its image: setting it raises
    // EInvalidGraphicOperation "Cannot change the size of an icon".
    void SetWidth(int width) override;
    void SetHeight(int height) override;

    HICON Handle() const { return handle_; }
    // Takes ownership of the icon; nullptr empties it.
    void SetHandle(HICON icon);
    HICON ReleaseHandle();

    // RT_GROUP_ICON resources at the given size (0 for the system's
    // standard icon size); a missing resource raises EResNotFound.
    void LoadFromResourceName(HINSTANCE instance, const std::string& name, int size = 0);
    void LoadFromResourceID(HINSTANCE instance, int id, int size = 0);

    void Assign(const TPersistent* source) override;
    void Draw(TCanvas* canvas, const TRect& rect) override;

private:
    void ReadSize();

    HICON handle_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
