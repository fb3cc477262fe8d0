// Everything the Installer's file installation talks to, in memory: the file system, version
// resources and the library's own expander standing in for "lzpunz2.dll"; with the controller's
// side from controller_fakes.h and the system changes' from system_fakes.h.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "installer/controller/installer.h"
#include "installer/controller/tests/fakes/controller_fakes.h"
#include "installer/controller/tests/fakes/memory_file_system.h"
#include "installer/controller/tests/fakes/system_fakes.h"
#include "installer/lzpunz2/unz_session.h"
#include "installer/oplog/record_sink.h"
#include "installer/script/model/tests/fakes/fake_report.h"

namespace aw::testing {

class FakeVersions : public VersionLibrary {
  public:
    std::map<std::string, FileVersionInfo> Versions;  // by lower-case path
    std::optional<FileVersionInfo> Version(const std::string& path) override {
        const auto found = Versions.find(MemoryFileSystem::Key(path));
        if (found == Versions.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    bool InUse(const std::string& path) override { return files->IsInUse(path); }
    MemoryFileSystem* files = nullptr;
};

// The library's own expander, loaded and freed as the DLL would be.
class NativeDecompression : public DecompressionLibrary {
  public:
    bool Missing = false;
    int Loads = 0;
    std::unique_ptr<LoadedDecompressor> Load() override {
        if (Missing) {
            return nullptr;
        }
        ++Loads;
        return std::make_unique<Loaded>();
    }

  private:
    class Loaded : public LoadedDecompressor {
      public:
        int Open(LzpUnzInput input, int mode) override { return Session().Open(input, mode); }
        int Read(void* buffer, int count) override { return Session().Read(buffer, count); }
        int Close() override { return Session().Close(); }

      private:
        static lzpunz::UnzSession& Session() {
            static lzpunz::UnzSession session;
            return session;
        }
    };
};

// An Installer over all of these, with a memory log attached.
struct CopyWorld {
    CopyWorld() {
        versions.files = &files;
        installer.AttachLog(log);
    }

    FakeReport report;
    MemoryFileSystem files;
    FakeVersions versions;
    NativeDecompression decompression;
    FakeMedia media;
    FakeProgress progress;
    FakeQuestions questions;
    // The system changes' side: registry, INI files, shell, fonts, servers.
    FakeSystem system;
    Installer installer{
        {report, files, versions, decompression, media, progress, questions, system.services}};
    MemoryLog log;
};

// A fixture for the tests of the Installer's operations: the world, and its parts that they
// use most under their own names.
class InstallerWorldTest : public ::testing::Test {
  protected:
    CopyWorld world;
    FakeReport& report = world.report;
    FakeSystem& system = world.system;
    Installer& installer = world.installer;
    MemoryLog& log = world.log;
};

}  // namespace aw::testing
