// Where a job's bytes come from: a file copied as it is, or a compressed file expanded through
// "lzpunz2.dll" on the way.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "installer/controller/copy/copy_job.h"
#include "installer/controller/copy/distribution_reader.h"
#include "installer/controller/decompression_library.h"
#include "installer/controller/file_system.h"

namespace aw {

// A file of its own, read as it is.
class StoredFileSource : public CopySource {
  public:
    explicit StoredFileSource(std::string path) : path_(std::move(path)) {}
    bool Open() override;
    bool Close() override;
    std::int32_t Read(std::uint8_t* buffer, std::int32_t count) override;

  private:
    std::string path_;
    std::unique_ptr<OpenFile> file_;
};

// A distribution file copied as it is stored: read through the distribution reader, so that its
// place in a volume and its pieces on later disks are honoured.
class StoredDistributionSource : public CopySource {
  public:
    StoredDistributionSource(Installer& installer, const DistributionEntry& entry)
        : reader_(installer, entry) {}
    bool Open() override { return reader_.Open(); }
    bool Close() override { return reader_.Close(); }
    std::int32_t Read(std::uint8_t* buffer, std::int32_t count) override {
        return reader_.Read(buffer, count);
    }

  private:
    DistributionReader reader_;
};

// Expands a compressed file. The library pulls its input one byte at a time through a callback
// that carries no context, so the source being expanded sits in one slot for the whole process:
// only one compressed file is expanded at a time. Every 2048 input bytes pending window messages
// run.
class CompressedSource : public CopySource {
  public:
    // The file `entry` describes, on the distribution media.
    CompressedSource(Installer& installer, const DistributionEntry& entry);
    // A compressed file of its own.
    CompressedSource(Installer& installer, std::string path);
    ~CompressedSource() override;

    bool Open() override;
    bool Close() override;
    std::int32_t Read(std::uint8_t* buffer, std::int32_t count) override;

  private:
    static int LZPUNZ_CALL PullByte();
    void Release();

    Installer& installer_;
    DistributionReader reader_;
    std::unique_ptr<LoadedDecompressor> library_;
    bool inputFailed_ = false;
    std::uint32_t pulled_ = 0;
};

// The expanded size of the compressed file at `path`, from its last four bytes; 0 when it cannot
// be read or is shorter than two bytes.
std::uint32_t ExpandedSize(FileSystem& files, const std::string& path);

}  // namespace aw
