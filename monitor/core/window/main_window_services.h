// What the main window's rules ask of their window and of the system. The Win32 side is in
// win32/; tests record the calls.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "monitor/core/boxes/message_box.h"
#include "monitor/core/drawing/panel_size.h"
#include "monitor/core/sampling/line_sampler.h"
#include "monitor/core/sampling/line_state.h"
#include "monitor/core/settings/profile_file.h"
#include "monitor/core/settings/system_appearance.h"
#include "monitor/core/time/clock.h"
#include "monitor/core/time/day_count.h"
#include "monitor/core/tracking/connection_log_file.h"
#include "monitor/core/tracking/connection_setup_link.h"
#include "monitor/core/tracking/connection_tracker.h"
#include "monitor/core/tracking/sound_rule.h"
#include "monitor/forms/form.h"

namespace lw {

struct WindowPlace {
    int left = 0;
    int top = 0;
};

// The main window itself, its drawing resources, the tray icon and the other forms.
class MainWindowView {
  public:
    virtual ~MainWindowView() = default;

    // Drawing resources.
    virtual void LoadTrayIcons() = 0;
    virtual void CreateDrawingContext() = 0;
    // (Re)makes the GDI fonts of the panel and of the title-bar display.
    virtual void MakeGdiFonts() = 0;
    // The title-bar display has not been drawn on any window yet.
    virtual void ForgetTitleBarWindow() = 0;
    // Takes the title-bar font and colours from the system's caption.
    virtual void UseCaptionFont() = 0;
    // Deletes the lamp bitmaps, the GDI fonts and the memory device context.
    virtual void ReleaseDrawing() = 0;

    // The window.
    virtual void SetBorder(PanelBorder border) = 0;
    virtual void SetBounds(int left, int top, int width, int height) = 0;
    // Removes (or gives back) the caption, sizes the window to the panel and redraws it.
    virtual void ApplyTitleBar(bool hidden) = 0;
    virtual WindowPlace Place() const = 0;
    // Shows the window, not topmost, without moving or sizing it.
    virtual void PlaceNotTopmost() = 0;
    virtual void SetTopmost(bool topmost) = 0;
    // Marks the panel for painting (without erasing), or paints what is marked now.
    virtual void InvalidatePanel() = 0;
    virtual void DrawPanelNow() = 0;
    // Has the caption carrying the title-bar display, and the foreground window's, repaint
    // themselves at once.
    virtual void RemoveTitleBarDisplay() = 0;
    // Asks the top-level owner of the active window to repaint its caption, later.
    virtual void ClearForegroundTitleBar() = 0;
    // Adds a separator, "&Setup...", "&About..." and "&HELP" to the system menu.
    virtual void AddSystemMenuEntries() = 0;
    // Takes "Update Lamps &Now!" out of the system menu, and puts it back at the end if shown.
    virtual void SetUpdateNowEntry(bool shown) = 0;
    // The tick timer; 0 stops it.
    virtual void SetTimerInterval(unsigned milliseconds) = 0;

    // The other forms.
    virtual void ShowSplash() = 0;
    virtual void ShowAboutBox() = 0;
    virtual bool SetupDialogVisible() const = 0;
    // Shows the settings dialog modally, through the tray icon.
    virtual ModalResult ShowSetupDialog() = 0;

    // The tray icon.
    virtual void SetTrayIconActive(bool active) = 0;
    virtual void TrayShowApp() = 0;
    virtual void TrayHideApp() = 0;

    // The help file.
    virtual void ShowHelp(const std::string& file, unsigned context) = 0;
    virtual void CloseHelp(const std::string& file) = 0;
};

// The system as start-up sees it.
class StartupSystem {
  public:
    virtual ~StartupSystem() = default;
    virtual bool IsWindows9xFamily() const = 0;
    // The program's path, in full and in short (8.3) form.
    virtual std::string ProgramPath() const = 0;
    virtual std::string ShortProgramPath() const = 0;
    // The command line's arguments after the program name.
    virtual std::vector<std::string> Arguments() const = 0;
    // The program was started minimised without being activated.
    virtual bool StartedMinimizedNoActivate() const = 0;
    // A file of the system directory: its local date and time, its size; nothing when missing.
    virtual std::optional<DayCount> SystemFileDate(const std::string& name) const = 0;
    virtual std::optional<std::uint64_t> SystemFileSize(const std::string& name) const = 0;
    // Starts a command line in a normal window.
    virtual void StartProgram(const std::string& commandLine) = 0;
    // Opens COM `port` for a moment; when it opens, reads its settings into `state`.
    virtual bool TestPort(int port, PortState& state) = 0;
};

// The helper driver's life: opened at start-up, released at exit.
class DriverControl {
  public:
    virtual ~DriverControl() = default;
    // False when the driver cannot be opened.
    virtual bool Open() = 0;
    // Has the driver hook the comm functions; false when it refuses.
    virtual bool Hook() = 0;
    virtual bool IsOpen() const = 0;
    // Releases the hook and closes the driver; nothing when it is closed.
    virtual void Release() = 0;
};

class ModemInitializer {
  public:
    virtual ~ModemInitializer() = default;
    // Sends the init string to the modem on `port` and reads its echo and answer.
    virtual void Exchange(int port, const std::string& initString) = 0;
};

struct MainWindowServices {
    MainWindowView& view;
    StartupSystem& system;
    DriverControl& driver;
    ModemInitializer& modem;
    // Opens the settings file; it is written when the returned object goes.
    std::function<std::unique_ptr<ProfileFile>()> openSettingsFile;
    const SystemAppearance& appearance;
    const Clock& clock;
    MessageBoxes& boxes;
    SoundPlayer& sounds;
    LineSampler& sampler;
    LogFiles& logs;
    const DateTimeFormat& dates;
    SetupDialogLink& dialog;
    LogFileNames logFiles;
};

}  // namespace lw
