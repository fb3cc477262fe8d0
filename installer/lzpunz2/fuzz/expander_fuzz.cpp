// Fuzzes the expansion of a compressed file: any bytes at all may come from the media. The
// input is the file; its size picks the read size.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "installer/lzpunz2/compressed_format.h"
#include "installer/lzpunz2/unz_session.h"

namespace {

const std::uint8_t* input = nullptr;
std::size_t inputSize = 0;
std::size_t next = 0;
bool ended = false;

int LZPUNZ_CALL NextInputByte() {
    if (ended) {
        std::abort();  // called again after it had answered the end
    }
    if (next < inputSize) {
        return input[next++];
    }
    ended = true;
    return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    input = data;
    inputSize = size;
    next = 0;
    ended = false;
    lzpunz::UnzSession session;
    if (session.Open(&NextInputByte, kLzpUnzExpandMode) != 0) {
        return 0;
    }
    const int readSize = 1 + static_cast<int>(size % 3000);
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(readSize));
    std::uint32_t crc = crc32(0, nullptr, 0);
    std::uint64_t expanded = 0;
    int got = 0;
    while ((got = session.Read(buffer.data(), readSize)) > 0) {
        if (got > readSize) {
            std::abort();
        }
        crc = crc32(crc, buffer.data(), static_cast<uInt>(got));
        expanded += static_cast<std::uint64_t>(got);
    }
    // A success means the whole input was taken and its trailer describes what came out.
    if (got == 0 &&
        (!ended || size < lzpunz::kTrailerSize ||
         lzpunz::LoadLittleEndian32(data + size - 8) != crc ||
         lzpunz::LoadLittleEndian32(data + size - 4) != static_cast<std::uint32_t>(expanded))) {
        std::abort();
    }
    session.Close();
    return 0;
}
