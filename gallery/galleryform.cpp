#include "gallery/galleryform.h"

#include "framework/base/ansi.h"
#include "styling/core/themeregistry.h"
#include "styling/menus/themeitems.h"

TGalleryForm* GalleryForm = nullptr;

FW_IMPLEMENT_CLASS(TGalleryForm, TForm)
FW_PUBLISH(TGalleryForm)
{
    p.Field("SkStylist1", &T::SkStylist1);
    p.Field("SkThemeForm1", &T::SkThemeForm1);
    p.Field("GalleryMenu", &T::GalleryMenu);
    p.Field("ThemesLabel", &T::ThemesLabel);
    p.Field("PlainButton", &T::PlainButton);
    p.Field("OkButton", &T::OkButton);
    p.Field("CancelButton", &T::CancelButton);
    p.Field("HelpButton", &T::HelpButton);
    p.Field("MenuButton", &T::MenuButton);
    p.Field("SystemButton", &T::SystemButton);
    p.Field("NameEdit", &T::NameEdit);
    p.Field("PasswordEdit", &T::PasswordEdit);
    p.Field("MonoRadio", &T::MonoRadio);
    p.Field("StereoRadio", &T::StereoRadio);
    p.Field("GrayedBox", &T::GrayedBox);
    p.Field("BlendingBox", &T::BlendingBox);
    p.Field("ShadowBox", &T::ShadowBox);
    p.Field("HorizontalProgress", &T::HorizontalProgress);
    p.Field("VerticalProgress", &T::VerticalProgress);
    p.Field("VerticalBar", &T::VerticalBar);
    p.Field("SheetMemo", &T::SheetMemo);
    p.Field("HueLabel", &T::HueLabel);
    p.Field("HueBar", &T::HueBar);
    p.Field("BrightnessLabel", &T::BrightnessLabel);
    p.Field("BrightnessBar", &T::BrightnessBar);
    p.Handler("FormCreate", &T::FormCreate);
    p.Handler("ThemeClick", &T::ThemeClick);
    p.Handler("HueChange", &T::HueChange);
    p.Handler("BrightnessChange", &T::BrightnessChange);
    p.Handler("BlendingClick", &T::BlendingClick);
    p.Handler("ShadowClick", &T::ShadowClick);
    p.Handler("MenuButtonClick", &T::MenuButtonClick);
    p.Handler("SystemButtonClick", &T::SystemButtonClick);
}

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner) {}

namespace {

// The description names each look's radio after the look's registered name.
TSkThemeRadioButton* RadioNamed(TComponent* form, const std::string& themeName)
{
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* radio = dynamic_cast<TSkThemeRadioButton*>(form->Components(i)))
            if (radio->GroupIndex() == 0 && WideToAnsi(radio->WideCaption()) == themeName)
                return radio;
    return nullptr;
}

} // namespace

// The looks are matched once the description is read: the registry's order
// is the order the tour and the menu follow.
void TGalleryForm::FormCreate(TObject*)
{
    for (const TSkThemeClass& themeClass : ThemeClasses())
        if (TSkThemeRadioButton* radio = RadioNamed(this, themeClass.Name))
            themeRadios_.push_back(radio);
    BuildMenu();
    if (SkStylist1->Theme())
        if (TSkThemeRadioButton* shown = RadioNamed(this, SkStylist1->Theme()->GetName()))
            shown->SetChecked(true);
}

void TGalleryForm::SelectTheme(size_t index)
{
    if (index >= themeRadios_.size())
        return;
    themeRadios_[index]->SetChecked(true);
    UseTheme(index);
}

void TGalleryForm::ThemeClick(TObject* sender)
{
    for (size_t i = 0; i < themeRadios_.size(); ++i)
        if (themeRadios_[i] == sender)
            UseTheme(i);
}

// Checking a radio may click it: the look already shown is not made again.
void TGalleryForm::UseTheme(size_t index)
{
    const std::string name = WideToAnsi(themeRadios_[index]->WideCaption());
    const TSkThemeClass* themeClass = FindThemeClass(name);
    if (themeClass && !(SkStylist1->Theme() && SkStylist1->Theme()->GetName() == name))
        SkStylist1->SetThemeClass(themeClass->Class);
}

void TGalleryForm::HueChange(TObject*)
{
    SkStylist1->SetDeltaHue(HueBar->Position());
}

void TGalleryForm::BrightnessChange(TObject*)
{
    SkStylist1->SetDeltaBrightness(BrightnessBar->Position());
}

void TGalleryForm::BlendingClick(TObject*)
{
    SkThemeForm1->Blending()->SetEnabled(BlendingBox->Checked());
}

void TGalleryForm::ShadowClick(TObject*)
{
    SkThemeForm1->Shadow()->SetEnabled(ShadowBox->Checked());
}

// Under the button, as a person expects a menu button to open.
void TGalleryForm::MenuButtonClick(TObject*)
{
    POINT below{0, MenuButton->Height()};
    ::ClientToScreen(MenuButton->Handle(), &below);
    GalleryMenu->Popup(below.x, below.y);
}

void TGalleryForm::SystemButtonClick(TObject*)
{
    SkThemeForm1->ShowSystemMenu();
}

// The popup menu offers the looks again, and closes the window.
void TGalleryForm::BuildMenu()
{
    auto add = [](TSkCustomItem* parent, const std::wstring& caption) {
        auto* item = new TSkThemeItem(nullptr);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    };
    TSkCustomItem* looks = add(GalleryMenu->Items(), L"Themes");
    for (size_t i = 0; i < themeRadios_.size(); ++i)
        add(looks, themeRadios_[i]->WideCaption())->OnClick = [this, i](TObject*) { SelectTheme(i); };
    add(GalleryMenu->Items(), L"-");
    add(GalleryMenu->Items(), L"Close")->OnClick = [this](TObject*) { Close(); };
}
