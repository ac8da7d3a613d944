#include "tools/atlasgen/atlas.h"
#include "tools/atlasgen/pcxwriter.h"
#include "tools/atlasgen/quantizer.h"

std::vector<uint8_t> BuildAtlasPcx(TAtlasId id)
{
    return EncodePcx(Quantize(DrawAtlas(id)));
}
