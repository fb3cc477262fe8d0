#include "installer/launcher/launcher_arguments.h"

#include "installer/controller/text_case.h"

namespace aw {

const char* const kLauncherHelp =
    "usage: setup [/S] [arguments for the installation]\n"
    "The setup program of this distribution medium. It copies the installer (awmain.exe),\n"
    "its install script and companion files to a fresh folder under the temporary folder,\n"
    "runs the installation there, removes the folder again and ends with its result:\n"
    "  0  installed                     2  installed, Windows must be restarted\n"
    "  1  failed or cancelled           4  installed, the computer must be restarted\n"
    "  6  cancelled, the changes made so far are being undone by the uninstaller\n"
    "For 2 and 4 it offers to restart now.\n"
    "  /S   nobody watches: questions take their default answers, no restart is offered,\n"
    "       problems go to standard error\n"
    "Every other argument is handed on to the installation's script.\n";

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string_view CommandTail(std::string_view commandLine) {
    std::size_t i = 0;
    bool quoted = false;
    for (; i < commandLine.size() && (quoted || !IsBlank(commandLine[i])); ++i) {
        if (commandLine[i] == '"') {
            quoted = !quoted;
        }
    }
    return commandLine.substr(i);
}

std::vector<std::string> SplitArguments(std::string_view text) {
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false;
    for (const char c : text) {
        if (!quoted && IsBlank(c)) {
            if (!current.empty()) {
                arguments.push_back(std::move(current));
                current.clear();
            }
            continue;
        }
        quoted = c == '"' ? !quoted : quoted;
        current += c;
    }
    if (!current.empty()) {
        arguments.push_back(std::move(current));
    }
    return arguments;
}

LauncherArguments ParseLauncherArguments(std::string_view commandTail) {
    LauncherArguments parsed;
    for (const std::string& argument : SplitArguments(commandTail)) {
        if (argument == "--help") {
            parsed.Help = true;
        } else if (EqualIgnoringCase(argument, "/S")) {
            parsed.Unattended = true;
        } else {
            parsed.ArgumentLine += (parsed.ArgumentLine.empty() ? "" : " ") + argument;
        }
    }
    // Cut short, the installation would read other arguments than it was given.
    if (parsed.ArgumentLine.size() > kMaxArgumentLine) {
        parsed.Problem = "The command line is too long: the installation takes at most " +
                         std::to_string(kMaxArgumentLine) + " characters of arguments.";
    }
    return parsed;
}

}  // namespace aw
