// Menu items in stored descriptions: nested in their menus, popped up and
// clicked, written back the same, refused when misplaced, freed once. Items
// linked to actions: the click rule, and the action's state in an open menu.
#include "framework/components/properties.h"
#include "framework/components/reader.h"
#include "framework/components/writer.h"
#include "styling/core/sksystem.h"
#include "styling/menus/themeitems.h"
#include "styling/menus/thememenus.h"
#include "tests/support/popupsteps.h"
#include "tests/support/raises.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

namespace {

// Counts the items alive: a tree and a form freeing the same one would show.
class TCountedItem : public TSkThemeItem {
    FW_DECLARE_CLASS(TCountedItem)
public:
    explicit TCountedItem(TComponent* owner) : TSkThemeItem(owner) { ++alive; }
    ~TCountedItem() override { --alive; }
    static inline int alive = 0;
};
FW_IMPLEMENT_CLASS(TCountedItem, TSkThemeItem)

// Its handlers note their name and the sender's.
class TMenuForm : public TForm {
    FW_DECLARE_CLASS(TMenuForm)
public:
    using TForm::TForm;
    std::vector<std::string> calls;
    void Open1Click(TObject* s) { calls.push_back("Open1Click " + static_cast<TComponent*>(s)->Name()); }
    void Action1Execute(TObject* s) { calls.push_back("Execute " + static_cast<TComponent*>(s)->Name()); }
};
FW_IMPLEMENT_CLASS(TMenuForm, TForm)
FW_PUBLISH(TMenuForm)
{
    p.Handler("Open1Click", &T::Open1Click);
    p.Handler("Action1Execute", &T::Action1Execute);
}

// Items nest in a popup menu, in each other and in a menu bar.
const char* const Description = R"(object MenuForm1: TMenuForm
  object SkStylist1: TSkStylist
  end
  object ActionList1: TActionList
    object Action1: TAction
      Caption = '&Save'
      ShortCut = 16467
      OnExecute = Action1Execute
    end
  end
  object PopupMenu1: TSkThemePopupMenu
    Stylist = SkStylist1
    object File1: TCountedItem
      Caption = '&File'
      object Open1: TCountedItem
        Caption = '&Open'
        ShortCut = 16463
        OnClick = Open1Click
      end
      object Save1: TCountedItem
        Action = Action1
      end
    end
  end
  object MenuBar1: TSkThemeMenuBar
    object Help1: TCountedItem
      Caption = '&Help'
    end
  end
end
)";

// "File1(Open1 Save1)": the names in a tree, nested as it nests them.
std::string Tree(const TSkCustomItem* item)
{
    std::string text;
    for (int i = 0; i < item->Count(); ++i) {
        const TSkCustomItem* child = item->Items(i);
        text += (i ? " " : "") + child->Name() + (child->Count() ? "(" + Tree(child) + ")" : "");
    }
    return text;
}

void PostKey(WORD key) { PostMessageA(TSkPopupView::OpenViews().back()->Window(), WM_KEYDOWN, key, 0); }

class MenuStreamingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReadComponentInto(form.get(), Description);
        ShowAndWait(form.get());
    }
    template <typename T = TSkCustomItem>
    T* Find(const char* name) { return dynamic_cast<T*>(form->FindComponent(name)); }
    TSkCustomPopupMenu* Menu() { return Find<TSkCustomPopupMenu>("PopupMenu1"); }

    // Pops the menu up with steps running inside its loop, then lets the
    // posted clicks run.
    void Run(std::vector<std::function<void()>> steps)
    {
        Steps driver(std::move(steps));
        Menu()->Popup(100, 100);
        EXPECT_TRUE(driver.Finished()) << "the menu closed before its steps were over";
        PumpFor(50);
    }
    void TearDown() override
    {
        form.reset();
        EXPECT_EQ(TCountedItem::alive, 0) << "the form frees every item once";
    }

    TSkControlsUnit unit;
    Owned<TMenuForm> form = NewForm<TMenuForm>();
};

}  // namespace

TEST_F(MenuStreamingTest, NestedItemsReadClickAndWriteBackTheSame)
{
    EXPECT_EQ(Tree(Menu()->Items()), "File1(Open1 Save1)");
    EXPECT_EQ(Find("Save1")->ShortCut(), scCtrl | 'S') << "from the action";
    Run({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_RIGHT); }, [] { PostKey(VK_RETURN); }});
    Run({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_RIGHT); }, [] { PostKey(VK_DOWN); },
         [] { PostKey(VK_RETURN); }});
    EXPECT_EQ(form->calls, (std::vector<std::string>{"Open1Click Open1", "Execute Action1"}));

    // Neither what the action supplies nor a stylist taken from above is written.
    const std::string written = WriteComponentText(form.get());
    for (const char* nested :
         {"    object File1: TCountedItem\r\n      Caption = '&File'\r\n      object Open1",
          "      object Save1: TCountedItem\r\n        Action = Action1\r\n      end",
          "        ShortCut = 16463\r\n        OnClick = Open1Click\r\n", "    object Help1"})
        EXPECT_NE(written.find(nested), std::string::npos) << nested << "\n" << written;
    EXPECT_EQ(written.find("Stylist = SkStylist1", written.find("File1")), std::string::npos);
    Owned<TMenuForm> again = NewForm<TMenuForm>();
    ReadComponentInto(again.get(), written);
    EXPECT_EQ(WriteComponentText(again.get()), written);
    EXPECT_EQ(Tree(static_cast<TSkCustomPopupMenu*>(again->FindComponent("PopupMenu1"))->Items()),
              "File1(Open1 Save1)");
}

TEST_F(MenuStreamingTest, AMisplacedItemFailsAndLosesNothingAndItemsAreFreedOnce)
{
    const int components = form->ComponentCount();
    EXPECT_EQ(MessageOf<EDescriptionError>([&] {
                  ReadComponentInto(form.get(), "object MenuForm1: TMenuForm\n  object Bad1: TSkStylist\n"
                                                "    object Inner1: TCountedItem\n    end\n  end\nend\n");
              }),
              "Line 3: Inner1: Menu items belong in a popup menu, a menu bar or another item, not in a TSkStylist");
    EXPECT_EQ(std::pair(form->ComponentCount(), TCountedItem::alive), std::pair(components, 4));
    EXPECT_EQ(Tree(Menu()->Items()), "File1(Open1 Save1)");

    // Whether the tree or the form frees an item, the other forgets it.
    Find("Open1")->Free();
    Find("File1")->Free();  // with Save1
    EXPECT_EQ(std::pair(Menu()->Items()->Count(), form->ComponentCount()), std::pair(0, components - 3));
    Find<TSkCustomMenuBar>("MenuBar1")->Free();  // with Help1, which the form forgets
    EXPECT_TRUE(!Find("Help1") && TCountedItem::alive == 0);
}

TEST_F(MenuStreamingTest, ClickRuleAndTheActionsStateInAnOpenMenu)
{
    auto* action = Find<TAction>("Action1");
    TSkCustomItem *open = Find("Open1"), *save = Find("Save1");
    open->SetAction(action);
    EXPECT_EQ(open->Caption(), L"&Save");
    open->RunClick();  // its own handler differs from the action's
    save->RunClick();  // the action executes
    form->SetDesigning(true);
    save->RunClick();  // the action's handler, as the item's
    form->SetDesigning(false);
    EXPECT_EQ(form->calls, (std::vector<std::string>{"Open1Click Open1", "Execute Action1", "Execute Save1"}));

    RECT before{}, after{};
    auto popupRect = [] { return WindowRectOf(GetAncestor(TSkPopupView::OpenViews().back()->Window(), GA_ROOT)); };
    Run({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_RIGHT); }, [] { PostKey(VK_DOWN); },
         [&] {
             before = popupRect();
             action->SetCaption(L"&Save under a much longer caption than before");
             action->SetEnabled(false);
         },
         [&] { after = popupRect(); PostKey(VK_RETURN); },
         [] { EXPECT_EQ(TSkPopupView::OpenViews().size(), 2u) << "a disabled item does not click"; },
         [] { PostKey(VK_F10); }});
    EXPECT_GT(after.right - after.left, before.right - before.left);
    save->RunClick();  // nor does a disabled action
    EXPECT_EQ(form->calls.size(), 3u);
    action->Free();
    EXPECT_TRUE(!open->Action() && !save->Action() && open->OnClick && !save->OnClick)
        << "the action's handler went with it, not the item's";
}
