// TFont, TPen and TBrush: attributes, change notification and the cached
// GDI object behind each.
#include "framework/graphics/bitmap.h"
#include "framework/graphics/graphicsobjects.h"

#include <gtest/gtest.h>

namespace {

LOGFONTA FontOf(HFONT font)
{
    LOGFONTA lf = {};
    GetObjectA(font, sizeof lf, &lf);
    return lf;
}

TEST(Font, StartsAsTheFrameworkDefault)
{
    TFont font;
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(font.Pitch(), fpDefault);
    EXPECT_TRUE(font.Style().Empty());
    EXPECT_EQ(font.PixelsPerInch(), 96);
}

TEST(Font, SizeAndHeightConvertThroughPixelsPerInch)
{
    TFont font;
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13);  // 10 * 96 / 72 = 13.3
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    font.SetHeight(-15);
    EXPECT_EQ(font.Size(), 11);  // 15 * 72 / 96 = 11.25
    font.SetHeight(20);          // a cell height reads as a positive size too
    EXPECT_EQ(font.Size(), -15);

    font.SetPixelsPerInch(120);
    font.SetSize(9);
    EXPECT_EQ(font.Height(), -15);
    font.SetPixelsPerInch(0);  // ignored
    EXPECT_EQ(font.PixelsPerInch(), 120);
}

TEST(Font, OnChangeFiresOnlyForRealChanges)
{
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &font);
        ++changes;
    };
    font.SetName("MS Sans Serif");
    font.SetHeight(-11);
    font.SetSize(8);
    font.SetColor(clWindowText);
    font.SetStyle(TFontStyles{});
    EXPECT_EQ(changes, 0);

    font.SetName("Arial");
    font.SetSize(14);
    font.SetStyle(TFontStyles{fsBold, fsItalic});
    font.SetColor(clRed);
    font.SetCharset(EASTEUROPE_CHARSET);
    font.SetPitch(fpFixed);
    EXPECT_EQ(changes, 6);

    font.SetName("");  // no name is no font: kept
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(changes, 6);
}

TEST(Font, HandleIsCachedUntilAnAttributeOfTheGdiFontChanges)
{
    TFont font;
    font.SetHeight(-37);  // a font no other test holds
    EXPECT_FALSE(font.HandleAllocated());
    const HFONT first = font.Handle();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(font.Handle(), first);

    font.SetColor(clRed);  // colour is not part of the GDI font
    EXPECT_EQ(font.Handle(), first);

    font.SetStyle(TFontStyles{fsBold, fsUnderline});
    EXPECT_EQ(GetObjectType(first), 0u);  // the old one is gone
    const LOGFONTA lf = FontOf(font.Handle());
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_FALSE(lf.lfItalic);
    EXPECT_EQ(lf.lfHeight, -37);
    EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
}

TEST(GraphicsObject, EqualToolsShareOneGdiObjectUntilTheLastLetsGo)
{
    const int before = TGraphicsObject::SharedHandleCount();
    auto a = std::make_unique<TFont>();
    auto b = std::make_unique<TFont>();
    a->SetName("Arial");
    b->SetName("Arial");
    a->SetHeight(-29);
    b->SetHeight(-29);
    const HFONT shared = a->Handle();
    EXPECT_EQ(b->Handle(), shared);
    EXPECT_EQ(TGraphicsObject::SharedHandleCount(), before + 1);

    b->SetStyle(TFontStyles{fsItalic});
    EXPECT_NE(b->Handle(), shared);
    EXPECT_NE(GetObjectType(shared), 0u);  // a still uses it
    EXPECT_EQ(TGraphicsObject::SharedHandleCount(), before + 2);

    a.reset();
    EXPECT_EQ(GetObjectType(shared), 0u);
    b.reset();
    EXPECT_EQ(TGraphicsObject::SharedHandleCount(), before);

    TPen red1, red2, blue;
    red1.SetColor(clRed);
    red2.SetColor(clRed);
    blue.SetColor(clBlue);
    EXPECT_EQ(red1.Handle(), red2.Handle());
    EXPECT_NE(red1.Handle(), blue.Handle());
    TBrush clear1, clear2;
    clear1.SetStyle(bsClear);
    clear2.SetColor(clRed);
    clear2.SetStyle(bsClear);  // the colour of a clear brush does not matter
    EXPECT_EQ(clear1.Handle(), clear2.Handle());
}

TEST(Font, TakesItsAttributesFromAForeignHandle)
{
    LOGFONTA lf = {};
    lf.lfHeight = -20;
    lf.lfWeight = FW_BOLD;
    lf.lfItalic = TRUE;
    lf.lfCharSet = RUSSIAN_CHARSET;
    lf.lfPitchAndFamily = FIXED_PITCH;
    strcpy(lf.lfFaceName, "Courier New");
    HFONT foreign = CreateFontIndirectA(&lf);

    TFont font;
    font.SetHandle(foreign);
    EXPECT_EQ(font.Name(), "Courier New");
    EXPECT_EQ(font.Height(), -20);
    EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(font.Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(font.Pitch(), fpFixed);
    EXPECT_NE(font.Handle(), foreign);  // the caller keeps its own
    EXPECT_NE(GetObjectType(foreign), 0u);
    DeleteObject(foreign);

    EXPECT_THROW(font.SetHandle(nullptr), EInvalidGraphic);
}

TEST(Font, AssignCopiesEverythingAndRefusesOtherKinds)
{
    TFont source;
    source.SetName("Arial");
    source.SetSize(12);
    source.SetStyle(TFontStyles{fsStrikeOut});
    source.SetColor(clBlue);
    source.SetCharset(GREEK_CHARSET);

    TFont copy;
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(copy.Name(), "Arial");
    EXPECT_EQ(copy.Height(), -16);
    EXPECT_EQ(copy.Style(), TFontStyles{fsStrikeOut});
    EXPECT_EQ(copy.Color(), clBlue);
    EXPECT_EQ(copy.Charset(), GREEK_CHARSET);
    copy.Assign(&source);
    EXPECT_EQ(changes, 1);

    TPen pen;
    try {
        copy.Assign(&pen);
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TPen to a TFont");
    }
}

TEST(Pen, BuildsTheGdiPenFromItsAttributes)
{
    TPen pen;
    EXPECT_EQ(pen.Color(), clBlack);
    EXPECT_EQ(pen.Width(), 1);
    EXPECT_EQ(pen.Style(), psSolid);
    EXPECT_EQ(pen.Mode(), pmCopy);

    pen.SetColor(clRed);
    pen.SetWidth(3);
    LOGPEN lp = {};
    GetObjectA(pen.Handle(), sizeof lp, &lp);
    EXPECT_EQ(lp.lopnColor, RGB(255, 0, 0));
    EXPECT_EQ(lp.lopnWidth.x, 3);
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_SOLID));

    pen.SetStyle(psClear);
    GetObjectA(pen.Handle(), sizeof lp, &lp);
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_NULL));

    pen.SetWidth(0);
    EXPECT_EQ(pen.Width(), 1);
}

TEST(Pen, ModeChangesNotifyButKeepTheHandle)
{
    TPen pen;
    int changes = 0;
    pen.OnChange = [&](TObject*) { ++changes; };
    const HPEN handle = pen.Handle();
    pen.SetMode(pmXor);
    pen.SetMode(pmXor);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(pen.Handle(), handle);
    EXPECT_EQ(PenModeToRop2(pmXor), R2_XORPEN);
    EXPECT_EQ(PenModeToRop2(pmBlack), R2_BLACK);
    EXPECT_EQ(PenModeToRop2(pmNotXor), R2_NOTXORPEN);

    TPen copy;
    copy.Assign(&pen);
    EXPECT_EQ(copy.Mode(), pmXor);
}

TEST(Brush, StyleAndColourMakeTheGdiBrush)
{
    TBrush brush;
    EXPECT_EQ(brush.Color(), clWhite);
    EXPECT_EQ(brush.Style(), bsSolid);
    LOGBRUSH lb = {};
    GetObjectA(brush.Handle(), sizeof lb, &lb);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(lb.lbColor, RGB(255, 255, 255));

    brush.SetStyle(bsDiagCross);
    brush.SetColor(clNavy);
    GetObjectA(brush.Handle(), sizeof lb, &lb);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_HATCHED));
    EXPECT_EQ(lb.lbHatch, static_cast<ULONG_PTR>(HS_DIAGCROSS));

    brush.SetStyle(bsClear);
    GetObjectA(brush.Handle(), sizeof lb, &lb);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_NULL));
    brush.SetColor(clRed);  // a colour makes a clear brush solid again
    EXPECT_EQ(brush.Style(), bsSolid);
}

TEST(Brush, AssignCopiesThePattern)
{
    TBitmap pattern(8, 8);
    TBrush brush;
    int changes = 0;
    brush.OnChange = [&](TObject*) { ++changes; };
    brush.SetBitmap(&pattern);
    ASSERT_NE(brush.Bitmap(), nullptr);
    EXPECT_NE(brush.Bitmap(), &pattern);
    EXPECT_EQ(brush.Bitmap()->Width(), 8);
    EXPECT_EQ(changes, 1);

    TBrush copy;
    copy.Assign(&brush);
    ASSERT_NE(copy.Bitmap(), nullptr);
    EXPECT_NE(copy.Bitmap(), brush.Bitmap());
    LOGBRUSH lb = {};
    GetObjectA(copy.Handle(), sizeof lb, &lb);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_PATTERN));

    brush.SetBitmap(nullptr);
    EXPECT_EQ(brush.Bitmap(), nullptr);
    EXPECT_EQ(changes, 2);
}

}  // namespace
