#include "monitor/core/drawing/win32/gdi_resources.h"

#include <map>
#include <vector>

namespace lw {
namespace {

// Selects a bitmap or font into a device context for the object's life.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

class ScreenDc {
  public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    operator HDC() const { return dc_; }

  private:
    HDC dc_;
};

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// On a display of 256 colours or fewer, the key colours are classified as the display
// shows them.
void MapToDeviceColours(HDC screen, std::vector<DibPixel>& pixels) {
    if (GetDeviceCaps(screen, BITSPIXEL) > 8) {
        return;
    }
    std::map<DibPixel, DibPixel> nearest;
    for (DibPixel& pixel : pixels) {
        const auto [at, added] = nearest.try_emplace(pixel, 0);
        if (added) {
            const Rgb rgb = RgbOf(pixel);
            at->second = DibPixelOf(GetNearestColor(screen, RGB(rgb.red, rgb.green, rgb.blue)));
        }
        pixel = at->second;
    }
}

const GdiPicture& AsGdi(const Picture& picture) {
    return static_cast<const GdiPicture&>(picture);
}

}  // namespace

GdiResources::GdiResources(HMODULE module)
    : module_(module), source_(CreateCompatibleDC(nullptr)), target_(CreateCompatibleDC(nullptr)) {}

GdiResources::~GdiResources() {
    DeleteDC(source_);
    DeleteDC(target_);
}

std::unique_ptr<Picture> GdiResources::LoadPicture(const std::string& name,
                                                   const Recolouring& recolouring) {
    const auto loaded = static_cast<HBITMAP>(
        LoadImageA(module_, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (loaded == nullptr) {
        return nullptr;
    }
    ++loads_;
    BITMAP shape{};
    GetObjectA(loaded, sizeof shape, &shape);
    const int width = shape.bmWidth;
    const int height = shape.bmHeight < 0 ? -shape.bmHeight : shape.bmHeight;
    std::vector<DibPixel> pixels(static_cast<std::size_t>(width) * height);
    BITMAPINFO info = TopDown32(width, height);
    const ScreenDc screen;
    const int rows = GetDIBits(screen, loaded, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(loaded);
    if (rows != height) {
        return nullptr;
    }
    MapToDeviceColours(screen, pixels);
    Recolour(pixels, recolouring.kind, recolouring.colours);
    if (recolouring.etchedSeparator) {
        EtchSeparator(pixels, width);
    }
    const HBITMAP ready = CreateCompatibleBitmap(screen, width, height);
    if (ready == nullptr) {
        return nullptr;
    }
    SetDIBits(screen, ready, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    return std::make_unique<GdiPicture>(ready, width, height);
}

void GdiResources::DrawPicture(const Picture& source, Picture& target, int x, int y, int width,
                               int height) {
    const Selection into(target_, AsGdi(target).Bitmap());
    CopyTo(target_, source, x, y, width, height);
}

void GdiResources::CopyTo(HDC dc, const Picture& picture, int x, int y, int width, int height) {
    const Selection from(source_, AsGdi(picture).Bitmap());
    BitBlt(dc, x, y, width, height, source_, 0, 0, SRCCOPY);
}

int GdiResources::PixelsPerInch() const {
    const ScreenDc screen;
    return GetDeviceCaps(screen, LOGPIXELSY);
}

std::unique_ptr<DrawingFont> GdiResources::MakeFont(const FontRequest& request) {
    const HFONT font =
        CreateFontA(request.height, 0, 0, 0, request.weight, request.italic, request.underline,
                    request.strikeOut, kFontCharSet, 0, 0, kFontQuality, kFontPitchAndFamily,
                    request.face.substr(0, LF_FACESIZE - 1).c_str());
    if (font == nullptr) {
        return nullptr;
    }
    return std::make_unique<GdiFont>(font);
}

}  // namespace lw
