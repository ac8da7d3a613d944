// libFuzzer target of the PCX decoder. Besides the sanitizers' checks it
// holds the decoder to its promises: a whole image on success, the target
// untouched otherwise.
#include "styling/core/pcxdecoder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TPcxImage image;
    image.Width = 7;
    image.Height = 3;
    image.Pixels.assign(21, 0x12345678u);
    TPcxStatus status = DecodePcx(data, size, image);
    if (status == TPcxStatus::Ok) {
        if (image.Width < 1 || image.Height < 1 ||
            image.Pixels.size() != size_t(image.Width) * size_t(image.Height))
            std::abort();
        for (uint32_t p : image.Pixels)
            if ((p >> 24) != 0xFF)
                std::abort();
    } else if (image.Width != 7 || image.Height != 3 || image.Pixels.size() != 21 ||
               image.Pixels[20] != 0x12345678u) {
        std::abort();
    }
    return 0;
}
