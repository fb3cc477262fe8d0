// Which files of the medium's folder the installer needs beside it in its working directory.
// The distribution files themselves stay on the medium, where the installer reads them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

struct FolderFile {
    std::string Name;
    std::uint64_t Size = 0;
};

struct MediumFiles {
    // The files to copy, with their names as the medium has them.
    std::vector<FolderFile> Files;
    // Why the medium cannot be used; empty when it can.
    std::string Problem;
};

// From the files of the launcher's folder: "awmain.exe", the install scripts "install.inf" and
// "setup.inf", and the companions the installer loads from its own folder when they are there:
// "lzpunz2.dll", the language libraries "aw???.dll" with their help files "aw???.hlp",
// "awmain.ico", "auuser.dll", "movexe.exe" and "ctl3d32.dll".
MediumFiles ChooseMediumFiles(const std::vector<FolderFile>& folder);

// The size figure handed to the installer: the files' total in KiB, rounded up, at least 1.
std::uint32_t SizeFigure(const std::vector<FolderFile>& files);

}  // namespace aw
