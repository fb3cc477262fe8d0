// Icons of the window system.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "monitor/forms/icon.h"

namespace lw {

// An icon handle that is destroyed with the image.
class Win32IconImage : public IconImage {
  public:
    explicit Win32IconImage(HICON icon) : icon_(icon) {}
    ~Win32IconImage() override { DestroyIcon(icon_); }
    Win32IconImage(const Win32IconImage&) = delete;
    Win32IconImage& operator=(const Win32IconImage&) = delete;
    WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(icon_); }

  private:
    HICON icon_;
};

// The program's icon resource `name` at the given size (0: the resource's own), in default
// colours; null when there is none.
std::shared_ptr<const IconImage> LoadIconResource(const std::string& name, int width = 0,
                                                  int height = 0);

}  // namespace lw
