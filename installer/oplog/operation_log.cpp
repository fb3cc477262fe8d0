#include "installer/oplog/operation_log.h"

#include "installer/oplog/log_encoding.h"

namespace aw {

bool OperationLog::Open(const std::string& path, LogHeader header) {
    Close();
    std::unique_ptr<OutputFile> output = files_.Create(path);
    if (!output) {
        return false;
    }
    const std::vector<std::uint8_t> bytes = EncodeHeader(header);
    if (!output->Write(AsChars(bytes))) {
        output->Close();
        return false;
    }
    output_ = std::move(output);
    path_ = path;
    size_ = bytes.size();
    attached_ = true;
    installer_.AttachLog(*this);
    return true;
}

void OperationLog::Close() {
    if (!attached_) {
        return;
    }
    installer_.DetachLog();
    attached_ = false;
    CloseFile();
}

void OperationLog::CloseFile() {
    if (output_) {
        output_->Close();
        output_.reset();
    }
}

void OperationLog::Append(LogRecord& record) {
    if (!attached_) {
        return;
    }
    if (!output_) {
        output_ = files_.OpenForAppend(path_);
    }
    const std::vector<std::uint8_t> bytes = EncodeRecord(record);
    if (output_ && output_->Write(AsChars(bytes))) {
        size_ += bytes.size();
        return;
    }
    CloseFile();
    files_.CutBack(path_, size_);
}

}  // namespace aw
