// Components: objects with an owner that frees them, told when their neighbours go away.
#pragma once

#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "monitor/forms/handler.h"

namespace lw {

class Component;

// Most events carry only their sender.
using NotifyEvent = Handler<Component&>;

class Component {
  public:
    enum class Operation { Insert, Remove };

    // `owner` may be null. Being constructed with an owner does not make the owner free the
    // component: use Create for that.
    explicit Component(Component* owner);
    // Frees the owned components, newest first, then tells the owner and every component that
    // asked for it (FreeNotification) that this one is going away.
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    // Makes a T (constructed with the owner followed by `args`) that `owner` keeps and frees.
    template <typename T, typename... Args>
    static T& Create(Component& owner, Args&&... args) {
        static_assert(std::is_base_of_v<Component, T>);
        auto made = std::make_unique<T>(&owner, std::forward<Args>(args)...);
        T& component = *made;
        owner.Insert(std::move(made));
        return component;
    }

    Component* Owner() const { return owner_; }
    const std::vector<Component*>& Components() const { return owned_; }
    // The first owned component of type T, or null.
    template <typename T>
    T* FindComponent() const {
        for (Component* c : owned_) {
            if (auto* found = dynamic_cast<T*>(c)) {
                return found;
            }
        }
        return nullptr;
    }

    // `other` will be told (Notification with Remove) when this component is freed, and the
    // other way round; for references between components of different owners.
    void FreeNotification(Component& other);

    // While loading, a component's properties are being set up by its owner: components record
    // what they are given and act on it in Loaded. Components created meanwhile start loading.
    bool Loading() const { return loading_; }
    void BeginLoading();
    // Ends loading here and in every owned component, then runs their Loaded, this one last.
    void EndLoading();

    bool Destroying() const { return destroying_; }

  protected:
    // Overrides must call this one: it passes the news on to the owned components.
    virtual void Notification(Component& component, Operation operation);
    virtual void Loaded() {}
    // Frees the owned components now; a derived class whose components refer to it calls this
    // first in its destructor.
    void DestroyComponents();

  private:
    void Insert(std::unique_ptr<Component> component);
    void Forget(Component& component);
    void StopFreeNotification(Component& other);
    void SetLoading(bool loading);
    void RunLoaded();

    Component* owner_;
    std::vector<Component*> owned_;  // freed by this component
    std::vector<Component*> freeNotified_;
    bool loading_ = false;
    bool destroying_ = false;
};

}  // namespace lw
