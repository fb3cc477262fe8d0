// What the settings dialog needs besides its controls: the main window it acts on, the
// system, the common dialogs and the discovery of ports and dial-up entries (discovery.h). The
// Win32 side is in win32/ (and, for the main window, in the main form); tests use fakes.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "monitor/core/boxes/message_box.h"
#include "monitor/core/drawing/panel_size.h"
#include "monitor/core/sampling/line_state.h"
#include "monitor/core/settings/settings.h"
#include "monitor/core/time/clock.h"
#include "monitor/core/tracking/connection_log_file.h"
#include "monitor/core/tracking/connection_state.h"
#include "monitor/core/tracking/sound_rule.h"
#include "monitor/core/window/main_window_services.h"
#include "monitor/setup/discovery.h"
#include "monitor/setup/registry.h"

namespace lw {

// The main window as the dialog's changes reach it.
class SetupHost {
  public:
    virtual ~SetupHost() = default;
    // The tick timer; 0 stops it.
    virtual void SetTimerInterval(unsigned milliseconds) = 0;
    virtual void SetTrayIconActive(bool active) = 0;
    // Gives the tray icon its picture and hint now.
    virtual void UpdateTrayIcon() = 0;
    virtual void TrayShowApp() = 0;
    virtual void SetBorder(PanelBorder border) = 0;
    // Has the panel and the title-bar display drawn again soon.
    virtual void RequestRedraw() = 0;
    // (Re)makes the GDI fonts of the panel and of the title-bar display.
    virtual void MakeGdiFonts() = 0;
    // Takes the title-bar font and colours from the system's caption.
    virtual void UseCaptionFont() = 0;
    // Opens the program's help file at `context`.
    virtual void ShowHelpContext(unsigned context) = 0;
    // The system's own modem-lights program "LIGHTS!.EXE" was found at start-up.
    virtual bool LightsProgramFound() const = 0;
};

// An open file; closed when the object goes.
class OpenedFile {
  public:
    virtual ~OpenedFile() = default;
};

class SetupSystem {
  public:
    virtual ~SetupSystem() = default;
    virtual Registry& Keys() = 0;
    // The program's full path.
    virtual std::string ProgramPath() const = 0;
    // The short (8.3) form of an existing file's path; nothing when there is none.
    virtual std::optional<std::string> ShortPath(const std::string& path) const = 0;
    virtual std::string WindowsDirectory() const = 0;
    // An existing file, not a directory.
    virtual bool FileExists(const std::string& path) const = 0;
    // The program the system opens `file` with; nothing when there is none.
    virtual std::optional<std::string> AssociatedProgram(const std::string& file) const = 0;
    // Starts a command line in a normal window; nobody learns whether it started.
    virtual void StartProgram(const std::string& commandLine) = 0;
    // Null when the file cannot be opened for reading.
    virtual std::unique_ptr<OpenedFile> OpenForReading(const std::string& path) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
};

class CommonDialogs {
  public:
    virtual ~CommonDialogs() = default;
    // The file-open dialog with a filter of "description|pattern" pairs joined by "|",
    // starting from `fileName` (a file, or a folder with a pattern); the chosen file's full
    // path, or nothing when cancelled.
    virtual std::optional<std::string> OpenFile(const std::string& filter,
                                                const std::string& fileName) = 0;
    // The colour dialog preset to `colour`.
    virtual std::optional<Colour> ChooseColour(Colour colour) = 0;
    // The font dialog (ANSI fonts, existing fonts only) preset to `font`; its Apply button
    // hands the font shown to `apply` at once.
    virtual std::optional<FontSpec> PickFont(const FontSpec& font,
                                             const std::function<void(const FontSpec&)>& apply) = 0;
};

struct SetupServices {
    MonitorSettings& settings;
    SamplingState& sampling;
    ConnectionState& connection;
    SetupHost& host;
    MessageBoxes& boxes;
    DriverControl& driver;
    ModemInitializer& modem;
    SetupSystem& system;
    CommonDialogs& dialogs;
    SetupDiscovery& discovery;
    SoundPlayer& sounds;
    const Clock& clock;
    const DateTimeFormat& dates;
};

}  // namespace lw
