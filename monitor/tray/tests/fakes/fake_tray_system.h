// The tray icon's system on a virtual clock: a recording shell, a movable cursor, a desktop that
// logs into the forms' call log, icon files by name, and hidden windows whose posted messages
// and timer ticks run when the test says.
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "monitor/forms/tests/fakes/fake_windows.h"
#include "monitor/tray/tray_system.h"

namespace lw::testing {

struct ShellCall {
    NotifyRequest request;
    NotifyIconRecord record;
};

class RecordingShell : public NotifyArea {
  public:
    bool Send(NotifyRequest request, const NotifyIconRecord& record) override {
        calls.push_back({request, record});
        return true;
    }
    int Count(NotifyRequest request) const {
        int count = 0;
        for (const ShellCall& call : calls) {
            count += call.request == request ? 1 : 0;
        }
        return count;
    }
    std::vector<ShellCall> calls;
};

class FakeTicks : public TickSource {
  public:
    std::uint32_t TickCount() const override { return now; }
    std::uint32_t now = 1'000'000;
};

class FakePointer : public PointerState {
  public:
    ScreenPoint CursorPos() const override { return position; }
    ShiftState Shift() const override { return shift; }
    ScreenPoint position{500, 700};
    ShiftState shift;
};

class FakeTrayDesktop : public TrayDesktop {
  public:
    static constexpr WindowHandle kHiddenOwner = 99;
    explicit FakeTrayDesktop(CallLog& log) : log_(log) {}

    WindowHandle HiddenOwnerWindow() override {
        exists = true;
        return kHiddenOwner;
    }
    bool HiddenOwnerWindowExists() const override { return exists; }
    void LockUpdate() override { log_.push_back("desktop: lock"); }
    void UnlockUpdate() override { log_.push_back("desktop: unlock"); }
    bool MinimizeAnimation() const override { return animation; }
    void SetMinimizeAnimation(bool on) override {
        log_.push_back(on ? "desktop: animation on" : "desktop: animation off");
        animation = on;
    }
    void ForegroundDesktop() override { log_.push_back("desktop: foreground"); }

    bool exists = false;
    bool animation = true;

  private:
    CallLog& log_;
};

class FakeImage : public IconImage {
  public:
    explicit FakeImage(WindowHandle handle) : handle_(handle) {}
    WindowHandle Handle() const override { return handle_; }

  private:
    WindowHandle handle_;
};

// Files and resources by name, each with its own handle.
class FakeIconLoader : public IconLoader {
  public:
    std::shared_ptr<const IconImage> FromFile(const std::string& path) override {
        if (files.count(path) == 0) {
            throw IconFileError("Cannot open file " + path);
        }
        return std::make_shared<FakeImage>(files.at(path));
    }
    std::shared_ptr<const IconImage> FromResource(const std::string& name) override {
        resourcesAsked.push_back(name);
        return std::make_shared<FakeImage>(5000 + resourcesAsked.size());
    }
    std::map<std::string, WindowHandle> files;
    std::vector<std::string> resourcesAsked;
};

struct PostedMessage {
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

class FakeTrayWindows : public TrayWindows {
  public:
    static constexpr WindowHandle kMessageWindow = 77;

    explicit FakeTrayWindows(FakeTicks& ticks) : ticks_(ticks) {}

    std::unique_ptr<MessageWindow> CreateMessageWindow(MessageTarget& target) override {
        target_ = &target;
        return std::make_unique<Window>(*this);
    }
    std::unique_ptr<SystemTimer> CreateTimer(Handler<> onTick) override {
        onTick_ = onTick;
        return std::make_unique<Timer>(*this);
    }

    // Sends a message to the hidden window, as the system would.
    std::intptr_t Send(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) {
        return target_->OnMessage(message, wParam, lParam);
    }
    // Runs the posted messages, those posted meanwhile included.
    void DeliverPosted() {
        while (!posted.empty()) {
            const PostedMessage next = posted.front();
            posted.pop_front();
            Send(next.message, next.wParam, next.lParam);
        }
    }
    // Moves the clock on a millisecond at a time, ticking the system timer when it is due.
    void Advance(int milliseconds) {
        for (int i = 0; i < milliseconds; ++i) {
            ++ticks_.now;
            if (interval != 0 && (ticks_.now - started_) % interval == 0) {
                onTick_();
            }
        }
    }

    std::deque<PostedMessage> posted;
    unsigned interval = 0;  // of the running system timer; 0 when stopped

  private:
    class Window : public MessageWindow {
      public:
        explicit Window(FakeTrayWindows& owner) : owner_(owner) {}
        WindowHandle Handle() const override { return kMessageWindow; }
        void Post(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
            owner_.posted.push_back({message, wParam, lParam});
        }

      private:
        FakeTrayWindows& owner_;
    };
    class Timer : public SystemTimer {
      public:
        explicit Timer(FakeTrayWindows& owner) : owner_(owner) {}
        void Start(unsigned milliseconds) override {
            owner_.interval = milliseconds;
            owner_.started_ = owner_.ticks_.now;
        }
        void Stop() override { owner_.interval = 0; }

      private:
        FakeTrayWindows& owner_;
    };

    FakeTicks& ticks_;
    MessageTarget* target_ = nullptr;
    Handler<> onTick_;
    std::uint32_t started_ = 0;
};

// Everything a tray icon stands on, with the application and a main form.
struct TrayRig {
    FakeDesktop forms;
    RecordingShell shell;
    FakeTicks ticks;
    FakePointer pointer;
    FakeTrayDesktop desktop{forms.log};
    FakeIconLoader icons;
    FakeTrayWindows windows{ticks};
    TrayServices services{shell, ticks, pointer, desktop, icons, windows};
    FakeForm main{forms.app, "main", 10, forms.log};
};

}  // namespace lw::testing
