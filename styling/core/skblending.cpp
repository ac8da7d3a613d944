#include "styling/core/skblending.h"

#include "framework/components/properties.h"

#include <algorithm>

FW_IMPLEMENT_CLASS(TSkBlending, TPersistent)
FW_PUBLISH(TSkBlending)
{
    p.Property("Enabled", &T::Enabled, &T::SetEnabled).Default(false);
    p.Property("Value", &T::Value, &T::SetValue).Default(TSkBlending::DefaultValue);
}

void TSkBlending::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    Changed();
}

void TSkBlending::SetValue(int value)
{
    // Compared before clamping: 300 over a stored 255 still counts as a change.
    if (value == value_)
        return;
    value_ = std::clamp(value, 0, 255);
    Changed();
}

void TSkBlending::Assign(const TPersistent* source)
{
    if (source && source->InheritsFrom(TSkBlending::StaticClass())) {
        const auto* other = static_cast<const TSkBlending*>(source);
        enabled_ = other->enabled_;
        value_ = other->value_;
        reserved_ = other->reserved_;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

void TSkBlending::Changed()
{
    if (OnChange)
        OnChange();
}
