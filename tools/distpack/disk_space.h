// The space on the disk being filled. Each file on a disk takes whole clusters; a disk holds at
// most its size rounded down to whole clusters.
#pragma once

#include <cstdint>

namespace aw {

// Disk numbers run from 0 to 998: folders "disk001" to "disk999", volumes ".001" to ".998".
inline constexpr int kMaxDisks = 999;

class DiskSpace {
  public:
    // A disk size of 0 means no limit: everything goes on the first disk.
    DiskSpace(std::uint64_t diskSize, std::uint64_t clusterSize);

    int Disk() const { return disk_; }
    // Bytes that may still be written on this disk.
    std::uint64_t Free() const { return capacity_ - used_; }

    // `bytes` written on this disk (at most Free()).
    void Add(std::uint64_t bytes);
    // A file of `size` bytes on this disk is complete: the rest of its last cluster is taken.
    void EndFile(std::uint64_t size);
    // Moves on to an empty disk; false when there is no next disk number.
    bool NextDisk();

  private:
    std::uint64_t capacity_;
    std::uint64_t cluster_;
    std::uint64_t used_ = 0;
    int disk_ = 0;
};

}  // namespace aw
