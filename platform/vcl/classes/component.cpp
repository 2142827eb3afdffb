#include "vcl/classes/component.h"

#include <algorithm>

#include "vcl/classes/text_compare.h"
#include "vcl/system/exception.h"

namespace {

void Erase(std::vector<TComponent*>& list, TComponent* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

bool Contains(const std::vector<TComponent*>& list, const TComponent* item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

[[noreturn]] void IndexError(int index) {
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

TComponent::TComponent(TComponent* owner) {
    if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent() { TComponent::BeforeDestruction(); }

void TComponent::BeforeDestruction() {
    if (tornDown_) return;
    tornDown_ = true;
    Destroying();
    SendFreeNotifications();
    DestroyComponents();
    if (owner_ != nullptr) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount()) IndexError(index);
    return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (owner_ == nullptr) return -1;
    const auto& siblings = owner_->components_;
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

void TComponent::SetComponentIndex(int index) {
    if (owner_ == nullptr) return;
    auto& siblings = owner_->components_;
    const int count = static_cast<int>(siblings.size());
    index = std::clamp(index, 0, count - 1);
    Erase(siblings, this);
    siblings.insert(siblings.begin() + index, this);
}

void TComponent::SetName(const std::string& name) {
    if (name == name_) return;
    if (!name.empty() && !textcompare::IsValidIdent(name))
        throw EComponentError("'" + name + "' is not a valid component name");
    if (owner_ != nullptr) owner_->ValidateRename(this, name_, name);
    name_ = name;
}

void TComponent::ValidateRename(TComponent* component, const std::string& currentName,
                                const std::string& newName) const {
    if (newName.empty() || textcompare::SameText(currentName, newName)) return;
    const TComponent* holder = FindComponent(newName);
    if (holder != nullptr && holder != component)
        throw EComponentError("A component named " + newName + " already exists");
}

void TComponent::SetDesigning(bool designing) {
    SetState(csDesigning, designing);
    for (TComponent* c : components_) c->SetDesigning(designing);
}

void TComponent::InsertComponent(TComponent* component) {
    if (component == nullptr || component->owner_ == this) return;
    // A second component of the same name would make FindComponent and the
    // form reader's references ambiguous: refuse it before anything moves.
    ValidateRename(component, "", component->name_);
    if (component->owner_ != nullptr) component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (component == nullptr || component->owner_ != this) return;
    Notification(component, opRemove);
    Unlink(component);
}

void TComponent::Unlink(TComponent* component) {
    Erase(components_, component);
    component->owner_ = nullptr;
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (textcompare::SameText(c->name_, name)) return c;
    return nullptr;
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        // Removing with notification lets the remaining components drop
        // their references to it before it goes.
        RemoveComponent(last);
        if (last->owner_ == nullptr && !Contains(components_, last)) Free(last);
    }
}

void TComponent::Destroying() {
    if (state_.Contains(csDestroying)) return;
    SetState(csDestroying, true);
    for (TComponent* c : components_) c->Destroying();
}

void TComponent::FreeNotification(TComponent* component) {
    if (component == nullptr || component == this) return;
    if (!Contains(freeNotifies_, component)) freeNotifies_.push_back(component);
    if (!Contains(component->freeNotifies_, this)) component->freeNotifies_.push_back(this);
    SetState(csFreeNotification, true);
    component->SetState(csFreeNotification, true);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (component == nullptr) return;
    Erase(freeNotifies_, component);
    Erase(component->freeNotifies_, this);
}

void TComponent::SendFreeNotifications() {
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        Erase(other->freeNotifies_, this);
        other->Notification(this, opRemove);
    }
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component != nullptr) RemoveFreeNotification(component);
    for (size_t i = components_.size(); i-- > 0;)
        if (i < components_.size()) components_[i]->Notification(component, operation);
}

void TComponent::Loaded() { SetState(csLoading, false); }

void TComponent::SetState(TComponentStateItem item, bool on) {
    if (on)
        state_.Include(item);
    else
        state_.Exclude(item);
}
