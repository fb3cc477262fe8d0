// The settings dialog on fakes: control windows kept in memory that the test clicks and types
// into, and a system, registry, common dialogs and main window that note what is done to them
// in one shared log.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "monitor/controls/tests/fakes/fake_controls.h"
#include "monitor/core/settings/tests/fakes/fake_system.h"
#include "monitor/core/tracking/tests/fakes/connection_fakes.h"
#include "monitor/core/window/tests/fakes/main_window_fakes.h"
#include "monitor/forms/tests/fakes/fake_windows.h"
#include "monitor/setup/controls/dialog_windows.h"
#include "monitor/setup/setup_dialog.h"
#include "monitor/setup/setup_services.h"

namespace lw::testing {

class FakeDialogWindows;

class FakeControlWindow : public ControlWindow {
  public:
    FakeControlWindow(FakeDialogWindows& windows, const ControlSpec& spec, WindowHandle handle,
                      WindowHandle parent, ControlEvents& events);
    ~FakeControlWindow() override;

    WindowHandle Handle() const override { return handle; }
    std::string Text() const override { return text; }
    void SetText(const std::string& value) override { text = value; }
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool on) override { enabled = on; }
    bool Visible() const override { return visible; }
    void SetVisible(bool on) override { visible = on; }
    void SetBounds(const ControlRect& place) override { spec.bounds = place; }
    void Repaint() override { ++repaints; }
    bool Checked() const override { return checked; }
    void SetChecked(bool on) override { checked = on; }
    void SetItems(const std::vector<std::string>& list) override { items = list; }
    DayCount Value() const override { return value; }
    void SetValue(DayCount shown) override { value = shown; }
    void SetColour(Colour shown) override { colour = shown; }
    void AddTab(const std::string& caption) override { tabs.push_back(caption); }
    void SelectTab(int index) override { selectedTab = index; }
    ControlRect PageBounds() const override { return ControlRect::Sized(4, 60, 460, 300); }

    // What the user does.
    void Click() { events_.Clicked(); }
    void Type(const std::string& newText) {
        text = newText;
        events_.TextEdited();
    }
    void Pick(DayCount picked) {
        value = picked;
        events_.ValuePicked();
    }
    void ChooseTab(int index) { events_.TabChosen(index); }

    ControlSpec spec;
    WindowHandle handle;
    WindowHandle parent;
    std::string text;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    std::vector<std::string> items;
    DayCount value = 0;
    Colour colour = 0;
    std::vector<std::string> tabs;
    int selectedTab = -1;
    int repaints = 0;

  private:
    FakeDialogWindows& windows_;
    ControlEvents& events_;
};

class FakeDialogWindows : public DialogWindows {
  public:
    std::unique_ptr<ControlWindow> Create(const ControlSpec& spec, WindowHandle parent,
                                          ControlEvents& events) override {
        auto window =
            std::make_unique<FakeControlWindow>(*this, spec, nextHandle_++, parent, events);
        windows[window->handle] = window.get();
        return window;
    }
    TVexSpinEdit& CreateSpinEdit(Component& owner, WindowHandle parent,
                                 const ControlRect& bounds) override {
        TVexSpinEdit& edit = Component::Create<TVexSpinEdit>(owner, spinSystem, parent, bounds);
        spinEdits[&edit] = spinSystem.edit;
        return edit;
    }

    FakeControlWindow& Of(const TControl& control) const { return *windows.at(control.Handle()); }
    FakeControlWindow& Item(const TRadioGroup& group, int index) const {
        return *windows.at(group.ItemHandle(index));
    }
    fakes::FakeEditWindow& Of(TVexSpinEdit& edit) const { return *spinEdits.at(&edit); }
    void Forget(WindowHandle handle) { windows.erase(handle); }

    std::map<WindowHandle, FakeControlWindow*> windows;
    std::map<TVexSpinEdit*, fakes::FakeEditWindow*> spinEdits;
    fakes::FakeControlSystem spinSystem;

  private:
    WindowHandle nextHandle_ = 0x100;
};

inline FakeControlWindow::FakeControlWindow(FakeDialogWindows& windows, const ControlSpec& spec,
                                            WindowHandle handle, WindowHandle parent,
                                            ControlEvents& events)
    : spec(spec),
      handle(handle),
      parent(parent),
      text(spec.caption),
      windows_(windows),
      events_(events) {}

inline FakeControlWindow::~FakeControlWindow() {
    windows_.Forget(handle);
}

class FakeHost : public SetupHost {
  public:
    explicit FakeHost(CallLog& log) : log_(log) {}
    void SetTimerInterval(unsigned milliseconds) override {
        log_.push_back("timer " + std::to_string(milliseconds));
    }
    void SetTrayIconActive(bool active) override {
        log_.push_back(active ? "tray icon on" : "tray icon off");
    }
    void UpdateTrayIcon() override { log_.push_back("update tray icon"); }
    void TrayShowApp() override { log_.push_back("tray show app"); }
    void SetBorder(PanelBorder border) override {
        log_.push_back(border == PanelBorder::Single ? "border single" : "border sizeable");
    }
    void RequestRedraw() override { log_.push_back("redraw"); }
    void MakeGdiFonts() override { log_.push_back("make fonts"); }
    void UseCaptionFont() override {
        log_.push_back("caption font");
        if (useCaptionFont) {
            useCaptionFont();
        }
    }
    void ShowHelpContext(unsigned context) override {
        log_.push_back("help " + std::to_string(context));
    }
    bool LightsProgramFound() const override { return lightsProgramFound; }

    bool lightsProgramFound = false;
    std::function<void()> useCaptionFont;

  private:
    CallLog& log_;
};

class FakeRegistry : public Registry {
  public:
    using Values = std::map<std::string, RegistryValue>;
    explicit FakeRegistry(CallLog& log) : log_(log) {}

    std::unique_ptr<RegistryKey> Open(RegistryRoot root, const std::string& path) override {
        const auto found = keys.find({root, path});
        if (found == keys.end()) {
            return nullptr;
        }
        return std::make_unique<Key>(found->second, log_);
    }
    Values& KeyAt(RegistryRoot root, const std::string& path) { return keys[{root, path}]; }

    std::map<std::pair<RegistryRoot, std::string>, Values> keys;

  private:
    class Key : public RegistryKey {
      public:
        Key(Values& values, CallLog& log) : values_(values), log_(log) {}
        std::optional<RegistryValue> Read(const std::string& name) override {
            const auto found = values_.find(name);
            return found == values_.end() ? std::nullopt : std::optional(found->second);
        }
        bool Write(const std::string& name, const RegistryValue& value) override {
            log_.push_back("write " + name);
            values_[name] = value;
            return true;
        }
        bool Delete(const std::string& name) override {
            log_.push_back("delete " + name);
            return values_.erase(name) > 0;
        }
        std::vector<std::string> ValueNames() override {
            std::vector<std::string> names;
            for (const auto& [name, value] : values_) {
                names.push_back(name);
            }
            return names;
        }

      private:
        Values& values_;
        CallLog& log_;
    };
    CallLog& log_;
};

class FakeSetupSystem : public SetupSystem {
  public:
    explicit FakeSetupSystem(CallLog& log) : registry(log), log_(log) {}

    Registry& Keys() override { return registry; }
    std::string ProgramPath() const override { return programPath; }
    std::optional<std::string> ShortPath(const std::string& path) const override {
        const auto found = shortPaths.find(path);
        if (found != shortPaths.end()) {
            return found->second;
        }
        return files.count(path) > 0 ? std::optional(path) : std::nullopt;
    }
    std::string WindowsDirectory() const override { return "C:\\WINDOWS"; }
    bool FileExists(const std::string& path) const override { return files.count(path) > 0; }
    std::optional<std::string> AssociatedProgram(const std::string& file) const override {
        log_.push_back("associated with " + file);
        return association;
    }
    void StartProgram(const std::string& commandLine) override {
        log_.push_back("start " + commandLine);
    }
    std::unique_ptr<OpenedFile> OpenForReading(const std::string& path) override {
        if (files.count(path) == 0) {
            return nullptr;
        }
        log_.push_back("open " + path);
        return std::make_unique<File>(path, log_);
    }
    bool RemoveFile(const std::string& path) override {
        log_.push_back("remove " + path);
        return files.erase(path) > 0;
    }

    FakeRegistry registry;
    std::string programPath = "C:\\Program Files\\LineWink\\LineWink.exe";
    std::map<std::string, std::string> shortPaths{
        {"C:\\Program Files\\LineWink\\LineWink.exe", "C:\\PROGRA~1\\LINEWINK\\LINEWINK.EXE"}};
    std::set<std::string> files;
    std::optional<std::string> association;

  private:
    class File : public OpenedFile {
      public:
        File(std::string path, CallLog& log) : path_(std::move(path)), log_(log) {}
        ~File() override { log_.push_back("close " + path_); }

      private:
        std::string path_;
        CallLog& log_;
    };
    CallLog& log_;
};

class FakeCommonDialogs : public CommonDialogs {
  public:
    explicit FakeCommonDialogs(CallLog& log) : log_(log) {}
    std::optional<std::string> OpenFile(const std::string& filter,
                                        const std::string& fileName) override {
        log_.push_back("open dialog " + filter + " at " + fileName);
        return fileAnswer;
    }
    std::optional<Colour> ChooseColour(Colour colour) override {
        log_.push_back("colour dialog " + std::to_string(colour));
        return colourAnswer;
    }
    std::optional<FontSpec> PickFont(const FontSpec& font,
                                     const std::function<void(const FontSpec&)>& apply) override {
        log_.push_back("font dialog " + font.face + " " + std::to_string(font.size));
        for (const FontSpec& applied : fontApplies) {
            apply(applied);
        }
        return fontAnswer;
    }

    std::optional<std::string> fileAnswer;
    std::optional<Colour> colourAnswer;
    std::vector<FontSpec> fontApplies;
    std::optional<FontSpec> fontAnswer;

  private:
    CallLog& log_;
};

class FakeDiscovery : public SetupDiscovery {
  public:
    explicit FakeDiscovery(CallLog& log) : log_(log) {}
    std::vector<std::string> PortNames() override { return ports; }
    std::vector<std::string> DialUpEntries() override { return entries; }
    std::vector<std::string> DeviceDescriptions() override { return devices; }
    std::vector<std::string> ModemLogNames() override { return modemLogs; }
    void DetectComPorts() override {
        log_.push_back("detect ports");
        ports = detected;
    }
    void PortTextChanged(const std::string& text) override { log_.push_back("port " + text); }
    void CheckStatisticsName() override { log_.push_back("check statistics name"); }

    std::vector<std::string> ports{"COM1", "COM2"};
    std::vector<std::string> detected;
    std::vector<std::string> entries;
    std::vector<std::string> devices;
    std::vector<std::string> modemLogs;

  private:
    CallLog& log_;
};

// Boxes that note icon and text, and answer as told.
class NotedBoxes : public MessageBoxes {
  public:
    explicit NotedBoxes(CallLog& log) : log_(log) {}
    MessageAnswer Show(const std::string& text, MessageIcon icon, MessageButtons buttons) override {
        static const char* const kIcons[] = {"box", "information", "warning", "error"};
        log_.push_back(std::string(kIcons[static_cast<int>(icon)]) + " " + text);
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
    }
    MessageAnswer answer = MessageAnswer::Ok;

  private:
    CallLog& log_;
};

// The dialog in a fake form, over fakes of everything it uses.
struct SetupRig {
    SetupRig() {
        settings.DefaultPort = 1;
        system.registry.KeyAt(RegistryRoot::LocalMachine,
                              "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
        system.registry.KeyAt(RegistryRoot::CurrentUser, "RemoteAccess");
    }
    // Shows the dialog as OpenSetup does. Its first refresh changes every control from
    // nothing to its setting, raising their actions; the log starts after it.
    void Open() {
        form.Show();
        log.clear();
    }
    FakeControlWindow& Of(const TControl& control) const { return windows.Of(control); }
    fakes::FakeEditWindow& Of(TVexSpinEdit& edit) const { return windows.Of(edit); }
    void ClickItem(const TRadioGroup& group, int index) { windows.Item(group, index).Click(); }

    CallLog log;
    FakeDesktop desktop;
    FakeForm form{desktop.app, "setup", 7, log};
    MonitorSettings settings;
    SamplingState sampling;
    ConnectionState connection;
    FakeHost host{log};
    NotedBoxes boxes{log};
    FakeDriverControl driver{log};
    RecordingModem modem{log};
    FakeSetupSystem system{log};
    FakeCommonDialogs dialogs{log};
    FakeDiscovery discovery{log};
    RecordingSounds sounds;
    FakeClock clock;
    FixedDateFormat dates;
    FakeDialogWindows windows;
    TSetupDlg dialog{form, windows, 7,
                     SetupServices{settings, sampling, connection, host, boxes, driver, modem,
                                   system, dialogs, discovery, sounds, clock, dates}};
};

}  // namespace lw::testing
