// Recording stand-ins for the bitmaps, fonts, windows, captions, tray icon and main window
// that the drawing uses.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "monitor/core/drawing/drawing_services.h"

namespace lw::testing {

// A copy of one picture onto another, or onto a window.
struct Copy {
    std::string picture;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Copy&, const Copy&) = default;
};

class FakePicture : public Picture {
  public:
    FakePicture(std::string name, int width, int height)
        : name(std::move(name)), width_(width), height_(height) {}
    int Width() const override { return width_; }
    int Height() const override { return height_; }

    std::string name;
    // Lamps drawn onto the picture since it was last copied to a window.
    mutable std::vector<Copy> drawnOnto;

  private:
    int width_;
    int height_;
};

class FakeFont : public DrawingFont {
  public:
    explicit FakeFont(FontRequest request) : request(std::move(request)) {}
    FontRequest request;
};

// Knows the program's bitmaps by name and size.
class FakeResources : public DrawingResources {
  public:
    FakeResources();
    std::unique_ptr<Picture> LoadPicture(const std::string& name,
                                         const Recolouring& recolouring) override;
    void DrawPicture(const Picture& source, Picture& target, int x, int y, int width,
                     int height) override;
    int PixelsPerInch() const override { return 96; }
    std::unique_ptr<DrawingFont> MakeFont(const FontRequest& request) override;

    std::map<std::string, std::pair<int, int>> sizes;
    std::vector<std::string> loads;
    std::vector<Recolouring> recolourings;
    std::vector<FontRequest> fonts;
};

class FakeSurface : public PanelSurface {
  public:
    int ClientWidth() const override { return clientWidth; }
    void Fill(Colour colour) override { fills.push_back(colour); }
    void UseFont(const DrawingFont& font, Colour text, Colour) override {
        fontHeight = static_cast<const FakeFont&>(font).request.height;
        textColour = text;
    }
    int TextHeight() const override { return 16; }
    TextSize Measure(const std::string& text) const override {
        return {7 * static_cast<int>(text.size()), 16};
    }
    void Text(int x, int y, const std::string& text) override {
        texts.push_back({text, x, y, 0, 0});
    }
    void Copy(const Picture& picture, int x, int y, int width, int height) override {
        const auto& fake = static_cast<const FakePicture&>(picture);
        copies.push_back({fake.name, x, y, width, height});
        lamps = std::move(fake.drawnOnto);
        fake.drawnOnto.clear();
    }

    int clientWidth = 110;
    std::vector<Colour> fills;
    int fontHeight = 0;
    Colour textColour = 0;
    std::vector<testing::Copy> texts;  // the text in `picture`
    std::vector<testing::Copy> copies;
    std::vector<testing::Copy> lamps;  // on the background of the last copy
};

SystemMetrics Win98Metrics();

class FakeWindow : public PanelWindow {
  public:
    SystemMetrics Metrics() const override { return Win98Metrics(); }
    int Width() const override { return width; }
    int CaptionTextWidth() const override { return captionTextWidth; }
    void SetColour(Colour c) override { colours.push_back(c); }
    void SetBorder(PanelBorder b) override { border = b; }
    void SetTopmost(bool t) override { topmost = t; }
    void Resize(int w, int h) override {
        width = w;
        height = h;
        ++resizes;
    }
    void Invalidate() override { ++invalidations; }

    int width = 0;
    int height = 0;
    int resizes = 0;
    int invalidations = 0;
    int captionTextWidth = 0;
    std::vector<Colour> colours;
    PanelBorder border = PanelBorder::Single;
    bool topmost = false;
};

struct DrawnTime {
    CaptionWindowId window;
    std::string text;
    int right;
    int top;
    int bottom;
    friend bool operator==(const DrawnTime&, const DrawnTime&) = default;
};

class FakeCaptions : public CaptionWindows {
  public:
    CaptionWindowId ForegroundTopLevel() const override { return foreground; }
    CaptionWindowInfo Describe(CaptionWindowId window) const override { return windows.at(window); }
    void RepaintFrame(CaptionWindowId window) override { repainted.push_back(window); }
    void RedrawCaption(CaptionWindowId window) override { redrawn.push_back(window); }
    void DrawStrip(CaptionWindowId window, const Picture& strip, int x, int y, int width,
                   int height) override {
        const auto& picture = static_cast<const FakePicture&>(strip);
        strips.push_back({picture.name, x, y, width, height});
        stripWindows.push_back(window);
        lampsOnStrip = std::move(picture.drawnOnto);
        picture.drawnOnto.clear();
    }
    void DrawTime(CaptionWindowId window, const std::string& text, int right, int top, int bottom,
                  const DrawingFont&, Colour, Colour) override {
        times.push_back({window, text, right, top, bottom});
    }

    CaptionWindowId foreground = 0;
    std::map<CaptionWindowId, CaptionWindowInfo> windows;
    std::vector<CaptionWindowId> repainted;
    std::vector<CaptionWindowId> redrawn;
    std::vector<Copy> strips;
    std::vector<CaptionWindowId> stripWindows;
    std::vector<Copy> lampsOnStrip;
    std::vector<DrawnTime> times;
};

class FakeTray : public TrayIconTarget {
  public:
    void SetActive(bool a) override { active = a; }
    void SetHint(const std::string& h) override { hint = h; }
    void SetPicture(TrayPicture p) override { picture = p; }

    bool active = false;
    std::string hint;
    TrayPicture picture;
};

class FakeHost : public PanelHost {
  public:
    bool ModalOpen() const override { return modalOpen; }
    bool DialogOpen() const override { return dialogOpen; }
    bool Minimized() const override { return minimized; }
    void MinimizeApplication() override {
        minimized = true;
        calls.push_back("minimize");
    }
    void RestoreFromTray() override {
        minimized = false;
        calls.push_back("restore");
    }
    void HideTaskbarWindow() override { calls.push_back("hide taskbar"); }
    void ShowSessionTraffic(std::int32_t sent, std::int32_t received) override {
        calls.push_back("traffic " + std::to_string(sent) + " " + std::to_string(received));
    }
    void ClearSessionTraffic() override { calls.push_back("no traffic"); }

    bool modalOpen = false;
    bool dialogOpen = false;
    bool minimized = false;
    std::vector<std::string> calls;
};

}  // namespace lw::testing
