#include "installer/script/model/win32/script_files.h"

#include <windows.h>

namespace aw {

namespace {

// The longest path the system can hand out.
constexpr DWORD kLongestPath = 32768;

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (Valid()) {
            CloseHandle(handle_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

  private:
    HANDLE handle_;
};

bool ReadExactly(HANDLE file, std::uint8_t* buffer, DWORD size) {
    DWORD total = 0;
    while (total < size) {
        DWORD got = 0;
        if (!ReadFile(file, buffer + total, size - total, &got, nullptr) || got == 0) {
            return false;
        }
        total += got;
    }
    return true;
}

}  // namespace

std::string OwnModuleFileName(std::uint32_t firstSize) {
    std::string name;
    for (DWORD size = firstSize < 2 ? 2 : firstSize;; size *= 2) {
        name.resize(size);
        const DWORD length = GetModuleFileNameA(nullptr, name.data(), size);
        if (length == 0) {
            return {};
        }
        // A cut name fills the buffer (newer systems) or all but its terminator (older ones).
        if (length < size - 1) {
            name.resize(length);
            return name;
        }
        if (size >= kLongestPath) {
            return {};
        }
    }
}

std::string Win32ScriptFiles::OwnDirectory() {
    const std::string name = OwnModuleFileName();
    const std::size_t slash = name.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : name.substr(0, slash);
}

bool Win32ScriptFiles::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32ScriptFiles::ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return false;
    }
    // A failed query gives INVALID_FILE_SIZE, which the limit refuses too.
    DWORD high = 0;
    const DWORD size = GetFileSize(file.Get(), &high);
    if (high != 0 || size > kLargestScript) {
        return false;
    }
    bytes.resize(size);
    if (!ReadExactly(file.Get(), bytes.data(), size)) {
        bytes.clear();
        return false;
    }
    return true;
}

}  // namespace aw
