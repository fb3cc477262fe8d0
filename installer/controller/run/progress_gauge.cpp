#include "installer/controller/run/progress_gauge.h"

namespace aw {

void ProgressGauge::Reset(std::uint32_t total) {
    total_ = total;
    done_ = 0;
    fileUnits_ = 0;
    fileReported_ = 0;
}

void ProgressGauge::StartFile(std::uint32_t units) {
    fileUnits_ = units;
    fileReported_ = 0;
}

void ProgressGauge::Step(std::uint32_t units) {
    done_ += units;
    fileReported_ += units;
}

void ProgressGauge::EndFile() {
    if (fileReported_ < fileUnits_) {
        Step(fileUnits_ - fileReported_);
    }
}

void ProgressGauge::UndoFile() {
    done_ = done_ >= fileReported_ ? done_ - fileReported_ : 0;
    fileReported_ = 0;
}

std::int32_t ProgressGauge::Percent() const {
    if (total_ == 0) {
        return 0;
    }
    const std::uint64_t percent = std::uint64_t{done_} * 100 / total_;
    return percent > 100 ? -1 : static_cast<std::int32_t>(percent);
}

std::int32_t ProgressGauge::BillboardIndex(std::int32_t count) const {
    const std::uint32_t step = count > 0 ? total_ / static_cast<std::uint32_t>(count) : 0;
    if (step == 0) {
        return 0;
    }
    return static_cast<std::int32_t>(done_ / step);
}

}  // namespace aw
