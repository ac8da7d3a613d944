// TSkBackground: the snapshot of the screen behind a form, which blending
// and the shadow paint over and the show animation starts from. When the
// form moves or sizes, only the strips the last snapshot did not cover are
// read from the screen: the screen shows the form itself over the overlap,
// so that part comes from the last snapshot.
#pragma once

#include "styling/core/skbitmap.h"

#include <windows.h>

#include <cstdint>
#include <memory>

class TSkBackground {
public:
    // The picture of rect (in the source's coordinates). Returns how many
    // pixels were read from source: none when rect is the one last taken or
    // empty or there is no source (the snapshot then stays as it was), the
    // whole rect after Clear or when nothing overlaps.
    int64_t Take(HDC source, const RECT& rect);
    // Forgets the last rect: the next Take reads everything.
    void Clear() { rect_ = {}; }

    const TSkBitmap* Bitmap() const { return bitmap_.get(); }
    const RECT& Rect() const { return rect_; }

private:
    std::unique_ptr<TSkBitmap> bitmap_;
    RECT rect_{};
};
