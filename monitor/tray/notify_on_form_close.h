// Hooks a form's close: a notification runs first, then the form's own close handler.
#pragma once

#include "monitor/forms/component.h"
#include "monitor/forms/form.h"

namespace lw {

class TPGNotifyOnFormClose : public Component {
  public:
    // Owned by the form; use Hook.
    TPGNotifyOnFormClose(Component* owner, NotifyEvent notification);
    ~TPGNotifyOnFormClose() override;

    // Gives `form` a notifier that raises `notification` (a handler of `notified`) when the
    // form closes, unless it has one already: a form has at most one.
    static void Hook(Form& form, NotifyEvent notification, Component& notified);

  protected:
    // A notified component that goes away is no longer called.
    void Notification(Component& component, Operation operation) override;

  private:
    void FormClose(Component& sender, CloseAction& action);

    Form& form_;
    CloseEvent previous_;
    NotifyEvent notification_;
};

}  // namespace lw
