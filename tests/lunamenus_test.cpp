// Menu items as a tree, and the picture theme's menu, status-bar and bar
// painting that reads them.
#include "styling/menus/skitems.h"
#include "styling/menus/skstatuspanel.h"
#include "styling/themes/skthemeluna.h"

#include "framework/graphics/canvas.h"
#include "framework/controls/control.h"
#include "framework/graphics/imagelist.h"
#include "styling/core/sksystem.h"
#include "tests/support/dibsection.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

int LiveItems = 0;

class TCountedItem : public TSkCustomItem {
public:
    explicit TCountedItem(TComponent* owner = nullptr) : TSkCustomItem(owner) { ++LiveItems; }
    ~TCountedItem() override { --LiveItems; }
};

}  // namespace

TEST(SkItems, TreeKeepsOrderAndRefusesSecondParentsAndCycles)
{
    TSkCustomItem root(nullptr);
    auto* a = new TSkCustomItem(nullptr);
    auto* b = new TSkCustomItem(nullptr);
    auto* c = new TSkCustomItem(nullptr);
    root.Add(a);
    root.Add(c);
    root.Insert(1, b);
    EXPECT_EQ(root.Count(), 3);
    EXPECT_EQ(root.Items(1), b);
    EXPECT_EQ(root.IndexOf(c), 2);
    EXPECT_EQ(b->Parent(), &root);

    try {
        root.Insert(0, b);
        FAIL() << "no error";
    } catch (const ESkItemError& e) {
        EXPECT_STREQ(e.what(), "Toolbar item already inserted");
    }
    EXPECT_EQ(root.Count(), 3);
    // The root under its own grandchild would make a loop.
    EXPECT_THROW(c->Add(&root), ESkItemError);
    EXPECT_THROW(c->Add(c), ESkItemError);
    EXPECT_THROW(root.Insert(5, new TSkCustomItem(&root)), ESkItemError);
    EXPECT_THROW(root.Items(3), ESkItemError);
    EXPECT_EQ(c->Count(), 0);
    EXPECT_EQ(root.Count(), 3);

    root.Remove(b);
    EXPECT_EQ(b->Parent(), nullptr);
    EXPECT_EQ(root.IndexOf(b), -1);
    root.Delete(0);
    EXPECT_EQ(root.Items(0), c);
    c->Add(b);  // free again: may go elsewhere
    EXPECT_EQ(b->Parent(), c);
    delete a;
}

TEST(SkItems, FreeingAnItemFreesItsSubItemsAndLeavesItsParent)
{
    LiveItems = 0;
    TSkCustomItem root(nullptr);
    auto* menu = new TCountedItem;
    root.Add(menu);
    menu->Add(new TCountedItem);
    auto* sub = new TCountedItem;
    menu->Add(sub);
    sub->Add(new TCountedItem);
    EXPECT_EQ(LiveItems, 4);
    delete menu;
    EXPECT_EQ(LiveItems, 0);
    EXPECT_EQ(root.Count(), 0);
}

TEST(SkItems, AnOwnerFreesItsItemsWhateverTheTreeOrder)
{
    // Owned by a component and linked in a tree at once: each goes once.
    LiveItems = 0;
    for (bool rootFirst : {true, false}) {
        auto* owner = new TComponent(nullptr);
        TCountedItem* root = rootFirst ? new TCountedItem(owner) : nullptr;
        auto* child = new TCountedItem(owner);
        if (!rootFirst)
            root = new TCountedItem(owner);
        root->Add(child);
        child->Add(new TCountedItem(owner));
        EXPECT_EQ(LiveItems, 3);
        owner->Free();
        EXPECT_EQ(LiveItems, 0);
    }
}

TEST(SkItems, GlyphColumnShortcutsAndInheritedImages)
{
    TImageList wide(nullptr), small(nullptr);
    wide.SetSize(32, 32);
    small.SetSize(16, 16);
    TSkCustomItem root(nullptr);
    auto* item = new TSkCustomItem(nullptr);
    root.Add(item);
    EXPECT_EQ(ItemGlyphColumnWidth(item), 22);
    root.SetImages(&small);
    EXPECT_EQ(item->EffectiveImages(), &small);
    EXPECT_EQ(ItemGlyphColumnWidth(item), 22);
    item->SetImages(&wide);
    EXPECT_EQ(ItemGlyphColumnWidth(item), 38);
    EXPECT_FALSE(item->HasImage());
    item->SetImageIndex(0);
    EXPECT_TRUE(item->HasImage());
    item->SetImages(nullptr);
    {
        TImageList gone(nullptr);
        item->SetImages(&gone);
    }
    EXPECT_EQ(item->Images(), nullptr);  // cleared when the list went
    EXPECT_EQ(item->EffectiveImages(), &small);
    root.SetImages(nullptr);

    EXPECT_EQ(ShortCutToText(scCtrl | 'S'), "Ctrl+S");
    EXPECT_EQ(ShortCutToText(scShift | scCtrl | VK_F5), "Shift+Ctrl+F5");
    EXPECT_EQ(ShortCutToText(scAlt | VK_DELETE), "Alt+Del");
    EXPECT_EQ(ShortCutToText(0), "");
}

namespace {

constexpr COLORREF Paper = RGB(1, 2, 3);

class LunaMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dib.Fill(Paper);
        canvas.SetHandle(dib.DC());
    }
    void TearDown() override { canvas.SetHandle(nullptr); }
    int Count(const TRect& r, COLORREF color)
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += dib.At(x, y) == color;
        return n;
    }

    TSkControlsUnit unit;
    TSkThemeLuna luna;
    DibSection dib{200, 60};
    TCanvas canvas;
};

}  // namespace

TEST_F(LunaMenuTest, PopupItemsSeparatorsAndCheckMarks)
{
    TSkCustomItem item(nullptr);
    item.SetCaption(L"&Close");
    int width = 0, height = 0;
    luna.MeasurePopupItem(&canvas, &item, width, height);
    EXPECT_EQ(height, 22);
    const int plain = width;
    item.SetShortCut(scAlt | VK_F4);
    luna.MeasurePopupItem(&canvas, &item, width, height);
    EXPECT_GT(width, plain);
    TSkCustomItem separator(nullptr);
    separator.SetCaption(L"-");
    luna.MeasurePopupItem(&canvas, &separator, width, height);
    EXPECT_EQ(height, 9);

    const COLORREF highlight = COLORREF(luna.GetColor(kcPopupHighlight));
    luna.DrawPopupItem(&canvas, &item, TRect{0, 0, 200, 22}, true, true);
    EXPECT_EQ(dib.At(0, 0), COLORREF(luna.GetColor(kcMenuBorder)));
    EXPECT_EQ(dib.At(5, 5), highlight);
    // The caption in white after the glyph column.
    EXPECT_GT(Count(TRect{26, 0, 100, 22}, RGB(255, 255, 255)), 10);
    EXPECT_EQ(Count(TRect{1, 1, 22, 21}, RGB(255, 255, 255)), 0);

    item.SetChecked(true);
    item.SetEnabled(false);
    luna.DrawPopupItem(&canvas, &item, TRect{0, 30, 200, 52}, false, false);
    // Check mark around ((0 + 22) div 2 - 2, (30 + 52) div 2 + 1) = (9, 42).
    EXPECT_EQ(dib.At(9, 42), RGB(0, 0, 0));
    EXPECT_EQ(dib.At(13, 38), RGB(0, 0, 0));
    EXPECT_EQ(dib.At(9, 43), RGB(0, 0, 0));
    EXPECT_EQ(dib.At(9, 44), RGB(255, 255, 255));
    EXPECT_EQ(dib.At(14, 37), RGB(255, 255, 255));
    EXPECT_GT(Count(TRect{26, 30, 120, 52}, COLORREF(luna.GetColor(kcDisabledMenuText))), 10);

    dib.Fill(Paper);
    luna.DrawPopupItem(&canvas, &separator, TRect{0, 0, 200, 9}, false, false);
    EXPECT_EQ(dib.At(1, 4), COLORREF(luna.GetColor(kcPopup)));
    EXPECT_EQ(dib.At(2, 4), COLORREF(GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(dib.At(197, 4), COLORREF(GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(dib.At(198, 4), COLORREF(luna.GetColor(kcPopup)));
}

TEST_F(LunaMenuTest, MenuBarItemsButtonsAndBackground)
{
    TSkCustomItem root(nullptr);
    auto* item = new TSkCustomItem(nullptr);
    root.Add(item);
    item->SetCaption(L"File");
    int width = 0, height = 0;
    luna.MeasureMenuBarItem(&canvas, item, width, height);
    EXPECT_EQ(height, 22);
    EXPECT_GT(width, 12);

    luna.DrawMenuBarItem(&canvas, item, TRect{0, 0, 40, 22}, true, true);
    EXPECT_EQ(dib.At(0, 0), COLORREF(luna.GetColor(kcMenuBar)));
    EXPECT_EQ(dib.At(1, 1), COLORREF(luna.GetColor(kcMenuBorder)));
    EXPECT_EQ(dib.At(3, 3), COLORREF(luna.GetColor(kcMenuBarHighlight)));

    root.SetButtonStyle(true);  // the bar's flag reaches its items
    luna.DrawMenuBarItem(&canvas, item, TRect{50, 0, 90, 22}, false, false);
    EXPECT_EQ(dib.At(50, 0), COLORREF(luna.GetColor(kcFace)));

    item->SetSystemKind(ksbClose);
    luna.DrawMenuBarButton(&canvas, item, TRect{100, 0, 121, 21}, true, false);
    const TSkBitmap& a = luna.Atlas();
    // The pressed close cell (38, 348), centred: one pixel in from the left.
    EXPECT_EQ(dib.At(101 + 9, 1 + 9), COLORREF(SkColorToColor(a.GetPixel(38 + 9, 348 + 9))));

    luna.DrawMenuBarBackground(&canvas, 200, 60);
    EXPECT_EQ(Count(TRect{0, 0, 200, 60}, COLORREF(luna.GetColor(kcMenuBar))), 200 * 60);

    dib.Fill(Paper);
    luna.DrawPopupBackground(&canvas, 50, 40);
    EXPECT_EQ(dib.At(0, 20), COLORREF(luna.GetColor(kcMenuBorder)));
    EXPECT_EQ(dib.At(2, 20), COLORREF(luna.GetColor(kcPopup)));
    EXPECT_EQ(dib.At(3, 20), Paper);
}

TEST_F(LunaMenuTest, StatusPanelStretchesTheBarUnderItsSeparator)
{
    TControl bar(nullptr);
    bar.SetBounds(0, 0, 150, 20);
    TSkStatusPanel panel(&bar);
    const TSkBitmap& a = luna.Atlas();
    luna.DrawStatusPanel(&canvas, TRect{0, 0, 60, 15}, &panel);
    EXPECT_NE(dib.At(149, 10), Paper);  // the whole bar
    EXPECT_EQ(dib.At(150, 10), Paper);
    // The separator over the last 3 columns; its see-through pixels show the bar.
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 3; ++x) {
            const TSkColor p = a.GetPixel(60 + x, 348 + y);
            if ((p & SkColorMask) != SkTransparentColor) {
                EXPECT_EQ(dib.At(57 + x, y), COLORREF(SkColorToColor(p))) << x << "," << y;
            }
        }

    dib.Fill(Paper);
    luna.DrawStatusPanel(&canvas, TRect{0, 0, 60, 20}, nullptr);  // only the separator
    EXPECT_EQ(dib.At(100, 10), Paper);
}
