// Event handlers as procedure-and-object pairs.
//
// A handler is a plain value: it can be copied, compared and saved. That is what makes
// handlers chainable: a component that wants to hear about an event first saves the handler
// in place, installs its own, and calls the saved one from it:
//
//     saved_ = form.OnClose;
//     form.OnClose = CloseEvent::Of<&Hook::FormClosed>(*this);
//     ...
//     void Hook::FormClosed(Component& sender, CloseAction& action) {
//         ...
//         saved_(sender, action);
//     }
//
// An unassigned handler does nothing when raised.
#pragma once

#include <utility>

namespace lw {

template <typename... Args>
class Handler {
  public:
    Handler() = default;

    // The method `Method` of `object`, which must outlive the handler's use.
    template <auto Method, typename Object>
    static Handler Of(Object& object) {
        return Handler(&object, [](void* self, Args... args) {
            (static_cast<Object*>(self)->*Method)(std::forward<Args>(args)...);
        });
    }

    // A callable object (a lambda kept by the caller), for small glue and for tests.
    template <typename Callable>
    static Handler Call(Callable& callable) {
        return Handler(&callable, [](void* self, Args... args) {
            (*static_cast<Callable*>(self))(std::forward<Args>(args)...);
        });
    }

    explicit operator bool() const { return procedure_ != nullptr; }
    bool operator==(const Handler&) const = default;

    // The object the handler calls; lets a component forget handlers aimed at a dying object.
    const void* Object() const { return object_; }

    void operator()(Args... args) const {
        if (procedure_ != nullptr) {
            procedure_(object_, std::forward<Args>(args)...);
        }
    }

  private:
    using Procedure = void (*)(void*, Args...);
    Handler(void* object, Procedure procedure) : object_(object), procedure_(procedure) {}

    void* object_ = nullptr;
    Procedure procedure_ = nullptr;
};

}  // namespace lw
