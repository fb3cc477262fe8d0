// Where the Installer reports the changes it made: one operation per kind of change, each called
// only after the change succeeded. The operation log writes them to its file; the discarding
// sink forgets them (changes that must leave no record, and the uninstaller's own changes).
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "installer/oplog/program_item.h"
#include "installer/oplog/registry_key.h"

namespace aw {

// The operations stand in their slot order, which differs from the record kinds' numbers in
// places; each produces the record of the same name.
class LogSink {
  public:
    virtual ~LogSink() = default;

    virtual void DirectoryCreated(const std::string& path) = 0;
    virtual void DirectoryRemoved(const std::string& path) = 0;
    virtual void FileDeleted(const std::string& path) = 0;
    virtual void FileMoved(const std::string& from, const std::string& to) = 0;
    virtual void FileCreated(const std::string& path) = 0;
    virtual void FileExtended(const std::string& path, std::int32_t oldLength) = 0;
    virtual void AttributesChanged(const std::string& path, std::int32_t oldAttributes,
                                   std::int32_t newAttributes) = 0;
    virtual void IniSectionAdded(const std::string& file, const std::string& section) = 0;
    virtual void IniSectionDeleted(const std::string& file, const std::string& section) = 0;
    virtual void IniEntryAdded(const std::string& file, const std::string& section,
                               const std::string& entry, std::int32_t occurrence) = 0;
    virtual void IniEntryDeleted(const std::string& file, const std::string& section,
                                 const std::string& entry, const std::string& oldValue,
                                 std::int32_t occurrence) = 0;
    virtual void IniEntryChanged(const std::string& file, const std::string& section,
                                 const std::string& entry, const std::string& oldValue,
                                 std::int32_t occurrence) = 0;
    virtual void GroupCreated(const std::string& group) = 0;
    virtual void GroupDeleted(const std::string& group) = 0;
    virtual void ItemCreated(const std::string& group, const std::string& item) = 0;
    virtual void ItemDeleted(const std::string& group, const ProgramItem& item) = 0;
    virtual void KeyCreated(const RegistryKey& key) = 0;
    virtual void KeyDeleted(const RegistryKey& key) = 0;
    virtual void ValueCreated(const RegistryKey& key, const std::string& name) = 0;
    // The old data's length is the old length.
    virtual void ValueChanged(const RegistryKey& key, const std::string& name, std::int32_t oldType,
                              std::span<const std::uint8_t> oldData) = 0;
    virtual void ValueDeleted(const RegistryKey& key, const std::string& name, std::int32_t oldType,
                              std::span<const std::uint8_t> oldData) = 0;
    virtual void FontInstalled(const std::string& file) = 0;
    virtual void DataBlock(std::int32_t identifier, std::span<const std::uint8_t> data) = 0;

    // Not a change: the undo class (0..2) of the script event now running, stamped on every
    // record that follows.
    virtual void SetUndoClass(std::int32_t undoClass) = 0;
};

class DiscardingSink : public LogSink {
  public:
    void DirectoryCreated(const std::string&) override {}
    void DirectoryRemoved(const std::string&) override {}
    void FileDeleted(const std::string&) override {}
    void FileMoved(const std::string&, const std::string&) override {}
    void FileCreated(const std::string&) override {}
    void FileExtended(const std::string&, std::int32_t) override {}
    void AttributesChanged(const std::string&, std::int32_t, std::int32_t) override {}
    void IniSectionAdded(const std::string&, const std::string&) override {}
    void IniSectionDeleted(const std::string&, const std::string&) override {}
    void IniEntryAdded(const std::string&, const std::string&, const std::string&,
                       std::int32_t) override {}
    void IniEntryDeleted(const std::string&, const std::string&, const std::string&,
                         const std::string&, std::int32_t) override {}
    void IniEntryChanged(const std::string&, const std::string&, const std::string&,
                         const std::string&, std::int32_t) override {}
    void GroupCreated(const std::string&) override {}
    void GroupDeleted(const std::string&) override {}
    void ItemCreated(const std::string&, const std::string&) override {}
    void ItemDeleted(const std::string&, const ProgramItem&) override {}
    void KeyCreated(const RegistryKey&) override {}
    void KeyDeleted(const RegistryKey&) override {}
    void ValueCreated(const RegistryKey&, const std::string&) override {}
    void ValueChanged(const RegistryKey&, const std::string&, std::int32_t,
                      std::span<const std::uint8_t>) override {}
    void ValueDeleted(const RegistryKey&, const std::string&, std::int32_t,
                      std::span<const std::uint8_t>) override {}
    void FontInstalled(const std::string&) override {}
    void DataBlock(std::int32_t, std::span<const std::uint8_t>) override {}
    void SetUndoClass(std::int32_t) override {}
};

// What an operation log attaches itself to: the Installer whose changes it records.
class LogHolder {
  public:
    virtual ~LogHolder() = default;
    // `sink` receives the changes from now on; returns the sink attached until now.
    virtual LogSink& AttachLog(LogSink& sink) = 0;
    // The discarding sink receives the changes from now on.
    virtual void DetachLog() = 0;
};

}  // namespace aw
