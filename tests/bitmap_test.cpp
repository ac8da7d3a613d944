// TBitmap and TIcon: storage, pixel formats, scan lines, resources, files
// and handles. Drawing them onto a canvas is in canvas_test.cpp.
#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "tests/support/raises.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

HINSTANCE Self()
{
    return GetModuleHandleA(nullptr);
}

// A bitmap of that size, all red.
std::unique_ptr<TBitmap> RedBitmap(int width = 4, int height = 4)
{
    auto bitmap = std::make_unique<TBitmap>(width, height);
    bitmap->Canvas()->Brush()->SetColor(clRed);
    bitmap->Canvas()->FillRect(Rect(0, 0, width, height));
    return bitmap;
}

TEST(Bitmap, IsAThirtyTwoBitSectionResizedKeepingItsPicture)
{
    auto bitmap = RedBitmap();
    int changes = 0;
    bitmap->OnChange = [&](TObject*) { ++changes; };
    bitmap->SetSize(4, 4);  // no change, no notice
    EXPECT_EQ(std::make_tuple(bitmap->PixelFormat(), bitmap->ScanLineSize(), changes), std::make_tuple(pf32bit, 16, 0));
    bitmap->SetSize(6, 2);
    EXPECT_EQ(std::make_tuple(changes, bitmap->Canvas()->Pixels(3, 1), bitmap->Canvas()->Pixels(5, 1)),
              std::make_tuple(1, clRed, clWhite));  // new pixels are white
    bitmap->Canvas()->SetPixels(5, 0, clBlue);  // the canvas follows the new section
    EXPECT_EQ(static_cast<uint32_t*>(bitmap->ScanLine(0))[5] & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(MessageOf<EInvalidGraphic>([&] { bitmap->SetSize(1 << 20, 1 << 20); }),  // four terabytes
              "Cannot create a bitmap of 1048576 x 1048576 pixels");
    EXPECT_EQ(std::make_tuple(bitmap->Width(), bitmap->Height(), bitmap->Canvas()->Pixels(1, 1)),
              std::make_tuple(6, 2, clRed));
    bitmap->SetSize(0, 3);
    EXPECT_TRUE(bitmap->Empty());
}

TEST(Bitmap, ScanLineZeroIsTheTopRowEvenOfABottomUpResource)
{
    TBitmap bitmap(3, 4);
    bitmap.Canvas()->SetPixels(2, 3, clBlue);
    EXPECT_EQ(static_cast<uint32_t*>(bitmap.ScanLine(3))[2] & 0xFFFFFF, 0x0000FFu);  // drawing is flushed first
    EXPECT_EQ(static_cast<uint8_t*>(bitmap.ScanLine(1)) - static_cast<uint8_t*>(bitmap.ScanLine(0)), 12);
    static_cast<uint32_t*>(bitmap.ScanLine(2))[1] = 0x00FF00;
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 2), clLime);
    for (int row : {4, -1})
        EXPECT_THROW(bitmap.ScanLine(row), EInvalidGraphicOperation);
    EXPECT_THROW(TBitmap().ScanLine(0), EInvalidGraphicOperation);

    // Rows top to bottom: red, green, blue (stored bottom-up), the last column white.
    TBitmap stripes;
    stripes.LoadFromResourceName(Self(), "STRIPES");
    EXPECT_EQ(std::make_tuple(stripes.Width(), stripes.Height(), stripes.PixelFormat()), std::make_tuple(4, 3, pf24bit));
    EXPECT_EQ(static_cast<uint8_t*>(stripes.ScanLine(0))[2], 255);  // red of the top row
    EXPECT_EQ(static_cast<uint8_t*>(stripes.ScanLine(2))[0], 255);  // blue of the bottom one
    EXPECT_EQ(std::make_pair(stripes.Canvas()->Pixels(1, 1), stripes.Canvas()->Pixels(3, 2)),
              std::make_pair(clLime, clWhite));
    EXPECT_EQ(MessageOf<EResNotFound>([&] { stripes.LoadFromResourceName(Self(), "NO_SUCH_PICTURE"); }),
              "Resource NO_SUCH_PICTURE not found");
    EXPECT_THROW(stripes.LoadFromResourceID(Self(), 4711), EResNotFound);
    EXPECT_EQ(stripes.Width(), 4);  // left as it was
}

TEST(Bitmap, PixelFormatChangesConvertThePixels)
{
    auto bitmap = RedBitmap(4, 2);
    bitmap->Canvas()->SetPixels(3, 1, clWhite);
    const std::pair<TPixelFormat, int> formats[] = {{pf24bit, 12}, {pf8bit, 4}, {pf16bit, 8}, {pf1bit, 4}};
    for (const auto& [format, stride] : formats) {
        bitmap->SetPixelFormat(format);
        EXPECT_EQ(std::make_pair(bitmap->PixelFormat(), bitmap->ScanLineSize()), std::make_pair(format, stride));
        EXPECT_EQ(bitmap->Canvas()->Pixels(1, 1) == clRed, format != pf1bit) << format;
        EXPECT_EQ(bitmap->Canvas()->Pixels(3, 1), clWhite) << format;
    }
    bitmap->SetPixelFormat(pfDevice);  // kept as 32 bits
    EXPECT_EQ(bitmap->PixelFormat(), pf32bit);
}

TEST(Bitmap, AssignCopiesAndHandlesGoInAndOut)
{
    auto source = RedBitmap(3, 3);
    source->SetTransparentColor(clBlue);
    TBitmap copy;
    copy.Assign(source.get());
    EXPECT_NE(copy.Handle(), source->Handle());
    source->Canvas()->SetPixels(1, 1, clLime);
    EXPECT_EQ(std::make_pair(copy.Canvas()->Pixels(1, 1), copy.TransparentColor()), std::make_pair(clRed, clBlue));
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    TFont font;
    EXPECT_THROW(copy.Assign(&font), EConvertError);

    HBITMAP released = source->ReleaseHandle();
    EXPECT_TRUE(source->Empty());
    copy.SetHandle(released);  // a DIB section is adopted as it is
    EXPECT_EQ(std::make_pair(copy.Handle(), copy.Canvas()->Pixels(1, 1)), std::make_pair(released, clLime));
    HDC screen = GetDC(nullptr);
    HBITMAP ddb = CreateCompatibleBitmap(screen, 3, 2);
    ReleaseDC(nullptr, screen);
    copy.SetHandle(ddb);  // a device bitmap is converted and freed
    EXPECT_EQ(GetObjectType(ddb) + GetObjectType(released), 0u);
    EXPECT_EQ(std::make_pair(copy.Width(), copy.PixelFormat()), std::make_pair(3, pf32bit));
}

TEST(Bitmap, SavesFilesTheSystemLoadsBack)
{
    TempFolder folder;
    auto bitmap = RedBitmap(5, 3);
    bitmap->Canvas()->SetPixels(4, 2, clBlue);
    for (TPixelFormat format : {pf32bit, pf8bit}) {  // paletted ones carry their table
        bitmap->SetPixelFormat(format);
        bitmap->SaveToFile("saved.bmp");
        TBitmap back;
        back.SetHandle(static_cast<HBITMAP>(
            LoadImageA(nullptr, "saved.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
        EXPECT_EQ(std::make_tuple(back.PixelFormat(), back.Canvas()->Pixels(2, 0), back.Canvas()->Pixels(4, 2)),
                  std::make_tuple(format, clRed, clBlue));
    }
    TBitmap().SaveToFile("saved.bmp");
    EXPECT_EQ(ReadFileBytes("saved.bmp").size(), 0u);
}

TEST(Icon, OwnsItsHandleAndKeepsItsSize)
{
    TIcon icon;
    icon.LoadFromResourceName(Self(), "HALFRED", 16);
    const HICON handle = icon.Handle();
    EXPECT_EQ(std::make_pair(icon.Width(), icon.Height()), std::make_pair(16, 16));
    EXPECT_THROW(icon.SetWidth(32), EInvalidGraphicOperation);
    icon.SetWidth(16);  // the same size is no change
    TBitmap bitmap;
    bitmap.Assign(&icon);  // a bitmap takes any graphic by drawing it
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 3), clRed);
    EXPECT_TRUE(icon.ReleaseHandle() == handle && icon.Empty());
    DestroyIcon(handle);
    EXPECT_THROW(icon.LoadFromResourceName(Self(), "NO_SUCH_ICON"), EResNotFound);
}

}  // namespace
