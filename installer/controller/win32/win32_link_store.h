// Shortcut files through the shell's link object, with "ole32.dll" loaded only while the writer
// is open and its entry points looked up by name, so that the program starts where it is
// missing.
#pragma once

#include <windows.h>

#include "installer/controller/shell/link_store.h"

namespace aw {

class Win32LinkStore : public LinkStore {
  public:
    Win32LinkStore() = default;
    ~Win32LinkStore() override;
    Win32LinkStore(const Win32LinkStore&) = delete;
    Win32LinkStore& operator=(const Win32LinkStore&) = delete;

    bool Open() override;
    void Close() override;
    std::optional<std::string> ProgramsFolder() override;
    bool DirectoryExists(const std::string& path) override;
    bool MakeDirectory(const std::string& path) override;
    bool RemoveEmptyDirectory(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    std::vector<std::string> FileNames(const std::string& directory) override;
    bool HoldsDirectories(const std::string& directory) override;
    bool WriteLink(const std::string& path, const ShellLink& link) override;
    std::optional<ShellLink> ReadLink(const std::string& path) override;

  private:
    using OleInitializeCall = HRESULT(WINAPI*)(void*);
    using OleUninitializeCall = void(WINAPI*)();
    using CoCreateInstanceCall = HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**);

    HMODULE ole32_ = nullptr;
    OleUninitializeCall oleUninitialize_ = nullptr;
    CoCreateInstanceCall coCreateInstance_ = nullptr;
};

}  // namespace aw
