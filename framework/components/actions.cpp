#include "framework/components/actions.h"

#include "framework/components/properties.h"

#include <algorithm>

FW_IMPLEMENT_CLASS(TBasicAction, TComponent)
FW_PUBLISH(TBasicAction)
{
    p.Event("OnExecute", &T::OnExecute);
}

FW_IMPLEMENT_CLASS(TAction, TBasicAction)
FW_PUBLISH(TAction)
{
    p.Property("Caption", &T::Caption, &T::SetCaption);
    p.Property("Checked", &T::Checked, &T::SetChecked).Default(false);
    p.Property("Enabled", &T::Enabled, &T::SetEnabled).Default(true);
    p.Property("HelpContext", &T::HelpContext, &T::SetHelpContext).Default(0);
    p.Property("Hint", &T::Hint, &T::SetHint);
    p.Property("ImageIndex", &T::ImageIndex, &T::SetImageIndex).Default(-1);
    p.Property("ShortCut", &T::ShortCut, &T::SetShortCut).Default(0);
    p.Property("Visible", &T::Visible, &T::SetVisible).Default(true);
}

FW_IMPLEMENT_CLASS(TActionList, TComponent)
FW_PUBLISH(TActionList)
{
    p.Event("OnExecute", &T::OnExecute);
}

namespace {

// Recognisable by its type: see ActionExecuteHandler.
struct TActionExecute {
    TBasicAction* Action;
    void operator()(TObject* sender) const
    {
        if (Action->OnExecute)
            Action->OnExecute(sender);
    }
};

template <typename T>
void Unlist(std::vector<T*>& list, T* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

TNotifyEvent ActionExecuteHandler(TBasicAction* action)
{
    return TActionExecute{action};
}

bool IsActionExecuteHandler(const TNotifyEvent& handler, const TBasicAction* action)
{
    const auto* execute = handler.target<TActionExecute>();
    return execute && (!action || execute->Action == action);
}

TBasicActionLink::~TBasicActionLink()
{
    SetAction(nullptr);
}

void TBasicActionLink::SetAction(TBasicAction* action)
{
    if (action == action_)
        return;
    if (action_)
        Unlist(action_->links_, this);
    action_ = action;
    if (action_) {
        action_->links_.push_back(this);
        ActionChanged();
    }
}

TBasicAction::TBasicAction(TComponent* owner) : TComponent(owner) {}

TBasicAction::~TBasicAction()
{
    BeforeDestruction();
}

void TBasicAction::BeforeDestruction()
{
    // Each client drops the action before anything else hears it went.
    while (!links_.empty()) {
        TBasicActionLink* link = links_.back();
        links_.pop_back();
        link->action_ = nullptr;
        link->ActionFreed(this);
    }
    TComponent::BeforeDestruction();
}

bool TBasicAction::Execute()
{
    if (!OnExecute)
        return false;
    OnExecute(this);
    return true;
}

void TBasicAction::Change()
{
    // Copy: a client may drop its link while it hears of the change.
    const std::vector<TBasicActionLink*> links = links_;
    for (TBasicActionLink* link : links)
        if (std::find(links_.begin(), links_.end(), link) != links_.end())
            link->ActionChanged();
}

TAction::TAction(TComponent* owner) : TBasicAction(owner) {}

TAction::~TAction()
{
    BeforeDestruction();
}

void TAction::BeforeDestruction()
{
    SetActionList(nullptr);
    TBasicAction::BeforeDestruction();
}

void TAction::SetActionList(TActionList* value)
{
    if (value == list_)
        return;
    if (list_)
        Unlist(list_->actions_, this);
    list_ = value;
    if (list_)
        list_->actions_.push_back(this);
}

int TAction::Index() const
{
    if (!list_)
        return -1;
    const auto& actions = list_->actions_;
    return int(std::find(actions.begin(), actions.end(), this) - actions.begin());
}

bool TAction::Execute()
{
    if (!enabled_)
        return false;
    if (list_ && list_->ExecuteAction(this))
        return true;
    return TBasicAction::Execute();
}

TComponent* TAction::GetParentComponent() const
{
    return list_;
}

void TAction::SetParentComponent(TComponent* parent)
{
    auto* list = dynamic_cast<TActionList*>(parent);
    if (!list && parent && parent != Owner())
        throw EComponentError(std::string("Actions belong in an action list, not in a ") +
                              parent->ClassName());
    SetActionList(list);
}

TActionList::TActionList(TComponent* owner) : TComponent(owner) {}

TActionList::~TActionList()
{
    BeforeDestruction();
}

void TActionList::BeforeDestruction()
{
    while (!actions_.empty())
        actions_.back()->Free();
    TComponent::BeforeDestruction();
}

bool TActionList::ExecuteAction(TBasicAction* action)
{
    bool handled = false;
    if (OnExecute)
        OnExecute(action, handled);
    return handled;
}

void TActionList::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const
{
    for (TAction* action : actions_)
        if (action->Owner() == root)
            proc(action);
}
