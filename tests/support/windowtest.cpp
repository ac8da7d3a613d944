#include "tests/support/windowtest.h"

#include "framework/application.h"

TestDib::TestDib(int width, int height) : width_(width), height_(height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    bits_ = static_cast<uint32_t*>(pixels);
    dc_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(dc_, bitmap_);
}

TestDib::~TestDib()
{
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

void TestDib::Fill(COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    RECT r{0, 0, width_, height_};
    FillRect(dc_, &r, brush);
    DeleteObject(brush);
}

void PumpFor(int ms)
{
    DWORD end = GetTickCount() + ms;
    do {
        Application->ProcessMessages();
        Sleep(1);
    } while (GetTickCount() < end);
}
