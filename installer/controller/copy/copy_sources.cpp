#include "installer/controller/copy/copy_sources.h"

#include "installer/controller/installer.h"

namespace aw {

namespace {

// The one compressed source being expanded in this process.
CompressedSource* expanding = nullptr;

constexpr std::uint32_t kBytesBetweenMessages = 2048;

}  // namespace

bool StoredFileSource::Open() {
    file_ = Job().Owner().Services().files.OpenForReading(path_);
    return file_ != nullptr;
}

bool StoredFileSource::Close() {
    return CloseFile(file_);
}

std::int32_t StoredFileSource::Read(std::uint8_t* buffer, std::int32_t count) {
    return file_ ? file_->Read(buffer, static_cast<std::uint32_t>(count)) : -1;
}

CompressedSource::CompressedSource(Installer& installer, const DistributionEntry& entry)
    : installer_(installer), reader_(installer, entry) {}

CompressedSource::CompressedSource(Installer& installer, std::string path)
    : installer_(installer), reader_(installer, std::move(path)) {}

CompressedSource::~CompressedSource() {
    if (library_) {
        library_->Close();
    }
    Release();
}

void CompressedSource::Release() {
    reader_.Close();
    library_.reset();
    if (expanding == this) {
        expanding = nullptr;
    }
}

bool CompressedSource::Open() {
    if (expanding != nullptr) {
        installer_.CheckFailed(__LINE__);
        return false;
    }
    library_ = installer_.Services().decompression.Load();
    if (!library_) {
        return false;
    }
    if (!reader_.Open()) {
        Release();
        return false;
    }
    expanding = this;
    inputFailed_ = false;
    pulled_ = 0;
    if (library_->Open(&PullByte, kLzpUnzExpandMode) != 0) {
        Release();
        return false;
    }
    return true;
}

std::int32_t CompressedSource::Read(std::uint8_t* buffer, std::int32_t count) {
    if (!library_) {
        return -1;
    }
    const int got = library_->Read(buffer, count);
    return inputFailed_ ? -1 : got;
}

bool CompressedSource::Close() {
    if (!library_) {
        return true;
    }
    const bool closed = library_->Close() == 0;
    Release();
    return closed;
}

int LZPUNZ_CALL CompressedSource::PullByte() {
    CompressedSource* source = expanding;
    if (source == nullptr) {
        return -1;
    }
    if (++source->pulled_ % kBytesBetweenMessages == 0) {
        source->installer_.Services().progress.ProcessMessages();
    }
    const int byte = source->reader_.NextByte();
    if (byte < 0 && source->reader_.CurrentState() != DistributionReader::State::Done) {
        source->inputFailed_ = true;
    }
    return byte;
}

std::uint32_t ExpandedSize(FileSystem& files, const std::string& path) {
    const std::unique_ptr<OpenFile> file = files.OpenForReading(path);
    if (!file) {
        return 0;
    }
    std::uint8_t head[2];
    std::uint8_t tail[4];
    const std::optional<std::uint32_t> size = file->Size();
    if (file->Read(head, 2) != 2 || !size || *size < 4 || !file->Seek(*size - 4) ||
        file->Read(tail, 4) != 4) {
        return 0;
    }
    return static_cast<std::uint32_t>(tail[0]) | static_cast<std::uint32_t>(tail[1]) << 8 |
           static_cast<std::uint32_t>(tail[2]) << 16 | static_cast<std::uint32_t>(tail[3]) << 24;
}

}  // namespace aw
