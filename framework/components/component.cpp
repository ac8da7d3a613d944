#include "framework/components/component.h"

#include "framework/base/identifiers.h"
#include "framework/components/properties.h"
#include "framework/components/roots.h"

#include <algorithm>

FW_IMPLEMENT_CLASS(TComponent, TPersistent)

namespace {

bool IsIdentStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

} // namespace

TComponent::TComponent(TComponent* owner)
{
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    TComponent::BeforeDestruction();
}

void TComponent::Free()
{
    BeforeDestruction();
    delete this;
}

void TComponent::BeforeDestruction()
{
    if (tornDown_)
        return;
    tornDown_ = true;
    Destroying();
    UnregisterRoot(this);
    RemoveGlobalFixups(this);
    // Tell everyone who asked, last first; each drops its link to us.
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        other->RemoveNotification(this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

bool TComponent::IsValidIdent(const std::string& name)
{
    if (name.empty() || !IsIdentStart(name[0]))
        return false;
    return std::all_of(name.begin() + 1, name.end(), [](char c) {
        return IsIdentStart(c) || (c >= '0' && c <= '9');
    });
}

void TComponent::SetName(const std::string& name)
{
    if (name == name_)
        return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError("'" + name + "' is not a valid component name");
    if (owner_)
        owner_->ValidateRename(this, name_, name);
    else
        ValidateRename(nullptr, name_, name);
    name_ = name;
}

void TComponent::ValidateRename(TComponent* component, const std::string& currentName,
                                const std::string& newName)
{
    if (component && !SameIdentifier(currentName, newName) && !newName.empty()) {
        TComponent* existing = FindComponent(newName);
        if (existing && existing != component)
            throw EComponentError("A component named " + newName + " already exists");
    }
}

void TComponent::ValidateInsert(TComponent*)
{
}

int TComponent::ComponentIndex() const
{
    if (!owner_)
        return -1;
    const auto& list = owner_->components_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* c : components_)
        if (SameIdentifier(c->name_, name))
            return c;
    return nullptr;
}

void TComponent::SetDesigning(bool designing)
{
    if (designing)
        state_.Include(csDesigning);
    else
        state_.Exclude(csDesigning);
    for (TComponent* c : components_)
        c->SetDesigning(designing);
}

void TComponent::SetLoading(bool loading)
{
    if (loading)
        state_.Include(csLoading);
    else
        state_.Exclude(csLoading);
}

void TComponent::SetReading(bool reading)
{
    if (reading)
        state_.Include(csReading);
    else
        state_.Exclude(csReading);
}

void TComponent::InsertComponent(TComponent* component)
{
    ValidateInsert(component);
    if (!component->name_.empty())
        ValidateRename(component, "", component->name_);
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    Insert(component);
    if (state_.Contains(csDesigning))
        component->SetDesigning(true);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    Notification(component, opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* component)
{
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::Remove(TComponent* component)
{
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it != components_.end())
        components_.erase(it);
    component->owner_ = nullptr;
}

void TComponent::DestroyComponents()
{
    while (!components_.empty()) {
        TComponent* last = components_.back();
        // Notify the remaining siblings too: none may keep a dangling link.
        RemoveComponent(last);
        last->Free();
    }
}

void TComponent::Destroying()
{
    if (state_.Contains(csDestroying))
        return;
    state_.Include(csDestroying);
    for (TComponent* c : components_)
        c->Destroying();
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    // Siblings hear of each other through the owner's notification already.
    if (owner_ && component->owner_ == owner_)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
    state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    RemoveNotification(component);
    component->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* component)
{
    auto it = std::find(freeNotifies_.begin(), freeNotifies_.end(), component);
    if (it != freeNotifies_.end())
        freeNotifies_.erase(it);
    if (freeNotifies_.empty())
        state_.Exclude(csFreeNotification);
}

void TComponent::Loaded()
{
    state_.Exclude(csLoading);
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component) {
        RemoveFreeNotification(component);
        if (component != this)
            ClearPublishedReferences(this, component);
    }
    // Copy: a handler may free or move components while we walk.
    const std::vector<TComponent*> owned = components_;
    for (TComponent* c : owned)
        if (std::find(components_.begin(), components_.end(), c) != components_.end())
            c->Notification(component, operation);
}

void TComponent::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const
{
    if (!root)
        return;
    for (TComponent* c : root->components_) {
        TComponent* parent = c->GetParentComponent();
        if (parent == this || (!parent && root == this))
            proc(c);
    }
}
