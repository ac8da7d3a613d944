#include "styling/core/skcaptionglyphs.h"

#include "framework/graphics/bitmap.h"
#include "framework/graphics/imagelist.h"

#include <memory>

namespace {

struct TListDeleter {
    void operator()(TImageList* list) const { list->Free(); }
};
std::unique_ptr<TImageList, TListDeleter> Glyphs;
bool Allowed = false;

void MakeGlyphs()
{
    static const char* const names[] = {"SK_FORM_CLOSE",   "SK_FORM_MINIMIZE", "SK_FORM_MAXIMIZE",
                                        "SK_FORM_RESTORE", "SK_FORM_ROLLUP",   "SK_FORM_TRAY"};
    static_assert(std::size(names) == kcgTray + 1, "one resource per glyph");
    Glyphs.reset(new TImageList(nullptr));
    Glyphs->SetSize(16, 16);
    for (const char* name : names) {
        TBitmap picture;
        // A program built without the pictures keeps a shorter list; menu
        // items past its end draw no image.
        try {
            picture.LoadFromResourceName(GetModuleHandleA(nullptr), name);
        } catch (const std::exception&) {
            return;
        }
        // The minimize glyph is 17 x 17: the list takes its top-left 16 x 16,
        // which holds the whole bar.
        Glyphs->AddMasked(&picture, RgbColor(255, 0, 255));
    }
}

} // namespace

TImageList* SkCaptionGlyphs()
{
    if (Allowed && !Glyphs)
        MakeGlyphs();
    return Glyphs.get();
}

void AllowSkCaptionGlyphs()
{
    Allowed = true;
}

void FreeSkCaptionGlyphs()
{
    Allowed = false;
    Glyphs.reset();
}
