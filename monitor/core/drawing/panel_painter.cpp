#include "monitor/core/drawing/panel_painter.h"

#include <algorithm>

#include "monitor/core/drawing/high_speed.h"
#include "monitor/core/drawing/panel_text.h"
#include "monitor/core/time/duration_text.h"

namespace lw {

PanelPainter::PanelPainter(DrawingRecords records, DrawingServices services)
    : records_(records), services_(services) {}

const Picture* PanelPainter::LampPictures::For(LampImage image) const {
    switch (image) {
        case LampImage::On:
            return on.picture.get();
        case LampImage::Off:
            return off.picture.get();
        case LampImage::NoLight:
            return noLight.picture.get();
    }
    return nullptr;
}

// A bitmap the program lacks is not asked for again until something changes.
Picture* PanelPainter::Ensure(PictureSlot& slot, const std::string& name,
                              const Recolouring& recolouring, bool reload) {
    if (reload || !slot.loaded || slot.name != name || slot.recolouring != recolouring) {
        slot.picture.reset();
        slot.picture = services_.resources.LoadPicture(name, recolouring);
        slot.loaded = true;
        slot.name = name;
        slot.recolouring = recolouring;
    }
    return slot.picture.get();
}

void PanelPainter::EnsureLamps(LampPictures& lamps, const LampLayout& layout, std::int32_t look,
                               bool reload) {
    const Recolouring recolouring{BitmapKind::Lamp, KeyColoursOf(records_.settings), false};
    Ensure(lamps.on, LampBitmapName(layout.set, LampImage::On, look), recolouring, reload);
    Ensure(lamps.off, LampBitmapName(layout.set, LampImage::Off, look), recolouring, reload);
    if (layout.courier) {
        Ensure(lamps.noLight, LampBitmapName(layout.set, LampImage::NoLight, look), recolouring,
               reload);
    }
}

void PanelPainter::DrawLamps(const LampLayout& layout, const LampPictures& lamps, Picture& target) {
    const LineState& line = records_.sampling.Current;
    const bool highSpeed = HighSpeedLampLit(records_.settings, records_.sampling);
    const LampGeometry& g = layout.geometry;
    for (const LampSlot& slot : layout.lamps) {
        const bool lit = LampLit(slot.lamp, line, highSpeed);
        const Picture* lamp = lamps.For(ChooseLampImage(layout, slot.column, lit));
        if (lamp == nullptr) {
            continue;
        }
        const LampPoint at = LampPosition(g, slot);
        services_.resources.DrawPicture(*lamp, target, at.x, at.y, std::min(g.width, lamp->Width()),
                                        std::min(g.height, lamp->Height()));
    }
}

void PanelPainter::DrawPanel(PanelSurface& surface) {
    MonitorSettings& settings = records_.settings;
    ConnectionState& connection = records_.connection;
    PanelHost& host = services_.host;
    const bool boxOpen = host.ModalOpen() || host.DialogOpen();
    if (settings.NewOrientation < 0 && !boxOpen) {
        host.MinimizeApplication();
    }
    DrawTitleDisplay();
    UpdateTrayIcon();
    connection.NeedRedraw = false;
    if (IsOn(settings.AutoMaximize) && connection.RestoreRequest && host.Minimized() && !boxOpen) {
        host.RestoreFromTray();
    }
    if (!host.Minimized()) {
        DrawWindow(surface);
    }
    if (!host.ModalOpen()) {
        ShowSessionTraffic();
    }
}

void PanelPainter::DrawWindow(PanelSurface& surface) {
    MonitorSettings& settings = records_.settings;
    ConnectionState& connection = records_.connection;
    PanelWindow& window = services_.window;
    const bool rebuild = connection.PanelDirty || connection.FirstDrawPending;
    if (rebuild) {
        window.SetColour(settings.BackgroundColor);
    }
    surface.Fill(settings.BackgroundColor);

    const bool onTop = settings.OnTop == 1 || (settings.OnTop == 2 && connection.BusyOnTop);
    window.SetTopmost(onTop && !services_.host.DialogOpen());

    if (panelFont_ == nullptr) {
        MakePanelFont();
    }
    if (panelFont_ != nullptr) {
        surface.UseFont(*panelFont_, settings.TextColor, settings.BackgroundColor);
    }
    const int textLines = ShownTextLines(settings, CarrierUp());
    const SystemMetrics metrics = window.Metrics();
    const PanelContentWidths content{textLines > 0 ? TextLinesWidth(surface) : 0,
                                     window.CaptionTextWidth()};
    const PanelSize size =
        PanelWindowSize(settings, metrics, textLines, surface.TextHeight(), content);
    settings.WindowSizeX = size.width;
    minWidth_ = size.minWidth;
    panelHeight_ = size.height;
    window.SetBorder(size.border);
    window.Resize(size.width, size.height);

    const LampLayout& layout = PanelLayout(settings.NewOrientation);
    Picture* background =
        Ensure(background_, layout.background,
               {BitmapKind::Background, KeyColoursOf(settings), textLines > 0}, rebuild);
    EnsureLamps(panelLamps_, layout, settings.LampLook, rebuild);
    if (background != nullptr) {
        DrawLamps(layout, panelLamps_, *background);
    }
    if (textLines > 0) {
        DrawPanelText(surface);
    }
    if (background != nullptr) {
        const PanelCopy copy =
            PanelCopyArea(settings.NewOrientation, surface.ClientWidth(), size.width, metrics);
        surface.Copy(*background, copy.x, copy.y, copy.width, copy.height);
    }
    connection.PanelDirty = false;
    connection.FirstDrawPending = false;
    if (IsOn(settings.ShowTrayIcon)) {
        services_.host.HideTaskbarWindow();
    }
}

int PanelPainter::TextLinesWidth(const PanelSurface& surface) const {
    const int secondColumn = surface.Measure(kSecondColumnSample).width;
    int widest = 0;
    for (const PanelTextLine& line : PanelTextLines(records_.settings, records_.sampling,
                                                    records_.connection, services_.clock.Now())) {
        widest = std::max(widest, surface.Measure(line.text).width);
        if (!line.second.empty()) {
            widest = std::max(widest, secondColumn + surface.Measure(line.second).width);
        }
    }
    return widest;
}

void PanelPainter::DrawPanelText(PanelSurface& surface) {
    const int lineHeight = surface.Measure(kSecondColumnSample).height;
    const int secondColumn = surface.Measure(kSecondColumnSample).width;
    int y = kTextTop;
    for (const PanelTextLine& line : PanelTextLines(records_.settings, records_.sampling,
                                                    records_.connection, services_.clock.Now())) {
        surface.Text(kTextLeft, y, line.text);
        if (!line.second.empty()) {
            surface.Text(kTextLeft + secondColumn, y, line.second);
        }
        y += lineHeight;
    }
}

void PanelPainter::ShowSessionTraffic() {
    if (CarrierUp()) {
        services_.host.ShowSessionTraffic(records_.connection.SessionTransmitted,
                                          records_.connection.SessionReceived);
    } else {
        services_.host.ClearSessionTraffic();
    }
}

void PanelPainter::DrawTitleDisplay() {
    const MonitorSettings& settings = records_.settings;
    if (!TitleDisplayActive(settings, CarrierUp())) {
        return;
    }
    CaptionWindows& captions = services_.captions;
    const CaptionWindowId target = captions.ForegroundTopLevel();
    if (titleWindow_ != 0 && titleWindow_ != target) {
        captions.RepaintFrame(titleWindow_);
        titleWindow_ = 0;
        titleTimeDrawn_.clear();
    }
    if (target == 0) {
        return;
    }
    const LampLayout& layout = TitleLayout(settings.OrientationTitle);
    const SystemMetrics metrics = services_.window.Metrics();
    const CaptionWindowInfo info = captions.Describe(target);
    if (!TitleDisplayFits(info, layout.width, metrics)) {
        return;
    }
    const TitlePosition at = TitleDisplayPosition(info, layout.width, metrics, settings);
    const bool stripShown = TitleStripShown(settings, CarrierUp());
    bool drew = false;
    if (stripShown) {
        drew = DrawTitleStrip(target, layout, at.x, at.y);
    }
    if (TitleTimeShown(settings, CarrierUp())) {
        const int right = stripShown ? at.x - 2 : at.x + layout.width;
        drew = DrawTitleTime(target, right, at.y, at.y + metrics.cyCaption) || drew;
    }
    if (drew) {
        titleWindow_ = target;
    }
}

bool PanelPainter::DrawTitleStrip(CaptionWindowId target, const LampLayout& layout, int x, int y) {
    const MonitorSettings& settings = records_.settings;
    ConnectionState& connection = records_.connection;
    const bool reload = connection.TitleDirty;
    Picture* strip = Ensure(strip_, layout.background,
                            {BitmapKind::Background, KeyColoursOf(settings), false}, reload);
    EnsureLamps(titleLamps_, layout, settings.LampLookTitle, reload);
    connection.TitleDirty = false;
    if (strip == nullptr) {
        return false;
    }
    DrawLamps(layout, titleLamps_, *strip);
    services_.captions.DrawStrip(target, *strip, x, y, std::min(layout.width, strip->Width()),
                                 std::min(layout.height, strip->Height()));
    return true;
}

// The time is drawn again only when its text changes, or on another window.
bool PanelPainter::DrawTitleTime(CaptionWindowId target, int right, int top, int bottom) {
    const MonitorSettings& settings = records_.settings;
    const bool withTotal = IsOn(settings.DisplayTotalConnectTimeInTitlebar);
    const std::string text = FormatDuration(
        SessionTimeShown(settings, records_.connection, services_.clock.Now(), withTotal));
    if (target == titleWindow_ && text == titleTimeDrawn_) {
        return false;
    }
    if (titleFont_ == nullptr) {
        MakeTitleFont();
    }
    if (titleFont_ == nullptr) {
        return false;
    }
    services_.captions.DrawTime(target, text, right, top, bottom, *titleFont_,
                                settings.TitleBarFont.colour, settings.FontTitlebarBackgroundColor);
    titleTimeDrawn_ = text;
    return true;
}

void PanelPainter::UpdateTrayIcon() {
    const MonitorSettings& settings = records_.settings;
    if (settings.DefaultPort <= 0 || tray_ == nullptr) {
        return;
    }
    if (!IsOn(settings.ShowTrayIcon)) {
        tray_->SetActive(false);
        return;
    }
    tray_->SetActive(true);
    const SamplingState& sampling = records_.sampling;
    std::string portStatus;
    if (sampling.SpeedText.empty()) {
        services_.sampler.PortStatusText(sampling, settings, portStatus);
    }
    tray_->SetHint(TrayHint(settings, sampling, portStatus));
    tray_->SetPicture(TrayPictureFor(sampling.Current));
}

void PanelPainter::OnResize() {
    if (panelHeight_ == 0 || services_.host.Minimized()) {
        return;
    }
    PanelWindow& window = services_.window;
    const int width = ResizedWidth(window.Width(), minWidth_, window.Metrics());
    records_.settings.WindowSizeX = width;
    window.Resize(width, panelHeight_);
    window.Invalidate();
}

void PanelPainter::MakeGdiFonts() {
    MakePanelFont();
    MakeTitleFont();
}

void PanelPainter::MakePanelFont() {
    panelFont_.reset();
    panelFont_ = services_.resources.MakeFont(
        FontRequestFor(records_.settings.PanelFont, services_.resources.PixelsPerInch()));
}

void PanelPainter::MakeTitleFont() {
    titleFont_.reset();
    titleFont_ = services_.resources.MakeFont(
        FontRequestFor(records_.settings.TitleBarFont, services_.resources.PixelsPerInch()));
    titleTimeDrawn_.clear();
}

void PanelPainter::UseCaptionFont(const SystemAppearance& system) {
    lw::UseCaptionFont(records_.settings, system);
    records_.connection.PanelDirty = true;
    MakeTitleFont();
}

void PanelPainter::RemoveTitleBarDisplay() {
    CaptionWindows& captions = services_.captions;
    if (titleWindow_ != 0) {
        captions.RedrawCaption(titleWindow_);
    }
    const CaptionWindowId foreground = captions.ForegroundTopLevel();
    if (foreground != 0) {
        captions.RedrawCaption(foreground);
    }
    titleWindow_ = 0;
    titleTimeDrawn_.clear();
}

}  // namespace lw
