#include "monitor/controls/win32/glyph.h"

namespace lw {
namespace {

// Raster operations on the brush P, the source S and the destination D.
constexpr DWORD kDestinationAndNotSource = 0x00220326;  // D & ~S
constexpr DWORD kBrushWhereSourceBlack = 0x00B8074A;    // P where S is 0, else D

// A memory device context with a bitmap selected into it, for the length of a block.
class BitmapDc {
  public:
    BitmapDc(HDC like, HBITMAP bitmap) : dc_(CreateCompatibleDC(like)) {
        old_ = SelectObject(dc_, bitmap);
    }
    ~BitmapDc() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    BitmapDc(const BitmapDc&) = delete;
    BitmapDc& operator=(const BitmapDc&) = delete;
    operator HDC() const { return dc_; }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace

Win32Glyph::Win32Glyph(HBITMAP bitmap) : image_(bitmap) {
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    width_ = info.bmWidth;
    height_ = info.bmHeight;
    mask_ = CreateBitmap(width_, height_, 1, 1, nullptr);

    BitmapDc image(nullptr, image_);
    BitmapDc mask(nullptr, mask_);
    SetBkColor(image, GetPixel(image, 0, height_ - 1));
    BitBlt(mask, 0, 0, width_, height_, image, 0, 0, SRCCOPY);
    SetBkColor(image, RGB(255, 255, 255));
    SetTextColor(image, RGB(0, 0, 0));
    BitBlt(image, 0, 0, width_, height_, mask, 0, 0, kDestinationAndNotSource);
}

Win32Glyph::~Win32Glyph() {
    DeleteObject(image_);
    DeleteObject(mask_);
}

void Win32Glyph::Draw(HDC target, int x, int y, int index, int count, bool embossed) const {
    const int width = width_ / (count > 0 ? count : 1);
    const int left = index * width;
    const COLORREF oldBack = SetBkColor(target, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(target, RGB(0, 0, 0));
    BitmapDc mask(target, mask_);
    if (embossed) {
        const HGDIOBJ oldBrush = SelectObject(target, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
        BitBlt(target, x + 1, y + 1, width, height_, mask, left, 0, kBrushWhereSourceBlack);
        SelectObject(target, GetSysColorBrush(COLOR_BTNSHADOW));
        BitBlt(target, x, y, width, height_, mask, left, 0, kBrushWhereSourceBlack);
        SelectObject(target, oldBrush);
    } else {
        BitmapDc image(target, image_);
        BitBlt(target, x, y, width, height_, mask, left, 0, SRCAND);
        BitBlt(target, x, y, width, height_, image, left, 0, SRCPAINT);
    }
    SetBkColor(target, oldBack);
    SetTextColor(target, oldText);
}

std::shared_ptr<const Win32Glyph> LoadGlyphResource(const std::string& name) {
    const HANDLE bitmap =
        LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
    if (bitmap == nullptr) {
        return nullptr;
    }
    return std::make_shared<Win32Glyph>(static_cast<HBITMAP>(bitmap));
}

}  // namespace lw
