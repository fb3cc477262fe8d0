#include "installer/lzpunz2/expander.h"

#include "installer/lzpunz2/compressed_format.h"

namespace lzpunz {

Expander::Expander() = default;

Expander::~Expander() {
    if (inflateReady_) {
        inflateEnd(&stream_);
    }
}

bool Expander::Start(LzpUnzInput input) {
    Stop();
    if (input == nullptr) {
        return false;
    }
    if (!inflateReady_) {
        stream_ = z_stream{};
        if (inflateInit2(&stream_, kWindowBits) != Z_OK) {
            return false;
        }
        inflateReady_ = true;
    } else if (inflateReset(&stream_) != Z_OK) {
        return false;
    }
    input_ = input;
    inputEnded_ = false;
    stream_.next_in = chunk_.data();
    stream_.avail_in = 0;
    crc_ = crc32(0, nullptr, 0);
    expandedSize_ = 0;
    for (std::uint8_t expected : kMagic) {
        if (NextByte() != expected) {
            Stop();
            return false;
        }
    }
    state_ = State::Expanding;
    return true;
}

void Expander::Stop() {
    state_ = State::Idle;
    input_ = nullptr;
    inputEnded_ = true;
}

int Expander::NextByte() {
    if (stream_.avail_in > 0) {
        --stream_.avail_in;
        return *stream_.next_in++;
    }
    if (inputEnded_) {
        return -1;
    }
    const int byte = input_();
    if (byte < 0 || byte > 0xFF) {
        inputEnded_ = true;
        return -1;
    }
    return byte;
}

void Expander::Refill() {
    uInt pulled = 0;
    while (pulled < chunk_.size()) {
        const int byte = input_();
        if (byte < 0 || byte > 0xFF) {
            inputEnded_ = true;
            break;
        }
        chunk_[pulled++] = static_cast<std::uint8_t>(byte);
    }
    stream_.next_in = chunk_.data();
    stream_.avail_in = pulled;
}

// The checksum and the size, then the end of the input: bytes after the trailer mean that the
// last four bytes are not the size the installer was told.
bool Expander::TrailerMatches() {
    std::array<std::uint8_t, kTrailerSize> trailer{};
    for (std::uint8_t& byte : trailer) {
        const int next = NextByte();
        if (next < 0) {
            return false;
        }
        byte = static_cast<std::uint8_t>(next);
    }
    return LoadLittleEndian32(trailer.data()) == crc_ &&
           LoadLittleEndian32(trailer.data() + 4) == expandedSize_ && NextByte() < 0;
}

int Expander::Fail() {
    state_ = State::Failed;
    return -1;
}

int Expander::Read(std::uint8_t* buffer, int count) {
    if (state_ == State::Finished && count >= 0) {
        return 0;
    }
    if (state_ != State::Expanding || count < 0 || (count > 0 && buffer == nullptr)) {
        return -1;
    }
    if (count == 0) {
        return 0;
    }
    stream_.next_out = buffer;
    stream_.avail_out = static_cast<uInt>(count);
    int result = Z_OK;
    while (stream_.avail_out > 0) {
        if (stream_.avail_in == 0 && !inputEnded_) {
            Refill();
        }
        // Without progress zlib answers Z_BUF_ERROR: the input ended inside the stream.
        result = inflate(&stream_, Z_NO_FLUSH);
        if (result != Z_OK) {
            break;
        }
    }
    const auto produced = static_cast<uInt>(count) - stream_.avail_out;
    crc_ = crc32(crc_, buffer, produced);
    expandedSize_ += produced;
    if (result == Z_STREAM_END) {
        if (!TrailerMatches()) {
            return Fail();
        }
        state_ = State::Finished;
    } else if (result != Z_OK) {
        return Fail();
    }
    return static_cast<int>(produced);
}

}  // namespace lzpunz
