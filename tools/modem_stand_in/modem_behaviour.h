// How the stand-in modem answers what arrives on its line, and the commands of its control
// line that switch between its ways of answering.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lw::modem {

enum class Mode {
    Echo,    // echoes every byte, answers "OK" CR LF to each line starting with "AT"
    Silent,  // takes everything, says nothing
    Pieces,  // echoes, then sends the answer a byte at a time with a pause between bytes
    Late,    // echoes at once, answers after a pause
    Zero,    // echoes, then answers with a zero byte and some noise after "OK"
};

// Bytes to send once `delayMs` have passed since the previous output was due.
struct Output {
    std::uint32_t delayMs;
    std::string bytes;
};

// What the control line asks for, besides a change of mode.
enum class Request { None, Flush, Hold, Release };

struct ControlReply {
    std::string text;  // one line, without its LF
    Request request = Request::None;
};

class ModemBehaviour {
  public:
    // The replies to bytes that arrived on the data line, in order.
    std::vector<Output> OnData(std::string_view bytes);
    // One command line of the control line: "echo", "silent", "zero", "pieces MS", "late MS",
    // "hold", "release" or "received". A change of mode also asks for the line to be flushed
    // and forgets what was received.
    ControlReply OnControl(std::string_view line);

    Mode CurrentMode() const { return mode_; }

  private:
    void AnswerLine(std::vector<Output>& outputs);

    Mode mode_ = Mode::Echo;
    std::uint32_t pauseMs_ = 0;
    std::string line_;
    std::string received_;
};

// Control characters as C escapes, so that a received text fits on one line.
std::string Escaped(std::string_view bytes);

}  // namespace lw::modem
