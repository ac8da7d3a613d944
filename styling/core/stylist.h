// TSkStylist: the one non-visual component that decides how everything
// looks. It owns the current theme, pushes the global colour shift into it,
// stores the theme in the form description by its name ("ThemeClass") and
// re-applies the look to every form when the theme or the shift changes.
#pragma once

#include "framework/components/component.h"
#include "styling/core/skversion.h"
#include "styling/core/themeregistry.h"
#include "styling/core/themethemes.h"

#include <cstdint>
#include <vector>

class TCustomForm;
class TSkStylist;

// A component of a form that follows a stylist's look (the theme form
// component): ApplyTheme tells each one linked to the stylist, in component
// order, after the form's colour is set and before the form's controls are
// invalidated.
class ISkThemeFollower {
public:
    virtual TSkStylist* FollowedStylist() const = 0;
    virtual void StylistThemeApplied() = 0;

protected:
    ~ISkThemeFollower() = default;
};

class TSkStylist : public TComponent, public TSkVersioned {
    FW_DECLARE_CLASS(TSkStylist)
public:
    explicit TSkStylist(TComponent* owner);
    ~TSkStylist() override;

    // The placeholder "No Theme" until a real look is chosen; null only
    // after SetTheme(nullptr).
    TSkTheme* Theme() const { return theme_; }
    // Takes the theme over (the stylist frees it, and frees the one it
    // replaces) and re-applies the look; the colour shift is not pushed.
    void SetTheme(TSkTheme* theme);

    int DeltaHue() const { return deltaHue_; }
    void SetDeltaHue(int value);
    int DeltaBrightness() const { return deltaBrightness_; }
    void SetDeltaBrightness(int value);
    bool ColorAutoChanging() const { return colorAutoChanging_; }
    void SetColorAutoChanging(bool value) { colorAutoChanging_ = value; }

    // Replaces the theme by a new object of a registered class; a class
    // that is not registered keeps the current theme. Then pushes the
    // colour shift into an available theme and re-applies the look.
    void SetThemeClass(const TClassInfo* themeClass);
    template <typename TTheme>
    void SetThemeClass()
    {
        SetThemeClass(TTheme::StaticClass());
    }

    // Every form of the screen follows the current look.
    void ApplyTheme();

    void DefineProperties(TFiler* filer) override;

    // The "ThemeClass" record: a 4-byte little-endian length and the name.
    // A record that does not hold a registered name in full changes nothing.
    void ReadThemeClass(const std::vector<uint8_t>& data);
    std::vector<uint8_t> WriteThemeClass() const;

private:
    void ApplyToForm(TCustomForm* form);
    bool ThemeAvailable() const { return theme_ && theme_->IsAvailable(); }

    TSkTheme* theme_ = nullptr;  // owned
    int deltaHue_ = 0;
    int deltaBrightness_ = 0;
    bool colorAutoChanging_ = true;
};

// Whether component paints through its stylist's theme: it is neither being
// read nor being destroyed, and the stylist has a theme that is available.
// Every themed control and form asks this, and only this.
bool SkThemeAvailable(const TComponent* component, const TSkStylist* stylist);

// A themed control's link to its stylist follows the stylist's freeing, so
// that no control keeps a freed stylist. Linking answers whether the link
// changed; the removal answers whether the removed component was the linked
// stylist (the link is then dropped).
bool SkLinkStylist(TComponent* control, TSkStylist*& link, TSkStylist* value);
bool SkUnlinkRemovedStylist(TSkStylist*& link, const TComponent* component,
                            TOperation operation);
