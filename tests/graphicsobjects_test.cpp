// TFont, TPen and TBrush: the rules between their attributes, change
// notices, and the shared GDI object behind each.
#include "framework/graphics/bitmap.h"
#include "framework/graphics/graphicsobjects.h"
#include "tests/support/raises.h"

#include <gtest/gtest.h>

namespace {

TEST(Font, SizeAndHeightConvertThroughPixelsPerInch)
{
    // Pixels per inch, the size or (size 0) height set, and both as read back.
    const std::tuple<int, int, int, int, int> cases[] = {
        {96, 10, 0, 10, -13},   // 10 * 96 / 72 = 13.3
        {96, 0, -15, 11, -15},  // 15 * 72 / 96 = 11.25
        {96, 0, 20, -15, 20},   // a cell height reads as a positive size too
        {120, 9, 0, 9, -15},
    };
    for (const auto& [ppi, setSize, setHeight, size, height] : cases) {
        TFont font;
        font.SetPixelsPerInch(ppi);
        font.SetPixelsPerInch(0);  // ignored
        setSize ? font.SetSize(setSize) : font.SetHeight(setHeight);
        EXPECT_EQ(std::make_pair(font.Size(), font.Height()), std::make_pair(size, height)) << ppi;
    }
}

TEST(Font, ChangesNotifyOnlyWhenRealAndAssignCopiesAllAtOnce)
{
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject* sender) { changes += sender == &font; };
    font.SetName("MS Sans Serif");  // the defaults again
    font.SetHeight(-11);
    font.SetColor(clWindowText);
    font.SetStyle(TFontStyles{});
    font.SetName("");  // no name is no font: kept
    EXPECT_EQ(changes, 0);
    font.SetName("Arial");
    font.SetSize(14);
    font.SetStyle(TFontStyles{fsStrikeOut});
    font.SetColor(clRed);
    font.SetCharset(GREEK_CHARSET);
    font.SetPitch(fpFixed);
    EXPECT_EQ(changes, 6);

    TFont copy;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(&font);
    copy.Assign(&font);
    EXPECT_EQ(changes, 7);
    EXPECT_EQ(std::make_tuple(copy.Name(), copy.Height(), copy.Style(), copy.Color(), copy.Charset(), copy.Pitch()),
              std::make_tuple(std::string("Arial"), -19, TFontStyles{fsStrikeOut}, clRed, GREEK_CHARSET, fpFixed));
    EXPECT_EQ(MessageOf<EConvertError>([&] { copy.Assign(std::make_unique<TPen>().get()); }),
              "Cannot assign a TPen to a TFont");
}

TEST(GraphicsObject, EqualToolsShareOneGdiObjectRemadeOnlyWhenItsAttributesChange)
{
    const int before = TGraphicsObject::SharedHandleCount();
    auto a = std::make_unique<TFont>(), b = std::make_unique<TFont>();
    for (TFont* f : {a.get(), b.get()})
        f->SetHeight(-29);  // a font no other test holds
    const HFONT shared = a->Handle();
    EXPECT_EQ(b->Handle(), shared);
    EXPECT_EQ(TGraphicsObject::SharedHandleCount(), before + 1);
    b->SetColor(clRed);  // colour is not part of the GDI font
    EXPECT_EQ(b->Handle(), shared);
    b->SetStyle(TFontStyles{fsBold, fsUnderline});
    LOGFONTA lf = {};
    GetObjectA(b->Handle(), sizeof lf, &lf);
    EXPECT_EQ(std::make_tuple(lf.lfWeight, lf.lfUnderline, lf.lfItalic, lf.lfHeight, std::string(lf.lfFaceName)),
              std::make_tuple(LONG(FW_BOLD), BYTE(1), BYTE(0), LONG(-29), std::string("MS Sans Serif")));
    a.reset();  // the last user of the shared one
    EXPECT_EQ(GetObjectType(shared), 0u);
    b.reset();
    EXPECT_EQ(TGraphicsObject::SharedHandleCount(), before);

    // A foreign font lends its attributes; its owner keeps it.
    lf.lfItalic = TRUE;
    HFONT foreign = CreateFontIndirectA(&lf);
    TFont font;
    font.SetHandle(foreign);
    EXPECT_EQ(std::make_tuple(font.Height(), font.Style()), std::make_tuple(-29, TFontStyles{fsBold, fsItalic, fsUnderline}));
    EXPECT_TRUE(font.Handle() != foreign && DeleteObject(foreign));
    EXPECT_THROW(font.SetHandle(nullptr), EInvalidGraphic);
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
    pen.SetWidth(0);  // taken as 1
    GetObjectA(pen.Handle(), sizeof lp, &lp);
    EXPECT_EQ(std::make_pair(lp.lopnStyle, pen.Width()), std::make_pair(UINT(PS_NULL), 1));
    // The mode is the context's, not the pen's: it notifies but keeps the handle.
    int changes = 0;
    pen.OnChange = [&](TObject*) { ++changes; };
    const HPEN handle = pen.Handle();
    pen.SetMode(pmXor);
    pen.SetMode(pmXor);
    EXPECT_EQ(std::make_pair(changes, pen.Handle()), std::make_pair(1, handle));

    TBrush brush;
    LOGBRUSH lb = {};
    brush.SetStyle(bsDiagCross);
    GetObjectA(brush.Handle(), sizeof lb, &lb);
    EXPECT_EQ(std::make_pair(lb.lbStyle, lb.lbHatch), std::make_pair(UINT(BS_HATCHED), ULONG_PTR(HS_DIAGCROSS)));
    brush.SetStyle(bsClear);
    GetObjectA(brush.Handle(), sizeof lb, &lb);
    EXPECT_EQ(lb.lbStyle, UINT(BS_NULL));
    TBrush clearRed;  // the colour of a clear brush does not matter
    clearRed.SetColor(clRed);
    clearRed.SetStyle(bsClear);
    EXPECT_EQ(clearRed.Handle(), brush.Handle());
    brush.SetColor(clRed);  // a colour makes a clear brush solid again
    EXPECT_EQ(brush.Style(), bsSolid);

    // A copy of a pattern brush keeps its own copy of the bitmap.
    TBitmap pattern(8, 8);
    brush.SetBitmap(&pattern);
    TBrush copy;
    copy.Assign(&brush);
    EXPECT_TRUE(copy.Bitmap() && copy.Bitmap() != brush.Bitmap());
    GetObjectA(copy.Handle(), sizeof lb, &lb);
    EXPECT_EQ(lb.lbStyle, UINT(BS_PATTERN));
}

}  // namespace
