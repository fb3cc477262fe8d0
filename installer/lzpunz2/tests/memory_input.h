// Test inputs: bytes in memory behind the library's context-free input callback, and data to
// compress.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "installer/lzpunz2/lzpunz2.h"

namespace lzpunz::testing {

using Bytes = std::vector<std::uint8_t>;

// The callback delivers the bytes last given to Use(), then -1; it counts the calls made after
// it had answered -1, which a reader that stays inside its input never makes.
class MemoryInput {
  public:
    static void Use(std::span<const std::uint8_t> bytes);
    static int LZPUNZ_CALL Callback();
    static std::size_t CallsAfterEnd();
};

// Everything a session expands from `file`, read `readSize` bytes at a time; none when the
// open or a read failed. Checks on the way that no read returns more than was asked for, and
// that the input callback is never called after it has answered -1.
std::optional<Bytes> ExpandAll(const Bytes& file, int readSize);

Bytes Of(const std::string& text);

// Words from a small vocabulary with numbers between them: compresses several times over.
Bytes TextLike(std::size_t size, std::uint32_t seed);
// Pseudo-random bytes that deflate cannot shrink.
Bytes Incompressible(std::size_t size, std::uint32_t seed);

}  // namespace lzpunz::testing
