// The JPEG decoder: pixels by region, and damaged or hostile data refused
// cleanly with the reason.
#include "framework/graphics/jpegdecoder.h"
#include "tests/support/jpegmaker.h"
#include "tests/support/raises.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::string FailureOf(const std::vector<uint8_t>& bytes)
{
    return MessageOf<EJPEGError>([&] { DecodeJpeg(bytes.data(), bytes.size()); });
}

TEST(JpegDecoder, DecodesSizeAndOpaquePixels)
{
    const std::vector<uint8_t> bytes = EncodeTestPicture(39, 48);
    const TDecodedJpeg picture = DecodeJpeg(bytes.data(), bytes.size());
    ASSERT_EQ(std::make_tuple(picture.Width, picture.Height, picture.Pixels.size()), std::make_tuple(39, 48, size_t(39 * 48)));
    // Red at the top left, blue at the top right, allowing for lossy rounding.
    EXPECT_EQ(std::make_pair(picture.Pixels[4 * 39 + 4] & 0xFFC0C0C0u, picture.Pixels[4 * 39 + 34] & 0xFFC0C0C0u),
              std::make_pair(0xFFC00000u, 0xFF0000C0u));
}

TEST(JpegDecoder, RejectsForeignTruncatedAndHugePicturesCleanly)
{
    EXPECT_EQ(FailureOf({}), "Invalid JPEG picture: no data");
    EXPECT_NE(FailureOf({'B', 'M', 0, 0, 0, 0}), "");
    EXPECT_NE(FailureOf(std::vector<uint8_t>(300, 0xFF)), "");
    EXPECT_THROW(DecodeJpeg(nullptr, 10), EJPEGError);
    std::vector<uint8_t> bytes = EncodeTestPicture(39, 48);
    // Cut before the end-of-image marker: no prefix may pass as a picture.
    for (size_t length = 1; length + 2 < bytes.size(); ++length)
        EXPECT_EQ(FailureOf({bytes.begin(), bytes.begin() + long(length)}).rfind("Invalid JPEG picture: ", 0), 0u)
            << "length " << length;
    // The start-of-frame marker holds height and width as big-endian words.
    for (size_t i = 0; i + 9 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            bytes[i + 5] = bytes[i + 7] = 0x4E;  // 20000 x 20000
            bytes[i + 6] = bytes[i + 8] = 0x20;
            break;
        }
    EXPECT_EQ(FailureOf(bytes), "Invalid JPEG picture: picture too large");
}

TEST(JpegDecoder, CorruptBytesNeverCrash)
{
    const std::vector<uint8_t> bytes = EncodeTestPicture(40, 40, 60);
    srand(1234);
    for (int round = 0; round < 400; ++round) {
        std::vector<uint8_t> damaged = bytes;
        for (int flips = 0; flips < 4; ++flips)
            damaged[size_t(rand()) % damaged.size()] ^= uint8_t(1 + rand() % 255);
        const std::string failure = FailureOf(damaged);  // none, or one with a reason
        EXPECT_TRUE(failure.empty() || failure.rfind("Invalid JPEG picture: ", 0) == 0) << failure;
    }
}

} // namespace
