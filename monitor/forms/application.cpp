#include "monitor/forms/application.h"

#include <algorithm>

#include "monitor/forms/form.h"
#include "monitor/forms/popup_menu.h"

namespace lw {
namespace {

template <typename T>
void Erase(std::vector<T*>& list, const T& item) {
    list.erase(std::remove(list.begin(), list.end(), &item), list.end());
}

}  // namespace

Application::Application(WindowSystem& system, SystemWindow& window)
    : Component(nullptr), system_(system), window_(window) {}

Application::~Application() {
    DestroyComponents();
}

void Application::SetTitle(std::string title) {
    title_ = std::move(title);
    window_.SetText(title_);
}

Form* Application::ActiveForm() const {
    return activeForm_ != nullptr && activeForm_->Visible() ? activeForm_ : nullptr;
}

void Application::Minimize() {
    if (window_.IsMinimized()) {
        return;
    }
    NormalizeTopMosts();
    window_.Activate();
    window_.Show(ShowCommand::Minimize);
    OnMinimize(*this);
}

void Application::Restore() {
    if (!window_.IsMinimized()) {
        return;
    }
    window_.Activate();
    window_.Show(ShowCommand::Restore);
    RestoreTopMosts();
    if (Form* form = ActiveForm()) {
        form->Window().Activate();
    }
    OnRestore(*this);
}

void Application::NormalizeTopMosts() {
    if (topMostLevel_++ > 0) {
        return;
    }
    for (Form* form : forms_) {
        if (form->Window().IsVisible() && form->Window().IsTopmost()) {
            form->Window().SetTopmost(false);
            normalizedTopMosts_.push_back(form);
        }
    }
}

void Application::RestoreTopMosts() {
    if (topMostLevel_ == 0 || --topMostLevel_ > 0) {
        return;
    }
    for (Form* form : normalizedTopMosts_) {
        form->Window().SetTopmost(true);
    }
    normalizedTopMosts_.clear();
}

void Application::ProcessMessages() {
    if (!system_.ProcessMessages()) {
        terminated_ = true;
    }
}

void Application::HandleMessage() {
    if (!system_.HandleMessage()) {
        terminated_ = true;
    }
}

void Application::Run() {
    while (!terminated_) {
        HandleMessage();
    }
}

void Application::Terminate() {
    system_.PostQuit();
}

void Application::HandleException(const std::exception& error) {
    if (OnException) {
        OnException(error);
    } else {
        system_.ShowError(title_, error.what());
    }
}

void Application::CloseRequested() {
    if (mainForm_ != nullptr) {
        mainForm_->Close();
    }
}

void Application::WindowMinimized() {
    for (Form* form : forms_) {
        if (form->Window().IsVisible()) {
            form->Window().Show(ShowCommand::Hide);
            hiddenWithWindow_.push_back(form);
        }
    }
}

void Application::WindowRestored() {
    const std::vector<Form*> hidden = std::move(hiddenWithWindow_);
    hiddenWithWindow_.clear();
    for (Form* form : hidden) {
        if (form->Visible() && !form->Window().IsVisible()) {
            form->Window().Show(ShowCommand::ShowNoActivate);
        }
    }
}

void Application::FormActivated(Form& form) {
    activeForm_ = &form;
}

bool Application::MenuCommand(unsigned command) {
    const std::vector<PopupMenu*> menus = menus_;
    return std::any_of(menus.begin(), menus.end(),
                       [command](PopupMenu* menu) { return menu->Click(command); });
}

void Application::AddForm(Form& form) {
    forms_.push_back(&form);
    if (mainForm_ == nullptr) {
        mainForm_ = &form;
    }
}

void Application::RemoveForm(Form& form) {
    Erase(forms_, form);
    Erase(hiddenWithWindow_, form);
    Erase(normalizedTopMosts_, form);
    if (mainForm_ == &form) {
        mainForm_ = nullptr;
    }
    if (activeForm_ == &form) {
        activeForm_ = nullptr;
    }
}

void Application::AddMenu(PopupMenu& menu) {
    menus_.push_back(&menu);
}

void Application::RemoveMenu(PopupMenu& menu) {
    Erase(menus_, menu);
}

}  // namespace lw
