// The job's read loop, driven with plug-ins of the test's own.
#include "installer/controller/copy/copy_job.h"

#include <gtest/gtest.h>

#include "installer/controller/copy/copy_destinations.h"
#include "installer/controller/copy/copy_sources.h"
#include "installer/controller/copy/replacement_criteria.h"
#include "installer/controller/tests/fakes/copy_world.h"

namespace aw {
namespace {

class FixedBufferProgress : public CopyProgress {
  public:
    explicit FixedBufferProgress(std::uint32_t kib) : kib_(kib) {}
    std::uint32_t BufferSizeKiB() override { return kib_; }
    bool Step(std::uint32_t kib) override {
        Steps.push_back(kib);
        return true;
    }
    void Start(std::uint32_t) override {}
    void End() override {}
    void Undo() override {}
    std::vector<std::uint32_t> Steps;

  private:
    std::uint32_t kib_;
};

// Reads asked of the source, by the size of the job's buffer.
std::vector<std::uint32_t> ReadsWithBufferOf(std::uint32_t kib) {
    testing::CopyWorld world;
    world.files.AddDirectory("D:");
    world.files.AddFile("D:\\F", std::vector<std::uint8_t>(5000, 1));
    CopyPlugIns plugIns;
    plugIns.Source = std::make_unique<StoredFileSource>("D:\\F");
    plugIns.Criterion = MakeCriterion(0, 0, {});
    plugIns.Destination = std::make_unique<CreateDestination>();
    plugIns.Progress = std::make_unique<FixedBufferProgress>(kib);
    CopyJob job(world.installer, std::move(plugIns), "C:\\F");
    EXPECT_EQ(job.Run(), FileState::Installed);
    EXPECT_EQ(world.files.At("C:\\F").Bytes.size(), 5000u);
    return world.files.ReadSizes;
}

TEST(CopyJobTest, NoBufferAndOneAbove31KibAreBothTakenAs2Kib) {
    const std::vector<std::uint32_t> twoKib{2048, 2048, 2048, 2048};  // 2048, 2048, 904, end
    EXPECT_EQ(ReadsWithBufferOf(0), twoKib);
    EXPECT_EQ(ReadsWithBufferOf(40), twoKib);
    EXPECT_EQ(ReadsWithBufferOf(32), twoKib);
    EXPECT_EQ(ReadsWithBufferOf(31), (std::vector<std::uint32_t>{31744, 31744}));
    EXPECT_EQ(ReadsWithBufferOf(1), std::vector<std::uint32_t>(6, 1024));
}

TEST(CopyJobTest, ProgressIsReportedInWholeKibOfWhatWasRead) {
    testing::CopyWorld world;
    world.files.AddFile("C:\\S", std::vector<std::uint8_t>(5000, 1));
    world.files.ReadLimit = 1500;
    auto progress = std::make_unique<FixedBufferProgress>(2);
    FixedBufferProgress& steps = *progress;
    CopyPlugIns plugIns;
    plugIns.Source = std::make_unique<StoredFileSource>("C:\\S");
    plugIns.Criterion = MakeCriterion(0, 0, {});
    plugIns.Destination = std::make_unique<CreateDestination>();
    plugIns.Progress = std::move(progress);
    CopyJob job(world.installer, std::move(plugIns), "C:\\D");
    EXPECT_EQ(job.Run(), FileState::Installed);
    EXPECT_EQ(steps.Steps, (std::vector<std::uint32_t>{1, 1, 1, 0}));
}

}  // namespace
}  // namespace aw
