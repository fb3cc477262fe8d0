// The launcher's command line: "/S" for a run that nobody watches, "--help", and the arguments it
// hands on to the installation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace aw {

// The longest argument line the installer takes.
inline constexpr std::size_t kMaxArgumentLine = 511;

struct LauncherArguments {
    bool Help = false;
    bool Unattended = false;
    // The arguments but "/S", separated by single blanks.
    std::string ArgumentLine;
    // Why the command line cannot be used; empty when it can.
    std::string Problem;
};

// The command line without the program's name, which may be quoted.
std::string_view CommandTail(std::string_view commandLine);

// Arguments are separated by blanks and tabs outside double quotes; each keeps its quotes.
std::vector<std::string> SplitArguments(std::string_view text);

LauncherArguments ParseLauncherArguments(std::string_view commandTail);

extern const char* const kLauncherHelp;

}  // namespace aw
