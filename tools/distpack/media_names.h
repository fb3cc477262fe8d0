// The names under which distribution files lie on the media, as the installer looks for them.
#pragma once

#include <string>

namespace aw {

// Longest name of a file on the media, as the installer's paths hold 259 characters.
inline constexpr std::size_t kMaxMediaName = 259;

// A compressed file's name: the last character of its extension becomes "_"; an extension of
// fewer than three characters gets "_" appended, and a name without one gets "._".
std::string CompressedName(const std::string& name);

// Piece `piece` (1 and on) of a split file: its extension replaced by the three-digit number.
std::string PieceName(const std::string& name, int piece);

// The volume of disk `disk` for the start file `startFile`: its name without extension, then
// ".exe" on the first disk and the three-digit disk number on every other.
std::string VolumeName(const std::string& startFile, int disk);

// The sub-directory of disk `disk` (from 0) when the disks are folders: "disk001" and on.
std::string DiskFolderName(int disk);

// Why `name` cannot be a file name on the media, or empty when it can.
std::string MediaNameProblem(const std::string& name);

}  // namespace aw
