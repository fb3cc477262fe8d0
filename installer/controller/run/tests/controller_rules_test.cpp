// The controller's small rules: languages, media and packaging, result codes, the gauge, the
// archive names and the English texts.
#include <gtest/gtest.h>

#include "installer/controller/run/controller_texts.h"
#include "installer/controller/run/language_choice.h"
#include "installer/controller/run/packaging.h"
#include "installer/controller/run/progress_gauge.h"
#include "installer/controller/run/result_codes.h"
#include "installer/script/model/tests/fakes/fake_report.h"

namespace aw {
namespace {

TEST(LanguageChoice, MainCodesAliasesAndCaseAreFound) {
    EXPECT_EQ(LanguageOfCode("dan"), 0);
    EXPECT_EQ(LanguageOfCode("PTG"), 14);
    EXPECT_EQ(LanguageOfCode("ENA"), 2);
    EXPECT_EQ(LanguageOfCode("enc"), 3);
    EXPECT_EQ(LanguageOfCode("frs"), 5);
    EXPECT_EQ(LanguageOfCode("Des"), 1);
    EXPECT_EQ(LanguageOfCode("non"), 8);
    EXPECT_EQ(LanguageOfCode("nlb"), 7);
    EXPECT_EQ(LanguageOfCode("esv"), 4);
    EXPECT_EQ(LanguageOfCode("ptb"), 14);
    EXPECT_EQ(LanguageOfCode("xyz"), std::nullopt);
    EXPECT_EQ(LanguageOfCode("en"), std::nullopt);
}

TEST(LanguageChoice, UnknownIsUsEnglishAndUnofferedIsTheScriptsDefault) {
    LanguageSet all{1, std::vector<std::int32_t>(20, 1)};
    EXPECT_EQ(ChooseLanguage("ENA", all), 2);
    EXPECT_EQ(ChooseLanguage("klingon", all), 3);
    LanguageSet noUk = all;
    noUk.Flags[2] = 0;
    EXPECT_EQ(ChooseLanguage("eng", noUk), 1);
}

TEST(LanguageChoice, AnOlderScriptOffersOnlyTheElevenLanguagesItCarries) {
    // Read from a version-300 file: eleven flags, whatever the version in memory says.
    LanguageSet old{5, std::vector<std::int32_t>(11, 1)};
    EXPECT_EQ(ChooseLanguage("jpn", old), 10);
    EXPECT_EQ(ChooseLanguage("fin", old), 5);
    EXPECT_EQ(ChooseLanguage("ptg", old), 5);
}

TEST(LanguageChoice, CodesAndNamesOutsideTheTableAreCheckFailures) {
    testing::FakeReport report;
    EXPECT_EQ(LanguageCode(2, report), "eng");
    EXPECT_EQ(LanguageName(11, report), "Finish");
    EXPECT_EQ(LanguageCode(15, report), "enu");
    EXPECT_EQ(LanguageName(-1, report), "US English");
    EXPECT_EQ(report.CheckUnits, (std::vector<std::string>{"LANGSET", "LANGSET"}));
}

TEST(Packaging, MediumKindFollowsTheDriveAndTheFreeSpace) {
    EXPECT_EQ(MediumKindOf(DriveType::Removable, 4095), MediumKind::Diskette);
    EXPECT_EQ(MediumKindOf(DriveType::Removable, 4096), MediumKind::LargeRemovable);
    EXPECT_EQ(MediumKindOf(DriveType::Removable, std::nullopt), MediumKind::Diskette);
    EXPECT_EQ(MediumKindOf(DriveType::Fixed, 0), MediumKind::Fixed);
    EXPECT_EQ(MediumKindOf(DriveType::Remote, 0), MediumKind::Remote);
    EXPECT_EQ(MediumKindOf(DriveType::CdRom, 0), MediumKind::CdRom);
    EXPECT_EQ(MediumKindOf(DriveType::Unknown, 99999), MediumKind::Diskette);
}

TEST(Packaging, DiskFoldersOnlyOffDiskettes) {
    EXPECT_TRUE(IsFirstDiskFolder("E:\\dist\\DISK001"));
    EXPECT_FALSE(IsFirstDiskFolder("E:\\dist\\disk002"));
    EXPECT_FALSE(IsFirstDiskFolder("E:"));
    EXPECT_EQ(PackagingOf(MediumKind::Fixed, true), Packaging::DiskFolders);
    EXPECT_EQ(PackagingOf(MediumKind::CdRom, false), Packaging::SingleSource);
    EXPECT_EQ(PackagingOf(MediumKind::Diskette, false), Packaging::DiskSet);
    EXPECT_EQ(PackagingOf(MediumKind::Diskette, true), std::nullopt);
}

TEST(ResultCodes, CompletionKindsRestartsAndTheFinish) {
    EXPECT_EQ(CompletionStatusOfKind(0, false), 0);
    EXPECT_EQ(CompletionStatusOfKind(0, true), 2);
    EXPECT_EQ(CompletionStatusOfKind(1, true), 0);
    EXPECT_EQ(CompletionStatusOfKind(2, false), 2);
    EXPECT_EQ(CompletionStatusOfKind(3, false), 4);
    EXPECT_EQ(CompletionStatusOfKind(4, false), 1);
    EXPECT_EQ(StatusAfterScript(0, true), 2);
    EXPECT_EQ(StatusAfterScript(1, true), 1);
    EXPECT_EQ(StatusAfterScript(4, true), 4);
    EXPECT_EQ(ResultAfterFinish(1, true), 6);
    EXPECT_EQ(ResultAfterFinish(1, false), 1);
    EXPECT_EQ(ResultAfterFinish(2, false), 2);
}

TEST(ProgressGauge, FilesStepEndAndUndo) {
    ProgressGauge gauge;
    gauge.Reset(200);
    gauge.StartFile(50);
    gauge.Step(20);
    EXPECT_EQ(gauge.Percent(), 10);
    gauge.EndFile();
    EXPECT_EQ(gauge.Done(), 50u);
    gauge.StartFile(30);
    gauge.Step(10);
    gauge.UndoFile();
    EXPECT_EQ(gauge.Done(), 50u);
    gauge.Step(160);
    EXPECT_EQ(gauge.Percent(), -1);
}

TEST(ProgressGauge, BillboardsShareTheTotal) {
    ProgressGauge gauge;
    gauge.Reset(100);
    EXPECT_EQ(gauge.BillboardIndex(3), 0);
    gauge.Step(65);
    EXPECT_EQ(gauge.BillboardIndex(3), 1);
    gauge.Step(35);
    EXPECT_EQ(gauge.BillboardIndex(3), 3);
    ProgressGauge empty;
    EXPECT_EQ(empty.Percent(), 0);
    EXPECT_EQ(empty.BillboardIndex(3), 0);
}

TEST(ControllerTexts, EnglishTextsByNumber) {
    EXPECT_EQ(EnglishText(0x47),
              "Installation is incomplete\nAre you sure you want to abort the installation?");
    EXPECT_EQ(EnglishText(0x4A), "Please insert disk: %s");
    EXPECT_EQ(EnglishText(0x40), "&Stay here");
    EXPECT_EQ(EnglishText(0x3E),
              "%s has been installed successfully\nbut we need to restart\nWindows for the "
              "changes to take effect");
    EXPECT_EQ(EnglishText(0x1234), "");
}

}  // namespace
}  // namespace aw
