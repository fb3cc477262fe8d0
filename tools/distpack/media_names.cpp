#include "tools/distpack/media_names.h"

#include <cstdio>
#include <string_view>

namespace aw {

namespace {

// Where the extension's dot is, or npos for a name without one.
std::size_t ExtensionDot(const std::string& name) {
    return name.find_last_of('.');
}

std::string ThreeDigits(int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", number);
    return digits;
}

std::string WithoutExtension(const std::string& name) {
    return name.substr(0, ExtensionDot(name));
}

}  // namespace

std::string CompressedName(const std::string& name) {
    const std::size_t dot = ExtensionDot(name);
    if (dot == std::string::npos) {
        return name + "._";
    }
    if (name.size() - dot - 1 < 3) {
        return name + "_";
    }
    return name.substr(0, name.size() - 1) + "_";
}

std::string PieceName(const std::string& name, int piece) {
    return WithoutExtension(name) + "." + ThreeDigits(piece);
}

std::string VolumeName(const std::string& startFile, int disk) {
    return WithoutExtension(startFile) + (disk == 0 ? ".exe" : "." + ThreeDigits(disk));
}

std::string DiskFolderName(int disk) {
    return "disk" + ThreeDigits(disk + 1);
}

std::string MediaNameProblem(const std::string& name) {
    if (name.empty()) {
        return "the name on the media is empty";
    }
    if (name.size() > kMaxMediaName) {
        return "the name on the media is over 259 characters";
    }
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
            return "the name on the media holds a character that a file name cannot";
        }
    }
    if (name.back() == '.' || name.back() == ' ') {
        return "the name on the media ends in a dot or a blank, which Windows drops";
    }
    return {};
}

}  // namespace aw
