// Packs files onto distribution media and says where each went, as the install script's disk
// map describes it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "installer/script/model/script_types.h"
#include "tools/distpack/media_writer.h"

namespace aw {

struct PackInput {
    std::filesystem::path Source;
    // On the media; empty for the source's own file name.
    std::string Name;
    bool Compressed = true;
    // Copied beside the installer before its run.
    bool Auxiliary = false;
};

struct PackedFile {
    // The path it was packed from.
    std::string Source;
    std::string Name;
    bool Compressed = false;
    bool Auxiliary = false;
    int FirstDisk = 0;
    int Pieces = 1;
    std::uint32_t Offset = 0;
    std::uint32_t Size = 0;
    std::uint32_t StoredSize = 0;
    // The source's last write, in local time.
    SystemTime Stamp;
};

struct PackResult {
    std::vector<PackedFile> Files;
    int Disks = 0;
    // The first problem, naming the file it concerns; empty when everything was packed.
    std::string Error;
};

// Checks every input first (so that bad input writes nothing), then writes the media under
// `root`. `launcher`, when not empty, starts the first volume.
PackResult PackMedia(const std::vector<PackInput>& inputs, const MediaOptions& options,
                     const std::filesystem::path& root, const std::filesystem::path& launcher = {});

}  // namespace aw
