// The distribution media, the progress gauge and the questions of the copy: the disk prompt,
// the abort query, installing a file with retry, and the gauge with its billboards.
#include <string>

#include "installer/controller/copy/media_names.h"
#include "installer/controller/install_paths.h"
#include "installer/controller/run/controller_system.h"
#include "installer/controller/run/install_controller.h"
#include "installer/languages/resource_numbers.h"

namespace aw {

bool InstallController::PromptForDisk(std::int32_t disk, bool forced) {
    if (disk == disk_ && !forced) {
        return true;
    }
    switch (packaging_) {
        case Packaging::SingleSource:
            // Asked again for the one source: the file is simply not there.
            if (disk != disk_) {
                CheckFailed("ICTRLLER", __LINE__);
            }
            return false;
        case Packaging::DiskFolders:
            // The folder is there or not: asking again for the same one changes nothing.
            if (disk == disk_ && forced) {
                return false;
            }
            disk_ = disk;
            sourceDirectory_ = JoinPath(DirectoryPart(sourceDirectory_), DiskFolderName(disk));
            return true;
        case Packaging::DiskSet:
            return InsertDisk(disk);
    }
    return false;
}

bool InstallController::InsertDisk(std::int32_t disk) {
    // Nobody is there to change the disk.
    if (unattended_) {
        return false;
    }
    Box box;
    box.Title = Text(AW_TXT_INSERT_DISK_TITLE);
    box.Text = InsertIntoText(Text(AW_TXT_INSERT_DISK), "Disk " + std::to_string(disk + 1));
    box.Buttons = {"OK", "Cancel"};
    box.Template = system_.windows.LanguageLoaded() ? BoxTemplate::InsertDisk : BoxTemplate::Plain;
    box.PlainStyle = plain::kOkCancel;
    for (;;) {
        if (Ask(box) == 0) {
            disk_ = disk;
            return true;
        }
        if (AbortQuery()) {
            return false;
        }
    }
}

bool InstallController::AbortQuery() {
    Box box;
    box.Title = Text(AW_TXT_ABORT_QUERY_TITLE);
    box.Text = Text(AW_TXT_ABORT_QUERY);
    box.Buttons = {Text(AW_TXT_QUESTION_FIRST), Text(AW_TXT_QUESTION_SECOND)};
    box.Default = 1;
    box.Template = system_.windows.LanguageLoaded() ? BoxTemplate::Message : BoxTemplate::Plain;
    box.PlainStyle = plain::kYesNo | plain::kQuestionIcon | plain::kSecondIsDefault;
    return Ask(box) == 0;
}

bool InstallController::InstallFile(FileRequest& request) {
    Machine& machine = system_.machine;
    for (;;) {
        const std::uint32_t start = machine.Ticks();
        const auto minimum = static_cast<std::uint32_t>(std::max(MinimumMillisecondsPerFile(), 0));
        installer_.InstallFile(request);
        if (request.State == FileState::Installed || request.State == FileState::Skipped) {
            fileReplacedAtRestart_ = fileReplacedAtRestart_ || request.ReplacedAtRestart != 0;
            // Unsigned differences stay right when the tick counter wraps in between.
            for (std::uint32_t passed = machine.Ticks() - start; passed < minimum;
                 passed = machine.Ticks() - start) {
                system_.windows.Wait(minimum - passed);
            }
            return true;
        }
        // Unattended, trying again would fail the same way for ever.
        if (unattended_ || AbortQuery()) {
            return false;
        }
        abortRequested_ = false;
    }
}

bool InstallController::ProgressWindowShown() {
    return system_.windows.ProgressWindowShown();
}

void InstallController::ShowProgressLines(const std::string& first, const std::string& second,
                                          const std::string& third) {
    system_.windows.SetProgressLines(first, second, third);
}

void InstallController::GaugeStart(std::uint32_t units) {
    gauge_.StartFile(units);
}

bool InstallController::GaugeStep(std::uint32_t units) {
    gauge_.Step(units);
    ShowGauge();
    return !abortRequested_;
}

void InstallController::GaugeEnd() {
    gauge_.EndFile();
    ShowGauge();
}

void InstallController::GaugeUndo() {
    gauge_.UndoFile();
    ShowGauge();
}

void InstallController::ShowGauge() {
    std::int32_t percent = gauge_.Percent();
    if (percent < 0) {
        CheckFailed("ICTRLLER", __LINE__);
        percent = 100;
    }
    // A copy steps the gauge for every block it expands: redrawing the same figure and
    // retitling the window each time took longer than the copy itself.
    if (percent != shownPercent_) {
        shownPercent_ = percent;
        system_.windows.SetProgressPercent(
            percent, InsertIntoText(Text(AW_TXT_PROGRESS_CAPTION), std::to_string(percent)));
    }
    ShowBillboardForProgress();
    ProcessMessages();
}

void InstallController::ShowBillboardForProgress() {
    const std::int32_t count = unattended_ ? 0 : BillboardCount();
    if (count == 0) {
        return;
    }
    const std::int32_t index = gauge_.BillboardIndex(count);
    if (index == billboard_) {
        return;
    }
    billboard_ = index;
    if (BillboardShown()) {
        HideBillboard();
    }
    if (!BillboardShown() && !system_.windows.IconWindowVisible() && index < count) {
        ShowBillboard(index);
    }
}

void InstallController::ProcessMessages() {
    system_.windows.ProcessMessages();
    if (system_.windows.TakeCancelRequest()) {
        abortRequested_ = true;
    }
}

bool InstallController::BeginProgress(std::int32_t, std::int32_t, std::int32_t) {
    std::uint32_t total = 0;
    std::int32_t first = 0;
    std::int32_t last = 0;
    if (SelectionRange(first, last)) {
        for (std::int32_t event = first + 1; event < last; ++event) {
            const auto position = static_cast<std::size_t>(event);
            if (position < selection_.size() && selection_[position]) {
                total += EventSizeKiB(event);
            }
        }
    }
    gauge_.Reset(total);
    billboard_ = -1;
    shownPercent_ = -1;
    system_.windows.ShowProgressWindow(!unattended_);
    ShowGauge();
    return true;
}

void InstallController::EndProgress() {
    system_.windows.ShowProgressWindow(false);
    if (BillboardCount() != 0 && BillboardShown()) {
        HideBillboard();
    }
}

void InstallController::AdvanceProgress(std::uint32_t units) {
    system_.windows.SetProgressLines(Text(AW_TXT_SKIPPING), "", "");
    while (units > 0) {
        const std::uint32_t step = std::min<std::uint32_t>(units, 2);
        gauge_.Step(step);
        units -= step;
        ShowGauge();
    }
}

std::int32_t InstallController::DiskSpaceNeeded() {
    std::uint32_t sum = 0;
    for (std::size_t event = 0; event < selection_.size(); ++event) {
        if (selection_[event]) {
            sum += EventRequiredSize(static_cast<std::int32_t>(event));
        }
    }
    return static_cast<std::int32_t>(sum / 10);
}

bool InstallController::AskRetry(const std::string& message) {
    // Unattended, Cancel: a retry would meet the same file in the same state.
    if (unattended_) {
        return false;
    }
    Box box;
    box.Text = message;
    box.Title = productName_;
    box.Buttons = {"&Retry", "Cancel"};
    box.Template = system_.windows.LanguageLoaded() ? BoxTemplate::Message : BoxTemplate::Plain;
    box.PlainStyle = plain::kRetryCancel;
    return Ask(box) == 0;
}

OverwriteChoice InstallController::AskOverwrite(const std::string& existingFile,
                                                const std::string& newFile) {
    if (unattended_) {
        return OverwriteChoice::Install;
    }
    return system_.windows.AskOverwrite(existingFile, newFile);
}

}  // namespace aw
