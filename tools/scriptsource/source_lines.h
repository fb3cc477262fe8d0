// Where a JSON path of a source lies in its text, so that messages can give the line.
#pragma once

#include <string>
#include <string_view>

namespace aw {

// The line (from 1) on which the value at `path` ("events[3].mode") begins in `text`; when
// the path is not in the text (a field left at its default), the line of its nearest
// enclosing value. 0 when not even that is found.
int SourceLine(std::string_view text, std::string path);

}  // namespace aw
