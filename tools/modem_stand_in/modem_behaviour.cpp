#include "tools/modem_stand_in/modem_behaviour.h"

#include <cctype>
#include <charconv>
#include <cstdio>

namespace lw::modem {
namespace {

const std::string kAnswer = "OK\r\n";

bool StartsWithAt(const std::string& line) {
    return line.size() >= 2 && std::toupper(static_cast<unsigned char>(line[0])) == 'A' &&
           std::toupper(static_cast<unsigned char>(line[1])) == 'T';
}

bool ParsePause(std::string_view text, std::uint32_t& pauseMs) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), pauseMs);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::vector<Output> ModemBehaviour::OnData(std::string_view bytes) {
    received_ += bytes;
    std::vector<Output> outputs;
    if (mode_ == Mode::Silent) {
        return outputs;
    }
    for (const char byte : bytes) {
        outputs.push_back({0, std::string(1, byte)});
        if (byte == '\r') {
            AnswerLine(outputs);
        } else if (byte != '\n') {
            line_ += byte;
        }
    }
    return outputs;
}

void ModemBehaviour::AnswerLine(std::vector<Output>& outputs) {
    const bool command = StartsWithAt(line_);
    line_.clear();
    if (!command) {
        return;
    }
    switch (mode_) {
        case Mode::Echo:
            outputs.push_back({0, kAnswer});
            break;
        case Mode::Late:
            outputs.push_back({pauseMs_, kAnswer});
            break;
        case Mode::Pieces:
            for (const char byte : kAnswer) {
                outputs.push_back({pauseMs_, std::string(1, byte)});
            }
            break;
        case Mode::Zero:
            outputs.push_back({0, std::string("OK\0NOISE\r\n", 10)});
            break;
        case Mode::Silent:
            break;
    }
}

ControlReply ModemBehaviour::OnControl(std::string_view line) {
    const std::size_t blank = line.find(' ');
    const std::string_view word = line.substr(0, blank);
    const std::string_view argument =
        blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
    if (word == "received") {
        return {"received " + Escaped(received_)};
    }
    if (word == "hold" || word == "release") {
        return {"ok", word == "hold" ? Request::Hold : Request::Release};
    }
    Mode mode;
    std::uint32_t pauseMs = 0;
    if (word == "echo" || word == "silent" || word == "zero") {
        mode = word == "echo" ? Mode::Echo : word == "silent" ? Mode::Silent : Mode::Zero;
    } else if ((word == "pieces" || word == "late") && ParsePause(argument, pauseMs)) {
        mode = word == "pieces" ? Mode::Pieces : Mode::Late;
    } else {
        return {"error unknown command: " + Escaped(line)};
    }
    mode_ = mode;
    pauseMs_ = pauseMs;
    line_.clear();
    received_.clear();
    return {"ok", Request::Flush};
}

std::string Escaped(std::string_view bytes) {
    std::string text;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (byte == '\r') {
            text += "\\r";
        } else if (byte == '\n') {
            text += "\\n";
        } else if (byte == '\\') {
            text += "\\\\";
        } else if (code < 0x20 || code >= 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", code);
            text += hex;
        } else {
            text += byte;
        }
    }
    return text;
}

}  // namespace lw::modem
