// Where a job's bytes go: a file created anew (replacing the old one), or appended to the end of
// an existing file. Either takes back what an attempt that failed wrote. The commit reports which
// to the job's log.
#pragma once

#include <cstdint>
#include <memory>

#include "installer/controller/copy/copy_job.h"
#include "installer/controller/file_system.h"

namespace aw {

class CreateDestination : public CopyDestination {
  public:
    bool Open() override;
    bool Close() override;
    bool Write(const std::uint8_t* buffer, std::int32_t count) override;
    bool SetTimeStamp(const SystemTime& time) override;
    // Closes the file and deletes it; a temporary file is the job's to delete.
    void Abandon() override;
    // FileCreated.
    void Commit() override;
    bool KeepsExistingFile() override { return false; }

  protected:
    std::unique_ptr<OpenFile> file_;
};

class AppendDestination : public CreateDestination {
  public:
    // Opens an existing file at its end, or creates the file.
    bool Open() override;
    // Cuts the file back to its old length, or deletes the file it created.
    void Abandon() override;
    // FileExtended with the length before, or FileCreated when there was no file.
    void Commit() override;
    bool KeepsExistingFile() override { return true; }

  private:
    bool existed_ = false;
    std::uint32_t oldLength_ = 0;
};

}  // namespace aw
