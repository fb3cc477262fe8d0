// Expands one compressed file that arrives a byte at a time through an input callback.
#pragma once

#include <zlib.h>

#include <array>
#include <cstdint>

#include "installer/lzpunz2/lzpunz2.h"

namespace lzpunz {

class Expander {
  public:
    Expander();
    ~Expander();
    Expander(const Expander&) = delete;
    Expander& operator=(const Expander&) = delete;

    // Ends whatever file was being expanded and starts on the one `input` delivers, reading
    // its signature. False when that is not a compressed file or zlib has no memory.
    bool Start(LzpUnzInput input);

    // Puts up to `count` expanded bytes into `buffer` and returns how many. 0 once the whole
    // file has been delivered and its trailer matched what was expanded (and for a count of 0).
    // -1 when nothing was started, the arguments are unusable, or the input is damaged, ends
    // early or runs on past the trailer; once failed, every later read fails too.
    int Read(std::uint8_t* buffer, int count);

    // Forgets the current file; the input is not called again.
    void Stop();

  private:
    enum class State { Idle, Expanding, Finished, Failed };

    // Takes the next byte of input, first from what was pulled ahead; -1 at the end.
    int NextByte();
    // Pulls up to a chunk of input into the stream; at the end of the input, marks it ended.
    void Refill();
    bool TrailerMatches();
    int Fail();

    State state_ = State::Idle;
    bool inflateReady_ = false;
    z_stream stream_{};
    LzpUnzInput input_ = nullptr;
    bool inputEnded_ = false;
    std::uint32_t crc_ = 0;
    std::uint32_t expandedSize_ = 0;
    std::array<std::uint8_t, 4096> chunk_{};
};

}  // namespace lzpunz
