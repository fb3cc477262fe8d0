#include "monitor/forms/form.h"

#include <vector>

#include "monitor/forms/errors.h"

namespace lw {
namespace {

// Windows disabled for the time of a modal showing, enabled again however it ends.
class DisabledWindows {
  public:
    DisabledWindows(Application& application, const Form& modal) {
        Disable(application.Window());
        for (Form* form : application.Forms()) {
            if (form != &modal) {
                Disable(form->Window());
            }
        }
    }
    ~DisabledWindows() {
        for (auto it = disabled_.rbegin(); it != disabled_.rend(); ++it) {
            (*it)->SetEnabled(true);
        }
    }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;

  private:
    void Disable(SystemWindow& window) {
        if (window.IsVisible() && window.IsEnabled()) {
            window.SetEnabled(false);
            disabled_.push_back(&window);
        }
    }
    std::vector<SystemWindow*> disabled_;
};

}  // namespace

Form::Form(Application& application, SystemWindow& window)
    : Component(nullptr), application_(application), window_(window) {
    application_.AddForm(*this);
}

Form::~Form() {
    DestroyComponents();
    application_.RemoveForm(*this);
}

void Form::SetVisible(bool visible) {
    if (visible == visible_) {
        return;
    }
    if (visible) {
        OnShow(*this);
        visible_ = true;
        window_.Show(ShowCommand::Show);
    } else {
        OnHide(*this);
        visible_ = false;
        window_.Show(ShowCommand::Hide);
    }
}

void Form::Show() {
    SetVisible(true);
    BringToFront();
}

void Form::Hide() {
    SetVisible(false);
}

void Form::BringToFront() {
    window_.BringToForeground();
}

bool Form::CloseQuery() {
    bool canClose = true;
    OnCloseQuery(*this, canClose);
    return canClose;
}

void Form::Close() {
    if (modal_) {
        modalResult_ = ModalResult::Cancel;
        return;
    }
    if (!CloseQuery()) {
        return;
    }
    CloseAction action = CloseAction::Hide;
    OnClose(*this, action);
    if (action == CloseAction::None) {
        return;
    }
    if (IsMainForm()) {
        application_.Terminate();
    } else {
        Hide();
    }
}

// A modal showing ends only when the form agrees to close.
void Form::CloseModal() {
    CloseAction action = CloseAction::None;
    if (CloseQuery()) {
        action = CloseAction::Hide;
        OnClose(*this, action);
    }
    if (action == CloseAction::None) {
        modalResult_ = ModalResult::None;
    }
}

ModalResult Form::ShowModal() {
    if (visible_ || modal_) {
        throw InvalidOperation("A form that is shown already cannot be shown modally");
    }
    Form* const previous = application_.ActiveForm();
    modalResult_ = ModalResult::None;
    modal_ = true;
    try {
        // The others are enabled again before this one goes, so that one of them, not some
        // other program, becomes the active window.
        {
            DisabledWindows disabled(application_, *this);
            Show();
            RunModalLoop();
        }
        modal_ = false;
        Hide();
    } catch (...) {
        modal_ = false;
        Hide();
        throw;
    }
    if (previous != nullptr && previous != this && previous->Visible()) {
        previous->Window().Activate();
    }
    return modalResult_;
}

// A result set while the form was being shown, or an ended program, ends it before waiting.
void Form::RunModalLoop() {
    while (true) {
        if (application_.Terminated()) {
            modalResult_ = ModalResult::Cancel;
        }
        if (modalResult_ != ModalResult::None) {
            CloseModal();
            if (modalResult_ != ModalResult::None) {
                return;
            }
        }
        application_.HandleMessage();
    }
}

bool Form::MinimizeRequested() {
    if (!IsMainForm()) {
        return false;
    }
    application_.Minimize();
    return true;
}

}  // namespace lw
