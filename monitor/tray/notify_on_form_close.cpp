#include "monitor/tray/notify_on_form_close.h"

namespace lw {

TPGNotifyOnFormClose::TPGNotifyOnFormClose(Component* owner, NotifyEvent notification)
    : Component(owner),
      form_(dynamic_cast<Form&>(*owner)),
      previous_(form_.OnClose),
      notification_(notification) {
    form_.OnClose = CloseEvent::Of<&TPGNotifyOnFormClose::FormClose>(*this);
}

TPGNotifyOnFormClose::~TPGNotifyOnFormClose() {
    if (form_.OnClose == CloseEvent::Of<&TPGNotifyOnFormClose::FormClose>(*this)) {
        form_.OnClose = previous_;
    }
}

void TPGNotifyOnFormClose::Hook(Form& form, NotifyEvent notification, Component& notified) {
    if (form.FindComponent<TPGNotifyOnFormClose>() != nullptr) {
        return;
    }
    Component::Create<TPGNotifyOnFormClose>(form, notification).FreeNotification(notified);
}

void TPGNotifyOnFormClose::Notification(Component& component, Operation operation) {
    Component::Notification(component, operation);
    if (operation == Operation::Remove &&
        notification_.Object() == dynamic_cast<void*>(&component)) {
        notification_ = {};
    }
}

void TPGNotifyOnFormClose::FormClose(Component& sender, CloseAction& action) {
    notification_(sender);
    previous_(sender, action);
}

}  // namespace lw
