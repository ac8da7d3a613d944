// Published properties through the description reader and writer.
#include "framework/base/events.h"
#include "framework/components/properties.h"
#include "framework/components/reader.h"
#include "framework/components/roots.h"
#include "framework/components/writer.h"

#include <gtest/gtest.h>

namespace {

enum TKind { kkPlain, kkFancy, kkOther };
enum TSide { ksLeft, ksTop, ksRight, ksBottom };
using TSides = TSet<TSide>;

int gLoadedCount = 0;
std::vector<std::string> gLoadOrder;
int gLiveGadgets = 0;
bool gSetterSawLoading = false;

// A nested option object, owned by its component.
class TOptions : public TPersistent {
    FW_DECLARE_CLASS(TOptions)
public:
    explicit TOptions(TPersistent* owner = nullptr) : owner_(owner) {}
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    int Value() const { return value_; }
    void SetValue(int v) { value_ = v; }
    TPersistent* GetOwner() const override { return owner_; }

private:
    TPersistent* owner_;
    bool enabled_ = false;
    int value_ = 255;
};
FW_IMPLEMENT_CLASS(TOptions, TPersistent)
FW_PUBLISH(TOptions)
{
    p.Property("Enabled", &T::Enabled, &T::SetEnabled).Default(false);
    p.Property("Value", &T::Value, &T::SetValue).Default(255);
}

// One property of every kind, plus binary data.
class TGadget : public TComponent {
    FW_DECLARE_CLASS(TGadget)
public:
    explicit TGadget(TComponent* owner) : TComponent(owner), options_(this) { ++gLiveGadgets; }
    ~TGadget() override { --gLiveGadgets; }

    int Left() const { return left_; }
    void SetLeft(int v)
    {
        left_ = v;
        gSetterSawLoading = ComponentState().Contains(csLoading) && ComponentState().Contains(csReading);
    }
    short Small() const { return small_; }
    void SetSmall(short v) { small_ = v; }
    int Cursor() const { return cursor_; }
    void SetCursor(int v) { cursor_ = v; }
    bool Checked() const { return checked_; }
    void SetChecked(bool v) { checked_ = v; }
    TKind Kind() const { return kind_; }
    void SetKind(TKind v) { kind_ = v; }
    TSides Sides() const { return sides_; }
    void SetSides(TSides v) { sides_ = v; }
    std::string Hint() const { return hint_; }
    void SetHint(const std::string& v) { hint_ = v; }
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& v) { caption_ = v; }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { color_ = v; }
    std::vector<std::string> Lines() const { return lines_; }
    void SetLines(const std::vector<std::string>& v) { lines_ = v; }
    TGadget* Buddy() const { return buddy_; }
    void SetBuddy(TGadget* v) { buddy_ = v; }
    TOptions* Options() const { return const_cast<TOptions*>(&options_); }
    const TNotifyEvent& OnClick() const { return onClick_; }
    void SetOnClick(const TNotifyEvent& v) { onClick_ = v; }
    const TKeyPressEvent& OnKeyPress() const { return onKeyPress_; }
    void SetOnKeyPress(const TKeyPressEvent& v) { onKeyPress_ = v; }
    std::string Version() const { return "3.3.0"; }
    void SetVersion(const std::string&) {}
    int Handle() const { return 42; }
    int Tag() const { return tag_; }
    void SetTag(int v) { tag_ = v; }
    bool TagStored() const { return tag_ != 7; }
    const std::vector<uint8_t>& Blob() const { return blob_; }
    void SetBlob(std::vector<uint8_t> v) { blob_ = std::move(v); }

    void DefineProperties(TFiler* filer) override
    {
        TComponent::DefineProperties(filer);
        filer->DefineBinaryProperty(
            "Blob", [this](const std::vector<uint8_t>& data) { blob_ = data; },
            [this] { return blob_; }, !blob_.empty());
    }
    void Loaded() override
    {
        TComponent::Loaded();
        ++gLoadedCount;
        gLoadOrder.push_back(Name());
        loadedSawBuddy_ = buddy_ != nullptr;
    }
    bool LoadedSawBuddy() const { return loadedSawBuddy_; }

    // Nesting: a gadget may sit in another one.
    TComponent* GetParentComponent() const override { return parent_; }
    void SetParentComponent(TComponent* p) override { parent_ = p == Owner() ? nullptr : p; }

private:
    int left_ = 0;
    int tag_ = 0;
    short small_ = 0;
    int cursor_ = 0;
    bool checked_ = false;
    TKind kind_ = kkPlain;
    TSides sides_;
    std::string hint_;
    std::wstring caption_;
    TColor color_ = clBtnFace;
    std::vector<std::string> lines_;
    TGadget* buddy_ = nullptr;
    TOptions options_;
    TNotifyEvent onClick_;
    TKeyPressEvent onKeyPress_;
    std::vector<uint8_t> blob_;
    TComponent* parent_ = nullptr;
    bool loadedSawBuddy_ = false;
};
FW_IMPLEMENT_CLASS(TGadget, TComponent)
FW_PUBLISH(TGadget)
{
    p.Property("Left", &T::Left, &T::SetLeft);
    p.Property("Small", &T::Small, &T::SetSmall).Default(0);
    p.Property("Cursor", &T::Cursor, &T::SetCursor).Default(0).Idents({{"crDefault", 0}, {"crIBeam", -4}});
    p.Property("Checked", &T::Checked, &T::SetChecked).Default(false);
    p.Enum("Kind", &T::Kind, &T::SetKind, {"kkPlain", "kkFancy", "kkOther"}).Default(kkPlain);
    p.Set("Sides", &T::Sides, &T::SetSides, {"ksLeft", "ksTop", "ksRight", "ksBottom"})
        .Default(TSides{});
    p.Property("Hint", &T::Hint, &T::SetHint);
    p.Property("Caption", &T::Caption, &T::SetCaption);
    p.Color("Color", &T::Color, &T::SetColor).Default(clBtnFace);
    p.Property("Lines", &T::Lines, &T::SetLines);
    p.Property("Buddy", &T::Buddy, &T::SetBuddy);
    p.Property("Options", &T::Options);
    p.Property("OnClick", &T::OnClick, &T::SetOnClick);
    p.Property("OnKeyPress", &T::OnKeyPress, &T::SetOnKeyPress);
    p.Property("Version", &T::Version, &T::SetVersion).Stored(false);
    p.Property("Handle", &T::Handle);
    p.Property("Tag", &T::Tag, &T::SetTag).Default(0).Stored(&T::TagStored);
}

// A descendant re-publishing Left with a default: it keeps its place.
class TSmallGadget : public TGadget {
    FW_DECLARE_CLASS(TSmallGadget)
public:
    using TGadget::TGadget;
    int Extra() const { return extra_; }
    void SetExtra(int v) { extra_ = v; }

private:
    int extra_ = 0;
};
FW_IMPLEMENT_CLASS(TSmallGadget, TGadget)
FW_PUBLISH(TSmallGadget)
{
    p.Property("Extra", &T::Extra, &T::SetExtra);
    p.Property("Left", &T::Left, &T::SetLeft).Default(0);
}

// A form: registers itself by name, publishes handlers and fields.
class TTestForm : public TComponent {
    FW_DECLARE_CLASS(TTestForm)
public:
    explicit TTestForm(TComponent* owner) : TComponent(owner) { RegisterRoot(this); }

    TGadget* First = nullptr;
    TGadget* Second = nullptr;
    std::vector<std::string> Clicks;

    void FirstClick(TObject* sender) { Clicks.push_back(static_cast<TComponent*>(sender)->Name()); }
    void KeyPressed(TObject*, char& key) { key = 'x'; }
};
FW_IMPLEMENT_CLASS(TTestForm, TComponent)
FW_PUBLISH(TTestForm)
{
    p.Handler("FirstClick", &T::FirstClick);
    p.Handler("KeyPressed", &T::KeyPressed);
    p.Field("First", &T::First);
    p.Field("Second", &T::Second);
}

class PropertiesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gLoadedCount = 0;
        gLoadOrder.clear();
        gLiveGadgets = 0;
    }
    void TearDown() override { EXPECT_EQ(gLiveGadgets, 0) << "a component leaked"; }
};

std::string Form(const std::string& body, const std::string& name = "Form1")
{
    return "object " + name + ": TTestForm\r\n" + body + "end\r\n";
}

TEST_F(PropertiesTest, EveryKindRoundTrips)
{
    const std::string text = Form(
        "  object First: TGadget\r\n"
        "    Left = -7\r\n"
        "    Small = -32768\r\n"
        "    Cursor = crIBeam\r\n"
        "    Checked = True\r\n"
        "    Kind = kkOther\r\n"
        "    Sides = [ksLeft, ksBottom]\r\n"
        "    Hint = 'caf'#233' ''x'''\r\n"
        "    Caption = 'R'#281'cznie '#55357#56832\r\n"
        "    Color = clWindowText\r\n"
        "    Lines = (\r\n"
        "      'cue'\r\n"
        "      ''\r\n"
        "      'z')\r\n"
        "    Buddy = Second\r\n"
        "    Options.Enabled = True\r\n"
        "    OnClick = FirstClick\r\n"
        "    OnKeyPress = KeyPressed\r\n"
        "    Blob = {\r\n"
        "      00FF10}\r\n"
        "  end\r\n"
        "  object Second: TGadget\r\n"
        "    Left = 5\r\n"
        "    Color = 16251903\r\n"
        "    Buddy = First\r\n"
        "    Options.Value = 0\r\n"
        "  end\r\n");
    auto* form = static_cast<TTestForm*>(ReadComponentText(text));
    ASSERT_NE(form->First, nullptr);
    TGadget& g = *form->First;
    EXPECT_EQ(g.Left(), -7);
    EXPECT_EQ(g.Small(), -32768);
    EXPECT_EQ(g.Cursor(), -4);
    EXPECT_TRUE(g.Checked());
    EXPECT_EQ(g.Kind(), kkOther);
    EXPECT_EQ(g.Sides(), (TSides{ksLeft, ksBottom}));
    EXPECT_EQ(g.Hint(), "caf\xE9 'x'");
    EXPECT_EQ(g.Caption(), L"R\u0119cznie \xD83D\xDE00");
    EXPECT_EQ(g.Color(), clWindowText);
    EXPECT_EQ(g.Lines(), (std::vector<std::string>{"cue", "", "z"}));
    EXPECT_EQ(g.Buddy(), form->Second);
    EXPECT_EQ(form->Second->Buddy(), &g);  // a reference back to an earlier component
    EXPECT_TRUE(g.Options()->Enabled());
    EXPECT_EQ(form->Second->Options()->Value(), 0);
    EXPECT_EQ(form->Second->Color(), 16251903);
    EXPECT_EQ(g.Blob(), (std::vector<uint8_t>{0x00, 0xFF, 0x10}));
    ASSERT_TRUE(g.OnClick());
    g.OnClick()(&g);
    EXPECT_EQ(form->Clicks, (std::vector<std::string>{"First"}));
    char key = 'a';
    g.OnKeyPress()(&g, key);
    EXPECT_EQ(key, 'x');

    EXPECT_EQ(WriteComponentText(form), text);
    form->Free();
}

TEST_F(PropertiesTest, DefaultsVersionAndReadOnlyAreNotWritten)
{
    TTestForm form(nullptr);
    form.SetName("Form9");
    auto* g = new TGadget(&form);
    g->SetName("G");
    g->Options()->SetValue(255);
    // Left has no declared default: it is written even at 0. Empty strings,
    // lists, references and events are not; Version and Handle never are.
    EXPECT_EQ(WriteComponentText(&form), Form("  object G: TGadget\r\n    Left = 0\r\n  end\r\n", "Form9"));
    // A handler set from code has no name to store; a stored-when test decides.
    g->SetOnClick([](TObject*) {});
    g->SetTag(7);
    EXPECT_EQ(WriteComponentText(&form), Form("  object G: TGadget\r\n    Left = 0\r\n  end\r\n", "Form9"));
    g->SetTag(8);
    EXPECT_EQ(WriteComponentText(&form),
              Form("  object G: TGadget\r\n    Left = 0\r\n    Tag = 8\r\n  end\r\n", "Form9"));
    g->SetTag(0);
    auto* s = new TSmallGadget(&form);
    s->SetName("S");
    s->SetExtra(3);
    // The redeclared Left keeps its ancestor's place and now has a default.
    EXPECT_EQ(WriteComponentText(&form),
              Form("  object G: TGadget\r\n    Left = 0\r\n  end\r\n"
                   "  object S: TSmallGadget\r\n    Extra = 3\r\n  end\r\n", "Form9"));
    s->SetLeft(2);
    const TDescObject d = DescribeComponent(&form);
    ASSERT_EQ(d.Children[1].Properties.size(), 2u);
    EXPECT_EQ(d.Children[1].Properties[0].Name, "Left");
    EXPECT_EQ(d.Children[1].Properties[1].Name, "Extra");
}

TEST_F(PropertiesTest, ChildrenNestAndLoadedRunsOnceForEachAfterAllIsRead)
{
    const std::string text = Form(
        "  object Outer: TGadget\r\n"
        "    Left = 1\r\n"
        "    Buddy = Later\r\n"
        "    object Inner: TGadget\r\n"
        "      Left = 2\r\n"
        "    end\r\n"
        "  end\r\n"
        "  object Later: TGadget\r\n"
        "    Left = 3\r\n"
        "  end\r\n");
    auto* form = static_cast<TTestForm*>(ReadComponentText(text));
    auto* outer = static_cast<TGadget*>(form->FindComponent("Outer"));
    auto* inner = static_cast<TGadget*>(form->FindComponent("Inner"));
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->Owner(), form);
    EXPECT_EQ(inner->GetParentComponent(), outer);
    EXPECT_EQ(gLoadedCount, 3);
    EXPECT_TRUE(gSetterSawLoading);  // setters can tell a read from a user's change
    EXPECT_EQ(gLoadOrder, (std::vector<std::string>{"Outer", "Inner", "Later"}));
    EXPECT_TRUE(outer->LoadedSawBuddy());  // references are set before Loaded
    for (int i = 0; i < form->ComponentCount(); ++i) {
        EXPECT_FALSE(form->Components(i)->ComponentState().Contains(csLoading));
        EXPECT_FALSE(form->Components(i)->ComponentState().Contains(csReading));
    }
    EXPECT_EQ(WriteComponentText(form), text);
    form->Free();
}

TEST_F(PropertiesTest, FreeingATargetClearsReferencesAndFields)
{
    auto* form = static_cast<TTestForm*>(ReadComponentText(Form(
        "  object First: TGadget\r\n    Left = 0\r\n    Buddy = Second\r\n  end\r\n"
        "  object Second: TGadget\r\n    Left = 0\r\n  end\r\n")));
    TGadget* first = form->First;
    form->Second->Free();
    EXPECT_EQ(form->Second, nullptr);
    EXPECT_EQ(first->Buddy(), nullptr);
    first->Free();
    EXPECT_EQ(form->First, nullptr);
    form->Free();
}

TEST_F(PropertiesTest, CrossFormReferencesResolveInEitherOrderAndClear)
{
    const std::string form1 = Form("  object SkStylist1: TGadget\r\n    Left = 0\r\n  end\r\n", "Form1");
    const std::string form2 = Form(
        "  object First: TGadget\r\n    Left = 0\r\n    Buddy = Form1.SkStylist1\r\n  end\r\n", "Form2");
    for (bool targetFirst : {true, false}) {
        for (bool freeTargetFirst : {true, false}) {
            TTestForm* a = nullptr;
            TTestForm* b = nullptr;
            if (targetFirst) {
                a = static_cast<TTestForm*>(ReadComponentText(form1));
                b = static_cast<TTestForm*>(ReadComponentText(form2));
            } else {
                b = static_cast<TTestForm*>(ReadComponentText(form2));
                EXPECT_EQ(b->First->Buddy(), nullptr);
                EXPECT_EQ(PendingGlobalFixups(), 1);
                a = static_cast<TTestForm*>(ReadComponentText(form1));
            }
            EXPECT_EQ(PendingGlobalFixups(), 0);
            TComponent* stylist = a->FindComponent("SkStylist1");
            ASSERT_EQ(b->First->Buddy(), stylist);
            EXPECT_EQ(WriteComponentText(b), form2);
            if (freeTargetFirst) {
                a->Free();
                EXPECT_EQ(b->First->Buddy(), nullptr);
                EXPECT_EQ(FindRoot("Form1"), nullptr);
                b->Free();
            } else {
                b->Free();
                a->Free();  // the stylist must not call into the freed form
            }
        }
    }
}

TEST_F(PropertiesTest, AWaitingReferenceIsDroppedWhenItsHolderGoes)
{
    auto* b = static_cast<TTestForm*>(ReadComponentText(
        Form("  object First: TGadget\r\n    Left = 0\r\n    Buddy = Form7.X\r\n  end\r\n", "Form2")));
    EXPECT_EQ(PendingGlobalFixups(), 1);
    b->Free();
    EXPECT_EQ(PendingGlobalFixups(), 0);
}

TEST_F(PropertiesTest, ReadsIntoAnExistingRoot)
{
    TTestForm form(nullptr);
    ReadComponentInto(&form, Form("  object First: TGadget\r\n    Left = 9\r\n  end\r\n", "FormX"));
    EXPECT_EQ(form.Name(), "FormX");
    ASSERT_NE(form.First, nullptr);
    EXPECT_EQ(form.First->Left(), 9);
    EXPECT_THROW(ReadComponentInto(&form, "object A: TGadget\r\nend\r\n"), EDescriptionError);
}

struct TBadCase {
    const char* body;
    int line;
    const char* words;
};

TEST_F(PropertiesTest, BadDescriptionsNameLineAndPropertyAndLeaveNothing)
{
    const TBadCase cases[] = {
        {"  object First: TNoSuchClass\r\n  end\r\n", 2, "unknown class TNoSuchClass"},
        {"  object First: TOptions\r\n  end\r\n", 2, "cannot be created"},
        {"  object First: TGadget\r\n    Bogus = 1\r\n  end\r\n", 3, "First.Bogus: unknown property"},
        {"  object First: TGadget\r\n    Options.Bogus = 1\r\n  end\r\n", 3, "unknown property Bogus of TOptions"},
        {"  object First: TGadget\r\n    Left.X = 1\r\n  end\r\n", 3, "unknown property Left"},
        {"  object First: TGadget\r\n    Left = 'x'\r\n  end\r\n", 3, "First.Left: a number expected"},
        {"  object First: TGadget\r\n    Small = 40000\r\n  end\r\n", 3, "out of range"},
        {"  object First: TGadget\r\n    Checked = Yes\r\n  end\r\n", 3, "True or False"},
        {"  object First: TGadget\r\n    Kind = kkNone\r\n  end\r\n", 3, "unknown identifier kkNone"},
        {"  object First: TGadget\r\n    Kind = 3\r\n  end\r\n", 3, "out of range"},
        {"  object First: TGadget\r\n    Sides = [ksMiddle]\r\n  end\r\n", 3, "unknown set member"},
        {"  object First: TGadget\r\n    Color = clNoSuch\r\n  end\r\n", 3, "unknown colour"},
        {"  object First: TGadget\r\n    Color = 5000000000\r\n  end\r\n", 3, "not a colour"},
        {"  object First: TGadget\r\n    Hint = #20013\r\n  end\r\n", 3, "ANSI code page"},
        {"  object First: TGadget\r\n    Lines = 'x'\r\n  end\r\n", 3, "list of strings expected"},
        {"  object First: TGadget\r\n    Buddy = Nobody\r\n  end\r\n", 3, "First.Buddy: unknown component Nobody"},
        {"  object First: TGadget\r\n    Buddy = FormBad\r\n  end\r\n", 3, "TGadget expected"},
        {"  object First: TGadget\r\n    OnClick = NoHandler\r\n  end\r\n", 3, "no published handler"},
        {"  object First: TGadget\r\n    OnClick = KeyPressed\r\n  end\r\n", 3, "does not fit"},
        {"  object First: TGadget\r\n    Options = 1\r\n  end\r\n", 3, "an object"},
        {"  object First: TGadget\r\n    Handle = 1\r\n  end\r\n", 3, "read-only"},
        {"  object First: TGadget\r\n    Blob = 'x'\r\n  end\r\n", 3, "binary data expected"},
        {"  object First: TGadget\r\n  end\r\n  object first: TGadget\r\n  end\r\n", 4, "already exists"},
        {"  object First: TSmallGadget\r\n  end\r\n  object X: TGadget\r\n    Extra = 1\r\n  end\r\n", 5,
         "unknown property"},
        {"  object First: TGadget\r\n    Left = 1\r\n", 5, "ends"},
        {"  object First: TGadget\r\n    Blob = {ABC}\r\n  end\r\n", 3, "odd number"},
        {"  object Second: TSmallGadget\r\n  end\r\n  object First: TOptions\r\n  end\r\n", 4,
         "cannot be created"},
        {"  object A: TGadget\r\n  end\r\n  object First: TTestForm\r\n  end\r\n", 4,
         "field First of TTestForm holds a TGadget, not a TTestForm"},
    };
    for (const TBadCase& c : cases) {
        TTestForm form(nullptr);
        try {
            ReadComponentInto(&form, Form(c.body, "FormBad"));
            ADD_FAILURE() << "no error for " << c.body;
        } catch (const EDescriptionError& e) {
            EXPECT_EQ(e.Line(), c.line) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.words), std::string::npos) << e.what();
        }
        // Nothing half-built is left behind.
        EXPECT_EQ(form.ComponentCount(), 0) << c.body;
        EXPECT_EQ(gLiveGadgets, 0) << c.body;
        EXPECT_EQ(form.Second, nullptr) << c.body;
        EXPECT_EQ(form.First, nullptr) << c.body;
        EXPECT_FALSE(form.ComponentState().Contains(csLoading));
    }
    EXPECT_THROW(ReadComponentText("object A: TNoSuch\r\nend\r\n"), EDescriptionError);
    EXPECT_EQ(FindRoot("FormBad"), nullptr);
}

TEST_F(PropertiesTest, AFailedCreateReadFreesTheRootToo)
{
    EXPECT_THROW(ReadComponentText(Form("  Bogus = 1\r\n", "FormGone")), EDescriptionError);
    EXPECT_EQ(FindRoot("FormGone"), nullptr);
}

TEST_F(PropertiesTest, ARegisteredPropertyTableIsInheritedAndFoundIgnoringCase)
{
    const TPropertyInfo* left = FindPublishedProperty(TSmallGadget::StaticClass(), "LEFT");
    ASSERT_NE(left, nullptr);
    EXPECT_TRUE(left->Default.has_value());
    EXPECT_FALSE(FindPublishedProperty(TGadget::StaticClass(), "Left")->Default.has_value());
    EXPECT_NE(FindPublishedProperty(TSmallGadget::StaticClass(), "OnClick"), nullptr);
    EXPECT_EQ(FindPublishedProperty(TGadget::StaticClass(), "Extra"), nullptr);
    EXPECT_TRUE(FindPublishedProperty(TGadget::StaticClass(), "Handle")->ReadOnly());
    EXPECT_NE(FindPublishedHandler(TTestForm::StaticClass(), "firstclick"), nullptr);
}

} // namespace
