#include "installer/oplog/uninstall/undo_log.h"

#include "installer/controller/copy_host.h"
#include "installer/oplog/log_encoding.h"
#include "installer/oplog/log_loading.h"
#include "installer/script/model/error_report.h"
#include "installer/script/variables/messages.h"

namespace aw {

std::optional<UndoLog> ReadUndoLog(LogFiles& files, const std::string& path, ErrorReport& report) {
    std::vector<std::uint8_t> bytes;
    if (!files.ReadWholeFile(path, bytes)) {
        report.ReportError(WithArgument(kUnableToOpenLogMessage, path));
        return std::nullopt;
    }
    ParsedLog parsed = ParseLog(bytes);
    if (parsed.Fault && (!parsed.HeaderRead || !parsed.Fault->CutShort)) {
        report.ReportError(kBadLogDataMessage);
        return std::nullopt;
    }
    UndoLog log{std::move(parsed.Header), {}, std::nullopt};
    if (parsed.Fault) {
        log.WholeRecordsBeforeCut = parsed.Records.size();
    }
    for (LogRecord& record : parsed.Records) {
        if (const std::optional<RecordState> state = StateAtLoad(record, report)) {
            record.State = *state;
            log.Records.push_back(std::move(record));
        }
    }
    return log;
}

std::string PartialLogQuestion(std::size_t wholeRecords) {
    return InsertIntoText(kPartialLogMessage, std::to_string(wholeRecords));
}

}  // namespace aw
