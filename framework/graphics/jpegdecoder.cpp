#include "framework/graphics/jpegdecoder.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

namespace {

// libjpeg is C: it reports fatal errors through error_exit, which must not
// return. We jump back out of it and raise the exception from C++ frames.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

void FailOut(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    errors->base.format_message(info, errors->message);
    std::longjmp(errors->escape, 1);
}

// Warnings mean corrupt or missing data (a truncated stream among them):
// a picture that is not whole is not accepted.
void FailOnWarning(j_common_ptr info, int level)
{
    if (level < 0)
        FailOut(info);
}

// Everything with a destructor lives outside the setjmp frame.
struct Decompressor {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    ~Decompressor() { jpeg_destroy_decompress(&info); }
};

bool DecodeInto(Decompressor& d, const uint8_t* data, size_t size, TDecodedJpeg& out,
                std::string& reason)
{
    if (setjmp(d.errors.escape)) {
        reason = d.errors.message;
        return false;
    }
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&d.info, TRUE);

    if (d.info.image_width == 0 || d.info.image_height == 0 ||
        d.info.image_width > unsigned(MaxJpegSide) || d.info.image_height > unsigned(MaxJpegSide) ||
        int64_t(d.info.image_width) * d.info.image_height > MaxJpegPixels) {
        reason = "picture too large";
        return false;
    }
    if (d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK) {
        reason = "CMYK pictures are not supported";
        return false;
    }
    d.info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&d.info);

    out.Width = static_cast<int>(d.info.output_width);
    out.Height = static_cast<int>(d.info.output_height);
    out.Pixels.assign(size_t(out.Width) * out.Height, 0);
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row =
            reinterpret_cast<JSAMPROW>(&out.Pixels[size_t(d.info.output_scanline) * out.Width]);
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

} // namespace

TDecodedJpeg DecodeJpeg(const uint8_t* data, size_t size)
{
    if (!data || size == 0)
        throw EJPEGError("Invalid JPEG picture: no data");
    Decompressor d;
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = FailOut;
    d.errors.base.emit_message = FailOnWarning;

    TDecodedJpeg out;
    std::string reason;
    if (!DecodeInto(d, data, size, out, reason))
        throw EJPEGError("Invalid JPEG picture: " + reason);
    return out;
}
