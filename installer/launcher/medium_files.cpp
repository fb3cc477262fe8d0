#include "installer/launcher/medium_files.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "installer/controller/text_case.h"

namespace aw {

namespace {

constexpr std::array<std::string_view, 8> kNamed = {"awmain.exe",  "install.inf", "setup.inf",
                                                    "lzpunz2.dll", "awmain.ico",  "auuser.dll",
                                                    "movexe.exe",  "ctl3d32.dll"};

// "aw" + a three-letter language code + ".dll" or ".hlp".
bool IsLanguageFile(const std::string& name) {
    return name.size() == 9 && EqualIgnoringCase(name.substr(0, 2), "aw") &&
           std::all_of(name.begin() + 2, name.begin() + 5,
                       [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }) &&
           (EndsWithIgnoringCase(name, ".dll") || EndsWithIgnoringCase(name, ".hlp"));
}

bool IsNamed(const std::string& name) {
    return std::any_of(kNamed.begin(), kNamed.end(),
                       [&](std::string_view known) { return EqualIgnoringCase(name, known); });
}

bool Has(const std::vector<FolderFile>& files, const char* name) {
    return std::any_of(files.begin(), files.end(),
                       [&](const FolderFile& file) { return EqualIgnoringCase(file.Name, name); });
}

}  // namespace

MediumFiles ChooseMediumFiles(const std::vector<FolderFile>& folder) {
    MediumFiles chosen;
    for (const FolderFile& file : folder) {
        if (IsNamed(file.Name) || IsLanguageFile(file.Name)) {
            chosen.Files.push_back(file);
        }
    }
    if (!Has(chosen.Files, "awmain.exe")) {
        chosen.Problem =
            "This medium cannot be installed from: the installer awmain.exe is missing.";
    } else if (!Has(chosen.Files, "install.inf") && !Has(chosen.Files, "setup.inf")) {
        chosen.Problem =
            "This medium cannot be installed from: its install script (install.inf or setup.inf) "
            "is missing.";
    }
    return chosen;
}

std::uint32_t SizeFigure(const std::vector<FolderFile>& files) {
    std::uint64_t bytes = 0;
    for (const FolderFile& file : files) {
        bytes += file.Size;
    }
    const std::uint64_t kib = (bytes + 1023) / 1024;
    return static_cast<std::uint32_t>(std::clamp<std::uint64_t>(kib, 1, 0x7FFFFFFF));
}

}  // namespace aw
