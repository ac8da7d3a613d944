// Menu items in stored descriptions: nested in their menu as the form
// stores them, popped up and clicked, written back the same, refused when
// misplaced and freed once whoever goes first. Items linked to actions:
// the click rule and the action's state showing in an open menu.
#include "framework/components/actions.h"
#include "framework/components/properties.h"
#include "framework/components/reader.h"
#include "framework/components/writer.h"
#include "styling/core/sksystem.h"
#include "styling/core/stylist.h"
#include "styling/menus/skmenubar.h"
#include "styling/menus/skpopupview.h"
#include "styling/menus/themeitems.h"
#include "styling/menus/thememenus.h"
#include "tests/support/menusteps.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

namespace {

// Counts the items alive, so that a tree and a form freeing the same item
// would show.
class TCountedItem : public TSkThemeItem {
    FW_DECLARE_CLASS(TCountedItem)
public:
    explicit TCountedItem(TComponent* owner) : TSkThemeItem(owner) { ++alive; }
    ~TCountedItem() override { --alive; }
    static inline int alive = 0;
};
FW_IMPLEMENT_CLASS(TCountedItem, TSkThemeItem)

class TMenuForm : public TForm {
    FW_DECLARE_CLASS(TMenuForm)
public:
    using TForm::TForm;
    std::vector<std::string> calls;
    void Record(const char* handler, TObject* sender)
    {
        calls.push_back(std::string(handler) + " " + static_cast<TComponent*>(sender)->Name());
    }
    void Open1Click(TObject* sender) { Record("Open1Click", sender); }
    void Action1Execute(TObject* sender) { Record("Action1Execute", sender); }
};
FW_IMPLEMENT_CLASS(TMenuForm, TForm)
FW_PUBLISH(TMenuForm)
{
    p.Handler("Open1Click", &T::Open1Click);
    p.Handler("Action1Execute", &T::Action1Execute);
}

const char* const Description =
    "object MenuForm1: TMenuForm\r\n"
    "  object SkStylist1: TSkStylist\r\n"
    "  end\r\n"
    "  object ActionList1: TActionList\r\n"
    "    object Action1: TAction\r\n"
    "      Caption = '&Save'\r\n"
    "      ShortCut = 16467\r\n"
    "      OnExecute = Action1Execute\r\n"
    "    end\r\n"
    "  end\r\n"
    "  object PopupMenu1: TSkThemePopupMenu\r\n"
    "    Stylist = SkStylist1\r\n"
    "    object File1: TCountedItem\r\n"
    "      Caption = '&File'\r\n"
    "      object Open1: TCountedItem\r\n"
    "        Caption = '&Open'\r\n"
    "        ShortCut = 16463\r\n"
    "        OnClick = Open1Click\r\n"
    "      end\r\n"
    "      object Save1: TCountedItem\r\n"
    "        Action = Action1\r\n"
    "      end\r\n"
    "    end\r\n"
    "    object Exit1: TSkThemeItem\r\n"
    "      Caption = 'E&xit'\r\n"
    "      Enabled = False\r\n"
    "    end\r\n"
    "  end\r\n"
    "  object MenuBar1: TSkThemeMenuBar\r\n"
    "    object Help1: TCountedItem\r\n"
    "      Caption = '&Help'\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n";

void PostKey(WORD key)
{
    PostMessageA(TSkPopupView::OpenViews().back()->Handle(), WM_KEYDOWN, key, 0);
}

class MenuStreamingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = NewForm<TMenuForm>();
        ReadComponentInto(form.get(), Description);
        ShowAndWait(form.get());
    }
    template <typename T = TSkCustomItem>
    T* Find(const char* name) { return dynamic_cast<T*>(form->FindComponent(name)); }
    TSkCustomPopupMenu* Menu() { return Find<TSkCustomPopupMenu>("PopupMenu1"); }

    void Run(std::vector<std::function<void()>> steps)
    {
        {
            Steps driver(std::move(steps));
            Menu()->Popup(100, 100);
            EXPECT_TRUE(driver.Finished()) << "the menu closed before its steps were over";
        }
        PumpFor(50);
    }

    TSkControlsUnit unit;
    Owned<TMenuForm> form;
};

}  // namespace

TEST_F(MenuStreamingTest, NestedItemsReadIntoTheirTreesAndClickTheirHandlers)
{
    TSkCustomItem* root = Menu()->Items();
    ASSERT_EQ(root->Count(), 2);
    TSkCustomItem* file = root->Items(0);
    EXPECT_EQ(file, Find("File1"));
    EXPECT_EQ(root->Items(1), Find("Exit1"));
    EXPECT_FALSE(root->Items(1)->Enabled());
    ASSERT_EQ(file->Count(), 2);
    EXPECT_EQ(file->Items(0), Find("Open1"));
    EXPECT_EQ(file->GetParentComponent(), Menu());
    EXPECT_EQ(file->Items(0)->GetParentComponent(), file);
    EXPECT_EQ(file->Items(0)->ShortCut(), scCtrl | 'O');
    EXPECT_EQ(Find<TSkThemeItem>("Open1")->Stylist(), Find<TSkStylist>("SkStylist1"));
    TSkCustomItem* save = file->Items(1);
    EXPECT_EQ(save->Caption(), L"&Save") << "from the action";
    EXPECT_EQ(save->ShortCut(), scCtrl | 'S');
    EXPECT_EQ(Find<TSkCustomMenuBar>("MenuBar1")->Items()->Items(0), Find("Help1"));

    Run({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_RIGHT); }, [] { PostKey(VK_RETURN); }});
    Run({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_RIGHT); }, [] { PostKey(VK_DOWN); },
         [] { PostKey(VK_RETURN); }});
    EXPECT_EQ(form->calls, (std::vector<std::string>{"Open1Click Open1", "Action1Execute Action1"}));
}

TEST_F(MenuStreamingTest, WrittenAndReadBackTheTreeIsTheSame)
{
    const std::string written = WriteComponentText(form.get());
    const size_t file = written.find("    object File1: TCountedItem\r\n      Caption = '&File'\r\n"
                                     "      object Open1: TCountedItem\r\n");
    EXPECT_NE(file, std::string::npos) << written;
    EXPECT_NE(written.find("OnClick = Open1Click", file), std::string::npos);
    EXPECT_NE(written.find("object Save1: TCountedItem\r\n        Action = Action1\r\n      end"),
              std::string::npos) << "what the action supplies is not stored";
    EXPECT_EQ(written.find("Stylist = SkStylist1", file), std::string::npos) << "taken from above";

    Owned<TMenuForm> again = NewForm<TMenuForm>();
    ReadComponentInto(again.get(), written);
    EXPECT_EQ(WriteComponentText(again.get()), written);
    auto* menu = dynamic_cast<TSkCustomPopupMenu*>(again->FindComponent("PopupMenu1"));
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->Items()->Items(0)->Items(1), again->FindComponent("Save1"));
    EXPECT_EQ(menu->Items()->Items(0)->Items(1)->Action(), again->FindComponent("Action1"));
}

TEST_F(MenuStreamingTest, MisplacedItemsAndUnknownPropertiesFailAndLoseNothing)
{
    const int components = form->ComponentCount(), alive = TCountedItem::alive;
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"object MenuForm1: TMenuForm\r\n  object Stray1: TCountedItem\r\n  end\r\n"
         "  object Bad1: TSkStylist\r\n    object Inner1: TCountedItem\r\n    end\r\n  end\r\nend\r\n",
         "Line 5: Inner1: Menu items belong in a popup menu, a menu bar or another item, not in a "
         "TSkStylist"},
        {"object MenuForm1: TMenuForm\r\n  object Extra1: TSkThemePopupMenu\r\n"
         "    object Top1: TCountedItem\r\n      object Inner1: TCountedItem\r\n"
         "        Captoin = 'x'\r\n      end\r\n    end\r\n  end\r\nend\r\n",
         "Line 5: Inner1.Captoin: unknown property Captoin of TCountedItem"},
    };
    for (const auto& c : cases) {
        try {
            ReadComponentInto(form.get(), c.text);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const EDescriptionError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
        EXPECT_EQ(form->ComponentCount(), components);
        EXPECT_EQ(TCountedItem::alive, alive);
        EXPECT_EQ(Menu()->Items()->Items(0)->Count(), 2);
    }
}

TEST_F(MenuStreamingTest, AnItemOwnedByTheFormAndInATreeIsFreedOnce)
{
    const int components = form->ComponentCount();
    Find("Open1")->Free();
    EXPECT_EQ(Find("File1")->Count(), 1);
    Find("File1")->Free();  // and Save1 below it
    EXPECT_EQ(Menu()->Items()->Count(), 1);
    EXPECT_EQ(form->ComponentCount(), components - 3);
    EXPECT_EQ(TCountedItem::alive, 1);
    // The menu bar frees its items; the form forgets them.
    Find<TSkCustomMenuBar>("MenuBar1")->Free();
    EXPECT_EQ(Find("Help1"), nullptr);
    EXPECT_EQ(TCountedItem::alive, 0);
    // Whole again, the form frees the lot.
    form = NewForm<TMenuForm>();
    ReadComponentInto(form.get(), Description);
    EXPECT_EQ(TCountedItem::alive, 4);
    form.reset();
    EXPECT_EQ(TCountedItem::alive, 0);
}

TEST_F(MenuStreamingTest, ClickRuleOwnHandlerElseActionElseTheActionsHandler)
{
    auto* action = Find<TAction>("Action1");
    TSkCustomItem* open = Find("Open1");
    TSkCustomItem* save = Find("Save1");
    open->SetAction(action);
    EXPECT_EQ(open->Caption(), L"&Save");
    EXPECT_FALSE(IsActionExecuteHandler(open->OnClick));
    EXPECT_TRUE(IsActionExecuteHandler(save->OnClick, action));
    open->RunClick();  // its own handler differs from the action's
    save->RunClick();  // the action executes
    form->SetDesigning(true);
    save->RunClick();  // the action's handler, as the item's
    form->SetDesigning(false);
    action->SetEnabled(false);
    save->RunClick();  // a disabled action does nothing
    EXPECT_EQ(form->calls, (std::vector<std::string>{"Open1Click Open1", "Action1Execute Action1",
                                                     "Action1Execute Save1"}));

    action->Free();
    EXPECT_EQ(save->Action(), nullptr);
    EXPECT_FALSE(save->OnClick) << "the action's handler went with it";
    EXPECT_TRUE(open->OnClick) << "the item's own stays";
    EXPECT_EQ(open->Action(), nullptr);
}

TEST_F(MenuStreamingTest, ActionChangesShowInAnOpenMenu)
{
    auto* action = Find<TAction>("Action1");
    LONG before = 0, after = 0;
    auto width = [] {
        RECT r{};
        GetWindowRect(TSkPopupView::OpenViews().back()->Handle(), &r);
        return r.right - r.left;
    };
    Run({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_RIGHT); }, [] { PostKey(VK_DOWN); },
         [&] {
             before = width();
             action->SetCaption(L"&Save under a much longer caption than before");
             action->SetEnabled(false);
         },
         [&] {
             after = width();
             PostKey(VK_RETURN);
         },
         [] { EXPECT_EQ(TSkPopupView::OpenViews().size(), 2u) << "a disabled item does not click"; },
         [] { PostKey(VK_F10); }});
    EXPECT_GT(after, before);
    EXPECT_FALSE(Find("Save1")->Enabled());
    EXPECT_TRUE(form->calls.empty());
}
