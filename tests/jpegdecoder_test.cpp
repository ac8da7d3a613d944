#include "framework/graphics/jpegdecoder.h"
#include "tests/support/jpegmaker.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Channels of a decoded pixel, allowing for JPEG's lossy rounding.
void ExpectNear(uint32_t pixel, int red, int green, int blue)
{
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    EXPECT_NEAR(r, red, 24);
    EXPECT_NEAR(g, green, 24);
    EXPECT_NEAR(b, blue, 24);
    EXPECT_EQ(pixel >> 24, 0xFFu);
}

std::string FailureOf(const std::vector<uint8_t>& bytes)
{
    try {
        DecodeJpeg(bytes.data(), bytes.size());
    } catch (const EJPEGError& e) {
        return e.Message();
    }
    return "";
}

TEST(JpegDecoder, DecodesSizeAndPixels)
{
    const std::vector<uint8_t> bytes = EncodeTestPicture(39, 48);
    const TDecodedJpeg picture = DecodeJpeg(bytes.data(), bytes.size());
    ASSERT_EQ(picture.Width, 39);
    ASSERT_EQ(picture.Height, 48);
    ASSERT_EQ(picture.Pixels.size(), 39u * 48u);
    auto at = [&](int x, int y) { return picture.Pixels[size_t(y) * 39 + x]; };
    ExpectNear(at(4, 4), 255, 0, 0);
    ExpectNear(at(34, 4), 0, 0, 255);
    ExpectNear(at(20, 46), 255, 255, 255);
}

TEST(JpegDecoder, RejectsEmptyAndForeignData)
{
    EXPECT_EQ(FailureOf({}), "Invalid JPEG picture: no data");
    EXPECT_NE(FailureOf({'B', 'M', 0, 0, 0, 0}), "");
    EXPECT_NE(FailureOf(std::vector<uint8_t>(300, 0xFF)), "");
    EXPECT_THROW(DecodeJpeg(nullptr, 10), EJPEGError);
}

TEST(JpegDecoder, EveryTruncationIsRejectedCleanly)
{
    const std::vector<uint8_t> bytes = EncodeTestPicture(39, 48);
    // Cut before the end-of-image marker: no prefix may pass as a picture.
    for (size_t length = 1; length + 2 < bytes.size(); ++length) {
        std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + length);
        const std::string failure = FailureOf(prefix);
        EXPECT_EQ(failure.rfind("Invalid JPEG picture: ", 0), 0u) << "length " << length;
    }
}

TEST(JpegDecoder, CorruptBytesNeverCrash)
{
    const std::vector<uint8_t> bytes = EncodeTestPicture(40, 40, 60);
    srand(1234);
    int rejected = 0;
    for (int round = 0; round < 400; ++round) {
        std::vector<uint8_t> damaged = bytes;
        for (int flips = 0; flips < 4; ++flips)
            damaged[size_t(rand()) % damaged.size()] ^= uint8_t(1 + rand() % 255);
        try {
            const TDecodedJpeg picture = DecodeJpeg(damaged.data(), damaged.size());
            EXPECT_EQ(picture.Pixels.size(), size_t(picture.Width) * picture.Height);
        } catch (const EJPEGError&) {
            ++rejected;
        }
    }
    EXPECT_GT(rejected, 0);
}

TEST(JpegDecoder, HugeDeclaredSizeIsRefusedBeforeAllocating)
{
    std::vector<uint8_t> bytes = EncodeTestPicture(16, 16);
    // The start-of-frame marker holds height and width as big-endian words.
    for (size_t i = 0; i + 9 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            bytes[i + 5] = 0x4E, bytes[i + 6] = 0x20;  // height 20000
            bytes[i + 7] = 0x4E, bytes[i + 8] = 0x20;  // width 20000
            break;
        }
    EXPECT_EQ(FailureOf(bytes), "Invalid JPEG picture: picture too large");
}

} // namespace
