// TImageList: a component over a system image list of equally sized images.
#pragma once

#include "framework/graphics/bitmap.h"
#include "framework/components/component.h"

#include <windows.h>
#include <commctrl.h>

class TIcon;

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };

class TImageList : public TComponent {
    FW_DECLARE_CLASS(TImageList)
public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;

    // The image size; changing it clears the list. Values below 1 become 1.
    int Width() const { return width_; }
    void SetWidth(int width);
    int Height() const { return height_; }
    void SetHeight(int height);
    void SetSize(int width, int height);
    // With a mask, images have transparent parts. Changing it clears the list.
    bool Masked() const { return masked_; }
    void SetMasked(bool masked);
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor color);
    TDrawingStyle DrawingStyle() const { return drawingStyle_; }
    void SetDrawingStyle(TDrawingStyle style) { drawingStyle_ = style; }

    // The system list, created on first use; the component owns it.
    HIMAGELIST Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }

    int Count() const;
    // Each returns the index of the first image added, or -1. An image wider
    // than Width is split into several.
    int Add(TBitmap* image, TBitmap* mask);
    int AddMasked(TBitmap* image, TColor maskColor);
    int AddIcon(TIcon* icon);
    void Replace(int index, TBitmap* image, TBitmap* mask);
    void Delete(int index);
    void Clear();

    // Out-of-range indexes draw nothing. A disabled image is drawn half blended
    // into the button face colour.
    void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
    // Copies image index into bitmap (resized to the image size).
    void GetBitmap(int index, TBitmap* bitmap);
    // Creates an icon of image index into icon.
    void GetIcon(int index, TIcon* icon);

    TNotifyEvent OnChange;

private:
    void Recreate();
    void Changed();
    void FreeHandle();
    UINT CreateFlags() const;

    HIMAGELIST handle_ = nullptr;
    int width_ = 16;
    int height_ = 16;
    bool masked_ = true;
    TColor bkColor_ = clNone;
    TDrawingStyle drawingStyle_ = dsNormal;
};
