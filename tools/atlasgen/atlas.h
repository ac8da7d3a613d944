// The four theme atlases: the blue and the grey-violet look, each as a main
// sheet (active frame and control pictures) and a second sheet (inactive
// frame, scroll bars, track bars, tabs and headers).
#pragma once

#include <cstdint>
#include <vector>

#include "tools/atlasgen/painter.h"

enum TAtlasId { aiMain, aiMain1, aiMetalMain, aiMetalMain1, aiCount };

const char* AtlasName(TAtlasId id);  // the resource name, also the file name without ".pcx"
TAtlasCanvas DrawAtlas(TAtlasId id);
std::vector<uint8_t> BuildAtlasPcx(TAtlasId id);
