#include "app/unit2.h"

#include "app/cuefile.h"
#include "app/cuesheet.h"
#include "app/unit1.h"
#include "framework/forms/application.h"
#include "framework/forms/inputbox.h"
#include "framework/components/properties.h"
#include "framework/base/streams.h"

TForm2* Form2 = nullptr;

const char* const ImageNameCaption = "Nazwa pliku obrazu";
const char* const ImageNamePrompt = "Nazwa pliku obrazu";
const char* const UnloadableNameText =
    "Nazwa pliku zawiera znaki spoza strony kodowej systemu. "
    "Plik *.cue nie moze zostac wczytany, zmien nazwe pliku...";

FW_IMPLEMENT_CLASS(TForm2, TForm)
FW_PUBLISH(TForm2)
{
    p.Field("SkThemeForm1", &T::SkThemeForm1);
    p.Field("editer", &T::editer);
    p.Field("SkThemeButton1", &T::SkThemeButton1);
    p.Field("SkThemeButton2", &T::SkThemeButton2);
    p.Field("SkThemeButton3", &T::SkThemeButton3);
    p.Field("op", &T::op);
    p.Field("sv", &T::sv);
    p.Handler("SkThemeButton1Click", &T::SkThemeButton1Click);
    p.Handler("SkThemeButton2Click", &T::SkThemeButton2Click);
    p.Handler("SkThemeButton3Click", &T::SkThemeButton3Click);
}

TForm2::TForm2(TComponent* owner) : TForm(owner) {}

namespace {

// A name the ANSI code page cannot spell would open or create another file;
// refusal says which of the two did not happen.
bool NameUsable(const TOpenDialog* dialog, const char* refusal)
{
    if (dialog->FileNameFitsAnsi())
        return true;
    Application->MessageBox(refusal, NoImageCaption, MB_OK | MB_ICONSTOP);
    return false;
}

// A file longer than the memo could ever hold is refused before anything is
// allocated for it; on a 32-bit build its size would not even fit a string.
std::string ReadWholeFile(const std::string& fileName, size_t capacity)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    const int64_t size = file.Size() - file.Position();
    // Two bytes at most for each character of the memo.
    if (size < 0 || uint64_t(size) / 2 > capacity)
        throw EInvalidOperation(MemoCapacityMessage);
    std::string bytes(static_cast<size_t>(size), '\0');
    file.ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

} // namespace

// Whatever line breaks the file has, the memo holds CR LF.
void TForm2::SkThemeButton1Click(TObject*)
{
    if (op->Execute() && NameUsable(op, UnloadableNameText))
        editer->Lines()->SetText(ReadWholeFile(op->FileName(), editer->Capacity()));
}

void TForm2::SkThemeButton2Click(TObject*)
{
    if (sv->Execute() && NameUsable(sv, UnwritableNameText))
        WriteCueSheet(editer->Text(), sv->FileName());
}

// A cancelled box gives the empty name, and the template is filled all the same.
void TForm2::SkThemeButton3Click(TObject*)
{
    const std::string name = InputBox(ImageNameCaption, ImageNamePrompt, "");
    editer->Lines()->SetText(ComposeCueSheet(name));
}
