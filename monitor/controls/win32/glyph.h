// Button glyphs drawn with a transparent background: the colour of an image's bottom-left
// pixel shows what lies beneath.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "monitor/controls/control_windows.h"

namespace lw {

class Win32Glyph : public GlyphImage {
  public:
    // Takes `bitmap` and makes its mask.
    explicit Win32Glyph(HBITMAP bitmap);
    ~Win32Glyph() override;
    Win32Glyph(const Win32Glyph&) = delete;
    Win32Glyph& operator=(const Win32Glyph&) = delete;

    int Width() const override { return width_; }
    int Height() const override { return height_; }

    // Draws the picture `index` of `count` pictures side by side, with its top-left corner
    // at (x, y). `embossed` draws its outline greyed out, as on a disabled button.
    void Draw(HDC target, int x, int y, int index, int count, bool embossed) const;

  private:
    HBITMAP image_;  // transparent pixels turned black
    HBITMAP mask_;   // white where transparent
    int width_ = 0;
    int height_ = 0;
};

// The program's bitmap resource `name` as a glyph; null when there is none.
std::shared_ptr<const Win32Glyph> LoadGlyphResource(const std::string& name);

}  // namespace lw
