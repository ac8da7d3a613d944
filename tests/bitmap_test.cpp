// TBitmap and TIcon: storage, pixel formats, scan lines, resources, files
// and handles. Drawing them onto a canvas is in canvas_test.cpp.
#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

HINSTANCE Self()
{
    return GetModuleHandleA(nullptr);
}

uint32_t PixelAt(TBitmap& bitmap, int x, int y)
{
    return static_cast<uint32_t*>(bitmap.ScanLine(y))[x] & 0xFFFFFF;
}

TEST(Bitmap, IsAThirtyTwoBitSectionResizedKeepingItsPicture)
{
    TBitmap bitmap;
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };
    bitmap.SetSize(4, 4);
    EXPECT_EQ(std::make_tuple(bitmap.PixelFormat(), bitmap.ScanLineSize(), changes), std::make_tuple(pf32bit, 16, 1));
    bitmap.SetSize(4, 4);  // no change, no notice
    EXPECT_EQ(changes, 1);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 4, 4));
    bitmap.SetSize(6, 2);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 1), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(5, 1), clWhite);  // new pixels are white
    bitmap.Canvas()->FillRect(Rect(5, 0, 6, 1));  // the canvas follows the new section
    EXPECT_EQ(PixelAt(bitmap, 5, 0), 0xFF0000u);
    try {
        bitmap.SetSize(1 << 20, 1 << 20);  // four terabytes
        FAIL() << "no exception";
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), "Cannot create a bitmap of 1048576 x 1048576 pixels");
    }
    EXPECT_EQ(std::make_pair(bitmap.Width(), bitmap.Height()), std::make_pair(6, 2));
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clRed);
    bitmap.SetSize(0, 3);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap, ScanLineZeroIsTheTopRowEvenOfABottomUpResource)
{
    TBitmap bitmap(3, 4);
    bitmap.Canvas()->Brush()->SetColor(clBlue);
    bitmap.Canvas()->FillRect(Rect(0, 3, 3, 4));
    EXPECT_EQ(PixelAt(bitmap, 2, 3), 0x0000FFu);  // drawing is flushed first
    EXPECT_EQ(PixelAt(bitmap, 1, 1), 0xFFFFFFu);
    EXPECT_EQ(static_cast<uint8_t*>(bitmap.ScanLine(1)) - static_cast<uint8_t*>(bitmap.ScanLine(0)), 12);
    static_cast<uint32_t*>(bitmap.ScanLine(2))[1] = 0x00FF00;
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 2), clLime);
    EXPECT_THROW(bitmap.ScanLine(4), EInvalidGraphicOperation);
    EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphicOperation);
    EXPECT_THROW(TBitmap().ScanLine(0), EInvalidGraphicOperation);

    // Rows top to bottom: red, green, blue (stored bottom-up), the last column white.
    TBitmap stripes;
    stripes.LoadFromResourceName(Self(), "STRIPES");
    EXPECT_EQ(std::make_tuple(stripes.Width(), stripes.Height(), stripes.PixelFormat()), std::make_tuple(4, 3, pf24bit));
    EXPECT_EQ(static_cast<uint8_t*>(stripes.ScanLine(0))[2], 255);  // red of the top row
    EXPECT_EQ(static_cast<uint8_t*>(stripes.ScanLine(2))[0], 255);  // blue of the bottom one
    EXPECT_EQ(stripes.Canvas()->Pixels(1, 1), clLime);
    EXPECT_EQ(stripes.Canvas()->Pixels(3, 2), clWhite);
    try {
        stripes.LoadFromResourceName(Self(), "NO_SUCH_PICTURE");
        FAIL() << "no exception";
    } catch (const EResNotFound& e) {
        EXPECT_STREQ(e.what(), "Resource NO_SUCH_PICTURE not found");
    }
    EXPECT_THROW(stripes.LoadFromResourceID(Self(), 4711), EResNotFound);
    EXPECT_EQ(stripes.Width(), 4);  // left as it was
}

TEST(Bitmap, PixelFormatChangesConvertThePixels)
{
    TBitmap bitmap(4, 2);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 2, 2));
    const std::pair<TPixelFormat, int> formats[] = {{pf24bit, 12}, {pf8bit, 4}, {pf16bit, 8}, {pf1bit, 4}};
    for (const auto& [format, stride] : formats) {
        SCOPED_TRACE(format);
        bitmap.SetPixelFormat(format);
        EXPECT_EQ(bitmap.PixelFormat(), format);
        EXPECT_EQ(bitmap.ScanLineSize(), stride);
        if (format != pf1bit)
            EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clRed);
        EXPECT_EQ(bitmap.Canvas()->Pixels(3, 1), clWhite);
    }
    bitmap.SetPixelFormat(pfDevice);  // kept as 32 bits
    EXPECT_EQ(bitmap.PixelFormat(), pf32bit);

    // Eight-bit pixels index the colour table.
    TBitmap indexed;
    indexed.SetPixelFormat(pf8bit);
    std::vector<RGBQUAD> table(256, RGBQUAD{0, 0, 0, 0});
    table[7] = RGBQUAD{0x30, 0x20, 0x10, 0};  // blue, green, red
    indexed.SetColorTable(table);
    indexed.SetSize(3, 2);
    static_cast<uint8_t*>(indexed.ScanLine(1))[2] = 7;
    EXPECT_EQ(indexed.Canvas()->Pixels(2, 1), static_cast<TColor>(RGB(0x10, 0x20, 0x30)));
    table[7] = RGBQUAD{0, 0xFF, 0, 0};
    indexed.SetColorTable(table);
    EXPECT_EQ(indexed.Canvas()->Pixels(2, 1), clLime);
}

TEST(Bitmap, AssignCopiesAndHandlesGoInAndOut)
{
    TBitmap source(3, 3);
    source.Canvas()->SetPixels(1, 1, clRed);
    source.SetTransparentColor(clBlue);
    TBitmap copy;
    copy.Assign(&source);
    EXPECT_NE(copy.Handle(), source.Handle());
    EXPECT_EQ(copy.TransparentColor(), clBlue);
    source.Canvas()->SetPixels(1, 1, clLime);
    EXPECT_EQ(copy.Canvas()->Pixels(1, 1), clRed);  // independent
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    TFont font;
    EXPECT_THROW(copy.Assign(&font), EConvertError);

    HBITMAP released = source.ReleaseHandle();
    EXPECT_TRUE(source.Empty());
    copy.SetHandle(released);  // a DIB section is adopted as it is
    EXPECT_EQ(copy.Handle(), released);
    EXPECT_EQ(copy.Canvas()->Pixels(1, 1), clLime);
    HDC screen = GetDC(nullptr);
    HBITMAP ddb = CreateCompatibleBitmap(screen, 3, 2);
    ReleaseDC(nullptr, screen);
    copy.SetHandle(ddb);  // a device bitmap is converted and freed
    EXPECT_EQ(GetObjectType(ddb), 0u);
    EXPECT_EQ(GetObjectType(released), 0u);
    EXPECT_EQ(std::make_pair(copy.Width(), copy.PixelFormat()), std::make_pair(3, pf32bit));
}

TEST(Bitmap, SavesFilesTheSystemLoadsBack)
{
    TempFolder folder;
    TBitmap bitmap(5, 3);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 5, 1));
    bitmap.Canvas()->SetPixels(4, 2, clBlue);
    const std::string path = folder.PathOf("saved.bmp");
    for (TPixelFormat format : {pf32bit, pf8bit}) {  // paletted ones carry their table
        SCOPED_TRACE(format);
        bitmap.SetPixelFormat(format);
        bitmap.SaveToFile(path);
        const std::string bytes = ReadFileBytes(path);
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        EXPECT_EQ(bytes.size(), uint8_t(bytes[2]) | uint8_t(bytes[3]) << 8);
        TBitmap back;
        back.SetHandle(static_cast<HBITMAP>(
            LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
        EXPECT_EQ(back.PixelFormat(), format);
        EXPECT_EQ(back.Canvas()->Pixels(2, 0), clRed);  // the file's last row is the top one
        EXPECT_EQ(back.Canvas()->Pixels(4, 2), clBlue);
        EXPECT_EQ(back.Canvas()->Pixels(0, 2), clWhite);
    }
    TBitmap().SaveToFile(path);
    EXPECT_EQ(ReadFileBytes(path).size(), 0u);
}

TEST(Icon, OwnsItsHandleAndKeepsItsSize)
{
    TIcon icon;
    EXPECT_TRUE(icon.Empty());
    icon.LoadFromResourceName(Self(), "HALFRED", 16);
    const HICON handle = icon.Handle();
    EXPECT_EQ(std::make_pair(icon.Width(), icon.Height()), std::make_pair(16, 16));
    EXPECT_THROW(icon.SetWidth(32), EInvalidGraphicOperation);
    icon.SetWidth(16);  // the same size is no change

    TIcon copy;
    copy.Assign(&icon);
    EXPECT_NE(copy.Handle(), handle);
    TBitmap bitmap;
    bitmap.Assign(&icon);  // a bitmap takes any graphic by drawing it
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 3), clRed);

    HICON released = icon.ReleaseHandle();
    EXPECT_EQ(icon.Width(), 0);
    EXPECT_EQ(released, handle);
    DestroyIcon(released);
    EXPECT_THROW(icon.LoadFromResourceName(Self(), "NO_SUCH_ICON"), EResNotFound);
}

}  // namespace
