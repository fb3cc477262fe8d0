// File requests through the whole copy: criteria, temporary copies, files in use, compressed and
// split sources, and what each outcome leaves in the log.
#include <gtest/gtest.h>

#include <functional>

#include "installer/controller/copy/copy_rules.h"
#include "installer/controller/shared_counts.h"
#include "installer/controller/tests/fakes/copy_world.h"
#include "installer/lzpunz2/compressor.h"

namespace aw {
namespace {

using testing::CopyWorld;

// Bytes that hardly compress, different for each seed.
std::vector<std::uint8_t> Bytes(std::size_t size, std::uint32_t seed = 1) {
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t state = seed * 2654435761u;
    for (std::uint8_t& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

const SystemTime kStamp{1998, 6, 0, 15, 12, 30, 0, 0};

class CopyPipelineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        world.files.AddDirectory("D:");
        world.files.AddFile("D:\\F.DLL", Bytes(5000), kStamp);
        request.SourceKind = 1;
        request.SourcePath = "D:\\F.DLL";
        request.DestinationPath = "C:\\APP\\F.DLL";
        request.ProgressText = "F.DLL";
    }

    CopyWorld world;
    FileRequest request;
};

TEST_F(CopyPipelineTest, AStoredFileIsCopiedDatedAndLoggedAfterItsDirectory) {
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(world.files.At("C:\\APP\\F.DLL").Bytes, Bytes(5000));
    EXPECT_EQ(world.files.At("C:\\APP\\F.DLL").Time, kStamp);
    EXPECT_EQ(world.log.Payloads(),
              (std::vector<LogPayload>{logrec::DirCreated{"C:\\APP"},
                                       logrec::FileCreated{"C:\\APP\\F.DLL"}}));
    EXPECT_EQ(world.progress.Lines,
              (std::vector<std::string>{"<2F F.DLL>", "<30 D:\\F.DLL>", "<31 C:\\APP\\F.DLL>"}));
    EXPECT_TRUE(world.report.Errors.empty());
}

TEST_F(CopyPipelineTest, TimeStampPolicyOneLeavesTheTimeOfWriting) {
    request.TimeStampPolicy = 1;
    world.installer.InstallFile(request);
    EXPECT_EQ(world.files.At("C:\\APP\\F.DLL").Time, SystemTime{});
}

// One situation of the file on the machine and what the criterion makes of it.
struct CriterionCase {
    const char* Name;
    std::int32_t Criterion;
    std::function<void(CopyWorld&)> Arrange;
    int Result;
};

FileVersionInfo Version(std::uint32_t high, std::uint32_t low, std::uint16_t language = 0x409) {
    return {language, 1252, 2, 0, high, low};
}

void Old(CopyWorld& w, std::size_t size = 5000, SystemTime time = kStamp) {
    w.files.AddDirectory("C:\\APP");
    w.files.AddFile("C:\\APP\\F.DLL", Bytes(size, 9), time);
}

void Versions(CopyWorld& w, std::optional<FileVersionInfo> next,
              std::optional<FileVersionInfo> old) {
    Old(w);
    if (next) {
        w.versions.Versions["d:\\f.dll"] = *next;
    }
    if (old) {
        w.versions.Versions["c:\\app\\f.dll"] = *old;
    }
}

void Awver(CopyWorld& w, const std::string& installed) {
    Old(w);
    w.installer.SetProductVersion({0x00020000, 0x00000001});  // 2.0.0.1
    w.files.Profile["c:\\app\\awver.ini|iniversion|C:\\APP\\F.DLL"] = installed;
}

SystemTime Shifted(int minutes) {
    SystemTime time = kStamp;
    time.wMinute = static_cast<std::uint16_t>(time.wMinute + minutes);
    return time;
}

const CriterionCase kCriterionCases[] = {
    {"always", 0, [](CopyWorld& w) { Old(w); }, 1},
    {"exists, there", 1, [](CopyWorld& w) { Old(w); }, 1},
    {"exists, missing", 1, [](CopyWorld&) {}, -1},
    {"missing, missing", 2, [](CopyWorld&) {}, 1},
    {"missing, there", 2, [](CopyWorld& w) { Old(w); }, -1},
    {"version, no old file", 3, [](CopyWorld&) {}, 1},
    {"version, neither has one", 3, [](CopyWorld& w) { Versions(w, {}, {}); }, 0},
    {"version, only the new", 3, [](CopyWorld& w) { Versions(w, Version(1, 0), {}); }, 1},
    {"version, only the old", 3, [](CopyWorld& w) { Versions(w, {}, Version(1, 0)); }, -1},
    {"version, high half newer", 3,
     [](CopyWorld& w) { Versions(w, Version(0x00010002, 0), Version(0x00010001, 9)); }, 1},
    {"version, low half older", 3,
     [](CopyWorld& w) { Versions(w, Version(1, 0x00020000), Version(1, 0x00030000)); }, -1},
    {"version, same", 3, [](CopyWorld& w) { Versions(w, Version(1, 2), Version(1, 2)); }, 0},
    {"version, languages differ, user installs", 3,
     [](CopyWorld& w) {
         Versions(w, Version(1, 0, 0x407), Version(2, 0));
         w.questions.OverwriteAnswer = OverwriteChoice::Install;
     },
     1},
    {"version, languages differ, user keeps", 3,
     [](CopyWorld& w) { Versions(w, Version(9, 0, 0x407), Version(2, 0)); }, -1},
    {"awver, older", 4, [](CopyWorld& w) { Awver(w, "2.0.0.0"); }, 1},
    {"awver, equal", 4, [](CopyWorld& w) { Awver(w, "2.0.0.1"); }, 0},
    {"awver, newer", 4, [](CopyWorld& w) { Awver(w, "2.1.0.0"); }, -1},
    {"awver, two numbers", 4, [](CopyWorld& w) { Awver(w, "9.9"); }, 1},
    {"awver, no entry", 4,
     [](CopyWorld& w) {
         Old(w);
         w.installer.SetProductVersion({0, 1});
     },
     1},
    {"time, no old file", 5, [](CopyWorld&) {}, 1},
    {"time, old is older", 5, [](CopyWorld& w) { Old(w, 5000, Shifted(-1)); }, 1},
    {"time, same", 5, [](CopyWorld& w) { Old(w, 5000, kStamp); }, 0},
    {"time, old is newer", 5, [](CopyWorld& w) { Old(w, 5000, Shifted(+1)); }, -1},
    {"size, no old file", 6, [](CopyWorld&) {}, 1},
    {"size, old is smaller", 6, [](CopyWorld& w) { Old(w, 4999); }, 1},
    {"size, equal", 6, [](CopyWorld& w) { Old(w, 5000); }, 0},
    {"size, old is larger", 6, [](CopyWorld& w) { Old(w, 5001); }, -1},
};

TEST(CriteriaTest, EveryCriterionUnderEveryComparison) {
    // Whether the file is written, by comparison 0..5, for results -1, 0 and 1.
    const char* const written[6] = {"SSW", "SWW", "SWS", "WSW", "WSS", "WWS"};
    for (const CriterionCase& c : kCriterionCases) {
        for (std::int32_t comparison = 0; comparison < kComparisonCount; ++comparison) {
            SCOPED_TRACE(std::string(c.Name) + ", comparison " + std::to_string(comparison));
            CopyWorld world;
            world.files.AddDirectory("D:");
            world.files.AddFile("D:\\F.DLL", Bytes(5000), kStamp);
            c.Arrange(world);
            FileRequest request;
            request.SourceKind = 1;
            request.SourcePath = "D:\\F.DLL";
            request.DestinationPath = "C:\\APP\\F.DLL";
            request.Criterion = c.Criterion;
            request.Comparison = comparison;
            world.installer.InstallFile(request);
            const bool write = written[comparison][c.Result + 1] == 'W';
            EXPECT_EQ(request.State, write ? FileState::Installed : FileState::Skipped);
            const bool replaced = world.files.Has("C:\\APP\\F.DLL") &&
                                  world.files.At("C:\\APP\\F.DLL").Bytes == Bytes(5000);
            EXPECT_EQ(replaced, write);
            const bool logged =
                !world.log.Records.empty() && world.log.Records.back().Payload ==
                                                  LogPayload(logrec::FileCreated{"C:\\APP\\F.DLL"});
            EXPECT_EQ(logged, write);
        }
    }
}

TEST_F(CopyPipelineTest, CancelledOverwriteDialogCannotCompare) {
    Versions(world, Version(1, 0, 0x407), Version(2, 0));
    world.questions.OverwriteAnswer = OverwriteChoice::Cancel;
    request.Criterion = 3;
    world.installer.SetSilent(true);
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Failed);
    ASSERT_EQ(world.questions.OverwriteAsked.size(), 1u);
    EXPECT_EQ(world.questions.OverwriteAsked[0],
              std::make_pair(std::string("C:\\APP\\F.DLL"), std::string("D:\\F.DLL")));
    EXPECT_EQ(world.files.At("C:\\APP\\F.DLL").Bytes, Bytes(5000, 9));
    EXPECT_TRUE(world.log.Records.empty());
    EXPECT_EQ(world.installer.LastError(), "<87 C:\\APP\\F.DLL>");
}

TEST_F(CopyPipelineTest, AFileInUseUnderPolicyOneIsWrittenBesideItAndQueued) {
    Old(world);
    world.files.Lock("C:\\APP\\F.DLL");
    world.files.AddFile("C:\\APP\\tmp000.000", "taken");
    request.InUsePolicy = 1;
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(request.ReplacedAtRestart, 1);
    EXPECT_TRUE(world.installer.FileReplacedAtRestart());
    EXPECT_EQ(request.DestinationPath, "C:\\APP\\F.DLL");
    EXPECT_EQ(world.files.At("C:\\APP\\tmp000.001").Bytes, Bytes(5000));
    EXPECT_EQ(world.files.At("C:\\APP\\tmp000.001").Time, kStamp);
    EXPECT_EQ(world.files.At("C:\\APP\\F.DLL").Bytes, Bytes(5000, 9));
    EXPECT_EQ(world.files.RestartMoves, (std::vector<std::pair<std::string, std::string>>{
                                            {"C:\\APP\\tmp000.001", "C:\\APP\\F.DLL"}}));
    EXPECT_TRUE(world.questions.Asked.empty());
    EXPECT_EQ(world.log.Payloads(),
              (std::vector<LogPayload>{logrec::FileCreated{"C:\\APP\\F.DLL"}}));
}

TEST_F(CopyPipelineTest, WithoutRestartMovesTheQueueGoesIntoWininitInShortPaths) {
    Old(world);
    world.files.Lock("C:\\APP\\F.DLL");
    world.files.AcceptsRestartMoves = false;
    world.system.shortPaths.Forms = {{"C:\\APP\\F.DLL", "C:\\APP\\F~1.DLL"},
                                     {"C:\\APP\\tmp000.000", "C:\\APP\\TMP000~1.000"}};
    request.InUsePolicy = 1;
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(request.ReplacedAtRestart, 1);
    EXPECT_EQ(world.files.Profile.at("c:\\windows\\wininit.ini|rename|C:\\APP\\F~1.DLL"),
              "C:\\APP\\TMP000~1.000");
}

TEST_F(CopyPipelineTest, PolicyTwoAsksAndCancelSkipsWithoutATrace) {
    Old(world);
    world.files.Lock("C:\\APP\\F.DLL");
    request.InUsePolicy = 2;
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Skipped);
    EXPECT_EQ(world.questions.Asked,
              (std::vector<std::string>{"<83 C:\\APP\\F.DLL>\n\n<84 %s> <86 %s>"}));
    EXPECT_FALSE(world.files.Has("C:\\APP\\tmp000.000"));
    EXPECT_TRUE(world.files.RestartMoves.empty());
    EXPECT_TRUE(world.log.Records.empty());
}

TEST_F(CopyPipelineTest, PolicyZeroAsksAndCancelQueues) {
    Old(world);
    world.files.Lock("C:\\APP\\F.DLL");
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(request.ReplacedAtRestart, 1);
    EXPECT_EQ(world.questions.Asked,
              (std::vector<std::string>{"<83 C:\\APP\\F.DLL>\n\n<84 %s> <85 %s>"}));
    EXPECT_EQ(world.files.RestartMoves.size(), 1u);
}

TEST_F(CopyPipelineTest, RetryAfterTheProgramWasClosedMovesTheCopyIntoPlace) {
    Old(world);
    world.files.Lock("C:\\APP\\F.DLL");
    world.files.At("C:\\APP\\F.DLL").Attributes = kReadOnly | kHidden;
    world.questions.RetryAnswers = {true};
    world.questions.OnAsk = [this] { world.files.InUse.clear(); };
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(request.ReplacedAtRestart, 0);
    EXPECT_EQ(world.questions.Asked.size(), 1u);
    EXPECT_EQ(world.files.At("C:\\APP\\F.DLL").Bytes, Bytes(5000));
    EXPECT_FALSE(world.files.Has("C:\\APP\\tmp000.000"));
    // The old file went quietly: only the new one is on record.
    EXPECT_EQ(world.log.Payloads(),
              (std::vector<LogPayload>{logrec::FileCreated{"C:\\APP\\F.DLL"}}));
}

TEST_F(CopyPipelineTest, AFailedFileIsOfferedForRetryAndLeavesNoRecord) {
    world.files.AddDirectory("C:\\APP");
    request.SourcePath = "D:\\MISSING.DLL";
    world.questions.RetryAnswers = {true, false};
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Failed);
    EXPECT_EQ(world.questions.Asked,
              (std::vector<std::string>{"<87 C:\\APP\\F.DLL>", "<87 C:\\APP\\F.DLL>"}));
    EXPECT_TRUE(world.log.Records.empty());
    EXPECT_TRUE(world.report.Errors.empty());
}

TEST_F(CopyPipelineTest, ASilentInstallerReportsTheFailureWithoutAsking) {
    request.SourcePath = "D:\\MISSING.DLL";
    world.installer.SetSilent(true);
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Failed);
    EXPECT_TRUE(world.questions.Asked.empty());
    EXPECT_EQ(world.installer.LastError(), "<87 C:\\APP\\F.DLL>");
    // The directory made for it stays, and is on record.
    EXPECT_EQ(world.log.Payloads(), (std::vector<LogPayload>{logrec::DirCreated{"C:\\APP"}}));
}

TEST_F(CopyPipelineTest, AttributesAreSetAfterwardsOnlyOneOfThem) {
    request.Hidden = 1;
    request.System = 1;
    world.installer.InstallFile(request);
    EXPECT_EQ(world.files.At("C:\\APP\\F.DLL").Attributes, kSystem);
    EXPECT_EQ(world.log.Payloads().back(),
              LogPayload(logrec::AttrChanged{"C:\\APP\\F.DLL", 0x20, 4}));
}

TEST_F(CopyPipelineTest, AppendingLogsTheLengthBefore) {
    Old(world, 300);
    request.DestinationKind = 1;
    world.installer.InstallFile(request);
    EXPECT_EQ(world.files.At("C:\\APP\\F.DLL").Bytes.size(), 5300u);
    EXPECT_EQ(world.log.Payloads(),
              (std::vector<LogPayload>{logrec::FileExtended{"C:\\APP\\F.DLL", 300}}));
}

TEST_F(CopyPipelineTest, TheAwverCriterionRecordsTheProductVersionOfAnInstalledFile) {
    world.installer.SetProductVersion({0x00030001, 0x00000007});
    request.Criterion = 4;
    world.installer.InstallFile(request);
    EXPECT_EQ(world.files.Profile.at("c:\\app\\awver.ini|iniversion|C:\\APP\\F.DLL"), "3.1.0.7");
}

TEST_F(CopyPipelineTest, SharedFilesAreCountedUnloggedEvenWhenSkipped) {
    request.DestinationPath = "C:\\WINDOWS\\SYSTEM\\F.DLL";
    request.Shared = 1;
    world.installer.InstallFile(request);
    const RegistryKey counts{kLocalMachine, kSharedDllsKey};
    const std::string value = "C:\\WINDOWS\\SYSTEM\\F.DLL";
    testing::FakeRegistry& registry = world.system.registry;
    EXPECT_EQ(registry.ReadValue(counts, value), (RegistryValue{kRegBytes, {1, 0, 0, 0}}));
    request.Criterion = 2;  // only when missing: skipped
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Skipped);
    EXPECT_EQ(registry.ReadValue(counts, value), (RegistryValue{kRegBytes, {2, 0, 0, 0}}));
    EXPECT_EQ(world.log.Payloads(),
              (std::vector<LogPayload>{logrec::FileCreated{"C:\\WINDOWS\\SYSTEM\\F.DLL"}}));

    request.DestinationPath = "C:\\APP\\F.DLL";
    request.Criterion = 0;
    world.installer.InstallFile(request);
    EXPECT_EQ(registry.Values(counts)->size(), 1u);
}

TEST_F(CopyPipelineTest, FontsAndServersFollowAnInstalledFileButNotAQueuedOne) {
    request.Font = 1;
    request.OleServer = 1;
    world.installer.InstallFile(request);
    EXPECT_EQ(world.system.fonts.Fonts, (std::set<std::string>{"C:\\APP\\F.DLL"}));
    EXPECT_EQ(world.system.servers.Registered, (std::vector<std::string>{"C:\\APP\\F.DLL"}));
    EXPECT_EQ(world.log.Payloads().back(), LogPayload(logrec::FontInstalled{"C:\\APP\\F.DLL"}));

    world.files.Lock("C:\\APP\\F.DLL");
    request.InUsePolicy = 1;
    request.DestinationPath = "C:\\APP\\F.DLL";
    world.system.fonts.Fonts.clear();
    world.installer.InstallFile(request);
    EXPECT_EQ(request.ReplacedAtRestart, 1);
    EXPECT_TRUE(world.system.fonts.Fonts.empty());
    EXPECT_EQ(world.system.servers.Registered.size(), 1u);
    EXPECT_EQ(world.report.CheckUnits, (std::vector<std::string>{"INSTALLR", "INSTALLR"}));

    // A font that cannot be installed is reported; the file stays installed.
    world.files.InUse.clear();
    world.system.fonts.Fail = true;
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(world.report.Errors.back(), "Unable to install font");
}

TEST_F(CopyPipelineTest, StoppingAtTheGaugeAbortsAndTakesTheProgressBack) {
    DistributionEntry entry;
    entry.Name = "F.DLL";
    entry.Size = entry.StoredSize = 100000;
    world.files.AddFile("D:\\F.DLL", Bytes(100000));
    request.Entry = &entry;
    world.progress.StopAfterSteps = 2;
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Aborted);
    EXPECT_EQ(world.progress.Gauge,
              (std::vector<std::string>{"start 97", "step 31", "step 31", "undo"}));
    EXPECT_EQ(world.log.Payloads(), (std::vector<LogPayload>{logrec::DirCreated{"C:\\APP"}}));
}

// A compressed file of `size` bytes.
std::vector<std::uint8_t> Packed(std::size_t size) {
    return lzpunz::Compress(Bytes(size));
}

TEST_F(CopyPipelineTest, ACompressedFileOfItsOwnIsExpandedFromItsUnderscoreName) {
    world.files.AddFile("D:\\F.DL_", Packed(70000), kStamp);
    request.SourceKind = 0;
    request.Criterion = 6;  // the new size comes from the compressed file's last four bytes
    Old(world, 70000);
    request.Comparison = 3;
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Skipped);

    request.Comparison = 0;
    Old(world, 69999);
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(world.files.At("C:\\APP\\F.DLL").Bytes, Bytes(70000));
    EXPECT_EQ(world.progress.Lines[0], "<2E F.DLL>");
    EXPECT_EQ(world.progress.Lines[1], "<30 D:\\F.DL_>");
    // Window messages ran while the input was pulled, every 2048 bytes.
    EXPECT_GE(world.progress.Messages, static_cast<int>(Packed(70000).size() / 2048));
}

TEST_F(CopyPipelineTest, WithoutTheLibraryACompressedFileFails) {
    world.files.AddFile("D:\\F.DL_", Packed(100), kStamp);
    world.decompression.Missing = true;
    request.SourceKind = 0;
    world.installer.SetSilent(true);
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Failed);
    EXPECT_EQ(world.log.Payloads(), (std::vector<LogPayload>{logrec::DirCreated{"C:\\APP"}}));
}

TEST_F(CopyPipelineTest, ADamagedCompressedFileFails) {
    std::vector<std::uint8_t> packed = Packed(50000);
    packed[packed.size() / 2] ^= 0x55;
    world.files.AddFile("D:\\F.DL_", packed, kStamp);
    request.SourceKind = 0;
    world.installer.SetSilent(true);
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Failed);
    EXPECT_EQ(world.log.Payloads(), (std::vector<LogPayload>{logrec::DirCreated{"C:\\APP"}}));
}

TEST_F(CopyPipelineTest, AVersionCheckOfACompressedFileComparesTheExtractedCopy) {
    world.files.AddFile("D:\\F.DL_", Packed(9000), kStamp);
    Old(world);
    world.versions.Versions["c:\\app\\f.dll"] = Version(2, 0);
    world.versions.Versions["c:\\app\\tmp000.000"] = Version(1, 0);
    request.SourceKind = 0;
    request.Criterion = 3;
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Skipped);
    EXPECT_FALSE(world.files.Has("C:\\APP\\tmp000.000"));
    EXPECT_EQ(world.files.At("C:\\APP\\F.DLL").Bytes, Bytes(5000, 9));

    world.versions.Versions["c:\\app\\tmp000.000"] = Version(3, 0);
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(world.files.At("C:\\APP\\F.DLL").Bytes, Bytes(9000));
    EXPECT_FALSE(world.files.Has("C:\\APP\\tmp000.000"));
    EXPECT_EQ(world.log.Payloads(),
              (std::vector<LogPayload>{logrec::FileCreated{"C:\\APP\\F.DLL"}}));
}

// A compressed file split after `split` stored bytes, in disk folders.
class SplitFileTest : public CopyPipelineTest {
  protected:
    void SetUp() override {
        CopyPipelineTest::SetUp();
        packed = Packed(60000);
        entry.Name = "BIG.DAT";
        entry.FirstDisk = 0;
        entry.SegmentCount = 2;
        entry.Compressed = 1;
        entry.Size = 60000;
        entry.StoredSize = static_cast<std::uint32_t>(packed.size());
        entry.Stamp = kStamp;
        const std::size_t split = packed.size() / 3;
        world.files.AddDirectory("D:\\disk001");
        world.files.AddFile("D:\\disk001\\BIG.DA_",
                            std::vector<std::uint8_t>(packed.begin(), packed.begin() + split));
        second.assign(packed.begin() + split, packed.end());
        world.media.Directory = "D:\\disk001";
        world.media.Root = "D:";
        request.Entry = &entry;
        request.SourceKind = 0;
        request.DestinationPath = "C:\\APP\\BIG.DAT";
    }
    std::vector<std::uint8_t> packed;
    std::vector<std::uint8_t> second;
    DistributionEntry entry;
};

TEST_F(SplitFileTest, TheMissingSecondDiskIsAskedForAndTheFileCompleted) {
    world.media.OnInsert = [this](std::int32_t) {
        world.files.AddDirectory("D:\\disk002");
        world.files.AddFile("D:\\disk002\\BIG.001", second);
    };
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(world.media.Prompts, (std::vector<std::pair<std::int32_t, bool>>{{1, true}}));
    EXPECT_EQ(world.files.At("C:\\APP\\BIG.DAT").Bytes, Bytes(60000));
    EXPECT_EQ(world.files.At("C:\\APP\\BIG.DAT").Time, kStamp);
}

TEST_F(SplitFileTest, ARefusedDiskFailsTheFile) {
    world.media.Answers = {false};
    world.installer.SetSilent(true);
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Failed);
    EXPECT_EQ(world.log.Payloads(), (std::vector<LogPayload>{logrec::DirCreated{"C:\\APP"}}));
}

TEST_F(SplitFileTest, APieceBeyondTheSegmentCountIsACheckFailure) {
    entry.SegmentCount = 1;
    world.installer.SetSilent(true);
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Failed);
    EXPECT_EQ(world.report.CheckUnits, (std::vector<std::string>{"INSTALLR"}));
}

TEST_F(SplitFileTest, VolumesHoldTheFileAtItsOffsetAndCarryOnInTheNextVolume) {
    world.media.Volumes = true;
    world.media.Directory = "D:";
    world.media.Start = "D:\\SETUP.EXE";
    std::vector<std::uint8_t> first = Bytes(1234, 5);
    first.insert(first.end(), packed.begin(), packed.begin() + 1000);
    world.files.AddFile("D:\\SETUP.exe", first);
    world.files.AddFile("D:\\SETUP.001",
                        std::vector<std::uint8_t>(packed.begin() + 1000, packed.end()));
    entry.Offset = 1234;
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_TRUE(world.media.Prompts.empty());
    EXPECT_EQ(world.files.At("C:\\APP\\BIG.DAT").Bytes, Bytes(60000));
}

TEST_F(SplitFileTest, AStoredEntryInAVolumeIsReadFromItsOffsetOnly) {
    world.media.Volumes = true;
    world.media.Directory = "D:";
    std::vector<std::uint8_t> volume = Bytes(100, 5);
    const std::vector<std::uint8_t> content = Bytes(3000, 7);
    volume.insert(volume.end(), content.begin(), content.end());
    volume.resize(volume.size() + 500, 0xEE);  // the next file
    world.files.AddFile("D:\\SETUP.exe", volume);
    entry.SegmentCount = 1;
    entry.Compressed = 0;
    entry.Offset = 100;
    entry.Size = entry.StoredSize = 3000;
    request.SourceKind = 1;
    world.installer.InstallFile(request);
    EXPECT_EQ(request.State, FileState::Installed);
    EXPECT_EQ(world.files.At("C:\\APP\\BIG.DAT").Bytes, content);
}

}  // namespace
}  // namespace aw
