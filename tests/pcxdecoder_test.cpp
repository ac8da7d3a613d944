#include "styling/core/pcxdecoder.h"

#include "tests/support/pcxbuilder.h"

#include <gtest/gtest.h>

namespace {

TPcxStatus Decode(const std::string& bytes, TPcxImage& image, std::string* error = nullptr)
{
    return DecodePcx(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), image, error);
}

} // namespace

TEST(PcxDecoder, RunsRawDataPaddingAndOriginsGoThroughThePalette)
{
    PcxLayout moved;  // a run across both rows, origin off zero
    moved.maker = 0xCD;
    moved.xMin = 10;
    moved.xMax = 11;
    moved.yMin = 3;
    moved.yMax = 4;
    moved.bytesPerLine = 2;
    const std::vector<uint8_t> long70(70, 200);
    const struct {
        const char* what;
        std::string bytes;
        int width, height;
        std::vector<uint8_t> indices;
    } cases[] = {
        {"runs, padded rows", MakePcx(3, 2, {1, 1, 1, 1, 0xC5, 9}, 1, 4), 3, 2, {1, 1, 1, 1, 0xC5, 9}},
        {"raw", MakePcx(2, 2, {0, 255, 128, 7}, 0), 2, 2, {0, 255, 128, 7}},
        {"long runs", MakePcx(70, 1, long70), 70, 1, long70},
        {"moved origin", PcxHeader(moved) + "\xC4\x05" + PcxPalette(), 2, 2, {5, 5, 5, 5}},
        {"run past the end cut", MakePcx(2, 1, {3, 3}).substr(0, 128) + "\xFF\x03" + PcxPalette(),
         2, 1, {3, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TPcxImage image;
        ASSERT_EQ(Decode(c.bytes, image), TPcxStatus::Ok);
        EXPECT_EQ(image.Width, c.width);
        EXPECT_EQ(image.Height, c.height);
        std::vector<uint32_t> colors;
        for (uint8_t i : c.indices)
            colors.push_back(PcxTestColor(i));
        EXPECT_EQ(image.Pixels, colors);
    }
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
