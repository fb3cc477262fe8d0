#include "tools/distpack/disk_space.h"

#include <limits>

namespace aw {

DiskSpace::DiskSpace(std::uint64_t diskSize, std::uint64_t clusterSize)
    : cluster_(clusterSize == 0 ? 1 : clusterSize) {
    capacity_ =
        diskSize == 0 ? std::numeric_limits<std::uint64_t>::max() : diskSize / cluster_ * cluster_;
}

void DiskSpace::Add(std::uint64_t bytes) {
    used_ += bytes;
}

void DiskSpace::EndFile(std::uint64_t size) {
    used_ += (cluster_ - size % cluster_) % cluster_;
}

bool DiskSpace::NextDisk() {
    if (disk_ + 1 >= kMaxDisks) {
        return false;
    }
    ++disk_;
    used_ = 0;
    return true;
}

}  // namespace aw
