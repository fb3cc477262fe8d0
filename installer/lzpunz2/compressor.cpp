#include "installer/lzpunz2/compressor.h"

#include <algorithm>
#include <array>
#include <limits>

#include "installer/lzpunz2/compressed_format.h"

namespace lzpunz {

namespace {

constexpr std::size_t kOutputBlock = 64 * 1024;
// zlib counts input in unsigned ints.
constexpr std::size_t kLargestStep = std::numeric_limits<uInt>::max() / 2;

class VectorSink : public ByteSink {
  public:
    explicit VectorSink(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    bool Put(std::span<const std::uint8_t> bytes) override {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return true;
    }

  private:
    std::vector<std::uint8_t>& bytes_;
};

}  // namespace

Compressor::Compressor(ByteSink& sink, int level) : sink_(sink), out_(kOutputBlock) {
    ready_ = deflateInit2(&stream_, level, Z_DEFLATED, kWindowBits, 9, Z_DEFAULT_STRATEGY) == Z_OK;
    failed_ = !ready_;
    crc_ = crc32(0, nullptr, 0);
    Put(kMagic);
}

Compressor::~Compressor() {
    if (ready_) {
        deflateEnd(&stream_);
    }
}

bool Compressor::Put(std::span<const std::uint8_t> bytes) {
    if (!failed_ && !bytes.empty() && !sink_.Put(bytes)) {
        failed_ = true;
    }
    return !failed_;
}

// Runs deflate over the pending input until it has taken all of it (or, when finishing,
// until the stream has ended), passing each block of output on.
bool Compressor::Deflate(int flush) {
    int result = Z_OK;
    do {
        stream_.next_out = out_.data();
        stream_.avail_out = static_cast<uInt>(out_.size());
        result = deflate(&stream_, flush);
        if (result == Z_STREAM_ERROR) {
            failed_ = true;
            return false;
        }
        if (!Put({out_.data(), out_.size() - stream_.avail_out})) {
            return false;
        }
    } while (stream_.avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END));
    return true;
}

bool Compressor::Write(std::span<const std::uint8_t> bytes) {
    if (failed_ || finished_) {
        return false;
    }
    if (bytes.size() > kMaxExpandedSize - expandedSize_) {
        failed_ = true;
        return false;
    }
    while (!bytes.empty()) {
        const std::size_t step = std::min(bytes.size(), kLargestStep);
        // zlib does not write through next_in; its type only predates const.
        stream_.next_in = const_cast<Bytef*>(bytes.data());
        stream_.avail_in = static_cast<uInt>(step);
        crc_ = crc32(crc_, bytes.data(), static_cast<uInt>(step));
        expandedSize_ += step;
        if (!Deflate(Z_NO_FLUSH)) {
            return false;
        }
        bytes = bytes.subspan(step);
    }
    return true;
}

bool Compressor::Finish() {
    if (failed_ || finished_) {
        return false;
    }
    finished_ = true;
    if (!Deflate(Z_FINISH)) {
        return false;
    }
    std::array<std::uint8_t, kTrailerSize> trailer{};
    StoreLittleEndian32(crc_, trailer.data());
    StoreLittleEndian32(static_cast<std::uint32_t>(expandedSize_), trailer.data() + 4);
    return Put(trailer);
}

std::vector<std::uint8_t> Compress(std::span<const std::uint8_t> bytes, int level) {
    std::vector<std::uint8_t> compressed;
    VectorSink sink(compressed);
    Compressor compressor(sink, level);
    if (!compressor.Write(bytes) || !compressor.Finish()) {
        compressed.clear();
    }
    return compressed;
}

}  // namespace lzpunz
