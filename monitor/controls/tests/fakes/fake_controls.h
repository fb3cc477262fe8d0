// Windows, timers and system facts for the controls, kept in memory. The edit reports its
// text changes and resizes to its control as the real window does.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "monitor/controls/control_windows.h"
#include "monitor/controls/spin_button.h"
#include "monitor/controls/vex_spin_edit.h"

namespace lw::fakes {

// Which window has the focus, shared by every fake window of one system.
struct FakeFocus {
    const void* owner = nullptr;
};

class FakeTimer : public RepeatTimer {
  public:
    void Start(unsigned milliseconds) override {
        running = true;
        interval = milliseconds;
    }
    void Stop() override { running = false; }
    bool running = false;
    unsigned interval = 0;
    Handler<> onTick;
};

class FakeGlyph : public GlyphImage {
  public:
    explicit FakeGlyph(std::string name) : name(std::move(name)) {}
    int Width() const override { return 9; }
    int Height() const override { return 5; }
    std::string name;
};

class FakeEditWindow : public EditWindow {
  public:
    FakeEditWindow(TVexSpinEdit& control, FakeFocus& focus, const ControlRect& bounds)
        : control_(control), focus_(focus), bounds_(bounds) {}

    WindowHandle Handle() const override { return 0x1000; }
    std::string Text() const override { return text; }
    void SetText(const std::string& newText) override {
        if (newText != text) {
            text = newText;
            selectedAll = false;
            control_.TextChanged();
        }
    }
    void SelectAll() override { selectedAll = true; }
    void SetReadOnly(bool on) override { readOnly = on; }
    void SetMaxLength(int length) override { maxLength = length; }
    void SetEnabled(bool on) override { enabled = on; }
    bool Enabled() const override { return enabled; }
    void SetVisible(bool on) override { visible = on; }
    void SetThreeDimensional(bool on) override { threeDimensional = on; }
    ControlRect Bounds() const override { return bounds_; }
    void SetBounds(const ControlRect& bounds) override {
        bounds_ = bounds;
        control_.Resized();
    }
    int ClientWidth() const override { return bounds_.Width() - Border(); }
    int ClientHeight() const override { return bounds_.Height() - Border(); }
    void SetTextRect(const ControlRect& rect) override { textRect = rect; }
    int FontHeight() const override { return fontHeight; }
    bool Focused() const override { return focus_.owner == this; }
    bool CanFocus() const override { return enabled && visible; }
    void SetFocus() override {
        focus_.owner = this;
        control_.Entered(false);
    }

    // What the user does.
    void Type(const std::string& keys) {
        for (char key : keys) {
            if (!control_.KeyPress(key)) {
                continue;
            }
            if (key == '\b') {
                if (!text.empty()) {
                    SetText(text.substr(0, text.size() - 1));
                }
            } else if (static_cast<unsigned char>(key) >= 32) {
                SetText(selectedAll ? std::string(1, key) : text + key);
            }
        }
    }
    void ClickIn() {
        focus_.owner = this;
        control_.Entered(true);
    }
    void Leave() {
        focus_.owner = nullptr;
        control_.Left();
    }

    std::string text;
    bool selectedAll = false;
    bool readOnly = false;
    int maxLength = 0;
    bool enabled = true;
    bool visible = true;
    bool threeDimensional = true;
    ControlRect textRect;
    int fontHeight = 13;

  private:
    int Border() const { return threeDimensional ? 4 : 2; }

    TVexSpinEdit& control_;
    FakeFocus& focus_;
    ControlRect bounds_;
};

class FakeSpinButtonWindow : public SpinButtonWindow {
  public:
    FakeSpinButtonWindow(FakeFocus& focus, const ControlRect& bounds)
        : bounds(bounds), focus_(focus) {}

    WindowHandle Handle() const override { return 0x2000; }
    void SetBounds(const ControlRect& place) override { bounds = place; }
    void SetEnabled(bool on) override { enabled = on; }
    bool Enabled() const override { return enabled; }
    void Repaint() override { ++repaints; }
    bool Focused() const override { return focus_.owner == this; }
    bool CanFocus() const override { return enabled; }
    void SetFocus() override { focus_.owner = this; }
    void CaptureMouse() override { captured = true; }
    void ReleaseMouse() override { captured = false; }
    bool HasMouseCapture() const override { return captured; }
    std::unique_ptr<RepeatTimer> CreateTimer(unsigned id, Handler<> onTick) override {
        auto timer = std::make_unique<FakeTimer>();
        timer->onTick = onTick;
        timers[id] = timer.get();
        return timer;
    }

    // The timer `id` fires once, when it runs.
    void Tick(unsigned id) {
        FakeTimer* timer = timers.at(id);
        if (timer->running) {
            timer->onTick();
        }
    }

    ControlRect bounds;
    bool enabled = true;
    bool captured = false;
    int repaints = 0;
    std::map<unsigned, FakeTimer*> timers;

  private:
    FakeFocus& focus_;
};

class FakeControlSystem : public ControlSystem {
  public:
    void Beep() override { ++beeps; }
    char DecimalSeparator() const override { return decimalSeparator; }
    int SystemFontHeight() const override { return systemFontHeight; }
    int BorderHeight() const override { return 1; }
    std::shared_ptr<const GlyphImage> LoadGlyph(const std::string& name) override {
        return std::make_shared<FakeGlyph>(name);
    }
    std::unique_ptr<EditWindow> CreateEditWindow(TVexSpinEdit& control, WindowHandle,
                                                 const ControlRect& bounds) override {
        auto window = std::make_unique<FakeEditWindow>(control, focus, bounds);
        edit = window.get();
        return window;
    }
    std::unique_ptr<SpinButtonWindow> CreateSpinButtonWindow(TSpinButton&, WindowHandle,
                                                             const ControlRect& bounds) override {
        auto window = std::make_unique<FakeSpinButtonWindow>(focus, bounds);
        button = window.get();
        return window;
    }

    int beeps = 0;
    char decimalSeparator = '.';
    int systemFontHeight = 16;
    FakeFocus focus;
    FakeEditWindow* edit = nullptr;
    FakeSpinButtonWindow* button = nullptr;
};

}  // namespace lw::fakes
