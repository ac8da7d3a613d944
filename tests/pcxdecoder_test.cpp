#include "styling/core/pcxdecoder.h"

#include "tests/support/pcxbuilder.h"

#include <gtest/gtest.h>

namespace {

TPcxStatus Decode(const std::string& bytes, TPcxImage& image, std::string* error = nullptr)
{
    return DecodePcx(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), image, error);
}

std::vector<uint32_t> Colors(const std::vector<uint8_t>& indices)
{
    std::vector<uint32_t> out;
    for (uint8_t i : indices)
        out.push_back(PcxTestColor(i));
    return out;
}

} // namespace

TEST(PcxDecoder, RunLengthRowsWithPaddingThroughThePalette)
{
    std::vector<uint8_t> indices{1, 1, 1, 1, 0xC5, 9};
    TPcxImage image;
    ASSERT_EQ(Decode(MakePcx(3, 2, indices, 1, 4), image), TPcxStatus::Ok);
    EXPECT_EQ(image.Width, 3);
    EXPECT_EQ(image.Height, 2);
    EXPECT_EQ(image.Pixels, Colors(indices));
}

TEST(PcxDecoder, RawDataLongRunsRunsAcrossRowsAndOffsetOrigins)
{
    TPcxImage image;
    ASSERT_EQ(Decode(MakePcx(2, 2, {0, 255, 128, 7}, 0), image), TPcxStatus::Ok);
    EXPECT_EQ(image.Pixels, Colors({0, 255, 128, 7}));

    ASSERT_EQ(Decode(MakePcx(70, 1, std::vector<uint8_t>(70, 200)), image), TPcxStatus::Ok);
    EXPECT_EQ(image.Pixels, Colors(std::vector<uint8_t>(70, 200)));

    PcxLayout l;
    l.maker = 0xCD;
    l.xMin = 10;
    l.xMax = 11;
    l.yMin = 3;
    l.yMax = 4;
    l.bytesPerLine = 2;
    ASSERT_EQ(Decode(PcxHeader(l) + "\xC4\x05" + PcxPalette(), image), TPcxStatus::Ok);
    EXPECT_EQ(image.Width, 2);
    EXPECT_EQ(image.Height, 2);
    EXPECT_EQ(image.Pixels, Colors({5, 5, 5, 5}));

    // A run reaching past the picture is cut at its end.
    ASSERT_EQ(Decode(MakePcx(2, 1, {3, 3}).substr(0, 128) + "\xFF\x03" + PcxPalette(), image),
              TPcxStatus::Ok);
    EXPECT_EQ(image.Pixels, Colors({3, 3}));
}

TEST(PcxDecoder, DamagedPicturesAreRefusedAndLeaveTheImageAlone)
{
    for (const NamedPcx& sample : DamagedPcxSamples()) {
        TPcxImage image;
        image.Width = 9;
        image.Pixels.assign(1, 42);
        std::string error;
        EXPECT_EQ(Decode(sample.bytes, image, &error), TPcxStatus::Malformed) << sample.name;
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(image.Width, 9);
        EXPECT_EQ(image.Pixels, std::vector<uint32_t>(1, 42));
    }

    TPcxImage image;
    EXPECT_EQ(Decode("BM" + MakePcx(1, 1, {0}).substr(2), image), TPcxStatus::NotPcx);
    EXPECT_EQ(Decode("", image), TPcxStatus::NotPcx);
    EXPECT_EQ(image.Width, 0);
}
