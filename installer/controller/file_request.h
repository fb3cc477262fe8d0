// What the install-file event hands the file installation: one file request, and, for files on
// the distribution media, the disk map's entry that says where the file lies.
#pragma once

#include <cstdint>
#include <string>

#include "installer/script/model/script_types.h"

namespace aw {

// One file of the distribution media, as the disk map describes it.
struct DistributionEntry {
    // The disk (from 0) on which the file starts.
    std::int32_t FirstDisk = 0;
    // Pieces the file is split into; 1 when it is not split.
    std::int32_t SegmentCount = 1;
    // Not 0: copied beside the installer before the run.
    std::int32_t Auxiliary = 0;
    // Not 0: stored compressed.
    std::int32_t Compressed = 0;
    // Where the file starts inside the volume of its first disk (volume storage only).
    std::uint32_t Offset = 0;
    // Bytes once expanded.
    std::uint32_t Size = 0;
    // Bytes as stored on the media (the compressed size when compressed).
    std::uint32_t StoredSize = 0;
    // At most 259 characters.
    std::string Name;
    // Given to the installed file.
    SystemTime Stamp;
};

enum class FileState : std::int32_t {
    Installed = 0,
    Skipped = 1,
    Failed = 2,
    Aborted = 3,
};

// The request of one file to install; the thirteen ints from TimeStampPolicy to ReadOnly stand in
// this order.
struct FileRequest {
    // Out.
    FileState State = FileState::Failed;
    // 0: give the file the entry's (or source's) time stamp; 1: leave the time of writing.
    std::int32_t TimeStampPolicy = 0;
    // 0: compressed, expanded on the way; 1: copied as it is stored.
    std::int32_t SourceKind = 0;
    // 0..6, see replacement_criteria.h.
    std::int32_t Criterion = 0;
    // 0: ask, then replace at restart; 1: replace at restart without asking; 2: ask, then skip.
    std::int32_t InUsePolicy = 0;
    // 0..5, see replacement_criteria.h.
    std::int32_t Comparison = 0;
    // 0: create (replacing); 1: append to an existing file.
    std::int32_t DestinationKind = 0;
    // Not 0: counted in SharedDLLs.
    std::int32_t Shared = 0;
    // Not 0: installed as a font afterwards.
    std::int32_t Font = 0;
    // Not 0: registered as an OLE server afterwards.
    std::int32_t OleServer = 0;
    // Out: the file was queued to replace the destination at the next restart.
    std::int32_t ReplacedAtRestart = 0;
    std::int32_t Hidden = 0;
    std::int32_t System = 0;
    std::int32_t ReadOnly = 0;
    // None: the source path is used.
    const DistributionEntry* Entry = nullptr;
    std::string SourcePath;
    // After a queued replacement it still names the final file.
    std::string DestinationPath;
    // Put into the progress window's first line.
    std::string ProgressText;
};

// The product's version, from the two script longs: four 16-bit numbers, the first two in
// High, the last two in Low.
struct ProductVersion {
    std::uint32_t High = 0;
    std::uint32_t Low = 0;
};

}  // namespace aw
