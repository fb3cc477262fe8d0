#include "installer/controller/copy/media_names.h"

#include <cstdio>

#include "installer/controller/install_paths.h"

namespace aw {

namespace {

// Where the extension's dot is, looking only at the last part of the path; npos for none.
std::size_t ExtensionDot(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of('\\');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return std::string::npos;
    }
    return dot;
}

std::string ThreeDigits(std::int32_t number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", static_cast<int>(number));
    return digits;
}

}  // namespace

std::string CompressedFileName(const std::string& path) {
    const std::size_t dot = ExtensionDot(path);
    if (dot == std::string::npos) {
        return path + "._";
    }
    if (path.size() - dot - 1 < 3) {
        return path + "_";
    }
    return path.substr(0, path.size() - 1) + "_";
}

std::string NumberedFileName(const std::string& path, std::int32_t number) {
    return path.substr(0, ExtensionDot(path)) + "." + ThreeDigits(number);
}

std::string VolumeFileName(const std::string& startFile, std::int32_t disk) {
    const std::string name = FileNamePart(startFile);
    if (disk == 0) {
        return name.substr(0, ExtensionDot(name)) + ".exe";
    }
    return NumberedFileName(name, disk);
}

std::string DiskFolderName(std::int32_t disk) {
    return "disk" + ThreeDigits(disk + 1);
}

PiecePlace DistributionPiece(const DistributionEntry& entry, bool volumeStorage,
                             const std::string& startFile, std::int32_t piece) {
    if (volumeStorage) {
        return {VolumeFileName(startFile, entry.FirstDisk + piece), piece == 0 ? entry.Offset : 0};
    }
    if (piece > 0) {
        return {NumberedFileName(entry.Name, piece), 0};
    }
    return {entry.Compressed != 0 ? CompressedFileName(entry.Name) : entry.Name, 0};
}

}  // namespace aw
