// The stand-in modem's answers and control commands.
#include "tools/modem_stand_in/modem_behaviour.h"

#include <gtest/gtest.h>

namespace lw::modem {
namespace {

std::string Joined(const std::vector<Output>& outputs) {
    std::string bytes;
    for (const Output& output : outputs) {
        bytes += output.bytes;
    }
    return bytes;
}

std::vector<std::uint32_t> Delays(const std::vector<Output>& outputs) {
    std::vector<std::uint32_t> delays;
    for (const Output& output : outputs) {
        if (output.delayMs != 0) {
            delays.push_back(output.delayMs);
        }
    }
    return delays;
}

TEST(ModemBehaviour, EchoesEveryByteAndAnswersCommandLinesWhenTheyEnd) {
    ModemBehaviour modem;
    EXPECT_EQ(Joined(modem.OnData("at&")), "at&");
    // The answer follows the CR at once; the LF after it is echoed when it comes.
    EXPECT_EQ(Joined(modem.OnData("F1\r\n")), "F1\rOK\r\n\n");
    EXPECT_EQ(Joined(modem.OnData("hello\r\n")), "hello\r\n");
    EXPECT_EQ(Joined(modem.OnData("ATZ\rATE1\r")), "ATZ\rOK\r\nATE1\rOK\r\n");
}

TEST(ModemBehaviour, EachModeAnswersInItsOwnWay) {
    ModemBehaviour modem;
    EXPECT_EQ(modem.OnControl("silent").text, "ok");
    EXPECT_TRUE(modem.OnData("ATZ\r\n").empty());

    modem.OnControl("late 700");
    const auto late = modem.OnData("ATZ\r\n");
    EXPECT_EQ(Joined(late), "ATZ\rOK\r\n\n");
    EXPECT_EQ(Delays(late), std::vector<std::uint32_t>{700});

    modem.OnControl("pieces 150");
    const auto pieces = modem.OnData("AT\r");
    EXPECT_EQ(Joined(pieces), "AT\rOK\r\n");
    EXPECT_EQ(Delays(pieces), (std::vector<std::uint32_t>{150, 150, 150, 150}));

    modem.OnControl("zero");
    EXPECT_EQ(Joined(modem.OnData("AT\r")), std::string("AT\rOK\0NOISE\r\n", 13));
}

TEST(ModemBehaviour, ControlReportsWhatArrivedAndRefusesUnknownCommands) {
    ModemBehaviour modem;
    modem.OnData("AT&F\r\n\x01\\");
    EXPECT_EQ(modem.OnControl("received").text, "received AT&F\\r\\n\\x01\\\\");
    const ControlReply changed = modem.OnControl("echo");
    EXPECT_EQ(changed.request, Request::Flush);
    EXPECT_EQ(modem.OnControl("received").text, "received ");
    EXPECT_EQ(modem.OnControl("hold").request, Request::Hold);
    EXPECT_EQ(modem.OnControl("release").request, Request::Release);
    EXPECT_EQ(modem.OnControl("late soon").text, "error unknown command: late soon");
    EXPECT_EQ(modem.OnControl("dance").request, Request::None);
    EXPECT_EQ(modem.CurrentMode(), Mode::Echo);
}

}  // namespace
}  // namespace lw::modem
