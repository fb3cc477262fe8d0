#include <gtest/gtest.h>

#include "monitor/core/window/startup_values.h"

namespace lw {
namespace {

TEST(StartupValuesTest, TheTickIntervalIsRoundedFromTheRate) {
    EXPECT_EQ(TickIntervalMs(18), 56u);
    EXPECT_EQ(TickIntervalMs(16), 62u);
    EXPECT_EQ(TickIntervalMs(1), 1000u);
    EXPECT_EQ(TickIntervalMs(3), 333u);
    EXPECT_EQ(TickIntervalMs(7), 143u);
    EXPECT_EQ(TickIntervalMs(0), 0u);
    EXPECT_EQ(TickIntervalMs(-5), 0u);
    EXPECT_EQ(TickIntervalMs(5000), 1u);
}

TEST(StartupValuesTest, ManualUpdatesStandInForTicksThatNeverCome) {
    EXPECT_TRUE(WantsManualUpdate(0));
    EXPECT_TRUE(WantsManualUpdate(-1));
    EXPECT_FALSE(WantsManualUpdate(1));
}

TEST(StartupValuesTest, TheHelpFileLiesBesideTheProgram) {
    EXPECT_EQ(HelpFilePath("C:\\PROGRA~1\\LINEWINK\\LINEWINK.EXE"),
              "C:\\PROGRA~1\\LINEWINK\\linewink.hlp");
    // A short program name does not eat into its directory.
    EXPECT_EQ(HelpFilePath("C:\\TOOLS\\LW.EXE"), "C:\\TOOLS\\linewink.hlp");
    EXPECT_EQ(HelpFilePath("LW.EXE"), "linewink.hlp");
}

TEST(StartupValuesTest, TheStartupSoundIsTheProgramWithTheWaveExtension) {
    EXPECT_EQ(StartupSoundPath("C:\\Program Files\\LineWink\\LineWink.exe"),
              "C:\\Program Files\\LineWink\\LineWink.wav");
    EXPECT_EQ(StartupSoundPath("C:\\A.B\\LINEWINK"), "C:\\A.B\\LINEWINK.wav");
}

TEST(StartupValuesTest, TheDialUpProgramsGenerationFollowsItsDate) {
    EXPECT_EQ(DialerVersionOf(std::nullopt), 0);
    EXPECT_EQ(DialerVersionOf(EncodeDateTime({1995, 9, 1}, {9, 50, 0, 0})), 1);
    EXPECT_EQ(DialerVersionOf(EncodeDate({1996, 1, 1})), 1);
    EXPECT_EQ(DialerVersionOf(EncodeDate({1995, 9, 1})), 2);
    EXPECT_EQ(DialerVersionOf(EncodeDate({1995, 7, 11})), 2);
}

TEST(StartupValuesTest, TheLightsReplacementIsKnownByItsSize) {
    EXPECT_TRUE(IsLightsReplacement(21'248));
    EXPECT_FALSE(IsLightsReplacement(21'249));
    EXPECT_FALSE(IsLightsReplacement(std::nullopt));
}

}  // namespace
}  // namespace lw
