// The readable JSON form of an operation log: the header, then every record with its kind name,
// undo class and fields by their names, in file order.
#pragma once

#include <nlohmann/json.hpp>

#include "installer/oplog/log_encoding.h"

namespace aw {

// Records of every undo class are shown, those the uninstaller leaves out too. A log that stopped
// short of its end adds "error": where and why.
nlohmann::ordered_json LogToJson(ParsedLog& log);

}  // namespace aw
