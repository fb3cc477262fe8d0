#include "monitor/tray/tray_icon.h"

#include <algorithm>
#include <cstring>

#include "monitor/forms/application.h"
#include "monitor/forms/errors.h"
#include "monitor/tray/notify_on_form_close.h"
#include "monitor/tray/timer_manager.h"
#include "monitor/tray/tray_message_window.h"
#include "monitor/tray/tray_messages.h"

namespace lw {
namespace {

Form& OwnerForm(Component* owner) {
    auto* form = dynamic_cast<Form*>(owner);
    if (form == nullptr) {
        throw InvalidOperation("SystemTrays must be owned by a Form !");
    }
    return *form;
}

}  // namespace

int TPGTrayIcon95::desktopLocks_ = 0;
bool TPGTrayIcon95::stateChanging_ = false;

// Holds the desktop lock for a scope, however the scope ends.
class TPGTrayIcon95::DesktopLock {
  public:
    explicit DesktopLock(TPGTrayIcon95& icon) : icon_(icon) { icon_.LockDesktopUpdate(true); }
    ~DesktopLock() { icon_.LockDesktopUpdate(false); }
    DesktopLock(const DesktopLock&) = delete;
    DesktopLock& operator=(const DesktopLock&) = delete;

  private:
    TPGTrayIcon95& icon_;
};

TPGTrayIcon95::TPGTrayIcon95(Component* owner, const TrayServices& services)
    : Component(owner), services_(services), ownerForm_(OwnerForm(owner)) {
    SystemWindow& appWindow = App().Window();
    if (services_.desktop.HiddenOwnerWindowExists()) {
        appWindow.Show(ShowCommand::Hide);
        appWindow.SetOwner(0);
    }
    timers_ = &Component::Create<TPGTimerManager>(*this, services_.ticks, services_.windows);
    timers_->SetEnabled(true);
    messageWindow_ = &Component::Create<TPGTrayIconMsgWindow>(*this, *this);
    animation_ = std::make_unique<TPGTrayIconAnimation>(*this, *timers_);
    icon_.OnChange = Handler<lw::Icon&>::Of<&TPGTrayIcon95::ImageChanged>(*this);
    disabledIcon_.OnChange = Handler<lw::Icon&>::Of<&TPGTrayIcon95::ImageChanged>(*this);
    App().OnMinimize = NotifyEvent::Of<&TPGTrayIcon95::AppMinimize>(*this);
    App().OnRestore = NotifyEvent::Of<&TPGTrayIcon95::AppRestore>(*this);
}

// The application's handlers are given up too, so that nothing calls a freed icon.
TPGTrayIcon95::~TPGTrayIcon95() {
    timers_->SetEnabled(false);
    delete timers_;
    if (active_) {
        active_ = false;
        SendRequest(NotifyRequest::Delete);
    }
    if (App().OnMinimize == NotifyEvent::Of<&TPGTrayIcon95::AppMinimize>(*this)) {
        App().OnMinimize = {};
    }
    if (App().OnRestore == NotifyEvent::Of<&TPGTrayIcon95::AppRestore>(*this)) {
        App().OnRestore = {};
    }
    delete messageWindow_;
    animation_.reset();
    DestroyComponents();
}

WindowHandle TPGTrayIcon95::MessageWindowHandle() const {
    return messageWindow_->Handle();
}

void TPGTrayIcon95::Loaded() {
    Component::Loaded();
    if (active_) {
        active_ = false;
        SetActive(true);
    }
}

void TPGTrayIcon95::Notification(Component& component, Operation operation) {
    Component::Notification(component, operation);
    if (operation == Operation::Remove && &component == popupMenu_) {
        popupMenu_ = nullptr;
    }
}

// --- the shell

bool TPGTrayIcon95::SendRequest(NotifyRequest request) {
    if (Loading() || ownerForm_.Loading()) {
        return false;
    }
    NotifyIconRecord record;
    record.window = messageWindow_->Handle();
    record.id = kIconId;
    record.flags = kNotifyFlags;
    record.callbackMessage = tray_messages::kCallback;
    record.icon = currentImage_.Handle();
    std::memcpy(record.tip, tip_.data(), std::min(tip_.size(), kMaxTipLength));
    return services_.shell.Send(request, record);
}

void TPGTrayIcon95::SetActive(bool active) {
    if (Loading()) {
        active_ = active;
        return;
    }
    if (active == active_) {
        return;
    }
    if (active) {
        UpdateIcon();
        active_ = true;
        SendRequest(NotifyRequest::Add);
        if (state_ == TPGTrayIconState::tsAnimated) {
            animation_->Start();
        }
    } else {
        active_ = false;
        if (state_ == TPGTrayIconState::tsAnimated) {
            animation_->Stop();
        }
        SendRequest(NotifyRequest::Delete);
    }
}

void TPGTrayIcon95::UpdateIcon() {
    switch (state_) {
        case TPGTrayIconState::tsEnabled:
            currentImage_.Assign(icon_);
            break;
        case TPGTrayIconState::tsDisabled:
            currentImage_.Assign(disabledIcon_);
            break;
        case TPGTrayIconState::tsAnimated:
            animation_->LoadFrame(animation_->FrameIndex(), currentImage_);
            break;
    }
    if (active_) {
        SendRequest(NotifyRequest::Modify);
    }
}

void TPGTrayIcon95::ImageChanged(lw::Icon&) {
    if (active_) {
        UpdateIcon();
    }
}

void TPGTrayIcon95::SetIcon(const lw::Icon& icon) {
    icon_.Assign(icon);
    UpdateIcon();
}

void TPGTrayIcon95::SetDisabledIcon(const lw::Icon& icon) {
    disabledIcon_.Assign(icon);
    UpdateIcon();
}

void TPGTrayIcon95::SetHint(const std::string& hint) {
    if (hint == hint_) {
        return;
    }
    hint_ = hint;
    if (showHint_) {
        ApplyTip();
    }
}

void TPGTrayIcon95::SetShowHint(bool showHint) {
    showHint_ = showHint;
    ApplyTip();
}

void TPGTrayIcon95::ApplyTip() {
    if (showHint_ && hint_.size() > kMaxHintLength) {
        throw RangeError("A hint holds at most 255 characters");
    }
    tip_ = showHint_ ? hint_.substr(0, kMaxTipLength) : std::string();
    if (active_) {
        SendRequest(NotifyRequest::Modify);
    }
}

void TPGTrayIcon95::SetPopupMenu(lw::PopupMenu* menu) {
    popupMenu_ = menu;
    if (menu != nullptr) {
        menu->FreeNotification(*this);
    }
}

// The flag is process-wide: no icon's state may change while any icon asks about a change.
void TPGTrayIcon95::SetState(TPGTrayIconState state) {
    if (stateChanging_) {
        stateChanging_ = false;
        throw InvalidOperation(
            "You cannot modify the state property in the OnStateChanging event !!!");
    }
    if (!active_ || Loading() || ownerForm_.Loading()) {
        state_ = state;
        return;
    }
    if (state == state_) {
        return;
    }
    stateChanging_ = true;
    try {
        OnStateChanging(*this, state);
    } catch (...) {
        stateChanging_ = false;
        throw;
    }
    stateChanging_ = false;
    if (state == state_) {
        return;
    }
    if (state_ == TPGTrayIconState::tsAnimated) {
        animation_->Stop();
    }
    state_ = state;
    UpdateIcon();
    if (state_ == TPGTrayIconState::tsAnimated) {
        animation_->Start();
    }
}

// --- deferred calls

void TPGTrayIcon95::PostDeferredCall(DeferredProcedure procedure, std::intptr_t argument) {
    deferred_ = {procedure, argument};
    messageWindow_->Post(tray_messages::kDeferredCall);
}

void TPGTrayIcon95::RunDeferredCall() {
    if (!deferred_.procedure) {
        return;
    }
    const DeferredCall call = deferred_;
    deferred_ = {};
    try {
        call.procedure(call.argument);
    } catch (...) {
        deferred_ = {};
    }
}

// --- the desktop and the application window

void TPGTrayIcon95::LockDesktopUpdate(bool lock) {
    if (lock) {
        if (++desktopLocks_ == 1) {
            services_.desktop.LockUpdate();
        }
    } else if (desktopLocks_ > 0 && --desktopLocks_ == 0) {
        services_.desktop.UnlockUpdate();
    }
}

WindowHandle TPGTrayIcon95::HiddenOwner() {
    return services_.desktop.HiddenOwnerWindow();
}

// Owned by the hidden window while it is hidden, the application window loses its button.
void TPGTrayIcon95::HideTaskBarButton() {
    DesktopLock lock(*this);
    SystemWindow& appWindow = App().Window();
    appWindow.SetOwner(HiddenOwner());
    appWindow.Show(ShowCommand::Hide);
    appWindow.SetOwner(0);
}

void TPGTrayIcon95::HideTaskBarButtonCall(std::intptr_t) {
    HideTaskBarButton();
}

void TPGTrayIcon95::MinimizeWithoutAnimation() {
    TrayDesktop& desktop = services_.desktop;
    if (desktop.MinimizeAnimation()) {
        desktop.SetMinimizeAnimation(false);
        App().Window().Show(ShowCommand::Minimize);
        desktop.SetMinimizeAnimation(true);
    } else {
        App().Window().Show(ShowCommand::Minimize);
    }
}

void TPGTrayIcon95::AppMinimize(Component&) {
    if (active_ && options_.Has(TPGTrayIconOption::toMinimizeToTray)) {
        HideApp();
    }
    OnAppMinimize(*this);
}

void TPGTrayIcon95::AppRestore(Component&) {
    if (active_) {
        ShowApp();
    }
    OnAppRestore(*this);
}

void TPGTrayIcon95::HideApp() {
    if (!options_.Has(TPGTrayIconOption::toCloseFormsOnHideApp)) {
        PostDeferredCall(DeferredProcedure::Of<&TPGTrayIcon95::MinimizeToTray>(*this), 0);
        return;
    }
    DesktopLock lock(*this);
    App().Window().SetOwner(HiddenOwner());
    const std::vector<Form*>& forms = App().Forms();
    for (std::size_t i = forms.size(); i-- > 0;) {
        if (i < forms.size() && forms[i]->Visible()) {
            HideForm(forms[i]);
        }
    }
    HideTaskBarButton();
    App().Window().SetOwner(HiddenOwner());
}

void TPGTrayIcon95::MinimizeToTray(std::intptr_t) {
    {
        DesktopLock lock(*this);
        Application& app = App();
        app.Window().SetOwner(HiddenOwner());
        app.NormalizeTopMosts();
        app.Window().Activate();
        MinimizeWithoutAnimation();
        OnAppMinimize(*this);
        app.Window().Show(ShowCommand::Hide);
        if (Form* main = app.MainForm()) {
            main->Window().Show(ShowCommand::Hide);
        }
    }
    HideTaskBarButton();
}

void TPGTrayIcon95::ShowApp() {
    PostDeferredCall(DeferredProcedure::Of<&TPGTrayIcon95::ShowAppSequence>(*this), 0);
}

void TPGTrayIcon95::ShowAppSequence(std::intptr_t) {
    DesktopLock lock(*this);
    Application& app = App();
    SystemWindow& appWindow = app.Window();
    appWindow.SetOwner(HiddenOwner());
    appWindow.BringToForeground();
    if (appWindow.IsMinimized()) {
        appWindow.Show(ShowCommand::Restore);
    }
    if (Form* main = app.MainForm()) {
        if (!main->Visible()) {
            main->Show();
        }
        if (options_.Has(TPGTrayIconOption::toHideTaskBarIconOnShowApp)) {
            appWindow.Show(ShowCommand::Hide);
            main->Window().Show(ShowCommand::ShowNormal);
            HookFormClose(*main);
        } else {
            appWindow.Show(ShowCommand::ShowNormal);
        }
    }
    appWindow.SetOwner(0);
}

// --- forms

void TPGTrayIcon95::HookFormClose(Form& form) {
    TPGNotifyOnFormClose::Hook(form, NotifyEvent::Of<&TPGTrayIcon95::FormClosed>(*this), *this);
}

void TPGTrayIcon95::FormClosed(Component&) {
    SystemWindow& appWindow = App().Window();
    const bool hidden = !appWindow.IsVisible();
    {
        DesktopLock lock(*this);
        if (hidden) {
            appWindow.SetOwner(HiddenOwner());
            appWindow.Show(ShowCommand::Hide);
        }
    }
    if (hidden) {
        PostDeferredCall(DeferredProcedure::Of<&TPGTrayIcon95::HideTaskBarButtonCall>(*this), 0);
    }
}

void TPGTrayIcon95::HideForm(Form* form) {
    if (form == nullptr) {
        throw InvalidOperation("You cant hide a \"nil\" form !");
    }
    SystemWindow& appWindow = App().Window();
    const bool hidden = !appWindow.IsVisible();
    const bool main = form->IsMainForm();
    {
        DesktopLock lock(*this);
        if (hidden) {
            appWindow.SetOwner(HiddenOwner());
            appWindow.Show(ShowCommand::Hide);
        }
        if (main) {
            form->Hide();
        } else {
            form->Close();
        }
    }
    if (hidden || main) {
        PostDeferredCall(DeferredProcedure::Of<&TPGTrayIcon95::HideTaskBarButtonCall>(*this), 0);
    }
}

ModalResult TPGTrayIcon95::ShowForm(Form* form) {
    return OpenForm(form, false);
}

ModalResult TPGTrayIcon95::ShowModalForm(Form* form) {
    return OpenForm(form, true);
}

// The form's show handler is borrowed for the time of the showing: it unlocks the desktop as
// the form appears. If the showing fails before that, the lock and the handler are given back
// all the same.
ModalResult TPGTrayIcon95::OpenForm(Form* form, bool modal) {
    if (form == nullptr) {
        throw InvalidOperation("You cant show a \"nil\" form !");
    }
    Application& app = App();
    appWasHidden_ = !app.Window().IsVisible();
    if (app.Window().IsMinimized()) {
        app.Restore();
    }
    app.Window().BringToForeground();
    if (form->Visible()) {
        HideTaskBarButton();
        form->BringToFront();
        return ModalResult::None;
    }
    if (inShow_) {
        throw InvalidOperation(
            "You cant call ShowForm or ShowModalForm in the OnShow event of a form !");
    }
    inShow_ = true;
    showingForm_ = form;
    savedShowHandler_ = form->OnShow;
    form->OnShow = NotifyEvent::Of<&TPGTrayIcon95::FormShown>(*this);
    struct EndShow {
        TPGTrayIcon95& icon;
        ~EndShow() {
            icon.inShow_ = false;
            icon.GiveBackShowHandler();
        }
    } endShow{*this};
    HookFormClose(*form);
    LockDesktopUpdate(true);
    showLocked_ = true;
    if (appWasHidden_) {
        app.Window().SetOwner(HiddenOwner());
    }
    if (modal) {
        return form->ShowModal();
    }
    form->Show();
    return ModalResult::None;
}

void TPGTrayIcon95::GiveBackShowHandler() {
    if (showLocked_) {
        showLocked_ = false;
        LockDesktopUpdate(false);
    }
    if (showingForm_ != nullptr) {
        if (showingForm_->OnShow == NotifyEvent::Of<&TPGTrayIcon95::FormShown>(*this)) {
            showingForm_->OnShow = savedShowHandler_;
        }
        showingForm_ = nullptr;
        savedShowHandler_ = {};
    }
}

void TPGTrayIcon95::FormShown(Component& sender) {
    Form* const form = showingForm_;
    const NotifyEvent saved = savedShowHandler_;
    try {
        saved(sender);
    } catch (...) {
        GiveBackShowHandler();
        throw;
    }
    GiveBackShowHandler();
    if (appWasHidden_) {
        PostDeferredCall(DeferredProcedure::Of<&TPGTrayIcon95::RaiseFormCall>(*this),
                         reinterpret_cast<std::intptr_t>(form));
    }
    inShow_ = false;
}

// The form may have gone in the meantime: only one still on the list is raised.
void TPGTrayIcon95::RaiseFormCall(std::intptr_t form) {
    HideTaskBarButton();
    const std::vector<Form*>& forms = App().Forms();
    auto* raised = reinterpret_cast<Form*>(form);
    if (std::find(forms.begin(), forms.end(), raised) != forms.end()) {
        raised->BringToFront();
    }
}

}  // namespace lw
