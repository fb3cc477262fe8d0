// Bitmaps and fonts of GDI: the lamp bitmaps loaded from the program's resources and
// recoloured, copied onto one another and onto windows through two memory device contexts.
#pragma once

#include <windows.h>

#include "monitor/core/drawing/drawing_services.h"

namespace lw {

// A device-compatible bitmap, deleted with the object.
class GdiPicture : public Picture {
  public:
    GdiPicture(HBITMAP bitmap, int width, int height)
        : bitmap_(bitmap), width_(width), height_(height) {}
    ~GdiPicture() override { DeleteObject(bitmap_); }
    GdiPicture(const GdiPicture&) = delete;
    GdiPicture& operator=(const GdiPicture&) = delete;

    HBITMAP Bitmap() const { return bitmap_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }

  private:
    HBITMAP bitmap_;
    int width_;
    int height_;
};

class GdiFont : public DrawingFont {
  public:
    explicit GdiFont(HFONT font) : font_(font) {}
    ~GdiFont() override { DeleteObject(font_); }
    GdiFont(const GdiFont&) = delete;
    GdiFont& operator=(const GdiFont&) = delete;
    HFONT Font() const { return font_; }

  private:
    HFONT font_;
};

class GdiResources : public DrawingResources {
  public:
    // Bitmaps are taken from `module`'s resources.
    explicit GdiResources(HMODULE module = GetModuleHandleA(nullptr));
    ~GdiResources() override;
    GdiResources(const GdiResources&) = delete;
    GdiResources& operator=(const GdiResources&) = delete;

    std::unique_ptr<Picture> LoadPicture(const std::string& name,
                                         const Recolouring& recolouring) override;
    void DrawPicture(const Picture& source, Picture& target, int x, int y, int width,
                     int height) override;
    int PixelsPerInch() const override;
    std::unique_ptr<DrawingFont> MakeFont(const FontRequest& request) override;

    // Copies the top left of `picture` to (x, y) of `dc`.
    void CopyTo(HDC dc, const Picture& picture, int x, int y, int width, int height);

    // Bitmaps loaded (and recoloured) so far.
    int Loads() const { return loads_; }

  private:
    HMODULE module_;
    HDC source_;
    HDC target_;
    int loads_ = 0;
};

}  // namespace lw
