// The theme gallery's one window: every themed control of the library on a
// skinned form, with the looks to switch between live, the colour shift
// sliders, the frame's blending and shadow switches, and the menus.
#pragma once

#include "framework/forms/form.h"
#include "styling/controls/sklabel.h"
#include "styling/controls/themebuttons.h"
#include "styling/controls/themecheckboxs.h"
#include "styling/controls/themeedits.h"
#include "styling/controls/themeprogress.h"
#include "styling/controls/themescrollbars.h"
#include "styling/controls/themestdcontrol.h"
#include "styling/core/stylist.h"
#include "styling/forms/themeforms.h"
#include "styling/menus/thememenus.h"

#include <vector>

class TGalleryForm : public TForm {
    FW_DECLARE_CLASS(TGalleryForm)
public:
    explicit TGalleryForm(TComponent* owner);

    TSkStylist* SkStylist1 = nullptr;
    TSkThemeForm* SkThemeForm1 = nullptr;
    TSkThemePopupMenu* GalleryMenu = nullptr;
    TSkThemeLabel* ThemesLabel = nullptr;
    TSkThemeButton* PlainButton = nullptr;
    TSkThemeButton* OkButton = nullptr;
    TSkThemeButton* CancelButton = nullptr;
    TSkThemeButton* HelpButton = nullptr;
    TSkThemeButton* MenuButton = nullptr;
    TSkThemeButton* SystemButton = nullptr;
    TSkThemeEdit* NameEdit = nullptr;
    TSkThemeEdit* PasswordEdit = nullptr;
    TSkThemeRadioButton* MonoRadio = nullptr;
    TSkThemeRadioButton* StereoRadio = nullptr;
    TSkCustomCheckBox* GrayedBox = nullptr;
    TSkCustomCheckBox* BlendingBox = nullptr;
    TSkCustomCheckBox* ShadowBox = nullptr;
    TSkThemeProgressBar* HorizontalProgress = nullptr;
    TSkThemeProgressBar* VerticalProgress = nullptr;
    TSkThemeScrollBar* VerticalBar = nullptr;
    TSkThemeMemo* SheetMemo = nullptr;
    TSkThemeLabel* HueLabel = nullptr;
    TSkThemeScrollBar* HueBar = nullptr;
    TSkThemeLabel* BrightnessLabel = nullptr;
    TSkThemeScrollBar* BrightnessBar = nullptr;

    // The radio of each registered look, in the registry's order; a look
    // without a radio in the description is not offered.
    const std::vector<TSkThemeRadioButton*>& ThemeRadios() const { return themeRadios_; }
    // Switches to the look of that radio and checks it.
    void SelectTheme(size_t index);

    void FormCreate(TObject* sender);
    void ThemeClick(TObject* sender);
    void HueChange(TObject* sender);
    void BrightnessChange(TObject* sender);
    void BlendingClick(TObject* sender);
    void ShadowClick(TObject* sender);
    void MenuButtonClick(TObject* sender);
    void SystemButtonClick(TObject* sender);

private:
    void BuildMenu();
    void UseTheme(size_t index);

    std::vector<TSkThemeRadioButton*> themeRadios_;
};

extern TGalleryForm* GalleryForm;
