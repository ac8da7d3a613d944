#include "framework/graphics/jpegdecoder.h"
#include "framework/graphics/jpegimage.h"
#include "framework/graphics/picture.h"
#include "framework/graphics/picturedata.h"
#include "tests/support/jpegmaker.h"

#include <gtest/gtest.h>

namespace {

TEST(PictureData, RoundTripsAndRejectsDamage)
{
    const TPictureData data{"TJPEGImage", {1, 2, 3}};
    const std::vector<uint8_t> bytes = ComposePictureData(data);
    // 1 + 10 class name bytes, 4 length bytes, the payload.
    ASSERT_EQ(bytes.size(), 18u);
    EXPECT_EQ(bytes[0], 10);
    EXPECT_EQ(bytes[11], 3);
    EXPECT_EQ(bytes[12], 0);
    const TPictureData back = ParsePictureData(bytes);
    EXPECT_EQ(back.ClassName, "TJPEGImage");
    EXPECT_EQ(back.Payload, data.Payload);

    EXPECT_EQ(ParsePictureData({}).ClassName, "");
    for (size_t cut = 1; cut < bytes.size(); ++cut)
        EXPECT_THROW(ParsePictureData({bytes.begin(), bytes.begin() + long(cut)}),
                     EInvalidPictureData)
            << cut;
    std::vector<uint8_t> longer = bytes;
    longer.push_back(9);  // more bytes than the length says
    EXPECT_THROW(ParsePictureData(longer), EInvalidPictureData);
    std::vector<uint8_t> huge = bytes;
    huge[14] = 0xFF;  // length far past the end
    EXPECT_THROW(ParsePictureData(huge), EInvalidPictureData);
}

TEST(JPEGImage, DrawsItsPictureOntoACanvas)
{
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(EncodeTestPicture(20, 16));
    EXPECT_EQ(jpeg.Width(), 20);
    EXPECT_EQ(jpeg.Height(), 16);

    TBitmap target(40, 30);
    target.Canvas()->Brush()->SetColor(clLime);
    target.Canvas()->FillRect(Rect(0, 0, 40, 30));
    target.Canvas()->Draw(5, 5, &jpeg);
    const TColor red = target.Canvas()->Pixels(7, 7);
    EXPECT_GT(red & 0xFF, 200);         // red channel
    EXPECT_LT((red >> 16) & 0xFF, 40);  // blue channel
    const TColor blue = target.Canvas()->Pixels(22, 7);
    EXPECT_GT((blue >> 16) & 0xFF, 200);
    EXPECT_EQ(target.Canvas()->Pixels(2, 2), clLime);
    EXPECT_EQ(target.Canvas()->Pixels(26, 7), clLime);  // right of the picture
}

TEST(JPEGImage, TransparentLeavesOutTheBottomLeftColour)
{
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(EncodeTestPicture(20, 16, 100));
    jpeg.SetTransparent(true);
    TBitmap target(20, 16);
    target.Canvas()->Brush()->SetColor(clLime);
    target.Canvas()->FillRect(Rect(0, 0, 20, 16));
    target.Canvas()->Draw(0, 0, &jpeg);
    // The key is the exact bottom-left colour; lossy neighbours may differ.
    EXPECT_EQ(target.Canvas()->Pixels(0, 15), clLime);
    EXPECT_NE(target.Canvas()->Pixels(3, 3), clLime);
}

TEST(JPEGImage, DamagedDataKeepsTheOldPicture)
{
    TJPEGImage jpeg;
    const std::vector<uint8_t> good = EncodeTestPicture(12, 12);
    jpeg.LoadFromBytes(good);
    std::vector<uint8_t> truncated(good.begin(), good.begin() + long(good.size() / 2));
    EXPECT_THROW(jpeg.LoadFromBytes(truncated), EJPEGError);
    EXPECT_EQ(jpeg.Data(), good);
    EXPECT_EQ(jpeg.Width(), 12);
}

TEST(Picture, StoredDataRoundTripsThroughTheGraphicRegistry)
{
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(EncodeTestPicture(9, 7));
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    picture.SetGraphic(&jpeg);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picture.Width(), 9);

    const std::vector<uint8_t> stored = picture.SaveToData();
    EXPECT_EQ(stored.size(), 1 + 10 + 4 + jpeg.Data().size());
    TPicture copy;
    copy.LoadFromData(stored);
    ASSERT_NE(copy.Graphic(), nullptr);
    EXPECT_STREQ(copy.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(copy.SaveToData(), stored);

    TPictureData foreign{"TMetafile", {0}};
    EXPECT_THROW(copy.LoadFromData(ComposePictureData(foreign)), EInvalidPictureData);
    EXPECT_EQ(copy.SaveToData(), stored);  // unchanged after the failure
    copy.LoadFromData({});
    EXPECT_EQ(copy.Graphic(), nullptr);
}

TEST(Picture, TheLogoIsASmallBaselineJpeg)
{
    TPicture picture;
    picture.LoadFromFile(SHEETMILL_SOURCE_DIR "/resources/logo.jpg");
    EXPECT_EQ(picture.Width(), 39);
    EXPECT_EQ(picture.Height(), 48);
    const auto& data = static_cast<TJPEGImage*>(picture.Graphic())->Data();
    bool baseline = false;
    for (size_t i = 0; i + 1 < data.size(); ++i)
        baseline = baseline || (data[i] == 0xFF && data[i + 1] == 0xC0);
    EXPECT_TRUE(baseline);
}

} // namespace
