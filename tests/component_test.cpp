// The component runtime: ownership, names, notifications, assignment.
#include "framework/components/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> gLog;
std::vector<std::string> gHeard;  // "listener<-gone" for every removal notice

// Records its destruction and every removal notification it receives.
class TProbe : public TComponent {
    FW_DECLARE_CLASS(TProbe)
public:
    explicit TProbe(TComponent* owner, const std::string& name = "") : TComponent(owner)
    {
        if (!name.empty())
            SetName(name);
    }
    ~TProbe() override { gLog.push_back("free " + Name()); }

    TComponent* Link = nullptr;
    std::vector<TComponent*> Removed;
    std::vector<TComponent*> Inserted;
    int LoadedCalls = 0;

    void LinkTo(TComponent* target)
    {
        Link = target;
        if (target)
            target->FreeNotification(this);
    }
    void Loaded() override
    {
        ++LoadedCalls;
        TComponent::Loaded();
    }

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        if (operation == opRemove) {
            Removed.push_back(component);
            if (component != this)
                gHeard.push_back(Name() + "<-" + component->Name());
            if (component == Link)
                Link = nullptr;
        } else {
            Inserted.push_back(component);
        }
        TComponent::Notification(component, operation);
    }
};
FW_IMPLEMENT_CLASS(TProbe, TComponent)

class TPoint2 : public TPersistent {
    FW_DECLARE_CLASS(TPoint2)
public:
    int X = 0, Y = 0;
    void Assign(const TPersistent* source) override
    {
        if (const auto* point = dynamic_cast<const TPoint2*>(source)) {
            X = point->X;
            Y = point->Y;
            return;
        }
        TPersistent::Assign(source);
    }
};
FW_IMPLEMENT_CLASS(TPoint2, TPersistent)

class TOther : public TPersistent {
    FW_DECLARE_CLASS(TOther)
};
FW_IMPLEMENT_CLASS(TOther, TPersistent)

int Count(const std::vector<TComponent*>& list, TComponent* c)
{
    return static_cast<int>(std::count(list.begin(), list.end(), c));
}

class ComponentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gLog.clear();
        gHeard.clear();
    }
};

TEST_F(ComponentTest, OwnerFreesItsComponentsLastFirst)
{
    auto* owner = new TProbe(nullptr, "Owner");
    new TProbe(owner, "A");
    auto* b = new TProbe(owner, "B");
    new TProbe(b, "B1");
    new TProbe(owner, "C");
    ASSERT_EQ(owner->ComponentCount(), 3);
    EXPECT_EQ(owner->Components(1), b);
    EXPECT_EQ(b->Owner(), owner);
    EXPECT_EQ(b->ComponentIndex(), 1);
    owner->Free();
    EXPECT_EQ(gLog, (std::vector<std::string>{"free C", "free B1", "free B", "free A", "free Owner"}));
}

TEST_F(ComponentTest, PlainDeleteAlsoFreesComponentsAndLeavesTheOwner)
{
    TProbe owner(nullptr, "Owner");
    auto* a = new TProbe(&owner, "A");
    new TProbe(a, "A1");
    delete a;
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_EQ(gLog, (std::vector<std::string>{"free A", "free A1"}));
}

TEST_F(ComponentTest, NamesAreIdentifiersUniqueWithinTheOwnerIgnoringCase)
{
    TProbe owner(nullptr, "Owner");
    auto* a = new TProbe(&owner, "Button1");
    auto* b = new TProbe(&owner);
    EXPECT_THROW(b->SetName("button1"), EComponentError);
    EXPECT_THROW(b->SetName("1abc"), EComponentError);
    EXPECT_THROW(b->SetName("a b"), EComponentError);
    EXPECT_THROW(b->SetName("Ręcznie"), EComponentError);
    EXPECT_EQ(b->Name(), "");
    b->SetName("_x9");
    EXPECT_EQ(b->Name(), "_x9");
    a->SetName("BUTTON1");  // only the case changes
    EXPECT_EQ(a->Name(), "BUTTON1");
    // Another owner may hold the same name.
    TProbe other(nullptr, "Other");
    TProbe twin(&other, "button1");
    EXPECT_EQ(twin.Name(), "button1");
    // Moving it into the first owner would clash.
    EXPECT_THROW(owner.InsertComponent(&twin), EComponentError);
    EXPECT_EQ(twin.Owner(), &other);
    other.RemoveComponent(&twin);
}

TEST_F(ComponentTest, FindComponentLooksAtDirectComponentsIgnoringCase)
{
    TProbe owner(nullptr, "Owner");
    auto* a = new TProbe(&owner, "doc");
    new TProbe(a, "inner");
    EXPECT_EQ(owner.FindComponent("DOC"), a);
    EXPECT_EQ(owner.FindComponent("inner"), nullptr);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    EXPECT_EQ(owner.FindComponent("missing"), nullptr);
}

TEST_F(ComponentTest, SiblingsHearOfInsertAndRemoveOnce)
{
    auto* owner = new TProbe(nullptr, "Owner");
    auto* a = new TProbe(owner, "A");
    auto* b = new TProbe(owner, "B");
    EXPECT_EQ(Count(a->Inserted, b), 1);
    EXPECT_EQ(Count(owner->Inserted, b), 1);
    a->LinkTo(b);  // same owner: the owner's notification covers it
    b->Free();
    EXPECT_EQ(Count(a->Removed, b), 1);
    EXPECT_EQ(Count(owner->Removed, b), 1);
    EXPECT_EQ(a->Link, nullptr);
    owner->Free();
}

TEST_F(ComponentTest, OwnerTeardownNotifiesRemainingSiblingsOnce)
{
    auto* owner = new TProbe(nullptr, "Owner");
    auto* a = new TProbe(owner, "A");
    auto* b = new TProbe(owner, "B");
    a->LinkTo(b);
    b->LinkTo(a);
    owner->Free();
    EXPECT_EQ(gLog, (std::vector<std::string>{"free B", "free A", "free Owner"}));
    // Each remaining one hears of each going one exactly once.
    EXPECT_EQ(gHeard, (std::vector<std::string>{"Owner<-B", "A<-B", "Owner<-A"}));
}

TEST_F(ComponentTest, FreeNotificationAcrossOwnersClearsEitherWay)
{
    for (bool targetFirst : {true, false}) {
        auto* form1 = new TProbe(nullptr, "Form1");
        auto* form2 = new TProbe(nullptr, "Form2");
        auto* stylist = new TProbe(form1, "SkStylist1");
        auto* button = new TProbe(form2, "Button");
        button->LinkTo(stylist);
        button->LinkTo(stylist);  // asking twice still notifies once
        EXPECT_TRUE(stylist->ComponentState().Contains(csFreeNotification));
        if (targetFirst) {
            form1->Free();
            EXPECT_EQ(button->Link, nullptr);
            EXPECT_EQ(Count(button->Removed, stylist), 1);
            form2->Free();
        } else {
            form2->Free();
            // The stylist heard that the button went and holds no link back.
            EXPECT_EQ(Count(stylist->Removed, button), 1);
            EXPECT_FALSE(stylist->ComponentState().Contains(csFreeNotification));
            form1->Free();
        }
    }
}

TEST_F(ComponentTest, RemoveFreeNotificationStopsTheNotice)
{
    TProbe form1(nullptr, "Form1");
    TProbe form2(nullptr, "Form2");
    auto* stylist = new TProbe(&form1, "S");
    auto* button = new TProbe(&form2, "B");
    button->LinkTo(stylist);
    button->RemoveFreeNotification(stylist);
    stylist->Free();
    EXPECT_EQ(Count(button->Removed, stylist), 0);
}

TEST_F(ComponentTest, StateFlagsFollowDesignLoadingAndDestruction)
{
    TProbe owner(nullptr, "Owner");
    auto* a = new TProbe(&owner, "A");
    owner.SetDesigning(true);
    EXPECT_TRUE(a->ComponentState().Contains(csDesigning));
    auto* b = new TProbe(&owner, "B");
    EXPECT_TRUE(b->ComponentState().Contains(csDesigning));
    owner.SetLoading(true);
    EXPECT_TRUE(owner.ComponentState().Contains(csLoading));
    owner.Loaded();
    EXPECT_FALSE(owner.ComponentState().Contains(csLoading));

    // While a component is being freed, its components carry the destroying flag.
    bool ownedSawDestroying = false;
    struct TChecker : TProbe {
        bool* flag;
        TChecker(TComponent* o, bool* f) : TProbe(o, "Checker"), flag(f) {}
        void BeforeDestruction() override
        {
            // Set by the owner before it frees anything.
            *flag = ComponentState().Contains(csDestroying);
            TProbe::BeforeDestruction();
        }
    };
    auto* parent = new TProbe(nullptr, "P");
    new TChecker(parent, &ownedSawDestroying);
    parent->Free();
    EXPECT_TRUE(ownedSawDestroying);
}

TEST_F(ComponentTest, AssignCopiesOrNamesBothClasses)
{
    TPoint2 a, b;
    a.X = 3;
    a.Y = 4;
    b.Assign(&a);
    EXPECT_EQ(b.X, 3);
    EXPECT_EQ(b.Y, 4);
    TOther other;
    try {
        b.Assign(&other);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TOther to a TPoint2");
    }
    EXPECT_THROW(b.Assign(nullptr), EConvertError);
}

TEST_F(ComponentTest, ClassRegistryFindsClassesByNameAndMakesComponents)
{
    const TClassInfo* probe = FindClassInfo("tprobe");
    ASSERT_EQ(probe, TProbe::StaticClass());
    EXPECT_TRUE(probe->InheritsFrom(TComponent::StaticClass()));
    EXPECT_EQ(FindClassInfo("TPoint2")->Create, nullptr);  // not a component
    EXPECT_EQ(FindClassInfo("TNoSuchClass"), nullptr);
    TProbe owner(nullptr, "Owner");
    TPersistent* made = probe->Create(&owner);
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), made);
}

} // namespace
