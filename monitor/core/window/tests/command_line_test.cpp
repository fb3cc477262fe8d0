#include <gtest/gtest.h>

#include "monitor/core/window/command_line.h"

namespace lw {
namespace {

TEST(CommandLineTest, APortNumberSelectsThePort) {
    EXPECT_EQ(ParseCommandLine({"3"}).port, 3);
    EXPECT_FALSE(ParseCommandLine({"3"}).invalidPort);
    EXPECT_EQ(ParseCommandLine({}).port, 0);
    EXPECT_EQ(ParseCommandLine({"02"}).port, 2);
}

TEST(CommandLineTest, TheFirstPortWinsOverTheSecond) {
    EXPECT_EQ(ParseCommandLine({"2", "4"}).port, 2);
}

TEST(CommandLineTest, ANumberOutsideOneToFourIsInvalidInEitherPlace) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"7"}, {"0"}, {"-1"}, {"2", "5"}, {"5", "2"}, {"99999999999999999999999"}}) {
        SCOPED_TRACE(arguments[0]);
        EXPECT_TRUE(ParseCommandLine(arguments).invalidPort);
    }
}

TEST(CommandLineTest, AutoCheckStandsInEitherPlaceInAnyCase) {
    EXPECT_TRUE(ParseCommandLine({"-AUTOCHECK"}).autoCheck);
    EXPECT_TRUE(ParseCommandLine({"-autocheck", "2"}).autoCheck);
    const CommandLine second = ParseCommandLine({"2", "-AutoCheck"});
    EXPECT_TRUE(second.autoCheck);
    EXPECT_EQ(second.port, 2);
    EXPECT_FALSE(ParseCommandLine({"-AUTOCHECKS"}).autoCheck);
    EXPECT_FALSE(ParseCommandLine({"AUTOCHECK"}).autoCheck);
}

TEST(CommandLineTest, OnlyTheFirstTwoArgumentsCountAndOthersAreIgnored) {
    const CommandLine third = ParseCommandLine({"x", "y", "3", "-AUTOCHECK"});
    EXPECT_EQ(third.port, 0);
    EXPECT_FALSE(third.autoCheck);
    EXPECT_FALSE(third.invalidPort);
    EXPECT_FALSE(ParseCommandLine({"3x"}).invalidPort);
    EXPECT_EQ(ParseCommandLine({"3x"}).port, 0);
    EXPECT_EQ(ParseCommandLine({"-", "+"}).port, 0);
}

}  // namespace
}  // namespace lw
