// File installation against real files, the real registry, the real version library and the
// built "lzpunz2.dll": split files across disk folders laid out by the packer, files held open by
// another process, criteria on real file sizes and version resources, SharedDLLs, and the log each
// change leaves.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "installer/controller/copy/copy_destinations.h"
#include "installer/controller/copy/copy_rules.h"
#include "installer/controller/copy/replacement_criteria.h"
#include "installer/controller/installer.h"
#include "installer/controller/shared_counts.h"
#include "installer/controller/win32/tests/installer_rig.h"
#include "installer/controller/win32/tests/test_files.h"
#include "installer/controller/win32/win32_system_changes.h"
#include "tools/distpack/packer.h"

namespace aw {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::Get;
using testing::Noise;
using testing::Put;

using testing::Exists;
using testing::ProgramDirectory;

class CopyFilesTest : public ::testing::Test, protected testing::Win32InstallerRig {
  protected:
    void SetUp() override {
        root = testing::TestFolder("awcopy") + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override { fs::remove_all(root); }

    std::string In(const std::string& name) const { return root + "\\" + name; }

    // A plain file copied as it is from `source` to `destination`.
    static FileRequest PlainCopy(const std::string& source, const std::string& destination) {
        FileRequest request;
        request.SourceKind = 1;
        request.SourcePath = source;
        request.DestinationPath = destination;
        return request;
    }

    std::string root;
};

TEST_F(CopyFilesTest, ASplitCompressedFileAsksForTheMissingSecondDiskAndIsCompleted) {
    const Bytes content = Noise(300000, 3);
    Put(In("BIG.DAT"), content);
    MediaOptions options;
    options.DiskFolders = true;
    options.DiskSize = 200000;
    options.ClusterSize = 1;
    const PackResult packed = PackMedia({{In("BIG.DAT"), "", true, false}}, options, In("media"));
    ASSERT_EQ(packed.Error, "");
    ASSERT_EQ(packed.Files.size(), 1u);
    ASSERT_EQ(packed.Files[0].Pieces, 2);
    // The second disk is not in the drive yet; the user puts it in when asked.
    fs::rename(In("media\\disk002"), In("away"));
    media.Root = In("media");
    media.Directory = In("media\\disk001");
    media.OnInsert = [&](std::int32_t) { fs::rename(In("away"), In("media\\disk002")); };

    DistributionEntry entry;
    entry.Name = packed.Files[0].Name;
    entry.FirstDisk = packed.Files[0].FirstDisk;
    entry.SegmentCount = packed.Files[0].Pieces;
    entry.Compressed = 1;
    entry.Size = packed.Files[0].Size;
    entry.StoredSize = packed.Files[0].StoredSize;
    entry.Stamp = {1999, 12, 0, 31, 23, 59, 58, 0};
    FileRequest request;
    request.Entry = &entry;
    request.DestinationPath = In("app\\BIG.DAT");

    installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(media.Prompts, (std::vector<std::pair<std::int32_t, bool>>{{1, true}}));
    EXPECT_EQ(Get(request.DestinationPath), content);
    EXPECT_EQ(CompareTimes(files.LastWriteTime(request.DestinationPath).value(), entry.Stamp), 0);
    EXPECT_EQ(log.Payloads(), (std::vector<LogPayload>{logrec::DirCreated{In("app")},
                                                       logrec::FileCreated{In("app\\BIG.DAT")}}));
    EXPECT_GE(progress.Messages, static_cast<int>(entry.StoredSize / 2048));
}

// Another program that has the file open and will not let it be deleted or replaced.
class Holder {
  public:
    explicit Holder(const std::string& path) : marker_(path + ".held") {
        std::string command = "\"" + ProgramDirectory() + "\\hold_file.exe\" " + path;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &process_)) {
            CloseHandle(process_.hThread);
            testing::WaitForFile(marker_);
        }
    }
    ~Holder() {
        DeleteFileA(marker_.c_str());
        if (process_.hProcess != nullptr) {
            WaitForSingleObject(process_.hProcess, 30000);
            CloseHandle(process_.hProcess);
        }
    }
    bool Holding() const { return Exists(marker_); }

  private:
    std::string marker_;
    PROCESS_INFORMATION process_{};
};

TEST_F(CopyFilesTest, AFileHeldOpenElsewhereIsWrittenBesideItAndQueuedForTheRestart) {
    testing::ForgetPendingMoves();
    fs::create_directories(In("app"));
    Put(In("app\\F.DLL"), Noise(1000, 1));
    Put(In("source.dll"), Noise(4000, 2));
    const Holder holder(In("app\\F.DLL"));
    ASSERT_TRUE(holder.Holding());

    FileRequest request = PlainCopy(In("source.dll"), In("app\\F.DLL"));
    request.InUsePolicy = 1;
    installer.InstallFile(request);

    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(request.ReplacedAtRestart, 1);
    EXPECT_TRUE(installer.FileReplacedAtRestart());
    EXPECT_EQ(Get(In("app\\tmp000.000")), Noise(4000, 2));
    EXPECT_EQ(Get(In("app\\F.DLL")), Noise(1000, 1));
    EXPECT_TRUE(questions.Asked.empty());
    EXPECT_EQ(log.Payloads(), (std::vector<LogPayload>{logrec::FileCreated{In("app\\F.DLL")}}));
    // Wine keeps the move in the registry, as Windows NT does: the temporary file, then the
    // destination, each in the native path form, the destination marked to be replaced.
    const std::string pending = testing::PendingMoves();
    EXPECT_NE(pending.find("\\??\\" + In("app\\tmp000.000") + '\0' + "!\\??\\" + In("app\\F.DLL")),
              std::string::npos)
        << pending;
    testing::ForgetPendingMoves();
}

// A system that cannot move files at the next restart, as the Windows 95 family.
class NoRestartMoves : public Win32FileSystem {
  public:
    bool MoveAtRestart(const std::string&, const std::string&) override { return false; }
};

TEST_F(CopyFilesTest, WithoutRestartMovesWininitGetsTheShortPaths) {
    NoRestartMoves oldFiles;
    Installer old{
        {report, oldFiles, versions, decompression, media, progress, questions, system.Services()}};
    fs::create_directories(In("Long Directory Name"));
    const std::string destination = In("Long Directory Name\\Long File Name.dll");
    Put(destination, Noise(100, 1));
    Put(In("source.dll"), Noise(200, 2));
    const Holder holder(destination);
    ASSERT_TRUE(holder.Holding());

    FileRequest request = PlainCopy(In("source.dll"), destination);
    request.InUsePolicy = 1;
    old.InstallFile(request);

    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(request.ReplacedAtRestart, 1);
    const std::string wininit = files.WindowsDirectory() + "\\wininit.ini";
    Win32ShortPaths shortPaths;
    const std::string shortDestination = shortPaths.ShortForm(destination);
    const std::string shortTemporary = shortPaths.ShortForm(In("Long Directory Name\\tmp000.000"));
    ASSERT_FALSE(shortDestination.empty());
    EXPECT_NE(shortDestination, destination);
    EXPECT_EQ(files.ReadProfileEntry(wininit, "rename", shortDestination, "none"), shortTemporary);
    WritePrivateProfileStringA("rename", nullptr, nullptr, wininit.c_str());
}

// The file is created only where none of its name stands, whatever the case of the letters: an
// old one is replaced, never joined by a second.
TEST_F(CopyFilesTest, AnOldFileNamedInOtherLettersIsReplacedNotJoined) {
    fs::create_directories(In("app"));
    Put(In("new.dat"), Noise(900, 1));
    Put(In("app\\old.dat"), Noise(300, 2));
    FileRequest request = PlainCopy(In("new.dat"), In("app\\OLD.DAT"));
    installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(std::distance(fs::directory_iterator(In("app")), fs::directory_iterator()), 1);
    EXPECT_EQ(Get(In("app\\old.dat")), Noise(900, 1));
}

TEST_F(CopyFilesTest, SizeCriterionWithAnEqualSizeAndComparisonThreeSkips) {
    Put(In("new.dat"), Noise(777, 1));
    Put(In("old.dat"), Noise(777, 2));
    FileRequest request = PlainCopy(In("new.dat"), In("old.dat"));
    request.Criterion = 6;
    request.Comparison = 3;
    installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Skipped);
    EXPECT_EQ(Get(In("old.dat")), Noise(777, 2));

    Put(In("old.dat"), Noise(778, 2));
    installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(Get(In("old.dat")), Noise(777, 1));
    EXPECT_EQ(log.Payloads(), (std::vector<LogPayload>{logrec::FileCreated{In("old.dat")}}));
}

TEST_F(CopyFilesTest, TheVersionCriterionReadsBothLibrariesVersionResources) {
    const std::string one = ProgramDirectory() + "\\version_one.dll";
    const std::string two = ProgramDirectory() + "\\version_two.dll";
    const std::optional<FileVersionInfo> version = versions.Version(two);
    ASSERT_TRUE(version);
    EXPECT_EQ(version->VersionHigh, 0x00020000u);
    EXPECT_EQ(version->VersionLow, 7u);
    EXPECT_EQ(version->Language, 0x409);
    EXPECT_EQ(version->CodePage, 1252);
    EXPECT_EQ(version->FileType, 2u);  // a library
    EXPECT_FALSE(versions.Version(In("nothing.dll")));

    fs::copy_file(two, In("LIB.DLL"));
    FileRequest request = PlainCopy(one, In("LIB.DLL"));
    request.Criterion = 3;
    installer.InstallFile(request);  // older over newer: skipped
    EXPECT_EQ(request.State, FileState::Skipped);
    EXPECT_EQ(versions.Version(In("LIB.DLL"))->VersionHigh, 0x00020000u);

    fs::remove(In("LIB.DLL"));
    fs::copy_file(one, In("LIB.DLL"));
    request.SourcePath = two;
    installer.InstallFile(request);  // newer over older: installed
    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(versions.Version(In("LIB.DLL"))->VersionHigh, 0x00020000u);
    EXPECT_TRUE(questions.OverwriteAsked.empty());
}

TEST_F(CopyFilesTest, SharedDllsAreCountedOnlyInTheSystemDirectory) {
    const std::string system = files.SystemDirectory() + "\\awcopy_shared.dll";
    Put(In("shared.dll"), Noise(10, 1));
    FileRequest request = PlainCopy(In("shared.dll"), system);
    request.Shared = 1;
    installer.InstallFile(request);
    installer.InstallFile(request);
    request.DestinationPath = In("app\\shared.dll");
    installer.InstallFile(request);

    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSharedDllsKey, 0, KEY_ALL_ACCESS, &key),
              ERROR_SUCCESS);
    DWORD type = 0;
    BYTE data[8];
    DWORD size = sizeof data;
    EXPECT_EQ(RegQueryValueExA(key, system.c_str(), nullptr, &type, data, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(data[0], 2);
    EXPECT_NE(
        RegQueryValueExA(key, In("app\\shared.dll").c_str(), nullptr, nullptr, nullptr, nullptr),
        ERROR_SUCCESS);

    // A count kept as a double word stays one.
    const DWORD five = 5;
    RegSetValueExA(key, system.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&five), 4);
    EXPECT_EQ(installer.IncrementSharedCount(system), 6);
    size = sizeof data;
    RegQueryValueExA(key, system.c_str(), nullptr, &type, data, &size);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(data[0], 6);
    for (int i = 0; i < 6; ++i) {
        installer.DecrementSharedCount(system);
    }
    EXPECT_NE(RegQueryValueExA(key, system.c_str(), nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    DeleteFileA(system.c_str());
}

// Records the size of every read asked of a real file.
class RecordingSource : public CopySource {
  public:
    RecordingSource(FileSystem& files, std::string path, std::vector<std::int32_t>& sizes)
        : files_(files), path_(std::move(path)), sizes_(sizes) {}
    bool Open() override {
        file_ = files_.OpenForReading(path_);
        return file_ != nullptr;
    }
    bool Close() override { return file_->Close(); }
    std::int32_t Read(std::uint8_t* buffer, std::int32_t count) override {
        sizes_.push_back(count);
        return file_->Read(buffer, static_cast<std::uint32_t>(count));
    }

  private:
    FileSystem& files_;
    std::string path_;
    std::vector<std::int32_t>& sizes_;
    std::unique_ptr<OpenFile> file_;
};

class BufferOf : public CopyProgress {
  public:
    explicit BufferOf(std::uint32_t kib) : kib_(kib) {}
    std::uint32_t BufferSizeKiB() override { return kib_; }
    bool Step(std::uint32_t) override { return true; }
    void Start(std::uint32_t) override {}
    void End() override {}
    void Undo() override {}

  private:
    std::uint32_t kib_;
};

TEST_F(CopyFilesTest, ReadBufferSizesOfZeroAndFortyKibAreUsedAsTwo) {
    Put(In("source"), Noise(5000, 4));
    for (const std::uint32_t kib : {0u, 40u}) {
        std::vector<std::int32_t> sizes;
        CopyPlugIns plugIns;
        plugIns.Source = std::make_unique<RecordingSource>(files, In("source"), sizes);
        plugIns.Criterion = MakeCriterion(0, 0, {});
        plugIns.Destination = std::make_unique<CreateDestination>();
        plugIns.Progress = std::make_unique<BufferOf>(kib);
        CopyJob job(installer, std::move(plugIns), In("copy" + std::to_string(kib)));
        EXPECT_EQ(job.Run(), FileState::Installed);
        EXPECT_EQ(sizes, (std::vector<std::int32_t>{2048, 2048, 2048, 2048}));
        EXPECT_EQ(Get(In("copy" + std::to_string(kib))), Noise(5000, 4));
    }
}

TEST_F(CopyFilesTest, EveryChangeLeavesItsRecordAndAFailedOneNone) {
    Put(In("a.txt"), Noise(10, 1));
    EXPECT_EQ(installer.MakeDirectory(In("d1\\d2")), kDirectoryReady);
    EXPECT_TRUE(installer.CopyPlainFile(In("a.txt"), In("d1\\d2\\b.txt")));
    EXPECT_TRUE(installer.SetAttributes(In("d1\\d2\\b.txt"), FILE_ATTRIBUTE_READONLY));
    EXPECT_TRUE(installer.RenameFile(In("d1\\d2\\b.txt"), In("d1\\c.txt")));
    // Wine may add the archive bit on the way; the record holds what was there.
    const auto before = static_cast<std::int32_t>(GetFileAttributesA(In("d1\\c.txt").c_str()));
    EXPECT_TRUE(installer.RemoveFile(In("d1\\c.txt")));
    const std::vector<LogPayload> done{
        logrec::DirCreated{In("d1")},
        logrec::DirCreated{In("d1\\d2")},
        logrec::FileCreated{In("d1\\d2\\b.txt")},
        logrec::AttrChanged{In("d1\\d2\\b.txt"), FILE_ATTRIBUTE_ARCHIVE, FILE_ATTRIBUTE_READONLY},
        logrec::FileMoved{In("d1\\d2\\b.txt"), In("d1\\c.txt")},
        logrec::AttrChanged{In("d1\\c.txt"), before, FILE_ATTRIBUTE_NORMAL},
        logrec::FileDeleted{In("d1\\c.txt")},
    };
    EXPECT_EQ(log.Payloads(), done);

    // Failures: a file held open, a missing file, a file where a directory is wanted.
    fs::create_directories(In("h"));
    Put(In("h\\held.txt"), Noise(10, 2));
    {
        const Holder holder(In("h\\held.txt"));
        ASSERT_TRUE(holder.Holding());
        EXPECT_FALSE(installer.RemoveFile(In("h\\held.txt")));
        EXPECT_FALSE(installer.RemoveTree(In("h")));
    }
    EXPECT_FALSE(installer.RenameFile(In("none.txt"), In("d1\\x.txt")));
    EXPECT_FALSE(installer.SetAttributes(In("none.txt"), FILE_ATTRIBUTE_HIDDEN));
    Put(In("plain"), Noise(1, 3));
    EXPECT_EQ(installer.MakeDirectory(In("plain\\sub")), kDirectoryFailed);
    EXPECT_EQ(log.Payloads(), done);
    EXPECT_EQ(report.Errors.size(), 5u);
    EXPECT_EQ(report.Errors[0], "Unable to delete file " + In("h\\held.txt"));

    EXPECT_TRUE(installer.RemoveTree(In("d1")));
    EXPECT_FALSE(Exists(In("d1")));
    EXPECT_EQ(log.Payloads().back(), LogPayload(logrec::DirRemoved{In("d1")}));
}

TEST_F(CopyFilesTest, FreeSpaceOfTheRealDrive) {
    EXPECT_EQ(installer.FreeSpace(In("x"), 1), kEnoughSpace);
    EXPECT_EQ(installer.FreeSpace(In("x"), 0xFFFFFFFF), kTooLittleSpace);
    EXPECT_EQ(installer.FreeSpace("Q:\\nothing\\here", 1), kFreeSpaceUnknown);
    EXPECT_EQ(report.Errors.back(), "Unable to get the free space of drive Q:\\");
}

TEST_F(CopyFilesTest, TheLibraryIsLoadedByNameAndMissingEntryPointsFail) {
    const std::unique_ptr<LoadedDecompressor> library = decompression.Load();
    ASSERT_TRUE(library);
    EXPECT_EQ(library->Close(), -1);  // nothing open
    EXPECT_EQ(library->Read(nullptr, 1), -1);
}

}  // namespace
}  // namespace aw
