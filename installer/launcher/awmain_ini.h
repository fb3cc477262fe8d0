// "awmain.ini", the launcher's word to the installer beside it: section "x" with "p" the path
// the installation was started from, "cmdl" its arguments, "sz" a size figure and, for a run
// that nobody watches, "u" = 1; the installer adds "r", its result.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace aw {

struct AwmainIni {
    std::string StartPath;
    std::string ArgumentLine;
    std::uint32_t SizeFigure = 1;
    bool Unattended = false;
};

std::string AwmainIniText(const AwmainIni& ini);

// "r" as a decimal number; none when it is missing or not a number.
std::optional<int> ReadResult(std::string_view iniText);

// The installer's results that the launcher hands on.
bool IsKnownResult(int result);
// Results after which the machine must be restarted to finish the installation.
bool NeedsRestart(int result);

}  // namespace aw
