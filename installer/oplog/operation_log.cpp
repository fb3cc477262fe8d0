#include "installer/oplog/operation_log.h"

#include "installer/oplog/log_encoding.h"

namespace aw {

bool OperationLog::Open(const std::string& path, LogHeader header) {
    Close();
    std::unique_ptr<OutputFile> output = files_.Create(path);
    if (!output) {
        return false;
    }
    if (!output->Write(AsChars(EncodeHeader(header)))) {
        output->Close();
        return false;
    }
    output_ = std::move(output);
    path_ = path;
    installer_.AttachLog(*this);
    return true;
}

void OperationLog::Close() {
    if (!output_) {
        return;
    }
    installer_.DetachLog();
    output_->Close();
    output_.reset();
}

void OperationLog::Append(LogRecord& record) {
    if (output_) {
        output_->Write(AsChars(EncodeRecord(record)));
    }
}

}  // namespace aw
