#include "monitor/forms/component.h"

#include <algorithm>

namespace lw {
namespace {

void Erase(std::vector<Component*>& list, const Component& item) {
    list.erase(std::remove(list.begin(), list.end(), &item), list.end());
}

}  // namespace

Component::Component(Component* owner) : owner_(owner) {}

Component::~Component() {
    destroying_ = true;
    DestroyComponents();
    if (owner_ != nullptr) {
        owner_->Forget(*this);
        owner_->Notification(*this, Operation::Remove);
    }
    while (!freeNotified_.empty()) {
        Component* other = freeNotified_.back();
        freeNotified_.pop_back();
        Erase(other->freeNotified_, *this);
        other->Notification(*this, Operation::Remove);
    }
}

void Component::DestroyComponents() {
    while (!owned_.empty()) {
        // The component removes itself from the list as it goes.
        delete owned_.back();
    }
}

void Component::Insert(std::unique_ptr<Component> component) {
    Component& inserted = *component;
    inserted.loading_ = loading_;
    owned_.push_back(component.release());
    Notification(inserted, Operation::Insert);
}

void Component::Forget(Component& component) {
    Erase(owned_, component);
}

void Component::FreeNotification(Component& other) {
    if (&other == this ||
        std::find(freeNotified_.begin(), freeNotified_.end(), &other) != freeNotified_.end()) {
        return;
    }
    freeNotified_.push_back(&other);
    other.freeNotified_.push_back(this);
}

void Component::StopFreeNotification(Component& other) {
    Erase(freeNotified_, other);
    Erase(other.freeNotified_, *this);
}

void Component::Notification(Component& component, Operation operation) {
    if (operation == Operation::Remove) {
        StopFreeNotification(component);
    }
    // A component may free others while it hears the news: walk a copy.
    const std::vector<Component*> owned = owned_;
    for (Component* c : owned) {
        if (std::find(owned_.begin(), owned_.end(), c) != owned_.end() && c != &component) {
            c->Notification(component, operation);
        }
    }
}

void Component::BeginLoading() {
    SetLoading(true);
}

void Component::EndLoading() {
    SetLoading(false);
    RunLoaded();
}

void Component::SetLoading(bool loading) {
    loading_ = loading;
    for (Component* c : owned_) {
        c->SetLoading(loading);
    }
}

void Component::RunLoaded() {
    const std::vector<Component*> owned = owned_;
    for (Component* c : owned) {
        c->RunLoaded();
    }
    Loaded();
}

}  // namespace lw
