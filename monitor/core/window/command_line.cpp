#include "monitor/core/window/command_line.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace lw {
namespace {

constexpr std::size_t kArgumentsExamined = 2;
constexpr int kHighestPort = 4;

bool IsAutoCheck(const std::string& argument) {
    static const std::string kAutoCheck = "-AUTOCHECK";
    return std::equal(
        argument.begin(), argument.end(), kAutoCheck.begin(), kAutoCheck.end(),
        [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
}

// A decimal number with an optional sign; its value saturates, since any number too large to
// hold is as much outside 1-4 as one that fits.
std::optional<long long> DecimalNumber(const std::string& argument) {
    std::size_t position = 0;
    bool negative = false;
    if (position < argument.size() && (argument[0] == '-' || argument[0] == '+')) {
        negative = argument[0] == '-';
        ++position;
    }
    if (position == argument.size()) {
        return std::nullopt;
    }
    long long value = 0;
    for (; position < argument.size(); ++position) {
        const char c = argument[position];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = std::min(value * 10 + (c - '0'), 1'000'000'000'000LL);
    }
    return negative ? -value : value;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine result;
    const std::size_t examined = std::min(arguments.size(), kArgumentsExamined);
    for (std::size_t i = 0; i < examined; ++i) {
        const std::string& argument = arguments[i];
        if (IsAutoCheck(argument)) {
            result.autoCheck = true;
        } else if (const auto number = DecimalNumber(argument)) {
            if (*number < 1 || *number > kHighestPort) {
                result.invalidPort = true;
            } else if (result.port == 0) {
                result.port = static_cast<int>(*number);
            }
        }
    }
    return result;
}

}  // namespace lw
