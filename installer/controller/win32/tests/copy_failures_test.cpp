// A copy that fails or is stopped over a file already on the machine, against real files and
// the built "lzpunz2.dll": the old file stays byte for byte, with nothing beside it.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "installer/controller/installer.h"
#include "installer/controller/win32/tests/installer_rig.h"
#include "installer/controller/win32/tests/test_files.h"
#include "tools/distpack/packer.h"

namespace aw {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::Get;
using testing::Noise;
using testing::Put;

// A compressed file of 100,000 bytes on the media, and an older file of 5,000 where it goes.
class CopyFailuresTest : public ::testing::Test, protected testing::Win32InstallerRig {
  protected:
    void SetUp() override {
        root = testing::TestFolder("awfail") + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(root);
        fs::create_directories(root + "\\app");
        Put(root + "\\F.DLL", Noise(100000, 3));
        const PackResult packed =
            PackMedia({{root + "\\F.DLL", "", true, false}}, MediaOptions{}, root + "\\media");
        ASSERT_EQ(packed.Error, "");
        ASSERT_EQ(packed.Files.size(), 1u);
        entry.Name = packed.Files[0].Name;
        entry.Compressed = 1;
        entry.Size = packed.Files[0].Size;
        entry.StoredSize = packed.Files[0].StoredSize;
        media.Directory = root + "\\media";
        request.Entry = &entry;
        request.DestinationPath = root + "\\app\\F.DLL";
        Put(request.DestinationPath, old);
    }
    void TearDown() override { fs::remove_all(root); }

    void ExpectOldFileAlone() {
        EXPECT_EQ(Get(request.DestinationPath), old);
        EXPECT_EQ(std::distance(fs::directory_iterator(root + "\\app"), fs::directory_iterator()),
                  1);
        EXPECT_TRUE(log.Payloads().empty());
    }

    std::string root;
    DistributionEntry entry;
    FileRequest request;
    Bytes old = Noise(5000, 9);
};

TEST_F(CopyFailuresTest, ACompressedFileCutShortLeavesTheOldFile) {
    const fs::path stored = *fs::directory_iterator(root + "\\media");
    fs::resize_file(stored, fs::file_size(stored) * 9 / 10);
    installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Failed);
    ExpectOldFileAlone();
}

TEST_F(CopyFailuresTest, AStopAtTheGaugeLeavesTheOldFile) {
    progress.StopAfterSteps = 2;
    installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Aborted);
    ExpectOldFileAlone();
}

}  // namespace
}  // namespace aw
