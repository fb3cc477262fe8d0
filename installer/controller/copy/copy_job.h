// One file through the copy: read from a source, judged by a criterion against the file on the
// machine, written to a destination (directly, or through a temporary file when the old one is
// in use or must be compared after extraction), reported to progress, then finished by a
// completion. The five plug-ins are owned by the job and point back to it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "installer/controller/file_request.h"
#include "installer/oplog/log_sink.h"
#include "installer/script/model/script_types.h"

namespace aw {

class CopyJob;
class Installer;

class CopyPlugIn {
  public:
    virtual ~CopyPlugIn() = default;

  protected:
    CopyJob& Job() const { return *job_; }

  private:
    friend class CopyJob;
    CopyJob* job_ = nullptr;
};

class CopySource : public CopyPlugIn {
  public:
    virtual bool Open() = 0;
    virtual bool Close() = 0;
    // Bytes put into `buffer`, 0 at the end, -1 on an error.
    virtual std::int32_t Read(std::uint8_t* buffer, std::int32_t count) = 0;
};

class CopyCriterion : public CopyPlugIn {
  public:
    // `comparison` is the request's, 0..5.
    explicit CopyCriterion(std::int32_t comparison) : comparison_(comparison) {}
    // kNewFileWins, kFilesEqual, kOldFileWins or kNoComparison (copy_rules.h).
    virtual int Compare() = 0;
    std::int32_t Comparison() const { return comparison_; }

  private:
    std::int32_t comparison_;
};

class CopyDestination : public CopyPlugIn {
  public:
    // Opens the job's write path. Outside temporary mode a destination that does not keep the
    // existing file creates the file only where nothing of its name stands; where something
    // does, it fails and sets the job's DestinationOccupied.
    virtual bool Open() = 0;
    virtual bool Close() = 0;
    virtual bool Write(const std::uint8_t* buffer, std::int32_t count) = 0;
    // Dates the open file: creation, last access and last write.
    virtual bool SetTimeStamp(const SystemTime& time) = 0;
    // Takes back what an attempt that did not complete wrote, the file closed or not.
    virtual void Abandon() = 0;
    // Reports the finished file to the job's log.
    virtual void Commit() = 0;
    // The destination writes onto the existing file, which therefore need not be free.
    virtual bool KeepsExistingFile() = 0;
};

class CopyProgress : public CopyPlugIn {
  public:
    // How much to read at a time.
    virtual std::uint32_t BufferSizeKiB() = 0;
    // False when the work must stop.
    virtual bool Step(std::uint32_t kib) = 0;
    virtual void Start(std::uint32_t kib) = 0;
    virtual void End() = 0;
    virtual void Undo() = 0;
};

class CopyCompletion : public CopyPlugIn {
  public:
    // Runs after the job in every state and decides by the state itself.
    virtual void Run() = 0;
};

struct CopyPlugIns {
    std::unique_ptr<CopySource> Source;
    std::unique_ptr<CopyCriterion> Criterion;
    std::unique_ptr<CopyDestination> Destination;
    std::unique_ptr<CopyProgress> Progress;
    // May be none.
    std::unique_ptr<CopyCompletion> Completion;
};

class CopyJob {
  public:
    CopyJob(Installer& installer, CopyPlugIns plugIns, std::string destinationPath);
    CopyJob(const CopyJob&) = delete;
    CopyJob& operator=(const CopyJob&) = delete;

    // Attempts until the file is installed, skipped or aborted, or a failure is not retried;
    // commits an installed file to the log, then runs the completion.
    FileState Run();

    Installer& Owner() const { return installer_; }
    // The temporary file in temporary mode, else the destination.
    const std::string& WritePath() const { return TemporaryMode ? TemporaryPath : DestinationPath; }
    // Deletes a file the job wrote and does not keep; one that cannot go now goes at the next
    // restart.
    void RemoveWritten(const std::string& path);

    FileState State = FileState::Failed;
    // For the progress.
    std::uint32_t SizeKiB = 0;
    std::int32_t InUsePolicy = 0;
    // The written file gets TimeStamp.
    bool SetTime = false;
    // Failures are offered for retry.
    bool Interactive = false;
    // Copy to a temporary file first and compare that (a version check of an extracted file).
    bool ForceTemporary = false;
    bool ReplacedAtRestart = false;
    bool TemporaryMode = false;
    // The last copy did not open its destination only because something of its name stands
    // there.
    bool DestinationOccupied = false;
    std::string DestinationPath;
    std::string TemporaryPath;
    // Local time.
    SystemTime TimeStamp;
    // The log the job reports to: the Installer's when the attempt began.
    LogSink* Log = nullptr;

  private:
    void Attempt();
    void CopyDirect();
    void Copy(CopySource& source, bool reportProgress);
    FileState Pump(CopySource& source, bool reportProgress);
    void CopyThroughTemporary(bool compareFirst);
    void AppendTemporary();
    std::optional<std::string> FreeNameBeside();
    bool ChooseTemporaryPath();
    bool DestinationInUse();
    enum class Placement { Placed, Blocked, Failed };
    Placement MoveTemporaryIntoPlace();
    bool MoveOrCopy(const std::string& from, const std::string& to);
    void QueueForRestart();
    void RemoveTemporary();
    std::string InUseMessage() const;

    Installer& installer_;
    CopyPlugIns plugIns_;
};

}  // namespace aw
