// Actions: one command (its caption, checks and handler) shared by the menu
// items and buttons that link to it. An action tells its links of every
// change; a link leaves the action when its client goes, and the action
// drops its links when it goes itself. Actions stream as components, nested
// in their action list.
#pragma once

#include "framework/base/events.h"
#include "framework/components/component.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A key code in the low byte with the modifier bits below.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

class TBasicAction;
class TActionList;

// A client's end of the tie to an action.
class TBasicActionLink {
public:
    TBasicActionLink() = default;
    TBasicActionLink(const TBasicActionLink&) = delete;
    TBasicActionLink& operator=(const TBasicActionLink&) = delete;
    virtual ~TBasicActionLink();

    TBasicAction* Action() const { return action_; }
    // Leaves the previous action; a new one is announced through ActionChanged.
    void SetAction(TBasicAction* action);

protected:
    // The action's state changed, or the action was just linked.
    virtual void ActionChanged() {}
    // The action is going; the link is already empty.
    virtual void ActionFreed(TBasicAction*) {}

private:
    friend class TBasicAction;
    TBasicAction* action_ = nullptr;
};

// The action's execute handler as a client's OnClick carries it. Handlers
// cannot be compared, so a client that takes its action's handler takes
// this one, which calls whatever the action's OnExecute is at the time;
// IsActionExecuteHandler tells it from a handler of the client's own.
TNotifyEvent ActionExecuteHandler(TBasicAction* action);
// True when handler came from ActionExecuteHandler (for action, when given).
bool IsActionExecuteHandler(const TNotifyEvent& handler, const TBasicAction* action = nullptr);

class TBasicAction : public TComponent {
    FW_DECLARE_CLASS(TBasicAction)
public:
    explicit TBasicAction(TComponent* owner);
    ~TBasicAction() override;
    void BeforeDestruction() override;

    // Runs OnExecute with the action as sender; false when nothing ran.
    virtual bool Execute();
    // Tells every link that the action's state changed.
    void Change();
    int LinkCount() const { return int(links_.size()); }

    TNotifyEvent OnExecute;

private:
    friend class TBasicActionLink;
    std::vector<TBasicActionLink*> links_;
};

// The state its clients show: set here, it shows in every linked item.
class TAction : public TBasicAction {
    FW_DECLARE_CLASS(TAction)
public:
    explicit TAction(TComponent* owner);
    ~TAction() override;
    void BeforeDestruction() override;

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& value) { Update(caption_, value); }
    bool Checked() const { return checked_; }
    void SetChecked(bool value) { Update(checked_, value); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { Update(enabled_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Update(visible_, value); }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut value) { Update(shortCut_, value); }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { Update(hint_, value); }
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int value) { Update(helpContext_, value); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value) { Update(imageIndex_, value); }

    // The list the action belongs to; the list's OnExecute sees it first.
    TActionList* ActionList() const { return list_; }
    void SetActionList(TActionList* value);
    int Index() const;

    // A disabled action does nothing. The list's OnExecute may handle the
    // action; otherwise OnExecute runs.
    bool Execute() override;

    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

private:
    template <typename V>
    void Update(V& field, const V& value)
    {
        if (field == value)
            return;
        field = value;
        Change();
    }

    std::wstring caption_;
    std::string hint_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    TShortCut shortCut_ = 0;
    int helpContext_ = 0;
    int imageIndex_ = -1;
    TActionList* list_ = nullptr;
};

// Handled set by a list's OnExecute stops the action's own handler.
using TActionEvent = std::function<void(TBasicAction* action, bool& handled)>;

// Groups actions. The actions are the form's components (named and freed
// with it); a list that goes frees the actions still in it.
class TActionList : public TComponent {
    FW_DECLARE_CLASS(TActionList)
public:
    explicit TActionList(TComponent* owner);
    ~TActionList() override;
    void BeforeDestruction() override;

    int ActionCount() const { return int(actions_.size()); }
    TAction* Actions(int index) const { return actions_.at(size_t(index)); }

    // True when OnExecute handled action.
    bool ExecuteAction(TBasicAction* action);

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

    TActionEvent OnExecute;

private:
    friend class TAction;
    std::vector<TAction*> actions_;
};
