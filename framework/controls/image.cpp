#include "framework/controls/image.h"

#include "framework/components/properties.h"

FW_IMPLEMENT_CLASS(TImage, TGraphicControl)
FW_PUBLISH(TImage)
{
    p.Property("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(false);
    p.Property("Center", &T::Center, &T::SetCenter).Default(false);
    p.Property("Picture", &T::Picture);
    p.Property("Stretch", &T::Stretch, &T::SetStretch).Default(false);
    p.Property("Transparent", &T::Transparent, &T::SetTransparent).Default(false);
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>())
{
    picture_->OnChange = [this](TObject*) { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage()
{
    picture_->OnChange = nullptr;
}

TRect TImage::DestRect() const
{
    if (stretch_)
        return TRect{0, 0, Width(), Height()};
    const int w = picture_->Width();
    const int h = picture_->Height();
    if (center_) {
        const int x = (Width() - w) / 2;
        const int y = (Height() - h) / 2;
        return TRect{x, y, x + w, y + h};
    }
    return TRect{0, 0, w, h};
}

void TImage::Paint()
{
    TGraphic* graphic = picture_->Graphic();
    if (!graphic || graphic->Empty())
        return;
    if (graphic->Transparent() != transparent_)
        graphic->SetTransparent(transparent_);
    Canvas()->StretchDraw(DestRect(), graphic);
}

void TImage::PictureChanged()
{
    if (TGraphic* graphic = picture_->Graphic())
        if (graphic->Transparent() != transparent_)
            graphic->SetTransparent(transparent_);
    AdjustSize();
    Invalidate();
}

void TImage::AdjustSize()
{
    if (!autoSize_ || picture_->Width() <= 0 || picture_->Height() <= 0)
        return;
    SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
}

void TImage::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    PictureChanged();
}

void TImage::SetStretch(bool value)
{
    if (value == stretch_)
        return;
    stretch_ = value;
    Invalidate();
}

void TImage::SetCenter(bool value)
{
    if (value == center_)
        return;
    center_ = value;
    Invalidate();
}

void TImage::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustSize();
}
