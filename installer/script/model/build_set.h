// The builder's build configurations: the distribution files and the build styles.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "installer/script/model/record_fields.h"
#include "installer/script/model/script_types.h"

namespace aw {

// One file of the distribution media; every install-file reference points at one of these.
struct DistributionFile {
    std::int32_t AuxiliaryFile = 0;
    std::int32_t Compressed = 0;
    std::int32_t Third = 0;
    // The first long is the file's size as an install copies it plainly; the second is used
    // when a compressed entry is expanded. Both go into the disk map.
    std::int32_t FirstSize = 0;
    std::int32_t SecondSize = 0;
    std::string Source;
    std::string FileName;
    void Fields(FieldVisitor& v);
};

// Distribution files referred to by position in the build set's list.
struct InstallFileList {
    std::vector<Reference<DistributionFile>> Files;
    void Fields(FieldVisitor& v);
};

// A file that a build style installs.
struct FileListEntry {
    std::int32_t First = 0;
    std::int32_t Second = 0;
    Reference<DistributionFile> File;
    std::int32_t Third = 0;
    std::int32_t Value = 0;
    std::int32_t Fourth = 0;
    SystemTime Stamp;
    void Fields(FieldVisitor& v);
};

struct DirectoryPair {
    std::string Source;
    std::string Target;
    void Fields(FieldVisitor& v);
};

struct BuildStyle {
    std::array<std::int32_t, 3> Options{};
    // The builder's distribution medium; a 1.44 MB diskette by default.
    std::int32_t BytesPerSector = 512;
    std::int32_t SectorsPerFat = 9;
    std::int32_t RootEntries = 223;
    std::int32_t DataSectors = 2847;
    // Not 0: custom events go to the host's handler.
    std::int32_t CustomHandler = 0;
    // Handed to the controller with the disk map.
    std::int32_t DiskMapValue = 0;
    InstallFileList Files;
    RecordList<FileListEntry> FileList;
    RecordList<DirectoryPair> Directories;
    std::string Name = "New Build Style";
    FixedText RunDirectory{};
    FixedText UserDirectory{};
    FixedText TempDirectory{};
    SystemTime Stamp;
    void Fields(FieldVisitor& v);
};

struct BuildSet {
    // Position of the build style in effect, -1 for none.
    std::int32_t CurrentStyle = -1;
    RecordList<DistributionFile> Files;
    RecordList<BuildStyle> Styles;
    // None when the current position names no style.
    BuildStyle* Current() const { return Styles.At(CurrentStyle); }
    void Fields(FieldVisitor& v);
};

}  // namespace aw
