#include "installer/oplog/win32/log_files.h"

#include <windows.h>

#include "installer/script/model/win32/script_files.h"
#include "installer/script/variables/win32/file_output.h"

namespace aw {

namespace {

// Others may read the log while it is written, as a dump of a running installation does.
HANDLE OpenForWriting(const std::string& path, DWORD disposition) {
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

std::unique_ptr<OutputFile> Win32LogFiles::Create(const std::string& path) {
    HANDLE file = OpenForWriting(path, CREATE_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return OutputFileOnHandle(file);
}

std::unique_ptr<OutputFile> Win32LogFiles::OpenForAppend(const std::string& path) {
    HANDLE file = OpenForWriting(path, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    std::unique_ptr<OutputFile> output = OutputFileOnHandle(file);
    LONG high = 0;
    if (SetFilePointer(file, 0, &high, FILE_END) == INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR) {
        return nullptr;
    }
    return output;
}

bool Win32LogFiles::CutBack(const std::string& path, std::size_t size) {
    HANDLE file = OpenForWriting(path, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool cut = SetFilePointer(file, static_cast<LONG>(size), nullptr, FILE_BEGIN) ==
                         static_cast<DWORD>(size) &&
                     SetEndOfFile(file) != FALSE;
    return CloseHandle(file) != FALSE && cut;
}

bool Win32LogFiles::ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    return Win32ScriptFiles().ReadWholeFile(path, bytes);
}

}  // namespace aw
