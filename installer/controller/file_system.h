// What the Installer needs from the file system. Paths are full ANSI paths of at most 259
// characters; times are local times.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "installer/script/model/script_types.h"

namespace aw {

// The file attribute bits the installer deals with.
inline constexpr std::uint32_t kReadOnly = 0x1;
inline constexpr std::uint32_t kHidden = 0x2;
inline constexpr std::uint32_t kSystem = 0x4;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kNormal = 0x80;

// An open file; closed by Close() or, failing that, when destroyed.
class OpenFile {
  public:
    virtual ~OpenFile() = default;
    // Bytes read into `buffer` (at most `count`), 0 at the end, -1 on an error.
    virtual std::int32_t Read(void* buffer, std::uint32_t count) = 0;
    // True only when every byte was written.
    virtual bool Write(const void* buffer, std::uint32_t count) = 0;
    // Moves to `offset` bytes from the start.
    virtual bool Seek(std::uint32_t offset) = 0;
    virtual std::optional<std::uint32_t> Size() = 0;
    // Cuts the file off at the current position.
    virtual bool SetEnd() = 0;
    // Creation, last access and last write all become `time` (local time).
    virtual bool SetTimeStamp(const SystemTime& time) = 0;
    // False when the system could not close it (unwritten data may be lost).
    virtual bool Close() = 0;
};

// Closes `file`, when one is open, and lets it go; false only when closing failed.
inline bool CloseFile(std::unique_ptr<OpenFile>& file) {
    if (!file) {
        return true;
    }
    const bool closed = file->Close();
    file.reset();
    return closed;
}

// The figures a drive gives about its free space.
struct DiskFigures {
    std::uint32_t SectorsPerCluster = 0;
    std::uint32_t BytesPerSector = 0;
    std::uint32_t FreeClusters = 0;
    std::uint32_t TotalClusters = 0;
};

struct DirectoryEntry {
    std::string Name;
    bool Directory = false;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // None when the file or directory does not exist or cannot be asked.
    virtual std::optional<std::uint32_t> Attributes(const std::string& path) = 0;
    virtual bool SetAttributes(const std::string& path, std::uint32_t attributes) = 0;
    virtual std::optional<std::uint32_t> FileSize(const std::string& path) = 0;
    virtual std::optional<SystemTime> LastWriteTime(const std::string& path) = 0;

    virtual std::unique_ptr<OpenFile> OpenForReading(const std::string& path) = 0;
    // Creates the file, or empties it when it exists.
    virtual std::unique_ptr<OpenFile> Create(const std::string& path) = 0;
    // Creates the file only where nothing of its name stands.
    virtual std::unique_ptr<OpenFile> CreateNew(const std::string& path) = 0;
    // Opens an existing file for writing, at its start.
    virtual std::unique_ptr<OpenFile> OpenForWriting(const std::string& path) = 0;

    virtual bool RemoveFile(const std::string& path) = 0;
    virtual bool MoveFileTo(const std::string& from, const std::string& to) = 0;
    // Replaces `to` when it exists.
    virtual bool CopyFileTo(const std::string& from, const std::string& to) = 0;
    // Asks the system to move `from` onto `to` at the next restart, replacing it, or to delete
    // `from` when `to` is empty; false when the system cannot (the Windows 95 family).
    virtual bool MoveAtRestart(const std::string& from, const std::string& to) = 0;

    virtual bool MakeDirectory(const std::string& path) = 0;
    virtual bool RemoveEmptyDirectory(const std::string& path) = 0;
    // Every entry of the directory but "." and ".."; false when it cannot be listed.
    virtual bool ListDirectory(const std::string& path, std::vector<DirectoryEntry>& entries) = 0;
    virtual std::string CurrentDirectory() = 0;
    virtual bool ChangeDirectory(const std::string& path) = 0;
    // `root` is a drive or share root with its trailing backslash.
    virtual std::optional<DiskFigures> FreeSpace(const std::string& root) = 0;

    virtual std::string WindowsDirectory() = 0;
    virtual std::string SystemDirectory() = 0;

    // The profile functions of the system, for the small INI files the copy keeps
    // ("awver.ini", "wininit.ini").
    virtual std::string ReadProfileEntry(const std::string& file, const std::string& section,
                                         const std::string& key, const std::string& fallback) = 0;
    virtual bool WriteProfileEntry(const std::string& file, const std::string& section,
                                   const std::string& key, const std::string& value) = 0;
};

}  // namespace aw
