// The cue editor: loads, saves and fills a sheet by hand.
#pragma once

#include "framework/forms/dialogs.h"
#include "framework/forms/form.h"
#include "styling/controls/themebuttons.h"
#include "styling/controls/themestdcontrol.h"
#include "styling/forms/themeforms.h"

class TForm2 : public TForm {
    FW_DECLARE_CLASS(TForm2)
public:
    explicit TForm2(TComponent* owner);

    TSkThemeForm* SkThemeForm1 = nullptr;
    TSkThemeMemo* editer = nullptr;
    TSkThemeButton* SkThemeButton1 = nullptr;
    TSkThemeButton* SkThemeButton2 = nullptr;
    TSkThemeButton* SkThemeButton3 = nullptr;
    TOpenDialog* op = nullptr;
    TSaveDialog* sv = nullptr;

    void SkThemeButton1Click(TObject* sender);
    void SkThemeButton2Click(TObject* sender);
    void SkThemeButton3Click(TObject* sender);
};

extern TForm2* Form2;

extern const char* const ImageNameCaption;
extern const char* const ImageNamePrompt;
// The refusal of "Wczytaj" for a name the code page cannot spell.
extern const char* const UnloadableNameText;
