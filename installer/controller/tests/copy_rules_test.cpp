// The small rules of the copy, each against values worked out by hand.
#include "installer/controller/copy/copy_rules.h"

#include <gtest/gtest.h>

#include "installer/controller/copy/media_names.h"
#include "installer/controller/copy_host.h"
#include "installer/controller/install_paths.h"
#include "installer/controller/shared_counts.h"

namespace aw {
namespace {

TEST(JudgeTest, EveryResultAgainstEveryComparison) {
    // Rows: the request's comparison 0..5 (new > old, >=, =, !=, <, <=); columns: the
    // criterion's result -1 (old wins), 0 (equal), 1 (new wins).
    const char* const expected[6] = {"SSW", "SWW", "SWS", "WSW", "WSS", "WWS"};
    for (std::int32_t comparison = 0; comparison < 6; ++comparison) {
        for (int result = -1; result <= 1; ++result) {
            const Verdict verdict = Judge(result, comparison);
            const char letter = verdict == Verdict::Write ? 'W' : 'S';
            EXPECT_EQ(letter, expected[comparison][result + 1])
                << "comparison " << comparison << ", result " << result;
        }
        EXPECT_EQ(Judge(kNoComparison, comparison), Verdict::Incomparable);
        EXPECT_EQ(Judge(-2, comparison), Verdict::Incomparable);
    }
}

TEST(TemporaryNameTest, ThreeDigitsBeforeAndAfterTheDot) {
    EXPECT_EQ(TemporaryFileName(0), "tmp000.000");
    EXPECT_EQ(TemporaryFileName(1), "tmp000.001");
    EXPECT_EQ(TemporaryFileName(999), "tmp000.999");
    EXPECT_EQ(TemporaryFileName(1000), "tmp001.000");
    EXPECT_EQ(TemporaryFileName(123456), "tmp123.456");
    EXPECT_EQ(TemporaryFileName(kTemporaryNames - 1), "tmp999.999");
}

TEST(AwverTest, InstalledVersionsAgainstTheProduct) {
    const ProductVersion product{0x00020003, 0x00040005};  // 2.3.4.5
    EXPECT_EQ(VersionText(product), "2.3.4.5");
    EXPECT_EQ(CompareInstalledVersion("2.3.4.5", product), 0);
    EXPECT_EQ(CompareInstalledVersion("2.3.4.4", product), 1);
    EXPECT_EQ(CompareInstalledVersion("2.3.5.0", product), -1);
    // The first pair decides before the second.
    EXPECT_EQ(CompareInstalledVersion("2.2.9.9", product), 1);
    EXPECT_EQ(CompareInstalledVersion("3.0.0.0", product), -1);
    // Fewer than four numbers count as older, whatever they say.
    EXPECT_EQ(CompareInstalledVersion("9.9", product), 1);
    EXPECT_EQ(CompareInstalledVersion("", product), 1);
    EXPECT_EQ(CompareInstalledVersion("2.3.4.x", product), 1);
    EXPECT_EQ(CompareInstalledVersion("0.0.0.0", ProductVersion{}), 0);
    EXPECT_EQ(VersionText({0xFFFF0000, 0x0001FFFF}), "65535.0.1.65535");
}

TEST(TimeStampTest, ComparedFromTheYearDownToTheMillisecond) {
    SystemTime a{1998, 5, 0, 17, 10, 30, 15, 500};
    SystemTime b = a;
    b.wDayOfWeek = 3;  // plays no part
    EXPECT_EQ(CompareTimes(a, b), 0);
    b.wMilliseconds = 499;
    EXPECT_EQ(CompareTimes(a, b), 1);
    b.wYear = 1999;
    EXPECT_EQ(CompareTimes(a, b), -1);
    b = a;
    b.wMonth = 4;
    b.wDay = 30;
    EXPECT_EQ(CompareTimes(a, b), 1);
}

TEST(FreeSpaceTest, UnitsOfTenKibInTheOrderOfTheFormula) {
    // 8 x 512 / 128 = 32 per cluster; x 1000 / 80 = 400.
    EXPECT_EQ(FreeUnits({8, 512, 1000, 2000}), 400u);
    // Integer division in that order: 1 x 100 / 128 = 0 however many clusters are free.
    EXPECT_EQ(FreeUnits({1, 100, 100000, 100000}), 0u);
    // 4 x 512 / 128 = 16 x 9 = 144 / 80 = 1.
    EXPECT_EQ(FreeUnits({4, 512, 9, 10}), 1u);
    // A large drive does not wrap around in 32 bits.
    EXPECT_EQ(FreeUnits({64, 4096, 0xFFFFFFFF, 0xFFFFFFFF}), 2048ull * 0xFFFFFFFF / 80);
}

TEST(AttributesTest, OnlyOneOfTheThreeInThatOrder) {
    EXPECT_EQ(WantedAttributes(true, true, true), 1u);
    EXPECT_EQ(WantedAttributes(true, true, false), 4u);
    EXPECT_EQ(WantedAttributes(true, false, false), 2u);
    EXPECT_EQ(WantedAttributes(false, false, false), 0u);
}

TEST(MediaNamesTest, CompressedNames) {
    EXPECT_EQ(CompressedFileName("SETUP.EXE"), "SETUP.EX_");
    EXPECT_EQ(CompressedFileName("a.ab"), "a.ab_");
    EXPECT_EQ(CompressedFileName("a.b"), "a.b_");
    EXPECT_EQ(CompressedFileName("a."), "a._");
    EXPECT_EQ(CompressedFileName("README"), "README._");
    EXPECT_EQ(CompressedFileName("page.html"), "page.htm_");
    EXPECT_EQ(CompressedFileName("a.b.dll"), "a.b.dl_");
    // A dot in a directory is not the file's extension.
    EXPECT_EQ(CompressedFileName("D:\\v1.0\\README"), "D:\\v1.0\\README._");
    EXPECT_EQ(CompressedFileName("D:\\v1.0\\LW.HLP"), "D:\\v1.0\\LW.HL_");
}

TEST(MediaNamesTest, VolumesPiecesAndDiskFolders) {
    EXPECT_EQ(VolumeFileName("D:\\DISK1\\SETUP.EXE", 0), "SETUP.exe");
    EXPECT_EQ(VolumeFileName("D:\\DISK1\\SETUP.EXE", 2), "SETUP.002");
    EXPECT_EQ(VolumeFileName("D:\\INSTALL", 12), "INSTALL.012");
    EXPECT_EQ(NumberedFileName("BIG.DAT", 1), "BIG.001");
    EXPECT_EQ(NumberedFileName("BIG", 3), "BIG.003");
    EXPECT_EQ(NumberedFileName("a.b.dat", 998), "a.b.998");
    EXPECT_EQ(DiskFolderName(0), "disk001");
    EXPECT_EQ(DiskFolderName(998), "disk999");

    DistributionEntry entry;
    entry.Name = "LINEWINK.EXE";
    entry.FirstDisk = 2;
    entry.Offset = 777;
    entry.Compressed = 1;
    // Own names: the compressed name first, then the piece numbers.
    EXPECT_EQ(DistributionPiece(entry, false, "D:\\SETUP.EXE", 0).Name, "LINEWINK.EX_");
    EXPECT_EQ(DistributionPiece(entry, false, "D:\\SETUP.EXE", 0).Offset, 0u);
    EXPECT_EQ(DistributionPiece(entry, false, "D:\\SETUP.EXE", 1).Name, "LINEWINK.001");
    // Volumes: the disk number, the offset only in the first.
    EXPECT_EQ(DistributionPiece(entry, true, "D:\\SETUP.EXE", 0).Name, "SETUP.002");
    EXPECT_EQ(DistributionPiece(entry, true, "D:\\SETUP.EXE", 0).Offset, 777u);
    EXPECT_EQ(DistributionPiece(entry, true, "D:\\SETUP.EXE", 1).Name, "SETUP.003");
    EXPECT_EQ(DistributionPiece(entry, true, "D:\\SETUP.EXE", 1).Offset, 0u);
    entry.FirstDisk = 0;
    EXPECT_EQ(DistributionPiece(entry, true, "D:\\SETUP.EXE", 0).Name, "SETUP.exe");
}

TEST(PathsTest, PartsRootsAndComparisons) {
    EXPECT_EQ(DirectoryPart("C:\\A\\B.TXT"), "C:\\A");
    EXPECT_EQ(FileNamePart("C:\\A\\B.TXT"), "B.TXT");
    EXPECT_EQ(JoinPath("C:\\A", "B"), "C:\\A\\B");
    EXPECT_EQ(JoinPath("C:\\", "B"), "C:\\B");
    EXPECT_EQ(PathRoot("C:\\A\\B"), "C:\\");
    EXPECT_EQ(PathRoot("\\\\server\\share\\dir\\f"), "\\\\server\\share\\");
    EXPECT_EQ(PathRoot("\\\\server\\share"), "\\\\server\\share\\");
    EXPECT_EQ(PathRoot("relative\\f"), "");
    EXPECT_TRUE(IsPathRoot("C:"));
    EXPECT_TRUE(IsPathRoot("C:\\"));
    EXPECT_TRUE(IsPathRoot("\\\\server\\share"));
    EXPECT_FALSE(IsPathRoot("C:\\A"));
}

TEST(InsertIntoTextTest, OnlyTheFirstConversionTakesTheValue) {
    EXPECT_EQ(InsertIntoText("Unable to create %s", "C:\\X"), "Unable to create C:\\X");
    EXPECT_EQ(InsertIntoText("Need %lu KiB", "40"), "Need 40 KiB");
    EXPECT_EQ(InsertIntoText("100%% of %s", "it"), "100% of it");
    // A second conversion takes nothing, and cannot read what is not there.
    EXPECT_EQ(InsertIntoText("%s and %s %n", "a"), "a and  ");
    EXPECT_EQ(InsertIntoText("no conversion", "a"), "no conversion");
    EXPECT_EQ(InsertIntoText("trailing %", "a"), "trailing %");
}

TEST(SharedCountRulesTest, ValuesOfBothTypesAndNone) {
    EXPECT_EQ(SharedCountOf(std::nullopt), 0u);
    EXPECT_EQ(SharedCountOf(RegistryValue{kRegBytes, {3, 1, 0, 0}}), 259u);
    EXPECT_EQ(SharedCountOf(RegistryValue{kRegNumber, {7, 0, 0, 0}}), 7u);
    EXPECT_EQ(SharedCountOf(RegistryValue{kRegBytes, {3, 0}}), std::nullopt);
    EXPECT_EQ(SharedCountOf(RegistryValue{kRegText, {'1', 0, 0, 0}}), std::nullopt);

    EXPECT_EQ(SharedCountValue(1, std::nullopt), (RegistryValue{kRegBytes, {1, 0, 0, 0}}));
    EXPECT_EQ(SharedCountValue(0x01020304, RegistryValue{kRegNumber, {}}),
              (RegistryValue{kRegNumber, {4, 3, 2, 1}}));
}

TEST(SharedCountRulesTest, OnlyFilesInTheSystemOrCommonFilesDirectory) {
    const std::string system = "C:\\WINDOWS\\SYSTEM";
    const std::string common = "C:\\Program Files\\Common Files";
    EXPECT_TRUE(CountedLocation("C:\\WINDOWS\\SYSTEM\\A.DLL", system, common));
    EXPECT_TRUE(CountedLocation("c:\\windows\\system\\a.dll", system, common));
    EXPECT_TRUE(CountedLocation("C:\\Program Files\\Common Files\\Vendor\\B.DLL", system, common));
    EXPECT_FALSE(CountedLocation("C:\\WINDOWS\\A.DLL", system, common));
    EXPECT_FALSE(CountedLocation("C:\\WINDOWS\\SYSTEM32\\A.DLL", system, common));
    EXPECT_FALSE(CountedLocation("C:\\Program Files\\LineWink\\B.DLL", system, common));

    const std::string text = "D:\\Common\0";
    EXPECT_EQ(CommonFilesDirectory(RegistryValue{kRegText, {text.begin(), text.end()}}, system),
              "D:\\Common");
    EXPECT_EQ(CommonFilesDirectory(std::nullopt, system), system);
}

}  // namespace
}  // namespace aw
