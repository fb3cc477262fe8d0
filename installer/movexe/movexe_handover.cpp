#include "installer/movexe/movexe_handover.h"

#include <cctype>

#include "installer/controller/ini/ini_document.h"

namespace aw {

namespace {

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string Handover::FinalPath() const {
    if (TargetDirectory.empty()) {
        return File;
    }
    const bool endsWithSlash = TargetDirectory.back() == '\\' || TargetDirectory.back() == '/';
    return TargetDirectory + (endsWithSlash ? "" : "\\") + NameOf(File);
}

bool IsFullPath(std::string_view path) {
    const bool drive = path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) &&
                       path[1] == ':' && (path.size() == 2 || path[2] == '\\');
    const bool share = path.size() >= 5 && path.substr(0, 2) == "\\\\" &&
                       path.find('\\', 2) != std::string_view::npos;
    return drive || share;
}

HandoverRead ReadHandover(std::string_view iniText) {
    const IniDocument ini(iniText);
    Handover handover;
    handover.File = ini.Value("x", "f", 0).value_or("");
    handover.TargetDirectory = ini.Value("x", "t", 0).value_or("");
    const std::string start = ini.Value("x", "x", 0).value_or("");
    if (handover.File.empty()) {
        return {std::nullopt, "movexe.ini names no file (key \"f\" of section \"x\")"};
    }
    // Removing a file named relative to whatever the current directory is could hit any file.
    if (!IsFullPath(handover.File) || handover.File.find('\\') == std::string::npos ||
        NameOf(handover.File).empty()) {
        return {std::nullopt, "movexe.ini: \"" + handover.File + "\" is not a full file path"};
    }
    if (!handover.TargetDirectory.empty() && !IsFullPath(handover.TargetDirectory)) {
        return {std::nullopt,
                "movexe.ini: \"" + handover.TargetDirectory + "\" is not a full directory path"};
    }
    if (start != "0" && start != "1") {
        return {std::nullopt, "movexe.ini: key \"x\" is \"" + start + "\", not \"0\" or \"1\""};
    }
    handover.StartAfterwards = start == "1";
    return {handover, ""};
}

}  // namespace aw
