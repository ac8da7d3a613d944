// TComponent: owned components, names, state flags and removal notification.
#pragma once

#include "framework/components/persistent.h"
#include "framework/base/sets.h"

#include <functional>
#include <string>
#include <vector>

enum TComponentStateItem {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance,
};
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

class EComponentError : public Exception {
public:
    using Exception::Exception;
};

class TComponent : public TPersistent {
    FW_DECLARE_CLASS(TComponent)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    // The preferred way to free a component: tells everyone and frees the
    // owned components while this object is still whole (C++ destructors
    // run derived parts first), then deletes it. A plain delete does the same
    // steps later, from the base destructor.
    void Free();

    TComponent* Owner() const { return owner_; }

    // Empty, or an identifier unique (ignoring case) among the owner's
    // components; anything else raises EComponentError.
    const std::string& Name() const { return name_; }
    virtual void SetName(const std::string& name);

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(index); }
    int ComponentIndex() const;
    TComponent* FindComponent(const std::string& name) const;

    TComponentState ComponentState() const { return state_; }
    void SetDesigning(bool designing);

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Frees the owned components, last first.
    void DestroyComponents();
    void Destroying();

    // The teardown shared by Free and the destructor; runs once.
    virtual void BeforeDestruction();

    // Asks to be told (Notification with opRemove) when component goes,
    // and tells it likewise when this one goes.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Called once the whole description this component came from is read.
    virtual void Loaded();

    // Set by the description reader around reading.
    void SetLoading(bool loading);
    void SetReading(bool reading);

    static bool IsValidIdent(const std::string& name);

    // The component a description nests this one in (a control's parent);
    // null for components that sit directly in their root.
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent*) {}
    // The components a description nests in this one, in stored order. The
    // default: the root's components whose parent component is this one
    // (for the root itself: also those with none).
    virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const;

protected:
    // A component was inserted into or is being removed from the owner tree,
    // or a component this one asked about is going. The base clears every
    // published reference and field pointing at a removed component (see
    // framework/properties.h); overrides clear their other references to it
    // and call the inherited version.
    virtual void Notification(TComponent* component, TOperation operation);
    virtual void ValidateRename(TComponent* component, const std::string& currentName,
                                const std::string& newName);
    // The name is being set on a component owned by this one.
    virtual void ValidateInsert(TComponent* component);

    void IncludeState(TComponentStateItem item) { state_.Include(item); }
    void ExcludeState(TComponentStateItem item) { state_.Exclude(item); }

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void RemoveNotification(TComponent* component);

    TComponent* owner_ = nullptr;
    std::string name_;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    TComponentState state_;
    bool tornDown_ = false;
};
