// What the detailed view shows of one record: its fields as lines of a label, a colon, a blank
// and a value, the labels padded to the longest so that the values line up in a fixed-pitch
// font.
#pragma once

#include <string>
#include <vector>

#include "installer/oplog/log_records.h"

namespace aw {

// "old attributes: 0x21" and so on, one line per field, in the record's field order.
std::vector<std::string> RecordDetailLines(const LogRecord& record);

}  // namespace aw
