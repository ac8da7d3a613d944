// The window hook over real forms: the order of the before and after passes
// for several hooks, what a handled message skips, hooking again after the
// form's window is re-created, letting go with and without another party on
// top, and the option groups the skinned form streams.
#include "framework/components/reader.h"
#include "framework/components/writer.h"
#include "framework/forms/application.h"
#include "styling/forms/skcustomform.h"
#include "styling/forms/skhook.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr UINT Watched = WM_APP + 7;
using Log = std::vector<std::string>;

// A form that notes when its own procedure sees the watched message (and
// WM_DESTROY and WM_QUIT, which tests send to it).
class TLoggingForm : public TForm {
public:
    using TForm::TForm;
    Log* log = nullptr;
    void Dispatch(TMessage& message) override
    {
        if (log && (message.Msg == Watched || message.Msg == WM_DESTROY || message.Msg == WM_QUIT))
            log->push_back("form");
        TForm::Dispatch(message);
    }
};

// A hook that notes both passes for the messages a test watches, and
// consumes or throws on them when told to.
class TLoggingHook : public TSkHook {
public:
    TLoggingHook(TWinControl* form, std::string name, Log& log, UINT watch = Watched)
        : TSkHook(form), name_(std::move(name)), log_(log), watch_(watch)
    {
        SetControl(form);
    }
    bool consume = false, raise = false;

    void BeforeMessage(TMessage& message, bool& handled) override
    {
        if (message.Msg == watch_)
            log_.push_back(name_ + " before");
        TSkHook::BeforeMessage(message, handled);
    }
    void AfterMessage(TMessage& message, bool&) override
    {
        if (message.Msg == watch_)
            log_.push_back(name_ + " after");
    }

protected:
    void HandleMessage(TMessage& message) override
    {
        if (message.Msg != watch_)
            return;
        if (raise)
            throw std::runtime_error("hook failed");
        if (consume)
            SetHandled();
    }

private:
    std::string name_;
    Log& log_;
    UINT watch_;
};

struct HookedForm {
    Owned<TLoggingForm> form = NewForm<TLoggingForm>();
    Log log;
    TLoggingHook* first;
    TLoggingHook* second;
    explicit HookedForm(UINT watch = Watched)
    {
        form->log = &log;
        first = new TLoggingHook(form.get(), "first", log, watch);
        second = new TLoggingHook(form.get(), "second", log, watch);
    }
    HWND Window() { return form->Handle(); }
};

WNDPROC ProcOf(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

// Another party that subclasses a window the usual way and counts.
WNDPROC thirdPartyNext = nullptr;
int thirdPartyCalls = 0;
LRESULT CALLBACK ThirdParty(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    thirdPartyCalls += msg == Watched;
    return CallWindowProcA(thirdPartyNext, window, msg, wParam, lParam);
}

TEST(SkHook, AHandledMessageStopsThereExceptDestroyAndQuitSkipsTheBeforePass)
{
    {
        HookedForm f;
        f.second->consume = true;
        SendMessageA(f.Window(), Watched, 0, 0);
        // The after pass starts handled: only the last attached hears of it.
        EXPECT_EQ(f.log, (Log{"second before", "second after"}));
    }
    {
        HookedForm f(WM_DESTROY);
        f.second->consume = true;
        f.Window();
        f.form->SetBorderStyle(bsSingle);  // destroys the window and makes a new one
        EXPECT_EQ(f.log, (Log{"second before", "form", "second after"}));
    }
    {
        HookedForm f(WM_QUIT);
        SendMessageA(f.Window(), WM_QUIT, 0, 0);
        EXPECT_EQ(f.log, (Log{"form", "second after", "first after"}));
    }
}

// The last attached sees each message first in both passes; one that throws
// is reported and the others still run.
TEST(SkHook, HooksRunLastAttachedFirstAndAThrowingOneIsReported)
{
    HookedForm f;
    ASSERT_EQ(ProcOf(f.Window()), TControlHook::NewWndProc());
    ASSERT_EQ(f.first->ControlHook(), f.second->ControlHook());  // one control hook for both
    f.second->raise = true;
    std::vector<std::string> reported;
    Application->OnException = [&](TObject*, const std::exception& e) { reported.push_back(e.what()); };
    SendMessageA(f.Window(), Watched, 0, 0);
    Application->OnException = nullptr;
    EXPECT_EQ(reported, (std::vector<std::string>{"hook failed"}));
    EXPECT_EQ(f.log, (Log{"second before", "first before", "form", "second after", "first after"}));
}

TEST(SkHook, ARecreatedWindowIsHookedAgainOnceTheRequestArrives)
{
    HookedForm f;
    HWND old = f.Window();
    f.form->SetBorderStyle(bsToolWindow);
    HWND fresh = f.Window();
    ASSERT_NE(old, fresh);
    // Until the posted request runs, the new window goes unhooked.
    EXPECT_NE(ProcOf(fresh), TControlHook::NewWndProc());
    PumpFor(20);
    EXPECT_EQ(ProcOf(fresh), TControlHook::NewWndProc());
    f.log.clear();
    SendMessageA(fresh, Watched, 0, 0);
    // Nothing lost, nothing twice.
    EXPECT_EQ(f.log, (Log{"second before", "first before", "form", "second after", "first after"}));
}

TEST(SkHook, LettingGoRestoresThePreviousProcedureOrLeavesAThirdPartysInPlace)
{
    HookedForm f;
    delete f.second;
    HWND window = f.Window();
    f.first->SetActive(false);
    const WNDPROC own = ProcOf(window);
    ASSERT_NE(own, TControlHook::NewWndProc());
    f.first->SetActive(true);
    f.first->SetActive(false);
    EXPECT_EQ(ProcOf(window), own);

    // Now somebody subclasses on top of the hook before it lets go.
    f.first->SetActive(true);
    thirdPartyNext = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ThirdParty)));
    f.first->SetActive(false);
    EXPECT_EQ(ProcOf(window), ThirdParty);
    thirdPartyCalls = 0;
    f.log.clear();
    SendMessageA(window, Watched, 0, 0);
    EXPECT_EQ(thirdPartyCalls, 1);
    EXPECT_EQ(f.log, (Log{"form"}));

    // Attaching again under the other party: every message once.
    f.first->SetActive(true);
    f.log.clear();
    SendMessageA(window, Watched, 0, 0);
    EXPECT_EQ(thirdPartyCalls, 2);
    EXPECT_EQ(f.log, (Log{"first before", "form", "first after"}));
    f.first->SetActive(false);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thirdPartyNext));
}

TEST(SkHook, FormsFreedWithHooksAttachedLeaveNothingBehind)
{
    // Also with the skinned frame, whose window is re-created on attach.
    const TGuiCounts grown = GuiGrowth(
        [] {
            HookedForm f;
            auto* skin = new TSkCustomForm(f.form.get());
            skin->Loaded();
            PumpFor(0);
        },
        1000);
    EXPECT_EQ(grown, (TGuiCounts{0, 0}));
    // Freed control hooks are gone from the list.
    THookList* list = THookList::Instance(false);
    ASSERT_NE(list, nullptr);
    PumpFor(10);
    EXPECT_LE(list->Count(), 1);
}

std::string WriteOptions(const TSkShadow& s, const TSkGravitation& g, const TSkAnimation& a)
{
    return std::to_string(s.Enabled()) + std::to_string(s.Size()) + std::to_string(g.Size()) +
           std::to_string(a.Time()) + std::to_string(a.Resolution()) + std::to_string(a.TileCount());
}

// The option groups: defaults, clamping and change notification, as a
// table of (setter, value, what is stored).
TEST(SkFormOptions, ValuesAreClampedAndEveryChangeIsAnnounced)
{
    struct Case {
        const char* what;
        std::function<int(TSkShadow&, TSkGravitation&, TSkAnimation&)> set;
        int stored;
    };
    const Case cases[] = {
        {"Shadow.Size 25", [](auto& s, auto&, auto&) { s.SetSize(25); return s.Size(); }, 20},
        {"Shadow.Size 20", [](auto& s, auto&, auto&) { s.SetSize(20); return s.Size(); }, 20},
        {"Shadow.Size 0", [](auto& s, auto&, auto&) { s.SetEnabled(true); s.SetSize(0); return s.Size() * 10 + s.Enabled(); }, 0},
        {"Shadow.Size -3", [](auto& s, auto&, auto&) { s.SetSize(-3); return s.Size(); }, -3},
        {"Gravitation.Size 0", [](auto&, auto& g, auto&) { g.SetSize(0); return g.Size(); }, 1},
        {"Gravitation.Size 2", [](auto&, auto& g, auto&) { g.SetSize(2); return g.Size(); }, 2},
        {"Gravitation.Size 60", [](auto&, auto& g, auto&) { g.SetSize(60); return g.Size(); }, 50},
        {"Animation.Time 10", [](auto&, auto&, auto& a) { a.SetTime(10); return a.Time(); }, 50},
        {"Animation.Time 51", [](auto&, auto&, auto& a) { a.SetTime(51); return a.Time(); }, 51},
        {"Animation.Time 10000", [](auto&, auto&, auto& a) { a.SetTime(10000); return a.Time(); }, 9000},
        {"Animation.Resolution 0", [](auto&, auto&, auto& a) { a.SetResolution(0); return a.Resolution(); }, 1},
        {"Animation.Resolution 11", [](auto&, auto&, auto& a) { a.SetResolution(11); return a.Resolution(); }, 10},
        {"Animation.TileCount 0", [](auto&, auto&, auto& a) { a.SetTileCount(0); return a.TileCount(); }, 1},
        {"Animation.TileCount 25", [](auto&, auto&, auto& a) { a.SetTileCount(25); return a.TileCount(); }, 20},
    };
    for (const Case& c : cases) {
        TSkShadow shadow;
        TSkGravitation gravitation;
        TSkAnimation animation;
        int changes = 0;
        for (TSkOptions* o : std::initializer_list<TSkOptions*>{&shadow, &gravitation, &animation})
            o->OnChange = [&] { ++changes; };
        const std::string before = WriteOptions(shadow, gravitation, animation);
        EXPECT_EQ(c.set(shadow, gravitation, animation), c.stored) << c.what;
        // Announced exactly when something was stored.
        EXPECT_EQ(changes > 0, WriteOptions(shadow, gravitation, animation) != before) << c.what;
    }

    // Defaults, and a copy that carries every field and announces itself.
    TSkAnimation source, copy;
    EXPECT_EQ(std::make_tuple(source.Enabled(), source.Time(), source.Effect(), source.Direction()),
              std::make_tuple(false, 400, keFade, kdNone));
    source.SetEnabled(true);
    source.SetTime(700);
    source.SetTileCount(3);
    source.SetEffect(keDiamondIn);
    source.SetDirection(kdRotate90);
    int changes = 0;
    copy.OnChange = [&] { ++changes; };
    copy.Assign(&source);
    EXPECT_EQ(std::make_tuple(copy.Enabled(), copy.Time(), copy.TileCount(), copy.Effect(), copy.Direction()),
              std::make_tuple(true, 700, 3, keDiamondIn, kdRotate90));
    EXPECT_EQ(changes, 1);
    TSkDragging dragging;
    EXPECT_THROW(dragging.Assign(&source), EConvertError);

    // The menu group copies its three objects and announces once per setter.
    TSkPopupMenuOptions menu, other;
    other.Shadow()->SetEnabled(true);
    other.Animation()->SetTime(1000);
    int menuChanges = 0;
    menu.OnChange = [&] { ++menuChanges; };
    menu.Assign(&other);
    menu.SetBlending(other.Blending());
    EXPECT_TRUE(menu.Shadow()->Enabled());
    EXPECT_EQ(menu.Animation()->Time(), 1000);
    EXPECT_EQ(menuChanges, 2);
    TSkFormOptions formOptions;
    EXPECT_THROW(formOptions.Assign(&menu), EConvertError);
}

TEST(SkFormOptions, TheSkinnedFormStreamsThemAsNestedProperties)
{
    FormPtr form = NewForm();
    auto* skin = new TSkCustomForm(form.get());
    skin->SetName("SkForm1");
    skin->Dragging()->SetSizeable(false);
    skin->Animation()->SetEnabled(true);
    skin->Gravitation()->SetSize(60);
    skin->SetBorderStyle(kbsToolWindow);
    const std::string text = WriteComponentText(form.get());
    for (const char* line : {"Dragging.Sizeable = False", "Animation.Enabled = True",
                             "Gravitation.Size = 50", "BorderStyle = kbsToolWindow"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    // Defaults are not written.
    EXPECT_EQ(text.find("Dragging.Moveable"), std::string::npos);
    EXPECT_EQ(text.find("Version"), std::string::npos);

    FormPtr copy = NewForm();
    ReadComponentInto(copy.get(), text);
    auto* read = dynamic_cast<TSkCustomForm*>(copy->FindComponent("SkForm1"));
    ASSERT_NE(read, nullptr);
    EXPECT_FALSE(read->Dragging()->Sizeable());
    EXPECT_TRUE(read->Animation()->Enabled());
    EXPECT_EQ(read->Gravitation()->Size(), 50);
    EXPECT_EQ(read->BorderStyle(), kbsToolWindow);
}

} // namespace
