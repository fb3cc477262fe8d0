// The operation log's header: what the uninstaller needs to know before the first record.
#pragma once

#include <cstdint>
#include <string>

#include "installer/oplog/log_fields.h"

namespace aw {

// The uninstaller spends at least this many milliseconds on each record it undoes.
inline constexpr std::int32_t kUndoPacing = 100;

struct LogHeader {
    // 0 simple, 1 detailed, 2 selection.
    std::int32_t DialogStyle = 0;
    // The language index 0..14 of the run.
    std::int32_t Language = 0;
    std::int32_t VersionHigh = 0;
    std::int32_t VersionLow = 0;
    std::int32_t UndoPacing = kUndoPacing;
    std::string ProductName;

    void Fields(LogFieldVisitor& v) {
        v.Int("dialogStyle", DialogStyle);
        v.Int("language", Language);
        v.Long("versionHigh", VersionHigh);
        v.Long("versionLow", VersionLow);
        v.Long("undoPacing", UndoPacing);
        v.Text("productName", ProductName);
    }
    bool operator==(const LogHeader&) const = default;
};

}  // namespace aw
