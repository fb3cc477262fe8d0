#include "installer/script/host/script_facts.h"

#include "installer/script/events/family_events.h"
#include "installer/script/events/window_events.h"
#include "installer/script/model/error_report.h"

namespace aw {

bool DiskMapTable::Build(const InstallScript& script, ErrorReport& report) {
    entries_.clear();
    files_.clear();
    const BuildStyle* style = script.Build.Current();
    if (style == nullptr) {
        report.CheckFailed("AWTEST", __LINE__);
        return false;
    }
    mapValue_ = style->DiskMapValue;
    for (const auto& listed : style->FileList) {
        DistributionEntry entry;
        entry.FirstDisk = listed->First;
        entry.SegmentCount = listed->Second;
        entry.Offset = static_cast<std::uint32_t>(listed->Value);
        entry.Stamp = listed->Stamp;
        const DistributionFile* file = listed->File.Target;
        if (file != nullptr) {
            entry.Auxiliary = file->AuxiliaryFile;
            entry.Compressed = file->Compressed;
            entry.Size = static_cast<std::uint32_t>(file->FirstSize);
            entry.StoredSize = static_cast<std::uint32_t>(file->SecondSize);
            entry.Name = file->FileName;
        }
        entries_.push_back(std::move(entry));
        files_.push_back(file);
    }
    return true;
}

const DistributionEntry* DiskMapTable::EntryFor(const DistributionFile* file) {
    for (std::size_t n = 0; n < files_.size(); ++n) {
        if (file != nullptr && files_[n] == file) {
            return &entries_[n];
        }
    }
    return nullptr;
}

bool ProgressRange(const InstallScript& script, std::int32_t& first, std::int32_t& last) {
    first = -1;
    last = static_cast<std::int32_t>(script.Events.Size());
    std::int32_t position = 0;
    for (const auto& event : script.Events) {
        if (event->TypeCode() == BeginProgress::Type) {
            first = position;
        } else if (event->TypeCode() == EndProgress::Type) {
            last = position;
        }
        ++position;
    }
    return first >= 0;
}

std::vector<const UserDialog*> Billboards(const InstallScript& script) {
    std::vector<const UserDialog*> billboards;
    for (const auto& dialog : script.UserDialogs.Dialogs) {
        if (dialog->Values[5] != 0) {
            billboards.push_back(dialog.get());
        }
    }
    return billboards;
}

}  // namespace aw
