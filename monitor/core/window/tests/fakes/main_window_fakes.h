// A recording stand-in for everything the main window's rules reach: every call lands in one
// log, so that tests can check what happened and in which order.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "monitor/core/settings/tests/fakes/fake_profile.h"
#include "monitor/core/settings/tests/fakes/fake_system.h"
#include "monitor/core/tracking/tests/fakes/connection_fakes.h"
#include "monitor/core/window/main_window.h"
#include "monitor/forms/tests/fakes/fake_windows.h"

namespace lw::testing {

// Sections of the settings file.
inline const std::string kMain = "LineWinker: Main";
inline const std::string kCom1 = "LineWinker on COM1";
inline const std::string kCom2 = "LineWinker on COM2";
inline const std::string kCom3 = "LineWinker on COM3";

class RecordingView : public MainWindowView {
  public:
    explicit RecordingView(CallLog& log) : log_(log) {}

    void LoadTrayIcons() override { Log("load tray icons"); }
    void CreateDrawingContext() override { Log("create drawing context"); }
    void MakeGdiFonts() override { Log("make fonts"); }
    void ForgetTitleBarWindow() override { Log("forget title window"); }
    void UseCaptionFont() override { Log("use caption font"); }
    void ReleaseDrawing() override { Log("release drawing"); }
    void SetBorder(PanelBorder border) override {
        Log(border == PanelBorder::Single ? "border single" : "border sizeable");
    }
    void SetBounds(int left, int top, int width, int height) override {
        Log("bounds " + std::to_string(left) + "," + std::to_string(top) + " " +
            std::to_string(width) + "x" + std::to_string(height));
    }
    void ApplyTitleBar(bool hidden) override { Log(hidden ? "caption off" : "caption on"); }
    WindowPlace Place() const override { return place; }
    void PlaceNotTopmost() override { Log("show not topmost"); }
    void SetTopmost(bool topmost) override { Log(topmost ? "topmost" : "not topmost"); }
    void InvalidatePanel() override { ++invalidations; }
    void DrawPanelNow() override { ++draws; }
    void RemoveTitleBarDisplay() override { Log("remove title display"); }
    void ClearForegroundTitleBar() override { Log("clear foreground title"); }
    void AddSystemMenuEntries() override { Log("system menu entries"); }
    void SetUpdateNowEntry(bool shown) override {
        updateNowEntry = shown;
        Log(shown ? "update now entry" : "no update now entry");
    }
    void SetTimerInterval(unsigned milliseconds) override {
        timer = milliseconds;
        Log("timer " + std::to_string(milliseconds));
    }
    void ShowSplash() override { Log("splash"); }
    void ShowAboutBox() override {
        Log("about box");
        if (whileModal) {
            whileModal();
        }
    }
    bool SetupDialogVisible() const override { return setupVisible; }
    ModalResult ShowSetupDialog() override {
        Log("setup dialog");
        if (whileModal) {
            whileModal();
        }
        return setupResult;
    }
    void SetTrayIconActive(bool active) override { Log(active ? "tray on" : "tray off"); }
    void TrayShowApp() override { Log("tray show app"); }
    void TrayHideApp() override { Log("tray hide app"); }
    void ShowHelp(const std::string& file, unsigned context) override {
        Log("help " + file + " " + std::to_string(context));
    }
    void CloseHelp(const std::string& file) override { Log("close help " + file); }

    WindowPlace place{40, 50};
    unsigned timer = 0;
    bool updateNowEntry = false;
    bool setupVisible = false;
    ModalResult setupResult = ModalResult::Ok;
    std::function<void()> whileModal;  // what happens while a modal form is open
    int invalidations = 0;
    int draws = 0;

  private:
    void Log(const std::string& what) { log_.push_back(what); }
    CallLog& log_;
};

class FakeStartupSystem : public StartupSystem {
  public:
    explicit FakeStartupSystem(CallLog& log) : log_(log) {}

    bool IsWindows9xFamily() const override { return windows9x; }
    std::string ProgramPath() const override { return "C:\\Program Files\\LineWink\\LineWink.exe"; }
    std::string ShortProgramPath() const override { return "C:\\PROGRA~1\\LINEWINK\\LINEWINK.EXE"; }
    std::vector<std::string> Arguments() const override { return arguments; }
    bool StartedMinimizedNoActivate() const override { return startedMinimized; }
    std::optional<DayCount> SystemFileDate(const std::string& name) const override {
        const auto found = fileDates.find(name);
        return found == fileDates.end() ? std::nullopt : std::optional(found->second);
    }
    std::optional<std::uint64_t> SystemFileSize(const std::string& name) const override {
        const auto found = fileSizes.find(name);
        return found == fileSizes.end() ? std::nullopt : std::optional(found->second);
    }
    void StartProgram(const std::string& commandLine) override {
        log_.push_back("run " + commandLine);
    }
    bool TestPort(int port, PortState& state) override {
        log_.push_back("test COM" + std::to_string(port));
        const bool opens = port != unopenablePort;
        if (opens) {
            state.BaudRate = 57600;
        }
        return opens;
    }

    bool windows9x = true;
    std::vector<std::string> arguments;
    bool startedMinimized = false;
    std::map<std::string, DayCount> fileDates;
    std::map<std::string, std::uint64_t> fileSizes;
    int unopenablePort = 0;

  private:
    CallLog& log_;
};

class FakeDriverControl : public DriverControl {
  public:
    explicit FakeDriverControl(CallLog& log) : log_(log) {}
    bool Open() override {
        log_.push_back("open driver");
        open = opens;
        return open;
    }
    bool Hook() override {
        log_.push_back("hook driver");
        return hooks;
    }
    bool IsOpen() const override { return open; }
    void Release() override {
        if (open) {
            log_.push_back("release driver");
            open = false;
        }
    }

    bool opens = true;
    bool hooks = true;
    bool open = false;

  private:
    CallLog& log_;
};

class RecordingModem : public ModemInitializer {
  public:
    explicit RecordingModem(CallLog& log) : log_(log) {}
    void Exchange(int port, const std::string& initString) override {
        log_.push_back("modem COM" + std::to_string(port) + " " + initString);
    }

  private:
    CallLog& log_;
};

// Boxes that note their text in the log and answer as told.
class LoggedBoxes : public MessageBoxes {
  public:
    explicit LoggedBoxes(CallLog& log) : log_(log) {}
    MessageAnswer Show(const std::string& text, MessageIcon, MessageButtons buttons) override {
        log_.push_back("box " + text);
        if (whileOpen) {
            whileOpen();
        }
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
    }

    MessageAnswer answer = MessageAnswer::Yes;
    std::function<void()> whileOpen;

  private:
    CallLog& log_;
};

// Each opening of the settings file reaches the same in-memory file.
class SharedProfile : public ProfileFile {
  public:
    explicit SharedProfile(FakeProfile& file) : file_(file) {}
    std::string FileName() const override { return file_.FileName(); }
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& fallback) override {
        return file_.ReadString(section, key, fallback);
    }
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        return file_.WriteString(section, key, value);
    }

  private:
    FakeProfile& file_;
};

// The main window on a desktop of fakes.
struct MainWindowRig {
    MainWindowRig() { file.Set("LineWinker: Main", "Show Logo at Startup", "0"); }

    bool Create() {
        log.clear();
        return window.Create();
    }
    bool Terminated() {
        desktop.Pump();
        return desktop.app.Terminated();
    }
    // The log from the first entry that starts with `from`.
    CallLog LogFrom(const std::string& from) const {
        for (auto it = log.begin(); it != log.end(); ++it) {
            if (it->starts_with(from)) {
                return CallLog(it, log.end());
            }
        }
        return {};
    }

    FakeDesktop desktop;
    CallLog& log = desktop.log;
    FakeForm form{desktop.app, "main", 2, log};
    RecordingView view{log};
    FakeStartupSystem system{log};
    FakeDriverControl driver{log};
    RecordingModem modem{log};
    FakeProfile file;
    FakeAppearance appearance;
    FakeClock clock;
    LoggedBoxes boxes{log};
    RecordingSounds sounds;
    ScriptedSampler sampler;
    MemoryLogFiles logs;
    FixedDateFormat dates;
    RecordingDialog dialog;
    MainWindow window{
        form,
        {view, system, driver, modem, [this] { return std::make_unique<SharedProfile>(file); },
         appearance, clock, boxes, sounds, sampler, logs, dates, dialog,
         LogFileNames{"LINEWINK.DCD", "LINEWINK.RI"}}};
};

}  // namespace lw::testing
