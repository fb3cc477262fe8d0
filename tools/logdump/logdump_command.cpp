#include "tools/logdump/logdump_command.h"

#include <optional>
#include <ostream>

#include "installer/oplog/log_encoding.h"
#include "installer/oplog/log_loading.h"
#include "installer/script/variables/messages.h"
#include "tools/common/file_bytes.h"
#include "tools/logdump/log_json.h"
#include "tools/logdump/log_text.h"

namespace aw {

namespace {

int Dump(const std::string& path, bool json, std::ostream& out, std::ostream& err) {
    const std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(path);
    if (!bytes) {
        err << WithArgument(kUnableToOpenLogMessage, path) << '\n';
        return 1;
    }
    ParsedLog log = ParseLog(*bytes);
    if (log.HeaderRead) {
        // Escaped to ASCII, so that the log's ANSI bytes read the same in any editor.
        out << (json ? LogToJson(log).dump(2, ' ', true) + "\n" : LogToText(log));
    }
    if (log.Fault) {
        err << path << ": " << kBadLogDataMessage << " " << log.Fault->Reason << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int RunLogDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && !args[0].starts_with("--")) {
        return Dump(args[0], false, out, err);
    }
    if (args.size() == 2 && args[0] == "--json") {
        return Dump(args[1], true, out, err);
    }
    err << "usage: logdump <log file>\n"
           "       logdump --json <log file>\n";
    return 1;
}

}  // namespace aw
