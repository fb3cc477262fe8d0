#include <gtest/gtest.h>

#include "monitor/core/window/port_decision.h"

namespace lw {
namespace {

constexpr PortsFound kAll{{true, true, true, true}, true};
constexpr PortsFound kNoCom2{{true, false, true, true}, true};

CommandLine Given(int port, bool invalid = false) {
    return {port, invalid, false};
}

TEST(PortDecisionTest, FirstRunWelcomes) {
    const PortDecision decision = DecidePort(0, {}, kAll);
    EXPECT_EQ(decision.verdict, PortVerdict::Welcome);
    EXPECT_EQ(decision.port, 0);
}

TEST(PortDecisionTest, AGivenPortReplacesTheSetOne) {
    const PortDecision decision = DecidePort(1, Given(3), kAll);
    EXPECT_EQ(decision.verdict, PortVerdict::Monitor);
    EXPECT_EQ(decision.port, 3);
    EXPECT_EQ(DecidePort(0, Given(4), kAll).port, 4);
    EXPECT_EQ(DecidePort(2, {}, kAll).port, 2);
}

TEST(PortDecisionTest, AnInvalidOrUnavailablePortRefuses) {
    EXPECT_EQ(DecidePort(1, Given(0, true), kAll).verdict, PortVerdict::Refuse);
    EXPECT_EQ(DecidePort(0, Given(0, true), kAll).verdict, PortVerdict::Refuse);
    // The set port counts even when another one is given.
    EXPECT_EQ(DecidePort(2, {}, kNoCom2).verdict, PortVerdict::Refuse);
    EXPECT_EQ(DecidePort(2, Given(3), kNoCom2).verdict, PortVerdict::Refuse);
    EXPECT_EQ(DecidePort(1, Given(2), kNoCom2).verdict, PortVerdict::Refuse);
    EXPECT_EQ(DecidePort(1, Given(3), kNoCom2).verdict, PortVerdict::Monitor);
}

// A port above COM4 comes only from the settings dialog's port list, up to its highest one.
TEST(PortDecisionTest, AStoredPortAboveComFourRunsWhenFound) {
    EXPECT_EQ(DecidePort(5, {}, kAll).port, 5);
    EXPECT_EQ(DecidePort(9, Given(2), kAll).port, 2);
    EXPECT_EQ(DecidePort(5, {}, PortsFound{{true, true, true, true}, false}).verdict,
              PortVerdict::Refuse);
    EXPECT_EQ(DecidePort(10, {}, kAll).verdict, PortVerdict::Refuse);
}

}  // namespace
}  // namespace lw
