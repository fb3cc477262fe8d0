// Pictures from files, as the install screen and the dialogs draw them: bitmaps centred,
// stretched or tiled, and metafiles played into a rectangle. Every copy is a plain source
// copy.
#pragma once

#include <windows.h>

#include <string>

#include "installer/ui/screen_geometry.h"
#include "installer/ui/win32/gdi_handles.h"

namespace aw {

class LoadedBitmap {
  public:
    // False, holding nothing, when the file is not a bitmap that can be read.
    bool Load(const std::string& path);
    bool Loaded() const { return static_cast<bool>(bitmap_); }
    PixelSize Size() const { return size_; }

    void DrawCentred(HDC dc, PixelPoint centre) const;
    void DrawStretched(HDC dc, const PixelRect& into) const;
    // Tiles from the client's top-left corner, covering `area`.
    void DrawTiled(HDC dc, const RECT& area) const;

  private:
    GdiObject<HBITMAP> bitmap_;
    PixelSize size_;
};

// An enhanced metafile, or a Windows metafile with or without the placeable header.
class LoadedMetafile {
  public:
    LoadedMetafile() = default;
    ~LoadedMetafile();
    LoadedMetafile(const LoadedMetafile&) = delete;
    LoadedMetafile& operator=(const LoadedMetafile&) = delete;

    bool Load(const std::string& path);
    bool Loaded() const { return metafile_ != nullptr; }
    void Play(HDC dc, const PixelRect& into) const;

  private:
    HENHMETAFILE metafile_ = nullptr;
};

}  // namespace aw
