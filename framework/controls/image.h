// TImage: a picture drawn on its parent's surface.
#pragma once

#include "framework/controls/graphiccontrol.h"
#include "framework/graphics/picture.h"

#include <memory>

class TImage : public TGraphicControl {
    FW_DECLARE_CLASS(TImage)
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    TPicture* Picture() const { return picture_.get(); }
    void SetPicture(const TPicture* value) { picture_->Assign(value); }

    // The picture's transparent parts let the parent show through.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    // Drawn over the whole control instead of at its own size.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    // Drawn in the middle instead of at the top left.
    bool Center() const { return center_; }
    void SetCenter(bool value);
    // The control takes the picture's size.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);

    // Where the picture lands, in the control's coordinates.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();
    void AdjustSize();

    std::unique_ptr<TPicture> picture_;
    bool transparent_ = false;
    bool stretch_ = false;
    bool center_ = false;
    bool autoSize_ = false;
};
