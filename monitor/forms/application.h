// The application: the invisible application window that carries the program's taskbar button
// and owns every form, the list of forms, minimising and restoring the whole program, and the
// message loop. See form.h for how to make a form.
#pragma once

#include <exception>
#include <string>
#include <vector>

#include "monitor/forms/component.h"
#include "monitor/forms/system_window.h"

namespace lw {

class Form;
class PopupMenu;

class Application : public Component {
  public:
    // `window` is the application window and `system` the message loop; both outlive this.
    Application(WindowSystem& system, SystemWindow& window);
    ~Application() override;

    WindowSystem& System() const { return system_; }
    SystemWindow& Window() const { return window_; }

    // The taskbar button's text and the title of the error box.
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title);

    // The program's forms in the order they were made; the first is the main form.
    const std::vector<Form*>& Forms() const { return forms_; }
    Form* MainForm() const { return mainForm_; }
    // The form that last had the focus, while it is still shown.
    Form* ActiveForm() const;

    NotifyEvent OnMinimize;
    NotifyEvent OnRestore;
    // Errors that reached the message loop; without a handler they go to the error box.
    Handler<const std::exception&> OnException;

    // Minimises the whole program (its forms go with the application window) and raises
    // OnMinimize; nothing when it is minimised already.
    void Minimize();
    // The way back, raising OnRestore; nothing unless minimised.
    void Restore();
    // Takes the shown forms off the topmost layer (nested; undone by the last RestoreTopMosts).
    void NormalizeTopMosts();
    void RestoreTopMosts();

    // Runs the messages already waiting.
    void ProcessMessages();
    // Waits for one message and runs it.
    void HandleMessage();
    // Runs the message loop until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    void HandleException(const std::exception& error);

    // Reports from the window layer.
    void CloseRequested();
    // The application window has just been minimised (by anyone): the shown forms are hidden,
    // as owned windows are, and come back when it is restored.
    void WindowMinimized();
    void WindowRestored();
    void FormActivated(Form& form);
    // A chosen popup-menu item, by its command; false when no menu knows it.
    bool MenuCommand(unsigned command);

  private:
    friend class Form;
    friend class PopupMenu;
    void AddForm(Form& form);
    void RemoveForm(Form& form);
    void AddMenu(PopupMenu& menu);
    void RemoveMenu(PopupMenu& menu);
    unsigned NewMenuCommand() { return nextMenuCommand_++; }

    WindowSystem& system_;
    SystemWindow& window_;
    std::string title_;
    std::vector<Form*> forms_;
    Form* mainForm_ = nullptr;
    Form* activeForm_ = nullptr;
    std::vector<Form*> hiddenWithWindow_;
    std::vector<Form*> normalizedTopMosts_;
    int topMostLevel_ = 0;
    std::vector<PopupMenu*> menus_;
    unsigned nextMenuCommand_ = 100;
    bool terminated_ = false;
};

}  // namespace lw
