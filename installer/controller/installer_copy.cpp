// The Installer's file installation: a copy job built from a file request, and plain copies.
#include "installer/controller/copy/copy_completions.h"
#include "installer/controller/copy/copy_destinations.h"
#include "installer/controller/copy/copy_job.h"
#include "installer/controller/copy/copy_progress.h"
#include "installer/controller/copy/copy_rules.h"
#include "installer/controller/copy/copy_sources.h"
#include "installer/controller/copy/media_names.h"
#include "installer/controller/copy/replacement_criteria.h"
#include "installer/controller/install_paths.h"
#include "installer/controller/installer.h"

namespace aw {

namespace {

bool Compressed(const FileRequest& request) {
    return request.SourceKind == 0;
}

// Where the file is read from, as the progress window names it.
std::string SourcePath(Installer& installer, const FileRequest& request) {
    if (request.Entry != nullptr) {
        DistributionMedia& media = installer.Services().media;
        const PiecePlace place =
            DistributionPiece(*request.Entry, media.VolumeStorage(), media.StartFile(), 0);
        return JoinPath(media.SourceDirectory(), place.Name);
    }
    return Compressed(request) ? CompressedFileName(request.SourcePath) : request.SourcePath;
}

std::unique_ptr<CopySource> MakeSource(Installer& installer, const FileRequest& request,
                                       const std::string& sourcePath) {
    if (Compressed(request)) {
        if (request.Entry != nullptr) {
            return std::make_unique<CompressedSource>(installer, *request.Entry);
        }
        return std::make_unique<CompressedSource>(installer, sourcePath);
    }
    if (request.Entry != nullptr) {
        return std::make_unique<StoredDistributionSource>(installer, *request.Entry);
    }
    return std::make_unique<StoredFileSource>(sourcePath);
}

void ShowProgressLines(Installer& installer, const FileRequest& request,
                       const std::string& sourcePath) {
    ProgressDisplay& progress = installer.Services().progress;
    if (!progress.ProgressWindowShown()) {
        return;
    }
    UserQuestions& questions = installer.Services().questions;
    progress.ShowProgressLines(
        InsertIntoText(questions.Text(Compressed(request) ? text::kExpanding : text::kCopying),
                       request.ProgressText),
        InsertIntoText(questions.Text(text::kFrom), sourcePath),
        InsertIntoText(questions.Text(text::kTo), request.DestinationPath));
}

// What the copy needs to know of the new file before it starts.
struct NewFile {
    NewFileFacts Facts;
    std::uint32_t SizeKiB = 0;
    SystemTime Stamp;
};

NewFile DescribeNewFile(FileSystem& files, const FileRequest& request,
                        const std::string& sourcePath) {
    NewFile file{{0, sourcePath}, 0, {}};
    if (const DistributionEntry* entry = request.Entry) {
        file.Facts.Size = entry->Size;
        const bool copiedAsStored = entry->Compressed != 0 && !Compressed(request);
        file.SizeKiB = (copiedAsStored ? entry->StoredSize : entry->Size) / 1024;
        file.Stamp = entry->Stamp;
        return file;
    }
    file.Facts.Size = Compressed(request) ? ExpandedSize(files, sourcePath)
                                          : files.FileSize(sourcePath).value_or(0);
    file.SizeKiB = file.Facts.Size / 1024;
    file.Stamp = files.LastWriteTime(sourcePath).value_or(SystemTime{});
    return file;
}

CopyPlugIns MakePlugIns(Installer& installer, const FileRequest& request,
                        const std::string& sourcePath, const NewFileFacts& newFile) {
    CopyPlugIns plugIns;
    plugIns.Source = MakeSource(installer, request, sourcePath);
    plugIns.Criterion = MakeCriterion(request.Criterion, request.Comparison, newFile);
    if (request.DestinationKind == 1) {
        plugIns.Destination = std::make_unique<AppendDestination>();
    } else {
        plugIns.Destination = std::make_unique<CreateDestination>();
    }
    if (request.Entry != nullptr) {
        plugIns.Progress = std::make_unique<GaugeProgress>();
    } else {
        plugIns.Progress = std::make_unique<MessagePumpProgress>();
    }
    if (request.Shared != 0) {
        plugIns.Completion = std::make_unique<SharedCountIncrement>();
    } else if (request.Criterion == kAwverCriterion) {
        plugIns.Completion = std::make_unique<VersionWriter>();
    }
    return plugIns;
}

}  // namespace

void Installer::InstallFile(FileRequest& request) {
    request.State = FileState::Failed;
    request.ReplacedAtRestart = 0;
    if (request.Criterion < 0 || request.Criterion >= kCriterionCount || request.Comparison < 0 ||
        request.Comparison >= kComparisonCount) {
        CheckFailed(__LINE__);
        return;
    }
    const std::string sourcePath = SourcePath(*this, request);
    const NewFile newFile = DescribeNewFile(services_.files, request, sourcePath);
    ShowProgressLines(*this, request, sourcePath);

    CopyJob job(*this, MakePlugIns(*this, request, sourcePath, newFile.Facts),
                request.DestinationPath);
    job.SizeKiB = newFile.SizeKiB;
    job.InUsePolicy = request.InUsePolicy;
    job.SetTime = request.TimeStampPolicy == 0;
    job.Interactive = !silent_;
    job.ForceTemporary =
        request.Criterion == kVersionCriterion &&
        ((request.Entry != nullptr && services_.media.VolumeStorage()) || Compressed(request));
    job.TimeStamp = newFile.Stamp;
    request.State = job.Run();
    if (request.State != FileState::Installed) {
        return;
    }

    request.ReplacedAtRestart = job.ReplacedAtRestart ? 1 : 0;
    fileReplacedAtRestart_ = fileReplacedAtRestart_ || job.ReplacedAtRestart;
    const std::uint32_t wanted =
        WantedAttributes(request.Hidden != 0, request.System != 0, request.ReadOnly != 0);
    const std::optional<std::uint32_t> attributes =
        services_.files.Attributes(request.DestinationPath);
    if (attributes && (*attributes & 7) != wanted) {
        SetAttributes(request.DestinationPath, wanted);
    }
    // A file queued for the restart is not in place yet: neither can be done with it.
    if (request.Font != 0) {
        if (job.ReplacedAtRestart) {
            CheckFailed(__LINE__);
        } else {
            InstallFont(request.DestinationPath);
        }
    }
    if (request.OleServer != 0) {
        if (job.ReplacedAtRestart) {
            CheckFailed(__LINE__);
        } else {
            RegisterOleServer(request.DestinationPath);
        }
    }
}

bool Installer::CopyPlainFile(const std::string& source, const std::string& destination) {
    CopyPlugIns plugIns;
    plugIns.Source = std::make_unique<StoredFileSource>(source);
    plugIns.Criterion = MakeCriterion(0, 0, {});
    plugIns.Destination = std::make_unique<CreateDestination>();
    plugIns.Progress = std::make_unique<MessagePumpProgress>();
    CopyJob job(*this, std::move(plugIns), destination);
    job.SizeKiB = services_.files.FileSize(source).value_or(0) / 1024;
    job.InUsePolicy = 1;
    return job.Run() == FileState::Installed;
}

}  // namespace aw
