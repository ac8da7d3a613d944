// A 32-bit DIB section selected into a memory DC, for drawing tests that
// read the pixels back directly. Its rows run top down unless asked.
#pragma once

#include <windows.h>

#include <cstdint>

class DibSection {
public:
    DibSection(int width, int height, bool bottomUp = false)
        : width_(width), height_(height), bottomUp_(bottomUp)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = bottomUp ? height : -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* pixels = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
        bits_ = static_cast<uint32_t*>(pixels);
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~DibSection()
    {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    HDC DC() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The pixel as a COLORREF ($00BBGGRR), after pending drawing is done.
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const uint32_t p = bits_[(bottomUp_ ? height_ - 1 - y : y) * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // Every pixel as 0x00RRGGBB in the low bytes, rows in memory order.
    const uint32_t* Bits() const
    {
        GdiFlush();
        return bits_;
    }
    void Fill(COLORREF color)
    {
        GdiFlush();
        const uint32_t p = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
        for (int i = 0; i < width_ * height_; ++i)
            bits_[i] = p;
    }

private:
    int width_, height_;
    bool bottomUp_;
    HBITMAP bitmap_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
};

// GDI objects the process holds now. Known difference: Wine answers 0 from
// GetGuiResources, so there every index of its GDI handle table is asked
// whether an object lives there (in 32 and 64-bit processes alike).
DWORD GdiObjectCount();

// USER objects the process holds now. Under Wine (no GetGuiResources) only
// the process's windows are counted, message-only windows included.
DWORD UserObjectCount();
