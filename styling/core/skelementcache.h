// Finished pictures of theme elements. A look's element is drawn from many
// small pieces; drawing the same element at the same size again gives the
// same pixels, so the second and later paints copy a kept picture instead.
// A picture keeps exactly the pixels the element wrote: the ones it leaves
// alone (round corners, the key colour of the atlases) stay untouched.
#pragma once

#include "framework/base/geometry.h"

#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <utility>

class TCanvas;

// Everything that can change an element's pixels, apart from the system's
// colours and metrics (see SkForgetElementPictures).
struct TSkElementKey {
    const std::type_info* look = nullptr;  // the theme's class
    int32_t deltaHue = 0, deltaBrightness = 0, biDiMode = 0;
    uint32_t element = 0;
    std::array<int32_t, 12> params{};  // element arguments; rectangles relative to the element
    std::wstring text;
    // True when the element writes text: the canvas's font then counts.
    bool usesFont = false;
};

// The most pixels and pictures kept; older ones are dropped first.
constexpr size_t SkElementPicturesMaxBytes = 8u << 20;
constexpr size_t SkElementPicturesMaxCount = 2048;

// Paints an element of rect on canvas: from its kept picture when there is
// one, else through paint (which draws it on the canvas it is given). Only
// paint buffers of the library (32-bit TSkBitmap sections with a plain
// mapping) take pictures; anything else is always painted. A picture is
// made the second time a key is asked for, so one-off sizes cost nothing.
template <typename TPaint>
void SkPaintElement(TCanvas* canvas, const TRect& rect, TSkElementKey key, TPaint&& paint);

// Drops every kept picture: after the system's colours or metrics changed.
void SkForgetElementPictures();
// What is kept now: pictures and the bytes of their pixels.
size_t SkElementPictureCount();
size_t SkElementPictureBytes();

namespace skelementcache_detail {
using TPaintThunk = void (*)(void* paint, TCanvas* canvas);
void Paint(TCanvas* canvas, const TRect& rect, TSkElementKey&& key, TPaintThunk thunk,
           void* paint);
}  // namespace skelementcache_detail

template <typename TPaint>
void SkPaintElement(TCanvas* canvas, const TRect& rect, TSkElementKey key, TPaint&& paint)
{
    using TFn = std::remove_cv_t<std::remove_reference_t<TPaint>>;
    TFn& fn = const_cast<TFn&>(paint);
    skelementcache_detail::Paint(
        canvas, rect, std::move(key), [](void* p, TCanvas* c) { (*static_cast<TFn*>(p))(c); }, &fn);
}
