#include "tools/distpack/build_style.h"

#include <memory>

namespace aw {

void AddBuildStyle(InstallScript& script, const PackResult& packed, bool volumes,
                   const std::string& name) {
    BuildSet& build = script.Build;
    auto style = std::make_unique<BuildStyle>();
    style->Name = name;
    style->DiskMapValue = volumes ? 1 : 0;
    for (const PackedFile& file : packed.Files) {
        const auto position = static_cast<std::int32_t>(build.Files.Size());
        DistributionFile& entry = build.Files.AddNew();
        entry.AuxiliaryFile = file.Auxiliary ? 1 : 0;
        entry.Compressed = file.Compressed ? 1 : 0;
        entry.FirstSize = static_cast<std::int32_t>(file.Size);
        entry.SecondSize = static_cast<std::int32_t>(file.StoredSize);
        entry.Source = file.Source;
        entry.FileName = file.Name;
        const Reference<DistributionFile> reference{position, &entry};
        style->Files.Files.push_back(reference);

        FileListEntry& listed = style->FileList.AddNew();
        listed.First = file.FirstDisk;
        listed.Second = file.Pieces;
        listed.File = reference;
        listed.Value = static_cast<std::int32_t>(file.Offset);
        listed.Stamp = file.Stamp;
    }
    build.CurrentStyle = static_cast<std::int32_t>(build.Styles.Size());
    build.Styles.Add(std::move(style));
}

}  // namespace aw
