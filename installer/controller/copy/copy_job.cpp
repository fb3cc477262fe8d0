#include "installer/controller/copy/copy_job.h"

#include <new>

#include "installer/controller/copy/copy_rules.h"
#include "installer/controller/install_paths.h"
#include "installer/controller/installer.h"

namespace aw {

namespace {

// A read buffer larger than this, or none at all, is taken as 2 KiB.
constexpr std::uint32_t kLargestBufferKiB = 31;
constexpr std::uint32_t kFallbackBufferKiB = 2;

}  // namespace

CopyJob::CopyJob(Installer& installer, CopyPlugIns plugIns, std::string destinationPath)
    : DestinationPath(std::move(destinationPath)),
      installer_(installer),
      plugIns_(std::move(plugIns)) {
    for (CopyPlugIn* plugIn : {static_cast<CopyPlugIn*>(plugIns_.Source.get()),
                               static_cast<CopyPlugIn*>(plugIns_.Criterion.get()),
                               static_cast<CopyPlugIn*>(plugIns_.Destination.get()),
                               static_cast<CopyPlugIn*>(plugIns_.Progress.get()),
                               static_cast<CopyPlugIn*>(plugIns_.Completion.get())}) {
        if (plugIn != nullptr) {
            plugIn->job_ = this;
        }
    }
}

FileState CopyJob::Run() {
    for (;;) {
        plugIns_.Progress->Start(SizeKiB);
        Attempt();
        if (State == FileState::Installed || State == FileState::Skipped) {
            plugIns_.Progress->End();
        } else {
            plugIns_.Progress->Undo();
        }
        if (State != FileState::Failed) {
            break;
        }
        UserQuestions& questions = installer_.Services().questions;
        const std::string message =
            InsertIntoText(questions.Text(text::kCopyFailed), DestinationPath);
        if (!Interactive) {
            installer_.ReportError("%s", message.c_str());
            break;
        }
        if (!questions.AskRetry(message)) {
            break;
        }
    }
    if (State == FileState::Installed) {
        plugIns_.Destination->Commit();
    }
    if (plugIns_.Completion) {
        plugIns_.Completion->Run();
    }
    return State;
}

void CopyJob::Attempt() {
    State = FileState::Failed;
    const std::string directory = DirectoryPart(DestinationPath);
    if (!directory.empty() && installer_.MakeDirectory(directory) != kDirectoryReady) {
        return;
    }
    if (!TemporaryMode) {
        Log = &installer_.Log();
        ReplacedAtRestart = false;
        if (ForceTemporary) {
            CopyThroughTemporary(true);
            return;
        }
        switch (Judge(plugIns_.Criterion->Compare(), plugIns_.Criterion->Comparison())) {
            case Verdict::Skip:
                State = FileState::Skipped;
                return;
            case Verdict::Incomparable:
                installer_.ReportError("Unable to compare the files");
                return;
            case Verdict::Write:
                break;
        }
        if (!plugIns_.Destination->KeepsExistingFile() && !DestinationFree()) {
            CopyThroughTemporary(false);
            return;
        }
    }
    CopyDirect();
}

bool CopyJob::CloseBoth() {
    const bool sourceClosed = plugIns_.Source->Close();
    return plugIns_.Destination->Close() && sourceClosed;
}

void CopyJob::CopyDirect() {
    if (!plugIns_.Source->Open()) {
        return;
    }
    if (!plugIns_.Destination->Open()) {
        plugIns_.Source->Close();
        return;
    }
    std::uint32_t kib = plugIns_.Progress->BufferSizeKiB();
    if (kib == 0 || kib > kLargestBufferKiB) {
        kib = kFallbackBufferKiB;
    }
    const auto size = static_cast<std::int32_t>(kib * 1024);
    const std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[size]);
    if (!buffer) {
        CloseBoth();
        installer_.ReportError("Out of memory");
        return;
    }
    for (;;) {
        const std::int32_t got = plugIns_.Source->Read(buffer.get(), size);
        if (got < 0) {
            CloseBoth();
            return;
        }
        if (got == 0) {
            break;
        }
        if (!plugIns_.Destination->Write(buffer.get(), got)) {
            CloseBoth();
            return;
        }
        if (!plugIns_.Progress->Step(static_cast<std::uint32_t>(got) / 1024)) {
            CloseBoth();
            State = FileState::Aborted;
            return;
        }
    }
    if (!CloseBoth()) {
        return;
    }
    if (SetTime && !installer_.Services().files.SetTimeStamp(WritePath(), TimeStamp)) {
        installer_.ReportError("Unable to set the time stamp of %s", DestinationPath.c_str());
        return;
    }
    State = FileState::Installed;
}

// The old file must go before the new one can take its name: it is free when it does not exist,
// or is not in use and could be deleted (quietly: the copy logs the new file, not this).
bool CopyJob::DestinationFree() {
    FileSystem& files = installer_.Services().files;
    const std::optional<std::uint32_t> attributes = files.Attributes(DestinationPath);
    if (!attributes) {
        return true;
    }
    if (installer_.Services().versions.InUse(DestinationPath)) {
        return false;
    }
    const std::uint32_t protective = *attributes & (kReadOnly | kHidden | kSystem);
    if (protective != 0 && !files.SetAttributes(DestinationPath, *attributes & ~protective)) {
        return false;
    }
    if (files.RemoveFile(DestinationPath)) {
        return true;
    }
    if (protective != 0) {
        files.SetAttributes(DestinationPath, *attributes);
    }
    return false;
}

bool CopyJob::ChooseTemporaryPath() {
    FileSystem& files = installer_.Services().files;
    const std::string directory = DirectoryPart(DestinationPath);
    for (std::uint32_t number = 0; number < kTemporaryNames; ++number) {
        TemporaryPath = JoinPath(directory, TemporaryFileName(number));
        if (!files.Attributes(TemporaryPath)) {
            return true;
        }
    }
    TemporaryPath.clear();
    return false;
}

void CopyJob::RemoveTemporary() {
    FileSystem& files = installer_.Services().files;
    if (files.Attributes(TemporaryPath)) {
        files.RemoveFile(TemporaryPath);
    }
}

void CopyJob::CopyThroughTemporary(bool compareFirst) {
    if (!ChooseTemporaryPath()) {
        return;
    }
    TemporaryMode = true;
    Attempt();
    TemporaryMode = false;
    if (State != FileState::Installed) {
        RemoveTemporary();
        return;
    }
    if (compareFirst) {
        switch (Judge(plugIns_.Criterion->Compare(), plugIns_.Criterion->Comparison())) {
            case Verdict::Skip:
                RemoveTemporary();
                State = FileState::Skipped;
                return;
            case Verdict::Incomparable:
                RemoveTemporary();
                installer_.ReportError("Unable to compare the files");
                State = FileState::Failed;
                return;
            case Verdict::Write:
                break;
        }
    }
    for (;;) {
        if (DestinationFree()) {
            if (!MoveTemporaryIntoPlace()) {
                RemoveTemporary();
                State = FileState::Failed;
            }
            return;
        }
        if (InUsePolicy == 1) {
            QueueForRestart();
            return;
        }
        if (installer_.Services().questions.AskRetry(InUseMessage())) {
            continue;
        }
        if (InUsePolicy == 2) {
            RemoveTemporary();
            State = FileState::Skipped;
        } else {
            QueueForRestart();
        }
        return;
    }
}

std::string CopyJob::InUseMessage() const {
    UserQuestions& questions = installer_.Services().questions;
    return InsertIntoText(questions.Text(text::kInUse), DestinationPath) + "\n\n" +
           questions.Text(text::kInUseClose) + " " +
           questions.Text(InUsePolicy == 2 ? text::kInUseSkip : text::kInUseAtRestart);
}

// Not logged: the commit reports the destination as created.
bool CopyJob::MoveTemporaryIntoPlace() {
    FileSystem& files = installer_.Services().files;
    if (files.MoveFileTo(TemporaryPath, DestinationPath)) {
        return true;
    }
    return files.CopyFileTo(TemporaryPath, DestinationPath) && files.RemoveFile(TemporaryPath);
}

// The system moves the temporary file onto the destination at the next restart; where it
// cannot, "wininit.ini" does it, in short paths (the programs that read it at start-up know no
// others). A queue that neither took is a failure.
void CopyJob::QueueForRestart() {
    FileSystem& files = installer_.Services().files;
    if (!files.MoveAtRestart(TemporaryPath, DestinationPath)) {
        ShortPaths& shortPaths = installer_.Services().system.shortPaths;
        const std::string destination = shortPaths.ShortForm(DestinationPath);
        const std::string temporary = shortPaths.ShortForm(TemporaryPath);
        if (!files.WriteProfileEntry(JoinPath(files.WindowsDirectory(), "wininit.ini"), "rename",
                                     destination, temporary)) {
            RemoveTemporary();
            State = FileState::Failed;
            return;
        }
    }
    ReplacedAtRestart = true;
    State = FileState::Installed;
}

}  // namespace aw
