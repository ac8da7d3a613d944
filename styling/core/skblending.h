// TSkBlending: how opaque a control's own drawing is over its parent's
// background. Owned by its control, which it tells of every change.
#pragma once

#include "framework/components/persistent.h"

#include <functional>

class TSkBlending : public TPersistent {
    FW_DECLARE_CLASS(TSkBlending)
public:
    static constexpr int DefaultValue = 150;

    explicit TSkBlending(TPersistent* owner = nullptr) : owner_(owner) {}

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // 0 (only the background) to 255 (only the control); clamped.
    int Value() const { return value_; }
    void SetValue(int value);

    // Copies another blending and notifies; anything else cannot be assigned.
    void Assign(const TPersistent* source) override;

    TPersistent* GetOwner() const override { return owner_; }

    std::function<void()> OnChange;

private:
    void Changed();

    TPersistent* owner_;
    bool enabled_ = false;
    int value_ = DefaultValue;
    // Carried along by Assign; nothing reads it.
    bool reserved_ = false;
};
