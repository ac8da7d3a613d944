// libFuzzer target of the PCX decoder. Besides the sanitizers' checks it
// holds the decoder to its promises: a whole opaque image on success, the
// target untouched otherwise.
#include "styling/core/pcxdecoder.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TPcxImage image;
    image.Width = 7;
    image.Height = 3;
    image.Pixels.assign(21, 0x12345678u);
    const bool ok = DecodePcx(data, size, image) == TPcxStatus::Ok;
    const bool whole = image.Width >= 1 && image.Height >= 1 &&
                       image.Pixels.size() == size_t(image.Width) * size_t(image.Height);
    const bool opaque = std::all_of(image.Pixels.begin(), image.Pixels.end(), [](uint32_t p) { return p >> 24 == 0xFF; });
    const bool untouched = image.Width == 7 && image.Height == 3 && image.Pixels == std::vector<uint32_t>(21, 0x12345678u);
    if (ok ? !(whole && opaque) : !untouched)
        std::abort();
    return 0;
}
