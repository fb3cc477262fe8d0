// An Installer over stand-ins that fail one chosen call: every call to the file system (open
// files included), the registry, the INI files, the shell and the font table counts, and the
// call of the chosen number fails as the system would refuse it.
#pragma once

#include <memory>

#include "installer/controller/installer.h"
#include "installer/controller/tests/fakes/copy_world.h"

namespace aw::testing {

struct FaultPlan {
    // The number (from 1) of the call that fails; 0 for none.
    int FailAt = 0;
    int Calls = 0;
    bool Fails() { return ++Calls == FailAt; }
    bool Reached() const { return FailAt != 0 && Calls >= FailAt; }
};

class FaultyFile : public OpenFile {
  public:
    FaultyFile(std::unique_ptr<OpenFile> file, FaultPlan& plan)
        : file_(std::move(file)), plan_(plan) {}
    std::int32_t Read(void* buffer, std::uint32_t count) override {
        return plan_.Fails() ? -1 : file_->Read(buffer, count);
    }
    // A failing write leaves half of its bytes, as a disk that fills up does.
    bool Write(const void* buffer, std::uint32_t count) override {
        if (plan_.Fails()) {
            file_->Write(buffer, count / 2);
            return false;
        }
        return file_->Write(buffer, count);
    }
    bool Seek(std::uint32_t offset) override { return !plan_.Fails() && file_->Seek(offset); }
    std::optional<std::uint32_t> Size() override {
        return plan_.Fails() ? std::nullopt : file_->Size();
    }
    bool SetEnd() override { return !plan_.Fails() && file_->SetEnd(); }
    bool SetTimeStamp(const SystemTime& time) override {
        return !plan_.Fails() && file_->SetTimeStamp(time);
    }
    bool Close() override { return !plan_.Fails() && file_->Close(); }

  private:
    std::unique_ptr<OpenFile> file_;
    FaultPlan& plan_;
};

class FaultyFileSystem : public MemoryFileSystem {
  public:
    explicit FaultyFileSystem(FaultPlan& plan) : plan_(plan) {}

    std::optional<std::uint32_t> Attributes(const std::string& path) override {
        return plan_.Fails() ? std::nullopt : MemoryFileSystem::Attributes(path);
    }
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override {
        return !plan_.Fails() && MemoryFileSystem::SetAttributes(path, attributes);
    }
    std::optional<std::uint32_t> FileSize(const std::string& path) override {
        return plan_.Fails() ? std::nullopt : MemoryFileSystem::FileSize(path);
    }
    std::unique_ptr<OpenFile> OpenForReading(const std::string& path) override {
        return Wrapped(plan_.Fails() ? nullptr : MemoryFileSystem::OpenForReading(path));
    }
    std::unique_ptr<OpenFile> Create(const std::string& path) override {
        return Wrapped(plan_.Fails() ? nullptr : MemoryFileSystem::Create(path));
    }
    std::unique_ptr<OpenFile> CreateNew(const std::string& path) override {
        return Wrapped(plan_.Fails() ? nullptr : MemoryFileSystem::CreateNew(path));
    }
    std::unique_ptr<OpenFile> OpenForWriting(const std::string& path) override {
        return Wrapped(plan_.Fails() ? nullptr : MemoryFileSystem::OpenForWriting(path));
    }
    bool RemoveFile(const std::string& path) override {
        return !plan_.Fails() && MemoryFileSystem::RemoveFile(path);
    }
    bool MoveFileTo(const std::string& from, const std::string& to) override {
        return !plan_.Fails() && MemoryFileSystem::MoveFileTo(from, to);
    }
    bool CopyFileTo(const std::string& from, const std::string& to) override {
        return !plan_.Fails() && MemoryFileSystem::CopyFileTo(from, to);
    }
    bool MoveAtRestart(const std::string& from, const std::string& to) override {
        return !plan_.Fails() && MemoryFileSystem::MoveAtRestart(from, to);
    }
    bool MakeDirectory(const std::string& path) override {
        return !plan_.Fails() && MemoryFileSystem::MakeDirectory(path);
    }
    bool RemoveEmptyDirectory(const std::string& path) override {
        return !plan_.Fails() && MemoryFileSystem::RemoveEmptyDirectory(path);
    }
    bool ListDirectory(const std::string& path, std::vector<DirectoryEntry>& entries) override {
        return !plan_.Fails() && MemoryFileSystem::ListDirectory(path, entries);
    }
    bool WriteProfileEntry(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& value) override {
        return !plan_.Fails() && MemoryFileSystem::WriteProfileEntry(file, section, key, value);
    }

  private:
    std::unique_ptr<OpenFile> Wrapped(std::unique_ptr<OpenFile> file) {
        return file ? std::make_unique<FaultyFile>(std::move(file), plan_) : nullptr;
    }
    FaultPlan& plan_;
};

class FaultyRegistry : public FakeRegistry {
  public:
    explicit FaultyRegistry(FaultPlan& plan) : plan_(plan) {}
    bool KeyExists(const RegistryKey& key) override {
        return !plan_.Fails() && FakeRegistry::KeyExists(key);
    }
    bool CreateKey(const RegistryKey& key) override {
        return !plan_.Fails() && FakeRegistry::CreateKey(key);
    }
    bool DeleteKey(const RegistryKey& key) override {
        return !plan_.Fails() && FakeRegistry::DeleteKey(key);
    }
    std::optional<std::vector<std::string>> SubkeyNames(const RegistryKey& key) override {
        return plan_.Fails() ? std::nullopt : FakeRegistry::SubkeyNames(key);
    }
    std::optional<std::vector<NamedValue>> Values(const RegistryKey& key) override {
        return plan_.Fails() ? std::nullopt : FakeRegistry::Values(key);
    }
    std::optional<RegistryValue> ReadValue(const RegistryKey& key,
                                           const std::string& name) override {
        return plan_.Fails() ? std::nullopt : FakeRegistry::ReadValue(key, name);
    }
    bool WriteValue(const RegistryKey& key, const std::string& name,
                    const RegistryValue& value) override {
        return !plan_.Fails() && FakeRegistry::WriteValue(key, name, value);
    }
    bool DeleteValue(const RegistryKey& key, const std::string& name) override {
        return !plan_.Fails() && FakeRegistry::DeleteValue(key, name);
    }

  private:
    FaultPlan& plan_;
};

class FaultyIniFiles : public FakeIniFiles {
  public:
    explicit FaultyIniFiles(FaultPlan& plan) : plan_(plan) {}
    IniFileRead Read(const std::string& path) override {
        return plan_.Fails() ? IniFileRead{true, false, ""} : FakeIniFiles::Read(path);
    }
    bool Exists(const std::string& path) override {
        return !plan_.Fails() && FakeIniFiles::Exists(path);
    }
    bool WriteNew(const std::string& path, const std::string& text) override {
        return !plan_.Fails() && FakeIniFiles::WriteNew(path, text);
    }
    bool Delete(const std::string& path) override {
        return !plan_.Fails() && FakeIniFiles::Delete(path);
    }
    bool Rename(const std::string& from, const std::string& to) override {
        return !plan_.Fails() && FakeIniFiles::Rename(from, to);
    }

  private:
    FaultPlan& plan_;
};

class FaultyFonts : public FakeFonts {
  public:
    explicit FaultyFonts(FaultPlan& plan) : plan_(plan) {}
    bool AddFont(const std::string& file) override {
        return !plan_.Fails() && FakeFonts::AddFont(file);
    }
    bool RemoveFont(const std::string& file) override {
        return !plan_.Fails() && FakeFonts::RemoveFont(file);
    }

  private:
    FaultPlan& plan_;
};

// The world of CopyWorld with the failing stand-ins, the shell's calls counted too.
struct FaultyWorld {
    FaultyWorld() {
        versions.files = &files;
        shellState.Inject = [this] { return plan.Fails(); };
        installer.AttachLog(log);
    }

    FaultPlan plan;
    FakeReport report;
    FaultyFileSystem files{plan};
    FakeVersions versions;
    NativeDecompression decompression;
    FakeMedia media;
    FakeProgress progress;
    FakeQuestions questions;
    FaultyRegistry registry{plan};
    FaultyIniFiles iniFiles{plan};
    FakeShellState shellState;
    FakeShellFactory shells{shellState};
    FakeShortPaths shortPaths;
    FaultyFonts fonts{plan};
    FakeServers servers;
    SystemServices system{registry, iniFiles, shells, shortPaths, fonts, servers, OsRecord{}};
    Installer installer{
        {report, files, versions, decompression, media, progress, questions, system}};
    MemoryLog log;
};

}  // namespace aw::testing
