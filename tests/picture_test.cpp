// What the picture control's tests leave out: a failed load keeps the
// picture, change notices, and the picture data rejected.
#include "framework/graphics/jpegdecoder.h"
#include "framework/graphics/jpegimage.h"
#include "framework/graphics/picture.h"
#include "framework/graphics/picturedata.h"
#include "tests/support/jpegmaker.h"

#include <gtest/gtest.h>

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

} // namespace
