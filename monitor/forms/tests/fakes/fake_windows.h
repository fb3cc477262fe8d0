// An in-memory window system for the forms and the components on them: windows keep their
// state, every call is written to a shared log, and posted work runs when the loop is pumped.
#pragma once

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "monitor/forms/application.h"
#include "monitor/forms/form.h"
#include "monitor/forms/popup_menu.h"
#include "monitor/forms/system_window.h"

namespace lw::testing {

using CallLog = std::vector<std::string>;

inline const char* ShowName(ShowCommand command) {
    switch (command) {
        case ShowCommand::Hide:
            return "hide";
        case ShowCommand::ShowNormal:
            return "show normal";
        case ShowCommand::Show:
            return "show";
        case ShowCommand::ShowNoActivate:
            return "show no activate";
        case ShowCommand::Minimize:
            return "minimize";
        case ShowCommand::Restore:
            return "restore";
    }
    return "?";
}

class FakeWindow : public SystemWindow {
  public:
    FakeWindow(std::string name, WindowHandle handle, CallLog& log)
        : name(std::move(name)), handle(handle), log_(log) {}

    WindowHandle Handle() const override { return handle; }
    bool IsVisible() const override { return visible; }
    bool IsMinimized() const override { return minimized; }
    bool IsEnabled() const override { return enabled; }
    bool IsTopmost() const override { return topmost; }
    void Show(ShowCommand command) override {
        Log(ShowName(command));
        const bool wasMinimized = minimized;
        visible = command != ShowCommand::Hide;
        if (command == ShowCommand::Minimize) {
            minimized = true;
        } else if (command == ShowCommand::Restore || command == ShowCommand::ShowNormal) {
            minimized = false;
        }
        if (onStateChange && wasMinimized != minimized) {
            onStateChange(minimized);
        }
    }
    void SetEnabled(bool on) override {
        Log(on ? "enable" : "disable");
        enabled = on;
    }
    void SetTopmost(bool on) override {
        Log(on ? "topmost" : "not topmost");
        topmost = on;
    }
    void SetText(const std::string& value) override { text = value; }
    void BringToForeground() override { Log("foreground"); }
    void Activate() override { Log("activate"); }
    void SetOwner(WindowHandle value) override {
        Log("owner " + std::to_string(value));
        owner = value;
    }
    void Post(unsigned message) override { Log("post " + std::to_string(message)); }

    std::string name;
    WindowHandle handle;
    bool visible = false;
    bool minimized = false;
    bool enabled = true;
    bool topmost = false;
    WindowHandle owner = 0;
    std::string text;
    // Called when the window enters (true) or leaves (false) its minimised state.
    std::function<void(bool)> onStateChange;

  private:
    void Log(const std::string& what) { log_.push_back(name + ": " + what); }
    CallLog& log_;
};

// Posted work runs in order when the loop is pumped; a loop with nothing to do would wait for
// ever, so HandleMessage on an empty queue fails the test instead.
class FakeWindowSystem : public WindowSystem {
  public:
    explicit FakeWindowSystem(CallLog& log) : log_(log) {}

    void Post(std::function<void()> work) { queue_.push_back(std::move(work)); }
    bool Pending() const { return !queue_.empty(); }

    bool ProcessMessages() override {
        bool running = true;
        while (!queue_.empty()) {
            running = RunNext() && running;
        }
        return running;
    }
    bool HandleMessage() override {
        if (queue_.empty()) {
            throw std::logic_error("the message loop would wait for ever");
        }
        return RunNext();
    }
    void PostQuit() override { queue_.push_back(nullptr); }
    void TrackPopupMenu(const PopupMenu& menu, int x, int y) override {
        log_.push_back("menu at " + std::to_string(x) + "," + std::to_string(y));
        shownMenus.push_back(&menu);
        if (choice) {
            choice(menu);
        }
    }
    void ShowError(const std::string& title, const std::string& text) override {
        errors.push_back(title + ": " + text);
    }

    std::vector<const PopupMenu*> shownMenus;
    // What the user does while a menu is shown.
    std::function<void(const PopupMenu&)> choice;
    std::vector<std::string> errors;

  private:
    bool RunNext() {
        std::function<void()> work = std::move(queue_.front());
        queue_.pop_front();
        if (!work) {
            return false;
        }
        work();
        return true;
    }
    CallLog& log_;
    std::deque<std::function<void()>> queue_;
};

class FakeForm : public Form {
  public:
    FakeForm(Application& app, const std::string& name, WindowHandle handle, CallLog& log)
        : Form(app, window), window(name, handle, log) {}
    FakeWindow window;
};

// The application with its window, minimising its forms with it as the system does.
struct FakeDesktop {
    FakeDesktop() {
        appWindow.visible = true;
        appWindow.onStateChange = [this](bool minimized) {
            if (minimized) {
                app.WindowMinimized();
            } else {
                app.WindowRestored();
            }
        };
    }
    // Runs posted work; a menu choice is posted like a window message.
    void Pump() { app.ProcessMessages(); }
    void ChooseFromMenu(const std::string& caption) {
        system.choice = [this, caption](const PopupMenu& menu) {
            for (MenuItem* item : menu.Items()) {
                if (item->Caption == caption) {
                    const unsigned command = item->Command();
                    system.Post([this, command] { app.MenuCommand(command); });
                }
            }
        };
    }

    CallLog log;
    FakeWindowSystem system{log};
    FakeWindow appWindow{"app", 1, log};
    Application app{system, appWindow};
};

}  // namespace lw::testing
