// The component runtime: ownership, names, notifications, design state.
#include "framework/components/component.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> gLog;  // "free X" and "listener<-gone", in order

int Logged(const std::string& entry)
{
    return static_cast<int>(std::count(gLog.begin(), gLog.end(), entry));
}

// Logs its destruction and every removal it hears of; holds one link.
class TProbe : public TComponent {
    FW_DECLARE_CLASS(TProbe)
public:
    explicit TProbe(TComponent* owner, const std::string& name = "") : TComponent(owner) { SetName(name); }
    ~TProbe() override { gLog.push_back("free " + Name()); }

    TComponent* Link = nullptr;
    bool* sawDestroying = nullptr;  // set when its teardown starts

    void LinkTo(TComponent* target)
    {
        Link = target;
        target->FreeNotification(this);
    }
    void BeforeDestruction() override
    {
        if (sawDestroying)
            *sawDestroying = ComponentState().Contains(csDestroying);
        TComponent::BeforeDestruction();
    }

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        if (operation == opRemove && component != this)
            gLog.push_back(Name() + "<-" + component->Name());
        if (operation == opRemove && component == Link)
            Link = nullptr;
        TComponent::Notification(component, operation);
    }
};
FW_IMPLEMENT_CLASS(TProbe, TComponent)

class ComponentTest : public ::testing::Test {
protected:
    void SetUp() override { gLog.clear(); }
};

TEST_F(ComponentTest, OwnerFreesItsComponentsLastFirstAndEachHearsOnce)
{
    auto* owner = new TProbe(nullptr, "Owner");
    auto* a = new TProbe(owner, "A");
    auto* b = new TProbe(owner, "B");
    bool b1SawDestroying = false;  // set by the owner before it frees any
    (new TProbe(b, "B1"))->sawDestroying = &b1SawDestroying;
    EXPECT_EQ(b->ComponentIndex(), 1);
    a->LinkTo(b);
    b->LinkTo(a);
    owner->Free();
    // Each remaining one hears of each going one exactly once; the notice
    // goes down the owner tree too.
    EXPECT_EQ(gLog, (std::vector<std::string>{"Owner<-B", "A<-B", "B1<-B", "B<-B1", "free B1", "free B",
                                              "Owner<-A", "free A", "free Owner"}));
    EXPECT_TRUE(b1SawDestroying);

    // A plain delete does the same and leaves the owner.
    TProbe keeper(nullptr, "Keeper");
    auto* c = new TProbe(&keeper, "C");
    new TProbe(c, "C1");
    gLog.clear();
    delete c;
    EXPECT_EQ(keeper.ComponentCount(), 0);
    EXPECT_EQ(gLog, (std::vector<std::string>{"free C", "free C1", "Keeper<-C"}));
}

TEST_F(ComponentTest, NamesAreIdentifiersUniqueWithinTheOwnerIgnoringCase)
{
    TProbe owner(nullptr, "Owner");
    auto* a = new TProbe(&owner, "Button1");
    auto* b = new TProbe(&owner);
    for (const char* bad : {"button1", "1abc", "a b", "R\xC4\x99" "cznie"}) {
        EXPECT_THROW(b->SetName(bad), EComponentError) << bad;
        EXPECT_EQ(b->Name(), "");
    }
    b->SetName("_x9");
    a->SetName("BUTTON1");  // only the case changes
    EXPECT_EQ(a->Name(), "BUTTON1");
    new TProbe(a, "inner");
    EXPECT_EQ(owner.FindComponent("button1"), a);
    EXPECT_EQ(owner.FindComponent("inner"), nullptr);  // direct components only
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    EXPECT_EQ(FindClassInfo("tprobe"), TProbe::StaticClass());
    // Designing reaches every component, present and future.
    owner.SetDesigning(true);
    EXPECT_TRUE(a->ComponentState().Contains(csDesigning));
    EXPECT_TRUE((new TProbe(&owner, "Later"))->ComponentState().Contains(csDesigning));

    // Another owner may hold the same name; moving it across would clash.
    TProbe other(nullptr, "Other");
    TProbe twin(&other, "button1");
    EXPECT_THROW(owner.InsertComponent(&twin), EComponentError);
    EXPECT_EQ(twin.Owner(), &other);
    other.RemoveComponent(&twin);
}

TEST_F(ComponentTest, FreeNotificationAcrossOwnersClearsEitherWayOnce)
{
    for (int order = 0; order < 3; ++order) {
        SCOPED_TRACE(order);
        gLog.clear();
        auto* form1 = new TProbe(nullptr, "Form1");
        auto* form2 = new TProbe(nullptr, "Form2");
        auto* stylist = new TProbe(form1, "SkStylist1");
        auto* button = new TProbe(form2, "Button");
        button->LinkTo(stylist);
        button->LinkTo(stylist);  // asking twice still notifies once
        if (order == 2)
            button->RemoveFreeNotification(stylist);
        (order == 1 ? form2 : form1)->Free();
        if (order == 1)  // the survivor holds no link back to what went
            EXPECT_FALSE(stylist->ComponentState().Contains(csFreeNotification));
        else
            EXPECT_EQ(button->Link, order == 0 ? nullptr : stylist);
        (order == 1 ? form1 : form2)->Free();
        EXPECT_EQ(Logged("Button<-SkStylist1") + Logged("SkStylist1<-Button"), order == 2 ? 0 : 1);
    }
}

} // namespace
