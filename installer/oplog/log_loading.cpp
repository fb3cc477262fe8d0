#include "installer/oplog/log_loading.h"

#include <memory>
#include <string_view>

#include "installer/oplog/log_encoding.h"
#include "installer/script/model/error_report.h"
#include "installer/script/variables/messages.h"

namespace aw {

std::optional<RecordState> StateAtLoad(const LogRecord& record, ErrorReport& report) {
    RecordState state = RecordState::WillUndo;
    switch (record.UndoClass) {
        case 0:
            break;
        case 1:
            state = RecordState::UndoOptional;
            break;
        case 2:
            return std::nullopt;
        default:
            report.CheckFailed("OPLOG", __LINE__);
            state = RecordState::UndoOptional;
            break;
    }
    if (record.Kind() == LogKind::FileDeleted) {
        state = RecordState::NothingToUndo;
    }
    return state;
}

std::optional<LoadedLog> LoadLog(LogFiles& files, const std::string& path, ErrorReport& report) {
    std::vector<std::uint8_t> bytes;
    if (!files.ReadWholeFile(path, bytes)) {
        report.ReportError(WithArgument(kUnableToOpenLogMessage, path));
        return std::nullopt;
    }
    ParsedLog parsed = ParseLog(bytes);
    if (parsed.Fault) {
        report.ReportError(kBadLogDataMessage);
        return std::nullopt;
    }
    LoadedLog log{std::move(parsed.Header), {}};
    for (LogRecord& record : parsed.Records) {
        if (const std::optional<RecordState> state = StateAtLoad(record, report)) {
            record.State = *state;
            log.Records.push_back(std::move(record));
        }
    }
    return log;
}

bool LogHasRecords(LogFiles& files, const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!files.ReadWholeFile(path, bytes)) {
        return false;
    }
    const std::optional<std::size_t> header = HeaderLength(bytes);
    return header && *header < bytes.size();
}

bool AppendLogRecords(LogFiles& files, const std::string& from, const std::string& to) {
    std::vector<std::uint8_t> bytes;
    if (!files.ReadWholeFile(from, bytes)) {
        return false;
    }
    const std::optional<std::size_t> header = HeaderLength(bytes);
    std::vector<std::uint8_t> archive;
    if (!header || !files.ReadWholeFile(to, archive)) {
        return false;
    }
    // A run cut short may have left its last record in part: the archive takes the whole ones.
    const ParsedLog parsed = ParseLog(bytes);
    const std::size_t end = parsed.Fault ? parsed.Fault->Offset : bytes.size();
    const std::string_view records = AsChars(bytes).substr(*header, end - *header);
    std::unique_ptr<OutputFile> output = files.OpenForAppend(to);
    if (!output) {
        return false;
    }
    bool written = true;
    for (std::size_t at = 0; at < records.size() && written; at += kAppendBlockSize) {
        written = output->Write(records.substr(at, kAppendBlockSize));
    }
    if (output->Close() && written) {
        return true;
    }
    files.CutBack(to, archive.size());
    return false;
}

}  // namespace aw
