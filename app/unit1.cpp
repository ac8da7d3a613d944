#include "app/unit1.h"

#include "app/cuefile.h"
#include "app/cuesheet.h"
#include "app/unit2.h"
#include "framework/forms/application.h"
#include "framework/base/ansi.h"
#include "framework/base/codepages.h"
#include "framework/base/filenames.h"
#include "framework/base/restorevalue.h"
#include "framework/components/properties.h"

TForm1* Form1 = nullptr;

const char* const NoImageText = "Nie podales pliku obrazu plyty CD...";
const char* const NoImageCaption = "Blad !";
const char* const SheetWrittenText = "Plik *.cue zostal stworzony w katalogu z obrazem plyty...";
const char* const SheetWrittenCaption = "Plik *.cue gotowy !";
// The sheet names its image by the ANSI form of the path; a name the code
// page cannot spell would name another file, so nothing is written.
const char* const UnwritableNameText =
    "Nazwa pliku zawiera znaki spoza strony kodowej systemu. "
    "Plik *.cue nie zostal stworzony, zmien nazwe pliku...";

FW_IMPLEMENT_CLASS(TForm1, TForm)
FW_PUBLISH(TForm1)
{
    p.Field("SkThemeForm1", &T::SkThemeForm1);
    p.Field("doc", &T::doc);
    p.Field("SkThemeButton1", &T::SkThemeButton1);
    p.Field("SkThemeLabel1", &T::SkThemeLabel1);
    p.Field("dcd", &T::dcd);
    p.Field("acd", &T::acd);
    p.Field("obrazy", &T::obrazy);
    p.Field("progre", &T::progre);
    p.Field("cue", &T::cue);
    p.Field("Image1", &T::Image1);
    p.Field("SkStylist1", &T::SkStylist1);
    p.Handler("SkThemeButton1Click", &T::SkThemeButton1Click);
    p.Handler("acdClick", &T::acdClick);
}

TForm1::TForm1(TComponent* owner) : TForm(owner) {}

void TForm1::SkThemeButton1Click(TObject*)
{
    if (picking_)
        return;
    TRestoreValue<bool> busy(picking_, true);
    if (obrazy->Execute())
        doc->SetText(AnsiToWide(obrazy->FileName()));
    // After a cancel this is the name accepted before, if any.
    const std::string imagePath = obrazy->FileName();
    if (imagePath.empty()) {
        Application->MessageBox(NoImageText, NoImageCaption, MB_OK | MB_ICONSTOP);
        return;
    }
    if (!dcd->Checked())
        return;
    if (!obrazy->FileNameFitsAnsi()) {
        Application->MessageBox(UnwritableNameText, NoImageCaption, MB_OK | MB_ICONSTOP);
        return;
    }
    WriteSheetFor(imagePath);
    RunProgress();
    Application->MessageBox(SheetWrittenText, SheetWrittenCaption, MB_OK | MB_ICONINFORMATION);
}

// The hidden memo turns the sheet's CR separators into CR LF; its text is
// what goes to the file. The sheet lands beside the image whatever folder a
// dialog (a cancelled one included) left current.
void TForm1::WriteSheetFor(const std::string& imagePath)
{
    const std::string imageName = ExtractFileName(imagePath, AnsiLeadBytes());
    const std::string folder = imagePath.substr(0, imagePath.size() - imageName.size());
    cue->Lines()->SetText(ComposeCueSheet(imageName));
    WriteCueSheet(cue->Text(), folder + CueFileName(imagePath, AnsiLeadBytes()));
}

// Steps from 0 to one short of Max; the bar is left where it stopped. Each
// step repaints the bar and runs pending messages, user input among them.
void TForm1::RunProgress()
{
    for (int position = 0; position < progre->Max(); ++position)
        progre->SetPosition(position);
}

void TForm1::acdClick(TObject*)
{
    Form2->ShowModal();
    dcd->SetChecked(true);
}
