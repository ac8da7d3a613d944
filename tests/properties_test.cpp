// Published properties through the description reader and writer.
#include "framework/base/events.h"
#include "framework/components/properties.h"
#include "framework/components/reader.h"
#include "framework/components/roots.h"
#include "framework/components/writer.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

enum TKind { kkPlain, kkFancy, kkOther };
enum TSide { ksLeft, ksTop, ksRight, ksBottom };
using TSides = TSet<TSide>;

std::vector<std::string> gLoadOrder;
int gLiveGadgets = 0;
bool gSetterSawLoading = false;

// A stored value with its getter and setter.
#define TEST_VALUE(Type, Name, Initial)                                         \
public:                                                                         \
    Type Name() const { return Name##_; }                                       \
    void Set##Name(Type value) { Name##_ = value; }                             \
private:                                                                        \
    Type Name##_ = Initial;

// A nested option object, owned by its component.
class TOptions : public TPersistent {
    FW_DECLARE_CLASS(TOptions)
    TEST_VALUE(bool, Enabled, false)
};
FW_IMPLEMENT_CLASS(TOptions, TPersistent)
FW_PUBLISH(TOptions)
{
    p.Property("Enabled", &T::Enabled, &T::SetEnabled).Default(false);
}

// One property of every kind, plus binary data.
class TGadget : public TComponent {
    FW_DECLARE_CLASS(TGadget)
public:
    explicit TGadget(TComponent* owner) : TComponent(owner) { ++gLiveGadgets; }
    ~TGadget() override { --gLiveGadgets; }

    TOptions* Options() const { return &options_; }
    int Handle() const { return 42; }
    bool TagStored() const { return Tag() != 7; }
    TKeyPressEvent OnKeyPress;
    bool LoadedSawBuddy = false;

    void DefineProperties(TFiler* filer) override
    {
        TComponent::DefineProperties(filer);
        filer->DefineBinaryProperty(
            "Blob",
            [this](const std::vector<uint8_t>& data) {
                SetBlob(data);
                // Setters can tell a read from a user's change.
                gSetterSawLoading = ComponentState().Contains(csLoading) && ComponentState().Contains(csReading);
            },
            [this] { return Blob(); }, !Blob().empty());
    }
    void Loaded() override
    {
        TComponent::Loaded();
        gLoadOrder.push_back(Name());
        LoadedSawBuddy = Buddy() != nullptr;
    }
    // Nesting: a gadget may sit in another one.
    TComponent* GetParentComponent() const override { return parent_; }
    void SetParentComponent(TComponent* p) override { parent_ = p == Owner() ? nullptr : p; }

    TEST_VALUE(int, Left, 0)
    TEST_VALUE(short, Small, 0)
    TEST_VALUE(bool, Checked, false)
    TEST_VALUE(TKind, Kind, kkPlain)
    TEST_VALUE(TSides, Sides, {})
    TEST_VALUE(std::string, Hint, "")
    TEST_VALUE(std::wstring, Caption, L"")
    TEST_VALUE(TColor, Color, clBtnFace)
    TEST_VALUE(std::vector<std::string>, Lines, {})
    TEST_VALUE(TGadget*, Buddy, nullptr)
    TEST_VALUE(TNotifyEvent, OnClick, nullptr)
    TEST_VALUE(int, Tag, 0)
    TEST_VALUE(std::vector<uint8_t>, Blob, {})
private:
    mutable TOptions options_;
    TComponent* parent_ = nullptr;
};
FW_IMPLEMENT_CLASS(TGadget, TComponent)
FW_PUBLISH(TGadget)
{
    p.Property("Left", &T::Left, &T::SetLeft);
    p.Property("Small", &T::Small, &T::SetSmall).Default(0);
    p.Property("Checked", &T::Checked, &T::SetChecked).Default(false);
    p.Enum("Kind", &T::Kind, &T::SetKind, {"kkPlain", "kkFancy", "kkOther"}).Default(kkPlain);
    p.Set("Sides", &T::Sides, &T::SetSides, {"ksLeft", "ksTop", "ksRight", "ksBottom"}).Default(TSides{});
    p.Property("Hint", &T::Hint, &T::SetHint);
    p.Property("Caption", &T::Caption, &T::SetCaption);
    p.Color("Color", &T::Color, &T::SetColor).Default(clBtnFace);
    p.Property("Lines", &T::Lines, &T::SetLines);
    p.Property("Buddy", &T::Buddy, &T::SetBuddy);
    p.Property("Options", &T::Options);
    p.Property("OnClick", &T::OnClick, &T::SetOnClick);
    p.Event("OnKeyPress", &T::OnKeyPress);
    p.Property("Handle", &T::Handle);
    p.Property("Tag", &T::Tag, &T::SetTag).Default(0).Stored(&T::TagStored);
}

// A descendant re-publishing Left with a default: it keeps its place.
class TSmallGadget : public TGadget {
    FW_DECLARE_CLASS(TSmallGadget)
public:
    using TGadget::TGadget;
    TEST_VALUE(int, Extra, 0)
};
FW_IMPLEMENT_CLASS(TSmallGadget, TGadget)
FW_PUBLISH(TSmallGadget)
{
    p.Property("Extra", &T::Extra, &T::SetExtra).Default(0);
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
    void TearDown() override { EXPECT_EQ(gLiveGadgets, 0) << "a component leaked"; }
};

std::string Form(const std::string& body, const std::string& name = "Form1")
{
    return "object " + name + ": TTestForm\r\n" + body + "end\r\n";
}

TTestForm* Read(const std::string& text)
{
    return static_cast<TTestForm*>(ReadComponentText(text));
}

TEST_F(PropertiesTest, EveryKindRoundTripsAndLoadedRunsAfterAllIsRead)
{
    const std::string text = Form(
        "  object First: TGadget\r\n"
        "    Left = -7\r\n"
        "    Small = -32768\r\n"
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
        "    object Inner: TGadget\r\n"
        "      Left = 0\r\n"
        "    end\r\n"
        "  end\r\n"
        // The redeclared Left keeps its ancestor's place.
        "  object Second: TSmallGadget\r\n"
        "    Left = 5\r\n"
        "    Buddy = First\r\n"
        "    Extra = 3\r\n"
        "  end\r\n"
        "  object Third: TSmallGadget\r\n"
        "  end\r\n");
    TTestForm* form = Read(text);
    ASSERT_NE(form->First, nullptr);
    TGadget& g = *form->First;
    EXPECT_EQ(std::make_tuple(g.Left(), g.Small(), g.Checked(), g.Kind(), g.Color()),
              std::make_tuple(-7, short(-32768), true, kkOther, clWindowText));
    EXPECT_EQ(g.Sides(), (TSides{ksLeft, ksBottom}));
    EXPECT_EQ(g.Hint(), "caf\xE9 'x'");
    EXPECT_EQ(g.Caption(), L"R\u0119cznie \xD83D\xDE00");
    EXPECT_EQ(g.Lines(), (std::vector<std::string>{"cue", "", "z"}));
    EXPECT_EQ(g.Buddy(), form->Second);
    EXPECT_EQ(form->Second->Buddy(), &g);  // a reference back to an earlier component
    EXPECT_TRUE(g.Options()->Enabled());
    EXPECT_EQ(g.Blob(), (std::vector<uint8_t>{0x00, 0xFF, 0x10}));
    ASSERT_TRUE(g.OnClick());
    g.OnClick()(&g);
    EXPECT_EQ(form->Clicks, (std::vector<std::string>{"First"}));
    char key = 'a';
    g.OnKeyPress(&g, key);
    EXPECT_EQ(key, 'x');
    auto* inner = static_cast<TGadget*>(form->FindComponent("Inner"));
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->GetParentComponent(), &g);
    // Defaults are not written, nor read-only Handle, but Left is, having
    // none, unless a class redeclares it with one; as read, so written.
    EXPECT_EQ(WriteComponentText(form), text);
    // Nor a handler set from code, nor what a stored-when test refuses.
    form->Second->SetOnClick([](TObject*) {});
    g.SetTag(7);
    EXPECT_EQ(WriteComponentText(form), text);
    g.SetTag(8);
    EXPECT_NE(WriteComponentText(form).find("    Tag = 8\r\n"), std::string::npos);

    // Setters can tell a read from a user's change; Loaded comes once for
    // each, after every reference is set, and the flags are gone then.
    EXPECT_TRUE(gSetterSawLoading);
    EXPECT_EQ(gLoadOrder, (std::vector<std::string>{"First", "Inner", "Second", "Third"}));
    EXPECT_TRUE(g.LoadedSawBuddy);
    for (int i = 0; i < form->ComponentCount(); ++i)
        EXPECT_TRUE((form->Components(i)->ComponentState() * TComponentState{csLoading, csReading}).Empty());

    // Freeing a target clears the references and fields that named it.
    form->Second->Free();
    EXPECT_TRUE(!g.Buddy() && !form->Second);
    form->Free();
}

TEST_F(PropertiesTest, CrossFormReferencesResolveInEitherOrderAndClear)
{
    const std::string form1 = Form("  object SkStylist1: TGadget\r\n    Left = 0\r\n  end\r\n", "Form1");
    const std::string form2 =
        Form("  object First: TGadget\r\n    Left = 0\r\n    Buddy = Form1.SkStylist1\r\n  end\r\n", "Form2");
    for (int order = 0; order < 4; ++order) {
        SCOPED_TRACE(order);
        TTestForm* a = order & 1 ? Read(form1) : nullptr;
        TTestForm* b = Read(form2);
        EXPECT_EQ(PendingGlobalFixups(), a ? 0 : 1);
        a = a ? a : Read(form1);
        EXPECT_EQ(PendingGlobalFixups(), 0);
        ASSERT_EQ(b->First->Buddy(), a->FindComponent("SkStylist1"));
        EXPECT_EQ(WriteComponentText(b), form2);
        if (order & 2) {
            a->Free();
            EXPECT_EQ(b->First->Buddy(), nullptr);
            EXPECT_EQ(FindRoot("Form1"), nullptr);
        }
        b->Free();
        if (!(order & 2))
            a->Free();  // the target must not call into the freed form
    }
    // A reference still waiting goes with its holder.
    Read(Form("  object First: TGadget\r\n    Left = 0\r\n    Buddy = Form7.X\r\n  end\r\n", "Form2"))->Free();
    EXPECT_EQ(PendingGlobalFixups(), 0);
}

TEST_F(PropertiesTest, BadDescriptionsNameLineAndPropertyAndLeaveNothing)
{
    // Properties of First: TGadget, or whole objects; the line; the words.
    const std::tuple<std::string, int, const char*> cases[] = {
        {"  object First: TNoSuchClass\r\n", 2, "unknown class TNoSuchClass"},
        {"  object First: TOptions\r\n", 2, "cannot be created"},
        {"Bogus = 1", 3, "First.Bogus: unknown property"},
        {"Options.Bogus = 1", 3, "unknown property Bogus of TOptions"},
        {"Left.X = 1", 3, "unknown property Left"},
        {"Left = 'x'", 3, "First.Left: a number expected"},
        {"Small = 40000", 3, "out of range"},
        {"Checked = Yes", 3, "True or False"},
        {"Kind = kkNone", 3, "unknown identifier kkNone"},
        {"Kind = 3", 3, "out of range"},
        {"Sides = [ksMiddle]", 3, "unknown set member"},
        {"Color = clNoSuch", 3, "unknown colour"},
        {"Color = 5000000000", 3, "not a colour"},
        {"Hint = #20013", 3, "ANSI code page"},
        {"Lines = 'x'", 3, "list of strings expected"},
        {"Buddy = Nobody", 3, "First.Buddy: unknown component Nobody"},
        {"Buddy = FormBad", 3, "TGadget expected"},
        {"OnClick = NoHandler", 3, "no published handler"},
        {"OnClick = KeyPressed", 3, "does not fit"},
        {"Options = 1", 3, "an object"},
        {"Handle = 1", 3, "read-only"},
        {"Blob = 'x'", 3, "binary data expected"},
        {"  object First: TGadget\r\n  end\r\n  object first: TGadget\r\n", 4, "already exists"},
        {"  object First: TSmallGadget\r\n  end\r\n  object X: TGadget\r\n    Extra = 1\r\n", 5,
         "unknown property"},
        {"  object A: TGadget\r\n  end\r\n  object First: TTestForm\r\n", 4,
         "field First of TTestForm holds a TGadget, not a TTestForm"},
    };
    for (const auto& [body, line, words] : cases) {
        SCOPED_TRACE(body);
        const bool objects = body.rfind("  object", 0) == 0;
        TTestForm form(nullptr);
        try {
            ReadComponentInto(&form, Form(objects ? body + "  end\r\n"
                                                  : "  object First: TGadget\r\n    " + body + "\r\n  end\r\n",
                                          "FormBad"));
            ADD_FAILURE() << "no error";
        } catch (const EDescriptionError& e) {
            EXPECT_EQ(e.Line(), line) << e.what();
            EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
        }
        // Nothing half-built is left behind.
        EXPECT_EQ(form.ComponentCount(), 0);
        EXPECT_EQ(gLiveGadgets, 0);
        EXPECT_EQ(form.First, nullptr);
        EXPECT_FALSE(form.ComponentState().Contains(csLoading));
    }
    TTestForm form(nullptr);
    EXPECT_THROW(ReadComponentInto(&form, "object A: TGadget\r\nend\r\n"), EDescriptionError);
    EXPECT_THROW(ReadComponentInto(&form, Form("  object First: TGadget\r\n    Left = 1\r\n")), EDescriptionError);
    // A root created by a failed read is freed too.
    EXPECT_THROW(ReadComponentText(Form("  Bogus = 1\r\n", "FormGone")), EDescriptionError);
    EXPECT_TRUE(!FindRoot("FormGone") && !FindRoot("FormBad"));
}

} // namespace
