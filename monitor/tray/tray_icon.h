// The notification-area icon: one icon in the taskbar's notification area with its image and
// tooltip, mouse events from it, a popup menu on a right press, animation, and the hiding of
// the whole program into the tray and back.
//
// Make it on the main window (`Component::Create<TPGTrayIcon95>(mainForm, services)`), where
// `services` are the Win32 ones of win32/tray_services.h. Set its stored properties between
// the form's BeginLoading and EndLoading: the icon is added when loading ends.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "monitor/forms/component.h"
#include "monitor/forms/form.h"
#include "monitor/forms/icon.h"
#include "monitor/forms/popup_menu.h"
#include "monitor/forms/shift_state.h"
#include "monitor/tray/tray_animation.h"
#include "monitor/tray/tray_system.h"

namespace lw {

class TPGTimerManager;
class TPGTrayIconMsgWindow;

enum class TPGTrayIconState { tsEnabled, tsDisabled, tsAnimated };

enum class TPGTrayIconOption {
    toMinimizeToTray,
    // Kept with the others but acted on by nothing.
    toUnclutterTaskBar,
    toCloseFormsOnHideApp,
    toHideTaskBarIconOnShowApp,
};

class TPGTrayIconOptions {
  public:
    constexpr TPGTrayIconOptions() = default;
    constexpr TPGTrayIconOptions(std::initializer_list<TPGTrayIconOption> options) {
        for (TPGTrayIconOption option : options) {
            bits_ |= Bit(option);
        }
    }
    // The stored default: the first three.
    static constexpr TPGTrayIconOptions Default() {
        return {TPGTrayIconOption::toMinimizeToTray, TPGTrayIconOption::toUnclutterTaskBar,
                TPGTrayIconOption::toCloseFormsOnHideApp};
    }
    constexpr bool Has(TPGTrayIconOption option) const { return (bits_ & Bit(option)) != 0; }
    constexpr bool operator==(const TPGTrayIconOptions&) const = default;

  private:
    static constexpr unsigned Bit(TPGTrayIconOption option) {
        return 1u << static_cast<unsigned>(option);
    }
    unsigned bits_ = 0;
};

using TPGTrayIconStateChangingEvent = Handler<Component&, TPGTrayIconState&>;
// Sender, shift state, x and y in screen coordinates.
using TrayMouseEvent = Handler<Component&, ShiftState, int, int>;
// A call waiting in the icon's deferred slot, with its one argument.
using DeferredProcedure = Handler<std::intptr_t>;

class TPGTrayIcon95 : public Component {
  public:
    static constexpr std::uint32_t kIconId = 42;
    static constexpr std::uint32_t kNotifyFlags = 7;  // message, icon and tip
    static constexpr std::size_t kMaxTipLength = 63;
    static constexpr std::size_t kMaxHintLength = 255;

    // `owner` must be a form. Installs the icon as the application's minimise and restore
    // handlers.
    TPGTrayIcon95(Component* owner, const TrayServices& services);
    ~TPGTrayIcon95() override;

    // Published properties, with their stored defaults.
    const lw::Icon& Icon() const { return icon_; }
    void SetIcon(const lw::Icon& icon);
    const lw::Icon& DisabledIcon() const { return disabledIcon_; }
    void SetDisabledIcon(const lw::Icon& icon);
    TPGTrayIconAnimation& Animation() { return *animation_; }
    bool Active() const { return active_; }  // false
    void SetActive(bool active);
    bool AutoPopup() const { return autoPopup_; }  // false
    void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
    const std::string& Hint() const { return hint_; }
    // At most 255 characters: a longer hint is kept but rejected with a RangeError when the
    // tooltip is made from it.
    void SetHint(const std::string& hint);
    NotifyEvent OnAnimation;
    NotifyEvent OnAppMinimize;
    NotifyEvent OnAppRestore;
    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    TrayMouseEvent OnMouseMove;
    TrayMouseEvent OnMouseEnter;
    TrayMouseEvent OnMouseExit;
    TPGTrayIconStateChangingEvent OnStateChanging;
    TPGTrayIconOptions Options() const { return options_; }  // the first three
    void SetOptions(TPGTrayIconOptions options) { options_ = options; }
    lw::PopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(lw::PopupMenu* menu);
    bool ShowHint() const { return showHint_; }  // true
    void SetShowHint(bool showHint);
    TPGTrayIconState State() const { return state_; }  // tsEnabled
    void SetState(TPGTrayIconState state);

    // Brings the program back from the tray (from the message loop, a moment later).
    virtual void ShowApp();
    // Hides the program into the tray.
    virtual void HideApp();
    // Nested lock of the whole desktop's repainting, shared by every tray icon.
    virtual void LockDesktopUpdate(bool lock);

    // Shows a form of a program that may be hidden in the tray; ShowModalForm returns the
    // form's modal result, ShowForm ModalResult::None.
    ModalResult ShowForm(Form* form);
    ModalResult ShowModalForm(Form* form);
    // Hides the main form or closes another, keeping the program hidden.
    void HideForm(Form* form);

    // Shows the image of the present state and tells the shell, when active.
    void UpdateIcon();
    // Runs the call waiting in the deferred slot, if any; its errors go no further.
    void RunDeferredCall();
    // Puts `procedure` into the deferred slot, replacing what waits there, and posts the
    // message that runs it.
    void PostDeferredCall(DeferredProcedure procedure, std::intptr_t argument);

    const std::string& Tip() const { return tip_; }
    WindowHandle MessageWindowHandle() const;
    Application& App() const { return ownerForm_.App(); }
    const TrayServices& Services() const { return services_; }
    TPGTimerManager& Timers() const { return *timers_; }
    // The process-wide desktop lock count.
    static int DesktopLockCount() { return desktopLocks_; }

  protected:
    void Loaded() override;
    void Notification(Component& component, Operation operation) override;

  private:
    class DesktopLock;
    struct DeferredCall {
        DeferredProcedure procedure;
        std::intptr_t argument = 0;
    };

    bool SendRequest(NotifyRequest request);
    void ApplyTip();
    void ImageChanged(lw::Icon& image);
    void AppMinimize(Component& sender);
    void AppRestore(Component& sender);
    WindowHandle HiddenOwner();
    void HideTaskBarButton();
    void MinimizeWithoutAnimation();
    void MinimizeToTray(std::intptr_t);
    void ShowAppSequence(std::intptr_t);
    void HideTaskBarButtonCall(std::intptr_t);
    void RaiseFormCall(std::intptr_t form);
    void HookFormClose(Form& form);
    void FormClosed(Component& sender);
    ModalResult OpenForm(Form* form, bool modal);
    void FormShown(Component& sender);
    void GiveBackShowHandler();

    static int desktopLocks_;
    static bool stateChanging_;

    TrayServices services_;
    Form& ownerForm_;
    TPGTimerManager* timers_ = nullptr;
    TPGTrayIconMsgWindow* messageWindow_ = nullptr;
    std::unique_ptr<TPGTrayIconAnimation> animation_;
    bool active_ = false;
    bool autoPopup_ = false;
    lw::Icon disabledIcon_;
    std::string hint_;
    lw::Icon icon_;
    TPGTrayIconState state_ = TPGTrayIconState::tsEnabled;
    TPGTrayIconOptions options_ = TPGTrayIconOptions::Default();
    lw::PopupMenu* popupMenu_ = nullptr;
    bool showHint_ = true;
    lw::Icon currentImage_;
    std::string tip_;
    DeferredCall deferred_;
    // ShowForm's borrowing of the form's show handler.
    Form* showingForm_ = nullptr;
    NotifyEvent savedShowHandler_;
    bool showLocked_ = false;
    bool inShow_ = false;
    bool appWasHidden_ = false;
};

}  // namespace lw
