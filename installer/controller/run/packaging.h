// How the distribution media are laid out, decided from the source directory at start.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "installer/controller/run/machine.h"

namespace aw {

enum class MediumKind : std::int32_t {
    Diskette = 0,
    Fixed = 1,
    LargeRemovable = 2,
    Remote = 3,
    CdRom = 4,
};

enum class Packaging : std::int32_t {
    // Every file lies in the source directory.
    SingleSource = 0,
    // One removable disk per distribution disk.
    DiskSet = 1,
    // Sibling folders "disk001" and on, on one medium.
    DiskFolders = 2,
};

// A removable drive with at least this many units of 10 KiB free is no diskette.
inline constexpr std::uint64_t kLargeRemovableUnits = 4096;

// `freeUnits` is none when the free space cannot be had.
MediumKind MediumKindOf(DriveType type, std::optional<std::uint64_t> freeUnits);

// Whether the source directory's last name is "disk001", in any case.
bool IsFirstDiskFolder(const std::string& sourceDirectory);

// None for disk folders on a diskette, which cannot be.
std::optional<Packaging> PackagingOf(MediumKind medium, bool firstDiskFolder);

}  // namespace aw
