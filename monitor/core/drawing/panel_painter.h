// The drawing of the lamp panel, the title-bar display and the tray icon's picture and hint,
// from the settings, this tick's line and the connection. Bitmaps are loaded and recoloured
// only when the redraw flags ask for it (or what they would show has changed); an ordinary
// drawing copies the prepared lamps onto the background and that to the window once.
#pragma once

#include <memory>
#include <string>

#include "monitor/core/drawing/drawing_services.h"
#include "monitor/core/drawing/lamp_layouts.h"
#include "monitor/core/sampling/line_sampler.h"
#include "monitor/core/sampling/line_state.h"
#include "monitor/core/settings/settings.h"
#include "monitor/core/settings/system_appearance.h"
#include "monitor/core/time/clock.h"
#include "monitor/core/tracking/connection_state.h"

namespace lw {

// The main window's records, which outlive the painter.
struct DrawingRecords {
    MonitorSettings& settings;
    SamplingState& sampling;
    ConnectionState& connection;
};

struct DrawingServices {
    DrawingResources& resources;
    PanelWindow& window;
    CaptionWindows& captions;
    PanelHost& host;
    LineSampler& sampler;
    const Clock& clock;
};

class PanelPainter {
  public:
    PanelPainter(DrawingRecords records, DrawingServices services);

    // The tray icon that UpdateTrayIcon sets; none until the main window has one.
    void SetTrayIcon(TrayIconTarget* tray) { tray_ = tray; }

    // The whole drawing: the title-bar display, the tray icon, and the panel on `surface`
    // unless the program is minimised.
    void DrawPanel(PanelSurface& surface);
    void DrawTitleDisplay();
    void UpdateTrayIcon();
    // The user sized the window: the width is kept at least the layout's, the height is the
    // panel's.
    void OnResize();

    // Makes both GDI fonts anew from the settings' fonts.
    void MakeGdiFonts();
    void MakePanelFont();
    void MakeTitleFont();
    // Takes the title-bar font and colours from the system's caption.
    void UseCaptionFont(const SystemAppearance& system);

    // Wipes the title-bar display off the window it was drawn on and off the foreground
    // window's top-level window.
    void RemoveTitleBarDisplay();
    // The window the title-bar display was last drawn on; 0 when none.
    CaptionWindowId TitleBarWindow() const { return titleWindow_; }
    void ForgetTitleBarWindow() {
        titleWindow_ = 0;
        titleTimeDrawn_.clear();
    }

    // The window height of the present layout, known from the first drawing on (0 before).
    int PanelHeight() const { return panelHeight_; }
    void SetPanelHeight(int height) { panelHeight_ = height; }

  private:
    // One loaded bitmap and what it was loaded as.
    struct PictureSlot {
        bool loaded = false;
        std::string name;
        Recolouring recolouring;
        std::unique_ptr<Picture> picture;
    };
    // The lit, unlit and dark pictures of one lamp set.
    struct LampPictures {
        PictureSlot on;
        PictureSlot off;
        PictureSlot noLight;
        const Picture* For(LampImage image) const;
    };

    Picture* Ensure(PictureSlot& slot, const std::string& name, const Recolouring& recolouring,
                    bool reload);
    void EnsureLamps(LampPictures& lamps, const LampLayout& layout, std::int32_t look, bool reload);
    void DrawLamps(const LampLayout& layout, const LampPictures& lamps, Picture& target);
    void DrawWindow(PanelSurface& surface);
    // The widest of the text lines the panel shows now.
    int TextLinesWidth(const PanelSurface& surface) const;
    void DrawPanelText(PanelSurface& surface);
    bool DrawTitleStrip(CaptionWindowId target, const LampLayout& layout, int x, int y);
    bool DrawTitleTime(CaptionWindowId target, int right, int top, int bottom);
    void ShowSessionTraffic();
    bool CarrierUp() const { return records_.sampling.Current.CD == 1; }

    DrawingRecords records_;
    DrawingServices services_;
    TrayIconTarget* tray_ = nullptr;

    PictureSlot background_;
    LampPictures panelLamps_;
    PictureSlot strip_;
    LampPictures titleLamps_;
    std::unique_ptr<DrawingFont> panelFont_;
    std::unique_ptr<DrawingFont> titleFont_;

    CaptionWindowId titleWindow_ = 0;
    std::string titleTimeDrawn_;
    int panelHeight_ = 0;
    int minWidth_ = 0;
};

}  // namespace lw
