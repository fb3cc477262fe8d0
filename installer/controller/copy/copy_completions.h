// What runs after a job: the version writer of the "awver.ini" criterion, and the shared-count
// increment of shared files.
#pragma once

#include "installer/controller/copy/copy_job.h"

namespace aw {

// An installed file's version goes into "awver.ini" beside it, for the next installation to
// compare against.
class VersionWriter : public CopyCompletion {
  public:
    void Run() override;
};

// An installed or skipped shared file is counted once more in SharedDLLs (not logged).
class SharedCountIncrement : public CopyCompletion {
  public:
    void Run() override;
};

}  // namespace aw
