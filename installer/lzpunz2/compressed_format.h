// The layout of a compressed distribution file:
//
//     offset 0       4 bytes  "LZP2"
//     offset 4       n bytes  one raw deflate stream (no zlib or gzip wrapper)
//     offset 4 + n   4 bytes  CRC-32 of the expanded bytes, little-endian
//     offset 8 + n   4 bytes  number of expanded bytes, little-endian
//
// Nothing follows. The installer reads the expanded size from the last four bytes without
// expanding anything; the checksum and the size let the expander tell a damaged or mismatched
// file from a sound one at its end.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace lzpunz {

inline constexpr std::array<std::uint8_t, 4> kMagic{'L', 'Z', 'P', '2'};
inline constexpr std::size_t kTrailerSize = 8;
// Raw deflate with a 32 KiB window.
inline constexpr int kWindowBits = -15;

// The largest expanded size a file may have: the installer holds sizes in signed 32 bits.
inline constexpr std::uint64_t kMaxExpandedSize = 0x7FFFFFFF;

inline std::uint32_t LoadLittleEndian32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

inline void StoreLittleEndian32(std::uint32_t value, std::uint8_t* bytes) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

}  // namespace lzpunz
