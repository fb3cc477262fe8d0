#include "installer/controller/run/packaging.h"

#include "installer/controller/install_paths.h"
#include "installer/controller/text_case.h"

namespace aw {

MediumKind MediumKindOf(DriveType type, std::optional<std::uint64_t> freeUnits) {
    switch (type) {
        case DriveType::Removable:
            return freeUnits && *freeUnits >= kLargeRemovableUnits ? MediumKind::LargeRemovable
                                                                   : MediumKind::Diskette;
        case DriveType::Fixed:
            return MediumKind::Fixed;
        case DriveType::Remote:
            return MediumKind::Remote;
        case DriveType::CdRom:
            return MediumKind::CdRom;
        default:
            return MediumKind::Diskette;
    }
}

bool IsFirstDiskFolder(const std::string& sourceDirectory) {
    return EqualIgnoringCase(FileNamePart(sourceDirectory), "disk001");
}

std::optional<Packaging> PackagingOf(MediumKind medium, bool firstDiskFolder) {
    if (medium == MediumKind::Diskette) {
        if (firstDiskFolder) {
            return std::nullopt;
        }
        return Packaging::DiskSet;
    }
    return firstDiskFolder ? Packaging::DiskFolders : Packaging::SingleSource;
}

}  // namespace aw
