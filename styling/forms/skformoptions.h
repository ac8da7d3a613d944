// The option groups of skinned forms and popup menus: drop shadow, snapping
// to the work-area edges, move and size rules, the show animation, and the
// two groups that bundle blending, shadow and animation for menus. Each is
// owned by its component, streamed as nested properties (Dragging.Sizeable)
// and tells its owner of every change through OnChange. Numbers out of range
// are clamped, never refused.
#pragma once

#include "framework/components/persistent.h"
#include "styling/core/skblending.h"
#include "styling/forms/skeffecttypes.h"

#include <functional>
#include <memory>

// What the option groups share: the owner a description path names and the
// change notification.
class TSkOptions : public TPersistent {
    FW_DECLARE_CLASS(TSkOptions)
public:
    explicit TSkOptions(TPersistent* owner = nullptr) : owner_(owner) {}
    TPersistent* GetOwner() const override { return owner_; }

    std::function<void()> OnChange;

protected:
    void Changed();
    // Stores value and notifies when it differs from field.
    template <typename V>
    void Store(V& field, V value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }

private:
    TPersistent* owner_;
};

class TSkShadow : public TSkOptions {
    FW_DECLARE_CLASS(TSkShadow)
public:
    static constexpr int DefaultSize = 4;
    static constexpr int MaxSize = 20;
    using TSkOptions::TSkOptions;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { Store(enabled_, value); }
    // Above 20 becomes 20; below 1 is kept but switches the shadow off.
    int Size() const { return size_; }
    void SetSize(int value);

    void Assign(const TPersistent* source) override;

private:
    bool enabled_ = false;
    int size_ = DefaultSize;
};

class TSkGravitation : public TSkOptions {
    FW_DECLARE_CLASS(TSkGravitation)
public:
    static constexpr int DefaultSize = 20;
    // What an MDI child form starts with.
    static constexpr int ChildSize = 9;
    using TSkOptions::TSkOptions;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { Store(enabled_, value); }
    // Below 2 becomes 1, above 50 becomes 50.
    int Size() const { return size_; }
    void SetSize(int value);

    void Assign(const TPersistent* source) override;

private:
    bool enabled_ = true;
    int size_ = DefaultSize;
};

enum TSkFormDragMode : uint8_t { kfdmBorder, kfdmFullDrag };

class TSkDragging : public TSkOptions {
    FW_DECLARE_CLASS(TSkDragging)
public:
    using TSkOptions::TSkOptions;

    bool Sizeable() const { return sizeable_; }
    void SetSizeable(bool value) { Store(sizeable_, value); }
    bool Moveable() const { return moveable_; }
    void SetMoveable(bool value) { Store(moveable_, value); }
    // kfdmBorder drags an outline and applies it on release.
    TSkFormDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TSkFormDragMode value) { Store(dragMode_, value); }

    void Assign(const TPersistent* source) override;

private:
    bool sizeable_ = true;
    bool moveable_ = true;
    TSkFormDragMode dragMode_ = kfdmFullDrag;
};

class TSkAnimation : public TSkOptions {
    FW_DECLARE_CLASS(TSkAnimation)
public:
    static constexpr int DefaultTime = 400;
    using TSkOptions::TSkOptions;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { Store(enabled_, value); }
    // Milliseconds, 50 to 9000.
    int Time() const { return time_; }
    void SetTime(int value);
    // Pixels per side of a mask cell, 1 to 10.
    int Resolution() const { return resolution_; }
    void SetResolution(int value);
    // Tiles per side, 1 to 20; each tile runs the whole effect.
    int TileCount() const { return tileCount_; }
    void SetTileCount(int value);
    TkeEffect Effect() const { return effect_; }
    void SetEffect(TkeEffect value) { Store(effect_, value); }
    TSkDirection Direction() const { return direction_; }
    void SetDirection(TSkDirection value) { Store(direction_, value); }

    void Assign(const TPersistent* source) override;

private:
    bool enabled_ = false;
    int time_ = DefaultTime;
    int resolution_ = 1;
    int tileCount_ = 1;
    TkeEffect effect_ = keFade;
    TSkDirection direction_ = kdNone;
};

// Blending, shadow and animation of a popup window. Setting one of the three
// copies it into the owned object; OnChange follows each setter and Assign.
class TSkFormOptions : public TSkOptions {
    FW_DECLARE_CLASS(TSkFormOptions)
public:
    explicit TSkFormOptions(TPersistent* owner = nullptr);
    ~TSkFormOptions() override;

    TSkBlending* Blending() const { return blending_.get(); }
    void SetBlending(const TSkBlending* value);
    TSkShadow* Shadow() const { return shadow_.get(); }
    void SetShadow(const TSkShadow* value);
    TSkAnimation* Animation() const { return animation_.get(); }
    void SetAnimation(const TSkAnimation* value);

    void Assign(const TPersistent* source) override;

private:
    std::unique_ptr<TSkBlending> blending_;
    std::unique_ptr<TSkShadow> shadow_;
    std::unique_ptr<TSkAnimation> animation_;
};

// The same group for the system and tray menus of a form.
class TSkPopupMenuOptions : public TSkFormOptions {
    FW_DECLARE_CLASS(TSkPopupMenuOptions)
public:
    using TSkFormOptions::TSkFormOptions;
};
