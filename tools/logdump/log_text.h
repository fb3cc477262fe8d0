// The plain text form of an operation log, for a person to read at a glance: the header, then one
// block per record, its number, kind and undo class on the first line and its fields below, one
// a line, labels aligned.
#pragma once

#include <string>

#include "installer/oplog/log_encoding.h"

namespace aw {

// Records of every undo class are shown. A log that stopped short of its end ends with a line
// that says where and why.
std::string LogToText(ParsedLog& log);

}  // namespace aw
