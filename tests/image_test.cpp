// The picture control: where and how it draws its JPEG, and its picture
// stored in a description as binary data.
#include "framework/forms/application.h"
#include "framework/controls/image.h"
#include "framework/graphics/jpegimage.h"
#include "framework/graphics/picturedata.h"
#include "framework/components/reader.h"
#include "framework/components/writer.h"
#include "tests/support/dibsection.h"
#include "tests/support/jpegmaker.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

struct FormDeleter {
    void operator()(TCustomForm* form) const { form->Free(); }
};
using FormPtr = std::unique_ptr<TForm, FormDeleter>;

bool Reddish(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60; }
bool Bluish(COLORREF c) { return GetBValue(c) > 200 && GetRValue(c) < 60 && GetGValue(c) < 60; }
bool Whitish(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) > 200; }
const COLORREF Lime = RGB(0, 255, 0);

// A 40 x 40 test picture (red left, blue right, white bottom quarter) in
// an 80 x 80 image at 10, 10 on a lime form.
struct ImageOnForm {
    FormPtr form{TCustomForm::Create<TForm>(nullptr)};
    TImage* image = new TImage(form.get());
    DibSection dib{120, 120};

    ImageOnForm()
    {
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 120, 120);
        form->SetColor(clLime);
        image->SetParent(form.get());
        image->SetBounds(10, 10, 80, 80);
        TJPEGImage jpeg;
        jpeg.LoadFromBytes(EncodeTestPicture(40, 40, 100));
        image->Picture()->SetGraphic(&jpeg);
    }
    COLORREF Paint(int x, int y)
    {
        form->PaintTo(dib.DC(), 0, 0);
        return dib.At(x, y);
    }
};

std::string Hex(const std::vector<uint8_t>& bytes)
{
    std::string out;
    char pair[3];
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0)
            out += "\n      ";
        std::snprintf(pair, sizeof pair, "%02X", bytes[i]);
        out += pair;
    }
    return out;
}

std::string DescriptionWithPicture(const std::vector<uint8_t>& data)
{
    return "object Form1: TForm\n"
           "  object Image1: TImage\n"
           "    Transparent = True\n"
           "    Picture.Data = {" + Hex(data) + "}\n"
           "  end\n"
           "end\n";
}

} // namespace

TEST(Image, DrawsAtTheTopLeftUnlessCentredOrStretched)
{
    ImageOnForm f;
    EXPECT_TRUE(Reddish(f.Paint(15, 15)));
    EXPECT_TRUE(Bluish(f.Paint(45, 15)));
    EXPECT_TRUE(Whitish(f.Paint(15, 47)));
    EXPECT_EQ(f.Paint(70, 70), Lime);  // inside the control, outside the picture
    EXPECT_EQ(f.Paint(5, 5), Lime);

    f.image->SetCenter(true);  // picture at 30, 30
    EXPECT_EQ(f.Paint(15, 15), Lime);
    EXPECT_TRUE(Reddish(f.Paint(35, 35)));
    EXPECT_TRUE(Bluish(f.Paint(65, 35)));

    f.image->SetStretch(true);  // the whole 80 x 80
    EXPECT_TRUE(Reddish(f.Paint(15, 15)));
    EXPECT_TRUE(Bluish(f.Paint(85, 15)));
    EXPECT_TRUE(Whitish(f.Paint(15, 85)));

    f.image->SetStretch(false);
    f.image->SetCenter(false);
    f.image->SetAutoSize(true);
    EXPECT_EQ(f.image->Width(), 40);
    EXPECT_EQ(f.image->Height(), 40);
}

TEST(Image, TransparentLeavesTheBottomLeftColourOut)
{
    ImageOnForm f;
    f.image->SetTransparent(true);
    EXPECT_EQ(f.Paint(15, 47), Lime);  // the white quarter lets the form show
    EXPECT_TRUE(Reddish(f.Paint(15, 15)));
    EXPECT_TRUE(Bluish(f.Paint(45, 15)));
    f.image->SetTransparent(false);
    EXPECT_TRUE(Whitish(f.Paint(15, 47)));
}

TEST(ImageDescription, PictureDataIsReadAndWrittenBackIdentically)
{
    const std::vector<uint8_t> jpeg = EncodeTestPicture(39, 48);
    const std::vector<uint8_t> data = ComposePictureData({"TJPEGImage", jpeg});
    // The class name with its length byte, the 4-byte length, the stream.
    ASSERT_EQ(data.size(), 1 + 10 + 4 + jpeg.size());

    TComponent* root = ReadComponentText(DescriptionWithPicture(data));
    auto* image = static_cast<TImage*>(root->FindComponent("Image1"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Picture()->Width(), 39);
    EXPECT_EQ(image->Picture()->Height(), 48);
    EXPECT_TRUE(image->Transparent());
    EXPECT_EQ(image->Picture()->SaveToData(), data);

    const std::string written = WriteComponentText(root);
    EXPECT_NE(written.find("Picture.Data = {"), std::string::npos);
    TComponent* again = ReadComponentText(written);
    EXPECT_EQ(WriteComponentText(again), written);
    EXPECT_EQ(static_cast<TImage*>(again->FindComponent("Image1"))->Picture()->SaveToData(), data);
    again->Free();

    // No picture, no data.
    image->Picture()->SetGraphic(nullptr);
    EXPECT_EQ(WriteComponentText(root).find("Picture"), std::string::npos);
    root->Free();
}

TEST(ImageDescription, ADamagedPictureIsRejectedNamingLineAndProperty)
{
    const std::vector<uint8_t> jpeg = EncodeTestPicture(39, 48);
    const std::vector<uint8_t> truncated(jpeg.begin(), jpeg.begin() + long(jpeg.size() / 2));
    std::vector<uint8_t> garbage = jpeg;
    for (size_t i = 20; i < garbage.size(); i += 3)
        garbage[i] = static_cast<uint8_t>(garbage[i] ^ 0x5A);
    std::vector<uint8_t> badLength = ComposePictureData({"TJPEGImage", jpeg});
    badLength[11] ^= 0x01;  // the length no longer matches the stream
    const std::vector<std::vector<uint8_t>> damaged = {
        ComposePictureData({"TJPEGImage", truncated}),
        ComposePictureData({"TJPEGImage", garbage}),
        ComposePictureData({"TJPEGImage", {}}),
        ComposePictureData({"TNoSuchGraphic", jpeg}),
        badLength,
        {10, 'T', 'J'},
    };
    for (const auto& data : damaged) {
        try {
            TComponent* root = ReadComponentText(DescriptionWithPicture(data));
            root->Free();
            ADD_FAILURE() << "accepted damaged picture data of " << data.size() << " bytes";
        } catch (const EDescriptionError& e) {
            EXPECT_EQ(e.Line(), 4);
            EXPECT_NE(std::string(e.what()).find("Image1.Picture.Data"), std::string::npos)
                << e.what();
        }
    }
}
