#include "installer/controller/win32/win32_file_system.h"

#include <windows.h>

namespace aw {

namespace {

SystemTime FromSystem(const SYSTEMTIME& t) {
    return {t.wYear, t.wMonth,  t.wDayOfWeek, t.wDay,
            t.wHour, t.wMinute, t.wSecond,    t.wMilliseconds};
}

SYSTEMTIME ToSystem(const SystemTime& t) {
    return {t.wYear, t.wMonth,  t.wDayOfWeek, t.wDay,
            t.wHour, t.wMinute, t.wSecond,    t.wMilliseconds};
}

// Owns a file handle; closed at the latest when destroyed.
class Win32File : public OpenFile {
  public:
    explicit Win32File(HANDLE handle) : handle_(handle) {}
    ~Win32File() override { Close(); }

    std::int32_t Read(void* buffer, std::uint32_t count) override {
        DWORD read = 0;
        if (!ReadFile(handle_, buffer, count, &read, nullptr)) {
            return -1;
        }
        return static_cast<std::int32_t>(read);
    }
    bool Write(const void* buffer, std::uint32_t count) override {
        DWORD written = 0;
        return WriteFile(handle_, buffer, count, &written, nullptr) && written == count;
    }
    bool Seek(std::uint32_t offset) override {
        return SetFilePointer(handle_, static_cast<LONG>(offset), nullptr, FILE_BEGIN) !=
                   INVALID_SET_FILE_POINTER ||
               GetLastError() == NO_ERROR;
    }
    std::optional<std::uint32_t> Size() override {
        const DWORD size = GetFileSize(handle_, nullptr);
        if (size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
            return std::nullopt;
        }
        return size;
    }
    bool SetEnd() override { return SetEndOfFile(handle_) != FALSE; }
    bool SetTimeStamp(const SystemTime& time) override {
        const SYSTEMTIME system = ToSystem(time);
        FILETIME local;
        FILETIME universal;
        return SystemTimeToFileTime(&system, &local) &&
               LocalFileTimeToFileTime(&local, &universal) &&
               SetFileTime(handle_, &universal, &universal, &universal);
    }
    bool Close() override {
        if (handle_ == INVALID_HANDLE_VALUE) {
            return true;
        }
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

std::unique_ptr<OpenFile> Open(const std::string& path, DWORD access, DWORD share,
                               DWORD disposition) {
    const HANDLE handle = CreateFileA(path.c_str(), access, share, nullptr, disposition,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return std::make_unique<Win32File>(handle);
}

// What the directory says about one file (a query that Windows 95 already offers); false when
// there is no such file. Wildcards in `path` would find some other file, so they find none.
bool FindFile(const std::string& path, WIN32_FIND_DATAA& found) {
    if (path.find_first_of("*?") != std::string::npos) {
        return false;
    }
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    return true;
}

// A directory asked of the system with a buffer that grows until the answer fits.
template <class Ask>
std::string AskForPath(Ask ask) {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const UINT length = ask(path.data(), static_cast<UINT>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(length + 1);
    }
}

}  // namespace

std::optional<std::uint32_t> Win32FileSystem::Attributes(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    return attributes;
}

bool Win32FileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    return SetFileAttributesA(path.c_str(), attributes) != 0;
}

std::optional<std::uint32_t> Win32FileSystem::FileSize(const std::string& path) {
    WIN32_FIND_DATAA found;
    if (!FindFile(path, found) || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::nullopt;
    }
    return found.nFileSizeLow;
}

std::optional<SystemTime> Win32FileSystem::LastWriteTime(const std::string& path) {
    WIN32_FIND_DATAA found;
    FILETIME local;
    SYSTEMTIME time;
    if (!FindFile(path, found) || !FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) ||
        !FileTimeToSystemTime(&local, &time)) {
        return std::nullopt;
    }
    return FromSystem(time);
}

std::unique_ptr<OpenFile> Win32FileSystem::OpenForReading(const std::string& path) {
    return Open(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
}

std::unique_ptr<OpenFile> Win32FileSystem::Create(const std::string& path) {
    return Open(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS);
}

std::unique_ptr<OpenFile> Win32FileSystem::CreateNew(const std::string& path) {
    return Open(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_NEW);
}

std::unique_ptr<OpenFile> Win32FileSystem::OpenForWriting(const std::string& path) {
    return Open(path, GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING);
}

bool Win32FileSystem::RemoveFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != 0;
}

bool Win32FileSystem::MoveFileTo(const std::string& from, const std::string& to) {
    return MoveFileA(from.c_str(), to.c_str()) != 0;
}

bool Win32FileSystem::CopyFileTo(const std::string& from, const std::string& to) {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

bool Win32FileSystem::MoveAtRestart(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.empty() ? nullptr : to.c_str(),
                       MOVEFILE_DELAY_UNTIL_REBOOT | MOVEFILE_REPLACE_EXISTING) != 0;
}

bool Win32FileSystem::MakeDirectory(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool Win32FileSystem::RemoveEmptyDirectory(const std::string& path) {
    return RemoveDirectoryA(path.c_str()) != 0;
}

bool Win32FileSystem::ListDirectory(const std::string& path, std::vector<DirectoryEntry>& entries) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((path + "\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") {
            entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
        }
    } while (FindNextFileA(search, &found));
    const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(search);
    return complete;
}

std::vector<std::string> FileNamesIn(const std::string& directory) {
    std::vector<DirectoryEntry> entries;
    Win32FileSystem().ListDirectory(directory, entries);
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : entries) {
        if (!entry.Directory) {
            names.push_back(entry.Name);
        }
    }
    return names;
}

std::string Win32FileSystem::CurrentDirectory() {
    return AskForPath([](char* buffer, UINT size) { return GetCurrentDirectoryA(size, buffer); });
}

bool Win32FileSystem::ChangeDirectory(const std::string& path) {
    return SetCurrentDirectoryA(path.c_str()) != 0;
}

std::optional<DiskFigures> Win32FileSystem::FreeSpace(const std::string& root) {
    DWORD sectorsPerCluster = 0;
    DWORD bytesPerSector = 0;
    DWORD freeClusters = 0;
    DWORD totalClusters = 0;
    if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                           &totalClusters)) {
        return std::nullopt;
    }
    return DiskFigures{sectorsPerCluster, bytesPerSector, freeClusters, totalClusters};
}

std::string Win32FileSystem::WindowsDirectory() {
    return AskForPath([](char* buffer, UINT size) { return GetWindowsDirectoryA(buffer, size); });
}

std::string Win32FileSystem::SystemDirectory() {
    return AskForPath([](char* buffer, UINT size) { return GetSystemDirectoryA(buffer, size); });
}

std::string Win32FileSystem::ReadProfileEntry(const std::string& file, const std::string& section,
                                              const std::string& key, const std::string& fallback) {
    char value[512];
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                                  value, sizeof value, file.c_str());
    return std::string(value, length);
}

bool Win32FileSystem::WriteProfileEntry(const std::string& file, const std::string& section,
                                        const std::string& key, const std::string& value) {
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str())) {
        return false;
    }
    // The Windows 95 family keeps profile writes in a cache until it is flushed.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    return true;
}

}  // namespace aw
