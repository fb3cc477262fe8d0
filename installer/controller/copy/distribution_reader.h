// Reads the stored bytes of one distribution file, byte by byte or in blocks, across the pieces
// of a split file: each piece is looked for in the current source directory, and when it is not
// there the user is asked for its disk (even when that disk is the current one). A file of the
// distribution's own reads just its stored size from its first piece's offset.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "installer/controller/file_request.h"
#include "installer/controller/file_system.h"

namespace aw {

class Installer;

class DistributionReader {
  public:
    enum class State { Closed, Open, Failed, Done };

    // The file `entry` describes, on the distribution media.
    DistributionReader(Installer& installer, const DistributionEntry& entry);
    // A file of its own at `path`, read to its end.
    DistributionReader(Installer& installer, std::string path);

    // Opens the first piece; false when it cannot be had.
    bool Open();
    // The next stored byte, or -1 at the end (Done) or on a failure (Failed).
    int NextByte() {
        if (next_ < end_) {
            return buffer_[next_++];
        }
        return Refill() ? buffer_[next_++] : -1;
    }
    // Up to `count` stored bytes into `buffer`: how many, 0 at the end, -1 on a failure.
    std::int32_t Read(std::uint8_t* buffer, std::int32_t count);
    bool Close();

    State CurrentState() const { return state_; }

  private:
    bool OpenPiece(std::int32_t piece);
    bool Refill();
    bool Fail();

    Installer& installer_;
    const DistributionEntry* entry_ = nullptr;
    std::string path_;
    std::unique_ptr<OpenFile> file_;
    State state_ = State::Closed;
    std::int32_t piece_ = 0;
    // Stored bytes not yet taken into the buffer.
    std::uint32_t remaining_ = 0;
    std::vector<std::uint8_t> buffer_;
    std::size_t next_ = 0;
    std::size_t end_ = 0;
};

}  // namespace aw
