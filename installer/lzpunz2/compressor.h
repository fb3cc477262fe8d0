// Writes compressed files: the packer's side of the format that the library expands.
#pragma once

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace lzpunz {

// Where compressed bytes go as they are produced.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    // False when the bytes could not be stored.
    virtual bool Put(std::span<const std::uint8_t> bytes) = 0;
};

// Compresses one file's bytes, handed over in any number of pieces, into `sink`.
class Compressor {
  public:
    // Writes the signature at once.
    explicit Compressor(ByteSink& sink, int level = Z_BEST_COMPRESSION);
    ~Compressor();
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;

    // False once anything failed: zlib, the sink, or more bytes than a file may expand to.
    bool Write(std::span<const std::uint8_t> bytes);
    // Ends the deflate stream and writes the trailer; nothing can be written afterwards.
    bool Finish();

    std::uint64_t ExpandedSize() const { return expandedSize_; }

  private:
    bool Deflate(int flush);
    bool Put(std::span<const std::uint8_t> bytes);

    ByteSink& sink_;
    z_stream stream_{};
    bool ready_ = false;
    bool failed_ = false;
    bool finished_ = false;
    std::uint32_t crc_ = 0;
    std::uint64_t expandedSize_ = 0;
    std::vector<std::uint8_t> out_;
};

// A whole file compressed in memory; empty when it could not be (no compressed file is).
std::vector<std::uint8_t> Compress(std::span<const std::uint8_t> bytes,
                                   int level = Z_BEST_COMPRESSION);

}  // namespace lzpunz
