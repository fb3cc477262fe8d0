#include <algorithm>
#include <limits>

#include "installer/script/events/file_events.h"
#include "installer/script/model/error_report.h"

namespace aw {

void InstallFiles::ClassFields(FieldVisitor& v) {
    v.Int("timeStampPolicy", TimeStampPolicy);
    v.Int("mode", Mode);
    v.Int("sourceKind", SourceKind);
    v.Int("criterion", Criterion);
    v.Int("inUsePolicy", InUsePolicy);
    v.Int("comparison", Comparison);
    v.Int("destinationKind", DestinationKind);
    v.Int("shared", Shared);
    v.Int("font", Font);
    v.Int("oleServer", OleServer);
    v.Int("hidden", Hidden);
    v.Int("system", System);
    v.Int("readOnly", ReadOnly);
    v.Record("files", Files);
    v.Record("secondFiles", SecondFiles);
    v.Text("wildcardSpec", WildcardSpec);
    v.Text("progressText", ProgressText);
    v.Text("sourceDirectory", SourceDirectory);
    v.Text("destinationDirectory", DestinationDirectory);
    v.Text("sourceName", SourceName);
    v.Text("destinationName", DestinationName);
}

// Compressed files that are stored expanded count with their second size. A distribution that
// holds compressed files must not list a plain one; it counts with its first size.
std::uint32_t InstallFiles::FileBytes(const DistributionFile& file, ErrorReport& report) const {
    if (file.Compressed != 0 && SourceKind != 0) {
        return static_cast<std::uint32_t>(file.SecondSize);
    }
    if (file.Compressed == 0 && SourceKind == 0) {
        report.CheckFailed("EVENT", __LINE__);
    }
    return static_cast<std::uint32_t>(file.FirstSize);
}

// Each file's size is rounded down to whole KiB on its own. A list that refers past the
// distribution files is a builder fault: such a reference counts nothing. The sum is held at
// the largest figure instead of wrapping round to a small one.
std::uint32_t InstallFiles::SizeKiB(ErrorReport& report) const {
    if (Mode == SingleFile) {
        return 0;
    }
    std::uint64_t total = 0;
    for (const auto& reference : Files.Files) {
        if (reference.Target == nullptr) {
            report.CheckFailed("EVENT", __LINE__);
            continue;
        }
        total += FileBytes(*reference.Target, report) / 1024;
    }
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(total, std::numeric_limits<std::uint32_t>::max()));
}

}  // namespace aw
