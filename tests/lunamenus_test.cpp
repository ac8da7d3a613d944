// Menu items as a tree: order, refusals, ownership, images and shortcuts.
#include "styling/menus/skitems.h"

#include "framework/graphics/imagelist.h"

#include <gtest/gtest.h>

#include <utility>

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
    auto *a = new TSkCustomItem(nullptr), *b = new TSkCustomItem(nullptr), *c = new TSkCustomItem(nullptr);
    root.Add(a);
    root.Add(c);
    root.Insert(1, b);
    EXPECT_TRUE(root.Items(1) == b && root.IndexOf(c) == 2 && b->Parent() == &root);
    EXPECT_THROW(root.Insert(0, b), ESkItemError);  // already in the tree
    EXPECT_THROW(c->Add(&root), ESkItemError);      // the root under its own grandchild
    EXPECT_THROW(c->Add(c), ESkItemError);
    EXPECT_THROW(root.Insert(5, new TSkCustomItem(&root)), ESkItemError);
    EXPECT_THROW(root.Items(3), ESkItemError);
    EXPECT_TRUE(c->Count() == 0 && root.Count() == 3);
    root.Remove(b);
    root.Delete(0);
    EXPECT_TRUE(b->Parent() == nullptr && root.Items(0) == c);
    c->Add(b);                  // free again: may go elsewhere
    root.SetButtonStyle(true);  // the bar's flag reaches every item
    EXPECT_TRUE(b->Parent() == c && b->ButtonStyle());
    delete a;
}

TEST(SkItems, FreeingAnItemOrItsOwnerFreesEachItemOnce)
{
    LiveItems = 0;
    TSkCustomItem root(nullptr);
    auto* menu = new TCountedItem;
    root.Add(menu);
    menu->Add(new TCountedItem);
    menu->Add(new TCountedItem);
    menu->Items(1)->Add(new TCountedItem);
    delete menu;
    EXPECT_TRUE(LiveItems == 0 && root.Count() == 0);
    // Owned by a component and linked in a tree at once, in either order.
    for (bool rootFirst : {true, false}) {
        auto* owner = new TComponent(nullptr);
        TCountedItem* top = rootFirst ? new TCountedItem(owner) : nullptr;
        auto* child = new TCountedItem(owner);
        if (!top)
            top = new TCountedItem(owner);  // made after its child
        top->Add(child);
        child->Add(new TCountedItem(owner));
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
    EXPECT_TRUE(ItemGlyphColumnWidth(item) == 22 && !item->HasImage());
    root.SetImages(&small);  // inherited, and no wider than a menu line
    item->SetImageIndex(0);
    EXPECT_TRUE(item->HasImage() && ItemGlyphColumnWidth(item) == 22);
    item->SetImages(&wide);
    EXPECT_EQ(ItemGlyphColumnWidth(item), 38);
    {
        TImageList gone(nullptr);
        item->SetImages(&gone);
    }
    EXPECT_TRUE(item->Images() == nullptr && item->EffectiveImages() == &small);  // cleared when the list went
    const std::pair<TShortCut, const char*> keys[] = {
        {scCtrl | 'S', "Ctrl+S"}, {scShift | scCtrl | VK_F5, "Shift+Ctrl+F5"}, {scAlt | VK_DELETE, "Alt+Del"},
        {0, ""}};
    for (const auto& key : keys)
        EXPECT_EQ(ShortCutToText(key.first), key.second);
}
