#include "installer/controller/run/packaging.h"

#include "installer/controller/install_paths.h"
#include "installer/controller/text_case.h"

namespace aw {

SourceMedium SourceMediumOf(DriveType type, std::optional<std::uint64_t> freeUnits) {
    switch (type) {
        case DriveType::Removable:
            return freeUnits && *freeUnits >= kLargeRemovableUnits ? SourceMedium::LargeRemovable
                                                                   : SourceMedium::Diskette;
        case DriveType::Fixed:
            return SourceMedium::Fixed;
        case DriveType::Remote:
            return SourceMedium::Remote;
        case DriveType::CdRom:
            return SourceMedium::CdRom;
        default:
            return SourceMedium::Diskette;
    }
}

bool IsFirstDiskFolder(const std::string& sourceDirectory) {
    return EqualIgnoringCase(FileNamePart(sourceDirectory), "disk001");
}

std::optional<Packaging> PackagingOf(SourceMedium medium, bool firstDiskFolder) {
    if (medium == SourceMedium::Diskette) {
        if (firstDiskFolder) {
            return std::nullopt;
        }
        return Packaging::DiskSet;
    }
    return firstDiskFolder ? Packaging::DiskFolders : Packaging::SingleSource;
}

}  // namespace aw
