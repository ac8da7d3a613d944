// TFont, TPen and TBrush: the rules between their attributes, change
// notices, and the shared GDI object behind each.
#include "framework/graphics/bitmap.h"
#include "framework/graphics/graphicsobjects.h"

#include <gtest/gtest.h>

namespace {

TEST(Font, SizeAndHeightConvertThroughPixelsPerInch)
{
    // Pixels per inch, size set, height expected; or height set, size expected.
    const struct {
        int ppi;
        bool setSize;
        int value, expected;
    } cases[] = {
        {96, true, 8, -11},  {96, true, 10, -13},   // 10 * 96 / 72 = 13.3
        {96, true, 12, -16}, {96, false, -15, 11},  // 15 * 72 / 96 = 11.25
        {96, false, 20, -15},                       // a cell height reads as a positive size too
        {120, true, 9, -15},
    };
    for (const auto& c : cases) {
        TFont font;
        font.SetPixelsPerInch(c.ppi);
        font.SetPixelsPerInch(0);  // ignored
        if (c.setSize)
            font.SetSize(c.value);
        else
            font.SetHeight(c.value);
        EXPECT_EQ(c.setSize ? font.Height() : font.Size(), c.expected) << c.ppi << " " << c.value;
    }
}

TEST(Font, OnChangeFiresOnlyForRealChangesAndAssignIsOne)
{
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject* sender) { changes += sender == &font; };
    font.SetName("MS Sans Serif");  // the defaults again
    font.SetHeight(-11);
    font.SetColor(clWindowText);
    font.SetStyle(TFontStyles{});
    EXPECT_EQ(changes, 0);
    font.SetName("Arial");
    font.SetSize(14);
    font.SetStyle(TFontStyles{fsStrikeOut});
    font.SetColor(clRed);
    font.SetCharset(GREEK_CHARSET);
    font.SetPitch(fpFixed);
    EXPECT_EQ(changes, 6);
    font.SetName("");  // no name is no font: kept
    EXPECT_EQ(font.Name(), "Arial");

    TFont copy;
    changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(&font);
    copy.Assign(&font);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(std::make_tuple(copy.Name(), copy.Height(), copy.Style(), copy.Color(), copy.Charset(), copy.Pitch()),
              std::make_tuple(font.Name(), -19, TFontStyles{fsStrikeOut}, clRed, GREEK_CHARSET, fpFixed));
    TPen pen;
    try {
        copy.Assign(&pen);
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TPen to a TFont");
    }
}

TEST(Font, HandleIsCachedUntilAnAttributeOfTheGdiFontChanges)
{
    TFont font;
    font.SetHeight(-37);  // a font no other test holds
    const HFONT first = font.Handle();
    font.SetColor(clRed);  // colour is not part of the GDI font
    EXPECT_EQ(font.Handle(), first);
    font.SetStyle(TFontStyles{fsBold, fsUnderline});
    EXPECT_EQ(GetObjectType(first), 0u);  // the old one is gone
    LOGFONTA lf = {};
    GetObjectA(font.Handle(), sizeof lf, &lf);
    EXPECT_EQ(std::make_tuple(lf.lfWeight, lf.lfUnderline, lf.lfItalic, lf.lfHeight, std::string(lf.lfFaceName)),
              std::make_tuple(LONG(FW_BOLD), BYTE(1), BYTE(0), LONG(-37), std::string("MS Sans Serif")));

    // A foreign handle lends its attributes; the caller keeps it.
    lf.lfHeight = -20;
    lf.lfItalic = TRUE;
    lf.lfUnderline = FALSE;
    lf.lfCharSet = RUSSIAN_CHARSET;
    lf.lfPitchAndFamily = FIXED_PITCH;
    strcpy(lf.lfFaceName, "Courier New");
    HFONT foreign = CreateFontIndirectA(&lf);
    font.SetHandle(foreign);
    EXPECT_EQ(std::make_tuple(font.Name(), font.Height(), font.Style(), font.Charset(), font.Pitch()),
              std::make_tuple(std::string("Courier New"), -20, TFontStyles{fsBold, fsItalic},
                              TFontCharset(RUSSIAN_CHARSET), fpFixed));
    EXPECT_NE(font.Handle(), foreign);
    EXPECT_NE(GetObjectType(foreign), 0u);
    DeleteObject(foreign);
    EXPECT_THROW(font.SetHandle(nullptr), EInvalidGraphic);
}

TEST(GraphicsObject, EqualToolsShareOneGdiObjectUntilTheLastLetsGo)
{
    const int before = TGraphicsObject::SharedHandleCount();
    auto a = std::make_unique<TFont>(), b = std::make_unique<TFont>();
    for (TFont* f : {a.get(), b.get()}) {
        f->SetName("Arial");
        f->SetHeight(-29);
    }
    const HFONT shared = a->Handle();
    EXPECT_EQ(b->Handle(), shared);
    EXPECT_EQ(TGraphicsObject::SharedHandleCount(), before + 1);
    b->SetStyle(TFontStyles{fsItalic});
    EXPECT_NE(b->Handle(), shared);
    EXPECT_NE(GetObjectType(shared), 0u);  // a still uses it
    a.reset();
    EXPECT_EQ(GetObjectType(shared), 0u);
    b.reset();
    EXPECT_EQ(TGraphicsObject::SharedHandleCount(), before);

    TBrush clear1, clear2;
    clear1.SetStyle(bsClear);
    clear2.SetColor(clRed);
    clear2.SetStyle(bsClear);  // the colour of a clear brush does not matter
    EXPECT_EQ(clear1.Handle(), clear2.Handle());
}

TEST(PenAndBrush, AttributesMakeTheGdiObject)
{
    TPen pen;
    pen.SetColor(clRed);
    pen.SetWidth(3);
    LOGPEN lp = {};
    GetObjectA(pen.Handle(), sizeof lp, &lp);
    EXPECT_EQ(std::make_tuple(lp.lopnColor, lp.lopnWidth.x, lp.lopnStyle), std::make_tuple(RGB(255, 0, 0), 3L, UINT(PS_SOLID)));
    pen.SetStyle(psClear);
    GetObjectA(pen.Handle(), sizeof lp, &lp);
    EXPECT_EQ(lp.lopnStyle, UINT(PS_NULL));
    pen.SetWidth(0);
    EXPECT_EQ(pen.Width(), 1);
    // The mode is the context's, not the pen's: it notifies but keeps the handle.
    int changes = 0;
    pen.OnChange = [&](TObject*) { ++changes; };
    const HPEN handle = pen.Handle();
    pen.SetMode(pmXor);
    pen.SetMode(pmXor);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(pen.Handle(), handle);
    EXPECT_EQ(PenModeToRop2(pmNotXor), R2_NOTXORPEN);

    TBrush brush;
    const std::tuple<TBrushStyle, UINT, ULONG_PTR> styles[] = {
        {bsSolid, BS_SOLID, 0}, {bsDiagCross, BS_HATCHED, HS_DIAGCROSS}, {bsClear, BS_NULL, 0}};
    for (const auto& [style, gdiStyle, hatch] : styles) {
        brush.SetStyle(style);
        LOGBRUSH lb = {};
        GetObjectA(brush.Handle(), sizeof lb, &lb);
        EXPECT_EQ(lb.lbStyle, gdiStyle);
        if (gdiStyle == BS_HATCHED)
            EXPECT_EQ(lb.lbHatch, hatch);
    }
    brush.SetColor(clRed);  // a colour makes a clear brush solid again
    EXPECT_EQ(brush.Style(), bsSolid);

    // A pattern brush keeps its own copy of the bitmap, and so does a copy of it.
    TBitmap pattern(8, 8);
    brush.SetBitmap(&pattern);
    ASSERT_NE(brush.Bitmap(), nullptr);
    EXPECT_NE(brush.Bitmap(), &pattern);
    TBrush copy;
    copy.Assign(&brush);
    ASSERT_NE(copy.Bitmap(), nullptr);
    EXPECT_NE(copy.Bitmap(), brush.Bitmap());
    LOGBRUSH lb = {};
    GetObjectA(copy.Handle(), sizeof lb, &lb);
    EXPECT_EQ(lb.lbStyle, UINT(BS_PATTERN));
}

}  // namespace
