#include "tools/distpack/media_writer.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "installer/controller/copy/media_names.h"
#include "installer/lzpunz2/compressed_format.h"
#include "tools/distpack/media_name_check.h"

namespace aw {

namespace {

// Windows compares file names without regard to case.
std::string UpperCase(std::string name) {
    for (char& c : name) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return name;
}

}  // namespace

MediaWriter::MediaWriter(std::filesystem::path root, const MediaOptions& options)
    : root_(std::move(root)), options_(options), space_(options.DiskSize, options.ClusterSize) {}

std::filesystem::path MediaWriter::DiskDirectory(int disk) const {
    return options_.DiskFolders ? root_ / DiskFolderName(disk) : root_;
}

bool MediaWriter::Fail(const std::string& about, const std::string& problem) {
    if (error_.empty()) {
        error_ = about + ": " + problem;
    }
    return false;
}

bool MediaWriter::OpenOutput(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    outPath_ = path;
    out_.open(path, std::ios::binary | std::ios::trunc);
    return out_.is_open() || Fail(path.string(), "cannot be written");
}

bool MediaWriter::CloseOutput() {
    out_.close();
    return !out_.fail() || Fail(outPath_.string(), "cannot be written");
}

bool MediaWriter::Write(std::span<const std::uint8_t> bytes) {
    out_.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return out_.good() || Fail(outPath_.string(), "cannot be written");
}

bool MediaWriter::Start(std::span<const std::uint8_t> launcher, const std::string& launcherSource) {
    const std::uint64_t reserve = std::min(options_.Reserve, space_.Free());
    space_.Add(reserve);
    space_.EndFile(reserve);
    if (!Volumes()) {
        return true;
    }
    if (launcher.size() > space_.Free()) {
        return Fail(launcherSource, "the launcher does not fit on the first disk");
    }
    if (!OpenVolume() || !Write(launcher)) {
        return false;
    }
    space_.Add(launcher.size());
    volumeBytes_ = launcher.size();
    return true;
}

bool MediaWriter::OpenVolume() {
    volumeBytes_ = 0;
    return OpenOutput(DiskDirectory(space_.Disk()) /
                      VolumeFileName(options_.StartFile, space_.Disk()));
}

bool MediaWriter::OpenPiece() {
    const std::string name = piece_ == 0 ? mediaName_ : NumberedFileName(mediaName_, piece_);
    if (name.size() > kMaxMediaName) {
        return Fail(source_, "its name on the media, " + name + ", is over 259 characters");
    }
    const int directory = options_.DiskFolders ? space_.Disk() : 0;
    const auto [taken, added] = taken_.try_emplace({directory, UpperCase(name)}, source_);
    if (!added) {
        return Fail(source_,
                    "its name on the media, " + name + ", is already that of " + taken->second);
    }
    pieceBytes_ = 0;
    return OpenOutput(DiskDirectory(space_.Disk()) / name);
}

bool MediaWriter::ClosePiece() {
    space_.EndFile(pieceBytes_);
    return CloseOutput();
}

// The disk after this one, which must be able to hold something.
bool MediaWriter::MoveToNextDisk() {
    if (Volumes() && !CloseOutput()) {
        return false;
    }
    if (!space_.NextDisk()) {
        return Fail(source_, "the files need more than 999 disks");
    }
    if (space_.Free() == 0) {
        return Fail(source_, "a disk of " + std::to_string(options_.DiskSize) +
                                 " bytes cannot hold any piece of it (clusters of " +
                                 std::to_string(options_.ClusterSize) + " bytes)");
    }
    return !Volumes() || OpenVolume();
}

bool MediaWriter::BeginFile(const std::string& mediaName, const std::string& source) {
    mediaName_ = mediaName;
    source_ = source;
    piece_ = 0;
    if (space_.Free() == 0 && !MoveToNextDisk()) {
        return false;
    }
    if (Volumes() && volumeBytes_ > lzpunz::kMaxExpandedSize) {
        return Fail(source_, "it would start more than 2 GiB into its volume");
    }
    placement_ = {space_.Disk(), 1, static_cast<std::uint32_t>(Volumes() ? volumeBytes_ : 0), 0};
    return Volumes() || OpenPiece();
}

bool MediaWriter::ContinueOnNextDisk() {
    if (!Volumes() && !ClosePiece()) {
        return false;
    }
    ++piece_;
    ++placement_.Pieces;
    return MoveToNextDisk() && (Volumes() || OpenPiece());
}

bool MediaWriter::Put(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        if (space_.Free() == 0 && !ContinueOnNextDisk()) {
            return false;
        }
        const std::size_t step =
            static_cast<std::size_t>(std::min<std::uint64_t>(bytes.size(), space_.Free()));
        if (!Write(bytes.first(step))) {
            return false;
        }
        space_.Add(step);
        pieceBytes_ += step;
        volumeBytes_ += step;
        placement_.StoredSize += step;
        bytes = bytes.subspan(step);
    }
    return true;
}

bool MediaWriter::EndFile(Placement& placement) {
    if (!Volumes() && !ClosePiece()) {
        return false;
    }
    placement = placement_;
    return true;
}

bool MediaWriter::Finish() {
    return !Volumes() || !out_.is_open() || CloseOutput();
}

}  // namespace aw
