// Pictures of windows read back from the screen, for the window tests and the programs that
// take the documentation's pictures.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lw::testing {

// What a window shows: its client area, or the whole window with its caption and frame.
class Pixels {
  public:
    Pixels(HWND window, bool wholeWindow);
    COLORREF At(int x, int y) const;
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

// Writes the picture as a 24-bit bitmap file; false when the file cannot be written.
bool SaveBitmapFile(const Pixels& picture, const std::string& path);

}  // namespace lw::testing
