#include "styling/core/stylist.h"

#include "framework/forms/form.h"
#include "framework/components/properties.h"
#include "framework/forms/screen.h"

#include <string>

FW_IMPLEMENT_CLASS(TSkStylist, TComponent)
FW_PUBLISH(TSkStylist)
{
    // No defaults declared: every one of them is written.
    p.Property("ColorAutoChanging", &T::ColorAutoChanging, &T::SetColorAutoChanging);
    p.Property("DeltaBrightness", &T::DeltaBrightness, &T::SetDeltaBrightness);
    p.Property("DeltaHue", &T::DeltaHue, &T::SetDeltaHue);
    p.Property("Theme", &T::Theme);
    PublishVersion(p);
}

TSkStylist::TSkStylist(TComponent* owner) : TComponent(owner), theme_(new TSkTheme) {}

TSkStylist::~TSkStylist()
{
    delete theme_;
}

void TSkStylist::SetTheme(TSkTheme* theme)
{
    if (theme != theme_) {
        delete theme_;
        theme_ = theme;
    }
    ApplyTheme();
}

void TSkStylist::SetDeltaHue(int value)
{
    if (value == deltaHue_)
        return;
    deltaHue_ = value;
    if (!ThemeAvailable())
        return;
    theme_->SetDeltaHue(value);
    if (!ComponentState().Contains(csLoading))
        ApplyTheme();
}

void TSkStylist::SetDeltaBrightness(int value)
{
    if (value == deltaBrightness_)
        return;
    deltaBrightness_ = value;
    if (!ThemeAvailable())
        return;
    theme_->SetDeltaBrightness(value);
    if (!ComponentState().Contains(csLoading))
        ApplyTheme();
}

void TSkStylist::SetThemeClass(const TClassInfo* themeClass)
{
    for (const TSkThemeClass& known : ThemeClasses()) {
        if (known.Class != themeClass)
            continue;
        // Made before the old one goes, so a failing constructor loses nothing.
        TSkTheme* made = known.Create();
        delete theme_;
        theme_ = made;
        break;
    }
    if (ThemeAvailable()) {
        theme_->SetDeltaHue(deltaHue_);
        theme_->SetDeltaBrightness(deltaBrightness_);
    }
    // Also while the description is still being read: the owner form takes
    // the theme's colour at once.
    ApplyTheme();
}

void TSkStylist::ApplyTheme()
{
    if (!Screen)
        return;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        // A form on its way out keeps what it has.
        if (!form->ComponentState().Contains(csDestroying))
            ApplyToForm(form);
    }
}

void TSkStylist::ApplyToForm(TCustomForm* form)
{
    if (colorAutoChanging_) {
        const bool themed = ThemeAvailable() && !ComponentState().Contains(csDesigning);
        form->SetColor(themed ? theme_->GetColor(kcWindow) : clBtnFace);
    }
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* follower = dynamic_cast<ISkThemeFollower*>(form->Components(i));
        if (follower && follower->FollowedStylist() == this)
            follower->StylistThemeApplied();
    }
    // Controls ask the theme again at every paint, so a repaint is enough.
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TControl*>(form->Components(i)))
            control->Invalidate();
    // An MDI frame's client window covers the form's background.
    if (form->FormStyle() == fsMDIForm && form->HandleAllocated()) {
        if (HWND client = FindWindowExA(form->Handle(), nullptr, "MDICLIENT", nullptr)) {
            const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
            InvalidateRect(client, &screen, TRUE);
        }
    }
}

void TSkStylist::DefineProperties(TFiler* filer)
{
    TComponent::DefineProperties(filer);
    filer->DefineBinaryProperty(
        "ThemeClass", [this](const std::vector<uint8_t>& data) { ReadThemeClass(data); },
        [this] { return WriteThemeClass(); }, true);
}

namespace {

// The name a record holds, or false when it is cut short.
bool RecordName(const std::vector<uint8_t>& data, std::string& name)
{
    if (data.size() < 4)
        return false;
    const uint32_t length = uint32_t(data[0]) | uint32_t(data[1]) << 8 |
                            uint32_t(data[2]) << 16 | uint32_t(data[3]) << 24;
    if (length > data.size() - 4)
        return false;
    name.assign(data.begin() + 4, data.begin() + 4 + length);
    return true;
}

} // namespace

void TSkStylist::ReadThemeClass(const std::vector<uint8_t>& data)
{
    // A bad record leaves the stylist as it was; nothing is reported.
    try {
        std::string name;
        if (!RecordName(data, name))
            return;
        if (const TSkThemeClass* found = FindThemeClass(name))
            SetThemeClass(found->Class);
    } catch (...) {
    }
}

std::vector<uint8_t> TSkStylist::WriteThemeClass() const
{
    if (!theme_)
        return {};
    const std::string name = theme_->GetName();
    const auto length = static_cast<uint32_t>(name.size());
    std::vector<uint8_t> data{uint8_t(length), uint8_t(length >> 8), uint8_t(length >> 16),
                              uint8_t(length >> 24)};
    data.insert(data.end(), name.begin(), name.end());
    return data;
}

bool SkThemeAvailable(const TComponent* component, const TSkStylist* stylist)
{
    const TComponentState state = component->ComponentState();
    return !state.Contains(csLoading) && !state.Contains(csDestroying) && stylist &&
           stylist->Theme() && stylist->Theme()->IsAvailable();
}

bool SkLinkStylist(TComponent* control, TSkStylist*& link, TSkStylist* value)
{
    if (value == link)
        return false;
    if (link)
        link->RemoveFreeNotification(control);
    link = value;
    if (link)
        link->FreeNotification(control);
    return true;
}

bool SkUnlinkRemovedStylist(TSkStylist*& link, const TComponent* component,
                            TOperation operation)
{
    if (operation != opRemove || !link || component != link)
        return false;
    link = nullptr;
    return true;
}
