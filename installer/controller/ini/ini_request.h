// What the INI event hands over for one entry.
#pragma once

#include <cstdint>
#include <string>

namespace aw {

struct IniRequest {
    // Where an inserted entry goes among the entries of its name; the event passes 1000, which
    // appends.
    std::int32_t Position = 1000;
    // 0 sets the first occurrence, 1 inserts another.
    std::int32_t Mode = 1;
    // Setting: an existing entry is changed only with this flag.
    std::int32_t ReplaceExisting = 0;
    // Inserting: nothing is done when some occurrence already has the value (ignoring case).
    std::int32_t SkipIfValuePresent = 1;
    std::string Section;
    std::string Entry;
    std::string Value;
    std::string File;
};

}  // namespace aw
