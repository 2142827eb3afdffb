#pragma once
// TComponent: the class library's component, with an owner that frees it,
// a name unique among its owner's components, notifications and the state
// flags of loading from a form declaration.
//
// Ownership:
// - A component created with an owner is inserted into the owner's
//   Components; the owner frees its components in its destructor, the
//   last inserted first.
// - Freeing a component (Free, FreeAndNil or plain delete) removes it from
//   its owner and tells the components that asked for free notification.
//   With Free the notifications happen while the object is still whole;
//   with delete, receivers may only compare the pointer.
//
// Notification(c, op) is sent to the owner when a component is inserted
// (opInsert) or removed (opRemove); the base Notification passes it on to
// every component the owner owns, so each sibling hears of it. Components
// linked by FreeNotification hear of each other's destruction (opRemove)
// wherever they live. Overrides call the inherited Notification.

#include <cstdint>
#include <string>
#include <vector>

#include "vcl/classes/persistent.h"
#include "vcl/classes/set.h"

enum TOperation { opInsert, opRemove };

enum TComponentStateItem {
    csLoading,       // being loaded from a form declaration (until Loaded)
    csReading,       // its own properties are being read
    csWriting,       // being written to a form declaration
    csDestroying,    // being destroyed
    csDesigning,     // shown in a designer rather than run
    csAncestor,      // declared by an ancestor form
    csUpdating,      // an ancestor's change is being applied
    csFixups,        // references to other forms are pending
    csFreeNotification,  // has free-notification links
    csInline,        // declared inline (a frame)
};
using TComponentState = TSet<TComponentStateItem>;

class TFormReader;

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    std::string ClassName() const override { return "TComponent"; }
    void BeforeDestruction() override;

    TComponent* Owner() const { return owner_; }
    TPersistent* GetOwner() const override { return owner_; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    // EListError "List index out of bounds (n)" for a bad index.
    TComponent* Components(int index) const;
    // Position in the owner's Components, -1 without an owner.
    int ComponentIndex() const;
    // Moves this component within its owner's Components.
    void SetComponentIndex(int index);

    const std::string& Name() const { return name_; }
    // Empty, or an identifier unique (ignoring case) among the owner's
    // components: EComponentError "'1x' is not a valid component name" /
    // "A component named Button1 already exists".
    virtual void SetName(const std::string& name);

    int32_t Tag() const { return tag_; }
    void SetTag(int32_t tag) { tag_ = tag; }

    TComponentState ComponentState() const { return state_; }
    // Marks this component and all it owns as in (or out of) a designer.
    void SetDesigning(bool designing);

    // Takes `component` into Components (it leaves its old owner first);
    // opInsert goes to this component and its components.
    void InsertComponent(TComponent* component);
    // Releases `component` without freeing it; opRemove goes out first.
    void RemoveComponent(TComponent* component);
    // The owned component of that name ignoring case, else nullptr.
    TComponent* FindComponent(const std::string& name) const;
    // Frees every owned component, the last first.
    void DestroyComponents();
    // Sets csDestroying (once).
    void Destroying();

    // Links this component and `component` so that each is told (opRemove)
    // when the other is destroyed. Linking twice is linking once.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // The component this one was declared inside in a form declaration
    // (the form reader calls it before the properties are read, with
    // nullptr for the root); controls make it their parent, other
    // components ignore it.
    virtual void SetParentComponent(TComponent* outer) { (void)outer; }
    virtual TComponent* GetParentComponent() const { return nullptr; }

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    // Called once after the form declaration that created this component
    // has been read and every reference resolved; clears csLoading.
    virtual void Loaded();
    // Refuses `newName` for `component` (owned by this one) when another
    // owned component has it already.
    virtual void ValidateRename(TComponent* component, const std::string& currentName,
                                const std::string& newName) const;

private:
    friend class TFormReader;
    void SetState(TComponentStateItem item, bool on);
    void Unlink(TComponent* component);
    void SendFreeNotifications();

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::string name_;
    int32_t tag_ = 0;
    TComponentState state_;
    bool tornDown_ = false;
};
