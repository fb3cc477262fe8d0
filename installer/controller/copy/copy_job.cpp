#include "installer/controller/copy/copy_job.h"

#include <new>

#include "installer/controller/copy/copy_rules.h"
#include "installer/controller/copy/copy_sources.h"
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
    }
    CopyDirect();
    // Where there was no file, the new one was written in its place at once (a failed copy took
    // back what it wrote there). Beside an old one it is written under a temporary name, and the
    // old one stays until the new one is whole.
    if (!TemporaryMode && DestinationOccupied) {
        CopyThroughTemporary(false);
    }
}

void CopyJob::CopyDirect() {
    Copy(*plugIns_.Source, true);
}

// Anything but a whole, closed and dated file is taken back by the destination.
void CopyJob::Copy(CopySource& source, bool reportProgress) {
    State = FileState::Failed;
    DestinationOccupied = false;
    if (!source.Open()) {
        return;
    }
    if (!plugIns_.Destination->Open()) {
        source.Close();
        return;
    }
    State = Pump(source, reportProgress);
    // Dated while still open: nothing is written to it after that, and it need not be found
    // and opened again.
    const bool dated =
        State != FileState::Installed || !SetTime || plugIns_.Destination->SetTimeStamp(TimeStamp);
    const bool sourceClosed = source.Close();
    const bool closed = plugIns_.Destination->Close() && sourceClosed;
    if (State == FileState::Installed && !closed) {
        State = FileState::Failed;
    }
    if (State == FileState::Installed && !dated) {
        installer_.ReportError("Unable to set the time stamp of %s", DestinationPath.c_str());
        State = FileState::Failed;
    }
    if (State != FileState::Installed) {
        plugIns_.Destination->Abandon();
    }
}

// Reads the source to its end into the open destination: installed when all of it was written.
FileState CopyJob::Pump(CopySource& source, bool reportProgress) {
    std::uint32_t kib = plugIns_.Progress->BufferSizeKiB();
    if (kib == 0 || kib > kLargestBufferKiB) {
        kib = kFallbackBufferKiB;
    }
    const auto size = static_cast<std::int32_t>(kib * 1024);
    const std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[size]);
    if (!buffer) {
        installer_.ReportError("Out of memory");
        return FileState::Failed;
    }
    for (;;) {
        const std::int32_t got = source.Read(buffer.get(), size);
        if (got == 0) {
            return FileState::Installed;
        }
        if (got < 0 || !plugIns_.Destination->Write(buffer.get(), got)) {
            return FileState::Failed;
        }
        if (reportProgress && !plugIns_.Progress->Step(static_cast<std::uint32_t>(got) / 1024)) {
            return FileState::Aborted;
        }
    }
}

// The old file stands in the way of the new one while a program has it loaded.
bool CopyJob::DestinationInUse() {
    return installer_.Services().files.Attributes(DestinationPath) &&
           installer_.Services().versions.InUse(DestinationPath);
}

std::optional<std::string> CopyJob::FreeNameBeside() {
    FileSystem& files = installer_.Services().files;
    const std::string directory = DirectoryPart(DestinationPath);
    for (std::uint32_t number = 0; number < kTemporaryNames; ++number) {
        std::string path = JoinPath(directory, TemporaryFileName(number));
        if (!files.Attributes(path)) {
            return path;
        }
    }
    return std::nullopt;
}

bool CopyJob::ChooseTemporaryPath() {
    TemporaryPath = FreeNameBeside().value_or("");
    return !TemporaryPath.empty();
}

void CopyJob::RemoveWritten(const std::string& path) {
    FileSystem& files = installer_.Services().files;
    if (files.RemoveFile(path) || !files.Attributes(path) || files.MoveAtRestart(path, "")) {
        return;
    }
    files.WriteProfileEntry(JoinPath(files.WindowsDirectory(), "wininit.ini"), "rename", "NUL",
                            installer_.Services().system.shortPaths.ShortForm(path));
}

void CopyJob::RemoveTemporary() {
    RemoveWritten(TemporaryPath);
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
    if (plugIns_.Destination->KeepsExistingFile()) {
        AppendTemporary();
        return;
    }
    for (;;) {
        if (!DestinationInUse()) {
            switch (MoveTemporaryIntoPlace()) {
                case Placement::Placed:
                    return;
                case Placement::Failed:
                    RemoveTemporary();
                    State = FileState::Failed;
                    return;
                case Placement::Blocked:
                    break;
            }
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

// The expanded copy goes onto the end of the destination, as a plain file would have.
void CopyJob::AppendTemporary() {
    StoredFileSource expanded(TemporaryPath);
    expanded.job_ = this;
    Copy(expanded, false);
    RemoveTemporary();
}

std::string CopyJob::InUseMessage() const {
    UserQuestions& questions = installer_.Services().questions;
    return InsertIntoText(questions.Text(text::kInUse), DestinationPath) + "\n\n" +
           questions.Text(text::kInUseClose) + " " +
           questions.Text(InUsePolicy == 2 ? text::kInUseSkip : text::kInUseAtRestart);
}

// Not logged: the commit reports the destination as created. The old file is set aside until
// the new one has its name, and comes back when anything fails.
CopyJob::Placement CopyJob::MoveTemporaryIntoPlace() {
    FileSystem& files = installer_.Services().files;
    const std::optional<std::uint32_t> attributes = files.Attributes(DestinationPath);
    if (!attributes) {
        return MoveOrCopy(TemporaryPath, DestinationPath) ? Placement::Placed : Placement::Failed;
    }
    const std::optional<std::string> aside = FreeNameBeside();
    if (!aside || !files.MoveFileTo(DestinationPath, *aside)) {
        return Placement::Blocked;
    }
    if (!MoveOrCopy(TemporaryPath, DestinationPath)) {
        files.MoveFileTo(*aside, DestinationPath);
        return Placement::Failed;
    }
    const std::uint32_t protective = *attributes & (kReadOnly | kHidden | kSystem);
    if ((protective == 0 || files.SetAttributes(*aside, *attributes & ~protective)) &&
        files.RemoveFile(*aside)) {
        return Placement::Placed;
    }
    files.SetAttributes(*aside, *attributes);
    files.MoveFileTo(DestinationPath, TemporaryPath);
    files.MoveFileTo(*aside, DestinationPath);
    return Placement::Failed;
}

// False leaves `from` where it was and nothing at `to`.
bool CopyJob::MoveOrCopy(const std::string& from, const std::string& to) {
    FileSystem& files = installer_.Services().files;
    if (files.MoveFileTo(from, to)) {
        return true;
    }
    if (!files.CopyFileTo(from, to)) {
        return false;
    }
    if (files.RemoveFile(from)) {
        return true;
    }
    files.RemoveFile(to);
    return false;
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
