// Where a distribution file lies on the media: under its own name (with "_" in the extension
// when compressed), or inside the volumes named after the start file; a split file continues in
// pieces with three-digit extensions. The packer lays out media by the same rules.
#pragma once

#include <cstdint>
#include <string>

#include "installer/controller/file_request.h"

namespace aw {

// The name of a compressed file: the last character of its extension becomes "_"; a shorter
// extension gets "_" appended, and a name without one gets "._". Directories in front of the
// name are kept.
std::string CompressedFileName(const std::string& path);

// The name with its extension replaced by the three-digit `number`.
std::string NumberedFileName(const std::string& path, std::int32_t number);

// The volume of `disk`: the start file's name without extension, then ".exe" on disk 0 and the
// three-digit disk number on every other.
std::string VolumeFileName(const std::string& startFile, std::int32_t disk);

// The folder of `disk` (from 0) when the disks are sibling folders: "disk001" and on.
std::string DiskFolderName(std::int32_t disk);

// One piece of a distribution file: its name in the source directory of its disk, and where the
// file's bytes start in it.
struct PiecePlace {
    std::string Name;
    std::uint32_t Offset = 0;
};

// Piece `piece` (from 0) of `entry`; with volume storage `startFile` names the volumes.
PiecePlace DistributionPiece(const DistributionEntry& entry, bool volumeStorage,
                             const std::string& startFile, std::int32_t piece);

}  // namespace aw
