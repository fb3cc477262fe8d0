#include "installer/controller/copy/distribution_reader.h"

#include <algorithm>
#include <cstring>

#include "installer/controller/copy/media_names.h"
#include "installer/controller/install_paths.h"
#include "installer/controller/installer.h"

namespace aw {

namespace {

constexpr std::size_t kBufferSize = 32 * 1024;

}  // namespace

DistributionReader::DistributionReader(Installer& installer, const DistributionEntry& entry)
    : installer_(installer), entry_(&entry) {}

DistributionReader::DistributionReader(Installer& installer, std::string path)
    : installer_(installer), path_(std::move(path)) {}

bool DistributionReader::Fail() {
    file_.reset();
    state_ = State::Failed;
    next_ = end_ = 0;
    return false;
}

bool DistributionReader::Open() {
    Close();
    buffer_.resize(kBufferSize);
    piece_ = 0;
    if (!OpenPiece(0)) {
        return Fail();
    }
    if (entry_ != nullptr) {
        remaining_ = entry_->StoredSize;
    } else {
        const std::optional<std::uint32_t> size = file_->Size();
        if (!size) {
            return Fail();
        }
        remaining_ = *size;
    }
    state_ = State::Open;
    return true;
}

bool DistributionReader::OpenPiece(std::int32_t piece) {
    FileSystem& files = installer_.Services().files;
    if (entry_ == nullptr) {
        file_ = files.OpenForReading(path_);
        return file_ != nullptr;
    }
    DistributionMedia& media = installer_.Services().media;
    const PiecePlace place =
        DistributionPiece(*entry_, media.VolumeStorage(), media.StartFile(), piece);
    for (;;) {
        file_ = files.OpenForReading(JoinPath(media.SourceDirectory(), place.Name));
        if (file_) {
            break;
        }
        if (!media.PromptForDisk(entry_->FirstDisk + piece, true)) {
            return false;
        }
    }
    return place.Offset == 0 || file_->Seek(place.Offset);
}

bool DistributionReader::Refill() {
    if (state_ != State::Open) {
        return false;
    }
    for (;;) {
        if (remaining_ == 0) {
            file_.reset();
            state_ = State::Done;
            next_ = end_ = 0;
            return false;
        }
        const auto wanted =
            static_cast<std::uint32_t>(std::min<std::size_t>(remaining_, kBufferSize));
        const std::int32_t got = file_->Read(buffer_.data(), wanted);
        if (got > 0) {
            remaining_ -= static_cast<std::uint32_t>(got);
            next_ = 0;
            end_ = static_cast<std::size_t>(got);
            return true;
        }
        if (got < 0) {
            return Fail();
        }
        // This piece has ended before the file: the next one carries on.
        const std::int32_t segments = entry_ != nullptr ? entry_->SegmentCount : 1;
        if (piece_ + 1 >= segments) {
            installer_.CheckFailed(__LINE__);
            return Fail();
        }
        file_.reset();
        if (!OpenPiece(++piece_)) {
            return Fail();
        }
    }
}

std::int32_t DistributionReader::Read(std::uint8_t* buffer, std::int32_t count) {
    std::int32_t done = 0;
    while (done < count) {
        if (next_ == end_ && !Refill()) {
            break;
        }
        const std::size_t take =
            std::min<std::size_t>(end_ - next_, static_cast<std::size_t>(count - done));
        std::memcpy(buffer + done, buffer_.data() + next_, take);
        next_ += take;
        done += static_cast<std::int32_t>(take);
    }
    if (state_ == State::Failed) {
        return -1;
    }
    return done;
}

bool DistributionReader::Close() {
    const bool closed = CloseFile(file_);
    state_ = State::Closed;
    next_ = end_ = 0;
    return closed;
}

}  // namespace aw
