// What the picture control's tests leave out: a failed load keeps the
// picture, change notices, the picture data rejected, and the logo's kind.
#include "framework/graphics/jpegdecoder.h"
#include "framework/graphics/jpegimage.h"
#include "framework/graphics/picture.h"
#include "framework/graphics/picturedata.h"
#include "tests/support/jpegmaker.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(Picture, AFailedLoadKeepsWhatWasThere)
{
    TJPEGImage jpeg;
    const std::vector<uint8_t> good = EncodeTestPicture(9, 7);
    jpeg.LoadFromBytes(good);
    EXPECT_THROW(jpeg.LoadFromBytes({good.begin(), good.begin() + long(good.size() / 2)}), EJPEGError);
    EXPECT_EQ(std::make_pair(jpeg.Data(), jpeg.Width()), std::make_pair(good, 9));

    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    picture.SetGraphic(&jpeg);
    EXPECT_EQ(std::make_pair(changes, picture.Width()), std::make_pair(1, 9));
    const std::vector<uint8_t> stored = picture.SaveToData();
    std::vector<uint8_t> longer = stored;
    longer.push_back(9);  // more bytes than the length says
    for (const std::vector<uint8_t>& bad : {ComposePictureData({"TMetafile", {0}}), longer,
                                            std::vector<uint8_t>(stored.begin(), stored.begin() + 12)})
        EXPECT_THROW(picture.LoadFromData(bad), EInvalidPictureData);
    EXPECT_EQ(picture.SaveToData(), stored);
    picture.LoadFromData({});
    EXPECT_EQ(picture.Graphic(), nullptr);
}

TEST(Picture, TheLogoIsASmallBaselineJpeg)
{
    TPicture picture;
    picture.LoadFromFile(SHEETMILL_SOURCE_DIR "/resources/logo.jpg");
    EXPECT_EQ(std::make_pair(picture.Width(), picture.Height()), std::make_pair(39, 48));
    const auto& data = static_cast<TJPEGImage*>(picture.Graphic())->Data();
    const uint8_t baseline[] = {0xFF, 0xC0};
    EXPECT_NE(std::search(data.begin(), data.end(), baseline, baseline + 2), data.end());
}

} // namespace
