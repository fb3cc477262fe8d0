// The progress gauge's arithmetic, in units of KiB: the total of the run, what is done, and the
// file now being installed; the percentage, and which billboard belongs to the progress made.
#pragma once

#include <cstdint>

namespace aw {

class ProgressGauge {
  public:
    void Reset(std::uint32_t total);
    std::uint32_t Total() const { return total_; }
    std::uint32_t Done() const { return done_; }

    // A file of `units` starts; what was reported for the file before is forgotten.
    void StartFile(std::uint32_t units);
    void Step(std::uint32_t units);
    // Adds what is left of the file's units.
    void EndFile();
    // Takes back what was reported for the file.
    void UndoFile();

    // Done × 100 / total; none (-1) outside 0..100, which callers report as a failed check.
    // A run without a total stands at 0.
    std::int32_t Percent() const;

    // The billboard for the progress made, of `count` billboards (count not 0).
    std::int32_t BillboardIndex(std::int32_t count) const;

  private:
    std::uint32_t total_ = 0;
    std::uint32_t done_ = 0;
    std::uint32_t fileUnits_ = 0;
    std::uint32_t fileReported_ = 0;
};

}  // namespace aw
