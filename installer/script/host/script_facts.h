// What the controller asks of the loaded script: the disk map of the current build style, the
// events that bound the progress gauge, and the billboards among the user dialogs.
#pragma once

#include <cstdint>
#include <vector>

#include "installer/controller/file_request.h"
#include "installer/script/host/event_support.h"
#include "installer/script/model/install_script.h"

namespace aw {

class ErrorReport;

// The distribution files of the current build style in file-list order, each with the
// distribution file it describes.
class DiskMapTable : public DistributionEntries {
  public:
    // False, with a check failure, when the script has no current build style.
    bool Build(const InstallScript& script, ErrorReport& report);

    const std::vector<DistributionEntry>& Entries() const { return entries_; }
    std::int32_t MapValue() const { return mapValue_; }
    const DistributionEntry* EntryFor(const DistributionFile* file) override;

  private:
    std::vector<DistributionEntry> entries_;
    std::vector<const DistributionFile*> files_;
    std::int32_t mapValue_ = 0;
};

// Positions of the last BeginProgress and the last EndProgress (the event count when there is
// none); false when there is no BeginProgress.
bool ProgressRange(const InstallScript& script, std::int32_t& first, std::int32_t& last);

// User dialogs marked as billboards, in list order.
std::vector<const UserDialog*> Billboards(const InstallScript& script);

}  // namespace aw
