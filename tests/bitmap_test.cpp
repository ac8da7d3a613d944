// TBitmap and TIcon: storage, pixel formats, scan lines, resources and
// drawing onto a canvas.
#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "tests/support/dibsection.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

const COLORREF White = RGB(255, 255, 255);
const COLORREF Red = RGB(255, 0, 0);
const COLORREF Blue = RGB(0, 0, 255);

HINSTANCE Self()
{
    return GetModuleHandleA(nullptr);
}

uint32_t PixelAt(TBitmap& bitmap, int x, int y)
{
    return static_cast<uint32_t*>(bitmap.ScanLine(y))[x] & 0xFFFFFF;
}

TEST(Bitmap, IsAThirtyTwoBitSectionOfTheSizeSet)
{
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Handle(), nullptr);
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };

    bitmap.SetSize(5, 3);
    EXPECT_FALSE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
    EXPECT_EQ(bitmap.HandleType(), bmDIB);
    EXPECT_EQ(bitmap.ScanLineSize(), 20);
    DIBSECTION ds;
    ASSERT_EQ(GetObjectA(bitmap.Handle(), sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBmih.biBitCount, 32);
    EXPECT_EQ(changes, 1);

    bitmap.SetSize(5, 3);
    EXPECT_EQ(changes, 1);
    bitmap.SetSize(0, 3);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(changes, 2);
}

TEST(Bitmap, AnImpossibleSizeRaisesAndKeepsThePicture)
{
    TBitmap bitmap(3, 2);
    bitmap.Canvas()->SetPixels(1, 1, clRed);
    try {
        bitmap.SetSize(1 << 20, 1 << 20);  // four terabytes
        FAIL() << "no exception";
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), "Cannot create a bitmap of 1048576 x 1048576 pixels");
    }
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clRed);
}

TEST(Bitmap, ResizingKeepsThePictureAndPaintsNewPixelsWhite)
{
    TBitmap bitmap(4, 4);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 4, 4));
    bitmap.SetSize(6, 2);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 1), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(5, 1), clWhite);
    bitmap.SetWidth(8);
    EXPECT_EQ(bitmap.Width(), 8);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
    // The canvas follows the new section.
    bitmap.Canvas()->FillRect(Rect(7, 1, 8, 2));
    EXPECT_EQ(PixelAt(bitmap, 7, 1), 0xFF0000u);
}

TEST(Bitmap, ScanLineZeroIsTheTopRow)
{
    TBitmap bitmap(3, 4);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 3, 1));
    bitmap.Canvas()->Brush()->SetColor(clBlue);
    bitmap.Canvas()->FillRect(Rect(0, 3, 3, 4));
    EXPECT_EQ(PixelAt(bitmap, 0, 0), 0xFF0000u);  // drawing is flushed first
    EXPECT_EQ(PixelAt(bitmap, 2, 3), 0x0000FFu);
    EXPECT_EQ(PixelAt(bitmap, 1, 1), 0xFFFFFFu);
    EXPECT_EQ(static_cast<uint8_t*>(bitmap.ScanLine(1)) - static_cast<uint8_t*>(bitmap.ScanLine(0)), 12);

    // Written through the scan line, read through the canvas.
    static_cast<uint32_t*>(bitmap.ScanLine(2))[1] = 0x00FF00;
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 2), clLime);

    EXPECT_THROW(bitmap.ScanLine(4), EInvalidGraphicOperation);
    EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphicOperation);
    TBitmap empty;
    EXPECT_THROW(empty.ScanLine(0), EInvalidGraphicOperation);
}

TEST(Bitmap, LoadsABottomUpResourceAndStillCountsRowsFromTheTop)
{
    TBitmap bitmap;
    bitmap.LoadFromResourceName(Self(), "STRIPES");
    EXPECT_EQ(bitmap.Width(), 4);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
    EXPECT_EQ(bitmap.HandleType(), bmDIB);
    // Rows top to bottom: red, green, blue (stored as blue, green, red),
    // the last column white.
    const auto* top = static_cast<uint8_t*>(bitmap.ScanLine(0));
    EXPECT_EQ(top[0], 0);
    EXPECT_EQ(top[2], 255);
    const auto* bottom = static_cast<uint8_t*>(bitmap.ScanLine(2));
    EXPECT_EQ(bottom[0], 255);
    EXPECT_EQ(bottom[2], 0);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clLime);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 2), clWhite);
}

TEST(Bitmap, AMissingResourceRaisesAndLeavesTheBitmapAsItWas)
{
    TBitmap bitmap(2, 2);
    try {
        bitmap.LoadFromResourceName(Self(), "NO_SUCH_PICTURE");
        FAIL() << "no exception";
    } catch (const EResNotFound& e) {
        EXPECT_STREQ(e.what(), "Resource NO_SUCH_PICTURE not found");
    }
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_THROW(bitmap.LoadFromResourceID(Self(), 4711), EResNotFound);
}

TEST(Bitmap, PixelFormatChangesConvertThePixels)
{
    TBitmap bitmap(4, 2);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 2, 2));

    bitmap.SetPixelFormat(pf24bit);
    EXPECT_EQ(bitmap.ScanLineSize(), 12);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clRed);
    bitmap.SetPixelFormat(pf8bit);
    EXPECT_EQ(bitmap.ScanLineSize(), 4);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 0), clWhite);
    bitmap.SetPixelFormat(pf1bit);
    EXPECT_EQ(bitmap.ScanLineSize(), 4);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 1), clWhite);
    bitmap.SetPixelFormat(pf16bit);
    DIBSECTION ds;
    GetObjectA(bitmap.Handle(), sizeof ds, &ds);
    EXPECT_EQ(ds.dsBmih.biBitCount, 16);
    EXPECT_EQ(bitmap.PixelFormat(), pf16bit);
    bitmap.SetPixelFormat(pfDevice);  // kept as 32 bits
    EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 1), clWhite);
}

TEST(Bitmap, EightBitPixelsIndexTheColourTable)
{
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf8bit);
    std::vector<RGBQUAD> table(256, RGBQUAD{0, 0, 0, 0});
    table[7] = RGBQUAD{0x30, 0x20, 0x10, 0};  // blue, green, red
    bitmap.SetColorTable(table);
    bitmap.SetSize(3, 2);
    static_cast<uint8_t*>(bitmap.ScanLine(1))[2] = 7;
    EXPECT_EQ(bitmap.Canvas()->Pixels(2, 1), static_cast<TColor>(RGB(0x10, 0x20, 0x30)));
    ASSERT_EQ(bitmap.ColorTable().size(), 256u);
    EXPECT_EQ(bitmap.ColorTable()[7].rgbRed, 0x10);

    table[7] = RGBQUAD{0, 0xFF, 0, 0};
    bitmap.SetColorTable(table);
    EXPECT_EQ(bitmap.Canvas()->Pixels(2, 1), clLime);
}

TEST(Bitmap, AssignMakesAnIndependentCopy)
{
    TBitmap source(3, 3);
    source.Canvas()->SetPixels(1, 1, clRed);
    source.SetTransparent(true);
    source.SetTransparentColor(clBlue);
    TBitmap copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.Width(), 3);
    EXPECT_NE(copy.Handle(), source.Handle());
    EXPECT_EQ(copy.Canvas()->Pixels(1, 1), clRed);
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), clBlue);
    source.Canvas()->SetPixels(1, 1, clLime);
    EXPECT_EQ(copy.Canvas()->Pixels(1, 1), clRed);

    TBitmap loaded;
    loaded.LoadFromResourceName(Self(), "STRIPES");
    copy.Assign(&loaded);
    EXPECT_EQ(copy.PixelFormat(), pf24bit);
    EXPECT_EQ(copy.Canvas()->Pixels(0, 2), clBlue);

    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    TFont font;
    EXPECT_THROW(copy.Assign(&font), EConvertError);
}

TEST(Bitmap, HandleCanBeHandedInAndOut)
{
    TBitmap bitmap(2, 2);
    bitmap.Canvas()->SetPixels(0, 0, clRed);
    HBITMAP released = bitmap.ReleaseHandle();
    EXPECT_TRUE(bitmap.Empty());
    ASSERT_NE(GetObjectType(released), 0u);

    bitmap.SetHandle(released);  // a DIB section is adopted as it is
    EXPECT_EQ(bitmap.Handle(), released);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);

    HDC screen = GetDC(nullptr);
    HBITMAP ddb = CreateCompatibleBitmap(screen, 3, 2);
    ReleaseDC(nullptr, screen);
    bitmap.SetHandle(ddb);  // a device bitmap is converted and freed
    EXPECT_EQ(GetObjectType(ddb), 0u);
    EXPECT_EQ(GetObjectType(released), 0u);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
}

TEST(Bitmap, SavesAFileTheSystemLoadsBack)
{
    TempFolder folder;
    TBitmap bitmap(5, 3);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 5, 1));
    bitmap.Canvas()->SetPixels(4, 2, clBlue);
    const std::string path = folder.PathOf("saved.bmp");
    bitmap.SaveToFile(path);

    const std::string bytes = ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 14u + 40u + 5u * 4u * 3u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    uint32_t size = 0;
    std::memcpy(&size, bytes.data() + 2, 4);
    EXPECT_EQ(size, bytes.size());
    // The file's last row is the picture's top one.
    EXPECT_EQ(static_cast<uint8_t>(bytes[14 + 40 + 2 * 20 + 2]), 255);  // red of (0, 0)

    HANDLE loaded = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    ASSERT_NE(loaded, nullptr);
    TBitmap back;
    back.SetHandle(static_cast<HBITMAP>(loaded));
    EXPECT_EQ(back.Width(), 5);
    EXPECT_EQ(back.Canvas()->Pixels(2, 0), clRed);
    EXPECT_EQ(back.Canvas()->Pixels(4, 2), clBlue);
    EXPECT_EQ(back.Canvas()->Pixels(0, 2), clWhite);

    // Paletted pictures carry their colour table.
    bitmap.SetPixelFormat(pf8bit);
    bitmap.SaveToFile(path);
    loaded = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    ASSERT_NE(loaded, nullptr);
    back.SetHandle(static_cast<HBITMAP>(loaded));
    EXPECT_EQ(back.PixelFormat(), pf8bit);
    EXPECT_EQ(back.Canvas()->Pixels(1, 0), clRed);
    EXPECT_EQ(back.Canvas()->Pixels(4, 2), clBlue);

    TBitmap empty;
    empty.SaveToFile(path);
    EXPECT_EQ(ReadFileBytes(path).size(), 0u);
}

class DrawingOnDib : public ::testing::Test {
protected:
    void SetUp() override
    {
        dib.Fill(White);
        canvas.SetHandle(dib.DC());
    }

    DibSection dib{20, 20};
    TCanvas canvas;
};

// A 4 x 4 picture: red with a blue bottom row and a blue dot at (1, 1).
std::unique_ptr<TBitmap> KeyedPicture()
{
    auto bitmap = std::make_unique<TBitmap>(4, 4);
    TCanvas* c = bitmap->Canvas();
    c->Brush()->SetColor(clRed);
    c->FillRect(Rect(0, 0, 4, 4));
    c->Brush()->SetColor(clBlue);
    c->FillRect(Rect(0, 3, 4, 4));
    c->SetPixels(1, 1, clBlue);
    return bitmap;
}

TEST_F(DrawingOnDib, DrawCopiesTheWholePicture)
{
    auto picture = KeyedPicture();
    canvas.Draw(2, 3, picture.get());
    EXPECT_EQ(dib.At(2, 3), Red);
    EXPECT_EQ(dib.At(3, 4), Blue);
    EXPECT_EQ(dib.At(5, 6), Blue);
    EXPECT_EQ(dib.At(6, 6), White);
    EXPECT_EQ(dib.At(1, 3), White);
}

TEST_F(DrawingOnDib, TransparentDrawSkipsTheKeyColour)
{
    auto picture = KeyedPicture();
    picture->SetTransparent(true);
    EXPECT_EQ(picture->TransparentMode(), tmAuto);
    EXPECT_EQ(picture->TransparentColor(), clBlue);  // the bottom-left pixel
    canvas.Draw(0, 0, picture.get());
    EXPECT_EQ(dib.At(0, 0), Red);
    EXPECT_EQ(dib.At(1, 1), White);
    EXPECT_EQ(dib.At(2, 3), White);

    picture->SetTransparentColor(clRed);
    EXPECT_EQ(picture->TransparentMode(), tmFixed);
    canvas.Draw(10, 0, picture.get());
    EXPECT_EQ(dib.At(10, 0), White);
    EXPECT_EQ(dib.At(11, 1), Blue);
    EXPECT_EQ(dib.At(10, 3), Blue);
}

TEST_F(DrawingOnDib, StretchDrawScalesIntoTheRectangle)
{
    auto picture = KeyedPicture();
    canvas.StretchDraw(Rect(0, 0, 16, 16), picture.get());
    EXPECT_EQ(dib.At(0, 0), Red);
    EXPECT_EQ(dib.At(15, 11), Red);
    EXPECT_EQ(dib.At(5, 5), Blue);  // the dot, four times as large
    EXPECT_EQ(dib.At(7, 7), Blue);
    EXPECT_EQ(dib.At(8, 8), Red);
    EXPECT_EQ(dib.At(0, 12), Blue);
    EXPECT_EQ(dib.At(15, 15), Blue);
    EXPECT_EQ(dib.At(16, 16), White);

    TBitmap empty;
    canvas.StretchDraw(Rect(0, 0, 20, 20), &empty);
    canvas.Draw(0, 0, nullptr);
    EXPECT_EQ(dib.At(0, 0), Red);
}

TEST_F(DrawingOnDib, IconDrawsThroughItsMask)
{
    TIcon icon;
    icon.LoadFromResourceName(Self(), "HALFRED", 16);
    EXPECT_EQ(icon.Width(), 16);
    EXPECT_EQ(icon.Height(), 16);
    canvas.Draw(2, 2, &icon);
    EXPECT_EQ(dib.At(4, 8), Red);
    EXPECT_EQ(dib.At(14, 8), White);
    EXPECT_EQ(dib.At(1, 8), White);
}

TEST(Icon, OwnsItsHandleAndKeepsItsSize)
{
    TIcon icon;
    EXPECT_TRUE(icon.Empty());
    icon.LoadFromResourceName(Self(), "HALFRED", 16);
    const HICON handle = icon.Handle();
    ASSERT_NE(handle, nullptr);
    EXPECT_THROW(icon.SetWidth(32), EInvalidGraphicOperation);
    icon.SetWidth(16);  // the same size is no change

    TIcon copy;
    copy.Assign(&icon);
    EXPECT_NE(copy.Handle(), handle);
    EXPECT_EQ(copy.Width(), 16);

    TBitmap bitmap;
    bitmap.Assign(&icon);  // a bitmap takes any graphic by drawing it
    EXPECT_EQ(bitmap.Width(), 16);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 3), clRed);

    HICON released = icon.ReleaseHandle();
    EXPECT_TRUE(icon.Empty());
    EXPECT_EQ(icon.Width(), 0);
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(released, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(released);

    EXPECT_THROW(icon.LoadFromResourceName(Self(), "NO_SUCH_ICON"), EResNotFound);
}

}  // namespace
