#include "styling/forms/skformoptions.h"

#include "framework/components/properties.h"

#include <algorithm>

FW_IMPLEMENT_CLASS(TSkOptions, TPersistent)

FW_IMPLEMENT_CLASS(TSkShadow, TSkOptions)
FW_PUBLISH(TSkShadow)
{
    p.Property("Enabled", &T::Enabled, &T::SetEnabled).Default(false);
    p.Property("Size", &T::Size, &T::SetSize).Default(TSkShadow::DefaultSize);
}

FW_IMPLEMENT_CLASS(TSkGravitation, TSkOptions)
FW_PUBLISH(TSkGravitation)
{
    p.Property("Enabled", &T::Enabled, &T::SetEnabled).Default(true);
    p.Property("Size", &T::Size, &T::SetSize).Default(TSkGravitation::DefaultSize);
}

FW_IMPLEMENT_CLASS(TSkDragging, TSkOptions)
FW_PUBLISH(TSkDragging)
{
    p.Property("Sizeable", &T::Sizeable, &T::SetSizeable).Default(true);
    p.Property("Moveable", &T::Moveable, &T::SetMoveable).Default(true);
    p.Enum("DragMode", &T::DragMode, &T::SetDragMode, {"kfdmBorder", "kfdmFullDrag"})
        .Default(kfdmFullDrag);
}

FW_IMPLEMENT_CLASS(TSkAnimation, TSkOptions)
FW_PUBLISH(TSkAnimation)
{
    p.Property("Enabled", &T::Enabled, &T::SetEnabled).Default(false);
    p.Property("Time", &T::Time, &T::SetTime).Default(TSkAnimation::DefaultTime);
    p.Property("Resolution", &T::Resolution, &T::SetResolution).Default(1);
    p.Property("TileCount", &T::TileCount, &T::SetTileCount).Default(1);
    p.Enum("Effect", &T::Effect, &T::SetEffect,
           {"keRandomSelect", "keFade", "keDiagonal", "keDown", "keIn", "keOut", "keRectIn",
            "keRectOut", "kePixel", "kePixelLine", "keDiamondIn", "keDiamondOut",
            "keSmoothDiagonal", "keSmoothRectIn", "keSmoothRectOut"})
        .Default(keFade);
    p.Enum("Direction", &T::Direction, &T::SetDirection,
           {"kdNone", "kdNoRotate", "kdRotate90", "kdRotate180", "kdRotate270"})
        .Default(kdNone);
}

FW_IMPLEMENT_CLASS(TSkFormOptions, TSkOptions)
FW_PUBLISH(TSkFormOptions)
{
    p.Property("Blending", &T::Blending, &T::SetBlending);
    p.Property("Shadow", &T::Shadow, &T::SetShadow);
    p.Property("Animation", &T::Animation, &T::SetAnimation);
}

FW_IMPLEMENT_CLASS(TSkPopupMenuOptions, TSkFormOptions)

void TSkOptions::Changed()
{
    if (OnChange)
        OnChange();
}

// The object of class T behind source, or null when source is something else.
template <typename T>
static const T* SameKind(const TPersistent* source)
{
    return source && source->InheritsFrom(T::StaticClass()) ? static_cast<const T*>(source)
                                                             : nullptr;
}

void TSkShadow::SetSize(int value)
{
    value = std::min(value, MaxSize);
    if (value == size_)
        return;
    size_ = value;
    // A size below 1 stays stored so that it streams back, but there is
    // no shadow to draw.
    if (size_ < 1)
        enabled_ = false;
    Changed();
}

void TSkShadow::Assign(const TPersistent* source)
{
    const auto* other = SameKind<TSkShadow>(source);
    if (!other)
        return TPersistent::Assign(source);
    enabled_ = other->enabled_;
    size_ = other->size_;
    Changed();
}

void TSkGravitation::SetSize(int value)
{
    Store(size_, value < 2 ? 1 : std::min(value, 50));
}

void TSkGravitation::Assign(const TPersistent* source)
{
    const auto* other = SameKind<TSkGravitation>(source);
    if (!other)
        return TPersistent::Assign(source);
    enabled_ = other->enabled_;
    size_ = other->size_;
    Changed();
}

void TSkDragging::Assign(const TPersistent* source)
{
    const auto* other = SameKind<TSkDragging>(source);
    if (!other)
        return TPersistent::Assign(source);
    sizeable_ = other->sizeable_;
    moveable_ = other->moveable_;
    dragMode_ = other->dragMode_;
    Changed();
}

void TSkAnimation::SetTime(int value)
{
    // Below 51 becomes 50: the shortest run the timer loop can show.
    Store(time_, value < 51 ? 50 : std::min(value, 9000));
}

void TSkAnimation::SetResolution(int value)
{
    Store(resolution_, std::clamp(value, 1, 10));
}

void TSkAnimation::SetTileCount(int value)
{
    Store(tileCount_, std::clamp(value, 1, 20));
}

void TSkAnimation::Assign(const TPersistent* source)
{
    const auto* other = SameKind<TSkAnimation>(source);
    if (!other)
        return TPersistent::Assign(source);
    enabled_ = other->enabled_;
    time_ = other->time_;
    resolution_ = other->resolution_;
    tileCount_ = other->tileCount_;
    effect_ = other->effect_;
    direction_ = other->direction_;
    Changed();
}

TSkFormOptions::TSkFormOptions(TPersistent* owner)
    : TSkOptions(owner),
      blending_(new TSkBlending(this)),
      shadow_(new TSkShadow(this)),
      animation_(new TSkAnimation(this))
{
}

TSkFormOptions::~TSkFormOptions() = default;

void TSkFormOptions::SetBlending(const TSkBlending* value)
{
    blending_->Assign(value);
    Changed();
}

void TSkFormOptions::SetShadow(const TSkShadow* value)
{
    shadow_->Assign(value);
    Changed();
}

void TSkFormOptions::SetAnimation(const TSkAnimation* value)
{
    animation_->Assign(value);
    Changed();
}

void TSkFormOptions::Assign(const TPersistent* source)
{
    // Same shape, but a menu group and a form group do not mix.
    if (!source || source->ClassInfo() != ClassInfo())
        return TPersistent::Assign(source);
    const auto* other = static_cast<const TSkFormOptions*>(source);
    blending_->Assign(other->blending_.get());
    shadow_->Assign(other->shadow_.get());
    animation_->Assign(other->animation_.get());
    Changed();
}
