// What a copy that fails leaves: the file on the machine as it was, no fragment beside it and no
// record; an append that fails is cut back to the length it had.
#include <gtest/gtest.h>

#include "installer/controller/tests/fakes/copy_world.h"
#include "installer/lzpunz2/compressor.h"

namespace aw {
namespace {

using testing::CopyWorld;

std::vector<std::uint8_t> Bytes(std::size_t size, std::uint8_t seed) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + seed);
    }
    return bytes;
}

std::vector<std::uint8_t> Packed(std::size_t size) {
    return lzpunz::Compress(Bytes(size, 1));
}

std::vector<std::uint8_t> Damaged(std::vector<std::uint8_t> packed) {
    packed.resize(packed.size() * 19 / 20);
    return packed;
}

class CopyFailureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        world.files.AddDirectory("D:");
        world.files.AddDirectory("C:\\APP");
        world.files.AddFile("C:\\APP\\F.DLL", old);
        request.SourceKind = 0;
        request.SourcePath = "D:\\F.DLL";
        request.DestinationPath = "C:\\APP\\F.DLL";
    }

    // Nothing in the application's directory but the old file, whole, and no record.
    void ExpectOldFileAlone() {
        EXPECT_EQ(world.files.At("C:\\APP\\F.DLL").Bytes, old);
        std::vector<DirectoryEntry> entries;
        world.files.ListDirectory("C:\\APP", entries);
        EXPECT_EQ(entries.size(), 1u);
        EXPECT_TRUE(world.log.Payloads().empty());
    }

    // Installs the stored file `name` from the media and stops at the gauge's second step.
    void AbortAtTheGauge(const std::string& name) {
        world.files.AddFile("D:\\" + name, Bytes(100000, 1));
        request.SourceKind = 1;
        entry.Name = name;
        entry.Size = entry.StoredSize = 100000;
        request.Entry = &entry;
        world.progress.StopAfterSteps = 2;
        world.installer.InstallFile(request);
        EXPECT_EQ(request.State, FileState::Aborted);
        ExpectOldFileAlone();
    }

    CopyWorld world;
    FileRequest request;
    DistributionEntry entry;
    std::vector<std::uint8_t> old = Bytes(5000, 9);
};

TEST_F(CopyFailureTest, ACompressedSourceCutShortLeavesTheOldFile) {
    world.files.AddFile("D:\\F.DL_", Damaged(Packed(100000)));
    world.questions.RetryAnswers = {true};
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Failed);
    EXPECT_EQ(world.questions.Asked.size(), 2u);
    ExpectOldFileAlone();
}

TEST_F(CopyFailureTest, AnAbortAtTheGaugeLeavesTheOldFile) {
    AbortAtTheGauge("F.DLL");
}

// A file new to the machine is written in its place; what a failure or an abort wrote there is
// taken back, before a retry as well.
TEST_F(CopyFailureTest, ANewFileThatFailsOrIsAbortedLeavesNothing) {
    world.files.AddFile("D:\\N.DL_", Damaged(Packed(100000)));
    request.SourcePath = "D:\\N.DLL";
    request.DestinationPath = "C:\\APP\\N.DLL";
    bool presentAtRetry = true;
    world.questions.OnAsk = [&] { presentAtRetry = world.files.Has("C:\\APP\\N.DLL"); };
    world.questions.RetryAnswers = {false};
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Failed);
    EXPECT_FALSE(presentAtRetry);
    ExpectOldFileAlone();

    AbortAtTheGauge("N.DLL");
}

TEST_F(CopyFailureTest, AReadOnlyOldFileIsReplacedWholeOrKept) {
    world.files.At("C:\\APP\\F.DLL").Attributes = kReadOnly;
    world.files.AddFile("D:\\F.DL_", Damaged(Packed(9000)));
    world.installer.SetSilent(true);
    world.installer.InstallFile(request);
    ExpectOldFileAlone();
    EXPECT_EQ(world.files.At("C:\\APP\\F.DLL").Attributes, kReadOnly);

    world.files.AddFile("D:\\F.DL_", Packed(9000));
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(world.files.At("C:\\APP\\F.DLL").Bytes, Bytes(9000, 1));
    EXPECT_EQ(world.log.Payloads(),
              (std::vector<LogPayload>{logrec::FileCreated{"C:\\APP\\F.DLL"}}));
}

TEST_F(CopyFailureTest, AFailedAppendIsCutBackBeforeARetryAndAtTheEnd) {
    world.files.AddFile("D:\\F.DL_", Damaged(Packed(100000)));
    request.DestinationKind = 1;
    std::vector<std::size_t> sizesAtRetry;
    world.questions.OnAsk = [&] {
        sizesAtRetry.push_back(world.files.At("C:\\APP\\F.DLL").Bytes.size());
    };
    world.questions.RetryAnswers = {true};
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Failed);
    EXPECT_EQ(sizesAtRetry, (std::vector<std::size_t>{5000, 5000}));
    ExpectOldFileAlone();
}

TEST_F(CopyFailureTest, AFailedAppendToNoFileLeavesNone) {
    world.files.AddFile("D:\\F.DL_", Damaged(Packed(100000)));
    request.DestinationKind = 1;
    request.DestinationPath = "C:\\APP\\NEW.DAT";
    world.installer.SetSilent(true);
    world.installer.InstallFile(request);
    EXPECT_FALSE(world.files.Has("C:\\APP\\NEW.DAT"));
    ExpectOldFileAlone();
}

TEST_F(CopyFailureTest, AppendingByVersionFromACompressedSourceAppendsTheExpandedCopy) {
    world.files.AddFile("D:\\F.DL_", Packed(1000));
    world.versions.Versions["c:\\app\\f.dll"] = {0x409, 1252, 2, 0, 1, 0};
    world.versions.Versions["c:\\app\\tmp000.000"] = {0x409, 1252, 2, 0, 2, 0};
    request.DestinationKind = 1;
    request.Criterion = 3;
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Installed);
    std::vector<std::uint8_t> both = old;
    const std::vector<std::uint8_t> added = Bytes(1000, 1);
    both.insert(both.end(), added.begin(), added.end());
    EXPECT_EQ(world.files.At("C:\\APP\\F.DLL").Bytes, both);
    EXPECT_FALSE(world.files.Has("C:\\APP\\tmp000.000"));
    EXPECT_EQ(world.log.Payloads(),
              (std::vector<LogPayload>{logrec::FileExtended{"C:\\APP\\F.DLL", 5000}}));
}

TEST_F(CopyFailureTest, AFailingCopyBesideAFileInUseLeavesNeitherCopyNorQueue) {
    world.files.AddFile("D:\\F.DL_", Damaged(Packed(9000)));
    world.files.Lock("C:\\APP\\F.DLL");
    request.InUsePolicy = 1;
    world.installer.SetSilent(true);
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Failed);
    EXPECT_TRUE(world.files.RestartMoves.empty());
    ExpectOldFileAlone();
}

TEST_F(CopyFailureTest, ARestartQueueThatNeitherTheSystemNorWininitTakesFails) {
    world.files.AddFile("D:\\F.DL_", Packed(9000));
    world.files.Lock("C:\\APP\\F.DLL");
    world.files.AcceptsRestartMoves = false;
    world.files.RefusesProfileWrites = true;
    request.InUsePolicy = 1;
    world.installer.SetSilent(true);
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Failed);
    EXPECT_FALSE(world.installer.FileReplacedAtRestart());
    ExpectOldFileAlone();
}

}  // namespace
}  // namespace aw
