#include "installer/oplog/record_sink.h"

#include <utility>

namespace aw {

namespace {

std::vector<std::uint8_t> Copy(std::span<const std::uint8_t> data) {
    return {data.begin(), data.end()};
}

}  // namespace

void RecordSink::Add(LogPayload payload) {
    LogRecord record{undoClass_, std::move(payload)};
    Append(record);
}

void RecordSink::DirectoryCreated(const std::string& path) {
    Add(logrec::DirCreated{path});
}

void RecordSink::DirectoryRemoved(const std::string& path) {
    Add(logrec::DirRemoved{path});
}

void RecordSink::FileDeleted(const std::string& path) {
    Add(logrec::FileDeleted{path});
}

void RecordSink::FileMoved(const std::string& from, const std::string& to) {
    Add(logrec::FileMoved{from, to});
}

void RecordSink::FileCreated(const std::string& path) {
    Add(logrec::FileCreated{path});
}

void RecordSink::FileExtended(const std::string& path, std::int32_t oldLength) {
    Add(logrec::FileExtended{path, oldLength});
}

void RecordSink::AttributesChanged(const std::string& path, std::int32_t oldAttributes,
                                   std::int32_t newAttributes) {
    Add(logrec::AttrChanged{path, oldAttributes, newAttributes});
}

void RecordSink::IniSectionAdded(const std::string& file, const std::string& section) {
    Add(logrec::IniSectionAdded{file, section});
}

void RecordSink::IniSectionDeleted(const std::string& file, const std::string& section) {
    Add(logrec::IniSectionDeleted{file, section});
}

void RecordSink::IniEntryAdded(const std::string& file, const std::string& section,
                               const std::string& entry, std::int32_t occurrence) {
    Add(logrec::IniEntryAdded{file, section, entry, occurrence});
}

void RecordSink::IniEntryDeleted(const std::string& file, const std::string& section,
                                 const std::string& entry, const std::string& oldValue,
                                 std::int32_t occurrence) {
    Add(logrec::IniEntryDeleted{file, section, entry, oldValue, occurrence});
}

void RecordSink::IniEntryChanged(const std::string& file, const std::string& section,
                                 const std::string& entry, const std::string& oldValue,
                                 std::int32_t occurrence) {
    Add(logrec::IniEntryChanged{file, section, entry, oldValue, occurrence});
}

void RecordSink::GroupCreated(const std::string& group) {
    Add(logrec::GroupCreated{group});
}

void RecordSink::GroupDeleted(const std::string& group) {
    Add(logrec::GroupDeleted{group});
}

void RecordSink::ItemCreated(const std::string& group, const std::string& item) {
    Add(logrec::ItemCreated{group, item});
}

void RecordSink::ItemDeleted(const std::string& group, const ProgramItem& item) {
    Add(logrec::ItemDeleted{group, PackProgramItem(item)});
}

void RecordSink::KeyCreated(const RegistryKey& key) {
    Add(logrec::KeyCreated{key});
}

void RecordSink::KeyDeleted(const RegistryKey& key) {
    Add(logrec::KeyDeleted{key});
}

void RecordSink::ValueCreated(const RegistryKey& key, const std::string& name) {
    Add(logrec::ValueCreated{key, name});
}

void RecordSink::ValueChanged(const RegistryKey& key, const std::string& name, std::int32_t oldType,
                              std::span<const std::uint8_t> oldData) {
    Add(logrec::ValueChanged{key, name, oldType, Copy(oldData)});
}

void RecordSink::ValueDeleted(const RegistryKey& key, const std::string& name, std::int32_t oldType,
                              std::span<const std::uint8_t> oldData) {
    Add(logrec::ValueDeleted{key, name, oldType, Copy(oldData)});
}

void RecordSink::FontInstalled(const std::string& file) {
    Add(logrec::FontInstalled{file});
}

void RecordSink::DataBlock(std::int32_t identifier, std::span<const std::uint8_t> data) {
    Add(logrec::DataBlock{identifier, Copy(data)});
}

}  // namespace aw
