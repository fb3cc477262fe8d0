#include "monitor/core/tracking/connection_log_text.h"

#include <gtest/gtest.h>

#include "monitor/core/tracking/tests/fakes/connection_fakes.h"

namespace lw {
namespace {

const testing::FixedDateFormat kDates;

TEST(ConnectionLogText, LogFilesLieBesideTheProgram) {
    EXPECT_EQ(LogFileBeside("C:\\PROGRA~1\\LINEWINK\\LINEWINK.EXE", "DCD"),
              "C:\\PROGRA~1\\LINEWINK\\LINEWINK.DCD");
    EXPECT_EQ(LogFileBeside("C:\\LW\\LINEWINK.EXE", "RI"), "C:\\LW\\LINEWINK.RI");
}

TEST(ConnectionLogText, MidnightIsWrittenAsADateAlone) {
    const DayCount day = EncodeDate({2024, 2, 29});
    EXPECT_EQ(FormatLogTime(kDates, day), "29.02.2024");
    EXPECT_EQ(FormatLogTime(kDates, day + kOneSecond), "29.02.2024 00:00:01");
    EXPECT_EQ(FormatLogTime(kDates, day + 0.75), "29.02.2024 18:00:00");
}

TEST(ConnectionLogText, TheByteCountsAreOptional) {
    DisconnectFacts facts{EncodeDate({2024, 1, 2}) + 0.5, 1.5, 2.25, false, 0, 0};
    EXPECT_EQ(DisconnectedPieces(kDates, facts),
              "  Disconnected: 02.01.2024 12:00:00  Session Time = 36:00:00  Total Time = "
              "54:00:00\r\n");
    facts.withBytes = true;
    facts.sent = 1234567;
    facts.received = -1;
    EXPECT_TRUE(
        DisconnectedPieces(kDates, facts).ends_with("  Sent: 1234567  Received: -1 bytes\r\n"));
}

TEST(ConnectionLogText, ShortLastLinesAreUnfinishedEntries) {
    EXPECT_TRUE(IsUnfinishedEntry(""));
    EXPECT_TRUE(IsUnfinishedEntry(std::string(39, 'x')));
    EXPECT_FALSE(IsUnfinishedEntry(std::string(40, 'x')));
}

}  // namespace
}  // namespace lw
