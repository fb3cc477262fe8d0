#include "installer/controller/copy/copy_destinations.h"

#include "installer/controller/installer.h"

namespace aw {

bool CreateDestination::Open() {
    FileSystem& files = Job().Owner().Services().files;
    if (Job().TemporaryMode) {
        file_ = files.Create(Job().TemporaryPath);
        return file_ != nullptr;
    }
    // Created only where there is none: then it is the job's own to take back on a failure,
    // and the folder is searched once for the name, not again by a look beforehand.
    file_ = files.CreateNew(Job().DestinationPath);
    Job().DestinationOccupied = !file_ && files.Attributes(Job().DestinationPath).has_value();
    return file_ != nullptr;
}

bool CreateDestination::Close() {
    return CloseFile(file_);
}

bool CreateDestination::Write(const std::uint8_t* buffer, std::int32_t count) {
    return file_ && file_->Write(buffer, static_cast<std::uint32_t>(count));
}

bool CreateDestination::SetTimeStamp(const SystemTime& time) {
    return file_ && file_->SetTimeStamp(time);
}

void CreateDestination::Abandon() {
    CloseFile(file_);
    if (!Job().TemporaryMode) {
        Job().RemoveWritten(Job().DestinationPath);
    }
}

void CreateDestination::Commit() {
    Job().Log->FileCreated(Job().DestinationPath);
}

bool AppendDestination::Open() {
    FileSystem& files = Job().Owner().Services().files;
    const std::string& path = Job().WritePath();
    const std::optional<std::uint32_t> attributes = files.Attributes(path);
    existed_ = attributes && (*attributes & kDirectory) == 0;
    oldLength_ = 0;
    if (!existed_) {
        return CreateDestination::Open();
    }
    file_ = files.OpenForWriting(path);
    if (!file_) {
        return false;
    }
    const std::optional<std::uint32_t> size = file_->Size();
    if (!size || !file_->Seek(*size)) {
        file_.reset();
        return false;
    }
    oldLength_ = *size;
    return true;
}

void AppendDestination::Abandon() {
    CloseFile(file_);
    FileSystem& files = Job().Owner().Services().files;
    const std::string& path = Job().WritePath();
    if (!existed_) {
        files.RemoveFile(path);
        return;
    }
    std::unique_ptr<OpenFile> file = files.OpenForWriting(path);
    if (file && file->Seek(oldLength_)) {
        file->SetEnd();
    }
    CloseFile(file);
}

void AppendDestination::Commit() {
    if (existed_) {
        Job().Log->FileExtended(Job().DestinationPath, static_cast<std::int32_t>(oldLength_));
    } else {
        CreateDestination::Commit();
    }
}

}  // namespace aw
