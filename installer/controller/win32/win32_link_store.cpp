#include "installer/controller/win32/win32_link_store.h"

#include <objidl.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>

#include "installer/controller/win32/win32_file_system.h"
#include "installer/controller/win32/win32_registry_access.h"

namespace aw {

namespace {

constexpr char kShellFolders[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::wstring Wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? length : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return wide;
}

// Releases a COM interface when it goes.
struct Releaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename T>
using ComPointer = std::unique_ptr<T, Releaser>;

}  // namespace

Win32LinkStore::~Win32LinkStore() {
    Close();
}

bool Win32LinkStore::Open() {
    Close();
    ole32_ = LoadLibraryA("ole32.dll");
    if (ole32_ == nullptr) {
        return false;
    }
    const auto initialize = reinterpret_cast<OleInitializeCall>(
        reinterpret_cast<void*>(GetProcAddress(ole32_, "OleInitialize")));
    oleUninitialize_ = reinterpret_cast<OleUninitializeCall>(
        reinterpret_cast<void*>(GetProcAddress(ole32_, "OleUninitialize")));
    coCreateInstance_ = reinterpret_cast<CoCreateInstanceCall>(
        reinterpret_cast<void*>(GetProcAddress(ole32_, "CoCreateInstance")));
    if (initialize == nullptr || oleUninitialize_ == nullptr || coCreateInstance_ == nullptr ||
        FAILED(initialize(nullptr))) {
        oleUninitialize_ = nullptr;
        Close();
        return false;
    }
    return true;
}

void Win32LinkStore::Close() {
    if (oleUninitialize_ != nullptr) {
        oleUninitialize_();
    }
    if (ole32_ != nullptr) {
        FreeLibrary(ole32_);
    }
    ole32_ = nullptr;
    oleUninitialize_ = nullptr;
    coCreateInstance_ = nullptr;
}

std::optional<std::string> Win32LinkStore::ProgramsFolder() {
    Win32RegistryAccess registry;
    const std::optional<RegistryValue> value =
        registry.ReadValue({kCurrentUser, kShellFolders}, "Programs");
    if (!value || (value->Type != REG_SZ && value->Type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    std::string folder(value->Data.begin(), value->Data.end());
    folder.resize(folder.find('\0') == std::string::npos ? folder.size() : folder.find('\0'));
    return folder;
}

bool Win32LinkStore::DirectoryExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32LinkStore::MakeDirectory(const std::string& path) {
    return ::CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool Win32LinkStore::RemoveEmptyDirectory(const std::string& path) {
    return ::RemoveDirectoryA(path.c_str()) != FALSE;
}

bool Win32LinkStore::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32LinkStore::RemoveFile(const std::string& path) {
    return ::DeleteFileA(path.c_str()) != FALSE;
}

std::vector<std::string> Win32LinkStore::FileNames(const std::string& directory) {
    return FileNamesIn(directory);
}

bool Win32LinkStore::HoldsDirectories(const std::string& directory) {
    std::vector<DirectoryEntry> entries;
    return !Win32FileSystem().ListDirectory(directory, entries) ||
           std::any_of(entries.begin(), entries.end(),
                       [](const DirectoryEntry& entry) { return entry.Directory; });
}

bool Win32LinkStore::WriteLink(const std::string& path, const ShellLink& link) {
    IShellLinkA* created = nullptr;
    if (coCreateInstance_ == nullptr ||
        FAILED(coCreateInstance_(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&created)))) {
        return false;
    }
    const ComPointer<IShellLinkA> shellLink(created);
    IPersistFile* file = nullptr;
    if (FAILED(shellLink->SetPath(link.Path.c_str())) ||
        FAILED(shellLink->SetArguments(link.Arguments.c_str())) ||
        FAILED(shellLink->SetWorkingDirectory(link.WorkingDirectory.c_str())) ||
        FAILED(shellLink->SetIconLocation(link.IconFile.c_str(), link.IconIndex)) ||
        FAILED(shellLink->SetHotkey(static_cast<WORD>(link.HotKey))) ||
        FAILED(shellLink->SetShowCmd(link.ShowCommand)) ||
        FAILED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        return false;
    }
    const ComPointer<IPersistFile> persist(file);
    return SUCCEEDED(persist->Save(Wide(path).c_str(), TRUE));
}

std::optional<ShellLink> Win32LinkStore::ReadLink(const std::string& path) {
    IShellLinkA* created = nullptr;
    if (coCreateInstance_ == nullptr ||
        FAILED(coCreateInstance_(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&created)))) {
        return std::nullopt;
    }
    const ComPointer<IShellLinkA> shellLink(created);
    IPersistFile* file = nullptr;
    if (FAILED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        return std::nullopt;
    }
    const ComPointer<IPersistFile> persist(file);
    if (FAILED(persist->Load(Wide(path).c_str(), STGM_READ))) {
        return std::nullopt;
    }
    ShellLink link;
    char text[INFOTIPSIZE] = "";
    int iconIndex = 0;
    WORD hotKey = 0;
    int showCommand = 0;
    if (FAILED(shellLink->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) {
        return std::nullopt;
    }
    link.Path = text;
    if (FAILED(shellLink->GetArguments(text, sizeof text))) {
        return std::nullopt;
    }
    link.Arguments = text;
    if (FAILED(shellLink->GetWorkingDirectory(text, MAX_PATH))) {
        return std::nullopt;
    }
    link.WorkingDirectory = text;
    if (FAILED(shellLink->GetIconLocation(text, MAX_PATH, &iconIndex)) ||
        FAILED(shellLink->GetHotkey(&hotKey)) || FAILED(shellLink->GetShowCmd(&showCommand))) {
        return std::nullopt;
    }
    link.IconFile = text;
    link.IconIndex = iconIndex;
    link.HotKey = hotKey;
    link.ShowCommand = showCommand;
    return link;
}

}  // namespace aw
