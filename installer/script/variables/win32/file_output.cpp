#include "installer/script/variables/win32/file_output.h"

#include <windows.h>

namespace aw {
namespace {

class Win32OutputFile : public OutputFile {
  public:
    explicit Win32OutputFile(HANDLE handle) : handle_(handle) {}
    ~Win32OutputFile() override { Close(); }
    Win32OutputFile(const Win32OutputFile&) = delete;
    Win32OutputFile& operator=(const Win32OutputFile&) = delete;

    bool Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(bytes.size() > 0x10000 ? 0x10000 : bytes.size());
            if (handle_ == INVALID_HANDLE_VALUE ||
                !WriteFile(handle_, bytes.data(), chunk, &written, nullptr) || written == 0) {
                return false;
            }
            bytes.remove_prefix(written);
        }
        return true;
    }

    bool Close() override {
        if (handle_ == INVALID_HANDLE_VALUE) {
            return false;
        }
        const bool closed = CloseHandle(handle_) != FALSE;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

}  // namespace

std::unique_ptr<OutputFile> Win32OutputFiles::Create(const std::string& path) {
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return OutputFileOnHandle(handle);
}

std::unique_ptr<OutputFile> OutputFileOnHandle(HANDLE handle) {
    return std::make_unique<Win32OutputFile>(handle);
}

}  // namespace aw
