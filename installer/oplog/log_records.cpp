#include "installer/oplog/log_records.h"

#include <array>
#include <utility>

namespace aw {

namespace {

constexpr const char* kKindNames[] = {
    "DirCreated",      "DirRemoved",        "FileMoved",     "FileDeleted",     "FileCreated",
    "FileExtended",    "AttrChanged",       "IniEntryAdded", "IniEntryDeleted", "IniEntryChanged",
    "IniSectionAdded", "IniSectionDeleted", "GroupCreated",  "ItemCreated",     "GroupDeleted",
    "ItemDeleted",     "KeyCreated",        "KeyDeleted",    "ValueCreated",    "ValueChanged",
    "ValueDeleted",    "FontInstalled",     "DataBlock",
};
static_assert(std::size(kKindNames) == kLogKindCount);

bool IsKind(std::int32_t kind) {
    return kind >= 0 && kind < kLogKindCount;
}

template <std::size_t... I>
LogPayload MakePayload(std::size_t index, std::index_sequence<I...>) {
    using Maker = LogPayload (*)();
    static constexpr std::array<Maker, sizeof...(I)> kMakers = {
        [] { return LogPayload(std::in_place_index<I>); }...};
    return kMakers[index]();
}

}  // namespace

const char* LogKindName(std::int32_t kind) {
    return IsKind(kind) ? kKindNames[kind] : "?";
}

std::optional<LogPayload> NewPayload(std::int32_t kind) {
    if (!IsKind(kind)) {
        return std::nullopt;
    }
    return MakePayload(static_cast<std::size_t>(kind),
                       std::make_index_sequence<std::variant_size_v<LogPayload>>());
}

}  // namespace aw
