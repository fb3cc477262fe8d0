#include "installer/ui/win32/pictures.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace aw {

bool LoadedBitmap::Load(const std::string& path) {
    bitmap_.Reset();
    size_ = {};
    if (path.empty()) {
        return false;
    }
    bitmap_.Reset(static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    BITMAP info;
    if (!bitmap_ || GetObjectA(bitmap_.Get(), sizeof info, &info) == 0) {
        bitmap_.Reset();
        return false;
    }
    size_ = {info.bmWidth, info.bmHeight};
    return true;
}

void LoadedBitmap::DrawCentred(HDC dc, PixelPoint centre) const {
    BitmapSource source(dc, bitmap_.Get());
    BitBlt(dc, centre.X - size_.Width / 2, centre.Y - size_.Height / 2, size_.Width, size_.Height,
           source.Get(), 0, 0, SRCCOPY);
}

void LoadedBitmap::DrawStretched(HDC dc, const PixelRect& into) const {
    BitmapSource source(dc, bitmap_.Get());
    const int previous = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, into.Left, into.Top, into.Width, into.Height, source.Get(), 0, 0, size_.Width,
               size_.Height, SRCCOPY);
    SetStretchBltMode(dc, previous);
}

void LoadedBitmap::DrawTiled(HDC dc, const RECT& area) const {
    if (size_.Width <= 0 || size_.Height <= 0) {
        return;
    }
    BitmapSource source(dc, bitmap_.Get());
    for (int y = area.top / size_.Height * size_.Height; y < area.bottom; y += size_.Height) {
        for (int x = area.left / size_.Width * size_.Width; x < area.right; x += size_.Width) {
            BitBlt(dc, x, y, size_.Width, size_.Height, source.Get(), 0, 0, SRCCOPY);
        }
    }
}

namespace {

// The header that some drawing programs put before a Windows metafile: its frame in units
// of `unitsPerInch`.
#pragma pack(push, 2)
struct PlaceableHeader {
    std::uint32_t key;
    std::uint16_t handle;
    std::int16_t left, top, right, bottom;
    std::uint16_t unitsPerInch;
    std::uint32_t reserved;
    std::uint16_t checksum;
};
#pragma pack(pop)
static_assert(sizeof(PlaceableHeader) == 22);
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;

std::vector<BYTE> FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(file), {});
}

}  // namespace

LoadedMetafile::~LoadedMetafile() {
    if (metafile_ != nullptr) {
        DeleteEnhMetaFile(metafile_);
    }
}

bool LoadedMetafile::Load(const std::string& path) {
    if (metafile_ != nullptr) {
        DeleteEnhMetaFile(metafile_);
        metafile_ = nullptr;
    }
    if (path.empty()) {
        return false;
    }
    metafile_ = GetEnhMetaFileA(path.c_str());
    if (metafile_ != nullptr) {
        return true;
    }
    const std::vector<BYTE> bytes = FileBytes(path);
    PlaceableHeader header{};
    if (bytes.size() > sizeof header) {
        std::memcpy(&header, bytes.data(), sizeof header);
    }
    if (header.key == kPlaceableKey && header.unitsPerInch != 0) {
        // The frame in hundredths of a millimetre, so that it plays at its own proportions.
        METAFILEPICT picture{MM_ANISOTROPIC,
                             (header.right - header.left) * 2540 / header.unitsPerInch,
                             (header.bottom - header.top) * 2540 / header.unitsPerInch, nullptr};
        metafile_ = SetWinMetaFileBits(static_cast<UINT>(bytes.size() - sizeof header),
                                       bytes.data() + sizeof header, nullptr, &picture);
    } else if (!bytes.empty()) {
        metafile_ =
            SetWinMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data(), nullptr, nullptr);
    }
    return metafile_ != nullptr;
}

void LoadedMetafile::Play(HDC dc, const PixelRect& into) const {
    const RECT frame{into.Left, into.Top, into.Left + into.Width, into.Top + into.Height};
    PlayEnhMetaFile(dc, metafile_, &frame);
}

}  // namespace aw
