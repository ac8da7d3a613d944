#include "framework/jpegdecoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// A baseline JPEG made with libjpeg's own encoder: left half red, right half
// blue, bottom quarter white, so decoded pixels can be checked by region.
std::vector<uint8_t> EncodeTestPicture(int width, int height, int quality = 95)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(size_t(width) * 3);
    while (info.next_scanline < info.image_height) {
        const bool bottom = info.next_scanline >= unsigned(height * 3 / 4);
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &row[size_t(x) * 3];
            if (bottom) {
                p[0] = p[1] = p[2] = 255;
            } else {
                p[0] = x < width / 2 ? 255 : 0;
                p[1] = 0;
                p[2] = x < width / 2 ? 0 : 255;
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    free(buffer);
    return bytes;
}

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
