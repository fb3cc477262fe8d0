// How a job reports its progress: files of the distribution move the controller's gauge; other
// files only let pending window messages run and never stop the copy.
#pragma once

#include <cstdint>

#include "installer/controller/copy/copy_job.h"

namespace aw {

// The largest read the job takes; the gauge and the pump both read that much at a time.
inline constexpr std::uint32_t kCopyBufferKiB = 31;

class GaugeProgress : public CopyProgress {
  public:
    std::uint32_t BufferSizeKiB() override { return kCopyBufferKiB; }
    bool Step(std::uint32_t kib) override;
    void Start(std::uint32_t kib) override;
    void End() override;
    void Undo() override;
};

class MessagePumpProgress : public CopyProgress {
  public:
    std::uint32_t BufferSizeKiB() override { return kCopyBufferKiB; }
    bool Step(std::uint32_t kib) override;
    void Start(std::uint32_t) override {}
    void End() override {}
    void Undo() override {}
};

}  // namespace aw
