// The Installer's file system through the Windows API.
#pragma once

#include "installer/controller/file_system.h"

namespace aw {

class Win32FileSystem : public FileSystem {
  public:
    std::optional<std::uint32_t> Attributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    std::optional<std::uint32_t> FileSize(const std::string& path) override;
    std::optional<SystemTime> LastWriteTime(const std::string& path) override;

    std::unique_ptr<OpenFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<OpenFile> Create(const std::string& path) override;
    std::unique_ptr<OpenFile> CreateNew(const std::string& path) override;
    std::unique_ptr<OpenFile> OpenForWriting(const std::string& path) override;

    bool RemoveFile(const std::string& path) override;
    bool MoveFileTo(const std::string& from, const std::string& to) override;
    bool CopyFileTo(const std::string& from, const std::string& to) override;
    bool MoveAtRestart(const std::string& from, const std::string& to) override;

    bool MakeDirectory(const std::string& path) override;
    bool RemoveEmptyDirectory(const std::string& path) override;
    bool ListDirectory(const std::string& path, std::vector<DirectoryEntry>& entries) override;
    std::string CurrentDirectory() override;
    bool ChangeDirectory(const std::string& path) override;
    std::optional<DiskFigures> FreeSpace(const std::string& root) override;

    std::string WindowsDirectory() override;
    std::string SystemDirectory() override;

    std::string ReadProfileEntry(const std::string& file, const std::string& section,
                                 const std::string& key, const std::string& fallback) override;
    bool WriteProfileEntry(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& value) override;
};

// The names of the files, not the directories, in `directory`.
std::vector<std::string> FileNamesIn(const std::string& directory);

}  // namespace aw
