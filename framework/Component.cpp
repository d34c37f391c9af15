#include "Component.h"

#include <algorithm>

#include "Exceptions.h"

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    state_ |= csDestroying;
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::Free(TComponent* component) {
    if (!component) return;
    component->BeforeDestruction();
    delete component;
}

void TComponent::BeforeDestruction() { MarkDestroying(); }

void TComponent::MarkDestroying() {
    state_ |= csDestroying;
    for (TComponent* component : components_) component->MarkDestroying();
}

void TComponent::DestroyComponents() {
    // Last created, first destroyed, so later components may rely on earlier ones. Each
    // still knows its owner while it is destroyed and leaves the list at its very end.
    while (!components_.empty()) Free(components_.back());
}

void TComponent::InsertComponent(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::RemoveComponent(TComponent* component) {
    auto at = std::find(components_.begin(), components_.end(), component);
    if (at == components_.end()) return;
    components_.erase(at);
    component->owner_ = nullptr;
    Notification(component);
    for (TComponent* other : components_) other->Notification(component);
}

void TComponent::SetName(const std::string& name) { name_ = name; }

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (TComponent* component : components_)
        if (component->name_ == name) return component;
    return nullptr;
}

void TComponent::Loaded() { state_ &= ~(csLoading | csReading); }

bool TComponent::SetProperty(const std::string& name, const TPropValue& value, TReader&) {
    if (name == "Tag") {
        Tag = value.AsInteger();
        return true;
    }
    return false;
}

void TComponent::ReadChild(TComponent* child) {
    throw EReadError(FormatMessageText("%s kann keine untergeordneten Objekte haben", name_) +
                     " (" + child->Name() + ")");
}

void TComponent::PlaceIn(TComponent& parent, bool parentIsRoot) {
    if (!parentIsRoot) parent.ReadChild(this);
}

void TComponent::Notification(TComponent*) {}

void TComponent::PublishMethod(const std::string& name, TPublishedMethod method) {
    methods_[name] = std::move(method);
}

const TComponent::TPublishedMethod* TComponent::FindMethod(const std::string& name) const {
    auto at = methods_.find(name);
    return at == methods_.end() ? nullptr : &at->second;
}
