// The 23 kinds of operation-log record, each with its fields in file order.
//
// A record in the file is its kind (int), the undo class of the script event that caused the
// change (int), then the kind's fields. In memory a record holds one of the structs below; the
// variant's index is the kind.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "installer/oplog/log_fields.h"
#include "installer/oplog/program_item.h"
#include "installer/oplog/registry_key.h"

namespace aw {

enum class LogKind : std::int32_t {
    DirCreated,
    DirRemoved,
    FileMoved,
    FileDeleted,
    FileCreated,
    FileExtended,
    AttrChanged,
    IniEntryAdded,
    IniEntryDeleted,
    IniEntryChanged,
    IniSectionAdded,
    IniSectionDeleted,
    GroupCreated,
    ItemCreated,
    GroupDeleted,
    ItemDeleted,
    KeyCreated,
    KeyDeleted,
    ValueCreated,
    ValueChanged,
    ValueDeleted,
    FontInstalled,
    DataBlock,
};
inline constexpr std::int32_t kLogKindCount = 23;

// The event's undo class: 0 undone, 1 undo optional, 2 never undone (never even shown).
inline constexpr std::int32_t kUndoClassCount = 3;

// What the uninstaller does with a record; held in memory only.
enum class RecordState : std::int32_t {
    WillUndo = 0,
    UndoOptional = 1,
    NothingToUndo = 2,
    Undone = 3,
    UndoFailed = 4,
};

// The language library's text that describes a state.
constexpr std::int32_t StateTextNumber(RecordState state) {
    return 0x9C + static_cast<std::int32_t>(state);
}

namespace logrec {

// Kinds that share a layout are one template, told apart by their kind.

template <LogKind K>
struct DirectoryRecord {
    std::string Directory;
    void Fields(LogFieldVisitor& v) { v.Text("directory", Directory); }
    bool operator==(const DirectoryRecord&) const = default;
};
using DirCreated = DirectoryRecord<LogKind::DirCreated>;
using DirRemoved = DirectoryRecord<LogKind::DirRemoved>;

struct FileMoved {
    std::string From;
    std::string To;
    void Fields(LogFieldVisitor& v) {
        v.Text("from", From);
        v.Text("to", To);
    }
    bool operator==(const FileMoved&) const = default;
};

template <LogKind K>
struct FileRecord {
    std::string File;
    void Fields(LogFieldVisitor& v) { v.Text("file", File); }
    bool operator==(const FileRecord&) const = default;
};
// A deleted file is not brought back: the only kind with nothing to undo.
using FileDeleted = FileRecord<LogKind::FileDeleted>;
using FileCreated = FileRecord<LogKind::FileCreated>;

struct FileExtended {
    std::string File;
    // The length before the append.
    std::int32_t OldLength = 0;
    void Fields(LogFieldVisitor& v) {
        v.Text("file", File);
        v.Long("oldLength", OldLength);
    }
    bool operator==(const FileExtended&) const = default;
};

// Windows file attribute bits: read-only 1, hidden 2, system 4, normal 0x80.
struct AttrChanged {
    std::string File;
    std::int32_t OldAttributes = 0;
    std::int32_t NewAttributes = 0;
    void Fields(LogFieldVisitor& v) {
        v.Text("file", File);
        v.Long("oldAttributes", OldAttributes);
        v.Long("newAttributes", NewAttributes);
    }
    bool operator==(const AttrChanged&) const = default;
};

// The occurrence is the entry's position among the section's entries of the same name (0 for
// the first), so that duplicates such as those of "system.ini" are undone one by one.
struct IniEntryAdded {
    std::string IniFile;
    std::string Section;
    std::string Entry;
    std::int32_t Occurrence = 0;
    void Fields(LogFieldVisitor& v) {
        v.FixedText("iniFile", IniFile);
        v.Text("section", Section);
        v.Text("entry", Entry);
        v.Int("occurrence", Occurrence);
    }
    bool operator==(const IniEntryAdded&) const = default;
};

template <LogKind K>
struct IniOldEntryRecord {
    std::string IniFile;
    std::string Section;
    std::string Entry;
    std::string OldValue;
    std::int32_t Occurrence = 0;
    void Fields(LogFieldVisitor& v) {
        v.FixedText("iniFile", IniFile);
        v.Text("section", Section);
        v.Text("entry", Entry);
        v.Text("oldValue", OldValue);
        v.Int("occurrence", Occurrence);
    }
    bool operator==(const IniOldEntryRecord&) const = default;
};
using IniEntryDeleted = IniOldEntryRecord<LogKind::IniEntryDeleted>;
using IniEntryChanged = IniOldEntryRecord<LogKind::IniEntryChanged>;

template <LogKind K>
struct IniSectionRecord {
    std::string IniFile;
    std::string Section;
    void Fields(LogFieldVisitor& v) {
        v.Text("iniFile", IniFile);
        v.Text("section", Section);
    }
    bool operator==(const IniSectionRecord&) const = default;
};
using IniSectionAdded = IniSectionRecord<LogKind::IniSectionAdded>;
using IniSectionDeleted = IniSectionRecord<LogKind::IniSectionDeleted>;

template <LogKind K>
struct GroupRecord {
    std::string Group;
    void Fields(LogFieldVisitor& v) { v.Text("group", Group); }
    bool operator==(const GroupRecord&) const = default;
};
using GroupCreated = GroupRecord<LogKind::GroupCreated>;
using GroupDeleted = GroupRecord<LogKind::GroupDeleted>;

struct ItemCreated {
    std::string Group;
    std::string Item;
    void Fields(LogFieldVisitor& v) {
        v.Text("group", Group);
        v.Text("item", Item);
    }
    bool operator==(const ItemCreated&) const = default;
};

// The deleted item's whole record, so that it comes back with its position and hot key.
struct ItemDeleted {
    std::string Group;
    ProgramItemBytes Item{};
    void Fields(LogFieldVisitor& v) {
        v.Text("group", Group);
        v.Item("item", Item);
    }
    bool operator==(const ItemDeleted&) const = default;
};

template <LogKind K>
struct KeyRecord {
    RegistryKey Key;
    void Fields(LogFieldVisitor& v) { v.Key("key", Key); }
    bool operator==(const KeyRecord&) const = default;
};
using KeyCreated = KeyRecord<LogKind::KeyCreated>;
using KeyDeleted = KeyRecord<LogKind::KeyDeleted>;

struct ValueCreated {
    RegistryKey Key;
    std::string Name;
    void Fields(LogFieldVisitor& v) {
        v.Key("key", Key);
        v.Text("name", Name);
    }
    bool operator==(const ValueCreated&) const = default;
};

// The old type and data, so that the value can be written back as it was.
template <LogKind K>
struct OldValueRecord {
    RegistryKey Key;
    std::string Name;
    std::int32_t OldType = 0;
    std::vector<std::uint8_t> OldData;
    void Fields(LogFieldVisitor& v) {
        v.Key("key", Key);
        v.Text("name", Name);
        v.Long("oldType", OldType);
        v.Block("oldLength", "oldData", OldData);
    }
    bool operator==(const OldValueRecord&) const = default;
};
using ValueChanged = OldValueRecord<LogKind::ValueChanged>;
using ValueDeleted = OldValueRecord<LogKind::ValueDeleted>;

struct FontInstalled {
    std::string FontFile;
    void Fields(LogFieldVisitor& v) { v.Text("fontFile", FontFile); }
    bool operator==(const FontInstalled&) const = default;
};

// Opaque to the log and the uninstaller; undoing it does nothing.
struct DataBlock {
    std::int32_t Identifier = 0;
    std::vector<std::uint8_t> Data;
    void Fields(LogFieldVisitor& v) {
        v.Int("identifier", Identifier);
        v.Block("length", "data", Data);
    }
    bool operator==(const DataBlock&) const = default;
};

}  // namespace logrec

// In kind order: the index of each alternative is its kind.
using LogPayload =
    std::variant<logrec::DirCreated, logrec::DirRemoved, logrec::FileMoved, logrec::FileDeleted,
                 logrec::FileCreated, logrec::FileExtended, logrec::AttrChanged,
                 logrec::IniEntryAdded, logrec::IniEntryDeleted, logrec::IniEntryChanged,
                 logrec::IniSectionAdded, logrec::IniSectionDeleted, logrec::GroupCreated,
                 logrec::ItemCreated, logrec::GroupDeleted, logrec::ItemDeleted, logrec::KeyCreated,
                 logrec::KeyDeleted, logrec::ValueCreated, logrec::ValueChanged,
                 logrec::ValueDeleted, logrec::FontInstalled, logrec::DataBlock>;
static_assert(std::variant_size_v<LogPayload> == kLogKindCount);

struct LogRecord {
    std::int32_t UndoClass = 0;
    LogPayload Payload;
    // Derived when the uninstaller loads the log; never written.
    RecordState State = RecordState::WillUndo;

    LogKind Kind() const { return static_cast<LogKind>(Payload.index()); }
    // The kind's own fields, after the kind and the undo class.
    void Fields(LogFieldVisitor& v) {
        std::visit([&v](auto& payload) { payload.Fields(v); }, Payload);
    }
    bool operator==(const LogRecord&) const = default;
};

// The record's name as the kinds are known ("DirCreated", ...); "?" outside 0..22.
const char* LogKindName(std::int32_t kind);
// An empty payload of that kind; none outside 0..22.
std::optional<LogPayload> NewPayload(std::int32_t kind);

}  // namespace aw
