// Lays out the stored bytes of distribution files on the disks: each file under its own name
// (split files continuing in numbered pieces on the next disks) or inside volumes; the disks in
// one directory or in folders "disk001" and on.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <span>
#include <string>
#include <utility>

#include "installer/lzpunz2/compressor.h"
#include "tools/distpack/disk_space.h"

namespace aw {

struct MediaOptions {
    // Each disk in its own folder "disk001" and on, rather than all in one directory.
    bool DiskFolders = false;
    // Not empty: the files lie in volumes named after this start file ("setup.exe",
    // "setup.001", ...), each on its own disk.
    std::string StartFile;
    // Bytes per disk; 0 for no limit.
    std::uint64_t DiskSize = 0;
    // Every file on a disk takes whole clusters.
    std::uint64_t ClusterSize = 512;
    // Bytes kept free on the first disk, for the installer's own files.
    std::uint64_t Reserve = 0;
};

// Where one file's stored bytes went.
struct Placement {
    int FirstDisk = 0;
    int Pieces = 1;
    // Into the volume of the first disk; 0 without volumes.
    std::uint32_t Offset = 0;
    std::uint64_t StoredSize = 0;
};

class MediaWriter : public lzpunz::ByteSink {
  public:
    MediaWriter(std::filesystem::path root, const MediaOptions& options);

    // Keeps the reserve free and, with volumes, opens the first one with `launcher`'s bytes at
    // its start (named `launcherSource` in messages).
    bool Start(std::span<const std::uint8_t> launcher, const std::string& launcherSource);
    // Starts a file of the given name on the media; `source` names it in messages.
    bool BeginFile(const std::string& mediaName, const std::string& source);
    // The file's stored bytes, as many calls as it takes.
    bool Put(std::span<const std::uint8_t> bytes) override;
    bool EndFile(Placement& placement);
    // Closes the last volume.
    bool Finish();

    int DiskCount() const { return space_.Disk() + 1; }
    // What went wrong, naming the file; empty while nothing has.
    const std::string& Error() const { return error_; }

  private:
    bool Volumes() const { return !options_.StartFile.empty(); }
    std::filesystem::path DiskDirectory(int disk) const;
    bool Fail(const std::string& about, const std::string& problem);
    bool OpenOutput(const std::filesystem::path& path);
    bool CloseOutput();
    bool OpenPiece();
    bool ClosePiece();
    bool OpenVolume();
    bool MoveToNextDisk();
    bool ContinueOnNextDisk();
    bool Write(std::span<const std::uint8_t> bytes);

    std::filesystem::path root_;
    MediaOptions options_;
    DiskSpace space_;
    std::ofstream out_;
    std::filesystem::path outPath_;
    std::uint64_t volumeBytes_ = 0;
    std::string mediaName_;
    std::string source_;
    int piece_ = 0;
    std::uint64_t pieceBytes_ = 0;
    Placement placement_;
    // Names written so far, by disk directory and upper-case name: the source they belong to.
    std::map<std::pair<int, std::string>, std::string> taken_;
    std::string error_;
};

}  // namespace aw
