// The main window: pick a CD image and its cue sheet is written beside it.
#pragma once

#include "framework/controls/edit.h"
#include "framework/controls/image.h"
#include "framework/forms/dialogs.h"
#include "framework/forms/form.h"
#include "styling/controls/sklabel.h"
#include "styling/controls/themebuttons.h"
#include "styling/controls/themecheckboxs.h"
#include "styling/controls/themeedits.h"
#include "styling/controls/themeprogress.h"
#include "styling/core/stylist.h"
#include "styling/forms/themeforms.h"

class TForm1 : public TForm {
    FW_DECLARE_CLASS(TForm1)
public:
    explicit TForm1(TComponent* owner);

    TSkThemeForm* SkThemeForm1 = nullptr;
    TSkThemeEdit* doc = nullptr;
    TSkThemeButton* SkThemeButton1 = nullptr;
    TSkThemeLabel* SkThemeLabel1 = nullptr;
    TSkThemeRadioButton* dcd = nullptr;
    TSkThemeRadioButton* acd = nullptr;
    TOpenDialog* obrazy = nullptr;
    TSkThemeProgressBar* progre = nullptr;
    TMemo* cue = nullptr;
    TImage* Image1 = nullptr;
    TSkStylist* SkStylist1 = nullptr;

    void SkThemeButton1Click(TObject* sender);
    void acdClick(TObject* sender);

private:
    void WriteSheetFor(const std::string& imagePath);
    void RunProgress();

    // The progress run lets queued input through: a second click on "..."
    // then must not start the handler again.
    bool picking_ = false;
};

extern TForm1* Form1;

// The message boxes of the main window.
extern const char* const NoImageText;
extern const char* const NoImageCaption;
extern const char* const SheetWrittenText;
extern const char* const SheetWrittenCaption;
extern const char* const UnwritableNameText;
