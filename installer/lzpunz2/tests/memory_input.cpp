#include "installer/lzpunz2/tests/memory_input.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "installer/lzpunz2/unz_session.h"

namespace lzpunz::testing {

namespace {

std::span<const std::uint8_t> input;
std::size_t next = 0;
bool ended = false;
std::size_t callsAfterEnd = 0;

}  // namespace

void MemoryInput::Use(std::span<const std::uint8_t> bytes) {
    input = bytes;
    next = 0;
    ended = false;
    callsAfterEnd = 0;
}

int LZPUNZ_CALL MemoryInput::Callback() {
    if (next < input.size()) {
        return input[next++];
    }
    callsAfterEnd += ended ? 1 : 0;
    ended = true;
    return -1;
}

std::size_t MemoryInput::CallsAfterEnd() {
    return callsAfterEnd;
}

std::optional<Bytes> ExpandAll(const Bytes& file, int readSize) {
    UnzSession session;
    MemoryInput::Use(file);
    if (session.Open(&MemoryInput::Callback, kLzpUnzExpandMode) != 0) {
        EXPECT_EQ(MemoryInput::CallsAfterEnd(), 0u);
        return std::nullopt;
    }
    Bytes expanded;
    Bytes buffer(static_cast<std::size_t>(readSize));
    for (;;) {
        const int got = session.Read(buffer.data(), readSize);
        EXPECT_LE(got, readSize);
        if (got <= 0) {
            EXPECT_EQ(session.Close(), 0);
            EXPECT_EQ(MemoryInput::CallsAfterEnd(), 0u);
            return got == 0 ? std::optional(expanded) : std::nullopt;
        }
        expanded.insert(expanded.end(), buffer.begin(), buffer.begin() + got);
    }
}

Bytes Of(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes TextLike(std::size_t size, std::uint32_t seed) {
    static const std::array<std::string, 12> words = {
        "modem ",      "carrier ",    "COM2 ",    "installer ", "the ",  "of ",
        "connect\r\n", "SharedDLLs ", "disk001 ", "version ",   "lamp ", "38400 "};
    std::mt19937 random(seed);
    Bytes bytes;
    bytes.reserve(size + 16);
    while (bytes.size() < size) {
        const std::string& word = words[random() % words.size()];
        bytes.insert(bytes.end(), word.begin(), word.end());
        if (random() % 4 == 0) {
            const std::string number = std::to_string(random() % 100000) + ' ';
            bytes.insert(bytes.end(), number.begin(), number.end());
        }
    }
    bytes.resize(size);
    return bytes;
}

Bytes Incompressible(std::size_t size, std::uint32_t seed) {
    std::mt19937 random(seed);
    Bytes bytes(size);
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(random() >> 24);
    }
    return bytes;
}

}  // namespace lzpunz::testing
