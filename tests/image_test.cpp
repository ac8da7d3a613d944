// The picture control: where and how it draws its JPEG, and its picture
// stored in a description.
#include "framework/components/reader.h"
#include "framework/components/writer.h"
#include "framework/controls/image.h"
#include "framework/graphics/jpegimage.h"
#include "tests/support/jpegmaker.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

namespace {

// What a pixel of the test picture on a lime form shows: Red, Blue, White,
// the Lime form exactly, or '?'.
char Kind(COLORREF c)
{
    auto level = [](int v) { return v > 200 ? '1' : v < 60 ? '0' : '?'; };
    const std::string rgb{level(GetRValue(c)), level(GetGValue(c)), level(GetBValue(c))};
    return c == RGB(0, 255, 0) ? 'L' : rgb == "100" ? 'R' : rgb == "001" ? 'B' : rgb == "111" ? 'W' : '?';
}

} // namespace

TEST(Image, DrawsAtTheTopLeftCentredOrStretchedAndLeavesOutTheTransparentColour)
{
    // A 40 x 40 picture (red left, blue right, white bottom quarter) in an
    // 80 x 80 image at 10, 10 on a lime form.
    FormPtr form = NewForm(120, 120);
    form->SetBorderStyle(bsNone);
    form->SetColor(clLime);
    auto* image = AddControl<TImage>(form.get(), 10, 10, 80, 80);
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(EncodeTestPicture(40, 40, 100));
    image->Picture()->SetGraphic(&jpeg);
    form->Show();

    struct Probe {
        int x, y;
        char kind;
    };
    const struct {
        bool center, stretch, transparent;
        std::vector<Probe> probes;
    } looks[] = {
        {false, false, false, {{15, 15, 'R'}, {45, 15, 'B'}, {15, 47, 'W'}, {70, 70, 'L'}, {5, 5, 'L'}}},
        {true, false, false, {{15, 15, 'L'}, {35, 35, 'R'}, {65, 35, 'B'}}},  // at 30, 30
        {true, true, false, {{15, 15, 'R'}, {85, 15, 'B'}, {15, 85, 'W'}}},   // the whole 80 x 80
        {false, false, true, {{15, 47, 'L'}, {15, 15, 'R'}, {45, 15, 'B'}}},  // the bottom-left colour
    };
    TestDib dib(120, 120);
    for (size_t i = 0; i < std::size(looks); ++i) {
        SCOPED_TRACE(i);
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_UPDATENOW);
        image->SetCenter(looks[i].center);
        image->SetStretch(looks[i].stretch);
        image->SetTransparent(looks[i].transparent);
        EXPECT_EQ(GetUpdateRect(form->Handle(), nullptr, FALSE) != 0, i > 0);  // a change repaints
        form->PaintTo(dib.DC(), 0, 0);
        for (const Probe& p : looks[i].probes)
            EXPECT_EQ(Kind(dib.At(p.x, p.y)), p.kind) << p.x << "," << p.y;
    }
    image->SetAutoSize(true);
    EXPECT_EQ(std::make_pair(image->Width(), image->Height()), std::make_pair(40, 40));
}

TEST(ImageDescription, PictureDataIsWrittenAndReadBackIdentically)
{
    FormPtr form = NewForm();
    auto* image = AddControl<TImage>(form.get(), 0, 0, 40, 40);
    image->SetName("Image1");
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(EncodeTestPicture(39, 48));
    image->Picture()->SetGraphic(&jpeg);
    const std::string written = WriteComponentText(form.get());
    TComponent* again = ReadComponentText(written);
    EXPECT_EQ(WriteComponentText(again), written);
    EXPECT_EQ(static_cast<TImage*>(again->FindComponent("Image1"))->Picture()->SaveToData(),
              image->Picture()->SaveToData());
    again->Free();
    image->Picture()->SetGraphic(nullptr);  // no picture, no data
    EXPECT_EQ(WriteComponentText(form.get()).find("Picture"), std::string::npos);
}
