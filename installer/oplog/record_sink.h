// A sink that turns each reported change into its log record, stamped with the current undo
// class, and hands the record on: the operation log writes it, the memory log keeps it.
#pragma once

#include <cstdint>
#include <vector>

#include "installer/oplog/log_records.h"
#include "installer/oplog/log_sink.h"

namespace aw {

class RecordSink : public LogSink {
  public:
    void DirectoryCreated(const std::string& path) override;
    void DirectoryRemoved(const std::string& path) override;
    void FileDeleted(const std::string& path) override;
    void FileMoved(const std::string& from, const std::string& to) override;
    void FileCreated(const std::string& path) override;
    void FileExtended(const std::string& path, std::int32_t oldLength) override;
    void AttributesChanged(const std::string& path, std::int32_t oldAttributes,
                           std::int32_t newAttributes) override;
    void IniSectionAdded(const std::string& file, const std::string& section) override;
    void IniSectionDeleted(const std::string& file, const std::string& section) override;
    void IniEntryAdded(const std::string& file, const std::string& section,
                       const std::string& entry, std::int32_t occurrence) override;
    void IniEntryDeleted(const std::string& file, const std::string& section,
                         const std::string& entry, const std::string& oldValue,
                         std::int32_t occurrence) override;
    void IniEntryChanged(const std::string& file, const std::string& section,
                         const std::string& entry, const std::string& oldValue,
                         std::int32_t occurrence) override;
    void GroupCreated(const std::string& group) override;
    void GroupDeleted(const std::string& group) override;
    void ItemCreated(const std::string& group, const std::string& item) override;
    void ItemDeleted(const std::string& group, const ProgramItem& item) override;
    void KeyCreated(const RegistryKey& key) override;
    void KeyDeleted(const RegistryKey& key) override;
    void ValueCreated(const RegistryKey& key, const std::string& name) override;
    void ValueChanged(const RegistryKey& key, const std::string& name, std::int32_t oldType,
                      std::span<const std::uint8_t> oldData) override;
    void ValueDeleted(const RegistryKey& key, const std::string& name, std::int32_t oldType,
                      std::span<const std::uint8_t> oldData) override;
    void FontInstalled(const std::string& file) override;
    void DataBlock(std::int32_t identifier, std::span<const std::uint8_t> data) override;

    void SetUndoClass(std::int32_t undoClass) override { undoClass_ = undoClass; }
    std::int32_t UndoClass() const { return undoClass_; }

  protected:
    virtual void Append(LogRecord& record) = 0;

  private:
    void Add(LogPayload payload);

    std::int32_t undoClass_ = 0;
};

// Keeps the records in memory, in the order of the changes.
class MemoryLog : public RecordSink {
  public:
    std::vector<LogRecord> Records;

    // What the records say, without their undo classes.
    std::vector<LogPayload> Payloads() const {
        std::vector<LogPayload> payloads;
        for (const LogRecord& record : Records) {
            payloads.push_back(record.Payload);
        }
        return payloads;
    }

  protected:
    void Append(LogRecord& record) override { Records.push_back(record); }
};

}  // namespace aw
